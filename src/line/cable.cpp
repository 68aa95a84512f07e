// The cable catalog's lookup, the matched loss of an entry, and the refresh of the line-data fields.
#include "line/catalog.h"
#include "line/line.h"
#include "numeric/numtext.h"

namespace line {

void FindCable(ui::Form& f) {
    auto& v = f.vars<LineVars>();
    // Combo2's list holds the catalog's names in the catalog's order; the last index is its size less one.
    const std::string& name = f.text("Combo2");
    constexpr int16_t CONT = kCableCount - 1;
    for (v.N = 0; v.N <= CONT; ++v.N) {
        if (name == kCatalog[static_cast<std::size_t>(v.N)].name) {
            v.IND = v.N;
            v.N = CONT;
        }
    }
}

CableLine cableLine(int16_t index) {
    const CableEntry& c = kCatalog[static_cast<std::size_t>(index)];
    return {Real(c.Z) / 10, Real(c.VF) / 1000};
}

Real CableLoss(int16_t index, Real mhz) {
    const CableEntry& c = kCatalog[static_cast<std::size_t>(index)];
    // The coefficients give dB per 100 ft.
    Real per100ft = Real(c.K0) / 1000000 + Real(c.K1) * num::sqrt(mhz) / 1000000 + Real(c.K2) * mhz / 1000000;
    return per100ft / 0.3048;
}

void LineData(ui::Form& f) {
    auto& v = f.vars<LineVars>();
    FindCable(f);
    if (f.selected("Option11")) {
        v.LZL = f.val("Text25");
        v.LVF = f.val("Text27");
    }
    if (f.selected("Option16")) {
        const CableLine c = cableLine(v.IND);
        v.LZL = c.impedance;
        v.LVF = c.velocityFactor;
    }
}

void ApplyCable(ui::Form& f) {
    auto& v = f.vars<LineVars>();
    f.setText("Text22", "");
    LineData(f);
    if (f.selected("Option16")) {
        // Input fields: the dot, whatever the regional setting, so that they read back as written.
        f.setText("Text25", num::Format(v.LZL.value(), "0.0"));
        f.setText("Text27", num::Format(v.LVF.value(), "0.000"));
        // The loss at the frequency of the latest line computation (0 MHz before the first one).
        v.PPP = CableLoss(v.IND, v.LMHZ);
        f.setText("Text40", num::Format(v.PPP.value(), "0.0"));
    }
}

void option16Click(ui::Form& f) {
    f.setText("Text22", "");
    f.setEnabled("Text40", false);
    f.setEnabled("Text25", false);
    f.setEnabled("Text27", false);
    ApplyCable(f);
}

void option11Click(ui::Form& f) {
    f.setText("Text22", "");
    f.setText("Text25", "");
    f.setText("Text27", "");
    f.setText("Text40", "");
    f.setEnabled("Text40", true);
    f.setEnabled("Text25", true);
    f.setEnabled("Text27", true);
}

} // namespace line
