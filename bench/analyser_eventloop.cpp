// The window while the analyser sweeps continuously: the longest wait of its event loop. The application
// window with the Smith chart open and the line computed; the dialog sweeping the stand-in device (which
// measures 1 ms per point, as a NanoVNA-H4 does at its usual bandwidth) into the line panel again and
// again, each sweep moved along the cable and drawn. A timer asks for a turn of the event loop every
// millisecond; the longest gap between two turns is what an operator would feel as a frozen window.
//   analyser_eventloop [SECONDS] [POINTS]
#include "app/analyser/analyserdialog.h"
#include "app/chart/smithchart.h"
#include "app/root/application.h"
#include "app/shell/mainwindow.h"
#include "tools/vnasim/vnasim.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const int points = argc > 2 ? std::atoi(argv[2]) : 1001;

    vnasim::Options o;
    o.r = 30;
    o.l = 1e-6;
    o.c = 100e-12;
    o.pointTime = std::chrono::microseconds(1000);
    vnasim::Server device(o);

    auto window = app::buildApplicationWindow();
    window->show();
    app::openSmithChart(*window);
    window->form().userPick("Combo2", "RG-58 (generic)");
    window->form().userEdit("Text23", "50");
    window->form().userScroll("HScroll1", 200);

    app::AnalyserDialog* d = app::openAnalyser(*window);
    d->port()->setEditText(QString::fromStdString(device.path()));
    d->connectButton()->click();
    QElapsedTimer wait;
    wait.start();
    while (!d->connected() && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!d->connected()) {
        std::fprintf(stderr, "analyser_eventloop: the stand-in did not connect\n");
        return 1;
    }
    d->startMhz()->setText(QStringLiteral("1"));
    d->stopMhz()->setText(QStringLiteral("30"));
    d->points()->setValue(points);
    d->target()->setCurrentIndex(1);
    d->fieldsMhz()->setText(QStringLiteral("14.2"));
    d->continuousButton()->click();

    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last)
            longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    QTimer::singleShot(seconds * 1000, [&] {
        tick.stop();
        d->stopButton()->click();
        QTimer::singleShot(3000, &application, &QApplication::quit);
    });
    application.exec();
    std::printf(
        "event loop's longest wait during continuous sweeps | %.1f ms | %d sweeps of %d points in %d s\n",
        longest / 1e6, d->sweepsImported(), points, seconds);
    return d->sweepsImported() > 0 ? 0 : 1;
}
