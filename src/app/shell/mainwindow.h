// The application window: the calculator's fixed form in a scroll area that zooms, under a short menu bar
// ("File", "Visualizza", "Aiuto"). It owns the window model and the ports the model shows itself through.
// It knows no feature: features that add menus, dialogs or windows install themselves on it through what
// it offers (its menus, its model, its ports, modelChanged), and the composition root (app/root) installs
// them all.
#pragma once

#include "app/form/qtports.h"
#include "app/form/qtwindow.h"
#include "ui/form.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QScrollArea;
class QScreen;

namespace app {

// The zoom steps of the form, in percent of its normal size.
inline constexpr int kZoomSteps[] = {70, 80, 90, 100, 110, 125, 150, 175, 200};
// The smallest step the window starts with; below it the form scrolls instead.
inline constexpr int kSmallestStartZoom = 80;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Starts the model (controls, handlers, Load), then builds the widgets from it. beforeWidgets may add
    // to the model what a test needs before the widgets are made.
    explicit MainWindow(const std::function<void(ui::Form&)>& beforeWidgets = {});
    ~MainWindow() override;

    ui::Form& form() { return form_; }
    QtPorts& ports() { return ports_; }
    QtWindow* formWindow() const { return formWindow_; }
    QScrollArea* scrollArea() const { return scroll_.get(); }
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* viewMenu() const { return viewMenu_; }
    QMenu* helpMenu() const { return helpMenu_; }

    int zoom() const;
    // One of kZoomSteps. The window takes the size that shows the whole form where the screen has room
    // (unless it is maximised or full screen), else the screen's room, and the form scrolls.
    void setZoom(int percent);
    void zoomIn();
    void zoomOut();
    // The zoom chosen for the screen at the start ("Dimensione normale", Ctrl+0, returns to it).
    int normalZoom() const { return normalZoom_; }

    // The zoom to start with when the form, with the window's menu and frame around it, has this much
    // room: 100 % where that fits, else the largest step down to kSmallestStartZoom that fits, else that
    // smallest step (the form then scrolls).
    static int startZoom(QSize room, QSize around);
    // Chooses the start zoom for the screen the window is on and sizes the window to lie inside the
    // screen's available area.
    void fitToScreen();

  signals:
    // The model changed one or more properties; emitted once after a run of changes.
    void modelChanged();
    void zoomChanged(int percent);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildMenus();
    void retranslate();
    QSize chrome() const; // what the window adds around the form: menu bar, scroll area frame
    // The size that shows the whole form, or as much of it as the screen's room for the window holds,
    // with scroll bars where it does not.
    QSize sizeForForm(QSize most) const;
    void fitWindowToForm();
    void keepFrameOnScreen();

    ui::Form form_;
    QtPorts ports_;
    // Declared after the model: the form's widgets go before the model they show.
    std::unique_ptr<QScrollArea> scroll_;
    QtWindow* formWindow_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* copyAll_ = nullptr;
    QAction* quit_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* normalSize_ = nullptr;
    bool changePending_ = false;
    bool shownOnce_ = false;
    int normalZoom_ = 100;
};

} // namespace app
