// The Smith chart window in the application: opened with Ctrl+M beside the calculator, following its
// results live, and the "Adattamento" page drawing the selected design's path on the chart.
#include "app/chart/chartwindow.h"
#include "app/chart/smithchart.h"
#include "harness.h"
#include "wiring/import.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

#include <fstream>

namespace {

void retype(QLineEdit* edit, const char* text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class SmithChartTest : public QObject {
    Q_OBJECT
  private slots:
    void ctrlMOpensTheChartThatFollowsTheWindow() {
        harness::Started s;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        QVERIFY(app::smithChartOf(*s.mainWindow) == nullptr);
        QTest::keySequence(s.mainWindow.get(), QKeySequence(Qt::CTRL | Qt::Key_M));
        app::ChartWindow* chart = app::smithChartOf(*s.mainWindow);
        QVERIFY(chart);
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        QVERIFY(!chart->isModal());
        QCOMPARE(chart->chart()->content().markers.size(), size_t(0));

        // The point panel's SWR calculation puts its marker at the typed impedance, 25 - j50 ohm.
        s.mainWindow->activateWindow();
        s.clickOn("Text7");
        QTest::keyClicks(s.w("Text7"), "25");
        s.clickOn("Text8");
        QTest::keyClicks(s.w("Text8"), "-50");
        s.clickOn("Command4");
        QVERIFY(!s.as<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
        QTRY_COMPARE(chart->chart()->content().markers.size(), size_t(1));
        const app::ChartMarker m = chart->chart()->content().markers.front();
        QCOMPARE(m.name, std::string("point"));
        QCOMPARE(m.z, app::Complex(25, -50));

        // A further keystroke in R empties the result by the change rule: the marker goes with it.
        s.clickOn("Text7");
        QTest::keyClicks(s.w("Text7"), "0");
        QVERIFY(s.as<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
        QTRY_COMPARE(chart->chart()->content().markers.size(), size_t(0));
    }

    // 100 + j50 ohm to 50 ohm at 14.2 MHz: R > Rs, so the two shunt-load designs only. Their paths run
    // from the load to Rs; the selected one is drawn on the chart.
    void selectedDesignIsDrawnOnTheChart() {
        harness::Started s;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        app::ChartWindow* chart = app::openSmithChart(*s.mainWindow);
        QVERIFY(chart && QTest::qWaitForWindowExposed(chart));
        chart->setMatchSource(app::MatchSource::Typed);
        const QList<QLineEdit*> edits = chart->findChildren<QLineEdit*>();
        const auto edit = [&](const char* accessible) -> QLineEdit* {
            for (QLineEdit* e : edits)
                if (e->accessibleName() == QString::fromUtf8(accessible))
                    return e;
            return nullptr;
        };
        retype(edit("R digitata (ohm)"), "100");
        retype(edit("X digitata (ohm)"), "50");
        for (QCheckBox* c : chart->findChildren<QCheckBox*>())
            if (c->text().remove(QLatin1Char('&')) == QStringLiteral("dalla linea"))
                c->setChecked(false);
        retype(edit("Frequenza (MHz)"), "14.2");
        QCOMPARE(edit("Rs (ohm)")->text(), QStringLiteral("50")); // the line panel's "RTX Z"
        QCOMPARE(chart->designs().size(), size_t(2));
        for (const app::DesignRow& d : chart->designs())
            QVERIFY(d.shuntAtLoad);
        QVERIFY(chart->chart()->content().matchPath.empty());

        chart->selectDesign(0);
        const std::vector<app::Complex>& path = chart->chart()->content().matchPath;
        QVERIFY(path.size() > 10);
        QVERIFY(std::abs(path.front() - app::Complex(100, 50)) < 1e-9);
        QVERIFY(std::abs(path.back() - app::Complex(50, 0)) < 1e-6);
        // On the screen: the path's colour where its middle point maps.
        const QPoint probe = chart->chart()->toWidget(path[path.size() / 2]).toPoint();
        const QImage img = chart->chart()->grab().toImage();
        const QColor want =
            QColor::fromHsl(285, 200, chart->palette().color(QPalette::Base).lightness() < 128 ? 175 : 85);
        int nearest = 999;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QColor c = img.pixelColor(probe + QPoint(dx, dy));
                nearest =
                    std::min(nearest, std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                                          std::abs(c.blue() - want.blue()));
            }
        QVERIFY2(nearest < 30, qPrintable(QString::number(nearest)));
    }

    // The list of designs reads its reactances to six significant digits and its parts with the micro sign;
    // the band's page, with no sweep imported, is disabled and says why.
    void designListReadsAsAPersonWritesIt() {
        harness::Started s;
        app::ChartWindow* chart = app::openSmithChart(*s.mainWindow);
        QVERIFY(chart && QTest::qWaitForWindowExposed(chart));
        chart->setMatchSource(app::MatchSource::Typed);
        const auto edit = [&](const char* accessible) -> QLineEdit* {
            for (QLineEdit* e : chart->findChildren<QLineEdit*>())
                if (e->accessibleName() == QString::fromUtf8(accessible))
                    return e;
            return nullptr;
        };
        retype(edit("R digitata (ohm)"), "100");
        retype(edit("X digitata (ohm)"), "50");
        // 100 + j50 to 50 ohm at 14 MHz: series +-61.2372 ohm, shunt -72.4745 or +172.474 ohm (1.96072
        // microhenry).
        QCOMPARE(chart->designList()->count(), 2);
        const QString all =
            chart->designList()->item(0)->text() + '\n' + chart->designList()->item(1)->text();
        QVERIFY2(all.contains(QStringLiteral("Series 61.2372 ohm")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("Shunt 172.474 ohm: 1.96073\u00B5H")), qPrintable(all));
        QVERIFY2(!all.contains(QStringLiteral("uH")), qPrintable(all));
        static const QRegularExpression reactance(QStringLiteral("(-?[0-9.]+) ohm"));
        for (auto it = reactance.globalMatch(all); it.hasNext();) {
            const QString number = it.next().captured(1);
            QVERIFY2(QString(number).remove('-').remove('.').size() <= 6, qPrintable(number));
        }
        QTabWidget* tabs = chart->tabs();
        QVERIFY(!tabs->isTabEnabled(1));
        QVERIFY(tabs->tabToolTip(1).contains(QStringLiteral("Touchstone")));
    }

    // The band's page of a sweep imported into the line panel: enabled while the sweep stands; once R is
    // typed the sweep is dropped, the page is disabled, says so, and the moved sweep cannot be saved.
    void droppedSweepDisablesTheBandAndSaysWhy() {
        QTemporaryDir dir;
        const std::string sweep = dir.filePath(QStringLiteral("dipole.s1p")).toStdString();
        std::ofstream(sweep) << "# MHz S RI R 50\n14.0 0.26 -0.39\n14.2 0.11 0.05\n14.4 0.37 0.36\n";
        harness::Started s;
        QVERIFY(s.active());
        app::ChartWindow* chart = app::openSmithChart(*s.mainWindow);
        QVERIFY(chart && QTest::qWaitForWindowExposed(chart));
        QTabWidget* tabs = chart->tabs();
        QVERIFY(wiring::importMeasurement(s.form, wiring::ImportTarget::Line, 14.2, sweep));
        s.form.setValue("HScroll1", 90);
        QTRY_VERIFY(tabs->isTabEnabled(1));
        QCOMPARE(tabs->tabToolTip(1), QString());
        QPushButton* save = nullptr;
        for (QPushButton* b : chart->findChildren<QPushButton*>())
            if (b->text().contains(QStringLiteral("sweep spostato")))
                save = b;
        QVERIFY(save && save->isEnabled());

        s.form.setText("Text23", "60");
        QTRY_VERIFY(!tabs->isTabEnabled(1));
        QVERIFY2(tabs->tabToolTip(1).contains(QStringLiteral("digitati R, X o la frequenza")),
                 qPrintable(tabs->tabToolTip(1)));
        QVERIFY(!save->isEnabled());
        QVERIFY(chart->plots()->samples().empty());
    }

    // Rs follows the line panel's "RTX Z" until the operator types one; then the window's changes leave it.
    void typedRsStaysWhenTheWindowChanges() {
        harness::Started s;
        QVERIFY(s.active());
        app::ChartWindow* chart = app::openSmithChart(*s.mainWindow);
        QVERIFY(chart && QTest::qWaitForWindowExposed(chart));
        QLineEdit* rs = nullptr;
        for (QLineEdit* e : chart->findChildren<QLineEdit*>())
            if (e->accessibleName() == QStringLiteral("Rs (ohm)"))
                rs = e;
        QVERIFY(rs);
        QCOMPARE(rs->text(), QStringLiteral("50"));
        s.form.setText("Text26", "75");
        QTRY_COMPARE(rs->text(), QStringLiteral("75"));
        retype(rs, "60");
        s.form.setText("Text26", "100");
        s.form.setText("Text28", "7.1");
        QTRY_COMPARE(chart->matchInputs().mhz, 7.1); // the change has reached the chart window
        QCOMPARE(rs->text(), QStringLiteral("60"));
        QCOMPARE(chart->matchInputs().rs, 60.0);
    }

    // "Modello della linea": the calculator at the start, as the panel computes; the physical line moves
    // the far point by the lossy line's equations (RG-58 at 14 MHz, 385 + j0 ohm moved 45 degrees: SWR
    // 5.83 in the panel, 13.82 - j48.05 ohm and SWR 7.09 on the physical line). The choice is named in the
    // chart's legend and on the band's page.
    void lineModelChoiceMovesTheFarPoint() {
        harness::Started s;
        QVERIFY(s.active());
        s.form.setText("Combo2", "RG-58 (generic)");
        s.form.setText("Text28", "14");
        s.form.setText("Text23", "385");
        s.form.setText("Text24", "0");
        s.form.setValue("HScroll1", 180);
        QVERIFY(s.form.text("Text22").find("SWR = 5.83") != std::string::npos);
        app::ChartWindow* chart = app::openSmithChart(*s.mainWindow);
        QVERIFY(chart && QTest::qWaitForWindowExposed(chart));
        const auto far = [&] {
            for (const app::ChartMarker& m : chart->chart()->content().markers)
                if (m.name == "line.far")
                    return m.z;
            return app::Complex(NAN, NAN);
        };
        QComboBox* model = chart->lineModelBox();
        QCOMPARE(model->currentText(), QStringLiteral("calcolatore"));
        QVERIFY(std::abs(far() - app::Complex(16.6612, -47.1424)) < 1e-3);
        QCOMPARE(chart->chart()->content().lineModel, QStringLiteral("calcolatore"));

        model->setCurrentIndex(1);
        QCOMPARE(model->currentText(), QStringLiteral("linea fisica"));
        QVERIFY2(std::abs(far() - app::Complex(13.82, -48.05)) < 0.01,
                 qPrintable(QStringLiteral("%1 %2").arg(far().real()).arg(far().imag())));
        QCOMPARE(chart->chart()->content().lineModel, QStringLiteral("linea fisica"));
        bool named = false;
        for (QLabel* l : chart->findChildren<QLabel*>())
            named = named || l->text() == QStringLiteral("Modello della linea: linea fisica");
        QVERIFY(named);
        // The panel's own text stays as it computes it.
        QVERIFY(s.form.text("Text22").find("SWR = 5.83") != std::string::npos);
    }
};

QTEST_MAIN(SmithChartTest)
#include "smithchart_test.moc"
