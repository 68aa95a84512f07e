// The composition root: the application window with every feature installed on it, and the program.
// The only place that knows all the rooms of the window; a new feature is installed here.
#pragma once

#include "app/shell/mainwindow.h"
#include "ui/form.h"

#include <functional>
#include <memory>

namespace app {

// The one place the application window is built, with every feature installed on it: used by main() and
// by the Qt tests alike.
std::unique_ptr<MainWindow> buildApplicationWindow(const std::function<void(ui::Form&)>& beforeWidgets = {});

// The program: the application object, the window built as above, shown, and the event loop.
// beforeShow sees the window before it is first shown.
int runApplication(int argc, char** argv, const std::function<void(MainWindow&)>& beforeShow = {});

} // namespace app
