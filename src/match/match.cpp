#include "match/match.h"

#include "numeric/numtext.h"
#include "numeric/reflection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace match {

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
constexpr double kLight = 299792458.0; // m/s

bool finite(Complex z) {
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

// One reactance as a design element, with its standard-value variants.
void fillParts(Design& d, double hz) {
    d.series = partFor(d.seriesX, hz);
    d.shunt = partFor(d.shuntX, hz);
    const auto rounded = [](Part p, double (*nearest)(double)) {
        if (p.kind == PartKind::Inductor || p.kind == PartKind::Capacitor)
            p.value = nearest(p.value);
        return p;
    };
    d.seriesE12 = rounded(d.series, nearestE12);
    d.shuntE12 = rounded(d.shunt, nearestE12);
    d.seriesE24 = rounded(d.series, nearestE24);
    d.shuntE24 = rounded(d.shunt, nearestE24);
}

double nearestOf(double v, const int* series, int n) {
    if (!(v > 0.0) || !std::isfinite(v))
        return v;
    // Candidates k * 10^(e - 1) for the value's decade and its neighbours; the powers of ten up to 10^22
    // are exact doubles, so 82 pF comes out as the double nearest to 8.2e-11.
    const int decade = static_cast<int>(std::floor(std::log10(v)));
    double best = v, bestErr = std::numeric_limits<double>::infinity();
    for (int e = decade - 1; e <= decade + 1; ++e) {
        const int p = e - 1;
        const double scale = std::pow(10.0, std::abs(p));
        for (int i = 0; i < n; ++i) {
            const double c = p >= 0 ? series[i] * scale : series[i] / scale;
            const double err = std::abs(std::log(c / v));
            if (err < bestErr) {
                bestErr = err;
                best = c;
            }
        }
    }
    return best;
}

Stub singleStub(double r, double x, bool onConductanceCircle, double hz, double vf) {
    // Normalised on Rs. At the distance theta towards the source the reflection coefficient is
    // gamma * e^(-j 2 theta); its admittance has conductance 1 where Re(gamma_d) = -|gamma|^2, that is
    // gamma_d = rho e^(j psi) with cos psi = -rho. The susceptance there is -2 rho sin(psi) / (1 - rho^2).
    const Complex z(r, x);
    const Complex gamma = num::reflection(z, 1.0);
    const double rho = std::abs(gamma);
    const double oneMinusRho2 = 4.0 * r / std::norm(z + 1.0);
    double theta = 0.0, b = 0.0;
    if (onConductanceCircle) {
        b = -x / std::norm(z); // the load's own susceptance
    } else {
        // psi from its cosine -rho and its sine sqrt(1 - rho^2), the latter from r directly: near the
        // chart's rim (high-Q loads) acos(-rho) would lose the digits that the match depends on.
        const double phi = std::arg(gamma);
        const double sinPsi = std::sqrt(oneMinusRho2);
        const double psi0 = std::atan2(sinPsi, -rho);
        theta = std::numeric_limits<double>::infinity();
        for (double sign : {1.0, -1.0}) {
            double t = std::fmod((phi - sign * psi0) / 2.0, std::numbers::pi);
            if (t < 0.0)
                t += std::numbers::pi;
            if (t < theta) {
                theta = t;
                b = -2.0 * rho * sign * sinPsi / oneMinusRho2;
            }
        }
    }
    // The stub cancels b: an open stub has admittance j tan(beta l), a shorted one -j cot(beta l).
    double open = std::atan(-b);
    if (open < 0.0)
        open += std::numbers::pi;
    const double shorted = std::atan2(1.0, b);
    const double toDeg = 180.0 / std::numbers::pi;
    Stub s;
    s.distanceDeg = theta * toDeg;
    s.openDeg = open * toDeg;
    s.shortDeg = shorted * toDeg;
    const double metresPerDeg = kLight / hz * vf / 360.0;
    s.distanceM = s.distanceDeg * metresPerDeg;
    s.openM = s.openDeg * metresPerDeg;
    s.shortM = s.shortDeg * metresPerDeg;
    return s;
}

} // namespace

Complex inputImpedance(Topology t, double seriesX, double shuntX, Complex load) {
    const auto withShunt = [shuntX](Complex z) {
        if (std::isinf(shuntX))
            return z;
        return 1.0 / (1.0 / z + 1.0 / Complex(0.0, shuntX));
    };
    if (t == Topology::ShuntLoad)
        return withShunt(load) + Complex(0.0, seriesX);
    return withShunt(load + Complex(0.0, seriesX));
}

Part partFor(double x, double hz) {
    if (x == 0.0)
        return {PartKind::Short, 0.0};
    if (std::isinf(x))
        return {PartKind::Open, 0.0};
    const double w = 2.0 * std::numbers::pi * hz;
    if (x > 0.0)
        return {PartKind::Inductor, x / w};
    return {PartKind::Capacitor, 1.0 / (w * -x)};
}

double reactanceOf(const Part& p, double hz) {
    const double w = 2.0 * std::numbers::pi * hz;
    switch (p.kind) {
    case PartKind::Inductor:
        return w * p.value;
    case PartKind::Capacitor:
        return -1.0 / (w * p.value);
    case PartKind::Short:
        return 0.0;
    case PartKind::Open:
        break;
    }
    return kOpen;
}

double nearestE12(double v) {
    static constexpr int e12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
    return nearestOf(v, e12, 12);
}

double nearestE24(double v) {
    static constexpr int e24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                  33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    return nearestOf(v, e24, 24);
}

double swr(Complex z, double rs) {
    return num::swr(std::abs(num::reflection(z, rs)));
}

Result design(Complex load, double hz, double rs, double velocityFactor) {
    Result res;
    if (!(hz > 0.0)) {
        res.none = "frequency must be above 0";
        return res;
    }
    if (!(hz < 1e300)) {
        res.none = "frequency out of range";
        return res;
    }
    if (!(rs > 0.0) || !std::isfinite(rs)) {
        res.none = "source resistance must be above 0";
        return res;
    }
    if (!finite(load)) {
        res.none = "load impedance out of range";
        return res;
    }
    if (!(load.real() > 0.0)) {
        res.none = "load resistance must be above 0";
        return res;
    }

    // Normalised on Rs: z = r + jx. Beyond 1e100 either way the squares below would leave the doubles.
    const double r = load.real() / rs, x = load.imag() / rs;
    if (!(r >= 1e-100 && r <= 1e100 && std::abs(x) <= 1e100)) {
        res.none = "load impedance out of range";
        return res;
    }
    // The two conditions, each snapped to its exact boundary when it is within rounding of it (the match
    // that the snapped design gives is then off by rounding only, and no near-copy of a design appears):
    //  q1 = r(r - 1) + x^2 >= 0: the load's conductance is at most 1/Rs (shunt element at the load);
    //  r <= 1: the load's resistance is at most Rs (shunt element at the source).
    double q1 = r * (r - 1.0) + x * x;
    const bool q1Zero = std::abs(q1) <= 8.0 * kEps * (r * r + r + x * x);
    if (q1Zero)
        q1 = 0.0;
    const bool rIsOne = std::abs(r - 1.0) <= 4.0 * kEps;
    if (rIsOne && x == 0.0) {
        res.none = "load already equals Rs";
        return res;
    }

    const double n = r * r + x * x;
    const double g = r / n, bl = -x / n; // the load's admittance, normalised
    if (q1 >= 0.0) {
        // Shunt susceptance first: g + j b' with g / (g^2 + b'^2) = 1, b'^2 = g q1 / n; then the series
        // reactance b'/g = sqrt(q1 / r) cancels what is left.
        for (double s : {1.0, -1.0}) {
            if (q1Zero && s < 0.0)
                break;
            const double bp = s * std::sqrt(g * q1 / n);
            // With R == Rs one root needs no shunt element: that circuit is listed as ShuntSource.
            if (rIsOne && (bp > 0.0) == (bl > 0.0))
                continue;
            Design d;
            d.topology = Topology::ShuntLoad;
            d.seriesX = q1Zero ? 0.0 : s * std::sqrt(q1 / r) * rs;
            d.shuntX = -1.0 / (bp - bl) * rs;
            res.designs.push_back(d);
        }
    }
    if (r <= 1.0 || rIsOne) {
        // Series reactance first: r + j x' with r / (r^2 + x'^2) = 1, x'^2 = r (1 - r); then the shunt
        // susceptance x'/r cancels what is left.
        const double q2 = rIsOne ? 0.0 : r * (1.0 - r);
        for (double s : {1.0, -1.0}) {
            if (rIsOne && s < 0.0)
                break;
            const double xp = s * std::sqrt(q2);
            // With the load's conductance 1/Rs one root needs no series element: listed as ShuntLoad.
            if (q1Zero && (xp > 0.0) == (x > 0.0))
                continue;
            Design d;
            d.topology = Topology::ShuntSource;
            d.seriesX = rIsOne ? -load.imag() : (xp - x) * rs;
            d.shuntX = rIsOne ? kOpen : -r / xp * rs;
            res.designs.push_back(d);
        }
    }
    for (Design& d : res.designs) {
        if (std::isinf(d.shuntX))
            d.shuntX = kOpen;
        if (!std::isfinite(d.seriesX) || std::isnan(d.shuntX)) {
            res.designs.clear();
            res.none = "load impedance out of range";
            return res;
        }
        fillParts(d, hz);
        const Complex e12 =
            inputImpedance(d.topology, reactanceOf(d.seriesE12, hz), reactanceOf(d.shuntE12, hz), load);
        const Complex e24 =
            inputImpedance(d.topology, reactanceOf(d.seriesE24, hz), reactanceOf(d.shuntE24, hz), load);
        d.e12Swr = swr(e12, rs);
        d.e24Swr = swr(e24, rs);
    }
    res.stub = singleStub(r, x, q1Zero, hz, velocityFactor);
    return res;
}

std::vector<Complex> path(const Design& d, Complex load, double rs, int steps) {
    steps = std::max(steps, 1);
    std::vector<Complex> out{load};
    Complex z = load;
    const auto series = [&] {
        if (d.seriesX == 0.0)
            return;
        const Complex start = z;
        for (int k = 1; k <= steps; ++k)
            out.push_back(start + Complex(0.0, d.seriesX * k / steps));
        z = out.back();
    };
    const auto shunt = [&] {
        if (std::isinf(d.shuntX))
            return;
        const Complex y = 1.0 / z;
        const double b = -1.0 / d.shuntX;
        for (int k = 1; k <= steps; ++k)
            out.push_back(1.0 / (y + Complex(0.0, b * k / steps)));
        z = out.back();
    };
    if (d.topology == Topology::ShuntLoad) {
        shunt();
        series();
    } else {
        series();
        shunt();
    }
    if (out.size() > 1)
        out.back() = Complex(rs, 0.0);
    return out;
}

std::string topologyName(Topology t) {
    return t == Topology::ShuntLoad ? "shunt-load" : "shunt-source";
}

std::string reactanceText(double x, char decimalSign, int digits) {
    if (std::isinf(x))
        return "open";
    return num::Significant(x, digits, decimalSign, num::Notation::General);
}

std::string partText(const Part& p, char decimalSign, bool microSign) {
    switch (p.kind) {
    case PartKind::Short:
        return "short";
    case PartKind::Open:
        return "open";
    case PartKind::Inductor:
        // nH below what would read as 1000nH, uH from there on
        return p.value * 1e9 < 999.9995
                   ? num::Significant(p.value * 1e9, 6, decimalSign, num::Notation::General) + "nH"
                   : num::Significant(p.value * 1e6, 6, decimalSign, num::Notation::General) +
                         (microSign ? "\u00B5H" : "uH");
    case PartKind::Capacitor:
        break;
    }
    return p.value * 1e12 < 999.9995
               ? num::Significant(p.value * 1e12, 6, decimalSign, num::Notation::General) + "pF"
               : num::Significant(p.value * 1e9, 6, decimalSign, num::Notation::General) + "nF";
}

std::string degreesText(double deg, char decimalSign) {
    return num::Significant(deg, 9, decimalSign, num::Notation::General);
}

std::string metresText(double m, char decimalSign) {
    return num::Significant(m, 9, decimalSign, num::Notation::General);
}

std::string swrText(double swr, char decimalSign) {
    if (!std::isfinite(swr))
        return "inf";
    return num::Format(swr, "0.000", decimalSign);
}

std::string designText(const Design& d, char decimalSign) {
    // A reading, not a record: reactances to six significant digits, the micro sign.
    const auto ohm = [&](double x) {
        return reactanceText(x, decimalSign, 6) + (std::isfinite(x) ? " ohm" : "");
    };
    const auto part = [&](const Part& p) { return partText(p, decimalSign, true); };
    return "Series " + ohm(d.seriesX) + ": " + part(d.series) + "\nShunt " + ohm(d.shuntX) + ": " +
           part(d.shunt) + "\nE24 " + part(d.seriesE24) + ", " + part(d.shuntE24) + " SWR " +
           swrText(d.e24Swr, decimalSign) + "; E12 " + part(d.seriesE12) + ", " + part(d.shuntE12) + " SWR " +
           swrText(d.e12Swr, decimalSign);
}

std::string stubText(const Stub& s, double rs, char decimalSign) {
    const auto deg = [&](double v) { return degreesText(v, decimalSign); };
    const auto m = [&](double v) { return num::Format(v, "0.000", decimalSign); };
    return "Stub on a " + num::Format(rs, "0.0", decimalSign) + " ohm line: at " + deg(s.distanceDeg) +
           "\xC2\xB0 (" + m(s.distanceM) + " m) from the load, open " + deg(s.openDeg) + "\xC2\xB0 (" +
           m(s.openM) + " m) or shorted " + deg(s.shortDeg) + "\xC2\xB0 (" + m(s.shortM) + " m)";
}

} // namespace match
