// Shows the window on a real (virtual) display, after an SWR calculation, and saves what the operator sees
// as window.png in the build folder, for a person to look at. On a screen scaled by QT_SCALE_FACTOR (2 for
// a high-density screen) the same window is saved as window@2x.png, in that many device pixels to a pixel.
// With HLC_UPDATE_DOCS_SCREENSHOT=1 the unscaled picture also replaces docs/screenshot.png. The same window
// in English is saved as window-en.png, and the Smith chart window beside it, with the window's results and
// a matching design, as smithchart.png and in English as smithchart-en.png (in docs/ as well, the English
// window as docs/screenshot-en.png, with the same setting).
#include "harness.h"

#include "app/chart/chartwindow.h"
#include "app/chart/smithchart.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>

namespace {

// The scale of the screen, as the desktop sets it for the application.
double screenScale() {
    bool set = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    return set ? scale : 1.0;
}

// "window.png" unscaled, "window@2x.png" at twice the scale.
QString pictureName(const char* stem, double scale) {
    const QString name = QString::fromLatin1(stem) + qEnvironmentVariable("HLC_SCREENSHOT_SUFFIX");
    return scale == 1.0 ? name + QStringLiteral(".png")
                        : name + QStringLiteral("@") + QString::number(scale) + QStringLiteral("x.png");
}

// Saves a picture in the build folder and, when asked to and unscaled, in docs/ as well.
void savePicture(const QPixmap& shot, const char* stem, const char* docsName) {
    const double scale = screenScale();
    const QString path = QStringLiteral(SCREENSHOT_DIR "/") + pictureName(stem, scale);
    QVERIFY(shot.save(path));
    qInfo("saved %s", qPrintable(path));
    if (scale == 1.0 && qEnvironmentVariable("HLC_SCREENSHOT_SUFFIX").isEmpty() &&
        qEnvironmentVariable("HLC_UPDATE_DOCS_SCREENSHOT") == QStringLiteral("1")) {
        const QString docs = QStringLiteral(DOCS_DIR "/") + QString::fromLatin1(docsName);
        QVERIFY(shot.save(docs));
        qInfo("saved %s", qPrintable(docs));
    }
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT
  private slots:
    void windowPicture() {
        harness::Started s;
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        QVERIFY(s.active());
        s.clickOn("Text7");
        QTest::keyClicks(s.w("Text7"), "25");
        s.clickOn("Text8");
        QTest::keyClicks(s.w("Text8"), "-50");
        s.clickOn("Command4");
        QCOMPARE(s.as<QPlainTextEdit>("Text4")->toPlainText().count('\n'), 4); // the five-line result
        QTest::qWait(100);

        const double scale = screenScale();
        const QPixmap shot = s.window->grab();
        const QString path = QStringLiteral(SCREENSHOT_DIR "/") + pictureName("window", scale);
        QVERIFY(shot.save(path));
        const QImage saved(path);
        // The client area of 10320 x 10170 twips at the window's scale, in pixels of the layout; the
        // picture has as many device pixels to each of them as the screen's scale says.
        QCOMPARE(s.window->size(), QSize(860, 848));
        QCOMPARE(shot.devicePixelRatio(), scale);
        QCOMPARE(saved.size(), QSize(qRound(860 * scale), qRound(848 * scale)));
        qInfo("saved %s (%dx%d)", qPrintable(path), saved.width(), saved.height());

        if (scale == 1.0 && qEnvironmentVariable("HLC_SCREENSHOT_SUFFIX").isEmpty() &&
            qEnvironmentVariable("HLC_UPDATE_DOCS_SCREENSHOT") == QStringLiteral("1")) {
            const QString docs = QStringLiteral(DOCS_DIR "/screenshot.png");
            QVERIFY(shot.save(docs));
            QCOMPARE(QImage(docs).size(), saved.size());
            qInfo("saved %s", qPrintable(docs));
        }

        // The line panel's warning, as the line calculation shows it, in a second picture.
        s.form.setVisible("Label36", true);
        QVERIFY(
            s.window->grab().save(QStringLiteral(SCREENSHOT_DIR "/") + pictureName("window-warning", scale)));
    }

    // The window in English after the same calculation.
    void englishWindowPicture() {
        harness::Started s;
        app::setLanguage(app::Language::English);
        QVERIFY(QTest::qWaitForWindowExposed(s.mainWindow.get()));
        QVERIFY(s.active());
        s.clickOn("Text7");
        QTest::keyClicks(s.w("Text7"), "25");
        s.clickOn("Text8");
        QTest::keyClicks(s.w("Text8"), "-50");
        s.clickOn("Command4");
        QCOMPARE(s.as<QPlainTextEdit>("Text4")->toPlainText().count('\n'), 4);
        QCOMPARE(s.as<QAbstractButton>("Command4")->text(),
                 QStringLiteral("CALCULATE &SWR AND AUXILIARY DATA"));
        QTest::qWait(100);
        savePicture(s.window->grab(), "window-en", "screenshot-en.png");
        app::setLanguage(harness::testLanguage());
    }

    void chartPicture_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("it") << false;
        QTest::newRow("en") << true;
    }

    // The Smith chart window beside the calculator with every marker the window's results give, SWR
    // circles, the selected design for the far point of the line and the readout under the cursor.
    void chartPicture() {
        QFETCH(bool, english);
        harness::Started s;
        app::setLanguage(english ? app::Language::English : app::Language::Italian);
        QVERIFY(s.active());
        s.form.setText("Text7", "25"); // the point: 25 - j50 ohm
        s.form.setText("Text8", "-50");
        s.clickOn("Command4");
        s.form.setText("Text23", "75"); // the line: 75 + j25 ohm measured, moved by 90 degrees
        s.form.setText("Text24", "25");
        s.form.setValue("HScroll1", 90);
        const std::pair<const char*, const char*> tuner[] = {
            {"Text30", "0.3"}, {"Text34", "-0.4"}, {"Text36", "0.1"},  {"Text37", "-0.2"},
            {"Text33", "0.8"}, {"Text32", "0.1"},  {"Text31", "0.05"}, {"Text35", "0.02"}};
        for (const auto& [field, value] : tuner)
            s.form.setText(field, value);
        s.clickOn("Command8");
        app::ChartWindow* chart = app::openSmithChart(*s.mainWindow);
        QVERIFY(chart && QTest::qWaitForWindowExposed(chart));
        QTRY_COMPARE(chart->chart()->content().markers.size(), size_t(5));
        for (QCheckBox* box : chart->findChildren<QCheckBox*>())
            if (box->text().remove(QLatin1Char('&')).contains(QStringLiteral("SWR")))
                box->setChecked(true);
        chart->setMatchSource(app::MatchSource::LineFar);
        QVERIFY(!chart->designs().empty());
        chart->selectDesign(0);
        // Through another point first: a cursor left where it stands moves nothing.
        QTest::mouseMove(chart->chart(), chart->chart()->toWidget({50, 0}).toPoint());
        QTest::mouseMove(chart->chart(), chart->chart()->toWidget({35, 20}).toPoint());
        QTRY_VERIFY(!chart->readoutLabel()->text().isEmpty());
        chart->designList()->setFocus(); // no text cursor in the reference field
        QTest::qWait(100);
        QCOMPARE(chart->windowTitle(),
                 english ? QStringLiteral("Smith Chart") : QStringLiteral("Carta di Smith"));
        savePicture(chart->grab(), english ? "smithchart-en" : "smithchart",
                    english ? "smithchart-en.png" : "smithchart.png");
        app::setLanguage(harness::testLanguage());
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
