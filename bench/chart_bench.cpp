// The time one repaint of the Smith chart takes with a band of 1,001 frequencies on it: the measured and
// the moved sweep, the markers, the line's path and a matching path, grids and labels, antialiased, into
// an image of the chart's usual size (what the widget's paint event does).
#include "app/chart/smithchartview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void BM_ChartRepaint1001(benchmark::State& state) {
    app::SmithChartView view;
    view.resize(600, 600);
    app::ChartContent c;
    // A resonant antenna's sweep: R and X through a resonance over the band, and its copy turned and
    // pulled in by a lossy line.
    for (int i = 0; i <= 1000; ++i) {
        const double u = (i - 500) / 250.0;
        const app::Complex z(50 + 30 * u * u, 120 * u);
        c.measuredSweep.push_back(z);
        const app::Complex g = (z - 50.0) / (z + 50.0) * std::polar(0.8, -1.5 - 0.6 * u);
        c.movedSweep.push_back(50.0 * (1.0 + g) / (1.0 - g));
    }
    for (int i = 0; i <= 90; ++i)
        c.linePath.push_back(c.movedSweep[size_t(i * 10)]);
    c.markers = {
        {"point", {50, 25}}, {"line.measured", c.measuredSweep[500]}, {"line.far", c.movedSweep[500]}};
    c.matchPath = {{25, 0}, {25, 25}, {50, 0}};
    view.setContent(c);
    view.setSwrCircles(true);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        view.render(p, QRectF(0, 0, 600, 600), view.palette());
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ChartRepaint1001)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
