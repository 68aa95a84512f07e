// What the Qt tests share: the window started as the application starts it, and an operator who answers
// every message box with OK and remembers what it said.
#pragma once

#include "app/form/qtports.h"
#include "app/form/qtwindow.h"
#include "app/i18n/language.h"
#include "app/root/application.h"
#include "ui/form.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace harness {

// A control the operator types into, picks, slides or clicks.
inline bool takesInput(const ui::Control& c) {
    switch (c.kind) {
    case ui::Kind::TextBox:
    case ui::Kind::ComboBox:
    case ui::Kind::HScrollBar:
    case ui::Kind::CommandButton:
    case ui::Kind::OptionButton:
        return true;
    default:
        return false;
    }
}

// The language the window is tested in: Italian, or the one HLC_TEST_LANGUAGE names ("en"), so that the
// same tests check the window in both languages.
inline app::Language testLanguage() {
    return app::languageNamed(qEnvironmentVariable("HLC_TEST_LANGUAGE")).value_or(app::Language::Italian);
}

// The application window as main() builds it: controls, handlers and Load, then the widgets, shown and
// active, at the given zoom (100 % unless told: the zoom the screen calls for is tested on its own).
// beforeWidgets may add to the model what a test needs before the widgets are made from it.
struct Started {
    std::unique_ptr<app::MainWindow> mainWindow;
    ui::Form& form;
    app::QtPorts& ports;
    app::QtWindow* window; // the calculator's form inside the application window

    explicit Started(const std::function<void(ui::Form&)>& beforeWidgets = {}, int zoom = 100)
        : mainWindow(build(beforeWidgets)), form(mainWindow->form()), ports(mainWindow->ports()),
          window(mainWindow->formWindow()) {
        if (zoom > 0)
            mainWindow->setZoom(zoom);
        mainWindow->show();
        mainWindow->activateWindow();
    }
    static std::unique_ptr<app::MainWindow> build(const std::function<void(ui::Form&)>& beforeWidgets) {
        app::setLanguage(testLanguage());
        return app::buildApplicationWindow(beforeWidgets);
    }
    bool active() { return QTest::qWaitForWindowActive(mainWindow.get()); }
    // After a message box: the window active again, and the control that has the focus in it.
    std::string focusAfterBox() {
        return QTest::qWaitForWindowActive(mainWindow.get()) ? focusedControl()
                                                             : std::string("(window not active)");
    }

    QWidget* w(const char* name) const { return window->widget(name); }
    template <class T> T* as(const char* name) const { return qobject_cast<T*>(window->widget(name)); }
    // The control that has the toolkit's keyboard focus, as the operator sees it.
    std::string focusedControl() const { return window->controlOf(QApplication::focusWidget()); }

    void clickOn(const char* name) { QTest::mouseClick(w(name), Qt::LeftButton); }
};

// Answers each modal message box with OK, as soon as it is shown, and keeps what it showed.
class Operator {
  public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool modal;
    };

    Operator() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    const std::vector<Seen>& seen() const { return seen_; }
    void forget() { seen_.clear(); }

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen_.push_back(
            {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->isModal()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        // The desktop hands the activation back to the window the box belonged to.
        if (QWidget* owner = box->parentWidget())
            owner->window()->activateWindow();
    }
    QTimer timer_;
    std::vector<Seen> seen_;
};

} // namespace harness
