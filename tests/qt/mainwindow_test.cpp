// The application window around the form: its menus, the zoom by keys, the zoom it starts with for the
// room the screen gives, and the one signal that tells followers the model changed.
#include "harness.h"

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>

using harness::Started;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void menusInItalian() {
        Started s;
        const QList<QAction*> menus = s.mainWindow->menuBar()->actions();
        QCOMPARE(menus.size(), 6);
        QCOMPARE(menus[0]->menu(), s.mainWindow->fileMenu());
        QCOMPARE(menus[1]->menu(), s.mainWindow->viewMenu());
        QCOMPARE(menus[2]->text(), QStringLiteral("&Misura"));
        QCOMPARE(menus[2]->menu()->actions().front()->text(), QStringLiteral("Analizzatore..."));
        QCOMPARE(menus[3]->text(), QStringLiteral("Cavi"));
        QCOMPARE(menus[4]->text(), QStringLiteral("Lin&gua / Language"));
        QCOMPARE(menus[5]->menu(), s.mainWindow->helpMenu());
        QCOMPARE(s.mainWindow->fileMenu()->title(), QStringLiteral("&File"));
        QCOMPARE(s.mainWindow->viewMenu()->title(), QStringLiteral("&Visualizza"));
        QCOMPARE(s.mainWindow->helpMenu()->title(), QStringLiteral("A&iuto"));
    }

    // Ctrl++, Ctrl+- and Ctrl+0 from a field: the form's size and its text scale together, in steps.
    void zoomKeysScaleGeometryAndText() {
        Started s;
        QVERIFY(s.active());
        QCOMPARE(s.window->size(), QSize(860, 848)); // 10320 x 10170 twips at 12 twips a pixel
        const QRect r = s.w("Text7")->geometry();
        const double points = s.w("Text7")->font().pointSizeF();
        const std::string text = s.form.text("Text7");
        QTest::keyClick(s.w("Text7"), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(s.mainWindow->zoom(), 110);
        QCOMPARE(s.window->size(), QSize(946, 932)); // 10320 * 1.1 / 12 = 946, 10170 * 1.1 / 12 = 932.25
        QCOMPARE(s.w("Text7")->font().pointSizeF(), points * 1.1);
        QVERIFY(qAbs(s.w("Text7")->width() - r.width() * 1.1) <= 1.0);
        QTest::keyClick(s.w("Text7"), Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(s.w("Text7"), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(s.mainWindow->zoom(), 90);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(s.w("Text7"), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(s.mainWindow->zoom(), 70); // the smallest step
        // Ctrl+0: back to the zoom chosen for the screen at the start, not to 100 %.
        QVERIFY(s.mainWindow->normalZoom() != 70);
        QTest::keyClick(s.w("Text7"), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(s.mainWindow->zoom(), s.mainWindow->normalZoom());
        s.mainWindow->setZoom(100);
        QCOMPARE(s.w("Text7")->geometry(), r);
        QCOMPARE(s.w("Text7")->font().pointSizeF(), points);
        // Zoom is a view matter: nothing was typed into the field, the focus stayed.
        QCOMPARE(s.form.text("Text7"), text);
        QCOMPARE(s.form.focused(), std::string("Text7"));
    }

    void startZoomForTheRoom_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<int>("zoom");
        // With 20 x 80 pixels around the form: 100 % needs 880 x 928, 90 % 794 x 843, 80 % 708 x 758.
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 100;
        QTest::newRow("1024x900") << QSize(1024, 900) << 90;
        QTest::newRow("1366x768") << QSize(1366, 768) << 80;
        QTest::newRow("1280x720 scrolls") << QSize(1280, 720) << 80;
        QTest::newRow("800x600 scrolls") << QSize(800, 600) << 80;
    }
    void startZoomForTheRoom() {
        QFETCH(QSize, room);
        QFETCH(int, zoom);
        QCOMPARE(app::MainWindow::startZoom(room, QSize(20, 80)), zoom);
    }

    // One calculation writes several fields; a follower hears of it once.
    void modelChangedOncePerEvent() {
        Started s;
        QSignalSpy changed(s.mainWindow.get(), &app::MainWindow::modelChanged);
        s.form.setText("Text7", "25");
        s.form.setText("Text8", "-50");
        QTRY_COMPARE(changed.size(), 1);
        changed.clear();
        s.clickOn("Command4");
        QVERIFY(!s.as<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
        QTRY_COMPARE(changed.size(), 1);
        QTest::qWait(20);
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
