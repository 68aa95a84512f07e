// Shows the window on a real (virtual) display, after an SWR calculation, and saves what the operator sees
// as window.png in the build folder, for a person to look at. On a screen scaled by QT_SCALE_FACTOR (2 for
// a high-density screen) the same window is saved as window@2x.png, in that many device pixels to a pixel.
// With HLC_UPDATE_DOCS_SCREENSHOT=1 the unscaled picture also replaces docs/screenshot.png.
#include "harness.h"

#include <QImage>
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
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
