// The tuner panel: entry checks of the S-parameters and the insertion loss of an antenna tuner from its
// four S-parameters and the antenna's reflection coefficient. Port 1 is the transceiver side, port 2 the
// antenna side; a unit wave a1 = 1 + j0 enters port 1 and the antenna closes port 2.
#pragma once

#include "numeric/checked.h"
#include "ui/form.h"

#include <complex>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tuner {

using num::Real;

// The panel's controls that code outside its handlers names (the import, the drop of a file).
namespace names {
inline constexpr const char* kPanel = "Frame13";
inline constexpr const char* kAntennaPanel = "Frame14";
// The antenna's reflection coefficient on 50 ohm, real and imaginary part.
inline constexpr const char* kAntennaRe = "Text30";
inline constexpr const char* kAntennaIm = "Text34";
// The S-parameters on 50 ohm, real and imaginary part.
inline constexpr const char* kS11Re = "Text36";
inline constexpr const char* kS11Im = "Text37";
inline constexpr const char* kS21Re = "Text33";
inline constexpr const char* kS21Im = "Text32";
inline constexpr const char* kS22Re = "Text31";
inline constexpr const char* kS22Im = "Text35";
inline constexpr const char* kS12Re = "Text38";
inline constexpr const char* kS12Im = "Text39";
// The report, in the field the comparisons share.
inline constexpr const char* kReport = "Text5";
} // namespace names

// What the report field holds in place of a report when the S-parameters give no power at the antenna.
inline constexpr const char* kInvalidData = "Invalid Data: check all the S- Parameters.";

// Window-level variables of the tuner calculation, kept between clicks. RP and TUNTRASSLOG are left as
// they were when a click cannot form them, and the report then uses the kept values.
struct TunerVars {
    Real SR, SX;                  // antenna reflection coefficient
    Real ES11R, ES11X;            // S11
    Real ES21R, ES21X;            // S21
    Real ES22R, ES22X;            // S22
    Real ES12R, ES12X;            // S12
    Real SM;                      // magnitude of the antenna reflection coefficient
    Real ELR, ELX;                // antenna impedance on 50 ohm
    std::string SGI;              // sign shown before the antenna reactance
    Real ESWR;                    // antenna SWR
    Real S22SR, S22SX;            // S22 G
    Real M1S22SR, M1S22SX;        // 1 - S22 G
    Real S21SR, S21SX;            // S21 G
    Real S12S21SR, S12S21SX;      // S12 S21 G
    Real DIV1R, DIV1X;            // S12 S21 G / (1 - S22 G)
    Real B1R, B1X;                // wave leaving port 1
    Real B2R, B2X;                // wave leaving port 2 towards the antenna
    Real A2R, A2X;                // wave reflected by the antenna into port 2
    Real B2PA2R, B2PA2X;          // b2 + a2
    Real CCB2MA2R, CCB2MA2X;      // conj(b2 - a2)
    Real A1PB1R, A1PB1X;          // a1 + b1
    Real CCA1MB1R, CCA1MB1X;      // conj(a1 - b1)
    Real EPLR;                    // net power delivered to the antenna
    Real EPGR;                    // net power entering port 1
    Real RP;                      // EPGR / EPLR
    Real TUNTRASSLOG;             // insertion loss, dB
    Real TPP;                     // power lost in the tuner, percent
    Real TPG;                     // power gained, percent
    std::string SA2, SB1, SB2;    // signs shown before the imaginary parts of a2, b1, b2
    std::uint64_t shownStamp = 0; // Text5's stamp when the report was written

    bool operator==(const TunerVars&) const = default;
};

// LostFocus of Text30 and Text34: each component of the antenna's reflection coefficient must lie
// strictly between -1 and 1; a rejected value is reported and erased.
void text30LostFocus(ui::Form& f);
void text34LostFocus(ui::Form& f);

// The same range check for a value the program is about to write into Text30 or Text34: true when it
// passes; otherwise that field's own message is shown and nothing is written.
bool antennaComponentFits(ui::Form& f, std::string_view field, double value);

// LostFocus of Text33 and Text32: the tuner is taken as reciprocal, S21 is copied into S12 as text.
void text33LostFocus(ui::Form& f);
void text32LostFocus(ui::Form& f);

// The tuner's waves, powers and insertion loss from the inputs in v (SR, SX and the S-parameters), written
// into v step by step: a fault stops it where it stands. RP and TUNTRASSLOG keep their values when the
// powers cannot form them.
void compute(TunerVars& v);

// The report of a computation, as Text5 shows it (the results in the window's decimal sign).
std::string reportText(const ui::Form& f, const TunerVars& v);

// Command8: reads the inputs, computes, and writes the report into Text5.
void command8Click(ui::Form& f);

// The impedances of the report that stands in Text5, in ohm: the antenna's, and the tuner's input (b1
// for a unit wave into port 1), which an input reflection of +1 (an open circuit) does not have. Nothing
// while no report of the tuner stands (the comparisons write the same field).
struct Standing {
    std::complex<double> antenna;
    std::optional<std::complex<double>> input;
};
std::optional<Standing> standingResult(const ui::Form& f);

} // namespace tuner
