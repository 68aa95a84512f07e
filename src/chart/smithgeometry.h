// The geometry of the Smith chart as plain numbers: an impedance and its reflection coefficient on a
// reference resistance, the circles of the grid in the reflection plane, and the readout of a point.
// The chart window draws with these; they are kept free of any toolkit so that they are tested alone.
#pragma once

#include "numeric/numtext.h"
#include "numeric/reflection.h"

#include <cmath>
#include <complex>
#include <limits>
#include <string>

namespace chart::geom {

using Complex = std::complex<double>;

inline constexpr double kPi = 3.14159265358979323846;

// A circle in the reflection plane.
struct Circle {
    Complex centre;
    double radius;
};

// Constant normalised resistance r (>= 0): centre r/(1+r), radius 1/(1+r).
inline Circle resistanceCircle(double r) {
    return {Complex(r / (1.0 + r), 0.0), 1.0 / (1.0 + r)};
}
// Constant normalised reactance x (non-zero): centre 1 + j/x, radius 1/|x|.
inline Circle reactanceCircle(double x) {
    return {Complex(1.0, 1.0 / x), 1.0 / std::abs(x)};
}
// The admittance grid is the impedance grid turned by half a turn (y = 1/z turns gamma into -gamma).
inline Circle conductanceCircle(double g) {
    return {Complex(-g / (1.0 + g), 0.0), 1.0 / (1.0 + g)};
}
inline Circle susceptanceCircle(double b) {
    return {Complex(-1.0, -1.0 / b), 1.0 / std::abs(b)};
}

// The part of a circle between two of its points, as a start angle and a sweep in degrees measured
// counter-clockwise from the positive real axis about the circle's centre. The shorter of the two arcs is
// taken: a reactance or susceptance circle crosses the unit circle at right angles, so the part inside
// the chart is always less than half of it.
struct Arc {
    double startDeg;
    double sweepDeg;
};
inline Arc arcBetween(const Circle& c, Complex from, Complex to) {
    const double a0 = std::arg(from - c.centre) * 180.0 / kPi;
    const double a1 = std::arg(to - c.centre) * 180.0 / kPi;
    double sweep = a1 - a0;
    while (sweep > 180.0)
        sweep -= 360.0;
    while (sweep < -180.0)
        sweep += 360.0;
    return {a0, sweep};
}

// The arc of constant reactance x inside the chart: from the rim (r = 0) to the open circuit (gamma = 1).
inline Arc reactanceArc(double x) {
    const Circle c = reactanceCircle(x);
    return arcBetween(c, num::reflection(Complex(0.0, x), 1.0), Complex(1.0, 0.0));
}
// The arc of constant susceptance b inside the chart: from the rim (g = 0) to the short (gamma = -1).
inline Arc susceptanceArc(double b) {
    const Circle c = susceptanceCircle(b);
    return arcBetween(c, -num::reflection(Complex(0.0, b), 1.0), Complex(-1.0, 0.0));
}

// What the chart says about one point of the reflection plane, on the reference z0.
struct Readout {
    double r, x;  // ohm
    double rho;   // |gamma|
    double angle; // degrees, -180 .. 180
    double swr;   // infinite on the rim
};
inline Readout readout(Complex gamma, double z0) {
    const Complex z = num::impedance(gamma, z0);
    const double rho = std::abs(gamma);
    return {z.real(), z.imag(), rho, std::arg(gamma) * 180.0 / kPi, num::swr(rho)};
}

// Readout lines, with the dot or comma the results of the window use. A reactance shows its sign.
inline std::string signedText(double v, std::string_view pattern, char decimalSign) {
    return (v < 0 ? "-" : "+") + num::Format(std::abs(v), pattern, decimalSign);
}
inline std::string valueText(double v, std::string_view pattern, char decimalSign) {
    if (!std::isfinite(v))
        return "inf";
    return num::Format(v, pattern, decimalSign);
}
// "R = 25.00 ohm  X = +10.00 ohm" and "|Gamma| = 0.3500  Angle = 150.0°  SWR = 2.077".
inline std::string impedanceText(const Readout& p, char decimalSign = '.') {
    if (!std::isfinite(p.r) || !std::isfinite(p.x))
        return "R = inf  X = inf";
    return "R = " + valueText(p.r, "0.00", decimalSign) +
           " ohm  X = " + signedText(p.x, "0.00", decimalSign) + " ohm";
}
inline std::string reflectionText(const Readout& p, char decimalSign = '.') {
    return "|Gamma| = " + valueText(p.rho, "0.0000", decimalSign) +
           "  Angle = " + valueText(p.angle, "0.0", decimalSign) +
           "\xC2\xB0  SWR = " + valueText(p.swr, "0.000", decimalSign);
}

} // namespace chart::geom
