// The cable catalog's lookup, the matched loss of an entry, the user's cables that follow the catalog in
// the list, and the refresh of the line-data fields.
#include "line/catalog.h"
#include "line/line.h"
#include "numeric/numtext.h"

#include <optional>
#include <utility>

namespace line {

const char* cableName(const ui::Form& f, int16_t index) {
    if (index < kCableCount)
        return kCatalog[static_cast<std::size_t>(index)].name;
    return f.vars<UserCables>().list[static_cast<std::size_t>(index - kCableCount)].name.c_str();
}

int16_t cableCount(const ui::Form& f) {
    return static_cast<int16_t>(kCableCount + f.vars<UserCables>().list.size());
}

void FindCable(ui::Form& f) {
    auto& v = f.vars<LineVars>();
    // Combo2's list holds the catalog's names in the catalog's order, then the user's cables; the last
    // index is its size less one.
    const std::string& name = f.text("Combo2");
    const int16_t CONT = cableCount(f) - 1;
    for (v.N = 0; v.N <= CONT; ++v.N) {
        if (name == cableName(f, v.N)) {
            v.IND = v.N;
            v.N = CONT;
        }
    }
}

Real matchedLoss(const LossCoefficients& k, Real mhz) {
    // The coefficients give dB per 100 ft.
    Real per100ft = Real(k.K0) / 1000000 + Real(k.K1) * num::sqrt(mhz) / 1000000 + Real(k.K2) * mhz / 1000000;
    return per100ft / 0.3048;
}

LossCoefficients catalogCoefficients(int16_t index) {
    const CableEntry& c = kCatalog[static_cast<std::size_t>(index)];
    return {double(c.K0), double(c.K1), double(c.K2)};
}

CableLine cableLine(int16_t index) {
    const CableEntry& c = kCatalog[static_cast<std::size_t>(index)];
    return {Real(c.Z) / 10, Real(c.VF) / 1000};
}

Real CableLoss(int16_t index, Real mhz) {
    return matchedLoss(catalogCoefficients(index), mhz);
}

bool isCatalogName(const std::string& name) {
    for (const CableEntry& c : kCatalog)
        if (name == c.name)
            return true;
    return false;
}

CableData cableData(const ui::Form& f, int16_t index) {
    if (index < kCableCount) {
        const CableLine c = cableLine(index);
        return {c.impedance, c.velocityFactor, catalogCoefficients(index), false};
    }
    const UserCable& u = f.vars<UserCables>().list[static_cast<std::size_t>(index - kCableCount)];
    return {u.Z0, u.VF, u.k, true};
}

Real CableLoss(const ui::Form& f, int16_t index, Real mhz) {
    return matchedLoss(cableData(f, index).k, mhz);
}

void installUserCables(ui::Form& f, std::vector<UserCable> cables) {
    auto& v = f.vars<LineVars>();
    auto& user = f.vars<UserCables>().list;
    const int16_t oldIND = v.IND;
    const bool wasUser = v.IND >= kCableCount;
    std::optional<UserCable> selected;
    if (wasUser)
        selected = user[static_cast<std::size_t>(v.IND - kCableCount)];

    user = std::move(cables);
    std::vector<std::string> names;
    names.reserve(kCableCount + user.size());
    for (const CableEntry& c : kCatalog)
        names.emplace_back(c.name);
    for (const UserCable& u : user)
        names.push_back(u.name);
    f.setItems("Combo2", std::move(names));
    if (!wasUser)
        return;

    // The selected cable is followed by its name; gone, the first catalog entry is selected, and the
    // cable field that still names it shows that entry's name.
    bool found = false, same = false;
    v.IND = 0;
    for (std::size_t i = 0; i < user.size(); ++i) {
        if (user[i].name == selected->name) {
            v.IND = static_cast<int16_t>(kCableCount + i);
            found = true;
            same = user[i] == *selected;
        }
    }
    // The result standing in Text22 names its cable by its place in the list, which may have moved.
    if (found && v.shownInput.loss.catalogEntry == oldIND)
        v.shownInput.loss.catalogEntry = v.IND;
    if (same || !f.loaded())
        return;
    if (!found && f.text("Combo2") == selected->name)
        f.setText("Combo2", kCatalog[0].name); // its Change refreshes the fields
    else
        ApplyCable(f);
}

void LineData(ui::Form& f) {
    auto& v = f.vars<LineVars>();
    FindCable(f);
    if (f.selected("Option11")) {
        v.LZL = f.val("Text25");
        v.LVF = f.val("Text27");
    }
    if (f.selected("Option16")) {
        const CableData c = cableData(f, v.IND);
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
        v.PPP = CableLoss(f, v.IND, v.LMHZ);
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
