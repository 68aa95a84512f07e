// Reading a large two-port Touchstone file from disk and taking its values at one frequency: what the
// import does when the operator presses OK.
#include "touchstone/touchstone.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A 10,001-point sweep from 1 to 101 MHz in the usual shape of an analyser's file: MA, one point a line.
std::string sweepFile() {
    const auto path = std::filesystem::temp_directory_path() / "hamlinecalc_bench_10001.s2p";
    std::ofstream out(path, std::ios::binary);
    out << "! two-port sweep, 10001 points\n# MHz S MA R 50\n";
    char line[200];
    for (int i = 0; i <= 10000; ++i) {
        const double mhz = 1.0 + i * 0.01;
        std::snprintf(line, sizeof line, "%.6f %.6f %.3f %.6f %.3f %.6f %.3f %.6f %.3f\n", mhz,
                      0.1 + 0.05 * std::sin(mhz), std::fmod(mhz * 7, 360) - 180, 0.95, -mhz * 3, 0.95,
                      -mhz * 3, 0.12, std::fmod(mhz * 5, 360) - 180);
        out << line;
    }
    return path.string();
}

void BM_TouchstoneRead10001AndInterpolate(benchmark::State& state) {
    const std::string path = sweepFile();
    for (auto _ : state) {
        const auto n = touchstone::readFile(path);
        auto s = touchstone::at(n, 14.205e6);
        benchmark::DoNotOptimize(s);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_TouchstoneRead10001AndInterpolate)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
