// Insertion loss of an antenna tuner from its S-parameters and the antenna's reflection coefficient.
#include "tuner/tuner.h"

#include "numeric/numtext.h"
#include "numeric/routines.h"

#include <cmath>

namespace tuner {

using num::abs;
using num::ln;
using num::pow;
using num::sqrt;

namespace {

// A component of a passive load's reflection coefficient lies strictly inside (-1, 1). Each component is
// checked on its own.
struct Component {
    const char* field;
    const char* title;
    const char* prompt;
};
constexpr Component kRealPart{"Text30", "Invalid S. Ant. real part", "R is a number > -1 and < 1"};
constexpr Component kImaginaryPart{"Text34", "Invalid S. Ant. imaginary part", "I is a number > -1 and < 1"};

void checkComponent(ui::Form& f, const Component& c) {
    if (abs(f.val(c.field)) < 1)
        return;
    f.messageBox(c.title, c.prompt);
    if (abs(f.val(c.field)) >= 1)
        f.setText(c.field, "");
}

} // namespace

void text30LostFocus(ui::Form& f) {
    checkComponent(f, kRealPart);
}

void text34LostFocus(ui::Form& f) {
    checkComponent(f, kImaginaryPart);
}

bool antennaComponentFits(ui::Form& f, std::string_view field, double value) {
    if (std::fabs(value) < 1)
        return true;
    const Component& c = field == kRealPart.field ? kRealPart : kImaginaryPart;
    f.messageBox(c.title, c.prompt);
    return false;
}

void text33LostFocus(ui::Form& f) {
    f.setText("Text38", f.text("Text33"));
}

void text32LostFocus(ui::Form& f) {
    f.setText("Text39", f.text("Text32"));
}

void compute(TunerVars& v) {
    v.SM = sqrt(pow(v.SR, 2) + pow(v.SX, 2));

    // Antenna impedance on 50 ohm: Z = 50 (1 + G) / (1 - G).
    Real D = pow(v.SR, 2) + 1 - 2 * v.SR + pow(v.SX, 2);
    v.ELR = (1 - pow(v.SR, 2) - pow(v.SX, 2)) / D * 50;
    v.ELX = 2 * v.SX / D * 50;
    v.SGI = v.ELX >= 0 ? "+" : "-";

    v.ESWR = (v.SM + 1) / (1 - v.SM);

    // S22 G and 1 - S22 G
    v.S22SR = v.ES22R * v.SR - v.SX * v.ES22X;
    v.S22SX = v.ES22R * v.SX + v.SR * v.ES22X;
    v.M1S22SR = 1 - v.S22SR;
    v.M1S22SX = -v.S22SX;

    // S21 G and S12 S21 G
    v.S21SR = v.ES21R * v.SR - v.ES21X * v.SX;
    v.S21SX = v.SX * v.ES21R + v.ES21X * v.SR;
    v.S12S21SR = v.ES12R * v.S21SR - v.ES12X * v.S21SX;
    v.S12S21SX = v.ES12X * v.S21SR + v.ES12R * v.S21SX;

    // S12 S21 G / (1 - S22 G)
    Real N = pow(v.M1S22SR, 2) + pow(v.M1S22SX, 2);
    v.DIV1R = (v.M1S22SX * v.S12S21SX + v.M1S22SR * v.S12S21SR) / N;
    v.DIV1X = (v.M1S22SR * v.S12S21SX - v.M1S22SX * v.S12S21SR) / N;

    // b1 = S11 + S12 S21 G / (1 - S22 G), the input reflection coefficient since a1 = 1
    v.B1R = v.ES11R + v.DIV1R;
    v.B1X = v.DIV1X + v.ES11X;
    v.SB1 = v.B1X < 0 ? "-" : "+";

    // b2 = S21 / (1 - S22 G)
    v.B2R = (v.ES21X * v.M1S22SX + v.ES21R * v.M1S22SR) / N;
    v.B2X = (v.ES21X * v.M1S22SR - v.ES21R * v.M1S22SX) / N;
    v.SB2 = v.B2X < 0 ? "-" : "+";

    // a2 = G b2
    v.A2R = v.B2R * v.SR - v.B2X * v.SX;
    v.A2X = v.B2R * v.SX + v.B2X * v.SR;
    v.SA2 = v.A2X < 0 ? "-" : "+";

    v.B2PA2R = v.B2R + v.A2R;
    v.B2PA2X = v.B2X + v.A2X;
    v.CCB2MA2R = v.B2R - v.A2R;
    v.CCB2MA2X = v.A2X - v.B2X;

    v.A1PB1R = v.B1R + 1;
    v.A1PB1X = v.B1X;
    v.CCA1MB1R = 1 - v.B1R;
    v.CCA1MB1X = v.B1X;

    // Net powers: |b2|^2 - |a2|^2 into the antenna, 1 - |b1|^2 into port 1.
    v.EPLR = v.B2PA2R * v.CCB2MA2R - v.B2PA2X * v.CCB2MA2X;
    v.EPGR = v.A1PB1R * v.CCA1MB1R - v.CCA1MB1X * v.A1PB1X;

    // Without a power at the antenna, or with a ratio that is not positive, the previous ratio and loss
    // stand.
    if (v.EPLR != 0)
        v.RP = v.EPGR / v.EPLR;
    if (v.RP > 0)
        v.TUNTRASSLOG = 10 * ln(v.RP) / ln(10);
    v.TPP = 100 - 100 / pow(10, v.TUNTRASSLOG / 10);
    v.TPG = pow(10, -v.TUNTRASSLOG / 10) * 100 - 100;
}

std::string reportText(const ui::Form& f, const TunerVars& v) {
    auto F = [&](Real x, const char* pattern) { return f.fmt(x.value(), pattern); };
    const std::string waves = "a1 = (1.0000 +i0.0000) a2 = (" + F(v.A2R, "0.0000") + " " + v.SA2 + "i" +
                              F(abs(v.A2X), "0.0000") + ")" + "\r\n" + "b1 = (" + F(v.B1R, "0.0000") + " " +
                              v.SB1 + "i" + F(abs(v.B1X), "0.0000") + ") b2 = (" + F(v.B2R, "0.0000") + " " +
                              v.SB2 + "i" + F(abs(v.B2X), "0.0000") + ")" + "\r\n" +
                              "Z = " + F(v.ELR, "0.00") + " " + v.SGI + " J" + F(abs(v.ELX), "0.00") +
                              " SWR = " + F(v.ESWR, "0.000");

    // The report, unless the powers say the data cannot be a passive tuner; a gain is flagged.
    std::string report = "Tuner Insertion Loss = " + F(v.TUNTRASSLOG, "0.0000") + " dB (" + F(v.TPP, "0.00") +
                         " %)" + "\r\n" + waves;
    if (!(v.RP > 0))
        report = kInvalidData;
    if (v.EPLR == 0)
        report = kInvalidData;
    if (!(v.TUNTRASSLOG > 0))
        report = "Tuner GAIN = " + F(abs(v.TUNTRASSLOG), "0.0000") + " dB (" + F(v.TPG, "0.00") + "%)" +
                 " CHECK DATA!" + "\r\n" + waves;
    return report;
}

void command8Click(ui::Form& f) {
    auto& v = f.vars<TunerVars>();

    // Text5 is about to hold the tuner's report: the comparison's inputs no longer belong to it.
    f.setBold("Text5", true);
    for (const char* t : {"Text13", "Text14", "Text20", "Text21"})
        f.setText(t, "");

    v.SR = f.val("Text30");
    v.SX = f.val("Text34");
    v.ES11R = f.val("Text36");
    v.ES11X = f.val("Text37");
    v.ES21R = f.val("Text33");
    v.ES21X = f.val("Text32");
    v.ES22R = f.val("Text31");
    v.ES22X = f.val("Text35");
    v.ES12R = f.val("Text38");
    v.ES12X = f.val("Text39");

    compute(v);
    f.setText("Text5", reportText(f, v));
    v.shownStamp = f.textStamp("Text5");
}

std::optional<Standing> standingResult(const ui::Form& f) {
    const auto& v = f.vars<TunerVars>();
    if (!f.stands(names::kReport, v.shownStamp))
        return std::nullopt;
    Standing s{{v.ELR.value(), v.ELX.value()}, std::nullopt};
    try {
        s.input = std::complex<double>(num::ZRFromGam(50, v.B1R, v.B1X, 1).value(),
                                       num::ZXFromGam(50, v.B1R, v.B1X, 1).value());
    } catch (const num::ArithFault&) {
        // an open circuit at the input: off every chart
    }
    return s;
}

} // namespace tuner
