// The transmission line: a measured impedance moved along a feed line, towards the transceiver or towards
// the antenna, with the far point's impedance, SWR, losses, voltage, current, power, parallel equivalent
// and matching stubs; the cable catalog's refresh of the line-data fields; and the panel's controls.
#pragma once

#include "line/catalog.h"
#include "line/physics.h"
#include "numeric/checked.h"
#include "ui/form.h"

#include <cstdint>
#include <string>
#include <vector>

namespace line {

using num::Real;

// The panel's controls that code outside its handlers names (the import, the chart, the drop of a file).
namespace names {
inline constexpr const char* kPanel = "Frame11";
inline constexpr const char* kResistance = "Text23"; // the measured impedance, ohm
inline constexpr const char* kReactance = "Text24";
inline constexpr const char* kMhz = "Text28";
inline constexpr const char* kTransceiverOhm = "Text26";
inline constexpr const char* kVelocityFactor = "Text27";
inline constexpr const char* kResult = "Text22";
} // namespace names

// Window-level variables of the line panel, kept between runs. A run writes them step by step, so a run
// stopped by an arithmetic fault leaves those it reached (the frequency of the catalog refresh, the power
// the exchange divides by).
struct LineVars {
    double NL = 1;  // half-wave cycles of line of the latest computation; the "1" Combo1 starts with
    int16_t CF = 0; // power-exchange flag, 1 only while Command9's computation runs

    // ---- catalog ----
    int16_t IND = 0; // selected entry of the cable list; kept when the cable name matches no entry
    int16_t N = 0;   // loop counter of the lookup
    Real LZL, LVF;   // line impedance (ohm), velocity factor
    Real PPP;        // catalog loss shown by the refresh, dB per 100 m
    Real LMHZ;       // frequency of the latest line computation, MHz

    // ---- the latest run ----
    Real LR1, LX1;   // measured R and X, normalised to the line impedance field
    Real LPWR;       // power at the measured point on entry, at the far point on exit, W
    Real Shdeg;      // electrical shift, degrees; negative towards the antenna
    Real LSWRL;      // SWR at the measured point, on the line impedance
    Real PRINIZ;     // reflected power ratio at the measured point
    Real LLOSA;      // total loss including the loss due to the SWR, dB
    Real LSWRP;      // the antenna-end search's last candidate
    int16_t CCC = 0; // step of the search's whole stage that first reached PRINIZ; 0 if none
    Real LSWRF;      // SWR at the far point, on the line impedance

    // ---- power exchange ----
    Real Watt;

    // ---- what Text22 shows: the inputs and results of the latest completed run ----
    LineInput shownInput;
    LineResult shownResult;
    std::uint64_t shownStamp = 0; // Text22's stamp when the run wrote it

    bool operator==(const LineVars&) const = default;
};

// ---- the catalog ----------------------------------------------------------------------------------------

// Fills Combo2's list with the names and the hidden lists Z, VF, K0, K1 and K2 with the stored integers
// as decimal texts, row by row in the same order.
void fillCatalogLists(ui::Form& f);

// The user's cables, window-level: they follow the catalog's entries in Combo2's list, the first of them
// at index kCableCount. The wiring installs them at start (before Load, so that a restart finds them as
// the start left them) and after every change of the user's cable file.
struct UserCables {
    std::vector<UserCable> list;
    bool operator==(const UserCables&) const = default;
};

// Makes `cables` the window's user cables: Combo2's list becomes the catalog's names followed by
// theirs. The selected entry follows its cable by name. After Load, when the selected cable's data
// changed (edited or replaced), the catalog refresh runs as a change of the cable would run it; when it
// is gone, the first catalog entry is selected, as at start-up, and named in Combo2 if Combo2 named it.
void installUserCables(ui::Form& f, std::vector<UserCable> cables);

// The name of entry `index` of Combo2's list.
const char* cableName(const ui::Form& f, int16_t index);

// How many entries Combo2's list holds: the catalog's and the user's.
int16_t cableCount(const ui::Form& f);

// The line data of entry `index` of Combo2's list, a catalog entry or a user cable: impedance (ohm),
// velocity factor and loss coefficients.
struct CableData {
    Real impedance, velocityFactor;
    LossCoefficients k;
    bool user = false; // one of the user's cables
};
CableData cableData(const ui::Form& f, int16_t index);

// The matched loss of entry `index` of Combo2's list at `mhz`, in dB per 100 m.
Real CableLoss(const ui::Form& f, int16_t index, Real mhz);

// Sets IND to the index of the Combo2 item equal to Combo2's text; no equal item leaves IND as it was.
void FindCable(ui::Form& f);

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

// What Text22 shows for a completed run at the slider's position: four lines (the far point's impedance
// and SWR; voltage, current and power; the shift and the loss; the parallel equivalent and the stubs), or
// the text that no antenna behind the loss can give the measured point. Numbers in the window's decimal
// sign; no field is written.
std::string resultText(const ui::Form& f, const LineInput& in, const LineResult& run, int sliderPosition);

// The variables of the run whose result stands in Text22 (shownInput, shownResult); null while none
// stands.
const LineVars* standingRun(const ui::Form& f);

// The antenna-end search (searchAntennaSwr) on the window's variables: the SWR whose reflection, seen
// through the total loss LLOSA, equals the measured ratio PRINIZ, from Int(LSWRL). Leaves the candidate in
// LSWRP and sets CCC (0 when no candidate reaches PRINIZ). Returns true when a candidate meets PRINIZ
// exactly; LSWRF is then that candidate.
bool FindAntennaSWR(LineVars& v);

// ---- the panel's controls ---------------------------------------------------------------------------

// HScroll1 Change, GotFocus and LostFocus: Text29 loses its exchange highlight, and the line is computed.
void hScroll1Change(ui::Form& f);

// The direction buttons park the slider at the end of the half-wave cycle nearest the measured point.
void option10Click(ui::Form& f);
void option9Click(ui::Form& f);

// The metres of line the slider spans in half-wave cycle `halfWaves` at `mhz`, as Text41 shows them.
std::string rangeText(const ui::Form& f, Real halfWaves, Real velocityFactor, Real mhz);

// The metres of line the slider spans in the current half-wave cycle, into Text41.
void HalfWaveRange(ui::Form& f);

// The highest frequency the cable data cover, MHz: above it the loss figures are not guaranteed.
inline constexpr double kCableDataMaxMhz = 150;

// Text27 LostFocus and Text28 LostFocus (the latter also shows the warning above 150 MHz).
void text27LostFocus(ui::Form& f);
void text28LostFocus(ui::Form& f);

// Command9: replaces the measured-point power by the one that makes the far point receive the power now
// in Text29, and computes the line again.
void PowerExchange(ui::Form& f);

} // namespace line
