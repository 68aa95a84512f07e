// The line computation: the measured impedance moved along the line by the electrical length of the
// slider and the half-wave cycle, towards the transceiver or towards the antenna, and the far point's
// values written as four lines into Text22.
#include "line/catalog.h"
#include "line/line.h"
#include "numeric/numtext.h"
#include "numeric/routines.h"
#include "ui/entry.h"

#include <cmath>

namespace line {

using num::ln;
using num::pow;
using num::sqrt;

namespace {

Real cos(Real a) {
    return std::cos(a.value());
}
Real sin(Real a) {
    return std::sin(a.value());
}

// The total loss of a matched loss of `matched` dB on a line whose reflection magnitude is `rho` at the
// end the power enters: the matched loss plus the loss due to the standing waves.
Real totalLoss(Real matched, Real rho) {
    Real a = pow(10, matched / 10);
    return 10 * ln((pow(a, 2) - pow(rho, 2)) / ((1 - pow(rho, 2)) * a)) / ln(10);
}

// The far point's impedance and its reflection on the transceiver impedance, from its reflection
// magnitude LRHOF and angle LPHF on the line impedance.
void farPoint(LineVars& v) {
    Real phi = v.LPHF * num::kPi / 180;
    v.LGRF = cos(phi) * v.LRHOF;
    v.LGIF = sin(phi) * v.LRHOF;
    v.LR = num::ZRFromGam(v.LZL, v.LGRF, v.LGIF, v.LRZ);
    v.LX = num::ZXFromGam(v.LZL, v.LGRF, v.LGIF, v.LRZ);
    v.LGRF = num::GamRFromZ(v.LR, v.LX);
    v.LGIF = num::GamXFromZ(v.LR, v.LX);
    v.LRHOR = sqrt(pow(v.LGRF, 2) + pow(v.LGIF, 2));
    v.LSWRR = num::SWRFromRho(v.LRHOR);
    v.LR = v.LR * v.LRZ;
    v.LX = v.LX * v.LRZ;
}

} // namespace

bool FindAntennaSWR(LineVars& v) {
    // The reflected power of a candidate, attenuated on its way to the measured point and back.
    const Real att = pow(10, -v.LLOSA / 5);
    auto reflectedAtMeasuredPoint = [&v, att] {
        v.RHOP = (v.LSWRP - 1) / (v.LSWRP + 1);
        v.PRAR = v.RHOP * v.RHOP;
        v.PRPF = att * v.PRAR;
    };

    v.CCC = 0;
    v.LSWRP = num::Int(v.LSWRL);
    for (v.N = 1; v.N <= 1000; ++v.N) {
        reflectedAtMeasuredPoint();
        if (v.PRPF >= v.PRINIZ)
            v.CCC = v.N;
        if (v.PRPF == v.PRINIZ) {
            v.LSWRF = v.LSWRP;
            return true;
        }
        if (v.PRPF > v.PRINIZ)
            break;
        v.LSWRP = v.LSWRP + 1;
    }
    v.LSWRP = v.LSWRP - 1;

    for (v.DF = 1; v.DF <= 7; ++v.DF) {
        const Real s = pow(10, -Real(v.DF));
        for (v.N = 1; v.N <= 10; ++v.N) {
            reflectedAtMeasuredPoint();
            if (v.PRPF == v.PRINIZ) {
                v.LSWRF = v.LSWRP;
                return true;
            }
            if (v.PRPF > v.PRINIZ)
                break;
            v.LSWRP = v.LSWRP + s;
        }
        v.LSWRP = v.LSWRP - s;
    }
    return false;
}

void LineCompute(ui::Form& f) {
    auto& v = f.vars<LineVars>();

    // The result is bold from the first run on; the cable is the one named in Combo2.
    f.setBold("Text22", true);
    FindCable(f);
    const bool manual = f.selected("Option11");
    const bool automatic = f.selected("Option16");

    // Zero checks: reported, and a field still zero afterwards is repaired to 0.001.
    ui::requireNonZero(f, "Text23", "Resistance", "Resistance cannot be 0!");
    if (manual)
        ui::requireNonZero(f, "Text25", "Line Impedence", "Line Impedence cannot be 0!");
    ui::requireNonZero(f, "Text26", "RTX Impedence", "RTX Impedence cannot be 0!");
    if (manual)
        ui::requireNonZero(f, "Text27", "Velocity Factor", "Velocity Factor cannot be 0!");
    ui::requireNonZero(f, "Text28", "Frequency", "Frequency cannot be 0!");
    ui::requireNonZero(f, "Text29", "Power", "Power cannot be 0!");

    // Inputs. The measured impedance is normalised with the line impedance field as it reads now.
    v.LR1 = f.val("Text23") / f.val("Text25");
    v.LX1 = f.val("Text24") / f.val("Text25");
    v.LRZ = f.val("Text26");
    if (automatic) {
        const CableEntry& c = kCatalog[static_cast<std::size_t>(v.IND)];
        v.LZLP = c.Z;
        v.LVFP = c.VF;
        v.LZL = v.LZLP / 10;
        v.LVF = v.LVFP / 1000;
        f.setText("Text25", num::Format(v.LZL.value(), "0.0"));
        f.setText("Text27", num::Format(v.LVF.value(), "0.000"));
    }
    if (manual) {
        v.LZL = f.val("Text25");
        v.LVF = f.val("Text27");
        v.PP = f.val("Text40");
    }
    v.LMHZ = f.val("Text28");
    v.LPWR = f.val("Text29");
    if (v.CF == 1)
        v.LPWR = v.Watt;
    v.NL = f.val("Combo1");

    // Shift angle: towards the transceiver the slider runs from NL - 1 to NL half waves; towards the
    // antenna it is mirrored, 720 being the nearer end.
    const bool toRTX = f.selected("Option10");
    const bool toANT = f.selected("Option9");
    const Real pos = f.value("HScroll1");
    const Real NL = v.NL;
    if (toRTX)
        v.Shdeg = (NL - 1) * 180 + pos / 4;
    if (toANT)
        v.Shdeg = (pos / 4 - 180) - (NL - 1) * 180;
    v.Shgonio = v.Shdeg + v.Shdeg;
    v.Lambda = 299.792458 / v.LMHZ;

    // Reflection at the measured point. Towards the transceiver the reflection coefficient turns
    // clockwise, towards the antenna counter-clockwise.
    v.LGR = num::GamRFromZ(v.LR1, v.LX1);
    v.LGI = num::GamXFromZ(v.LR1, v.LX1);
    v.LRHO = num::Magn(v.LGR, v.LGI);
    if (v.LRHO != 0)
        v.LPHI = num::ArcCosDeg(v.LGR, v.LRHO);
    if (v.LGI < 0)
        v.LPHI = -v.LPHI;
    v.LPHI = num::Fold180(v.LPHI);
    Real turned = v.LPHI - v.Shgonio;
    v.LPHF = num::Fold180(turned);
    v.LSWRL = num::SWRFromRho(v.LRHO);

    // Warning for an SWR the loss model no longer covers.
    f.setVisible("Label36", v.LSWRL > 25);

    // Catalog loss at this frequency.
    if (automatic)
        v.PP = CableLoss(v.IND, v.LMHZ);

    // Length and losses.
    if (toRTX)
        v.Shlambda = v.Shdeg / 360;
    if (toANT)
        v.Shlambda = -v.Shdeg / 360;
    v.Shmet = v.Shlambda * v.Lambda * v.LVF;
    v.LLOSP = v.Shmet * v.PP / 100;
    v.LLOSA = totalLoss(v.LLOSP, v.LRHO);
    v.PRINIZ = pow(v.LRHO, 2);

    if (toRTX) {
        // The transceiver end: the measured reflection attenuated by the total loss there and back.
        v.PRF = v.PRINIZ * pow(10, -v.LLOSA / 5);
        v.LSWRF = (1 + sqrt(v.PRF)) / (1 - sqrt(v.PRF));
        v.LRHOF = (v.LSWRF - 1) / (v.LSWRF + 1);
        farPoint(v);
        // The transceiver delivers the measured-point power plus the total loss.
        v.LPWR = v.LPWR * pow(10, v.LLOSA / 10);
    }
    if (toANT) {
        // The antenna end: the SWR there whose reflection, attenuated, is the measured one. An exact hit
        // keeps the total loss found with the measured reflection.
        if (!FindAntennaSWR(v)) {
            v.LSWRF = v.LSWRP;
            v.LRHOF = (v.LSWRF - 1) / (v.LSWRF + 1);
            // The loss due to the SWR follows from the reflection at the antenna end.
            v.LLOSA = totalLoss(v.LLOSP, v.LRHOF);
        }
        v.LRHOF = (v.LSWRF - 1) / (v.LSWRF + 1);
        farPoint(v);
        // The antenna receives the measured-point power less the total loss.
        v.LPWR = v.LPWR * pow(10, -v.LLOSA / 10);
    }

    // Voltage and current at the far point.
    Real Z2 = pow(v.LR, 2) + pow(v.LX, 2);
    v.LTrms = pow(Z2 * v.LPWR / v.LR, 0.5);
    v.LI = pow(Z2 / pow(Z2, 2), 0.5) * v.LTrms;
    v.LTpp = pow(2, 0.5) * (v.LTrms * 2);
    v.LTp = pow(2, 0.5) * v.LTrms;

    // The angle shown is the shift within the current half-wave cycle; the end that completes the
    // half wave shows 180, the other end 0.
    if (toRTX)
        v.Lsign = "+";
    if (toANT)
        v.Lsign = "-";
    v.Shgoniom = v.Shgonio / 2;
    if (pos == 720)
        v.Shgoniom = v.Shgoniom - 0.0000001;
    if (pos == 0)
        v.Shgoniom = 0.0000001;
    if (toANT)
        v.Shgoniom = 180 - v.Shgoniom;
    Real shown = v.Shgoniom - num::Int(v.Shgoniom / 180) * 180;

    // A purely resistive or reactive far point would divide by zero in its parallel equivalent.
    if (v.LR == 0)
        v.LR = 0.000001;
    if (v.LX == 0)
        v.LX = 0.000001;

    // Parallel equivalent.
    Real Z0 = f.val("Text25");
    Real r = v.LR / Z0;
    Real x = v.LX / Z0;
    v.RPAR = (pow(r, 2) + pow(x, 2)) / r;
    v.XPAR = (pow(r, 2) + pow(x, 2)) / x;

    // Stubs: a parallel stub presenting -j XPAR cancels the parallel reactance. Its length is the
    // rotation from a short or an open end to that reactance, 720 degrees to the wavelength on the line.
    v.StubR = num::GamRFromZ(0, v.XPAR);
    v.StubX = num::GamXFromZ(0, v.XPAR);
    v.StubM = num::Magn(v.StubR, v.StubX);
    v.StubP = num::ArcCosDeg(v.StubR, v.StubM);
    if (v.StubX < 0)
        v.StubP = -v.StubP;
    v.StubP = -v.StubP;
    v.StubC = num::Mod360(180 - v.StubP);
    v.StubO = num::Mod360(-v.StubP);
    v.Stubclosed = v.StubC / 720 * v.Lambda * v.LVF;
    v.Stubopen = v.StubO / 720 * v.Lambda * v.LVF;

    auto F = [&](Real value, const char* pattern) { return f.fmt(value.value(), pattern); };
    v.RPstr = "Rp = " + F(Z0 * v.RPAR, "0.00") + " ohm";
    v.XPstr = "Xp = " + F(Z0 * v.XPAR, "0.00") + " ohm";
    if (Z0 * v.XPAR > 9999)
        v.XPstr = "Xp > 9999 ohm";
    if (Z0 * v.XPAR < -9999)
        v.XPstr = "Xp < -9999 ohm";
    if (Z0 * v.RPAR > 9999)
        v.RPstr = "Rp > 9999 ohm";
    v.Rigastr = v.RPstr + " " + v.XPstr + " open-end stub: " + F(v.Stubopen, "0.00") +
                "m shorted: " + F(v.Stubclosed, "0.00") + "m";

    // The range of the slider, and the loss the run used.
    Real mhz = f.val("Text28");
    f.setText("Text41",
              F((NL - 1) * v.LVF * 150 / mhz, "0.00") + " - " + F(NL * v.LVF * 150 / mhz, "0.00") + " mtrs.");
    if (automatic)
        f.setText("Text40", num::Format(v.PP.value(), "0.0"));

    // The result.
    std::string line1 = "R = " + F(v.LR, "0.00") + " ohm  " + "X = " + F(v.LX, "0.00") + " ohm  ";
    if (v.LZL != v.LRZ)
        line1 += "SWR " + F(v.LZL, "0") + "ohm=" + F(v.LSWRF, "0.00") + " SWR " + F(v.LRZ, "0") +
                 "ohm=" + F(v.LSWRR, "0.00");
    else
        line1 += "SWR = " + F(v.LSWRF, "0.00");
    std::string line2 = "V = " + F(v.LTrms, "0.00") + "Vrms" + " " + F(v.LTp, "0.00") + "Vp" + " " +
                        F(v.LTpp, "0.00") + "Vpp" + " I = " + F(v.LI, "0.00") + "A" +
                        " PWR = " + F(v.LPWR, "0.00") + "W";
    std::string line3 = "Shift=" + v.Lsign + F(shown, "0.00") + "\xC2\xB0 " + v.Lsign +
                        F(v.Shlambda, "0.000") + " lambda " + F(v.Shmet, "0.00") + "m" +
                        " loss=" + F(v.LLOSP, "0.00") + "(ML)+" + F(v.LLOSA - v.LLOSP, "0.00") +
                        "(SWRL)=" + F(v.LLOSA, "0.00") + "dB";
    std::string result = line1 + "\r\n" + line2 + "\r\n" + line3 + "\r\n" + v.Rigastr;

    // No antenna behind this loss can give the measured reflection.
    if (toANT && v.CCC == 0)
        result = "INVALID DATA: ENTRY SWR TOO HIGH (Reflected Power from the Antenna would be higher than "
                 "Forward Power to the Antenna)!";
    f.setText("Text22", result);
}

} // namespace line
