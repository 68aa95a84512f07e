// The floor of the start-up measurement: a bare Qt Widgets window of the calculator's size with one
// line edit, shown the same way.
#include "first_paint_probe.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The widget style the toolkit chooses, as for the calculator.
    QWidget window;
    window.setFixedSize(860, 848);
    window.setWindowTitle(QStringLiteral("floor"));
    QLineEdit edit(&window);
    edit.setGeometry(80, 40, 52, 32);
    FirstPaintProbe probe(&window);
    window.show();
    return application.exec();
}
