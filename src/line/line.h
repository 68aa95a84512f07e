// The transmission line: a measured impedance moved along a feed line, towards the transceiver or towards
// the antenna, with the far point's impedance, SWR, losses, voltage, current, power, parallel equivalent
// and matching stubs; the cable catalog's refresh of the line-data fields; and the panel's controls.
#pragma once

#include "numeric/checked.h"
#include "ui/form.h"

#include <cstdint>
#include <string>

namespace line {

using num::Real;

// Window-level variables of the line panel, kept between runs.
struct LineVars {
    double NL = 1;  // half-wave cycles of line of the latest computation; the "1" Combo1 starts with
    int16_t CF = 0; // power-exchange flag, 1 only while Command9's computation runs

    // ---- catalog ----
    int16_t IND = 0; // selected catalog entry; kept when the cable name matches no entry
    int16_t N = 0;   // loop counter of the lookup and of the antenna-end search
    Real LZL, LVF;   // line impedance (ohm), velocity factor
    Real LZLP, LVFP; // the entry's stored Z (ohm x 10) and VF (x 1000)
    Real PPP;        // catalog loss shown by the refresh, dB per 100 m
    Real LMHZ;       // frequency of the latest line computation, MHz

    // ---- inputs and shift ----
    Real LR1, LX1; // measured R and X, normalised to the line impedance field
    Real LRZ;      // transceiver impedance, ohm
    Real LPWR;     // power at the measured point on entry, at the far point on exit, W
    Real PP;       // loss used by the run, dB per 100 m
    Real Shdeg;    // electrical shift, degrees; negative towards the antenna
    Real Shgonio;  // rotation of the reflection coefficient, 2 x Shdeg
    Real Lambda;   // free-space wavelength, m
    Real Shlambda; // shifted length in wavelengths, never negative
    Real Shmet;    // physical shifted length, m

    // ---- reflection at the measured point and at the far point ----
    Real LGR, LGI, LRHO, LPHI, LSWRL;
    Real LPHF, LGRF, LGIF, LRHOF, LSWRF;
    Real LRHOR, LSWRR; // on the transceiver impedance
    Real LR, LX;       // far-point impedance, ohm

    // ---- losses ----
    Real LLOSP;  // matched loss of the shifted length, dB
    Real LLOSA;  // total loss including the loss due to the SWR, dB
    Real PRINIZ; // reflected power ratio at the measured point
    Real PRF;    // reflected power ratio at the transceiver end

    // ---- antenna-end search ----
    Real LSWRP, RHOP, PRAR, PRPF;
    int16_t CCC = 0; // step of the integer stage that first reached the measured reflection; 0 if none
    int16_t DF = 0;

    // ---- power exchange ----
    Real Watt;

    // ---- results ----
    Real LTrms, LTp, LTpp, LI;
    std::string Lsign;
    Real Shgoniom;
    Real RPAR, XPAR;
    Real StubR, StubX, StubM, StubP, StubO, StubC, Stubopen, Stubclosed;
    std::string RPstr, XPstr, Rigastr;
};

// ---- the catalog ----------------------------------------------------------------------------------------

// Sets IND to the index of the Combo2 item equal to Combo2's text; no equal item leaves IND as it was.
void FindCable(ui::Form& f);

// The matched loss of catalog entry `index` at `mhz`, in dB per 100 m.
Real CableLoss(int16_t index, Real mhz);

// The catalog refresh (Combo2 Change and LostFocus): empties Text22 and, in "Auto", loads the entry's
// impedance, velocity factor and loss into Text25, Text27 and Text40.
void ApplyCable(ui::Form& f);

// The line's impedance LZL and velocity factor LVF: from the catalog entry of the chosen cable with
// "Auto", from the fields with "dB/100 metri".
void LineData(ui::Form& f);

// Option16 "Auto": the line-data fields become read-only catalog values.
void option16Click(ui::Form& f);

// Option11 "dB/100 metri": the line-data fields are emptied for the operator's own values.
void option11Click(ui::Form& f);

// ---- the line computation ---------------------------------------------------------------------------

// Moves the measured impedance along the line and writes the far point's values into Text22.
void LineCompute(ui::Form& f);

// The antenna-end SWR whose reflection, seen through the total loss LLOSA, equals the measured ratio
// PRINIZ, found digit by digit from Int(LSWRL): whole steps, then seven decimal stages. Leaves the
// candidate in LSWRP and sets CCC (0 when no candidate reaches PRINIZ). Returns true when a candidate
// meets PRINIZ exactly; LSWRF is then that candidate.
bool FindAntennaSWR(LineVars& v);

// ---- the panel's controls ---------------------------------------------------------------------------

// HScroll1 Change, GotFocus and LostFocus: Text29 loses its exchange highlight, and the line is computed.
void hScroll1Change(ui::Form& f);

// The direction buttons park the slider at the end of the half-wave cycle nearest the measured point.
void option10Click(ui::Form& f);
void option9Click(ui::Form& f);

// The metres of line the slider spans in the current half-wave cycle, into Text41.
void HalfWaveRange(ui::Form& f);

// Text27 LostFocus and Text28 LostFocus (the latter also shows the warning above 150 MHz).
void text27LostFocus(ui::Form& f);
void text28LostFocus(ui::Form& f);

// Command9: replaces the measured-point power by the one that makes the far point receive the power now
// in Text29, and computes the line again.
void PowerExchange(ui::Form& f);

} // namespace line
