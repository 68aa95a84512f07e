// SWR and auxiliary data at a point of measured impedance R + jX against a reference R0 + jX0.
#include "point/point.h"

#include "numeric/numtext.h"
#include "numeric/routines.h"
#include "ui/entry.h"

#include <cmath>

namespace point {

using num::abs;
using num::ln;
using num::pow;

ReflectionData reflectionData(std::complex<double> load, std::complex<double> reference, double forwardPower,
                              KeptReflection& kept) {
    ReflectionData d;
    // Normalised to the reference resistance: z = r + jx against z0 = 1 + jx0.
    const Real referenceR = reference.real();
    Real r = Real(load.real()) / referenceR;
    Real x = Real(load.imag()) / referenceR;
    Real x0 = Real(reference.imag()) / referenceR;
    const Real r0 = 1;

    // G = (z - z0) / (z + z0)
    Real numeratorRe = pow(r, 2) - pow(r0, 2) + pow(x, 2) - pow(x0, 2);
    Real denominator = pow(r + r0, 2) + pow(x + x0, 2);
    Real numeratorIm = (x - x0) * (r + r0) - (x + x0) * (r - r0);
    d.reflectionRe = numeratorRe / denominator;
    d.reflectionIm = numeratorIm / denominator;

    d.magnitude = pow(pow(d.reflectionIm, 2) + pow(d.reflectionRe, 2), 0.5);
    d.swr = (1 + d.magnitude) / (1 - d.magnitude);
    if (d.magnitude > 0)
        kept.returnLossDb = -20 * ln(d.magnitude) / ln(10);
    // The reflected power: the forward power less the return loss.
    const Real P = num::checkedResult(forwardPower);
    d.reflectedPower = P / pow(10, kept.returnLossDb / 10);

    Real phase = kept.phaseDegrees;
    if (d.magnitude > 0)
        phase = num::ArcCos(d.reflectionRe / d.magnitude);
    if (d.reflectionIm < 0)
        phase = -phase;
    phase = phase * 180 / num::kPi;
    kept.phaseDegrees = num::Fold180(phase);

    // The admittance: the reflection coefficient turned through 180 degrees, then over the reference
    // resistance for siemens.
    Real turnedRe = -d.reflectionRe;
    Real turnedIm = -d.reflectionIm;
    Real turnedD = (pow(turnedRe, 2) + 1 - 2 * turnedRe) + pow(turnedIm, 2);
    d.conductance = ((1 - pow(turnedRe, 2)) - pow(turnedIm, 2)) / turnedD;
    d.susceptance = 2 * turnedIm / turnedD;
    d.conductance = d.conductance / referenceR;
    d.susceptance = d.susceptance / referenceR;
    return d;
}

namespace {

// The forward power field as a number; a text too large for a double reads as infinity, which stops the
// calculation as an overflow where the reflected power uses it.
double forwardPowerField(const ui::Form& f) {
    try {
        return f.val("Text6");
    } catch (const num::ArithFault&) {
        return HUGE_VAL;
    }
}

} // namespace

void command4Click(ui::Form& f) {
    auto& v = f.vars<PointVars>();

    ui::requireNonZero(f, "Text12", "Reference Resistance", "Reference Resistance cannot be 0!");
    ui::requireNonZero(f, "Text7", "Resistance", "Resistance cannot be 0!");

    const std::complex<double> load{f.val("Text7"), f.val("Text8")};
    const std::complex<double> reference{f.val("Text12"), f.val("Text11")};
    const ReflectionData d = reflectionData(load, reference, forwardPowerField(f), v.kept);

    auto F = [&](Real x, const char* pattern) { return f.fmt(x.value(), pattern); };
    auto sign = [](Real x) { return x < 0 ? "-" : "+"; };
    std::string out;
    if (d.magnitude == 0) {
        out = "SWR = " + F(d.swr, "0.000") + " Ret.Loss = " + "INF." + " Refl.Pwr. = " + F(0, "0.000") +
              "\r\n" + "Ref.Coef. = " + F(abs(d.reflectionRe), "0.000") + " " + sign(d.reflectionIm) + " i" +
              F(abs(d.reflectionIm), "0.000") + "  Ref.Coef.Magn. = " + F(d.magnitude, "0.000");
    } else {
        out = "SWR = " + F(d.swr, "0.000") + " Ret.Loss = " + F(v.kept.returnLossDb, "0.000") +
              " Refl.Pwr. = " + F(d.reflectedPower, "0.000") + "\r\n" +
              "Reflection Coeff. (Gamma or S11) = " + sign(d.reflectionRe) +
              F(abs(d.reflectionRe), "0.0000") + " " + sign(d.reflectionIm) + " i" +
              F(abs(d.reflectionIm), "0.0000") + "\r\n" +
              "Reflection Coefficent Magnitude (rho) = " + F(d.magnitude, "0.0000") + "\r\n" +
              "Angle of Reflection Coeff. (Gamma Phase) = " + F(v.kept.phaseDegrees, "0.0") + "\xC2\xB0" +
              "\r\n" + "Admittance = " + F(d.conductance, "0.000") + " " + sign(-d.reflectionIm) + " J" +
              F(abs(d.susceptance), "0.000") + " S";
    }
    if (!(d.reflectedPower > 0))
        out = kNoForwardPower;
    v.shownLoad = load;
    f.setText("Text4", out);
    v.shownStamp = f.textStamp("Text4");
    f.setBold("Text4", true);
}

std::optional<std::complex<double>> standingLoad(const ui::Form& f) {
    const auto& v = f.vars<PointVars>();
    if (!f.stands(names::kSwrResult, v.shownStamp))
        return std::nullopt;
    return v.shownLoad;
}

} // namespace point
