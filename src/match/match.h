// Matching a load to a resistive source: the lossless L-networks of one series and one shunt element,
// their parts at a frequency and as standard (E12/E24) values, and the single shunt stub on a line.
// Plain numbers only: the chart window and formscript both use this.
#pragma once

#include <complex>
#include <limits>
#include <string>
#include <vector>

namespace match {

using Complex = std::complex<double>;

inline constexpr double kOpen = std::numeric_limits<double>::infinity(); // the reactance of no shunt element

// Where the shunt element sits. Seen from the source, both are a series element and a shunt element:
//   ShuntLoad:    source -- series X1 --+-- load        ShuntSource:  source --+-- series X1 -- load
//                                       X2                                    X2
//                                       |                                     |
//                                      gnd                                   gnd
enum class Topology { ShuntLoad, ShuntSource };

// One element as a part: an inductor (henry) or a capacitor (farad) at the design frequency, or no part
// at all: `Short` for a series element of 0 ohm, `Open` for a shunt element of infinite reactance.
enum class PartKind { Inductor, Capacitor, Short, Open };
struct Part {
    PartKind kind = PartKind::Short;
    double value = 0.0; // henry or farad; 0 for Short and Open
};

struct Design {
    Topology topology = Topology::ShuntLoad;
    double seriesX = 0.0;  // ohm; exactly 0 when the design needs no series element
    double shuntX = kOpen; // ohm; kOpen (+infinity) when the design needs no shunt element
    Part series, shunt;    // the exact parts at the frequency
    Part seriesE12, shuntE12, seriesE24, shuntE24; // each rounded to the nearest value of the series
    double e12Swr = 1.0, e24Swr = 1.0;             // SWR on Rs that the rounded parts give
};

// The single shunt stub on a line of impedance Rs: the shortest distance from the load towards the source
// at which the line's conductance equals 1/Rs, and the open and the shorted stub that cancel the
// susceptance there. Electrical degrees in [0, 180); metres on a line of the given velocity factor.
struct Stub {
    double distanceDeg = 0.0, openDeg = 0.0, shortDeg = 0.0;
    double distanceM = 0.0, openM = 0.0, shortM = 0.0;
};

struct Result {
    std::vector<Design> designs; // ShuntLoad designs first, then ShuntSource; see design()
    Stub stub;                   // valid when `none` is empty
    std::string none;            // why nothing is designed (load already Rs, or unusable input); else empty
};

// Every lossless L-network that turns the load Z = R + jX (ohm, R > 0) into exactly Rs (ohm, > 0) at hz
// (> 0), each listed once:
//  - ShuntLoad exists when R(R - Rs) + X^2 >= 0 (the load's conductance is at most 1/Rs),
//  - ShuntSource exists when R <= Rs,
// each with the two signs of the square root (the design with the larger series reactance first); a
// root of zero gives one design. A circuit that two topologies share (series element alone when R == Rs,
// shunt element alone when the load's conductance is 1/Rs) is listed once: series alone as ShuntSource,
// shunt alone as ShuntLoad. The load already equal to Rs gives no design and a reason in `none`; so do
// R <= 0, Rs <= 0, hz <= 0 or >= 1e300, R/Rs or |X|/Rs above 1e100, R/Rs below 1e-100, and values that
// are not finite. `velocityFactor` only sizes the stub in metres.
Result design(Complex load, double hz, double rs, double velocityFactor = 1.0);

// The impedances (ohm) the source side of the network shows while the design's elements grow from nothing
// to their value, element by element in the order they meet the load: the load first, then `steps`
// points along each element's segment (a shunt element moves along the load-side conductance circle, a
// series element along a resistance circle), the last point exactly Rs. An absent element adds no
// segment. steps < 1 counts as 1.
std::vector<Complex> path(const Design& d, Complex load, double rs, int steps);

// The impedance the source sees: the load through the design's series reactance and shunt reactance
// (ohm, kOpen for none) in its topology.
Complex inputImpedance(Topology t, double seriesX, double shuntX, Complex load);

// The part that has reactance x ohm at hz: an inductor for x > 0, a capacitor for x < 0; x == 0 is
// `Short`, an infinite x `Open`.
Part partFor(double x, double hz);
// The reactance of a part at hz (0 for Short, kOpen for Open).
double reactanceOf(const Part& p, double hz);
// The nearest value of the E12 or E24 series (ratio-wise, any decade) to v > 0.
double nearestE12(double v);
double nearestE24(double v);
// SWR of impedance z on the real reference rs.
double swr(Complex z, double rs);

// Texts as formscript and the chart window show them, independent of the C locale; `decimalSign` is the
// regional decimal sign of displayed results (formscript's `match` always uses the dot):
std::string topologyName(Topology t); // "shunt-load", "shunt-source"
// A reactance to 9 significant digits (the window's list reads 6), "open" for kOpen.
std::string reactanceText(double x, char decimalSign = '.', int digits = 9);
// "1.23456uH", "82.0012pF", "short", "open"; with microSign "1.23456µH" (UTF-8), as a window writes it.
std::string partText(const Part& p, char decimalSign = '.', bool microSign = false);
std::string degreesText(double deg, char decimalSign = '.'); // 9 significant digits
std::string metresText(double m, char decimalSign = '.');    // 9 significant digits
std::string swrText(double swr, char decimalSign = '.');     // 3 decimals ("1.024")

// A design as the chart window lists it, three lines: the series and the shunt element (reactance to six
// significant digits and exact part, µH with the micro sign), then the E24 and the E12 parts with the SWR
// each gives:
// "Series 25.5 ohm: 287.1nH\nShunt -122.4 ohm: 92.8pF\nE24 270nH, 91pF SWR 1.058; E12 270nH, 100pF SWR 1.134"
std::string designText(const Design& d, char decimalSign = '.');
// The single stub as the chart window shows it, on a line of rs ohm: the distance from the load, the open
// and the shorted stub, in degrees and metres.
std::string stubText(const Stub& s, double rs, char decimalSign = '.');

} // namespace match
