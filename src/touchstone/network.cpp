// What is done with a network once it is read: the values at a frequency, a change of reference, the
// impedance, and writing a one-port sweep back as a file.
#include "touchstone/touchstone.h"

#include "numeric/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace touchstone {

namespace {

bool near(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

std::string mhzText(double hz) {
    return num::Significant(hz / 1e6, 6) + " MHz";
}

std::array<Complex, 4> at(const Network& n, double hz) {
    const auto& s = n.samples;
    if (s.empty())
        throw Error(n.name + ": the data block is empty");
    const double lo = s.front().hz, hi = s.back().hz;
    if (!std::isfinite(hz) || ((hz < lo || hz > hi) && !near(hz, lo) && !near(hz, hi))) {
        // Every digit: rounded, the file's end and the asked frequency could read the same (199.999646 MHz
        // and 200 MHz are both "200").
        const auto mhz = [](double f) { return num::Shortest(f / 1e6) + " MHz"; };
        const std::string range =
            s.size() == 1 ? "covers only " + mhz(lo) : "covers " + mhz(lo) + " to " + mhz(hi);
        throw Error(n.name + " " + range + ": no value at " + mhz(hz) + ", the file is not extrapolated");
    }
    const auto it =
        std::lower_bound(s.begin(), s.end(), hz, [](const Sample& x, double f) { return x.hz < f; });
    if (it != s.end() && near(it->hz, hz))
        return it->s;
    if (it != s.begin() && near(std::prev(it)->hz, hz))
        return std::prev(it)->s;
    if (it == s.begin())
        return s.front().s;
    if (it == s.end())
        return s.back().s;
    // Linear in the real and the imaginary part separately.
    const Sample& a = *std::prev(it);
    const Sample& b = *it;
    const double t = (hz - a.hz) / (b.hz - a.hz);
    std::array<Complex, 4> out{};
    for (int k = 0; k < 4; ++k) {
        out[k] = {a.s[k].real() + t * (b.s[k].real() - a.s[k].real()),
                  a.s[k].imag() + t * (b.s[k].imag() - a.s[k].imag())};
        if (!std::isfinite(out[k].real()) || !std::isfinite(out[k].imag()))
            throw Error(n.name + ": the values around " + mhzText(hz) + " are too large to interpolate");
    }
    return out;
}

// Changing a port's real reference from R to R' mixes its waves:
//   a' = k (a - G b),  b' = k (b - G a),  G = (R' - R) / (R' + R),  k = (R + R') / (2 sqrt(R R')).
// With b = S a this gives S' = K (S - G) (I - G S)^-1 K^-1, K and G diagonal per port.
Complex renormalise(Complex s11, double fromOhm, double toOhm) {
    const double g = (toOhm - fromOhm) / (toOhm + fromOhm);
    return (s11 - g) / (1.0 - g * s11);
}

std::array<Complex, 4> renormalise(const std::array<Complex, 4>& s, const std::array<double, 2>& fromOhm,
                                   double toOhm) {
    const double g1 = (toOhm - fromOhm[0]) / (toOhm + fromOhm[0]);
    const double g2 = (toOhm - fromOhm[1]) / (toOhm + fromOhm[1]);
    const double k1 = (fromOhm[0] + toOhm) / (2.0 * std::sqrt(fromOhm[0] * toOhm));
    const double k2 = (fromOhm[1] + toOhm) / (2.0 * std::sqrt(fromOhm[1] * toOhm));
    const Complex s11 = s[0], s21 = s[1], s12 = s[2], s22 = s[3];
    // A = S - G, B = I - G S, C = A B^-1.
    const Complex a11 = s11 - g1, a12 = s12, a21 = s21, a22 = s22 - g2;
    const Complex b11 = 1.0 - g1 * s11, b12 = -g1 * s12, b21 = -g2 * s21, b22 = 1.0 - g2 * s22;
    const Complex det = b11 * b22 - b12 * b21;
    const Complex i11 = b22 / det, i12 = -b12 / det, i21 = -b21 / det, i22 = b11 / det;
    const Complex c11 = a11 * i11 + a12 * i21, c12 = a11 * i12 + a12 * i22;
    const Complex c21 = a21 * i11 + a22 * i21, c22 = a21 * i12 + a22 * i22;
    return {c11, c21 * (k2 / k1), c12 * (k1 / k2), c22};
}

std::string writeOnePortRI(const std::vector<std::pair<double, Complex>>& points,
                           const std::vector<std::string>& comments) {
    std::string out;
    for (std::string c : comments) {
        std::replace(c.begin(), c.end(), '\r', ' ');
        std::replace(c.begin(), c.end(), '\n', ' ');
        out += "! " + c + '\n';
    }
    out += "! S11 on 50 ohm\n# MHz S RI R 50\n";
    char buf[64];
    for (const auto& [hz, s] : points) {
        // The frequency's shortest decimal, shifted to MHz in the text, reads back as the same double.
        out += num::Shortest(std::fabs(hz), 6);
        for (double v : {s.real(), s.imag()}) {
            const auto r = std::to_chars(buf, buf + sizeof buf, v);
            out += ' ';
            out.append(buf, r.ptr);
        }
        out += '\n';
    }
    return out;
}

std::string writeOnePortRIHz(const std::vector<std::pair<double, Complex>>& points,
                             const std::vector<std::string>& comments) {
    std::string out;
    for (std::string c : comments) {
        std::replace(c.begin(), c.end(), '\r', ' ');
        std::replace(c.begin(), c.end(), '\n', ' ');
        out += "! " + c + '\n';
    }
    out += "# Hz S RI R 50\n";
    char buf[64];
    for (const auto& [hz, s] : points) {
        // The frequency's shortest decimal in plain notation: a whole number of hertz has no exponent.
        out += num::Shortest(std::fabs(hz));
        for (double v : {s.real(), s.imag()}) {
            const auto r = std::to_chars(buf, buf + sizeof buf, v);
            out += ' ';
            out.append(buf, r.ptr);
        }
        out += '\n';
    }
    return out;
}

} // namespace touchstone
