// The calculator's window on the desktop.
#include "app/qtports.h"
#include "app/qtwindow.h"
#include "wiring/wiring.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion")); // the look the layout was checked with

    ui::Form form;
    app::QtPorts ports;
    form.setPorts(&ports);
    form.setDecimalSign(app::systemDecimalSign());
    wiring::start(form); // controls, handlers and Load

    app::QtWindow window(form);
    ports.setOwner(&window);
    window.show();
    return application.exec();
}
