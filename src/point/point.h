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
};

// Command4: SWR, return loss, reflected power, reflection coefficient and admittance into Text4.
void command4Click(ui::Form& f);

// The check every calculation of the panel makes first: a zero field is reported and repaired to
// "0.001", and the calculation goes on.
void requireNonZero(ui::Form& f, const char* field, const char* prompt, const char* title);

} // namespace point
