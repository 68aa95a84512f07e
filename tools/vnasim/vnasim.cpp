// The stand-in device: its shell and its pseudo-terminal.
#include "tools/vnasim/vnasim.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace vnasim {

using Clock = std::chrono::steady_clock;

const char* const kUsage =
    "vnasim [switches] [-- PROGRAM ARGS...]\n"
    "A stand-in NanoVNA on a pseudo-terminal. With a program, serves until it ends and exits with its "
    "status;\n"
    "without, serves until killed. Switches:\n"
    "  --link PATH          a symbolic link to the device at PATH\n"
    "  --board NAME         the board info names (NanoVNA-H4; NanoVNA-H, tinySA ...)\n"
    "  --version TEXT       the firmware version (1.2.00)\n"
    "  --max-points N       points per scan (401 for an H4, else 101)\n"
    "  --load R,X           the load: R + jX ohm (50,0)\n"
    "  --rlc R,L,C          the load: a series R (ohm), L (uH), C (pF; 0 for none)\n"
    "  --comma              a decimal comma in the numbers\n"
    "  --spoil N[,TIMES]    data line N of the next TIMES replies (1) spoiled\n"
    "  --spoil-text TEXT    the spoiled values (0.0.1359530 2147483647.147483647)\n"
    "  --silent             answers nothing\n"
    "  --silent-on WORD     falls silent after echoing a command starting with WORD\n"
    "  --hangup-after N     hangs up after N data lines of the first scan\n"
    "  --no-scan            old firmware: sweep, frequencies, data instead of scan\n"
    "  --fixed-points N     old firmware sweeping N points whatever is asked\n"
    "  --flood N[,TIMES]    N more lines after a scan's data, in the next TIMES replies (1)\n"
    "  --point-us N         measuring time per point of a scan, microseconds\n"
    "  --trim PERMILLE      the inductance shortened by this much after each resume (an antenna\n"
    "                       being trimmed), back to the start after 20 sweeps\n"
    "  --log FILE           every command line received, one a line\n";

namespace {

bool number(const char* t, double& v) {
    char* end = nullptr;
    errno = 0;
    v = std::strtod(t, &end);
    return end != t && *end == 0 && errno == 0 && std::isfinite(v);
}

bool pair(const char* t, long& a, long& b) {
    char* end = nullptr;
    a = std::strtol(t, &end, 10);
    if (end == t)
        return false;
    if (*end == 0) {
        b = 1;
        return true;
    }
    if (*end != ',')
        return false;
    const char* second = end + 1;
    b = std::strtol(second, &end, 10);
    return end != second && *end == 0;
}

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> w;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ')
            ++i;
        std::size_t b = i;
        while (i < s.size() && s[i] != ' ')
            ++i;
        if (i > b)
            w.push_back(s.substr(b, i - b));
    }
    return w;
}

bool whole(const std::string& t, long long& v) {
    if (t.empty() || t.size() > 12)
        return false;
    for (char c : t)
        if (c < '0' || c > '9')
            return false;
    v = std::stoll(t);
    return true;
}

} // namespace

std::string parse(int argc, char** argv, Options& o, std::string& link, std::vector<std::string>& command) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            for (int k = i + 1; k < argc; ++k)
                command.emplace_back(argv[k]);
            break;
        }
        const auto value = [&]() -> const char* {
            if (i + 1 >= argc)
                throw std::invalid_argument(a + " needs a value");
            return argv[++i];
        };
        try {
            long n = 0, t = 0;
            if (a == "--link") {
                link = value();
            } else if (a == "--board") {
                o.board = value();
            } else if (a == "--version") {
                o.version = value();
            } else if (a == "--max-points") {
                if (!pair(value(), n, t) || n < 2)
                    return "--max-points takes a number of points";
                o.maxPoints = static_cast<int>(n);
            } else if (a == "--load" || a == "--rlc") {
                const std::string v = value();
                std::vector<std::string> parts;
                std::size_t b = 0;
                for (std::size_t c; (c = v.find(',', b)) != std::string::npos; b = c + 1)
                    parts.push_back(v.substr(b, c - b));
                parts.push_back(v.substr(b));
                double d[3] = {0, 0, 0};
                if (parts.size() != (a == "--load" ? 2u : 3u))
                    return a + " takes " + (a == "--load" ? "R,X" : "R,L,C");
                for (std::size_t k = 0; k < parts.size(); ++k)
                    if (!number(parts[k].c_str(), d[k]))
                        return a + ": '" + parts[k] + "' is not a number";
                o.r = d[0];
                if (a == "--load") {
                    o.x = d[1];
                    o.l = o.c = 0;
                } else {
                    o.x = 0;
                    o.l = d[1] * 1e-6;
                    o.c = d[2] * 1e-12;
                }
            } else if (a == "--comma") {
                o.comma = true;
            } else if (a == "--spoil") {
                if (!pair(value(), n, t) || n < 1 || t < 1)
                    return "--spoil takes N or N,TIMES";
                o.spoilLine = static_cast<int>(n);
                o.spoilTimes = static_cast<int>(t);
            } else if (a == "--spoil-text") {
                o.spoilText = value();
            } else if (a == "--silent") {
                o.silent = true;
            } else if (a == "--silent-on") {
                o.silentOn = value();
            } else if (a == "--hangup-after") {
                if (!pair(value(), n, t) || n < 0)
                    return "--hangup-after takes a number of lines";
                o.hangupAfter = static_cast<int>(n);
            } else if (a == "--no-scan") {
                o.noScan = true;
            } else if (a == "--fixed-points") {
                if (!pair(value(), n, t) || n < 2)
                    return "--fixed-points takes a number of points";
                o.fixedPoints = static_cast<int>(n);
            } else if (a == "--flood") {
                if (!pair(value(), n, t) || n < 1 || t < 1)
                    return "--flood takes N or N,TIMES";
                o.floodLines = static_cast<int>(n);
                o.floodTimes = static_cast<int>(t);
            } else if (a == "--point-us") {
                if (!pair(value(), n, t) || n < 0)
                    return "--point-us takes microseconds";
                o.pointTime = std::chrono::microseconds(n);
            } else if (a == "--trim") {
                if (!pair(value(), n, t) || n < 0 || n > 40)
                    return "--trim takes 0 to 40 per mille";
                o.trimPermille = static_cast<int>(n);
            } else if (a == "--log") {
                o.log = value();
            } else {
                return "unknown switch " + a;
            }
        } catch (const std::invalid_argument& e) {
            return e.what();
        }
    }
    return {};
}

// ---- the shell ------------------------------------------------------------------------------------------

Device::Device(Options o) : o_(std::move(o)) {
    if (o_.maxPoints == 0)
        o_.maxPoints = o_.board.find("H4") != std::string::npos ? 401 : 101;
    if (o_.spoilText.empty())
        o_.spoilText = "0.0.1359530 2147483647.147483647";
    if (!o_.log.empty())
        std::ofstream(o_.log, std::ios::trunc);
}

std::complex<double> Device::s11(double hz) const {
    const double w = 2 * M_PI * hz;
    const double trim = 1 - o_.trimPermille * (trims_ % 20) / 1000.0;
    double x = o_.x + w * o_.l * trim;
    if (o_.c > 0)
        x -= 1 / (w * o_.c);
    const std::complex<double> z(o_.r, x);
    return (z - 50.0) / (z + 50.0);
}

std::string Device::number(double v) const {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.9f", v);
    std::string s = buf;
    if (o_.comma)
        for (char& c : s)
            if (c == '.')
                c = ',';
    return s;
}

// The device's own grid: whole hertz, each step rounded as the firmware's integer arithmetic does.
std::vector<long long> Device::frequencies(long long start, long long stop, int points) const {
    std::vector<long long> f(static_cast<std::size_t>(points));
    const long long steps = points - 1, span = stop - start;
    for (long long i = 0; i < points; ++i)
        f[static_cast<std::size_t>(i)] = start + (span * i + steps / 2) / steps;
    return f;
}

namespace {

// Bytes due at a time, joined to the bytes before them when those are due as early.
void push(std::deque<Device::Out>& out, Clock::time_point due, std::string_view bytes) {
    if (!out.empty() && !out.back().hangup && out.back().due >= due)
        out.back().bytes += bytes;
    else
        out.push_back({due, std::string(bytes)});
}

} // namespace

void Device::receive(std::string_view bytes, std::deque<Out>& out) {
    for (char ch : bytes) {
        if (o_.silent || mute_ || hungUp_)
            return;
        if (ch == '\r') {
            push(out, Clock::now(), "\r\n");
            const std::string line = line_;
            line_.clear();
            run(line, out);
        } else if (ch == '\n') {
            continue;
        } else if (line_.size() < 64) {
            line_ += ch;
            push(out, Clock::now(), std::string_view(&ch, 1));
        }
    }
}

void Device::run(const std::string& line, std::deque<Out>& out) {
    if (!line.empty()) {
        commands_.push_back(line);
        if (!o_.log.empty())
            std::ofstream(o_.log, std::ios::app) << line << '\n';
    }
    if (!o_.silentOn.empty() && line.rfind(o_.silentOn, 0) == 0) {
        mute_ = true;
        return;
    }
    const auto w = split(line);
    const auto now = Clock::now();
    const auto say = [&](const std::string& s) { push(out, now, s + "\r\n"); };
    const std::string cmd = w.empty() ? std::string() : w[0];
    if (cmd.empty()) {
    } else if (cmd == "info") {
        say("Board: " + o_.board);
        say("2019-2024 Copyright @stand-in");
        say("Licensed under GPL.");
        say("Version: " + o_.version);
        say("Build Time: Jan  1 2024 - 00:00:00");
        say("Platform: test");
    } else if (cmd == "version") {
        say(o_.version);
    } else if (cmd == "resume" || cmd == "pause") {
        if (cmd == "resume")
            ++trims_;
    } else if (cmd == "scan" && !o_.noScan) {
        scan(w, out);
        return;
    } else if (cmd == "sweep" && o_.noScan) {
        long long a = 0, b = 0, n = sweepPoints_;
        if (w.size() < 3 || !whole(w[1], a) || !whole(w[2], b) || (w.size() > 3 && !whole(w[3], n))) {
            say("usage: sweep {start(Hz)} [stop(Hz)] [points]");
        } else {
            sweepStart_ = a;
            sweepStop_ = b;
            sweepPoints_ = o_.fixedPoints ? o_.fixedPoints : static_cast<int>(std::min<long long>(n, 101));
        }
    } else if (cmd == "frequencies" && o_.noScan) {
        for (long long f : frequencies(sweepStart_, sweepStop_, sweepPoints_))
            say(std::to_string(f));
    } else if (cmd == "data" && o_.noScan) {
        int k = 0;
        for (long long f : frequencies(sweepStart_, sweepStop_, sweepPoints_)) {
            ++k;
            const auto g =
                w.size() > 1 && w[1] == "1" ? std::complex<double>(0, 0) : s11(static_cast<double>(f));
            std::string values = number(g.real()) + " " + number(g.imag());
            if (k == o_.spoilLine && spoiled_ < o_.spoilTimes) {
                values = o_.spoilText;
                ++spoiled_;
            }
            say(values);
        }
    } else {
        say(cmd + "?");
    }
    push(out, now, "ch> ");
}

void Device::scan(const std::vector<std::string>& w, std::deque<Out>& out) {
    const auto now = Clock::now();
    long long a = 0, b = 0, n = 101, mask = 0;
    if (w.size() < 3 || !whole(w[1], a) || !whole(w[2], b) || (w.size() > 3 && !whole(w[3], n)) ||
        (w.size() > 4 && !whole(w[4], mask))) {
        out.push_back({now, "usage: scan {start(Hz)} {stop(Hz)} [points] [outmask]\r\nch> "});
        return;
    }
    if (n < 1 || n > o_.maxPoints) {
        out.push_back({now, "sweep points exceeds range " + std::to_string(o_.maxPoints) + "\r\nch> "});
        return;
    }
    if (a < 10000 || b > 2700000000LL || b < a) {
        out.push_back({now, "frequency range is invalid\r\nch> "});
        return;
    }
    ++scans_;
    const auto due = now + o_.pointTime * n;
    std::string text;
    int line = 0;
    const bool spoil = spoiled_ < o_.spoilTimes;
    for (long long f : frequencies(a, b, static_cast<int>(n))) {
        ++line;
        if (o_.hangupAfter >= 0 && scans_ == 1 && line > o_.hangupAfter) {
            out.push_back({due, text});
            out.push_back({due, {}, true});
            hungUp_ = true;
            return;
        }
        const auto g = s11(static_cast<double>(f));
        std::string s11 = number(g.real()) + " " + number(g.imag());
        if (spoil && line == o_.spoilLine)
            s11 = o_.spoilText;
        if (mask & 1)
            text += std::to_string(f) + " ";
        if (mask & 2)
            text += s11 + " ";
        if (mask & 4)
            text += number(0.000012345) + " " + number(-0.000006789) + " ";
        text += "\r\n";
    }
    if (spoil && o_.spoilLine >= 1 && o_.spoilLine <= n)
        ++spoiled_;
    if (flooded_ < o_.floodTimes) {
        ++flooded_;
        for (int k = 0; k < o_.floodLines; ++k)
            text += std::to_string(a) + " " + number(0.5) + " " + number(0.5) + " " + number(0) + " " +
                    number(0) + " \r\n";
    }
    text += "ch> ";
    out.push_back({due, text});
}

// ---- the pseudo-terminal ---------------------------------------------------------------------------------

Server::Server(Options o, std::string link) : device_(std::move(o)), link_(std::move(link)) {
    char name[256];
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    // The line discipline neither echoes nor edits: the shell echoes, as the device does.
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    tcsetattr(slave_, TCSANOW, &t);
    path_ = name;
    if (!link_.empty()) {
        ::unlink(link_.c_str());
        if (::symlink(path_.c_str(), link_.c_str()) != 0)
            throw std::runtime_error("cannot make the link " + link_ + ": " + std::strerror(errno));
    }
    thread_ = std::thread([this] { serve(); });
}

Server::~Server() {
    stop();
    if (!link_.empty())
        ::unlink(link_.c_str());
}

void Server::stop() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = slave_ = -1;
}

std::vector<std::string> Server::commands() {
    std::lock_guard<std::mutex> lock(mutex_);
    return commands_;
}

void Server::serve() {
    std::deque<Device::Out> out;
    char buf[4096];
    bool open = true;
    while (!stop_) {
        const auto now = Clock::now();
        int timeout = 10;
        bool ready = !out.empty() && out.front().due <= now;
        if (!out.empty() && !ready)
            timeout = static_cast<int>(std::min<long long>(
                10, std::chrono::ceil<std::chrono::milliseconds>(out.front().due - now).count()));
        if (!open) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        pollfd p{master_, static_cast<short>(POLLIN | (ready ? POLLOUT : 0)), 0};
        if (::poll(&p, 1, timeout) < 0)
            continue;
        if (p.revents & POLLIN) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) {
                device_.receive(std::string_view(buf, static_cast<std::size_t>(n)), out);
                std::lock_guard<std::mutex> lock(mutex_);
                commands_ = device_.commands();
            }
        }
        while (!out.empty() && out.front().due <= Clock::now()) {
            Device::Out& o = out.front();
            if (o.hangup) {
                ::close(master_); // the cable pulled: the other end is hung up
                master_ = -1;
                open = false;
                out.clear();
                break;
            }
            const ssize_t n = ::write(master_, o.bytes.data(), o.bytes.size());
            if (n < 0)
                break; // full: the reader takes it first
            o.bytes.erase(0, static_cast<std::size_t>(n));
            if (!o.bytes.empty())
                break;
            out.pop_front();
        }
    }
}

} // namespace vnasim
