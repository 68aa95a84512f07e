#include "app/shell/mainwindow.h"

#include "app/i18n/language.h"
#include "app/shell/icon.h"

#include "wiring/cables.h"
#include "wiring/results.h"
#include "wiring/wiring.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace app {

namespace {

// Room the window manager takes around a window (title bar and borders), allowed for before the window
// is shown and its real frame is known.
constexpr QSize kDecoration(16, 48);

} // namespace

MainWindow::MainWindow(const std::function<void(ui::Form&)>& beforeWidgets) {
    form_.setPorts(&ports_);
    form_.setDecimalSign(systemDecimalSign());
    wiring::start(form_, false); // controls, handlers, the user's cables and Load
    if (beforeWidgets)
        beforeWidgets(form_);

    setWindowTitle(QString::fromStdString(form_.caption()));
    setWindowIcon(applicationIcon());
    scroll_ = std::make_unique<QScrollArea>(this);
    scroll_->setWidgetResizable(false);
    scroll_->setBackgroundRole(QPalette::Window);
    scroll_->setFocusPolicy(Qt::NoFocus);   // the focus stays on the controls; Tab is the model's
    scroll_->setAlignment(Qt::AlignCenter); // a window larger than the form (maximised) centres it
    formWindow_ = new QtWindow(form_);
    scroll_->setWidget(formWindow_);
    setCentralWidget(scroll_.get());
    formWindow_->syncFocus(); // the focus is given when the window is first activated
    ports_.setOwner(this);

    // Many changes of one event arrive one by one; followers hear of them once, when the event is done.
    connect(formWindow_, &QtWindow::modelChanged, this, [this] {
        if (changePending_)
            return;
        changePending_ = true;
        QTimer::singleShot(0, this, [this] {
            changePending_ = false;
            emit modelChanged();
        });
    });
    // The control that takes the focus (Tab, an access key, the program) is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && formWindow_->isAncestorOf(now))
            scroll_->ensureWidgetVisible(now, 8, 8);
    });

    buildMenus();
    fitToScreen();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu(QString());
    copyAll_ = fileMenu_->addAction(QString(), this, [this] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(wiring::resultsText(
            form(), [](const std::string& text) { return windowText(text).toStdString(); })));
    });
    copyAll_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    fileMenu_->addSeparator();
    quit_ = fileMenu_->addAction(QString(), this, &QWidget::close);
    quit_->setShortcut(QKeySequence::Quit);
    quit_->setMenuRole(QAction::QuitRole);

    viewMenu_ = menuBar()->addMenu(QString());
    zoomIn_ = viewMenu_->addAction(QString(), this, &MainWindow::zoomIn);
    zoomIn_->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut_ = viewMenu_->addAction(QString(), this, &MainWindow::zoomOut);
    zoomOut_->setShortcut(QKeySequence::ZoomOut);
    normalSize_ = viewMenu_->addAction(QString(), this, [this] { setZoom(normalZoom_); });
    normalSize_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    helpMenu_ = menuBar()->addMenu(QString());
    retranslate();
}

// The menus' texts in the language of the window.
void MainWindow::retranslate() {
    fileMenu_->setTitle(tr("&File"));
    copyAll_->setText(tr("Copia tutti i risultati"));
    quit_->setText(tr("Esci"));
    viewMenu_->setTitle(tr("&Visualizza"));
    zoomIn_->setText(tr("Ingrandisci"));
    zoomOut_->setText(tr("Riduci"));
    normalSize_->setText(tr("Dimensione normale"));
    helpMenu_->setTitle(tr("A&iuto"));
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && helpMenu_) // not while the window is being built
        retranslate();
}

int MainWindow::zoom() const {
    return formWindow_->zoom();
}

void MainWindow::setZoom(int percent) {
    if (std::find(std::begin(kZoomSteps), std::end(kZoomSteps), percent) == std::end(kZoomSteps) ||
        percent == zoom())
        return;
    formWindow_->setZoom(percent);
    fitWindowToForm();
    if (QWidget* focus = QApplication::focusWidget(); focus && formWindow_->isAncestorOf(focus))
        scroll_->ensureWidgetVisible(focus, 8, 8);
    emit zoomChanged(percent);
}

void MainWindow::zoomIn() {
    const auto* next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoom());
    if (next != std::end(kZoomSteps))
        setZoom(*next);
}

void MainWindow::zoomOut() {
    const auto* at = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoom());
    if (at != std::begin(kZoomSteps))
        setZoom(*std::prev(at));
}

int MainWindow::startZoom(QSize room, QSize around) {
    auto fits = [&](int percent) {
        const QSize form = QtWindow::sizeAt(percent);
        return form.width() + around.width() <= room.width() &&
               form.height() + around.height() <= room.height();
    };
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
        if (*it <= 100 && *it >= kSmallestStartZoom && fits(*it))
            return *it;
    return kSmallestStartZoom;
}

QSize MainWindow::chrome() const {
    const int frame = 2 * scroll_->frameWidth();
    return QSize(frame, menuBar()->sizeHint().height() + frame);
}

QSize MainWindow::sizeForForm(QSize most) const {
    QSize want = formWindow_->size() + chrome();
    // A scroll bar for the direction that does not fit takes room across the other.
    const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_.get());
    const bool tooHigh = want.height() > most.height();
    const bool tooWide = want.width() + (tooHigh ? bar : 0) > most.width();
    if (tooHigh)
        want.rwidth() += bar;
    if (tooWide)
        want.rheight() += bar;
    return want.boundedTo(most);
}

// After a zoom: the window grows to show the whole form while the screen has room (and shrinks with it),
// its frame kept on the screen.
void MainWindow::fitWindowToForm() {
    const QScreen* s = screen();
    if (!s || isMaximized() || isFullScreen())
        return;
    const QRect area = s->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize decoration = frame.isEmpty() ? kDecoration : frame;
    resize(sizeForForm(area.size() - decoration));
    keepFrameOnScreen();
}

void MainWindow::fitToScreen() {
    const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const QSize around = chrome() + kDecoration;
    normalZoom_ = startZoom(area.size(), around);
    formWindow_->setZoom(normalZoom_);
    const QSize want = sizeForForm(area.size() - kDecoration);
    resize(want);
    const QPoint corner(area.left() + std::max(0, (area.width() - want.width() - kDecoration.width()) / 2),
                        area.top() + std::max(0, (area.height() - want.height() - kDecoration.height()) / 2));
    move(corner);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        // The window manager's frame is known only once the window is up: the size is fitted again.
        QTimer::singleShot(0, this, &MainWindow::fitWindowToForm);
        // A cable file that could not be read is said over the window, once it stands.
        QTimer::singleShot(0, this, [this] { wiring::showCableFileProblem(form_); });
    }
}

// Where the real frame is larger than allowed for, the window shrinks and moves so that all of it,
// title bar included, lies on the screen's available area.
void MainWindow::keepFrameOnScreen() {
    const QScreen* s = screen();
    if (!s || isMaximized() || isFullScreen())
        return;
    const QRect area = s->availableGeometry();
    const QRect frame = frameGeometry();
    if (area.contains(frame))
        return;
    const QSize extra = frame.size() - size();
    resize(size().boundedTo(area.size() - extra));
    QRect now = frameGeometry();
    now.moveLeft(std::clamp(now.left(), area.left(), std::max(area.left(), area.right() - now.width() + 1)));
    now.moveTop(std::clamp(now.top(), area.top(), std::max(area.top(), area.bottom() - now.height() + 1)));
    move(now.topLeft());
}

} // namespace app
