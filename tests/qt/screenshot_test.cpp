// Shows the window on a real (virtual) display, after an SWR calculation, and saves what the operator sees
// as window.png in the build folder, for a person to look at.
#include "harness.h"

#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>

class ScreenshotTest : public QObject {
    Q_OBJECT
  private slots:
    void windowPicture() {
        harness::Started s;
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        QVERIFY(s.active());
        s.clickOn("Text7");
        QTest::keyClicks(s.w("Text7"), "25");
        s.clickOn("Text8");
        QTest::keyClicks(s.w("Text8"), "-50");
        s.clickOn("Command4");
        QCOMPARE(s.as<QPlainTextEdit>("Text4")->toPlainText().count('\n'), 4); // the five-line result
        QTest::qWait(100);

        const QPixmap shot = s.window->grab();
        const QString path = QStringLiteral(SCREENSHOT_DIR "/window.png");
        QVERIFY(shot.save(path));
        const QImage saved(path);
        const qreal ratio = shot.devicePixelRatio();
        QCOMPARE(saved.width(), qRound(s.window->width() * ratio));
        QCOMPARE(saved.height(), qRound(s.window->height() * ratio));
        // The client area of 10320 x 10170 twips at the window's scale.
        QCOMPARE(s.window->size(), QSize(860, 848));
        qInfo("saved %s (%dx%d)", qPrintable(path), saved.width(), saved.height());

        // The line panel's warning, as the line calculation shows it, in a second picture.
        s.form.setVisible("Label36", true);
        QVERIFY(s.window->grab().save(QStringLiteral(SCREENSHOT_DIR "/window-warning.png")));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
