// The user's own cables: a name, an impedance, a velocity factor and the catalog's loss model, entered
// from a datasheet's points or measured with an analyser, kept in a file of the user's. Nothing here
// knows the window: the wiring installs the cables into the line panel's list.
#pragma once

#include "line/catalog.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cables {

// A datasheet's loss figures are per 100 m or per 100 ft.
enum class LossUnit { PerHundredMetres, PerHundredFeet };

inline constexpr double kFeet = 0.3048; // metres in a foot

// "m" and "ft", as the file and formscript spell the units.
const char* unitWord(LossUnit u);
std::optional<LossUnit> lossUnit(std::string_view word);

// One point of a datasheet: the matched loss at a frequency, in the datasheet's unit.
struct Point {
    double mhz = 0;
    double loss = 0;
    bool operator==(const Point&) const = default;
};

struct Datasheet {
    LossUnit unit = LossUnit::PerHundredMetres;
    std::vector<Point> points; // 1 to kMaxPoints, as entered
    bool operator==(const Datasheet&) const = default;
};

inline constexpr std::size_t kMaxPoints = 12;

enum class LineEnd { Open, Short };
const char* endWord(LineEnd e);
std::optional<LineEnd> lineEnd(std::string_view word);

// How a measured cable was measured: its physical length and far end, and the sweep's file.
struct MeasuredWith {
    double metres = 0;
    LineEnd end = LineEnd::Open;
    std::string sweep; // the file's name as given, for the user's memory; "" for a live sweep
    bool operator==(const MeasuredWith&) const = default;
};

struct Cable {
    line::UserCable line;                 // name, Z0, VF and loss coefficients, as the panel uses them
    std::optional<Datasheet> datasheet;   // the points it was fitted to
    std::optional<MeasuredWith> measured; // or how it was measured
    bool operator==(const Cable&) const = default;
};

// A value that cannot make a cable; `field` names what the user entered it in ("Z0", "VF", "Name" ...),
// what() says what is wrong with it.
struct Refusal : std::runtime_error {
    Refusal(std::string f, const std::string& what) : std::runtime_error(what), field(std::move(f)) {}
    std::string field;
};

inline constexpr std::size_t kMaxNameLength = 64; // characters
inline constexpr std::size_t kMaxCables = 2000;   // in the list with the catalog's 73

// The name as it is kept: blanks at either end dropped. Throws Refusal("Name", ...) for a name that is
// empty, longer than kMaxNameLength characters, not UTF-8, holds a control character, or is a catalog
// entry's.
std::string checkedName(std::string_view name);

// Z0 > 0 and 0 < VF <= 1, finite; throws Refusal("Z0" or "VF").
void checkLine(double z0, double vf);

// Datasheet points: 1 to kMaxPoints, frequencies > 0 and each once, losses >= 0, all finite; throws
// Refusal("Points").
void checkPoints(const std::vector<Point>& points);

// A whole text as a finite number with the dot ("12.5", "-3", "1e-3"), num::parseNumber; nothing else: no
// blank, no comma, no "inf" or "nan".
std::optional<double> number(std::string_view text);

// The shortest text that reads back as the same double, with the dot.
std::string shortest(double v);

// A number for a result line: 6 significant digits, the dot, no exponent.
std::string sixDigits(double v);

// The coefficients on the catalog's scale (millionths of a dB per 100 ft) from dB per 100 ft, and back.
line::LossCoefficients fromDbPer100ft(double k0, double k1, double k2);
double dbPer100ft(double millionths);

// A text in dB per 100 ft read straight onto the catalog's scale: the decimal number times 10^6, rounded
// once, so that "0.264359" gives 264359 exactly. Nothing for a text that number() refuses.
std::optional<double> millionthsOf(std::string_view dbPer100ftText);
// The plain decimal text (no exponent) in dB per 100 ft that millionthsOf reads back as `millionths`.
std::string dbPer100ftText(double millionths);

} // namespace cables
