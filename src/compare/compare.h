// The input-output comparison: loss or gain of a two-port (tuner, transformer, line, amplifier) from the
// voltages or the currents measured at its input and output on complex impedances.
#pragma once

#include "numeric/checked.h"
#include "ui/form.h"

#include <string>

namespace compare {

using num::Real;

// Window-level variables of the comparison, shared by the voltage and the current comparison and kept
// between clicks.
struct CompareVars {
    Real R2, X2;        // input-side impedance, ohm
    Real R3, X3;        // output-side impedance, ohm
    Real V2, V3;        // input and output voltage, rms
    Real III, IIO;      // input and output current, A
    Real PWRIN, PWROUT; // real power at input and output, W
    Real IIN, IOUT;     // current magnitude at input and output, A (voltage comparison)
    Real VIN, VOUT;     // rms voltage at input and output, V (current comparison)
    Real Gain;          // 10 log10 of output over input power, dB; negative for a loss
    Real RelGL;         // output power over input power
    std::string GLSTR;  // label of the loss/gain line

    bool operator==(const CompareVars&) const = default;
};

// What Text5 holds in place of a report when the voltages or the currents give no power at either end.
inline constexpr const char* kNoVoltage = "Insert a proper Voltage value!";
inline constexpr const char* kNoCurrent = "Insert a proper current value!";

// Command3: comparison on voltage, report into Text5.
void command3Click(ui::Form& f);

// Command6: comparison on current, report into Text5.
void command6Click(ui::Form& f);

} // namespace compare
