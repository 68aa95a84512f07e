// The user's cables: a datasheet fit of 12 points, a measurement from a 2,001-point sweep, and the
// window's start with 100 user cables in the file against none.
#include "cables/file.h"
#include "cables/fit.h"
#include "cables/measure.h"
#include "ui/form.h"
#include "wiring/wiring.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace {

void BM_DatasheetFit12Points(benchmark::State& state) {
    // RG-213 type points per 100 m from 1.8 to 1296 MHz, with the datasheet's rounding.
    cables::Datasheet d{cables::LossUnit::PerHundredMetres, {}};
    for (double mhz : {1.8, 3.5, 7.0, 10.1, 14.0, 21.0, 28.0, 50.0, 144.0, 432.0, 1000.0, 1296.0})
        d.points.push_back(
            {mhz, std::round((0.215819 * std::sqrt(mhz) + 0.0021 * mhz) / 0.3048 * 100) / 100});
    for (auto _ : state) {
        const auto fit = cables::fitDatasheet(d);
        benchmark::DoNotOptimize(fit.k1);
    }
}
BENCHMARK(BM_DatasheetFit12Points)->Unit(benchmark::kMicrosecond);

void BM_MeasureFrom2001PointSweep(benchmark::State& state) {
    // 41 ft of RG-213 type cable, far end open, 0.1 to 150 MHz, with an analyser's noise.
    touchstone::Network n;
    n.name = "bench.s1p";
    std::mt19937 random(1);
    std::normal_distribution<double> noise(0, 0.003);
    const double metres = 41 * 0.3048;
    for (int i = 0; i < 2001; ++i) {
        const double hz = (0.1 + 149.9 * i / 2000) * 1e6;
        const auto g =
            cables::lineReflection(50, 0.66, 0.215819, 0.0021, metres, cables::LineEnd::Open, hz, 50);
        n.samples.push_back({hz, {g + std::complex<double>(noise(random), noise(random)), 0.0, 0.0, 0.0}});
    }
    for (auto _ : state) {
        const auto m = cables::measureCable(n, metres, cables::LineEnd::Open);
        benchmark::DoNotOptimize(m.z0);
    }
}
BENCHMARK(BM_MeasureFrom2001PointSweep)->Unit(benchmark::kMillisecond);

// The window model's start (controls, handlers, the cable file, Load) with 0 or 100 user cables.
void BM_WindowStartWithUserCables(benchmark::State& state) {
    const std::string home = (std::filesystem::temp_directory_path() / "hlc-bench-cables").string();
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home + "/hamlinecalc");
    std::vector<cables::Cable> list;
    for (int i = 0; i < state.range(0); ++i) {
        cables::Cable c;
        c.line.name = "Cavo " + std::to_string(i);
        c.line.k = {1000.0 * i, 400000, 6000};
        c.datasheet = cables::Datasheet{cables::LossUnit::PerHundredMetres, {{1.8, 2}, {14, 5.5}, {144, 19}}};
        list.push_back(c);
    }
    if (!list.empty())
        std::ofstream(home + "/hamlinecalc/cables.txt") << cables::writeCables(list);
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    for (auto _ : state) {
        auto f = std::make_unique<ui::Form>();
        wiring::start(*f);
        benchmark::DoNotOptimize(f->items("Combo2").size());
    }
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_WindowStartWithUserCables)->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
