// The Smith chart window as the operator sees it: the picture in a light and a dark palette (the marker
// lies where its impedance maps on the drawn unit circle, the text stands out from the background), the
// readout under the cursor, a marker's tool tip, a selected matching design drawn on the chart, export.
#include "app/chart/chartwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, QColor(0xe0, 0xe0, 0xe0));
    return p;
}

QPalette lightPalette() {
    QPalette p;
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    return p;
}

// WCAG relative luminance and contrast ratio.
double luminance(QColor c) {
    const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
int distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// The chart's unit circle as drawn: where a row just below the real axis first meets the text colour,
// from the left and from the right.
struct Rim {
    double centreX, radius;
};
Rim findRim(const QImage& img, int row, QColor text) {
    int left = -1, right = -1;
    for (int x = 0; x < img.width() && left < 0; ++x)
        if (distance(img.pixelColor(x, row), text) < 60)
            left = x;
    for (int x = img.width() - 1; x >= 0 && right < 0; --x)
        if (distance(img.pixelColor(x, row), text) < 60)
            right = x;
    return {(left + right) / 2.0, (right - left) / 2.0};
}

} // namespace

class ChartTest : public QObject {
    Q_OBJECT
  private slots:
    void picture_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    // 50 + j50 on 50 ohm is gamma = j50 / (100 + j50) = 0.2 + j0.4: the marker's centre lies there on the
    // unit circle found in the picture itself.
    void picture() {
        QFETCH(bool, dark);
        app::ChartWindow w;
        const QPalette pal = dark ? darkPalette() : lightPalette();
        w.setPalette(pal);
        w.setPicture({{"point", {50, 50}}}, {});
        w.chart()->setFixedSize(600, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage img = w.chart()->grab().toImage();
        img.save(QStringLiteral("chart-%1.png").arg(dark ? "dark" : "light"));
        const QColor base = pal.color(QPalette::Base), text = pal.color(QPalette::Text);
        QCOMPARE(img.pixelColor(2, img.height() / 2), base);

        const int cy = img.height() / 2;
        const Rim rim = findRim(img, cy + 3, text);
        QVERIFY2(rim.radius > 200, qPrintable(QString::number(rim.radius)));
        const double rimRadius = std::sqrt(rim.radius * rim.radius + 9.0); // the row is 3 px off the axis
        const QPoint marker(qRound(rim.centreX + 0.2 * rimRadius), qRound(cy - 0.4 * rimRadius));
        const QColor expected = QColor::fromHsl(210, 200, dark ? 175 : 85); // the point marker's colour
        QVERIFY2(distance(img.pixelColor(marker), expected) < 30,
                 qPrintable(img.pixelColor(marker).name() + " at " + QString::number(marker.x()) + "," +
                            QString::number(marker.y())));
        QVERIFY(contrast(expected, base) >= 3.0);

        // The reference label in the top left corner: its strongest pixel reads against the background.
        double best = 1.0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 120; ++x)
                best = std::max(best, contrast(img.pixelColor(x, y), base));
        QVERIFY2(best >= 7.0, qPrintable(QString::number(best)));
    }

    void hoverReadout() {
        app::ChartWindow w;
        w.chart()->setFixedSize(600, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The centre is the reference itself, whatever the reference.
        QTest::mouseMove(w.chart(), QPoint(300, 300));
        QTRY_COMPARE(w.readoutLabel()->text(),
                     QStringLiteral("R = 50.00 ohm  X = +0.00 ohm\n"
                                    "|Gamma| = 0.0000  Angle = 0.0\u00B0  SWR = 1.000"));
        w.referenceEdit()->clear();
        QTest::keyClicks(w.referenceEdit(), "75");
        QTest::mouseMove(w.chart(), QPoint(301, 300));
        QTest::mouseMove(w.chart(), QPoint(300, 300));
        QTRY_VERIFY(w.readoutLabel()->text().startsWith(QStringLiteral("R = 75.00 ohm  X = +0.00 ohm")));

        // Half way up to the top of the rim: gamma = j0.5, z = 75 (1 + j0.5) / (1 - j0.5) = 45 + j60.
        const QPointF top = w.chart()->toWidget({0, 75}); // j75 on 75 ohm is gamma = j
        const double radius = 300 - top.y();
        QTest::mouseMove(w.chart(), QPoint(300, qRound(300 - radius / 2)));
        QTRY_VERIFY(w.readoutLabel()->text().contains(QStringLiteral("SWR = 3.0")));
        const QString t = w.readoutLabel()->text();
        const double r = t.section(QStringLiteral("R = "), 1).section(' ', 0, 0).toDouble();
        const double x = t.section(QStringLiteral("X = "), 1).section(' ', 0, 0).toDouble();
        QVERIFY2(std::abs(r - 45) < 1 && std::abs(x - 60) < 1, qPrintable(t));

        // Off the chart: no readout.
        QTest::mouseMove(w.chart(), QPoint(3, 3));
        QTRY_COMPARE(w.readoutLabel()->text(), QString());
    }

    void markerToolTip() {
        app::ChartWindow w;
        w.chart()->setFixedSize(500, 500);
        w.setPicture({{"point", {50, 50}}, {"line.far", {25, -10}}}, {{30, 0}, {25, -10}});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int i = w.chart()->markerAt(w.chart()->toWidget({25, -10}) + QPointF(2, 1));
        QCOMPARE(i, 1);
        const QString tip = w.chart()->markerToolTip(i);
        QVERIFY2(tip.startsWith(QStringLiteral("Linea: punto lontano\nR = 25.00 ohm  X = -10.00 ohm\n")),
                 qPrintable(tip));
        QCOMPARE(w.chart()->markerAt(QPointF(250, 250)), -1);
    }

    // A design's path runs from the load to the centre; it is drawn only while the design is selected.
    void selectedDesignIsDrawn() {
        app::ChartWindow w;
        w.chart()->setFixedSize(600, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // 25 ohm to 50 ohm: along r = 0.5 to 25 + j25 (g = 1 there), then along g = 1 to the centre.
        std::vector<app::Complex> path;
        for (int i = 0; i <= 20; ++i)
            path.push_back({25, 25.0 * i / 20});
        for (int i = 0; i <= 20; ++i)
            path.push_back(1.0 / app::Complex(0.02, -0.02 + 0.02 * i / 20));
        w.setDesigns({{true, 25, -50, QStringLiteral("design"), path}}, QString(), QString());
        const QPoint probe = w.chart()->toWidget(path[10]).toPoint(); // 25 + j12.5
        w.selectDesign(-1);
        const QColor before = w.chart()->grab().toImage().pixelColor(probe);
        w.selectDesign(0);
        QCOMPARE(w.chart()->content().matchPath.size(), path.size());
        const QImage after = w.chart()->grab().toImage();
        const QColor matchColour = QColor::fromHsl(285, 200, 85);
        int nearest = 999; // the line is 2.5 px wide: one pixel next to the probe is fully covered
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                nearest = std::min(nearest, distance(after.pixelColor(probe + QPoint(dx, dy)), matchColour));
        QVERIFY2(nearest < 30, qPrintable(QString::number(nearest)));
        QVERIFY(distance(before, matchColour) > 100);
    }

    void exportPngAndSvg() {
        app::ChartWindow w;
        w.chart()->setFixedSize(400, 400);
        w.setPicture({{"point", {50, 50}}}, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTemporaryDir dir;
        QVERIFY(w.chart()->savePng(dir.filePath("c.png")));
        QCOMPARE(QImage(dir.filePath("c.png")).size(), QSize(800, 800)); // twice the widget
        QVERIFY(w.chart()->saveSvg(dir.filePath("c.svg")));
        QSvgRenderer svg(dir.filePath("c.svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF(), QRectF(0, 0, 400, 400));
    }

    // The band's plots at the widths the page takes: every title, caption and axis label stands whole in
    // the picture and clear of every other (a caption beside a long title goes below it; the last
    // frequency label is not cut), for a sweep round 14 MHz and one up to 110000 MHz.
    void bandPlotTextsStandApart_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::newRow("14 MHz") << 13.9 << 14.5;
        QTest::newRow("100 GHz") << 60000.0 << 110000.0;
    }
    void bandPlotTextsStandApart() {
        QFETCH(double, from);
        QFETCH(double, to);
        std::vector<app::BandSample> samples;
        for (int i = 0; i <= 20; ++i)
            samples.push_back({from + (to - from) * i / 20, 1.5 + i * 0.4, 1.2 + i * 0.3, 0.0125 * i});
        app::BandPlotView view;
        view.setBand(samples, (from + to) / 2);
        for (int width : {180, 240, 300, 420, 640}) {
            QImage picture(width, 420, QImage::Format_ARGB32);
            QPainter p(&picture);
            view.render(p, QRectF(picture.rect()), QApplication::palette());
            p.end();
            const auto& texts = view.drawnTexts();
            QVERIFY(texts.size() >= 10);
            for (std::size_t i = 0; i < texts.size(); ++i) {
                const QByteArray who = texts[i].text.toUtf8() + " at " + QByteArray::number(width);
                QVERIFY2(QRectF(picture.rect()).contains(texts[i].bounds), who);
                for (std::size_t j = i + 1; j < texts.size(); ++j)
                    QVERIFY2(!texts[i].bounds.intersects(texts[j].bounds),
                             who + " over " + texts[j].text.toUtf8());
            }
        }
    }
};

QTEST_MAIN(ChartTest)
#include "chart_test.moc"
