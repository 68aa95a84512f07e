// Loss or gain of a two-port from its input and output voltages or currents.
#include "compare/compare.h"

#include "ui/entry.h"

namespace compare {

using num::abs;
using num::ln;
using num::pow;

namespace {

// Both resistances divide the calculation: a zero is reported and repaired to 0.001 ohm.
void checkResistances(ui::Form& f) {
    ui::requireNonZero(f, "Text15", "Input Resistance", "Input Resistance cannot be 0!");
    ui::requireNonZero(f, "Text16", "Output Resistance", "Output Resistance cannot be 0!");
}

// The loss/gain label, and the ratio of the powers when both sides carry a positive power; otherwise
// Gain and RelGL keep their previous values (the report is not shown then).
void lossOrGain(CompareVars& v) {
    v.GLSTR = v.PWRIN >= v.PWROUT ? "Insertion Loss = " : "Gain = ";
    if (v.PWRIN > 0 && v.PWROUT > 0) {
        v.Gain = 10 * ln(v.PWROUT / v.PWRIN) / ln(10);
        v.RelGL = v.PWROUT / v.PWRIN;
    }
}

// The impedances of both sides, after their resistances were checked.
void readImpedances(ui::Form& f, CompareVars& v) {
    checkResistances(f);
    v.R2 = f.val("Text15");
    v.X2 = f.val("Text1");
    v.R3 = f.val("Text16");
    v.X3 = f.val("Text17");
}

// The four report lines; line1 and line2 carry the side quantities of the comparison.
std::string report(const ui::Form& f, const CompareVars& v, const std::string& line1,
                   const std::string& line2) {
    return line1 + "\r\n" + line2 + "\r\n" + v.GLSTR + f.fmt(abs(v.Gain).value(), "0.000") + " dB" + "\r\n" +
           "For 100 W PWR IN you get " + f.fmt((v.RelGL * 100).value(), "0.000") + " W PWR OUT.";
}

} // namespace

void command3Click(ui::Form& f) {
    auto& v = f.vars<CompareVars>();

    // Text5 is about to hold the voltage comparison: the other reports' inputs no longer belong to it.
    for (const char* t : {"Text20", "Text21", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35",
                          "Text36", "Text37", "Text38", "Text39"})
        f.setText(t, "");

    readImpedances(f, v);
    v.V2 = f.val("Text13");
    v.V3 = f.val("Text14");

    // To rms: peak-to-peak is 2 sqrt(2) times rms, peak sqrt(2) times.
    if (f.selected("Option3"))
        v.V2 = v.V2 / (pow(2, 0.5) + pow(2, 0.5));
    if (f.selected("Option14"))
        v.V2 = v.V2 / pow(2, 0.5);
    if (f.selected("Option6"))
        v.V3 = v.V3 / (pow(2, 0.5) + pow(2, 0.5));
    if (f.selected("Option15"))
        v.V3 = v.V3 / pow(2, 0.5);

    // P = V^2 R / |Z|^2, I = V / |Z|
    v.PWRIN = pow(v.V2, 2) * v.R2 / (pow(v.R2, 2) + pow(v.X2, 2));
    v.IIN = pow((pow(v.R2, 2) + pow(v.X2, 2)) / pow(pow(v.R2, 2) + pow(v.X2, 2), 2), 0.5) * v.V2;
    v.PWROUT = pow(v.V3, 2) * v.R3 / (pow(v.X3, 2) + pow(v.R3, 2));
    v.IOUT = pow((pow(v.X3, 2) + pow(v.R3, 2)) / pow(pow(v.X3, 2) + pow(v.R3, 2), 2), 0.5) * v.V3;

    lossOrGain(v);

    f.setBold("Text5", true);
    auto F = [&](Real x) { return f.fmt(x.value(), "0.000"); };
    if (v.PWRIN > 0 && v.PWROUT > 0)
        f.setText("Text5", report(f, v, "INPUT = " + F(v.PWRIN) + " W " + F(v.IIN) + " A",
                                  "OUTPUT = " + F(v.PWROUT) + " W " + F(v.IOUT) + " A"));
    else
        f.setText("Text5", kNoVoltage);
}

void command6Click(ui::Form& f) {
    auto& v = f.vars<CompareVars>();

    // Text5 is about to hold the current comparison.
    for (const char* t : {"Text13", "Text14", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35",
                          "Text36", "Text37", "Text38", "Text39"})
        f.setText(t, "");

    readImpedances(f, v);
    v.III = f.val("Text20");
    v.IIO = f.val("Text21");

    // P = I^2 R, V = sqrt(|Z|^2 P / R) = I |Z|
    v.PWRIN = pow(v.III, 2) * v.R2;
    v.VIN = pow((pow(v.R2, 2) + pow(v.X2, 2)) * v.PWRIN / v.R2, 0.5);
    v.PWROUT = pow(v.IIO, 2) * v.R3;
    v.VOUT = pow((pow(v.X3, 2) + pow(v.R3, 2)) * v.PWROUT / v.R3, 0.5);

    lossOrGain(v);

    f.setBold("Text5", true);
    auto F = [&](Real x) { return f.fmt(x.value(), "0.000"); };
    if (v.PWRIN > 0 && v.PWROUT > 0)
        f.setText("Text5", report(f, v, "INPUT = " + F(v.PWRIN) + " W " + F(v.VIN) + " Vrms",
                                  "OUTPUT = " + F(v.PWROUT) + " W " + F(v.VOUT) + " Vrms"));
    else
        f.setText("Text5", kNoCurrent);
}

} // namespace compare
