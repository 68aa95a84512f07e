// What the window shows outside itself, on the desktop: modal message boxes and the desktop's
// open-document service.
#pragma once

#include "ui/form.h"

#include <QCoreApplication>

#include <functional>

class QString;
class QUrl;
class QWidget;

namespace app {

class QtPorts : public ui::Ports {
    Q_DECLARE_TR_FUNCTIONS(app::QtPorts)
  public:
    // The window the message boxes belong to (they are modal and centred on it).
    void setOwner(QWidget* owner) { owner_ = owner; }

    // A modal box with the warning icon, the title, the prompt and an OK button; returns when dismissed.
    void messageBox(const std::string& title, const std::string& prompt) override;
    // Hands the address to the desktop, which opens it with its own program. When the desktop reports
    // that it could not, a box says so, shows the address as selectable text and offers the guide built
    // into the program (when one is set).
    void openDocument(const std::string& address) override;

    // What hands an address to the desktop and reports whether the desktop took it: QDesktopServices
    // unless replaced (a test replaces it to make it fail).
    using Opener = std::function<bool(const QUrl&)>;
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    // Shows the guide built into the program, offered when the desktop cannot open the address.
    void setBuiltInGuide(std::function<void()> show) { builtInGuide_ = std::move(show); }

  private:
    void openFailed(const QString& address);

    QWidget* owner_ = nullptr;
    Opener opener_;
    std::function<void()> builtInGuide_;
};

// The decimal sign of the system's regional setting for numbers (LC_NUMERIC): '.' or ','.
char systemDecimalSign();

} // namespace app
