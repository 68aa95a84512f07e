// The window as laid out at its scale and font: every caption fits its control, the five-line result fits
// its field without scrolling, and no input lies under a label or a frame.
#include "harness.h"

#include "app/chart/chartwindow.h"

#include "ui/controlset.h"
#include "ui/entry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>

using harness::Operator;
using harness::Started;

namespace {

QByteArray who(const ui::Control& c) {
    return QByteArray::fromStdString(c.name);
}

// The caption or text a widget shows.
QString shownText(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    return QString();
}

// Whether the operator's click at a point of the window reaches the control.
bool reaches(Started& s, QWidget* target, QPoint inTarget) {
    QWidget* hit = s.window->childAt(target->mapTo(s.window, inTarget));
    return hit && (hit == target || target->isAncestorOf(hit));
}

// The number of lines a plain-text field lays its text out in, and whether they all stand in its view.
std::pair<int, bool> linesAndFit(QPlainTextEdit* e) {
    auto* layout = e->document()->documentLayout();
    int lines = 0;
    qreal height = e->document()->documentMargin();
    for (QTextBlock b = e->document()->begin(); b.isValid(); b = b.next()) {
        height += layout->blockBoundingRect(b).height(); // lays the block out
        lines += b.layout()->lineCount();
    }
    return {lines, height <= e->viewport()->height()};
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void captionsFitTheirControls_data() {
        QTest::addColumn<int>("zoom");
        for (int zoom : app::kZoomSteps)
            QTest::addRow("%d%%", zoom) << zoom;
    }
    // At every zoom step every caption fits its control, and every field shows its whole text.
    void captionsFitTheirControls() {
        QFETCH(int, zoom);
        Started s({}, zoom);
        QCOMPARE(s.mainWindow->zoom(), zoom);
        s.form.setVisible("Label36", true); // the warning too, as the line calculation shows it
        for (const ui::Control& c : s.form.controls()) {
            QWidget* w = s.w(c.name.c_str());
            if (!w)
                continue;
            const QString text = shownText(w); // in the language of the window
            const QFontMetrics fm(w->font());
            if (auto* l = qobject_cast<QLabel*>(w)) {
                const QRect room = l->contentsRect();
                const QRect used = fm.boundingRect(room, Qt::TextWordWrap, text);
                QVERIFY2(room.contains(used), who(c));
            } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                QStyleOptionGroupBox opt;
                opt.initFrom(g);
                opt.text = g->title();
                opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
                const QRect title =
                    g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
                QVERIFY2(g->rect().contains(title), who(c));
                QVERIFY2(title.width() >= fm.horizontalAdvance(g->title()), who(c));
            } else if (auto* b = qobject_cast<QRadioButton*>(w)) {
                QStyleOptionButton opt;
                opt.initFrom(b);
                const int need = b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, b) +
                                 b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt, b) +
                                 fm.horizontalAdvance(text);
                QVERIFY2(need <= b->width(), who(c));
                QVERIFY2(fm.height() <= b->height(), who(c));
            } else if (auto* b = qobject_cast<QPushButton*>(w)) {
                QStyleOptionButton opt;
                opt.initFrom(b);
                const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
                const QRect used =
                    fm.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
                QVERIFY2(room.contains(used), who(c));
            } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
                QStyleOptionFrame opt;
                opt.initFrom(e);
                opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
                const QRect room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
                QVERIFY2(fm.horizontalAdvance(text) <= room.width() - 4,
                         who(c)); // 2 pixels of margin each side
                // An input shows six characters of a number whole; an S-parameter field the nine of the
                // six significant digits an import writes.
                if (const ui::InputField* field = ui::inputField(c.name))
                    for (const std::string& number : ui::widestTexts(*field))
                        QVERIFY2(fm.horizontalAdvance(QString::fromStdString(number)) <= room.width() - 4,
                                 who(c) + " " + QByteArray::fromStdString(number) + " at " +
                                     QByteArray::number(zoom));
            }
        }
    }

    // The five lines of the SWR result, for values that make its lines long, stand in their field whole.
    void fiveLineResultFitsItsField() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        auto* result = s.as<QPlainTextEdit>("Text4");
        const std::pair<const char*, const char*> points[] = {
            {"25", "-25"}, {"25", "-50"}, {"1000", "-3000"}, {"0.5", "-900"}, {"99999", "99999"}};
        for (const auto& [r, x] : points) {
            for (const auto& [field, text] : {std::pair{"Text7", r}, std::pair{"Text8", x}}) {
                s.clickOn(field);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
                QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
            }
            s.clickOn("Command4");
            QCOMPARE(result->toPlainText().count('\n'), 4);
            const auto [lines, fits] = linesAndFit(result);
            QVERIFY2(lines == 5, qPrintable(result->toPlainText()));
            QVERIFY2(fits, qPrintable(result->toPlainText()));
        }
        QVERIFY(op.seen().empty());
    }

    // The four-line reports of the right panel and of the line stand in their fields whole, one line each.
    void fourLineReportsFitTheirFields() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        using Fields = std::vector<std::pair<const char*, const char*>>;
        const struct {
            const char* button;
            const char* result;
            Fields fields;
        } reports[] = {
            {"Command8",
             "Text5",
             {{"Text30", "0.3"},
              {"Text34", "-0.4"},
              {"Text36", "-0.1234"},
              {"Text37", "-0.2345"},
              {"Text33", "0.8"},
              {"Text32", "-0.1"},
              {"Text31", "0.05"},
              {"Text35", "0.02"},
              {"Text38", "0.8"},
              {"Text39", "-0.1"}}},
            {"Command3",
             "Text5",
             {{"Text15", "0.001"},
              {"Text16", "1000"},
              {"Text17", "-1000"},
              {"Text13", "1000"},
              {"Text14", "9000"}}},
            {"Command6",
             "Text5",
             {{"Text15", "3000"}, {"Text16", "3000"}, {"Text20", "100"}, {"Text21", "90"}}},
        };
        for (const auto& r : reports) {
            for (const auto& [field, text] : r.fields)
                s.form.setText(field, text);
            s.clickOn(r.button);
            auto* result = s.as<QPlainTextEdit>(r.result);
            const auto [lines, fits] = linesAndFit(result);
            QVERIFY2(lines == 4, qPrintable(result->toPlainText()));
            QVERIFY2(fits, qPrintable(result->toPlainText()));
        }

        // The line's result for a point far from the line impedance, forty half waves away.
        for (const auto& [field, text] : {std::pair{"Text23", "1000"}, std::pair{"Text24", "-999"}})
            s.form.setText(field, text);
        s.form.setText("Combo2", "RG-213 (generic)");
        s.form.setText("Combo1", "40");
        s.form.setValue("HScroll1", 100);
        auto* line = s.as<QPlainTextEdit>("Text22");
        const auto [lines, fits] = linesAndFit(line);
        QVERIFY2(lines == 4, qPrintable(line->toPlainText()));
        QVERIFY2(fits, qPrintable(line->toPlainText()));
        QVERIFY(op.seen().empty());
    }

    // A click anywhere on an input (for an option button: on its button and its caption) reaches it, also
    // with the line panel's warning shown.
    void noInputLiesUnderALabelOrFrame() {
        Started s;
        s.form.setVisible("Label36", true);
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        for (const ui::Control& c : s.form.controls()) {
            QWidget* w = s.w(c.name.c_str());
            if (!w || !harness::takesInput(c))
                continue;
            std::vector<QPoint> spots;
            if (auto* b = qobject_cast<QRadioButton*>(w)) {
                const QFontMetrics fm(b->font());
                const int caption = fm.horizontalAdvance(b->text());
                const int button = b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b);
                const int mid = b->height() / 2;
                if (c.captionLeft)
                    spots = {{2, mid}, {caption - 2, mid}, {b->width() - button / 2 - 1, mid}};
                else
                    spots = {{button / 2, mid}, {button + 6, mid}, {button + 4 + caption, mid}};
            } else {
                const QRect r = w->rect().adjusted(2, 2, -3, -3);
                spots = {r.center(), r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
            }
            for (const QPoint& p : spots)
                QVERIFY2(reaches(s, w, p),
                         who(c) + " at " + QByteArray::number(p.x()) + "," + QByteArray::number(p.y()));
        }
    }

    void windowSizeIsTheClientArea() {
        Started s;
        QCOMPARE(s.window->size(), QSize((ui::kFormWidth + app::kTwipsPerPixel / 2) / app::kTwipsPerPixel,
                                         (ui::kFormHeight + app::kTwipsPerPixel / 2) / app::kTwipsPerPixel));
        // The bottom panel and the right panel end inside the window.
        for (const char* panel : {"Frame1", "Frame2", "Frame11"})
            QVERIFY2(s.window->rect().contains(s.w(panel)->geometry()), panel);
        // On a screen scaled by QT_SCALE_FACTOR the same layout is drawn in that many device pixels to a
        // pixel: twice the size on a high-density screen.
        bool scaled = false;
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&scaled);
        if (scaled)
            QCOMPARE(s.window->devicePixelRatio(), scale);
    }

    // The chart window at its first size, in the window's language: every caption and tab title is shown
    // whole, and none of them made the window larger than it opens.
    void chartWindowCaptionsFit() {
        app::setLanguage(harness::testLanguage());
        app::ChartWindow c;
        c.setBand({}, {}, {{14.0, 2.0, 1.8, 0.5}, {14.4, 1.5, 1.4, 0.6}}, 14.2); // the band's page enabled
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        QCOMPARE(c.size(), QSize(1000, 620));
        int captions = 0;
        for (QWidget* w : c.findChildren<QWidget*>()) {
            const QString text = shownText(w);
            if (text.isEmpty() || qobject_cast<QLineEdit*>(w) || w == c.readoutLabel())
                continue;
            ++captions;
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(text));
            if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap())
                QVERIFY2(l->contentsRect().width() >=
                             l->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&'))),
                         qPrintable(text));
        }
        QVERIFY(captions >= 8);
        QTabBar* tabs = c.tabs()->tabBar();
        for (int i = 0; i < tabs->count(); ++i) {
            const QString title = tabs->tabText(i).remove('&');
            QVERIFY2(tabs->tabRect(i).width() >= tabs->fontMetrics().horizontalAdvance(title),
                     qPrintable(title));
        }
    }

    // The chart window at its smallest: narrow enough to stand beside the calculator at its start zoom on a
    // 1366-pixel screen, with the list of designs still wrapping its texts beside the schematics (no
    // sideways scrolling) and every field, caption and tab title whole.
    void chartWindowAtItsSmallest() {
        app::setLanguage(harness::testLanguage());
        app::ChartWindow c;
        const QString text =
            QStringLiteral("Series 61.2372 ohm: 696.158nH\nShunt 161.237 ohm: 1.83298\u00B5H\n"
                           "E24 680nH, 1.8\u00B5H SWR 1.035; E12 680nH, 1.8\u00B5H SWR 1.035");
        c.setDesigns({{true, 61.2372, 161.237, text, {}}, {false, -61.2372, 38.7628, text, {}}},
                     QStringLiteral("Stub"), {});
        c.setBand({}, {}, {{14.0, 2.0, 1.8, 0.5}, {14.4, 1.5, 1.4, 0.6}}, 14.2);
        const QSize least = c.minimumSizeHint();
        QVERIFY2(least.width() <= 1366 - app::QtWindow::sizeAt(app::kSmallestStartZoom).width() - 40,
                 qPrintable(QString::number(least.width())));
        c.resize(least);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        QListWidget* list = c.designList();
        QTRY_VERIFY(!list->horizontalScrollBar()->isVisible());
        for (int i = 0; i < list->count(); ++i)
            QVERIFY(list->visualItemRect(list->item(i)).right() <= list->viewport()->width());
        QVERIFY(list->viewport()->width() >= list->iconSize().width() + 100);
        for (QLineEdit* e : c.findChildren<QLineEdit*>()) {
            if (!e->isVisible())
                continue;
            QStyleOptionFrame opt;
            opt.initFrom(e);
            opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
            const QRect room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
            QVERIFY2(e->fontMetrics().horizontalAdvance(QStringLiteral("1234.5678")) <= room.width() - 4,
                     qPrintable(e->accessibleName()));
        }
        for (QWidget* w : c.findChildren<QWidget*>()) {
            const QString shown = shownText(w);
            if (shown.isEmpty() || !w->isVisible() || qobject_cast<QLineEdit*>(w) || w == c.readoutLabel())
                continue;
            if (auto* b = qobject_cast<QPushButton*>(w)) {
                QStyleOptionButton opt;
                opt.initFrom(b);
                const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
                QVERIFY2(b->fontMetrics().horizontalAdvance(QString(shown).remove('&')) <= room.width(),
                         qPrintable(shown));
            } else {
                QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(shown));
            }
        }
        QTabBar* tabs = c.tabs()->tabBar();
        for (int i = 0; i < tabs->count(); ++i)
            QVERIFY(tabs->tabRect(i).width() >=
                    tabs->fontMetrics().horizontalAdvance(tabs->tabText(i).remove('&')));
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
