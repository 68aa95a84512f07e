// The band view's computation: a 1,001-point one-port sweep moved along the line towards the antenna,
// the antenna-end search at every frequency.
#include "chart/chart.h"
#include "touchstone/touchstone.h"
#include "ui/form.h"
#include "wiring/wiring.h"

#include <benchmark/benchmark.h>

#include <complex>
#include <memory>

namespace {

void BM_BandTowardsAntenna1001(benchmark::State& state) {
    // RG-58 at 14 MHz, towards the antenna, slider at 200 (130 degrees), a result standing in Text22.
    auto f = std::make_unique<ui::Form>();
    wiring::start(*f);
    for (const auto& [name, text] :
         {std::pair{"Text23", "100"}, {"Text24", "50"}, {"Text28", "14"}, {"Text26", "50"}})
        f->setText(name, text);
    f->setText("Combo2", "RG-58 (generic)");
    f->select("Option9");
    f->setValue("HScroll1", 200);

    // A resonant antenna from 13 to 15 MHz: R and X through a resonance.
    touchstone::Network sweep;
    for (int i = 0; i <= 1000; ++i) {
        const double u = (i - 500) / 250.0;
        const std::complex<double> z(50 + 30 * u * u, 120 * u);
        sweep.samples.push_back({13e6 + i * 2e3, {(z - 50.0) / (z + 50.0), 0.0, 0.0, 0.0}});
    }
    std::size_t moved = 0;
    for (auto _ : state) {
        const auto band = chart::band(*f, sweep);
        moved = band.size();
        benchmark::DoNotOptimize(band.data());
    }
    state.counters["points"] = static_cast<double>(moved);
}
BENCHMARK(BM_BandTowardsAntenna1001)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
