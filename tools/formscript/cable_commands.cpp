// The user's cables: from a datasheet, measured from a sweep, listed and removed; saved to the same file
// as the window's.
#include "tools/formscript/commands.h"
#include "tools/formscript/formscript.h"

#include "cables/fit.h"
#include "cables/measure.h"
#include "touchstone/touchstone.h"
#include "ui/form.h"
#include "wiring/cables.h"
#include "wiring/import.h"

#include <string>
#include <vector>

namespace formscript {

namespace {

using cables::Refusal;

// The next word (up to one blank) of `rest`.
std::string word(std::string_view& rest) {
    const auto sp = rest.find(' ');
    std::string w(rest.substr(0, sp));
    rest = sp == std::string_view::npos ? std::string_view() : rest.substr(sp + 1);
    return w;
}

double numberIn(const std::string& text, const std::string& field, const std::string& what) {
    const auto v = cables::number(text);
    if (!v)
        throw Refusal(field, what + ": \"" + text + "\" is not a number (use the dot).");
    return *v;
}

// POINTS: MHZ:LOSS[,MHZ:LOSS...]
std::vector<cables::Point> points(const std::string& text) {
    std::vector<cables::Point> out;
    std::size_t at = 0;
    for (;;) {
        const auto comma = text.find(',', at);
        const std::string one = text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        const auto colon = one.find(':');
        if (colon == std::string::npos)
            throw Refusal("Points", "\"" + one + "\" is not a point: write MHZ:LOSS, for example 14:2.5.");
        const std::string n = std::to_string(out.size() + 1);
        out.push_back({numberIn(one.substr(0, colon), "Points", "Point " + n + ", the frequency"),
                       numberIn(one.substr(colon + 1), "Points", "Point " + n + ", the loss")});
        if (comma == std::string::npos)
            break;
        at = comma + 1;
    }
    return out;
}

void add(ui::Form& f, std::string_view rest, std::ostream& out) {
    const std::string z0Text = word(rest), vfText = word(rest), unitText = word(rest),
                      pointsText = word(rest);
    const std::string_view nameText = rest;
    cables::Cable c;
    cables::DatasheetFit fit;
    try {
        c.line.Z0 = numberIn(z0Text, "Z0", "Z0");
        c.line.VF = numberIn(vfText, "VF", "VF");
        cables::checkLine(c.line.Z0, c.line.VF);
        const auto unit = cables::lossUnit(unitText);
        if (!unit)
            throw Refusal("Unit", "The loss unit is m (dB per 100 m) or ft (dB per 100 ft), not \"" +
                                      unitText + "\".");
        c.datasheet = cables::Datasheet{*unit, points(pointsText)};
        cables::checkPoints(c.datasheet->points);
        c.line.name = cables::checkedName(nameText);
        fit = cables::fitDatasheet(*c.datasheet);
    } catch (const Refusal& r) {
        wiring::showRefusal(f, r);
        return;
    }
    c.line.k = cables::fromDbPer100ft(fit.k0, fit.k1, fit.k2);
    if (!wiring::saveCables(f, {{c}, {}, {}}))
        return;
    out << "cable| " << c.line.name << ' ' << cables::sixDigits(fit.k0) << ' ' << cables::sixDigits(fit.k1)
        << ' ' << cables::sixDigits(fit.k2) << '\n';
    out << "cable| fit " << cables::sixDigits(fit.rms) << ' ' << cables::sixDigits(fit.max) << '\n';
}

void list(const ui::Form& f, std::ostream& out) {
    for (const cables::Cable& c : wiring::userCables(f))
        out << "cable| " << c.line.name << ' ' << cables::sixDigits(c.line.Z0) << ' '
            << cables::sixDigits(c.line.VF) << ' ' << cables::sixDigits(cables::dbPer100ft(c.line.k.K0))
            << ' ' << cables::sixDigits(cables::dbPer100ft(c.line.k.K1)) << ' '
            << cables::sixDigits(cables::dbPer100ft(c.line.k.K2)) << '\n';
}

void remove(ui::Form& f, std::string_view rest) {
    std::string name(rest);
    const auto first = name.find_first_not_of(' ');
    name = first == std::string::npos ? "" : name.substr(first, name.find_last_not_of(' ') - first + 1);
    for (const cables::Cable& c : wiring::userCables(f))
        if (c.line.name == name) {
            wiring::saveCables(f, {{}, {name}, {}});
            return;
        }
    wiring::showRefusal(f, Refusal("Name", "There is no cable of yours called \"" + name + "\"."));
}

// LENGTH: a number and its unit, "12.5m" or "41ft"; metres.
double metres(const std::string& text) {
    const bool feet = text.size() > 2 && text.compare(text.size() - 2, 2, "ft") == 0;
    const bool m = !feet && text.size() > 1 && text.back() == 'm';
    if (!feet && !m)
        throw Refusal("Length", "The length takes its unit: 12.5m or 41ft, not \"" + text + "\".");
    const double v = numberIn(text.substr(0, text.size() - (feet ? 2 : 1)), "Length", "The length");
    if (!(v > 0))
        throw Refusal("Length", "The cable's length must be greater than 0.");
    return feet ? v * cables::kFeet : v;
}

void measure(ui::Form& f, std::string_view rest, std::ostream& out) {
    const std::string file = word(rest), lengthText = word(rest), endText = word(rest);
    if (file.empty())
        throw ScriptError("cable measure takes FILE LENGTH END NAME");
    cables::Cable c;
    cables::Measurement m;
    try {
        const double l = metres(lengthText);
        const auto end = cables::lineEnd(endText);
        if (!end)
            throw Refusal("End", "The far end is open or short, not \"" + endText + "\".");
        c.line.name = cables::checkedName(rest);
        touchstone::Network sweep;
        try {
            sweep = touchstone::readFile(file);
        } catch (const touchstone::Error& e) {
            wiring::showRefusedFile(f, e);
            return;
        }
        m = cables::measureCable(sweep, l, *end);
        c.measured = cables::MeasuredWith{l, *end, file};
    } catch (const Refusal& r) {
        wiring::showRefusal(f, r);
        return;
    }
    c.line.Z0 = m.z0;
    c.line.VF = m.vf;
    c.line.k = cables::fromDbPer100ft(0, m.k1, m.k2);
    if (!wiring::saveCables(f, {{c}, {}, {}}))
        return;
    out << "cable| measured " << c.line.name << ' ' << cables::sixDigits(m.z0) << ' '
        << cables::sixDigits(m.vf) << " 0 " << cables::sixDigits(m.k1) << ' ' << cables::sixDigits(m.k2)
        << '\n';
}

} // namespace

// cable add|list|remove|measure ...: a value that cannot make a cable is a message box, as in the window.
void cableCommand(Context& c) {
    const std::string sub = c.word();
    const std::string_view args = c.takeRest();
    if (sub == "add") {
        add(c.form, args, c.out);
    } else if (sub == "list") {
        if (!args.empty())
            throw ScriptError("cable list takes nothing after it");
        list(c.form, c.out);
    } else if (sub == "remove") {
        remove(c.form, args);
    } else if (sub == "measure") {
        measure(c.form, args, c.out);
    } else {
        throw ScriptError("cable takes add, list, remove or measure, not '" + sub + "'");
    }
}

} // namespace formscript
