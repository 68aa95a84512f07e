// The point calculator: SWR and auxiliary data; power, voltage and current at a measured impedance.
#pragma once

#include "numeric/checked.h"
#include "ui/form.h"

#include <string>

namespace point {

using num::Real;

// Window-level variables of the point calculator, kept between clicks.
struct PointVars {
    // measured impedance (normalised by the SWR calculation) and the normalised reference
    Real R1, X1, R0, X0;
    Real RR; // reference resistance in ohm
    Real NumRV, NumXV, DenomRV, DenomXV;
    Real GamR, GamX, GamM;
    Real SWR, RetLoss, RefPWR;
    Real SCRF; // phase of the reflection coefficient, degrees
    Real GAR, GAI;
    Real SCAR, SCAI; // conductance and susceptance, siemens
    std::string SgnR, SignX, SignA;

    // power, voltage and current at the measured impedance
    Real V1, PWR1, Pdbm, I1; // from a voltage: rms volts, watts, dBm, amperes
    Real PWRP, VP, IP;       // from a power: watts, rms volts, amperes
    Real II, PIC, PdbmI, VI; // from a current: amperes, watts, dBm, rms volts
    std::string PWRSTR;      // the power in watts as handed to the forward-power field
};

// Command4: SWR, return loss, reflected power, reflection coefficient and admittance into Text4.
void command4Click(ui::Form& f);

// Command1: power (W and dBm) and current from the voltage in Text9, into Text2.
void command1Click(ui::Form& f);
// Command2: voltage (rms, peak, peak-to-peak) and current from the power in Text10, into Text3.
void command2Click(ui::Form& f);
// Command5: power (W and dBm) and voltage from the current in Text18, into Text19.
void command5Click(ui::Form& f);
// Each of the three also writes the power it found into Text6, the forward power of the SWR calculation.

} // namespace point
