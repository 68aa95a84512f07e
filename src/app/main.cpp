// The calculator's window on the desktop.
#include "app/qtports.h"
#include "app/qtwindow.h"
#include "wiring/wiring.h"

#include <QApplication>

#ifdef HLC_FIRST_PAINT_PROBE
#include "first_paint_probe.h"
#endif

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QString::fromLatin1(app::kStyleName));

    ui::Form form;
    app::QtPorts ports;
    form.setPorts(&ports);
    form.setDecimalSign(app::systemDecimalSign());
    wiring::start(form); // controls, handlers and Load

    app::QtWindow window(form);
    ports.setOwner(&window);
#ifdef HLC_FIRST_PAINT_PROBE
    FirstPaintProbe probe(&window); // start-up measurement builds only
#endif
    window.show();
    return application.exec();
}
