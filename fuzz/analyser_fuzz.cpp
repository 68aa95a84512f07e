// Any bytes as a device's replies to a sweep, in any chunking: no crash, no hang (the deadlines run on a
// clock of the transport's own), and a sweep handed out only when every point of it is valid.
//   byte 0: bit 0 the transport echoes each command line itself; bits 1-2 the points per scan (3, 5, 101,
//           401); bits 3-7 the seed of the chunk sizes
//   byte 1: the sweep's points, 2 + byte % 24, from 1 to 2 MHz
//   the rest: what the device sends after its prompt, info and version, one reply for each command line
//   written: the bytes up to the next "ch> " (or to the end)
#include "analyser/analyser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class FuzzPort : public analyser::Transport {
  public:
    FuzzPort(std::string_view stream, bool echo, unsigned seed, int maxPoints)
        : stream_(stream), echo_(echo), seed_(seed | 1) {
        head_ = "\r\nch> ";
        greeting_ = {"info\r\nBoard: NanoVNA-H4\r\nMax points: " + std::to_string(maxPoints) + "\r\nch> ",
                     "version\r\n1.2.00\r\nch> "};
    }
    void write(std::string_view bytes) override {
        ++writes_;
        if (writes_ == 2 || writes_ == 3) {
            head_ += greeting_[writes_ - 2];
        } else if (writes_ > 3) {
            if (echo_) {
                std::string line(bytes);
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                head_ += line + "\r\n";
            }
            const auto prompt = stream_.find("ch> ");
            const std::size_t n = prompt == std::string_view::npos ? stream_.size() : prompt + 4;
            head_.append(stream_.substr(0, n));
            stream_.remove_prefix(n);
        }
    }
    std::size_t read(char* buffer, std::size_t size, std::chrono::milliseconds wait) override {
        if (head_.empty()) {
            clock_ += wait;
            return 0;
        }
        seed_ = seed_ * 1103515245u + 12345u;
        const std::size_t chunk = (seed_ >> 16) % 4 == 0 ? head_.size() : 1 + (seed_ >> 16) % 37;
        const std::size_t n = std::min({size, chunk, head_.size()});
        head_.copy(buffer, n);
        head_.erase(0, n);
        return n;
    }
    void wait(std::chrono::milliseconds d) override { clock_ += d; }
    analyser::Clock::time_point now() const override { return clock_; }
    std::string name() const override { return "fuzz"; }

  private:
    std::string_view stream_;
    std::string head_; // what has come and was not read: the greeting, an echo, a reply
    std::vector<std::string> greeting_;
    bool echo_;
    unsigned seed_;
    int writes_ = 0;
    analyser::Clock::time_point clock_{};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    static const int kMost[] = {3, 5, 101, 401};
    const int most = kMost[(data[0] >> 1) & 3];
    const int points = 2 + data[1] % 24;
    auto port = std::make_unique<FuzzPort>(
        std::string_view(reinterpret_cast<const char*>(data + 2), size - 2), data[0] & 1, data[0] >> 3, most);
    analyser::Session session(std::move(port));
    touchstone::Network n;
    try {
        session.connect();
        n = session.sweep({1e6, 2e6, points});
    } catch (const analyser::Error&) {
        return 0;
    }
    // Kept: every point, each at its frequency, each value a measured one.
    const auto grid = analyser::grid({1e6, 2e6, points});
    if (n.samples.size() != grid.size())
        std::abort();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const auto& s = n.samples[i];
        if (!(std::fabs(s.hz - grid[i]) <= 1.5) || s.hz != std::floor(s.hz) ||
            (i && !(s.hz > n.samples[i - 1].hz)))
            std::abort();
        const double re = s.s[0].real(), im = s.s[0].imag();
        if (!std::isfinite(re) || !std::isfinite(im) || std::fabs(re) > analyser::kMaxComponent ||
            std::fabs(im) > analyser::kMaxComponent)
            std::abort();
    }
    return 0;
}
