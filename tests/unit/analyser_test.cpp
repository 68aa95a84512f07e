// The analyser's protocol: the shell's replies in any chunking, the strict reading of numbers and lines,
// the layout of a sweep in scans, and whole sessions against the stand-in device on a pseudo-terminal.
#include "analyser/analyser.h"
#include "tools/vnasim/vnasim.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

using analyser::Fault;
using analyser::Reply;
using State = analyser::Reply::State;

// ---- the shell's replies ---------------------------------------------------------------------------------

struct ReplyCase {
    const char* label;
    const char* command;
    std::size_t maxLines;
    std::string bytes;
    State state;
    std::vector<std::string> lines;
    std::size_t taken = std::string::npos; // bytes taken, when not all: the rest follow the prompt
};

std::vector<ReplyCase> replyCases() {
    return {
        {"scan reply",
         "scan 1 2 2 3",
         10,
         "scan 1 2 2 3\r\n1 0.5 -0.25 \r\n2 0,1 0,2 \r\nch> ",
         State::Done,
         {"1 0.5 -0.25 ", "2 0,1 0,2 "}},
        {"no lines", "resume", 4, "resume\r\nch> ", State::Done, {}},
        {"bare line feeds", "version", 4, "version\n1.2.00\nch> ", State::Done, {"1.2.00"}},
        {"a prompt left before the echo",
         "info",
         4,
         "ch> info\r\nBoard: X\r\nch> ",
         State::Done,
         {"Board: X"}},
        {"bytes after the prompt stay", "version", 4, "version\r\n1\r\nch> \r\nch> ", State::Done, {"1"}, 16},
        {"ch> inside a line is no prompt",
         "version",
         4,
         "version\r\nxch> 1\r\nch> ",
         State::Done,
         {"xch> 1"}},
        {"an unknown command", "scan 1 2 3 7", 11, "scan 1 2 3 7\r\nscan?\r\nch> ", State::Done, {"scan?"}},
        {"wrong echo", "info", 4, "infx\r\nBoard: X\r\nch> ", State::BadEcho, {}, 6},
        {"too many lines",
         "data 0",
         2,
         "data 0\r\n1 2\r\n3 4\r\n5 6\r\nch> ",
         State::Flood,
         {"1 2", "3 4"},
         23},
        {"a line too long",
         "data 0",
         4,
         "data 0\r\n" + std::string(300, '1') + "\r\nch> ",
         State::Flood,
         {},
         266},
        {"an echo too long", "data 0", 4, std::string(300, 'd'), State::Flood, {}, 258},
        {"cut short", "version", 4, "version\r\n1.2", State::Lines, {}, 12},
    };
}

void expectReply(const ReplyCase& c, const Reply& r, std::size_t taken, const std::string& how) {
    SCOPED_TRACE(std::string(c.label) + ", " + how);
    EXPECT_EQ(r.state(), c.state);
    EXPECT_EQ(taken, c.taken == std::string::npos ? c.bytes.size() : c.taken);
    ASSERT_EQ(r.lineCount(), c.lines.size());
    for (std::size_t i = 0; i < c.lines.size(); ++i)
        EXPECT_EQ(r.line(i), c.lines[i]);
}

TEST(AnalyserReply, SameInEveryChunking) {
    std::mt19937 random(7);
    for (const ReplyCase& c : replyCases()) {
        {
            Reply r(c.command, c.maxLines);
            expectReply(c, r, r.feed(c.bytes), "at once");
        }
        {
            Reply r(c.command, c.maxLines);
            std::size_t taken = 0;
            for (std::size_t i = 0; i < c.bytes.size() && r.open(); ++i)
                taken += r.feed(std::string_view(c.bytes).substr(i, 1));
            expectReply(c, r, taken, "byte by byte");
        }
        for (int trial = 0; trial < 50; ++trial) {
            Reply r(c.command, c.maxLines);
            std::size_t at = 0, taken = 0;
            while (at < c.bytes.size() && r.open()) {
                const std::size_t n = std::uniform_int_distribution<std::size_t>(1, 9)(random);
                taken += r.feed(std::string_view(c.bytes).substr(at, n));
                at += n;
            }
            expectReply(c, r, taken, "in random pieces");
        }
    }
}

// ---- numbers and lines
// -------------------------------------------------------------------------------------

TEST(AnalyserNumbers, OneDecimalSignAndNothingElse) {
    const std::pair<const char*, double> good[] = {
        {"0.5", 0.5},  {"-0.25", -0.25}, {"0,125", 0.125},
        {"+1", 1},     {"12", 12},       {"1.5e-05", 1.5e-5},
        {"2E3", 2000}, {"-0,5e+1", -5},  {"2147483647.147483647", 2147483647.147483647},
    };
    for (const auto& [text, value] : good) {
        double v = 0;
        EXPECT_TRUE(analyser::readNumber(text, v)) << text;
        EXPECT_DOUBLE_EQ(v, value) << text;
    }
    for (const char* bad :
         {"",        "0.0.1359530", "1,2,3", "0.5,", "1.",  ".5", "-.5", "--1", "+-1",  "1e", "1e1234",
          "1e+0001", "nan",         "inf",   "0x10", "1 2", "1;", "½",   "-",   "1.5.", "١"}) {
        double v = 0;
        EXPECT_FALSE(analyser::readNumber(bad, v)) << bad;
    }
    long long hz = 0;
    EXPECT_TRUE(analyser::readHz("1500000000", hz));
    EXPECT_EQ(hz, 1500000000);
    for (const char* bad : {"", "-1", "+1", "1.0", "1,0", "1e6", "123456789012"})
        EXPECT_FALSE(analyser::readHz(bad, hz)) << bad;
}

Reply replyOf(const std::string& command, const std::vector<std::string>& lines) {
    std::string bytes = command + "\r\n";
    for (const auto& l : lines)
        bytes += l + "\r\n";
    Reply r(command, lines.size() + analyser::kLineMargin);
    r.feed(bytes + "ch> ");
    return r;
}

TEST(AnalyserNumbers, ScanLinesReadStrictly) {
    const std::vector<double> asked{1000000, 1500000.5, 2000000};
    const std::string ok1 = "1000000 0.1 -0.2 0.0 0.0 ", ok3 = "2000000 0.3 0.4 0 0 ";
    struct Case {
        const char* label;
        std::string middle;
        bool good;
    } cases[] = {
        {"good", "1500000 0.2 0.1 0.01 0.02 ", true},
        {"1 Hz off, rounded the other way", "1500001 0.2 0.1 0.01 0.02", true},
        {"decimal comma", "1500000 0,2 0,1 0,01 0,02", true},
        {"tabs", "1500000\t0.2\t0.1\t0\t0", true},
        {"2 Hz off", "1499998 0.2 0.1 0 0", false},
        {"four numbers", "1500000 0.2 0.1 0", false},
        {"six numbers", "1500000 0.2 0.1 0 0 0", false},
        {"frequency with a decimal sign", "1500000.0 0.2 0.1 0 0", false},
        {"two decimal signs", "1500000 0.0.1359530 0.1 0 0", false},
        {"a spoiled integer", "1500000 2147483647.147483647 0.1 0 0", false},
        {"S21 spoiled", "1500000 0.2 0.1 0 -99", false},
        {"empty", "", false},
        {"letters", "1500000 0.2 0.1 0 0 ok", false},
    };
    for (const Case& c : cases) {
        std::vector<analyser::Point> out{{5, {0, 0}}};
        const std::string problem = analyser::parseScan(replyOf("scan", {ok1, c.middle, ok3}), asked, out);
        EXPECT_EQ(problem.empty(), c.good) << c.label << ": " << problem;
        if (c.good) {
            ASSERT_EQ(out.size(), 4u);
            EXPECT_EQ(out[3].hz, 2000000);
            EXPECT_EQ(out[2].s11, (touchstone::Complex{0.2, 0.1}));
        } else {
            EXPECT_EQ(out.size(), 1u) << c.label << ": a refused reply adds nothing";
            EXPECT_NE(problem.find("line 2"), std::string::npos) << problem;
        }
    }
    std::vector<analyser::Point> out;
    EXPECT_FALSE(analyser::parseScan(replyOf("scan", {ok1, ok3}), asked, out).empty()) << "a line missing";
    EXPECT_TRUE(out.empty());
}

// ---- the device and the layout of a sweep ----------------------------------------------------------------

TEST(AnalyserDevice, InfoNamesTheBoardAndItsLimit) {
    const auto info = [](std::vector<std::string> lines, const char* version = "1.2.00") {
        const Reply i = replyOf("info", lines), v = replyOf("version", {version});
        return analyser::readInfo(i, &v, "/dev/ttyACM0");
    };
    auto d = info({"Board: NanoVNA-H 4", "Version: 1.2.00 beta"});
    EXPECT_EQ(d.board, "NanoVNA-H4");
    EXPECT_EQ(d.firmware, "1.2.00");
    EXPECT_EQ(d.maxPoints, 401);
    d = info({"Board: NanoVNA-H", "Version: 1.0.45"}, "version?");
    EXPECT_EQ(d.firmware, "1.0.45");
    EXPECT_EQ(d.maxPoints, 101);
    d = info({"Board: LiteVNA", "Max points: 1024", "Frequency range: 50kHz - 6.3GHz"});
    EXPECT_EQ(d.maxPoints, 1024);
    EXPECT_DOUBLE_EQ(d.minHz, 50e3);
    EXPECT_DOUBLE_EQ(d.maxHz, 6.3e9);
    for (const auto& lines : std::vector<std::vector<std::string>>{
             {"Board: tinySA4"}, {"Board: tinySA"}, {"Kernel: 4.0.0"}, {"info?"}, {"Board: GPS receiver"}}) {
        try {
            info(lines);
            ADD_FAILURE() << lines[0] << " taken for an analyser";
        } catch (const analyser::Error& e) {
            EXPECT_EQ(e.fault, Fault::NotAnalyser);
            EXPECT_NE(std::string(e.what()).find("/dev/ttyACM0"), std::string::npos) << e.what();
        }
    }
}

TEST(AnalyserDevice, EveryPointInOneScanOnce) {
    for (int points : {2, 3, 11, 101, 102, 401, 402, 803, 1000, 10001})
        for (int most : {3, 101, 401}) {
            SCOPED_TRACE(std::to_string(points) + " points, " + std::to_string(most) + " a scan");
            const analyser::SweepRequest r{1e6, 30.0000007e6, points};
            const auto g = analyser::grid(r);
            const auto plan = analyser::segments(g, 0, most);
            int next = 0;
            for (const auto& s : plan) {
                ASSERT_EQ(s.first, next);
                ASSERT_GE(s.count, 2);
                ASSERT_LE(s.count, most);
                const auto asked = analyser::scanGrid(s);
                for (int k = 0; k < s.count; ++k)
                    ASSERT_LE(std::fabs(asked[k] - g[s.first + k]), 0.5) << k;
                next += s.count;
            }
            EXPECT_EQ(next, points);
            EXPECT_EQ(plan.size(), static_cast<std::size_t>((points + most - 1) / most));
        }
}

TEST(AnalyserDevice, RequestsTheDeviceCannotMake) {
    analyser::DeviceInfo d;
    d.board = "NanoVNA-H4";
    const struct {
        double start, stop;
        int points;
        bool good;
    } cases[] = {{1e6, 30e6, 101, true},      {10e3, 1.5e9, 10001, true}, {30e6, 1e6, 101, false},
                 {1e6, 1e6, 101, false},      {1e6, 30e6, 1, false},      {1e6, 30e6, 10002, false},
                 {9e3, 30e6, 101, false},     {1e6, 1.6e9, 101, false},   {1e6, 1e6 + 100, 101, true},
                 {1e6, 1e6 + 99, 101, false}, {NAN, 30e6, 101, false}};
    for (const auto& c : cases)
        EXPECT_EQ(analyser::checkRequest({c.start, c.stop, c.points}, d).empty(), c.good)
            << c.start << " " << c.stop << " " << c.points;
}

// ---- sessions against the stand-in device ----------------------------------------------------------------

touchstone::Complex modelS11(double hz) { // the stand-in's --rlc 30,1,100
    const double w = 2 * M_PI * hz;
    const touchstone::Complex z(30, w * 1e-6 - 1 / (w * 100e-12));
    return (z - 50.0) / (z + 50.0);
}

vnasim::Options rlc() {
    vnasim::Options o;
    o.r = 30;
    o.l = 1e-6;
    o.c = 100e-12;
    return o;
}

bool reading(const std::string& c) {
    for (const char* p : {"info", "version", "resume", "frequencies", "data 0", "scan ", "sweep "})
        if (c == p || (std::string(p).back() == ' ' && c.rfind(p, 0) == 0))
            return true;
    return false;
}

TEST(AnalyserSession, TenThousandPointsInScansOfTheBoard) {
    for (const char* board : {"NanoVNA-H", "NanoVNA-H4"}) {
        SCOPED_TRACE(board);
        auto o = rlc();
        o.board = board;
        o.comma = std::string(board) == "NanoVNA-H";
        vnasim::Server device(o);
        analyser::Session s(analyser::openSerial(device.path()));
        EXPECT_EQ(s.connect().board, board);
        const analyser::SweepRequest r{1e6, 30e6, 10001};
        std::vector<analyser::Progress> seen;
        const auto n = s.sweep(r, [&](const analyser::Progress& p) { seen.push_back(p); });
        const auto g = analyser::grid(r);
        ASSERT_EQ(n.samples.size(), g.size());
        for (std::size_t i = 0; i < g.size(); ++i) {
            ASSERT_LE(std::fabs(n.samples[i].hz - g[i]), 1.0) << i;
            ASSERT_LT(std::abs(n.samples[i].s[0] - modelS11(n.samples[i].hz)), 1e-8) << i;
        }
        const int scans = std::string(board) == "NanoVNA-H" ? 100 : 25;
        ASSERT_EQ(seen.size(), static_cast<std::size_t>(scans));
        EXPECT_EQ(seen.back().points, 10001);
        EXPECT_EQ(seen.back().segments, scans);
        const auto commands = device.commands();
        EXPECT_EQ(commands.back(), "resume") << "a scan leaves the device paused";
        for (const auto& c : commands)
            EXPECT_TRUE(reading(c)) << c;
        // The network reads as an imported one-port: S11 on 50 ohm.
        EXPECT_EQ(n.ports, 1);
        EXPECT_EQ(n.reference[0], 50.0);
        EXPECT_EQ(touchstone::at(n, 12.6e6)[0], n.samples[4000].s[0]);
    }
}

TEST(AnalyserSession, StoppedBetweenReadsAndTheDeviceResumed) {
    auto o = rlc();
    o.pointTime = std::chrono::microseconds(200);
    vnasim::Server device(o);
    analyser::Session s(analyser::openSerial(device.path()));
    s.connect();
    std::atomic<bool> cancel{false};
    int segments = 0;
    try {
        s.sweep(
            {1e6, 30e6, 4010},
            [&](const analyser::Progress&) {
                if (++segments == 2)
                    cancel = true;
            },
            &cancel);
        ADD_FAILURE() << "not stopped";
    } catch (const analyser::Error& e) {
        EXPECT_EQ(e.fault, Fault::Cancelled);
    }
    EXPECT_EQ(segments, 2);
    EXPECT_EQ(device.commands().back(), "resume");
    // The session sweeps again afterwards.
    EXPECT_EQ(s.sweep({14e6, 14.4e6, 11}).samples.size(), 11u);
}

TEST(AnalyserSession, PortFaultsSaySo) {
    try {
        analyser::openSerial("/dev/no-such-analyser");
        ADD_FAILURE();
    } catch (const analyser::Error& e) {
        EXPECT_EQ(e.fault, Fault::NoPort);
    }
    vnasim::Server device(rlc());
    auto first = analyser::openSerial(device.path());
    try {
        analyser::openSerial(device.path());
        ADD_FAILURE() << "opened twice";
    } catch (const analyser::Error& e) {
        EXPECT_EQ(e.fault, Fault::Busy);
        EXPECT_NE(std::string(e.what()).find("ModemManager"), std::string::npos);
    }
    if (geteuid() != 0) { // root opens anything
        const std::string path = testing::TempDir() + "/analyser-no-permission";
        std::ofstream(path) << "";
        std::filesystem::permissions(path, std::filesystem::perms::none);
        try {
            analyser::openSerial(path);
            ADD_FAILURE();
        } catch (const analyser::Error& e) {
            EXPECT_EQ(e.fault, Fault::Permission);
            EXPECT_NE(std::string(e.what()).find("dialout"), std::string::npos);
        }
        std::filesystem::remove(path);
    }

    auto o = rlc();
    o.hangupAfter = 50;
    vnasim::Server pulled(o);
    analyser::Session s(analyser::openSerial(pulled.path()));
    s.connect();
    try {
        s.sweep({1e6, 30e6, 101});
        ADD_FAILURE();
    } catch (const analyser::Error& e) {
        EXPECT_EQ(e.fault, Fault::Lost);
    }
    EXPECT_FALSE(s.usable());
}

// A transport that answers from a script of replies and keeps time of its own: deadlines are checked
// without waiting for them.
class ScriptedPort : public analyser::Transport {
  public:
    std::vector<std::string> replies; // one per command line written; past the end: silence
    std::vector<std::string> written;
    analyser::Clock::time_point clock{};
    void write(std::string_view b) override {
        written.emplace_back(b);
        if (written.size() <= replies.size())
            pending += replies[written.size() - 1];
    }
    std::size_t read(char* buf, std::size_t size, std::chrono::milliseconds wait) override {
        if (pending.empty()) {
            clock += wait;
            return 0;
        }
        const std::size_t n = std::min(size, pending.size());
        pending.copy(buf, n);
        pending.erase(0, n);
        return n;
    }
    void wait(std::chrono::milliseconds d) override { clock += d; }
    analyser::Clock::time_point now() const override { return clock; }
    std::string name() const override { return "scripted"; }
    std::string pending;
};

TEST(AnalyserSession, NoAnswerAfterItsAllowance) {
    auto port = std::make_unique<ScriptedPort>();
    ScriptedPort& p = *port;
    p.replies = {"\r\nch> ", "info\r\nBoard: NanoVNA-H4\r\nch> ", "version\r\n1.2.00\r\nch> ",
                 "scan 1000000 2000000 101 7\r\n"}; // then nothing: measuring for ever
    analyser::Session s(std::move(port));
    s.connect();
    const auto before = p.clock;
    try {
        s.sweep({1e6, 2e6, 101});
        ADD_FAILURE();
    } catch (const analyser::Error& e) {
        EXPECT_EQ(e.fault, Fault::NoAnswer);
        EXPECT_NE(std::string(e.what()).find("within 8"), std::string::npos) << e.what();
    }
    // 3 s for the line and 50 ms for each of the 101 points, to the next 50 ms.
    EXPECT_GE(p.clock - before, std::chrono::milliseconds(8050));
    EXPECT_LT(p.clock - before, std::chrono::milliseconds(8150));
    EXPECT_FALSE(s.usable());
}

// ---- the measurement as a file
// -----------------------------------------------------------------------------

TEST(AnalyserFile, SavedSweepReadsBackTheSameDoubles) {
    std::mt19937_64 random(11);
    touchstone::Network n;
    std::uniform_real_distribution<double> value(-1, 1);
    for (long long hz : {10000LL, 1000000LL, 14200001LL, 1500000000LL})
        n.samples.push_back(
            {static_cast<double>(hz), {touchstone::Complex(value(random), value(random) / 3e7)}});
    analyser::DeviceInfo d;
    d.board = "NanoVNA-H4";
    d.firmware = "1.2.00";
    const std::string text = analyser::touchstoneText(n, d);
    EXPECT_NE(text.find("\n# Hz S RI R 50\n"), std::string::npos);
    EXPECT_NE(text.find("\n14200001 "), std::string::npos) << "whole hertz, no exponent";
    const auto back = touchstone::parse(text, "sweep.s1p");
    ASSERT_EQ(back.samples.size(), n.samples.size());
    for (std::size_t i = 0; i < n.samples.size(); ++i) {
        EXPECT_EQ(back.samples[i].hz, n.samples[i].hz);
        EXPECT_EQ(back.samples[i].s[0], n.samples[i].s[0]);
    }

    const auto folder = std::filesystem::path(testing::TempDir()) / "analyser-save";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "sweep.s1p").string();
    std::ofstream(path) << "the user's older file";
    EXPECT_EQ(analyser::saveFile(path, text), "");
    std::ifstream in(path);
    std::stringstream got;
    got << in.rdbuf();
    EXPECT_EQ(got.str(), text);
    EXPECT_NE(analyser::saveFile((folder / "no-folder" / "x.s1p").string(), text), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "no temporary file left";
    std::filesystem::remove_all(folder);
}

} // namespace

namespace {

// A /sys/class/tty as the kernel lays it out: each tty's device is a USB interface, whose parent is the USB
// device with its identifiers.
TEST(AnalyserPorts, OnlyTheAnalysersUsbIdentifiers) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(testing::TempDir()) / "analyser-sys";
    fs::remove_all(root);
    const auto usb = [&](const std::string& dev, const char* vendor, const char* product, const char* name) {
        const fs::path d = root / "devices" / dev;
        fs::create_directories(d / (dev + ":1.0"));
        std::ofstream(d / "idVendor") << vendor << "\n";
        std::ofstream(d / "idProduct") << product << "\n";
        if (name)
            std::ofstream(d / "product") << name << "\n";
        return d / (dev + ":1.0");
    };
    const auto tty = [&](const std::string& name, const fs::path& interface) {
        fs::create_directories(root / "class" / name);
        if (!interface.empty())
            fs::create_directory_symlink(interface, root / "class" / name / "device");
    };
    tty("ttyACM10", usb("1-3", "0483", "5740", "NanoVNA-H4"));
    tty("ttyACM2", usb("1-2", "0483", "5740", nullptr));
    tty("ttyACM0", usb("1-1", "2341", "0043", "Arduino Uno"));
    tty("ttyUSB0", usb("1-4", "0483", "5741", "other"));
    tty("ttyS0", {});
    tty("console", usb("1-5", "0483", "5740", "not a serial adapter's name"));
    const auto ports = analyser::findPorts((root / "class").string(), "/dev");
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].path, "/dev/ttyACM2");
    EXPECT_EQ(ports[0].product, "");
    EXPECT_EQ(ports[1].path, "/dev/ttyACM10");
    EXPECT_EQ(ports[1].product, "NanoVNA-H4");
    EXPECT_TRUE(analyser::findPorts((root / "none").string()).empty());
    fs::remove_all(root);
}

} // namespace
