// The two models of the line that the chart, the band view and matching choose between: the panel's own
// figures (the calculator: the reflected power attenuated by the total loss, matched plus SWR loss) and
// the physical line (the telegrapher's equations: the reflection coefficient attenuated by the matched
// loss alone). Both agree at low SWR and part at high SWR.
#pragma once

#include "line/physics.h"

#include <optional>
#include <string>

namespace line {

enum class LineModel { Calculator, Physical };

// "calculator" or "physical", as formscript's `linemodel` takes them.
std::string lineModelWord(LineModel model);

// The far point of the line `in` by a model.
struct MovedPoint {
    Complex impedance;  // ohm
    double swr;         // on the line impedance
    double totalLossDb; // of the shifted length, with the loss due to the SWR at the end the power leaves
};

// Nothing towards the antenna when no passive antenna behind this loss gives the measured reflection. A
// step out of range stops with num::ArithFault, as the panel's calculation does.
std::optional<MovedPoint> movePoint(const LineInput& in, LineModel model);

// The physical length of the shift, metres: |shift| / 360 wavelengths on the line.
Real shiftMetres(const LineInput& in);

} // namespace line
