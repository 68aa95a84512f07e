#include "wiring/import.h"

#include "line/line.h"
#include "numeric/numtext.h"
#include "numeric/reflection.h"
#include "point/point.h"
#include "tuner/tuner.h"

#include <cmath>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace wiring {

using touchstone::Complex;

namespace {

struct ImportVars {
    std::shared_ptr<const touchstone::Network> lineSweep;
    bool dropped = false; // a sweep was dropped by a typed R, X or frequency, and none imported since
    // The same sweep, whether or not it is the same copy (a restarted window is compared with a new one).
    bool operator==(const ImportVars& o) const {
        return dropped == o.dropped &&
               (lineSweep == o.lineSweep || (lineSweep && o.lineSweep && *lineSweep == *o.lineSweep));
    }
};

// A component of a complex value as the field receives it; rounding noise far below the value's size
// (the cosine of 90 degrees) is written as 0.
std::string component(double part, Complex whole) {
    return num::Significant(std::fabs(part) < 1e-12 * std::abs(whole) ? 0.0 : part, 6);
}

bool finite(Complex c) {
    return std::isfinite(c.real()) && std::isfinite(c.imag());
}

using Writes = std::vector<std::pair<const char*, std::string>>;

void put(Writes& w, const char* re, const char* im, Complex c) {
    w.emplace_back(re, component(c.real(), c));
    w.emplace_back(im, component(c.imag(), c));
}

// The impedance of S11 on the file's port-1 reference; a passive load only, so R stays positive.
std::optional<Complex> loadImpedance(ui::Form& f, Complex s11, const touchstone::Network& n, double mhz) {
    const Complex z = num::impedance(s11, n.reference[0]);
    if (std::abs(s11) < 1 && finite(z))
        return z;
    f.messageBox("Touchstone Impedance", "|S11| is " + num::Significant(std::abs(s11), 6) + " at " +
                                             num::Significant(mhz, 6) +
                                             " MHz: no impedance with a positive resistance.");
    return std::nullopt;
}

touchstone::Network s11Sweep(const touchstone::Network& n) {
    touchstone::Network one = n;
    one.ports = 1;
    one.reference = {n.reference[0], n.reference[0]};
    for (auto& s : one.samples)
        s.s = {s.s[0], 0.0, 0.0, 0.0};
    return one;
}

} // namespace

std::optional<ImportTarget> importTarget(std::string_view word) {
    if (word == "point")
        return ImportTarget::Point;
    if (word == "line")
        return ImportTarget::Line;
    if (word == "antenna")
        return ImportTarget::Antenna;
    if (word == "tuner")
        return ImportTarget::Tuner;
    return std::nullopt;
}

bool importFits(ImportTarget target, const touchstone::Network& n) {
    return target != ImportTarget::Tuner || n.ports == 2;
}

void showRefusedFile(ui::Form& f, const touchstone::Error& e) {
    f.messageBox("Touchstone File", e.what());
}

bool importNetwork(ui::Form& f, ImportTarget target, double mhz, const touchstone::Network& n) {
    if (!importFits(target, n)) {
        f.messageBox("Touchstone Target", "The tuner needs the four S-parameters of a two-port file: " +
                                              n.name + " is a one-port.");
        return false;
    }
    std::array<Complex, 4> s;
    try {
        s = touchstone::at(n, mhz * 1e6);
    } catch (const touchstone::Error& e) {
        f.messageBox("Touchstone Frequency", e.what());
        return false;
    }

    // Every text is made and checked before the first field is written.
    Writes w;
    switch (target) {
    case ImportTarget::Point:
    case ImportTarget::Line: {
        const auto z = loadImpedance(f, s[0], n, mhz);
        if (!z)
            return false;
        if (target == ImportTarget::Point) {
            put(w, point::names::kResistance, point::names::kReactance, *z);
        } else {
            put(w, line::names::kResistance, line::names::kReactance, *z);
            // The frequency as asked, every digit: 199.999646 MHz is not 200.
            w.emplace_back(line::names::kMhz, num::Shortest(mhz));
        }
        break;
    }
    case ImportTarget::Antenna: {
        // The antenna is a one-port: S11 as measured at port 1, moved to 50 ohm.
        const Complex g = touchstone::renormalise(s[0], n.reference[0], 50.0);
        put(w, tuner::names::kAntennaRe, tuner::names::kAntennaIm, g);
        for (const auto& [field, text] : w)
            if (!tuner::antennaComponentFits(f, field, num::Val(text)))
                return false;
        break;
    }
    case ImportTarget::Tuner: {
        const auto s50 = touchstone::renormalise(s, n.reference, 50.0);
        for (const Complex& c : s50)
            if (!finite(c)) {
                f.messageBox("Touchstone Impedance", "The S-parameters at " + num::Significant(mhz, 6) +
                                                         " MHz have no values on 50 ohm.");
                return false;
            }
        using namespace tuner::names;
        put(w, kS11Re, kS11Im, s50[0]);
        put(w, kS21Re, kS21Im, s50[1]);
        put(w, kS22Re, kS22Im, s50[3]);
        put(w, kS12Re, kS12Im, s50[2]); // last: nothing copies S21 over it afterwards
        break;
    }
    }

    for (auto& [field, text] : w)
        f.setText(field, std::move(text));
    if (target == ImportTarget::Line) {
        // As when the operator leaves the frequency field: the range text and the warning above the cable
        // data's range. The writes above dropped the old sweep; the file's is the panel's now.
        f.runHandler("Text28", ui::Event::LostFocus);
        f.vars<ImportVars>().lineSweep = std::make_shared<const touchstone::Network>(s11Sweep(n));
        f.vars<ImportVars>().dropped = false;
    }
    return true;
}

bool importMeasurement(ui::Form& f, ImportTarget target, double mhz, const std::string& path) {
    touchstone::Network n;
    try {
        n = touchstone::readFile(path);
    } catch (const touchstone::Error& e) {
        showRefusedFile(f, e);
        return false;
    }
    return importNetwork(f, target, mhz, n);
}

const touchstone::Network* lineSweep(const ui::Form& f) {
    return f.vars<ImportVars>().lineSweep.get();
}

namespace {
struct AnalyserVars {
    std::shared_ptr<const touchstone::Network> last;
    bool operator==(const AnalyserVars& o) const {
        return last == o.last || (last && o.last && *last == *o.last);
    }
};
} // namespace

void keepAnalyserSweep(ui::Form& f, const touchstone::Network& sweep) {
    f.vars<AnalyserVars>().last = std::make_shared<const touchstone::Network>(sweep);
}

const touchstone::Network* analyserSweep(const ui::Form& f) {
    return f.vars<AnalyserVars>().last.get();
}

void dropLineSweep(ui::Form& f) {
    ImportVars& v = f.vars<ImportVars>();
    if (v.lineSweep)
        v.dropped = true;
    v.lineSweep.reset();
}

bool lineSweepDropped(const ui::Form& f) {
    return f.vars<ImportVars>().dropped;
}

std::string importNote(ImportTarget target, double mhz) {
    if (target != ImportTarget::Line || !(mhz > line::kCableDataMaxMhz))
        return {};
    return num::Shortest(mhz) + " MHz is beyond the range of the cable data (up to " +
           num::Shortest(line::kCableDataMaxMhz) + " MHz): the line's results are not guaranteed.";
}

const std::vector<std::pair<const char*, ImportTarget>>& importPanels() {
    static const std::vector<std::pair<const char*, ImportTarget>> panels = {
        {tuner::names::kAntennaPanel, ImportTarget::Antenna},
        {tuner::names::kPanel, ImportTarget::Tuner},
        {line::names::kPanel, ImportTarget::Line},
        {point::names::kPanel, ImportTarget::Point},
    };
    return panels;
}

double importStartMhz(const ui::Form& f, const touchstone::Network& n) {
    double start = n.samples.front().hz / 1e6;
    try {
        const double line = num::Val(f.text(line::names::kMhz));
        if (line * 1e6 >= n.samples.front().hz && line * 1e6 <= n.samples.back().hz)
            start = line;
    } catch (const num::ArithFault&) {
        // a frequency too large for a double: the file's first point
    }
    return start;
}

} // namespace wiring
