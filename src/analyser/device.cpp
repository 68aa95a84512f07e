// What the device says about itself, and how a sweep is laid out on its scans.
#include "analyser/analyser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace analyser {

namespace {

std::string trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return std::string(s);
}

std::string withoutBlanks(std::string_view s) {
    std::string out;
    for (char c : s)
        if (!std::isspace(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) >= 32 &&
            static_cast<unsigned char>(c) < 127)
            out += c;
    return out;
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The value of a "Key: value" line, when the line has that key.
bool keyed(std::string_view line, std::string_view key, std::string& value) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || lower(trimmed(line.substr(0, colon))) != key)
        return false;
    value = trimmed(line.substr(colon + 1));
    return true;
}

// A frequency with its unit, "10kHz", "1.5 GHz", "2700000000": in Hz, or a negative number.
double frequencyText(std::string_view t) {
    std::string s = withoutBlanks(t);
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || !(v > 0))
        return -1;
    const std::string unit = lower(std::string(r.ptr, static_cast<const char*>(s.data() + s.size())));
    if (unit.empty() || unit == "hz")
        return v;
    if (unit == "khz" || unit == "k")
        return v * 1e3;
    if (unit == "mhz" || unit == "m")
        return v * 1e6;
    if (unit == "ghz" || unit == "g")
        return v * 1e9;
    return -1;
}

} // namespace

DeviceInfo readInfo(const Reply& info, const Reply* version, const std::string& port) {
    DeviceInfo d;
    std::string infoVersion;
    bool haveBoard = false;
    int points = 0;
    for (std::size_t i = 0; i < info.lineCount(); ++i) {
        const std::string_view l = info.line(i);
        std::string v;
        if (!haveBoard && keyed(l, "board", v)) {
            d.board = withoutBlanks(v);
            haveBoard = !d.board.empty();
        } else if (infoVersion.empty() && keyed(l, "version", v)) {
            infoVersion = withoutBlanks(v);
        } else if (const auto colon = l.find(':'); colon != std::string_view::npos) {
            // Builds that say their limits: "Max points: 401", "Frequency range: 10kHz - 1.5GHz".
            const std::string key = lower(trimmed(l.substr(0, colon)));
            const std::string value = trimmed(l.substr(colon + 1));
            if (key.find("point") != std::string::npos) {
                int p = 0;
                const auto r = std::from_chars(value.data(), value.data() + value.size(), p);
                if (r.ec == std::errc() && r.ptr == value.data() + value.size() && p >= 2 && p <= 10001)
                    points = p;
            } else if (key.find("freq") != std::string::npos || key.find("range") != std::string::npos) {
                const auto dash = value.find('-');
                if (dash != std::string::npos) {
                    const double lo = frequencyText(std::string_view(value).substr(0, dash));
                    const double hi = frequencyText(std::string_view(value).substr(dash + 1));
                    if (lo > 0 && hi > lo && hi <= 100e9) {
                        d.minHz = lo;
                        d.maxHz = hi;
                    }
                }
            }
        }
    }
    if (!haveBoard) {
        if (info.lineCount() == 1 && info.line(0) == "info?")
            throw Error(Fault::NotAnalyser,
                        "The device on " + port +
                            " has no info command: it is not a NanoVNA, or its firmware is "
                            "too old to tell its board.");
        throw Error(Fault::NotAnalyser, "The device on " + port +
                                            " does not say its board (no \"Board:\" line in its info): it is "
                                            "not a NanoVNA.");
    }
    const std::string b = lower(d.board);
    if (b.find("tinysa") != std::string::npos)
        throw Error(Fault::NotAnalyser,
                    "The device on " + port + " is a " + d.board +
                        " spectrum analyser, not a vector network analyser: it measures no "
                        "reflection.");
    if (b.find("vna") == std::string::npos)
        throw Error(Fault::NotAnalyser, "The device on " + port + " is a " + d.board +
                                            ", not a vector network analyser of the NanoVNA family.");
    // The H4 scans 401 points at a time, the older boards 101; a build may say otherwise, and a refused
    // scan teaches the rest.
    d.maxPoints = points ? points : b.find("h4") != std::string::npos ? 401 : 101;
    if (version && version->lineCount() >= 1 && version->line(0) != "version?")
        d.firmware = withoutBlanks(version->line(0));
    if (d.firmware.empty())
        d.firmware = infoVersion.empty() ? "unknown" : infoVersion;
    return d;
}

SweepRequest requestMhz(double startMhz, double stopMhz, long long points) {
    SweepRequest r;
    r.startHz = std::isfinite(startMhz) && std::fabs(startMhz) < 1e9
                    ? static_cast<double>(std::llround(startMhz * 1e6))
                    : startMhz * 1e6;
    r.stopHz = std::isfinite(stopMhz) && std::fabs(stopMhz) < 1e9
                   ? static_cast<double>(std::llround(stopMhz * 1e6))
                   : stopMhz * 1e6;
    r.points = static_cast<int>(std::clamp<long long>(points, -1, 1000000));
    return r;
}

std::string checkFieldsMhz(double mhz, const SweepRequest& r) {
    const double hz = mhz * 1e6;
    if (hz >= r.startHz * (1 - 1e-9) && hz <= r.stopHz * (1 + 1e-9))
        return {};
    return "The frequency for the fields, " + touchstone::mhzText(hz) + ", is outside the sweep, " +
           touchstone::mhzText(r.startHz) + " to " + touchstone::mhzText(r.stopHz) + ".";
}

std::vector<double> grid(const SweepRequest& r) {
    std::vector<double> g(static_cast<std::size_t>(std::max(r.points, 0)));
    const double span = r.stopHz - r.startHz;
    for (int i = 0; i < r.points; ++i)
        g[i] = i == r.points - 1 ? r.stopHz : r.startHz + span * i / (r.points - 1);
    return g;
}

std::string checkRequest(const SweepRequest& r, const DeviceInfo& d) {
    const auto mhz = [](double hz) { return touchstone::mhzText(hz); };
    if (!std::isfinite(r.startHz) || !std::isfinite(r.stopHz) || !(r.startHz < r.stopHz))
        return "The start frequency must be below the stop frequency.";
    if (r.points < 2 || r.points > 10001)
        return "A sweep has from 2 to 10,001 points.";
    if (r.startHz < d.minHz * (1 - 1e-9) || r.stopHz > d.maxHz * (1 + 1e-9))
        return "The " + d.board + " measures from " + mhz(d.minHz) + " to " + mhz(d.maxHz) + ": " +
               mhz(r.startHz) + " to " + mhz(r.stopHz) + " is outside it.";
    if ((r.stopHz - r.startHz) / (r.points - 1) < 1.0)
        return "The points of a sweep are at least 1 Hz apart: " + std::to_string(r.points) +
               " points need " + std::to_string(r.points - 1) + " Hz from start to stop.";
    return {};
}

std::vector<double> scanGrid(const Segment& s) {
    std::vector<double> g(static_cast<std::size_t>(std::max(s.count, 0)));
    const double a = static_cast<double>(s.startHz), span = static_cast<double>(s.stopHz - s.startHz);
    for (int k = 0; k < s.count; ++k)
        g[k] = k == s.count - 1 ? static_cast<double>(s.stopHz) : a + span * k / (s.count - 1);
    return g;
}

std::vector<Segment> segments(const std::vector<double>& g, int from, int maxPoints) {
    std::vector<Segment> out;
    const int total = static_cast<int>(g.size()) - from;
    if (total < 2 || maxPoints < 3)
        return out;
    const int count = (total + maxPoints - 1) / maxPoints;
    int first = from;
    for (int k = 0; k < count; ++k) {
        // The first (total % count) scans take one point more.
        const int n = total / count + (k < total % count ? 1 : 0);
        Segment s;
        s.first = first;
        s.count = n;
        s.startHz = std::llround(g[first]);
        s.stopHz = std::llround(g[first + n - 1]);
        out.push_back(s);
        first += n;
    }
    return out;
}

} // namespace analyser
