// A vector network analyser of the NanoVNA family on its USB serial port: what the program asks it (only
// reading commands: info, version, scan, resume, and on old firmware sweep, frequencies, data), how its
// text shell is read (echo, lines, the "ch> " prompt) and how a sweep of up to 10,001 points is measured
// in the device's largest scans, each reply read strictly. A reply that is spoiled is asked once more and
// then the whole sweep is refused: a sweep is handed out complete or not at all.
//
// A Session is used by one thread at a time (the window runs it in a worker thread); it reports progress
// after each segment and stops at the next read when its cancel flag is set.
#pragma once

#include "touchstone/touchstone.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace analyser {

using Clock = std::chrono::steady_clock;

// Why something was refused; the message says it to the user.
enum class Fault {
    NoPort,      // no such device file
    Permission,  // not permitted to open it
    Busy,        // held by another program
    NotSerial,   // the path is not a serial port
    NoAnswer,    // the device did not answer in time
    Lost,        // the port went away (the cable pulled)
    NotAnalyser, // it answers, but is not a NanoVNA (a tinySA, something else)
    Request,     // a sweep the device cannot make (START >= STOP, out of its range, ...)
    Spoiled,     // a reply that could not be read, twice
    Refused,     // the device refused a command
    Cancelled,   // stopped by the user
};

struct Error : std::runtime_error {
    Error(Fault f, const std::string& message) : std::runtime_error(message), fault(f) {}
    Fault fault;
};

// ---- the bytes on the port ----------------------------------------------------------------------------

class Transport {
  public:
    virtual ~Transport() = default;
    // Sends the bytes; throws Error (Lost, NoAnswer) when they cannot be sent.
    virtual void write(std::string_view bytes) = 0;
    // Waits at most `wait` for bytes and reads what has come, up to size; 0 when nothing came in that time.
    // Throws Error(Lost) when the port went away.
    virtual std::size_t read(char* buffer, std::size_t size, std::chrono::milliseconds wait) = 0;
    // Drops what has come and was not read.
    virtual void discardInput() {}
    // Lets time pass without reading.
    virtual void wait(std::chrono::milliseconds d);
    // The clock the deadlines are taken on (a test's transport may keep time of its own).
    virtual Clock::time_point now() const { return Clock::now(); }
    // The port's name for messages.
    virtual std::string name() const = 0;
};

// Opens a serial port by path: 115200 8N1, raw, non-blocking, for this program alone. Throws Error with a
// message that says how to fix it (NoPort, Permission, Busy, NotSerial).
std::unique_ptr<Transport> openSerial(const std::string& path);

// A serial port whose USB device is 0483:5740 (a NanoVNA, or a tinySA: info tells them apart).
struct PortInfo {
    std::string path; // "/dev/ttyACM0"
    std::string
        product; // the USB device's own name ("NanoVNA-H4", "ChibiOS/RT Virtual COM Port"), may be empty
    std::string serial;
};
// The ports the kernel lists under sysClassTty, named as under dev, in the order ttyACM0, ttyACM1 ...
// ttyACM10.
std::vector<PortInfo> findPorts(const std::string& sysClassTty = "/sys/class/tty",
                                const std::string& dev = "/dev");

// ---- the shell ----------------------------------------------------------------------------------------

inline constexpr std::string_view kPrompt = "ch> ";
// A reply line longer than this is a flood: no line of the device's comes near it.
inline constexpr std::size_t kMaxLineLength = 256;
// How many lines more than expected a reply may hold before it is cut off as a flood.
inline constexpr std::size_t kLineMargin = 8;

// One command's reply as the bytes come, in any chunking: the echo of the command line, then the reply's
// lines (each ended by CR LF; a bare LF is taken too), then the prompt "ch> " at the start of a line.
class Reply {
  public:
    enum class State {
        Echo,    // waiting for the echo of the command line
        Lines,   // reading the reply's lines
        Done,    // the prompt came: the reply is complete
        Flood,   // too many lines, or a line too long: cut off
        BadEcho, // the first line was not the command
    };
    Reply(std::string command, std::size_t maxLines);
    // Takes bytes until the reply is complete or refused; returns how many of them it took (the rest
    // follow the prompt).
    std::size_t feed(std::string_view bytes);
    State state() const { return state_; }
    bool open() const { return state_ == State::Echo || state_ == State::Lines; }
    std::size_t lineCount() const { return lines_.size(); }
    std::string_view line(std::size_t i) const;
    const std::string& command() const { return command_; }
    // What was wrong with a Flood or BadEcho reply.
    std::string problem() const;

  private:
    void endLine();
    std::string command_;
    std::size_t maxLines_;
    State state_ = State::Echo;
    std::string text_; // the lines one after another
    struct Span {
        std::size_t begin, size;
    };
    std::vector<Span> lines_;
    std::size_t lineBegin_ = 0; // where the line being read starts in text_
    std::string echo_;          // the first line, for BadEcho's message
};

// ---- strict reading of the replies ---------------------------------------------------------------------

// Any S-parameter component beyond this is a spoiled value: a passive load reflects at most 1, and noise
// or a stale calibration stay far below it.
inline constexpr double kMaxComponent = 10.0;

// A number as the device prints it: an optional sign, digits, at most one decimal sign ('.' or ',') with
// digits after it, an optional exponent; finite. False for anything else.
bool readNumber(std::string_view text, double& value);
// A frequency: digits only, at most 11 of them.
bool readHz(std::string_view text, long long& hz);

// One measured point of a reply.
struct Point {
    long long hz;
    touchstone::Complex s11;
};

// The lines of a scan reply for the frequencies asked (scan with mask 7: FREQ S11RE S11IM S21RE S21IM):
// exactly one line per frequency, each with exactly five numbers, the frequency within 1 Hz of the one
// asked, every component within kMaxComponent. Returns an empty string and fills out, or says what is
// wrong (the line's number and text).
std::string parseScan(const Reply& reply, const std::vector<double>& askedHz, std::vector<Point>& out);
// Old firmware: the reply of `frequencies` (one integer a line) and of `data 0` (S11RE S11IM a line).
std::string parseFrequencies(const Reply& reply, const std::vector<double>& askedHz,
                             std::vector<long long>& hz);
std::string parseData(const Reply& reply, const std::vector<long long>& hz, std::vector<Point>& out);

// ---- the device --------------------------------------------------------------------------------------

struct DeviceInfo {
    std::string board;    // from info's "Board:" line, blanks removed: "NanoVNA-H4"
    std::string firmware; // the version line, blanks removed
    int maxPoints = 101;  // per scan
    double minHz = 10e3, maxHz = 1.5e9;
};

// What the info and version replies say; throws Error(NotAnalyser) when info names no board, or a board
// that is not a vector network analyser (a tinySA).
DeviceInfo readInfo(const Reply& info, const Reply* version, const std::string& port);

struct SweepRequest {
    double startHz = 0, stopHz = 0;
    int points = 0;
};

// A sweep from START to STOP MHz in POINTS points, its ends to the nearest hertz (the device takes whole
// hertz); POINTS beyond the int range is kept out of it (checkRequest refuses it).
SweepRequest requestMhz(double startMhz, double stopMhz, long long points);

// What is wrong with the frequency whose values a sweep writes into the fields, or an empty string: it lies
// outside START..STOP.
std::string checkFieldsMhz(double mhz, const SweepRequest& r);

// The sweep's frequencies: START + (STOP - START) * i / (POINTS - 1).
std::vector<double> grid(const SweepRequest& r);

// What is wrong with a request for this device, or an empty string: START >= STOP, outside the device's
// range, POINTS outside 2..10,001, points closer than 1 Hz.
std::string checkRequest(const SweepRequest& r, const DeviceInfo& d);

// One scan of the sweep: points first .. first + count - 1 of the grid, from startHz to stopHz as the device
// is asked (whole hertz).
struct Segment {
    int first = 0, count = 0;
    long long startHz = 0, stopHz = 0;
};

// The grid from point `from` on split into scans of at most maxPoints (3 or more), as even as they can be;
// each scan's ends are the grid's frequencies to the nearest hertz, so that the scan's own points stay within
// half a hertz of the grid's.
std::vector<Segment> segments(const std::vector<double>& grid, int from, int maxPoints);

// The frequencies a scan asks for: its ends and the points evenly between them. The device answers each
// to within 1 Hz (it rounds or truncates its own arithmetic).
std::vector<double> scanGrid(const Segment& s);

struct Progress {
    int segment = 0, segments = 0; // segments done, of
    int points = 0, of = 0;        // points measured, of
};

struct Timing {
    std::chrono::milliseconds answer{3000};      // for any command line
    std::chrono::microseconds perPoint{50000};   // more for each point of a scan
    std::chrono::milliseconds oldSettle{100};    // old firmware: the wait after `sweep`, plus...
    std::chrono::microseconds oldPerPoint{4000}; // ... this per point, twice (a pass in flight and a new one)
};

class Session {
  public:
    explicit Session(std::unique_ptr<Transport> port, Timing timing = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Finds the prompt, then asks info and version. Throws Error.
    const DeviceInfo& connect(const std::atomic<bool>* cancel = nullptr);
    const DeviceInfo& info() const { return info_; }

    // One sweep, segment by segment; progress is called after each. Returns S11 on 50 ohm as a one-port
    // network (frequencies in Hz, as the device measured them), or throws Error and leaves nothing.
    touchstone::Network sweep(const SweepRequest& request,
                              const std::function<void(const Progress&)>& progress = {},
                              const std::atomic<bool>* cancel = nullptr);

    // Whether the port still answers (false after Lost or NoAnswer: connect again).
    bool usable() const { return usable_; }
    std::string port() const { return port_->name(); }

  private:
    struct Outcome;
    Reply exchange(const std::string& command, std::size_t maxLines, Clock::duration extra);
    void readInto(Reply& reply, Clock::time_point deadline);
    void findPrompt();
    void resync();
    void idle(Clock::duration d);
    void checkCancel() const;
    Outcome scanSegment(const Segment& s, std::vector<Point>& out);
    Outcome oldSegment(const Segment& s, std::vector<Point>& out);

    std::unique_ptr<Transport> port_;
    Timing timing_;
    DeviceInfo info_;
    bool connected_ = false;
    bool usable_ = true;
    bool hasScan_ = true;
    const std::atomic<bool>* cancel_ = nullptr;
    std::string pending_; // bytes that came after a prompt
    std::vector<char> buffer_;
};

// ---- the measurement as a file --------------------------------------------------------------------------

// The sweep as a Touchstone 1.1 one-port file, "# Hz S RI R 50", with a comment naming the device.
std::string touchstoneText(const touchstone::Network& sweep, const DeviceInfo& device);
// Writes text to path through a temporary file in the same folder, renamed over it once complete: a
// failed save leaves the old file as it was. Returns an empty string, or what went wrong.
std::string saveFile(const std::string& path, const std::string& text);

} // namespace analyser
