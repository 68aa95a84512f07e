// What the window shows outside itself, on the desktop: modal message boxes and the desktop's
// open-document service.
#pragma once

#include "ui/form.h"

class QWidget;

namespace app {

class QtPorts : public ui::Ports {
  public:
    // The window the message boxes belong to (they are modal and centred on it).
    void setOwner(QWidget* owner) { owner_ = owner; }

    // A modal box with the warning icon, the title, the prompt and an OK button; returns when dismissed.
    void messageBox(const std::string& title, const std::string& prompt) override;
    // Hands the address to the desktop, which opens it with its own program; the outcome is not examined.
    void openDocument(const std::string& address) override;

  private:
    QWidget* owner_ = nullptr;
};

// The decimal sign of the system's regional setting for numbers (LC_NUMERIC): '.' or ','.
char systemDecimalSign();

} // namespace app
