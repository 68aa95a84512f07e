// The "Aiuto" menu: the guide built into the program (F1), its search (Ctrl+F), the links of its contents,
// the "?" button when the desktop opens the address and when it cannot, the "Informazioni" box and the
// window's icon.
#include "harness.h"

#include "app/help/help.h"
#include "ui/window.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

using harness::Started;

namespace {

// What a message box showed, and the button pressed in it.
struct Answered {
    QString title, text, informative;
    Qt::TextInteractionFlags flags;
    QStringList buttons;
    bool modal = false;
};

// Answers the next message box with the button whose text is `press`, and keeps what it showed.
void answerNextBox(Answered& seen, const QString& press) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, &seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        seen = {box->windowTitle(),          box->text(), box->informativeText(),
                box->textInteractionFlags(), {},          box->isModal()};
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            seen.buttons << b->text();
            if (b->text() == press)
                chosen = b;
        }
        if (chosen)
            chosen->click();
        else
            box->reject();
        // The desktop hands the activation back to the window the box belonged to.
        if (QWidget* owner = box->parentWidget())
            owner->window()->activateWindow();
    });
    timer->start();
}

QAction* helpAction(Started& s, const QString& text) {
    for (QAction* a : s.mainWindow->helpMenu()->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
  private slots:
    void helpMenuInItalian() {
        Started s;
        QAction* guide = helpAction(s, QStringLiteral("Guida"));
        QVERIFY(guide);
        QCOMPARE(guide->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(helpAction(s, QStringLiteral("Informazioni")));
    }

    // F1 from a field of the form opens the guide in a window of its own, with its picture; again F1
    // shows the same window.
    void f1OpensTheBuiltInGuide() {
        Started s;
        QVERIFY(s.active());
        QCOMPARE(app::guideOf(*s.mainWindow), nullptr);
        s.clickOn("Text7");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        app::GuideWindow* guide = app::guideOf(*s.mainWindow);
        QVERIFY(guide);
        QVERIFY(guide->isVisible());
        QVERIFY(guide->isWindow());
        QCOMPARE(guide->windowTitle(), QStringLiteral("Guida di HamLineCalc"));
        QVERIFY(guide->screen()->availableGeometry().contains(guide->geometry()));
        QTextDocument* doc = guide->browser()->document();
        QCOMPARE(doc->begin().text(), QString::fromUtf8("HamLineCalc — User Guide"));
        QCOMPARE(doc->begin().blockFormat().headingLevel(), 1); // read as Markdown, not as plain text
        QVERIFY(doc->toPlainText().contains(QStringLiteral("Ctrl+F")));
        // The Smith chart's picture comes from inside the program.
        QStringList pictures;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat())
                    pictures << it.fragment().charFormat().toImageFormat().name();
        QCOMPARE(pictures, QStringList{QStringLiteral("smithchart.png")});
        const QVariant picture =
            guide->browser()->loadResource(QTextDocument::ImageResource, QUrl(pictures[0]));
        QVERIFY(!picture.isNull());
        QVERIFY(!QImage::fromData(picture.toByteArray()).isNull());

        s.mainWindow->activateWindow();
        QVERIFY(s.active());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(app::guideOf(*s.mainWindow), guide);
        QCOMPARE(s.mainWindow->findChildren<app::GuideWindow*>().size(), 1);
    }

    // Every link of the guide's contents goes to its heading.
    void contentsLinksReachTheirHeadings() {
        Started s;
        app::GuideWindow* guide = app::openGuide(*s.mainWindow);
        QFile source(QStringLiteral(":/guide/guide.md"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString markdown = QString::fromUtf8(source.readAll());
        const QRegularExpression link(QStringLiteral(R"(\]\(#([^)]+)\))"));
        int links = 0;
        for (const auto& m : link.globalMatch(markdown)) {
            const QString name = m.captured(1);
            QVERIFY2(guide->goToHeading(name), qPrintable(name));
            QVERIFY(guide->browser()->textCursor().block().blockFormat().headingLevel() > 0);
            ++links;
        }
        QVERIFY(links >= 14);
        QVERIFY(!guide->goToHeading(QStringLiteral("no-such-section")));

        // A click on a link as the browser reports it.
        emit guide->browser()->anchorClicked(QUrl(QStringLiteral("#13-the-window-in-english")));
        QCOMPARE(guide->browser()->textCursor().block().text(), QStringLiteral("13. The window in English"));
        emit guide->browser()->anchorClicked(
            QUrl(QStringLiteral("#32-power-and-current-from-a-voltage--calcola-"
                                "potenza-e-corrente-altp")));
        QVERIFY(guide->browser()->textCursor().block().text().startsWith(QStringLiteral("3.2 Power and")));
    }

    // Ctrl+F, a word, Enter and Shift+Enter through its places; a word that stands nowhere marks the field
    // without a message; Esc closes the bar.
    void findInTheGuide() {
        Started s;
        app::GuideWindow* guide = app::openGuide(*s.mainWindow);
        QVERIFY(QTest::qWaitForWindowActive(guide));
        QVERIFY(!guide->findBar()->isVisible());
        QTest::keyClick(guide->browser(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(guide->findBar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), guide->findField());

        QTest::keyClicks(guide->findField(), QStringLiteral("impedance"));
        QTextBrowser* b = guide->browser();
        QCOMPARE(b->textCursor().selectedText().toLower(), QStringLiteral("impedance"));
        const int first = b->textCursor().selectionStart();
        QTest::keyClick(guide->findField(), Qt::Key_Return);
        const int second = b->textCursor().selectionStart();
        QVERIFY(second > first);
        QCOMPARE(b->textCursor().selectedText().toLower(), QStringLiteral("impedance"));
        QTest::keyClick(guide->findField(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(b->textCursor().selectionStart(), first);
        QVERIFY(!guide->notFound());

        // Backwards from the first place goes round to the last one.
        QTest::keyClick(guide->findField(), Qt::Key_F3, Qt::ShiftModifier);
        const int last = b->textCursor().selectionStart();
        QVERIFY(last > second);
        QCOMPARE(
            b->document()->toPlainText().lastIndexOf(QStringLiteral("impedance"), -1, Qt::CaseInsensitive),
            last);

        const QColor normal = guide->findField()->palette().color(QPalette::Base);
        QTest::keyClicks(guide->findField(), QStringLiteral("xq"));
        QVERIFY(guide->notFound());
        QCOMPARE(b->textCursor().selectionStart(), last); // the reader's place stays
        QVERIFY(guide->findField()->palette().color(QPalette::Base) != normal);
        QVERIFY(guide->findBar()->findChildren<QLabel*>().size() == 2);
        bool said = false;
        for (QLabel* l : guide->findBar()->findChildren<QLabel*>())
            said = said || l->text() == QStringLiteral("Non trovato");
        QVERIFY(said);
        QCOMPARE(QApplication::activeModalWidget(), nullptr); // no message box
        QTest::keyClick(guide->findField(), Qt::Key_Backspace);
        QTest::keyClick(guide->findField(), Qt::Key_Backspace);
        QVERIFY(!guide->notFound());
        QCOMPARE(guide->findField()->palette().color(QPalette::Base), normal);

        QTest::keyClick(guide->findField(), Qt::Key_Escape);
        QVERIFY(!guide->findBar()->isVisible());
        QVERIFY(guide->isVisible());
    }

    // The desktop takes the address: no box, nothing else happens.
    void questionButtonHandsTheAddressToTheDesktop() {
        Started s;
        QVERIFY(s.active());
        QList<QUrl> handed;
        s.ports.setOpener([&handed](const QUrl& url) {
            handed << url;
            return true;
        });
        s.clickOn("Command7");
        QCOMPARE(handed, QList<QUrl>{QUrl(QString::fromLatin1(ui::kGuideAddress))});
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(app::guideOf(*s.mainWindow), nullptr);
    }

    // The desktop cannot open it: a box says so, with the address to select, and offers the built-in
    // guide; "Chiudi" leaves it at that.
    void questionButtonWhenTheDesktopFails() {
        Started s;
        QVERIFY(s.active());
        int tries = 0;
        s.ports.setOpener([&tries](const QUrl&) {
            ++tries;
            return false;
        });
        Answered seen;
        answerNextBox(seen, QStringLiteral("Chiudi"));
        s.clickOn("Command7");
        QCOMPARE(tries, 1);
        QCOMPARE(seen.title, QStringLiteral("Guida"));
        QVERIFY(seen.text.contains(QStringLiteral("non ha potuto aprire")));
        QCOMPARE(seen.informative, QString::fromLatin1(ui::kGuideAddress));
        QVERIFY(seen.flags & Qt::TextSelectableByMouse);
        QVERIFY(seen.modal);
        QCOMPARE(seen.buttons.size(), 2);
        QVERIFY(seen.buttons.contains(QStringLiteral("Apri la guida integrata")));
        QCOMPARE(app::guideOf(*s.mainWindow), nullptr);

        QVERIFY(s.active());
        answerNextBox(seen, QStringLiteral("Apri la guida integrata"));
        QTest::keyClick(QApplication::focusWidget(), '?', Qt::AltModifier); // the button's access key
        QCOMPARE(tries, 2);
        QVERIFY(app::guideOf(*s.mainWindow));
        QVERIFY(app::guideOf(*s.mainWindow)->isVisible());
    }

    void aboutBox() {
        Started s;
        QVERIFY(s.active());
        Answered seen;
        answerNextBox(seen, QStringLiteral("OK"));
        helpAction(s, QStringLiteral("Informazioni"))->trigger();
        QCOMPARE(seen.title, QStringLiteral("Informazioni su HamLineCalc"));
        QVERIFY2(seen.text.contains(QStringLiteral("HamLineCalc " HLC_VERSION)), qPrintable(seen.text));
        QVERIFY(seen.informative.contains(QStringLiteral("GPL-3.0-or-later")));
        QVERIFY(seen.informative.contains(QString::fromLatin1(ui::kGuideAddress)));
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    }

    // The window carries the program's icon, drawn at the desktop's sizes; the guide window too.
    void windowIcon() {
        Started s;
        const QIcon icon = s.mainWindow->windowIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (int side : {16, 24, 32, 48, 64, 128})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
        for (int side : {16, 128}) {
            const QImage drawn = icon.pixmap(QSize(side, side), 1.0).toImage();
            QCOMPARE(drawn.size(), QSize(side, side));
            QCOMPARE(qAlpha(drawn.pixel(side / 2, side / 2)), 255); // the picture itself, not an empty square
            QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);                 // with its rounded corners
        }
        QCOMPARE(app::openGuide(*s.mainWindow)->windowIcon().cacheKey(), icon.cacheKey());
    }

    void englishTexts() {
        Started s;
        app::setLanguage(app::Language::English);
        QVERIFY(helpAction(s, QStringLiteral("Guide")));
        QVERIFY(helpAction(s, QStringLiteral("About")));
        QCOMPARE(app::openGuide(*s.mainWindow)->windowTitle(), QStringLiteral("HamLineCalc Guide"));
        app::setLanguage(app::Language::Italian);
        QCOMPARE(app::guideOf(*s.mainWindow)->windowTitle(), QStringLiteral("Guida di HamLineCalc"));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
