#include "cables/cable.h"

#include "numeric/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace cables {

const char* unitWord(LossUnit u) {
    return u == LossUnit::PerHundredFeet ? "ft" : "m";
}

std::optional<LossUnit> lossUnit(std::string_view word) {
    if (word == "m")
        return LossUnit::PerHundredMetres;
    if (word == "ft")
        return LossUnit::PerHundredFeet;
    return std::nullopt;
}

const char* endWord(LineEnd e) {
    return e == LineEnd::Short ? "short" : "open";
}

std::optional<LineEnd> lineEnd(std::string_view word) {
    if (word == "open")
        return LineEnd::Open;
    if (word == "short")
        return LineEnd::Short;
    return std::nullopt;
}

namespace {

// The number of UTF-8 characters of `s`, or -1 when it is not UTF-8 or holds a control character.
long characters(std::string_view s) {
    long n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > s.size())
            return -1;
        char32_t cp = len == 1 ? b : b & (0x7F >> len);
        for (int k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return -1;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[len] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return -1;
        if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0) || cp == 0x2028 || cp == 0x2029)
            return -1;
        i += len;
    }
    return n;
}

std::string quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

} // namespace

std::string checkedName(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos)
        throw Refusal("Name", "The cable needs a name.");
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    const long n = characters(name);
    if (n < 0)
        throw Refusal("Name", "A cable's name is text without control characters (tab, line end).");
    if (static_cast<std::size_t>(n) > kMaxNameLength)
        throw Refusal("Name", "A cable's name has at most " + std::to_string(kMaxNameLength) +
                                  " characters; this one has " + std::to_string(n) + ".");
    std::string kept(name);
    if (line::isCatalogName(kept))
        throw Refusal("Name", quoted(kept) + " is a cable of the catalog: give yours another name.");
    return kept;
}

void checkLine(double z0, double vf) {
    if (!std::isfinite(z0) || !(z0 > 0))
        throw Refusal("Z0", "The impedance Z0 must be greater than 0 ohm.");
    if (!std::isfinite(vf) || !(vf > 0) || vf > 1)
        throw Refusal("VF", "The velocity factor VF must be greater than 0 and at most 1.");
}

void checkPoints(const std::vector<Point>& points) {
    if (points.empty())
        throw Refusal("Points", "The datasheet needs at least one point (MHz and loss).");
    if (points.size() > kMaxPoints)
        throw Refusal("Points", "At most " + std::to_string(kMaxPoints) + " datasheet points; " +
                                    std::to_string(points.size()) + " were given.");
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& p = points[i];
        if (!std::isfinite(p.mhz) || !(p.mhz > 0))
            throw Refusal("Points",
                          "Point " + std::to_string(i + 1) + ": the frequency must be greater than 0 MHz.");
        if (!std::isfinite(p.loss) || p.loss < 0)
            throw Refusal("Points", "Point " + std::to_string(i + 1) + ": the loss cannot be negative.");
        for (std::size_t j = 0; j < i; ++j)
            if (points[j].mhz == p.mhz)
                throw Refusal("Points", "Points " + std::to_string(j + 1) + " and " + std::to_string(i + 1) +
                                            " have the same frequency, " + shortest(p.mhz) + " MHz.");
    }
}

std::optional<double> number(std::string_view t) {
    return num::parseNumber(t);
}

std::string shortest(double v) {
    return num::Shortest(v);
}

std::string sixDigits(double v) {
    return num::Significant(v, 6);
}

line::LossCoefficients fromDbPer100ft(double k0, double k1, double k2) {
    return {k0 * 1e6, k1 * 1e6, k2 * 1e6};
}

double dbPer100ft(double millionths) {
    return millionths / 1e6;
}

std::optional<double> millionthsOf(std::string_view text) {
    if (!number(text))
        return std::nullopt;
    // The exponent raised by 6 in the text itself: one rounding, from the decimal number to the double.
    std::string shifted(text);
    if (shifted.front() == '+')
        shifted.erase(0, 1); // from_chars takes no plus sign
    long exponent = 6;
    const auto e = shifted.find_first_of("eE");
    if (e != std::string::npos) {
        long given = 0;
        const char* from = shifted.data() + e + 1;
        if (*from == '+')
            ++from;
        const auto r = std::from_chars(from, shifted.data() + shifted.size(), given);
        if (r.ec != std::errc() || given > 1000 || given < -1000)
            return *number(text) * 1e6; // 0 written with a huge exponent: nothing to round
        exponent += given;
        shifted.erase(e);
    }
    shifted += "e" + std::to_string(exponent);
    double v = 0;
    const auto r = std::from_chars(shifted.data(), shifted.data() + shifted.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::string dbPer100ftText(double millionths) {
    return num::Shortest(millionths, 6);
}

} // namespace cables
