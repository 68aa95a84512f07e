// "Misura" > "Analizzatore...": the dialog against the stand-in device on a pseudo-terminal. One sweep
// written into the line panel and followed by the chart; a continuous sweep stopped; the device's faults
// as the operator sees them.
#include "app/analyser/analyserdialog.h"
#include "app/chart/chartwindow.h"
#include "app/chart/smithchart.h"
#include "app/chart/smithchartview.h"
#include "app/shell/mainwindow.h"
#include "harness.h"
#include "tools/vnasim/vnasim.h"
#include "wiring/import.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

vnasim::Options rlc() { // 30 ohm, 1 uH, 100 pF in series
    vnasim::Options o;
    o.r = 30;
    o.l = 1e-6;
    o.c = 100e-12;
    return o;
}

void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The dialog opened from the menu as the operator opens it, connected to the device at path.
app::AnalyserDialog* openConnected(harness::Started& s, const std::string& path) {
    QMenu* measure = nullptr;
    for (QAction* a : s.mainWindow->menuBar()->actions())
        if (a->menu() && a->text().remove(QLatin1Char('&')) ==
                             (harness::testLanguage() == app::Language::English ? "Measure" : "Misura"))
            measure = a->menu();
    if (!measure || measure->actions().isEmpty())
        return nullptr;
    measure->actions().front()->trigger();
    auto* d = s.mainWindow->findChild<app::AnalyserDialog*>();
    if (!d || !QTest::qWaitForWindowExposed(d))
        return nullptr;
    d->port()->setEditText(QString::fromStdString(path));
    QTest::mouseClick(d->connectButton(), Qt::LeftButton);
    if (!QTest::qWaitFor([d] { return d->connected(); }, 5000))
        return nullptr;
    return d;
}

} // namespace

class AnalyserDialogTest : public QObject {
    Q_OBJECT
  private slots:
    // One sweep into the line panel after the line was computed: the fields take the sweep at the chosen
    // frequency, the line is computed again, and the chart shows the band measured and moved.
    void oneSweepFollowedByTheChart() {
        vnasim::Server device(rlc());
        harness::Started s;
        harness::Operator op;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        app::ChartWindow* chart = app::openSmithChart(*s.mainWindow);
        QVERIFY(chart);
        s.form.userPick("Combo2", "RG-58 (generic)");
        s.form.userEdit("Text23", "50");
        s.form.userScroll("HScroll1", 200);
        QVERIFY(!s.form.text("Text22").empty());
        QCOMPARE(chart->chart()->content().measuredSweep.size(), size_t(0));

        app::AnalyserDialog* d = openConnected(s, device.path());
        QVERIFY(d);
        QVERIFY(d->status()->text().contains("NanoVNA-H4"));
        QVERIFY(!d->saveButton()->isEnabled());
        retype(d->startMhz(), "13");
        retype(d->stopMhz(), "15");
        d->points()->setValue(801);
        d->target()->setCurrentIndex(1); // the line
        retype(d->fieldsMhz(), "14.2");
        QTest::mouseClick(d->singleButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(d->sweepsImported(), 1, 10000);
        QTRY_VERIFY(!d->sweeping());
        QCOMPARE(d->progress()->maximum(), 2); // two scans of a NanoVNA-H4
        QCOMPARE(d->progress()->value(), 2);
        QVERIFY(op.seen().empty());

        // R and X of the load at 14.2 MHz, and the frequency.
        QCOMPARE(s.as<QLineEdit>("Text23")->text(), QStringLiteral("30"));
        QCOMPARE(s.as<QLineEdit>("Text24")->text(), QStringLiteral("-22.8597"));
        QCOMPARE(s.as<QLineEdit>("Text28")->text(), QStringLiteral("14.2"));
        QVERIFY(!s.as<QPlainTextEdit>("Text22")->toPlainText().isEmpty());
        QTRY_COMPARE(chart->chart()->content().measuredSweep.size(), size_t(801));
        QCOMPARE(chart->chart()->content().movedSweep.size(), size_t(801));
        QVERIFY(d->saveButton()->isEnabled());
        QCOMPARE(d->lastSweep()->samples.size(), size_t(801));
        // Kept for a cable's measurement too.
        QVERIFY(wiring::analyserSweep(s.form));
        QCOMPARE(wiring::analyserSweep(s.form)->samples.size(), size_t(801));
    }

    // Continuous sweeping into the point panel: sweeps follow one another while the window keeps working,
    // Stop ends them, and the device is left sweeping on its own ("resume").
    void continuousSweepStopped() {
        auto o = rlc();
        o.pointTime = std::chrono::microseconds(100);
        vnasim::Server device(o);
        harness::Started s;
        harness::Operator op;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        app::AnalyserDialog* d = openConnected(s, device.path());
        QVERIFY(d);
        retype(d->startMhz(), "14");
        retype(d->stopMhz(), "14.4");
        d->points()->setValue(401);
        d->target()->setCurrentIndex(0); // the point
        retype(d->fieldsMhz(), "14.2");
        QTest::mouseClick(d->continuousButton(), Qt::LeftButton);
        QVERIFY(d->sweeping());
        QVERIFY(!d->singleButton()->isEnabled());
        QVERIFY(d->stopButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(d->sweepsImported() >= 3, 10000);
        // The window takes typing meanwhile.
        s.mainWindow->activateWindow();
        s.clickOn("Text9");
        QTest::keyClicks(s.w("Text9"), "7");
        QVERIFY(s.form.text("Text9").ends_with("7"));
        QTest::mouseClick(d->stopButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!d->sweeping(), 5000);
        const int done = d->sweepsImported();
        QTest::qWait(300);
        QCOMPARE(d->sweepsImported(), done);
        QVERIFY(d->singleButton()->isEnabled());
        QCOMPARE(s.as<QLineEdit>("Text7")->text(), QStringLiteral("30"));
        QCOMPARE(s.as<QLineEdit>("Text8")->text(), QStringLiteral("-22.8597"));
        QTRY_COMPARE(device.commands().back(), std::string("resume"));
        for (const std::string& c : device.commands())
            QVERIFY2(c == "info" || c == "version" || c == "resume" || c.rfind("scan ", 0) == 0, c.c_str());
        QVERIFY(op.seen().empty());
    }

    // The open dialog and its menu switch language with the window, and back.
    void captionsFollowTheLanguage() {
        harness::Started s;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        app::AnalyserDialog* d = app::openAnalyser(*s.mainWindow);
        QVERIFY(d);
        const app::Language start = harness::testLanguage();
        for (const app::Language l : {app::Language::English, app::Language::Italian, start}) {
            app::setLanguage(l);
            const bool en = l == app::Language::English;
            QCOMPARE(d->windowTitle(), en ? QStringLiteral("Analyser") : QStringLiteral("Analizzatore"));
            QCOMPARE(d->singleButton()->text(), en ? QStringLiteral("&Single") : QStringLiteral("&Singola"));
            QCOMPARE(d->continuousButton()->text(),
                     en ? QStringLiteral("&Continuous") : QStringLiteral("&Continua"));
            QCOMPARE(d->target()->itemText(1), en ? QStringLiteral("Line: R, X and the frequency")
                                                  : QStringLiteral("Linea: R, X e la frequenza"));
            QCOMPARE(s.mainWindow->menuBar()->actions().at(2)->text(),
                     en ? QStringLiteral("&Measure") : QStringLiteral("&Misura"));
        }
    }

    // A typed port connected with Enter: a port held by another program is refused with its whole
    // message in view and the path ready to be corrected; once free, Enter connects and the keyboard is on
    // "Singola"; a sweep stopped hands the keyboard back to the button that started it.
    void typedPortWithTheKeyboard() {
        vnasim::Server device(rlc());
        harness::Started s;
        harness::Operator op;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        app::AnalyserDialog* d = app::openAnalyser(*s.mainWindow);
        QVERIFY(d && QTest::qWaitForWindowExposed(d));
        d->activateWindow();
        QTRY_VERIFY(d->isActiveWindow());
        const int fd = ::open(device.path().c_str(), O_RDWR | O_NOCTTY);
        QVERIFY(fd >= 0);
        QCOMPARE(flock(fd, LOCK_EX | LOCK_NB), 0); // another program holds the port

        QLineEdit* port = d->port()->lineEdit();
        retype(port, QString::fromStdString(device.path()));
        QTest::keyClick(port, Qt::Key_Return);
        QTRY_VERIFY(d->status()->text().contains("in use by another program"));
        QVERIFY(!d->connected());
        QVERIFY(d->status()->text().contains("ModemManager"));
        QTRY_VERIFY(d->status()->height() >= d->status()->heightForWidth(d->status()->width()));
        QTRY_VERIFY(port->hasFocus());

        ::close(fd);
        QTest::keyClick(port, Qt::Key_Return);
        QTRY_VERIFY(d->connected());
        QTRY_VERIFY(d->singleButton()->hasFocus());

        retype(d->startMhz(), "14");
        retype(d->stopMhz(), "14.4");
        retype(d->fieldsMhz(), "14.2");
        d->continuousButton()->setFocus();
        QTest::keyClick(d->continuousButton(), Qt::Key_Space);
        QVERIFY(d->sweeping());
        QTRY_VERIFY_WITH_TIMEOUT(d->sweepsImported() >= 1, 10000);
        QTest::keyClick(d->stopButton(), Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(!d->sweeping(), 5000);
        QTRY_VERIFY(d->continuousButton()->hasFocus());
        // Stopped between sweeps or within one: the status names the measurement the panel keeps.
        const QString status = d->status()->text();
        QVERIFY2(status.contains(QString::number(d->sweepsImported())), qPrintable(status));
        QVERIFY2(status.contains(harness::testLanguage() == app::Language::English ? "Stopped" : "Fermato"),
                 qPrintable(status));
        QVERIFY(op.seen().empty());
    }

    // Closed with Esc during continuous sweeps: the sweeps end, the port is let go, and the dialog opened
    // again says it is not connected.
    void closedWhileSweeping() {
        auto o = rlc();
        o.pointTime = std::chrono::microseconds(500);
        vnasim::Server device(o);
        harness::Started s;
        harness::Operator op;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        app::AnalyserDialog* d = openConnected(s, device.path());
        QVERIFY(d);
        retype(d->fieldsMhz(), "15");
        QTest::mouseClick(d->continuousButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(d->sweepsImported() >= 1, 10000);
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!d->sweeping(), 5000);
        QCOMPARE(app::openAnalyser(*s.mainWindow), d);
        QCOMPARE(d->status()->text(), harness::testLanguage() == app::Language::English
                                          ? QStringLiteral("Not connected.")
                                          : QStringLiteral("Non connesso."));
        QVERIFY(!d->connected());
        QVERIFY(!d->singleButton()->isEnabled());
        QVERIFY(d->connectButton()->isEnabled());
        QVERIFY(op.seen().empty());
    }

    // A tinySA is refused in the status line; a cable pulled during a sweep is a message box, nothing is
    // written, and the dialog is no longer connected.
    void faultsAsTheOperatorSeesThem() {
        auto tiny = rlc();
        tiny.board = "tinySA";
        vnasim::Server spectrum(tiny);
        harness::Started s;
        harness::Operator op;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        QVERIFY(!openConnected(s, spectrum.path()));
        auto* d = s.mainWindow->findChild<app::AnalyserDialog*>();
        QVERIFY(d);
        QVERIFY(d->status()->text().contains("tinySA"));
        QVERIFY(!d->singleButton()->isEnabled());

        auto o = rlc();
        o.hangupAfter = 20;
        vnasim::Server pulled(o);
        d->port()->setEditText(QString::fromStdString(pulled.path()));
        QTest::mouseClick(d->connectButton(), Qt::LeftButton);
        QTRY_VERIFY(d->connected());
        const std::string before = s.form.text("Text7");
        d->target()->setCurrentIndex(0);
        retype(d->fieldsMhz(), "15");
        QTest::mouseClick(d->singleButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!d->sweeping(), 5000);
        QTRY_COMPARE(op.seen().size(), size_t(1));
        QCOMPARE(op.seen().front().title, QStringLiteral("Analyser"));
        QVERIFY(op.seen().front().text.contains("was lost"));
        QVERIFY(!d->connected());
        QCOMPARE(s.form.text("Text7"), before);
        QCOMPARE(d->sweepsImported(), 0);
    }
};

QTEST_MAIN(AnalyserDialogTest)
#include "analyser_dialog_test.moc"
