#include "app/help/help.h"

#include "app/i18n/language.h"
#include "app/shell/icon.h"
#include "app/shell/mainwindow.h"
#include "ui/window.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#ifndef HLC_VERSION
#define HLC_VERSION "unknown"
#endif

namespace app {

namespace {

constexpr const char* kFeatureName = "help";

// The name a heading has in the guide's links, as the usual Markdown sites make it: lower case, letters,
// digits, '-' and '_' kept, each blank a '-', everything else dropped ("6.2 The line: ..." gives
// "62-the-line-...").
QString headingName(const QString& heading) {
    QString name;
    for (const QChar ch : heading.trimmed().toLower()) {
        if (ch.isLetterOrNumber() || ch == QLatin1Char('-') || ch == QLatin1Char('_'))
            name += ch;
        else if (ch == QLatin1Char(' '))
            name += QLatin1Char('-');
    }
    return name;
}

} // namespace

// ---- the guide window ---------------------------------------------------------------------------------

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("guideWindow"));
    setWindowIcon(applicationIcon());

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false); // links inside the guide go to their heading, others to the desktop
    browser_->setSource(QUrl(QString::fromLatin1(kBuiltInGuide)), QTextDocument::MarkdownResource);
    connect(browser_, &QTextBrowser::anchorClicked, this, &GuideWindow::followLink);

    findBar_ = new QWidget(this);
    auto* label = new QLabel(findBar_);
    findField_ = new QLineEdit(findBar_);
    findField_->setClearButtonEnabled(true);
    label->setBuddy(findField_);
    previous_ = new QToolButton(findBar_);
    next_ = new QToolButton(findBar_);
    closeFind_ = new QToolButton(findBar_);
    status_ = new QLabel(findBar_);
    auto* bar = new QHBoxLayout(findBar_);
    bar->setContentsMargins(6, 2, 6, 2);
    bar->addWidget(label);
    bar->addWidget(findField_, 1);
    bar->addWidget(previous_);
    bar->addWidget(next_);
    bar->addWidget(status_);
    bar->addStretch();
    bar->addWidget(closeFind_);
    findBar_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(browser_);
    layout->addWidget(findBar_);

    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &GuideWindow::startFind);
    auto* again = new QAction(this);
    again->setShortcut(QKeySequence::FindNext);
    connect(again, &QAction::triggered, this, [this] { findNext(false); });
    auto* back = new QAction(this);
    back->setShortcut(QKeySequence::FindPrevious);
    connect(back, &QAction::triggered, this, [this] { findNext(true); });
    addActions({find, again, back});

    connect(next_, &QToolButton::clicked, this, [this] { findNext(false); });
    connect(previous_, &QToolButton::clicked, this, [this] { findNext(true); });
    connect(closeFind_, &QToolButton::clicked, this, [this] {
        findBar_->hide();
        browser_->setFocus();
    });
    // Typing searches on from where the current match starts, so the match grows with the text.
    connect(findField_, &QLineEdit::textEdited, this, [this] {
        QTextCursor at = browser_->textCursor();
        at.setPosition(at.selectionStart());
        browser_->setTextCursor(at);
        findNext(false);
    });
    findField_->installEventFilter(this);

    findLabel_ = label;
    retranslate();
}

void GuideWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && findLabel_) // not while the window is being built
        retranslate();
}

void GuideWindow::retranslate() {
    setWindowTitle(tr("Guida di HamLineCalc"));
    findLabel_->setText(tr("&Trova:"));
    previous_->setText(tr("Precedente"));
    previous_->setToolTip(tr("Il punto precedente in cui compare il testo (Maiusc+F3, Maiusc+Invio)"));
    next_->setText(tr("Successivo"));
    next_->setToolTip(tr("Il punto successivo in cui compare il testo (F3, Invio)"));
    closeFind_->setText(tr("Chiudi"));
    closeFind_->setToolTip(tr("Chiude la ricerca (Esc)"));
    status_->setText(notFound_ ? tr("Non trovato") : QString());
    // Room for the words kept, so that the bar does not jump when they appear.
    status_->setMinimumWidth(status_->fontMetrics().horizontalAdvance(tr("Non trovato")) + 4);
}

bool GuideWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == findField_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            findNext(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            findBar_->hide();
            browser_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GuideWindow::startFind() {
    findBar_->show();
    findField_->setFocus(Qt::ShortcutFocusReason);
    findField_->selectAll();
}

void GuideWindow::findNext(bool backwards) {
    const QString text = findField_->text();
    if (text.isEmpty()) {
        markNotFound(false);
        return;
    }
    QTextDocument::FindFlags flags;
    if (backwards)
        flags |= QTextDocument::FindBackward;
    const QTextCursor was = browser_->textCursor();
    bool found = browser_->find(text, flags);
    if (!found) { // round the end of the guide
        QTextCursor from(browser_->document());
        from.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        browser_->setTextCursor(from);
        found = browser_->find(text, flags);
        if (!found)
            browser_->setTextCursor(was); // the reader's place stays
    }
    markNotFound(!found);
}

void GuideWindow::markNotFound(bool notFound) {
    notFound_ = notFound;
    QPalette marked = QApplication::palette(findField_);
    if (notFound) {
        // A reddish field, light or dark as the palette is.
        const QColor base = marked.color(QPalette::Base);
        const QColor red(220, 50, 47);
        marked.setColor(QPalette::Base,
                        QColor((base.red() * 2 + red.red()) / 3, (base.green() * 2 + red.green()) / 3,
                               (base.blue() * 2 + red.blue()) / 3));
    }
    findField_->setPalette(marked);
    status_->setText(notFound ? tr("Non trovato") : QString());
}

bool GuideWindow::goToHeading(const QString& fragment) {
    QTextDocument* doc = browser_->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0 || headingName(b.text()) != fragment)
            continue;
        QTextCursor at(b);
        browser_->setTextCursor(at);
        const QRectF where = doc->documentLayout()->blockBoundingRect(b);
        browser_->verticalScrollBar()->setValue(static_cast<int>(where.top()));
        return true;
    }
    return false;
}

void GuideWindow::followLink(const QUrl& link) {
    const QUrl inGuide = QUrl(QString::fromLatin1(kBuiltInGuide));
    if (link.hasFragment() &&
        (link.isRelative() ? link.path().isEmpty() : link.adjusted(QUrl::RemoveFragment) == inGuide)) {
        goToHeading(link.fragment());
        return;
    }
    if (!link.isRelative()) // a web address: the desktop's browser
        QDesktopServices::openUrl(link);
}

// ---- the feature ------------------------------------------------------------------------------------

// The feature: "Guida" (F1) and "Informazioni" in the "Aiuto" menu, the guide window made on first use.
class Help : public QObject {
    Q_OBJECT
  public:
    explicit Help(MainWindow& main) : QObject(&main), main_(main) {
        setObjectName(QString::fromLatin1(kFeatureName));
        QMenu* menu = main.helpMenu();
        guideAction_ = menu->addAction(QString(), this, [this] { open(); });
        guideAction_->setShortcut(QKeySequence::HelpContents);
        guideAction_->setShortcutContext(Qt::ApplicationShortcut); // also from the chart window
        menu->addSeparator();
        aboutAction_ = menu->addAction(QString(), this, [this] { showAbout(&main_); });
        aboutAction_->setMenuRole(QAction::AboutRole);
        retranslate();
    }

    GuideWindow* guide() const { return guide_; }

    GuideWindow* open() {
        if (!guide_) {
            guide_ = new GuideWindow(&main_); // a window of its own, closed with the main window
            place();
        }
        guide_->show();
        guide_->raise();
        guide_->activateWindow();
        return guide_;
    }

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        return QObject::event(event);
    }

  private:
    void retranslate() {
        guideAction_->setText(tr("Guida"));
        aboutAction_->setText(tr("Informazioni"));
    }

    // Beside the main window where the screen has room for it, else over the screen's free side; the
    // window manager may place it otherwise.
    void place() {
        constexpr QSize kWanted(760, 820);
        constexpr QSize kDecoration(16, 48); // title bar and borders, unknown before the window is shown
        const QScreen* screen = main_.screen();
        if (!screen) {
            guide_->resize(kWanted);
            return;
        }
        const QRect room = screen->availableGeometry();
        const QSize size = kWanted.boundedTo(room.size() * 9 / 10);
        guide_->resize(size);
        const QRect main = main_.frameGeometry();
        const int lastX = room.right() + 1 - size.width() - kDecoration.width();
        const int x = room.right() - main.right() >= main.left() - room.left()
                          ? std::min(main.right() + 1, lastX)                 // the right side has more room
                          : main.left() - size.width() - kDecoration.width(); // the left side has
        const int y = room.top() + std::max(0, (room.height() - size.height() - kDecoration.height()) / 4);
        guide_->move(std::clamp(x, room.left(), std::max(room.left(), lastX)), y);
    }

    MainWindow& main_;
    QAction* guideAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    GuideWindow* guide_ = nullptr;
};

namespace {

Help* featureOf(MainWindow& window) {
    return window.findChild<Help*>(QString::fromLatin1(kFeatureName), Qt::FindDirectChildrenOnly);
}

} // namespace

void installHelp(MainWindow& window) {
    if (featureOf(window))
        return;
    auto* feature = new Help(window);
    window.ports().setBuiltInGuide([feature] { feature->open(); });
}

GuideWindow* openGuide(MainWindow& window) {
    Help* feature = featureOf(window);
    return feature ? feature->open() : nullptr;
}

GuideWindow* guideOf(MainWindow& window) {
    Help* feature = featureOf(window);
    return feature ? feature->guide() : nullptr;
}

void showAbout(QWidget* parent) {
    const QString address = QString::fromLatin1(ui::kGuideAddress);
    QMessageBox box(parent);
    box.setWindowTitle(Help::tr("Informazioni su HamLineCalc"));
    box.setIconPixmap(applicationIcon().pixmap(64, 64));
    box.setTextFormat(Qt::RichText);
    box.setText(QStringLiteral("<h3>HamLineCalc %1</h3><p>%2</p>")
                    .arg(QString::fromLatin1(HLC_VERSION),
                         Help::tr("Calcolatore di SWR, linee di alimentazione e accordatori d'antenna "
                                  "per radioamatori.")
                             .toHtmlEscaped()));
    box.setInformativeText(
        QStringLiteral("<p>%1</p><p>%2<br><a href=\"%3\">%3</a></p>")
            .arg(Help::tr("Software libero: GNU General Public License, versione 3 o successiva "
                          "(GPL-3.0-or-later). Nessuna garanzia.")
                     .toHtmlEscaped(),
                 Help::tr("La guida:").toHtmlEscaped(), address));
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace app

#include "help.moc"
