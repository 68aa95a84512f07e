// A stand-in for a NanoVNA on a pseudo-terminal, for the tests: the device's text shell (echo, CR LF
// lines, the "ch> " prompt, "NAME?" for an unknown command) answering info, version, scan, resume and the
// old firmware's sweep, frequencies and data from a known impedance, with switches for the faults a real
// one shows. It shares no code with the program's own reading of the device.
#pragma once

#include <atomic>
#include <chrono>
#include <complex>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace vnasim {

struct Options {
    std::string board = "NanoVNA-H4"; // the info reply's "Board:" line
    std::string version = "1.2.00";
    int maxPoints = 0; // points per scan; 0: 401 for a board named ...H4, else 101
    // The load: a series R, L, C (ohm, henry, farad; C = 0 for none), seen on 50 ohm.
    double r = 50, l = 0, c = 0, x = 0;     // x: a fixed reactance added, ohm
    bool comma = false;                     // decimal comma in every number
    int spoilLine = 0;                      // this data line (from 1) of a reply is spoiled ...
    int spoilTimes = 0;                     // ... in this many replies
    std::string spoilText;                  // the spoiled values ("0.0.1359530 2147483647.147483647")
    bool silent = false;                    // answers nothing at all
    std::string silentOn;                   // echoes a command starting with this, then answers nothing more
    int hangupAfter = -1;                   // hangs up after this many data lines of the first scan
    bool noScan = false;                    // old firmware: no scan; sweep, frequencies, data
    int fixedPoints = 0;                    // old firmware sweeping this many points, whatever is asked
    int floodLines = 0;                     // lines sent after a scan's data before the prompt ...
    int floodTimes = 0;                     // ... in this many replies
    std::chrono::microseconds pointTime{0}; // measuring time per point of a scan
    int trimPermille = 0;                   // the inductance shortened by this after each resume
    std::string log;                        // a file that gets every command line received
};

// Reads the command line's switches into options; returns an error message, or an empty string.
// The rest after "--" (the program to run against the device) goes to command.
std::string parse(int argc, char** argv, Options& o, std::string& link, std::vector<std::string>& command);
extern const char* const kUsage;

// The shell: bytes in, bytes out, with the time they are due.
class Device {
  public:
    explicit Device(Options o);
    struct Out {
        std::chrono::steady_clock::time_point due;
        std::string bytes;
        bool hangup = false; // close the port after the bytes before
    };
    // Takes received bytes; what the device sends in answer is appended to out.
    void receive(std::string_view bytes, std::deque<Out>& out);
    std::complex<double> s11(double hz) const;
    // Every command line received, in order.
    const std::vector<std::string>& commands() const { return commands_; }

  private:
    void run(const std::string& line, std::deque<Out>& out);
    std::string number(double v) const;
    void scan(const std::vector<std::string>& w, std::deque<Out>& out);
    std::vector<long long> frequencies(long long start, long long stop, int points) const;
    Options o_;
    std::string line_;
    bool mute_ = false;
    bool hungUp_ = false;
    int scans_ = 0, spoiled_ = 0, flooded_ = 0, trims_ = 0;
    long long sweepStart_ = 50000, sweepStop_ = 900000000;
    int sweepPoints_ = 101;
    std::vector<std::string> commands_;
};

// The device served on a pseudo-terminal from a thread of its own.
class Server {
  public:
    // Opens the pseudo-terminal; link (when not empty) becomes a symbolic link to its device.
    explicit Server(Options o, std::string link = {});
    ~Server(); // stops serving, removes the link
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;
    const std::string& path() const { return path_; }
    void stop();
    // The command lines received so far.
    std::vector<std::string> commands();

  private:
    void serve();
    Device device_;
    int master_ = -1, slave_ = -1;
    std::string path_, link_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::string> commands_;
};

} // namespace vnasim
