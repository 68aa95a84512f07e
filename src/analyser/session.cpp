// A conversation with the device: the commands, their deadlines, and a sweep made of scans.
#include "analyser/analyser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <thread>

namespace analyser {

using namespace std::chrono_literals;

namespace {

std::string seconds(Clock::duration d) {
    const auto s = std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
    return s % 1000 == 0 ? std::to_string(s / 1000)
                         : std::to_string(s / 1000) + "." + std::to_string(s % 1000 / 100);
}

// Whether a reply line is words rather than numbers (a refusal, a usage text).
bool wordy(std::string_view l) {
    for (char c : l)
        if (std::isalpha(static_cast<unsigned char>(c)) && c != 'e' && c != 'E')
            return true;
    return false;
}

// The last whole number of a text: "sweep points exceeds range 401" -> 401.
int lastNumber(std::string_view l) {
    std::size_t end = l.size();
    while (end > 0 && !std::isdigit(static_cast<unsigned char>(l[end - 1])))
        --end;
    std::size_t begin = end;
    while (begin > 0 && std::isdigit(static_cast<unsigned char>(l[begin - 1])))
        --begin;
    int n = 0;
    if (begin == end || end - begin > 6)
        return 0;
    std::from_chars(l.data() + begin, l.data() + end, n);
    return n;
}

std::string quoted(std::string_view l) {
    std::string s = "'";
    for (char c : l.substr(0, 80))
        s += (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '?' : c;
    return s + "'";
}

} // namespace

struct Session::Outcome {
    enum Kind { Ok, Spoiled, Limit, NoScan, Refused } kind = Ok;
    std::string message;
    int limit = 0;
};

void Transport::wait(std::chrono::milliseconds d) {
    std::this_thread::sleep_for(d);
}

Session::Session(std::unique_ptr<Transport> port, Timing timing)
    : port_(std::move(port)), timing_(timing), buffer_(1 << 16) {}

Session::~Session() = default;

void Session::checkCancel() const {
    if (cancel_ && cancel_->load(std::memory_order_relaxed))
        throw Error(Fault::Cancelled, "The sweep was stopped.");
}

void Session::readInto(Reply& reply, Clock::time_point deadline) {
    if (!pending_.empty()) {
        const std::size_t used = reply.feed(pending_);
        pending_.erase(0, used);
    }
    while (reply.open()) {
        checkCancel();
        const auto now = port_->now();
        if (now >= deadline) {
            usable_ = false;
            throw Error(Fault::NoAnswer,
                        "No answer from the analyser on " + port_->name() + " to '" + reply.command() + "'.");
        }
        const auto wait = std::clamp(std::chrono::ceil<std::chrono::milliseconds>(deadline - now), 1ms, 50ms);
        std::size_t n = 0;
        try {
            n = port_->read(buffer_.data(), buffer_.size(), wait);
        } catch (const Error&) {
            usable_ = false;
            throw;
        }
        if (n) {
            const std::size_t used = reply.feed(std::string_view(buffer_.data(), n));
            pending_.assign(buffer_.data() + used, n - used);
        }
    }
}

Reply Session::exchange(const std::string& command, std::size_t maxLines, Clock::duration extra) {
    checkCancel();
    port_->discardInput();
    pending_.clear();
    try {
        port_->write(command + "\r");
    } catch (const Error&) {
        usable_ = false;
        throw;
    }
    Reply r(command, maxLines);
    const auto start = port_->now();
    try {
        readInto(r, start + timing_.answer + extra);
    } catch (const Error& e) {
        if (e.fault != Fault::NoAnswer)
            throw;
        throw Error(Fault::NoAnswer, "No answer from the analyser on " + port_->name() + " to '" + command +
                                         "' within " + seconds(timing_.answer + extra) + " s.");
    }
    return r;
}

// A carriage return, then whatever comes up to a prompt at the end of what came.
void Session::findPrompt() {
    port_->discardInput();
    pending_.clear();
    try {
        port_->write("\r");
    } catch (const Error&) {
        usable_ = false;
        throw;
    }
    const auto deadline = port_->now() + timing_.answer;
    std::string tail;
    std::size_t total = 0;
    for (;;) {
        checkCancel();
        const auto now = port_->now();
        if (now >= deadline) {
            usable_ = false;
            throw Error(Fault::NoAnswer,
                        "No answer from " + port_->name() + " within " + seconds(timing_.answer) +
                            " s: is it a NanoVNA, switched on, and not in a menu of its own?");
        }
        const auto wait = std::clamp(std::chrono::ceil<std::chrono::milliseconds>(deadline - now), 1ms, 50ms);
        std::size_t n = 0;
        try {
            n = port_->read(buffer_.data(), buffer_.size(), wait);
        } catch (const Error&) {
            usable_ = false;
            throw;
        }
        total += n;
        tail.append(buffer_.data(), n);
        if (tail.size() > kPrompt.size())
            tail.erase(0, tail.size() - kPrompt.size());
        if (tail == kPrompt)
            return;
        if (total > (1u << 16))
            throw Error(Fault::NotAnalyser, "The device on " + port_->name() +
                                                " keeps sending without the prompt of a NanoVNA's shell.");
    }
}

// After a reply that was cut off: whatever still comes is dropped until the line is quiet, then the prompt
// is looked for again.
void Session::resync() {
    const auto deadline = port_->now() + timing_.answer;
    auto quietSince = port_->now();
    while (port_->now() - quietSince < 100ms) {
        checkCancel();
        if (port_->now() >= deadline)
            throw Error(Fault::Spoiled,
                        "The analyser on " + port_->name() + " keeps sending: its reply was cut off.");
        std::size_t n = 0;
        try {
            n = port_->read(buffer_.data(), buffer_.size(), 20ms);
        } catch (const Error&) {
            usable_ = false;
            throw;
        }
        if (n)
            quietSince = port_->now();
    }
    findPrompt();
}

// A wait that the cancel flag cuts short; what comes meanwhile is dropped by the next command.
void Session::idle(Clock::duration d) {
    const auto until = port_->now() + d;
    while (port_->now() < until) {
        checkCancel();
        port_->wait(
            std::clamp(std::chrono::ceil<std::chrono::milliseconds>(until - port_->now()), 1ms, 50ms));
    }
}

const DeviceInfo& Session::connect(const std::atomic<bool>* cancel) {
    cancel_ = cancel;
    connected_ = false;
    findPrompt();
    const Reply info = exchange("info", 64, {});
    if (info.state() != Reply::State::Done)
        throw Error(Fault::NotAnalyser, "The device on " + port_->name() +
                                            " does not answer info as a NanoVNA does: " + info.problem() +
                                            ".");
    const Reply version = exchange("version", 4, {});
    info_ = readInfo(info, version.state() == Reply::State::Done ? &version : nullptr, port_->name());
    connected_ = true;
    hasScan_ = true;
    return info_;
}

Session::Outcome Session::scanSegment(const Segment& s, std::vector<Point>& out) {
    const std::vector<double> asked = scanGrid(s);
    const std::string cmd = "scan " + std::to_string(s.startHz) + " " + std::to_string(s.stopHz) + " " +
                            std::to_string(s.count) + " 7";
    const Reply r = exchange(cmd, s.count + kLineMargin, s.count * timing_.perPoint);
    if (r.state() != Reply::State::Done)
        return {Outcome::Spoiled, r.problem()};
    if (r.lineCount() == 1 && r.line(0) == "scan?")
        return {Outcome::NoScan, {}};
    if (r.lineCount() >= 1 && r.lineCount() < static_cast<std::size_t>(s.count) && wordy(r.line(0))) {
        const int limit = lastNumber(r.line(0));
        if (limit >= 3 && limit < s.count)
            return {Outcome::Limit, {}, limit};
        return {Outcome::Refused, "The analyser refused '" + cmd + "': " + quoted(r.line(0)) + "."};
    }
    std::string problem = parseScan(r, asked, out);
    if (!problem.empty())
        return {Outcome::Spoiled, problem};
    return {};
}

Session::Outcome Session::oldSegment(const Segment& s, std::vector<Point>& out) {
    const std::vector<double> asked = scanGrid(s);
    const std::string cmd =
        "sweep " + std::to_string(s.startHz) + " " + std::to_string(s.stopHz) + " " + std::to_string(s.count);
    const Reply set = exchange(cmd, 8, {});
    if (set.state() != Reply::State::Done)
        return {Outcome::Spoiled, set.problem()};
    if (set.lineCount() == 1 && set.line(0) == "sweep?")
        return {Outcome::Refused, "The firmware " + info_.firmware + " of the " + info_.board +
                                      " has neither the scan nor the sweep command: update its firmware."};
    if (set.lineCount() > 0)
        return {Outcome::Refused, "The analyser refused '" + cmd + "': " + quoted(set.line(0)) +
                                      " (firmware " + info_.firmware + ", which has no scan command)."};
    exchange("resume", 4, {}); // the sweep runs on its own: a paused one would keep old data
    idle(2 * (timing_.oldSettle + s.count * timing_.oldPerPoint));

    const std::size_t most = static_cast<std::size_t>(std::max(s.count, 401)) + kLineMargin;
    const Reply freq = exchange("frequencies", most, {});
    if (freq.state() != Reply::State::Done)
        return {Outcome::Spoiled, freq.problem()};
    std::vector<long long> hz;
    std::string problem = parseFrequencies(freq, asked, hz);
    if (!problem.empty()) {
        if (hz.size() == freq.lineCount() && hz.size() != asked.size() && hz.size() >= 2)
            return {Outcome::Refused,
                    "The firmware " + info_.firmware + " of the " + info_.board + " sweeps " +
                        std::to_string(hz.size()) + " points at a time, not " + std::to_string(s.count) +
                        ": it cannot make this sweep (its newer firmware has the scan command)."};
        return {Outcome::Spoiled, problem};
    }
    const Reply data = exchange("data 0", s.count + kLineMargin, {});
    if (data.state() != Reply::State::Done)
        return {Outcome::Spoiled, data.problem()};
    problem = parseData(data, hz, out);
    if (!problem.empty())
        return {Outcome::Spoiled, problem};
    return {};
}

touchstone::Network Session::sweep(const SweepRequest& request,
                                   const std::function<void(const Progress&)>& progress,
                                   const std::atomic<bool>* cancel) {
    cancel_ = cancel;
    if (!connected_ || !usable_)
        throw Error(Fault::Request, "No analyser is connected: connect one first.");
    if (const std::string wrong = checkRequest(request, info_); !wrong.empty())
        throw Error(Fault::Request, wrong);

    const std::vector<double> g = grid(request);
    std::vector<Segment> plan = segments(g, 0, info_.maxPoints);
    std::vector<Point> points;
    points.reserve(g.size());
    bool scanned = false;
    try {
        for (std::size_t k = 0; k < plan.size(); ++k) {
            int spoiled = 0;
            for (;;) {
                const Segment& s = plan[k];
                const std::size_t before = points.size();
                scanned = scanned || hasScan_;
                const Outcome o = hasScan_ ? scanSegment(s, points) : oldSegment(s, points);
                if (o.kind == Outcome::Ok)
                    break;
                points.resize(before);
                switch (o.kind) {
                case Outcome::Spoiled:
                    if (++spoiled == 2)
                        throw Error(Fault::Spoiled,
                                    "The analyser's reply for " + touchstone::mhzText(s.startHz) + " to " +
                                        touchstone::mhzText(s.stopHz) + " could not be read, twice (" +
                                        o.message + "): the sweep is refused.");
                    resync();
                    break;
                case Outcome::Limit: // the device scans fewer points at a time: the rest is laid out again
                    info_.maxPoints = o.limit;
                    plan.resize(k);
                    for (const Segment& n : segments(g, s.first, o.limit))
                        plan.push_back(n);
                    break;
                case Outcome::NoScan: // old firmware: sweep, frequencies, data
                    hasScan_ = false;
                    scanned = false; // no scan ran: nothing paused
                    info_.maxPoints = std::min(info_.maxPoints, 101);
                    plan.resize(k);
                    for (const Segment& n : segments(g, static_cast<int>(points.size()), info_.maxPoints))
                        plan.push_back(n);
                    break;
                case Outcome::Refused:
                    throw Error(Fault::Refused, o.message);
                case Outcome::Ok:
                    break;
                }
            }
            if (progress)
                progress({static_cast<int>(k) + 1, static_cast<int>(plan.size()),
                          static_cast<int>(points.size()), request.points});
        }
        if (scanned)
            exchange("resume", 4, {}); // a scan leaves the device paused
    } catch (const Error& e) {
        // The device is left sweeping as it was, when it still answers.
        if (scanned && usable_ && e.fault != Fault::NoAnswer && e.fault != Fault::Lost) {
            cancel_ = nullptr;
            try {
                resync();
                exchange("resume", 4, {});
            } catch (const Error& tidying) {
                usable_ = tidying.fault != Fault::Lost; // a device slow to tidy up may still sweep again
            }
        }
        throw;
    }

    touchstone::Network n;
    n.ports = 1;
    n.version = "1.1";
    n.format = "RI";
    n.unit = "Hz";
    n.name = "The sweep";
    n.samples.reserve(points.size());
    for (const Point& p : points) {
        if (!n.samples.empty() && p.hz <= n.samples.back().hz)
            throw Error(Fault::Spoiled, "The analyser measured two points at " + std::to_string(p.hz) +
                                            " Hz: its points are too close together for it.");
        n.samples.push_back({static_cast<double>(p.hz), {p.s11, 0.0, 0.0, 0.0}});
    }
    return n;
}

} // namespace analyser
