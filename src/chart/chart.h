// What the Smith chart shows, as plain data computed from the window's state: the impedances the panels
// last computed (while their results stand) and the path of the line between its measured and far
// points. The chart window only draws it; formscript's `chart` prints it.
#pragma once

#include "line/models.h"
#include "line/physics.h"
#include "touchstone/touchstone.h"
#include "ui/form.h"

#include <complex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

using Complex = std::complex<double>;

// An impedance the window computed, in ohm. Names, in print order: point, line.measured, line.far,
// tuner.antenna, tuner.input.
struct Marker {
    std::string name;
    Complex z;
};

struct Picture {
    std::vector<Marker> markers;   // only markers whose panel result stands
    std::vector<Complex> linePath; // ohm, measured point first, far point last; empty without a line result
};

// The line model that moves the line's points for the chart (line.far and the path), the band and
// matching: a window-level choice, the calculator at start so that the markers agree with the panel.
line::LineModel lineModel(const ui::Form& f);
void setLineModel(ui::Form& f, line::LineModel model);

// The velocity factor of the line a matching stub is cut from: the line panel's (Text27) when it holds
// one above 0, else 0.66.
inline constexpr double kDefaultStubVelocityFactor = 0.66;
double stubVelocityFactor(const ui::Form& f);

// What the chart shows now; the markers alone (no line path) for what needs only them, such as matching.
enum class Path { Drawn, Left };
Picture picture(const ui::Form& f, Path path = Path::Drawn);

// The impedances matching can start from: markers of the picture, in the order the chart window offers
// them, each with what is said while it has none.
struct MatchSource {
    const char* marker;
    const char* missing;
};
inline constexpr MatchSource kMatchSources[] = {
    {"point", "no point impedance computed"},
    {"line.far", "no far point computed"},
    {"line.measured", "no line result"},
    {"tuner.antenna", "no tuner result"},
};
// The impedance of the marker of that name in the picture; nothing while it has none.
std::optional<Complex> markerImpedance(const Picture& p, std::string_view name);

// The line panel's fields as matching reads them, whether or not a line result stands: the frequency in
// MHz and the transceiver's impedance in ohm (the source resistance). A field too large for a double reads
// as 0, as a text that is no number does.
struct LineFields {
    double mhz = 0;
    double transceiverOhm = 0;
};
LineFields lineFields(const ui::Form& f);

// The physical length of line between the measured point and the far point of the result standing in the
// line panel, in metres; nothing while no result stands.
std::optional<double> lineLengthMetres(const ui::Form& f);

// The impedance along the line `in` by a model: the same computation at shifts at most one degree apart,
// from the measured point to the far point `far` (the end of the run, as the panel computed it).
std::vector<Complex> linePath(const line::LineInput& in, Complex far, line::LineModel model);

// One frequency of an imported sweep and the same sweep moved along the line of the panel's latest run.
struct BandPoint {
    double mhz;
    Complex measured, moved;      // ohm
    double swrMeasured, swrMoved; // on the line impedance, at the measured point and at the far point
    double totalLossDb;           // of the shifted length, with the loss due to the SWR
};

// The sweep (S11 on its file's reference) moved along the line of the result that stands in Text22 by
// the chosen line model at every frequency f, with the same physical length (the panel's shift in degrees
// at its frequency f0, times f / f0), the cable's loss at f ("Auto") or the typed loss, the same
// direction, line and transceiver. Empty while no line result stands. A frequency the model cannot move
// (no passive load, no antenna behind the loss, an arithmetic fault) is left out.
std::vector<BandPoint> band(const ui::Form& f, const touchstone::Network& sweep);

// What a saved moved sweep says of itself, one comment line each: the source file, the cable, the shift
// in degrees and metres, the direction and the line model. Empty while no line result stands.
std::vector<std::string> bandComments(const ui::Form& f, const touchstone::Network& sweep);

// The moved sweep as a Touchstone 1.1 one-port file, S11 on 50 ohm ("# MHz S RI R 50"), with the comments
// before the option line.
std::string movedTouchstone(const std::vector<BandPoint>& band,
                            const std::vector<std::string>& comments = {});

// The picture as formscript prints it: `chart| NAME R X`, then `chart| line.path N R X`, R and X with six
// significant digits.
std::vector<std::string> lines(const Picture& p);

} // namespace chart
