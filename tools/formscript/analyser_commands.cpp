// formscript's analyser commands: connect to a NanoVNA on a serial port, sweep it into a panel, save the
// last sweep as a Touchstone file.
#include "analyser/analyser.h"
#include "numeric/numtext.h"
#include "tools/formscript/commands.h"
#include "tools/formscript/formscript.h"
#include "wiring/import.h"

#include <charconv>
#include <memory>
#include <ostream>

namespace formscript {

namespace {

// The connection and the last sweep kept, from one line to the next.
struct Analyser {
    std::unique_ptr<analyser::Session> session;
    std::unique_ptr<touchstone::Network> last;
    analyser::DeviceInfo lastDevice;
};

double mhz(const std::string& t, const char* what) {
    const auto v = num::parseNumber(t);
    if (!v)
        throw ScriptError(std::string("sweep takes ") + what + " in MHz with the dot, not '" + t + "'");
    return *v;
}

} // namespace

// analyser PORT: `analyser| BOARD FIRMWARE MAXPOINTS`, or `analyser| none REASON`.
void analyserCommand(Context& c) {
    const std::string port = c.text();
    if (port.empty())
        throw ScriptError("analyser needs a port");
    Analyser& a = c.kept<Analyser>();
    a.session.reset(); // the port before is closed first: it may be the same one
    try {
        auto s = std::make_unique<analyser::Session>(analyser::openSerial(port));
        const analyser::DeviceInfo& d = s->connect();
        c.out << "analyser| " << d.board << ' ' << d.firmware << ' ' << d.maxPoints << '\n';
        a.session = std::move(s);
    } catch (const analyser::Error& e) {
        c.out << "analyser| none " << e.what() << '\n';
    }
}

// sweep TARGET MHZ START STOP POINTS: one sweep written into the panel as an imported one-port is.
void sweepCommand(Context& c) {
    const std::string t = c.word();
    const auto target = wiring::importTarget(t);
    if (!target || *target == wiring::ImportTarget::Tuner)
        throw ScriptError("sweep takes point, line or antenna, not '" + t + "'");
    const double at = mhz(c.word(), "the frequency for the fields");
    const double start = mhz(c.word(), "the start");
    const double stop = mhz(c.word(), "the stop");
    const std::string p = c.word();
    c.noMore();
    long long points = 0;
    const auto r = std::from_chars(p.data(), p.data() + p.size(), points);
    if (p.empty() || r.ec != std::errc() || r.ptr != p.data() + p.size())
        throw ScriptError("sweep takes a whole number of points, not '" + p + "'");

    Analyser& a = c.kept<Analyser>();
    if (!a.session) {
        c.form.messageBox("Analyser", "No analyser is connected: connect one first.");
        return;
    }
    const analyser::SweepRequest request = analyser::requestMhz(start, stop, points);
    std::string wrong = analyser::checkRequest(request, a.session->info());
    if (wrong.empty())
        wrong = analyser::checkFieldsMhz(at, request);
    if (!wrong.empty()) {
        c.form.messageBox("Analyser", wrong);
        return;
    }
    touchstone::Network n;
    try {
        n = a.session->sweep(request);
    } catch (const analyser::Error& e) {
        c.form.messageBox("Analyser", e.what());
        if (!a.session->usable())
            a.session.reset(); // lost or silent: connect again
        return;
    }
    if (wiring::importNetwork(c.form, *target, at, n)) {
        a.last = std::make_unique<touchstone::Network>(std::move(n));
        a.lastDevice = a.session->info();
    }
}

// save FILE: the last sweep as a Touchstone 1.1 one-port file.
void saveCommand(Context& c) {
    const std::string file = c.text();
    if (file.empty())
        throw ScriptError("save needs a file");
    const Analyser& a = c.kept<Analyser>();
    if (!a.last) {
        c.form.messageBox("Save", "No sweep to save: make one with the analyser first.");
        return;
    }
    const std::string failed = analyser::saveFile(file, analyser::touchstoneText(*a.last, a.lastDevice));
    if (!failed.empty())
        c.form.messageBox("Save", "The file " + file + " could not be written: " + failed + ".");
}

} // namespace formscript
