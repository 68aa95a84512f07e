// The line computation: the measured impedance moved along the line by the electrical length of the
// slider and the half-wave cycle, towards the transceiver or towards the antenna, and the far point's
// values written as four lines into Text22. The physics is in physics.cpp; this handler reads the
// fields, keeps what the window needs between runs, and writes the result.
#include "line/catalog.h"
#include "line/line.h"
#include "numeric/numtext.h"
#include "numeric/routines.h"
#include "ui/entry.h"

namespace line {

bool FindAntennaSWR(LineVars& v) {
    const AntennaSearch s = searchAntennaSwr(v.LSWRL, v.PRINIZ, v.LLOSA);
    v.LSWRP = s.swr;
    v.CCC = s.firstReachingStep;
    if (s.exact)
        v.LSWRF = s.swr;
    return s.exact;
}

std::string resultText(const ui::Form& f, const LineInput& in, const LineResult& run, int sliderPosition) {
    const MeasuredPoint& m = run.measured;
    const FarPoint& far = run.far;
    const FarPointDetails& d = run.details;
    const bool toANT = in.direction == Direction::TowardsAntenna;
    const int pos = sliderPosition;
    // The angle shown is the shift within the current half-wave cycle; the end that completes the
    // half wave shows 180, the other end 0.
    const std::string sign = toANT ? "-" : "+";
    Real shiftShown = m.rotationDegrees / 2;
    if (pos == 720)
        shiftShown = shiftShown - 0.0000001;
    if (pos == 0)
        shiftShown = 0.0000001;
    if (toANT)
        shiftShown = 180 - shiftShown;
    Real shown = shiftShown - num::Int(shiftShown / 180) * 180;

    auto F = [&](Real value, const char* pattern) { return f.fmt(value.value(), pattern); };
    std::string parallelR = "Rp = " + F(d.parallelResistance, "0.00") + " ohm";
    std::string parallelX = "Xp = " + F(d.parallelReactance, "0.00") + " ohm";
    if (d.parallelReactance > 9999)
        parallelX = "Xp > 9999 ohm";
    if (d.parallelReactance < -9999)
        parallelX = "Xp < -9999 ohm";
    if (d.parallelResistance > 9999)
        parallelR = "Rp > 9999 ohm";
    const std::string line4 = parallelR + " " + parallelX + " open-end stub: " + F(d.openStubMetres, "0.00") +
                              "m shorted: " + F(d.shortedStubMetres, "0.00") + "m";

    const Real lineZ = in.lineImpedance, rtxZ = in.transceiverImpedance;
    std::string line1 =
        "R = " + F(far.resistance, "0.00") + " ohm  " + "X = " + F(far.reactance, "0.00") + " ohm  ";
    if (lineZ != rtxZ)
        line1 += "SWR " + F(lineZ, "0") + "ohm=" + F(far.swr, "0.00") + " SWR " + F(rtxZ, "0") +
                 "ohm=" + F(far.transceiverSwr, "0.00");
    else
        line1 += "SWR = " + F(far.swr, "0.00");
    std::string line2 = "V = " + F(d.volts, "0.00") + "Vrms" + " " + F(d.peakVolts, "0.00") + "Vp" + " " +
                        F(d.peakToPeakVolts, "0.00") + "Vpp" + " I = " + F(d.amperes, "0.00") + "A" +
                        " PWR = " + F(far.power, "0.00") + "W";
    std::string line3 =
        "Shift=" + sign + F(shown, "0.00") + "\xC2\xB0 " + sign + F(far.shiftWavelengths, "0.000") +
        " lambda " + F(far.shiftMetres, "0.00") + "m" + " loss=" + F(far.matchedLossDb, "0.00") + "(ML)+" +
        F(far.totalLossDb - far.matchedLossDb, "0.00") + "(SWRL)=" + F(far.totalLossDb, "0.00") + "dB";
    // No antenna behind this loss can give the measured reflection.
    if (far.impossible(in))
        return "INVALID DATA: ENTRY SWR TOO HIGH (Reflected Power from the Antenna would be higher than "
               "Forward Power to the Antenna)!";
    return line1 + "\r\n" + line2 + "\r\n" + line3 + "\r\n" + line4;
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

    // Inputs. The measured impedance is normalised with the line impedance field as it reads now, before
    // "Auto" may rewrite it; a quotient too large stops the run here, before anything of it is kept.
    LineInput in;
    in.loadImpedance = {f.val("Text23"), f.val("Text24")};
    const Normalised load = normalise(in.loadImpedance, f.val("Text25"));
    v.LR1 = load.r;
    v.LX1 = load.x;
    in.transceiverImpedance = f.val("Text26");
    if (automatic) {
        const CableData c = cableData(f, v.IND);
        v.LZL = c.impedance;
        v.LVF = c.velocityFactor;
        // Input fields: the dot, whatever the regional setting, so that they read back as written.
        f.setText("Text25", num::Format(v.LZL.value(), "0.0"));
        f.setText("Text27", num::Format(v.LVF.value(), "0.000"));
        in.loss.catalogEntry = v.IND;
        if (c.user)
            in.loss.coefficients = c.k;
    }
    if (manual) {
        v.LZL = f.val("Text25");
        v.LVF = f.val("Text27");
        in.loss.typedDbPer100m = f.val("Text40");
    }
    in.lineImpedance = v.LZL.value();
    in.velocityFactor = v.LVF.value();
    v.LMHZ = f.val("Text28");
    in.mhz = v.LMHZ.value();
    v.LPWR = f.val("Text29");
    if (v.CF == 1)
        v.LPWR = v.Watt;
    in.power = v.LPWR.value();
    v.NL = f.val("Combo1");

    // Shift angle: towards the transceiver the slider runs from NL - 1 to NL half waves; towards the
    // antenna it is mirrored, 720 being the nearer end.
    const bool toANT = f.selected("Option9");
    in.direction = toANT ? Direction::TowardsAntenna : Direction::TowardsTransceiver;
    const int pos = f.value("HScroll1");
    v.Shdeg = shiftDegrees(v.NL, pos, in.direction);
    in.shiftDegrees = v.Shdeg.value();

    // The measured point, and the warning for an SWR the loss model no longer covers.
    const MeasuredPoint m = measure(in, load);
    v.LSWRL = m.swr;
    f.setVisible("Label36", m.swr > 25);

    // The far point, and the power there, which the power exchange divides by.
    const FarPoint far = moveAlong(in, m);
    v.PRINIZ = far.measuredRatio;
    v.LLOSA = far.totalLossDb;
    v.LSWRP = far.search.swr;
    v.CCC = far.search.firstReachingStep;
    v.LSWRF = far.swr;
    v.LPWR = far.power;

    const FarPointDetails d = describe(in, m, far);

    // The range of the slider, and the loss the run used.
    f.setText("Text41", rangeText(f, v.NL, v.LVF, v.LMHZ));
    if (automatic)
        f.setText("Text40", num::Format(far.lossDbPer100m.value(), "0.0"));

    // The result.
    const LineResult run{m, far, d};
    const std::string result = resultText(f, in, run, pos);
    v.shownInput = in;
    v.shownResult = run;
    f.setText("Text22", result);
    v.shownStamp = f.textStamp("Text22");
}

const LineVars* standingRun(const ui::Form& f) {
    const auto& v = f.vars<LineVars>();
    return f.stands(names::kResult, v.shownStamp) ? &v : nullptr;
}

} // namespace line
