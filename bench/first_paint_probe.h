// Compiled only into the start-up measurement builds: on the first paint of the window, prints the
// monotonic clock in nanoseconds and ends the program, so that a driver can time start to first paint.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

class FirstPaintProbe : public QObject {
  public:
    explicit FirstPaintProbe(QWidget* window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The children are painted and the window flushed before the event loop runs again.
            QTimer::singleShot(0, [] {
                timespec t{};
                clock_gettime(CLOCK_MONOTONIC, &t);
                std::printf("first-paint %lld\n",
                            static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    bool seen_ = false;
};
