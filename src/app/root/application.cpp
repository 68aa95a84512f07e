#include "app/root/application.h"

#include "app/analyser/analyserdialog.h"
#include "app/cables/cablemanager.h"
#include "app/chart/smithchart.h"
#include "app/help/help.h"
#include "app/i18n/language.h"
#include "app/import/touchstoneimport.h"
#include "app/shell/icon.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>

namespace app {

std::unique_ptr<MainWindow> buildApplicationWindow(const std::function<void(ui::Form&)>& beforeWidgets) {
    auto window = std::make_unique<MainWindow>(beforeWidgets);
    // Features install their menus, dialogs and windows here.
    installTouchstoneImport(*window);
    installSmithChart(*window);
    installAnalyser(*window);
    installCableManager(*window);
    installHelp(*window);
    addLanguageMenu(window->menuBar(), window->helpMenu()->menuAction());
    return window;
}

int runApplication(int argc, char** argv, const std::function<void(MainWindow&)>& beforeShow) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.hamlinecalc.HamLineCalc"));
    // Italian unless --language en; an unknown language is said in one line and the window is Italian.
    QString complaint;
    setLanguage(languageFromArguments(QApplication::arguments(), &complaint));
    if (!complaint.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(complaint));
    std::unique_ptr<MainWindow> window = buildApplicationWindow();
    if (beforeShow)
        beforeShow(*window);
    window->show();
    // Where no window manager runs (a bare X display, a kiosk), nobody activates a new window: typed keys
    // reach it, but its access keys and shortcuts need an active window. Ask for the activation once;
    // under a window manager this is the ordinary request of a starting program.
    window->activateWindow();
    return application.exec();
}

} // namespace app
