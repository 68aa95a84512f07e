// The point calculator: SWR and auxiliary data; power, voltage and current at a measured impedance.
#pragma once

#include "numeric/checked.h"
#include "ui/form.h"

#include <complex>
#include <cstdint>
#include <optional>
#include <string>

namespace point {

using num::Real;

// The panel's controls that code outside its handlers names (the import, the chart, the drop of a file).
namespace names {
inline constexpr const char* kPanel = "Frame1";
inline constexpr const char* kResistance = "Text7"; // the measured impedance, ohm
inline constexpr const char* kReactance = "Text8";
inline constexpr const char* kSwrResult = "Text4"; // SWR and auxiliary data
} // namespace names

// What Text2, Text3 and Text19 hold in place of a result when the voltage, power or current gives none.
inline constexpr const char* kNoVoltage = "Insert a proper voltage value!";
inline constexpr const char* kNoPower = "Insert a proper power value!";
inline constexpr const char* kNoCurrent = "Insert a proper current value!";
// What Text4 holds in place of the SWR result when the forward power gives no reflected power.
inline constexpr const char* kNoForwardPower = "Insert a proper Forward Power value!";

// The reflection data of an impedance against a reference impedance, as the SWR calculation gives them.
struct ReflectionData {
    Real reflectionRe, reflectionIm; // G = (Z - Z0) / (Z + Z0)
    Real magnitude;                  // rho
    Real swr;                        // negative when rho exceeds 1 (a complex reference)
    Real reflectedPower;             // W, for the forward power
    Real conductance, susceptance;   // siemens: the admittance of the impedance
};

// What one calculation leaves for the next: a perfect match has neither a return loss nor a phase, and
// the values of the previous calculation stand (0 before the first).
struct KeptReflection {
    Real returnLossDb;
    Real phaseDegrees; // (-180, 180]
    bool operator==(const KeptReflection&) const = default;
};

// The reflection data of `load` against `reference` (ohm) for `forwardPower` watts. A forward power too
// large for a double is passed as infinity: it stops the calculation as an overflow where it is used.
// `kept` is updated as the calculation goes, so a calculation stopped by a fault leaves what it reached.
ReflectionData reflectionData(std::complex<double> load, std::complex<double> reference, double forwardPower,
                              KeptReflection& kept);

// Window-level variables of the point calculator, kept between clicks.
struct PointVars {
    // the measured impedance, as the power calculations read it
    Real R1, X1;
    // the return loss (RetLoss) and phase (SCRF) of the latest SWR calculation that had them
    KeptReflection kept;
    // the impedance of the result in Text4, ohm, and Text4's stamp when it was written
    std::complex<double> shownLoad;
    std::uint64_t shownStamp = 0;

    // power, voltage and current at the measured impedance
    Real V1, PWR1, Pdbm, I1; // from a voltage: rms volts, watts, dBm, amperes
    Real PWRP, VP, IP;       // from a power: watts, rms volts, amperes
    Real II, PIC, PdbmI, VI; // from a current: amperes, watts, dBm, rms volts
    std::string PWRSTR;      // the power in watts as handed to the forward-power field

    bool operator==(const PointVars&) const = default;
};

// Command4: SWR, return loss, reflected power, reflection coefficient and admittance into Text4.
void command4Click(ui::Form& f);

// The measured impedance (ohm) of the SWR result that stands in Text4; nothing while none stands.
std::optional<std::complex<double>> standingLoad(const ui::Form& f);

// Command1: power (W and dBm) and current from the voltage in Text9, into Text2.
void command1Click(ui::Form& f);
// Command2: voltage (rms, peak, peak-to-peak) and current from the power in Text10, into Text3.
void command2Click(ui::Form& f);
// Command5: power (W and dBm) and voltage from the current in Text18, into Text19.
void command5Click(ui::Form& f);
// Each of the three also writes the power it found into Text6, the forward power of the SWR calculation.

} // namespace point
