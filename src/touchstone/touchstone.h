// Touchstone files (.s1p, .s2p) as a vector network analyser saves them: versions 1.1 and 2.0, one and
// two ports, S-parameters in MA, DB or RI, and Y or Z data of a version-1.1 file turned into S. The
// reader refuses every file it cannot read completely with a message naming the file, the line and what
// is wrong; it never hands out half a network. Nothing here knows the window.
#pragma once

#include <array>
#include <complex>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace touchstone {

using Complex = std::complex<double>;

// One frequency point: S11, S21, S12, S22 on the file's references; a one-port file fills s[0] only.
struct Sample {
    double hz;
    std::array<Complex, 4> s;
    bool operator==(const Sample&) const = default;
};

struct Network {
    int ports = 1;                               // 1 or 2
    std::array<double, 2> reference{50.0, 50.0}; // ohm, per port
    std::vector<Sample> samples;                 // frequency strictly increasing, at least one sample
    std::string version, format, unit;           // for the summary: "1.1"/"2.0", "MA"/"DB"/"RI", "MHz"...
    std::string parameter = "S";                 // what the file held: "S", or "Y"/"Z" turned into S
    std::string name;                            // the file's name, for messages
    bool operator==(const Network&) const = default;
};

// A refused file or frequency; the message names the file and, where there is one, the line.
struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Files above this size are refused before they are read.
inline constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;

// Reads the bytes of a file called fileName; without [Number of Ports] the port count comes from the
// name's extension (.s1p, .s2p, any case).
Network parse(std::string_view bytes, const std::string& fileName);

// Checks the path (a readable file of at most kMaxFileBytes), reads it whole, then parses it under its
// file name. A file whose size or time of last writing differs after the read from before it, or whose
// bytes read are not its size, is refused as changed while it was read.
Network readFile(const std::string& path);

// Called by readFile between its checks of the file and the read, with the path: tests change the file
// there. Null in the program.
inline void (*afterFileChecked)(const std::string& path) = nullptr;

// The S-parameters at a frequency, on the file's references: the file's own values at one of its
// frequencies, linear interpolation of real and imaginary parts between two of them. Outside the file's
// range there is no extrapolation: Error says the range.
std::array<Complex, 4> at(const Network& n, double hz);

// A one-port reflection coefficient moved from one real reference to another.
Complex renormalise(Complex s11, double fromOhm, double toOhm);

// A two-port's S-parameters (S11, S21, S12, S22) moved from the port references fromOhm to toOhm on both
// ports; the references may differ.
std::array<Complex, 4> renormalise(const std::array<Complex, 4>& s, const std::array<double, 2>& fromOhm,
                                   double toOhm);

// A version 1.1 one-port file "# MHz S RI R 50" of the points; parse reads back the same doubles. Each
// comment becomes a "!" line before the option line (a line break in one becomes a blank).
std::string writeOnePortRI(const std::vector<std::pair<double /*hz*/, Complex /*S11 on 50 ohm*/>>& points,
                           const std::vector<std::string>& comments = {});

// A version 1.1 one-port file "# Hz S RI R 50" of the points, each comment first as a "! " line; parse
// reads back the same doubles.
std::string writeOnePortRIHz(const std::vector<std::pair<double /*hz*/, Complex /*S11 on 50 ohm*/>>& points,
                             const std::vector<std::string>& comments);

// A frequency in MHz with 6 significant digits and its unit: "14.2 MHz".
std::string mhzText(double hz);

// Writes `text` into a new file beside `path`, flushes it to the disk and renames it over `path`, so that
// a failed save leaves the old file as it was. `error` is 0 when saved, else the errno of the failure;
// `folder` is true when no file could be made in the folder at all.
struct SaveFault {
    int error = 0;
    bool folder = false;
};
SaveFault saveWhole(const std::string& path, const std::string& text);

} // namespace touchstone
