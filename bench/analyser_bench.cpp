// The analyser: reading a 401-point scan reply, and a 10,001-point sweep from a stand-in device that
// answers at once against the time of moving the same bytes from it without reading them.
#include "analyser/analyser.h"
#include "tools/vnasim/vnasim.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// The reply of a NanoVNA-H4 to "scan 1000000 30000000 401 7", as it prints it.
std::string scanReply(std::vector<double>& asked) {
    const analyser::Segment s{0, 401, 1000000, 30000000};
    asked = analyser::scanGrid(s);
    std::string r = "scan 1000000 30000000 401 7\r\n";
    char line[160];
    for (int i = 0; i < 401; ++i) {
        const long long f = 1000000 + (29000000LL * i + 200) / 400;
        std::snprintf(line, sizeof line, "%lld %.9f %.9f %.9f %.9f \r\n", f, 0.3 * std::cos(i * 0.01),
                      -0.4 * std::sin(i * 0.013), 0.000012345, -0.000006789);
        r += line;
    }
    return r + "ch> ";
}

void BM_AnalyserReadScan401(benchmark::State& state) {
    std::vector<double> asked;
    const std::string bytes = scanReply(asked);
    std::vector<analyser::Point> points;
    points.reserve(401);
    for (auto _ : state) {
        analyser::Reply r("scan 1000000 30000000 401 7", 401 + analyser::kLineMargin);
        r.feed(bytes);
        points.clear();
        if (r.state() != analyser::Reply::State::Done || !analyser::parseScan(r, asked, points).empty())
            state.SkipWithError("the reply was not read");
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(BM_AnalyserReadScan401)->Unit(benchmark::kMicrosecond);

const analyser::SweepRequest kSweep{1e6, 30e6, 10001};

void BM_AnalyserSweep10001(benchmark::State& state) {
    vnasim::Server device(vnasim::Options{});
    analyser::Session s(analyser::openSerial(device.path()));
    s.connect();
    for (auto _ : state) {
        auto n = s.sweep(kSweep);
        benchmark::DoNotOptimize(n.samples.data());
    }
}
BENCHMARK(BM_AnalyserSweep10001)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same scans asked of the same device, each reply only waited for to its prompt: the floor the
// sweep is measured against.
void BM_AnalyserMoveBytes10001(benchmark::State& state) {
    vnasim::Server device(vnasim::Options{});
    const int fd = ::open(device.path().c_str(), O_RDWR | O_NOCTTY);
    const auto g = analyser::grid(kSweep);
    const auto plan = analyser::segments(g, 0, 401);
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        for (const auto& seg : plan) {
            const std::string cmd = "scan " + std::to_string(seg.startHz) + " " + std::to_string(seg.stopHz) +
                                    " " + std::to_string(seg.count) + " 7\r";
            if (::write(fd, cmd.data(), cmd.size()) != static_cast<ssize_t>(cmd.size()))
                state.SkipWithError("write");
            char tail[4] = {};
            for (;;) {
                pollfd p{fd, POLLIN, 0};
                ::poll(&p, 1, 1000);
                const ssize_t n = ::read(fd, buffer.data(), buffer.size());
                if (n <= 0) {
                    state.SkipWithError("read");
                    break;
                }
                // The prompt may come split over two reads: the last four bytes are kept.
                const std::size_t k = static_cast<std::size_t>(n);
                if (k >= 4) {
                    std::memcpy(tail, buffer.data() + k - 4, 4);
                } else {
                    std::memmove(tail, tail + k, 4 - k);
                    std::memcpy(tail + 4 - k, buffer.data(), k);
                }
                if (std::memcmp(tail, "ch> ", 4) == 0)
                    break;
            }
        }
    }
    ::close(fd);
}
BENCHMARK(BM_AnalyserMoveBytes10001)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
