// Power, voltage and current at a point of measured impedance R + jX, each from one of the three.
#include "point/point.h"

#include "numeric/numtext.h"
#include "ui/entry.h"

namespace point {

using num::ln;
using num::pow;

namespace {

// |Z|^2 of the measured impedance.
Real absZ2(const PointVars& v) {
    return pow(v.R1, 2) + pow(v.X1, 2);
}

// 1/|Z|, the factor from voltage to current, as the square root of |Z|^2 / (|Z|^2)^2.
Real currentFactor(const PointVars& v) {
    return pow(absZ2(v) / pow(absZ2(v), 2), 0.5);
}

// The power handed on to Text6, the forward power of the SWR calculation. Text6 is an input field, so
// the number is written with the dot whatever the regional decimal sign: it must read back as written.
std::string powerText(Real watts) {
    return num::Format(watts.value(), "0.00");
}

} // namespace

void command1Click(ui::Form& f) {
    auto& v = f.vars<PointVars>();
    auto F = [&](Real x, const char* pattern) { return f.fmt(x.value(), pattern); };

    ui::requireNonZero(f, "Text7", "Resistance", "Resistance cannot be 0!");
    v.R1 = f.val("Text7");
    v.X1 = f.val("Text8");
    v.V1 = f.val("Text9");

    // To rms: a peak-to-peak voltage is twice the peak, the peak is root two times the rms.
    if (f.selected("Option2"))
        v.V1 = v.V1 / (pow(2, 0.5) + pow(2, 0.5));
    if (f.selected("Option13"))
        v.V1 = v.V1 / pow(2, 0.5);

    // Only the resistive part of the load takes power.
    v.PWR1 = pow(v.V1, 2) * v.R1 / absZ2(v);
    v.I1 = currentFactor(v) * v.V1;
    if (v.PWR1 > 0)
        v.Pdbm = 10 * ln(v.PWR1) / ln(10) + 30;

    f.setBold("Text2", true);
    f.setText("Text2", F(v.PWR1, "0.000") + "W " + F(v.Pdbm, "0.000") + "dBm " + F(v.I1, "0.000") + "A");
    if (v.V1 == 0)
        f.setText("Text2", kNoVoltage);

    v.PWRSTR = powerText(v.PWR1);
    f.setText("Text6", v.PWRSTR);
}

void command2Click(ui::Form& f) {
    auto& v = f.vars<PointVars>();
    auto F = [&](Real x, const char* pattern) { return f.fmt(x.value(), pattern); };

    ui::requireNonZero(f, "Text7", "Resistance", "Resistance cannot be 0!");
    v.R1 = f.val("Text7");
    v.X1 = f.val("Text8");
    v.PWRP = f.val("Text10");

    // dBm to watts: 0 dBm is one milliwatt.
    if (f.selected("Option7"))
        v.PWRP = pow(10, (v.PWRP - 30) / 10);
    v.PWRSTR = powerText(v.PWRP);

    // P = V^2 R / |Z|^2, solved for V.
    if (v.PWRP > 0)
        v.VP = pow(absZ2(v) * v.PWRP / v.R1, 0.5);
    v.IP = currentFactor(v) * v.VP;

    f.setBold("Text3", true);
    f.setText("Text3", F(v.VP, "0.000") + "Vrms " + F(pow(2, 0.5) * v.VP, "0.000") + "Vp " +
                           F(pow(2, 0.5) * (2 * v.VP), "0.000") + "Vpp " + F(v.IP, "0.000") + "A");
    if (!(v.PWRP > 0))
        f.setText("Text3", kNoPower);

    f.setText("Text6", v.PWRSTR);
}

void command5Click(ui::Form& f) {
    auto& v = f.vars<PointVars>();
    auto F = [&](Real x, const char* pattern) { return f.fmt(x.value(), pattern); };

    ui::requireNonZero(f, "Text7", "Resistance", "Resistance cannot be 0!");
    v.R1 = f.val("Text7");
    v.X1 = f.val("Text8");
    v.II = f.val("Text18");

    v.PIC = pow(v.II, 2) * v.R1;
    v.VI = pow(absZ2(v) * v.PIC / v.R1, 0.5);
    if (v.PIC > 0)
        v.PdbmI = 10 * ln(v.PIC) / ln(10) + 30;

    f.setBold("Text19", true);
    f.setText("Text19", F(v.PIC, "0.000") + "W " + F(v.PdbmI, "0.000") + "dBm " + F(v.VI, "0.0") + "Vrms " +
                            F(pow(2, 0.5) * v.VI, "0.0") + "Vp " + F(pow(2, 0.5) * (2 * v.VI), "0.0") +
                            "Vpp");
    if (v.II == 0)
        f.setText("Text19", kNoCurrent);

    v.PWRSTR = powerText(v.PIC);
    f.setText("Text6", v.PWRSTR);
}

} // namespace point
