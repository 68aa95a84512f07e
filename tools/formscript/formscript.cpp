#include "tools/formscript/formscript.h"

#include "chart/chart.h"
#include "match/match.h"
#include "ui/form.h"
#include "wiring/import.h"
#include "wiring/wiring.h"

#include <charconv>
#include <cmath>
#include <complex>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace formscript {

namespace {

// Records what the window shows outside itself, in order.
class PrintingPorts : public ui::Ports {
  public:
    explicit PrintingPorts(std::ostream& out) : out_(out) {}
    void messageBox(const std::string& title, const std::string& prompt) override {
        out_ << "msgbox[" << title << "] " << prompt << '\n';
    }
    void openDocument(const std::string& address) override { out_ << "open " << address << '\n'; }

  private:
    std::ostream& out_;
};

// Splits UTF-8 text into code points; a malformed sequence is a script error.
std::vector<char32_t> codePoints(const std::string& s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > s.size())
            throw ScriptError("text is not valid UTF-8");
        char32_t cp = len == 1 ? b : b & (0x7F >> len);
        for (int k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                throw ScriptError("text is not valid UTF-8");
            cp = (cp << 6) | (c & 0x3F);
        }
        out.push_back(cp);
        i += len;
    }
    return out;
}

const char* kindWord(ui::Kind k) {
    switch (k) {
    case ui::Kind::TextBox:
        return "text box";
    case ui::Kind::Label:
        return "label";
    case ui::Kind::Frame:
        return "frame";
    case ui::Kind::CommandButton:
        return "command button";
    case ui::Kind::OptionButton:
        return "option button";
    case ui::Kind::ComboBox:
        return "combo box";
    case ui::Kind::ListBox:
        return "list box";
    case ui::Kind::HScrollBar:
        break;
    }
    return "scroll bar";
}

} // namespace

struct Session::Impl {
    explicit Impl(std::ostream& out) : out_(out), ports_(out) {
        form_.setPorts(&ports_);
        wiring::start(form_);
    }

    void execute(const std::string& line) {
        std::size_t p = line.find_first_not_of(" \t");
        if (p == std::string::npos || line[p] == '#')
            return;
        rest_ = std::string_view(line).substr(p); // a view: a pasted megabyte is copied once
        const std::string cmd = word();

        if (cmd == "tab") {
            noMore();
            form_.userTab();
        } else if (cmd == "decimal") {
            const std::string c = text();
            if (c != "." && c != ",")
                throw ScriptError("decimal takes . or ,");
            form_.setDecimalSign(c[0]);
        } else if (cmd == "accel") {
            const std::string c = text();
            if (c.size() != 1 || !form_.accelTarget(c[0]))
                throw ScriptError("no button has the access key '" + c + "'");
            form_.userAccel(c[0]);
        } else if (cmd == "type") {
            const ui::Control& c = target({ui::Kind::TextBox, ui::Kind::ComboBox}, cmd);
            const auto cps = codePoints(text());
            for (char32_t cp : cps)
                if (cp < 32)
                    throw ScriptError("type takes no character below 32");
            if (!c.enabled)
                return;
            form_.userFocus(c.name);
            for (char32_t cp : cps)
                form_.userType(c.name, cp);
        } else if (cmd == "paste") {
            const ui::Control& c = target({ui::Kind::TextBox, ui::Kind::ComboBox}, cmd);
            const std::string_view t = rest_;
            rest_ = {};
            if (form_.userFocus(c.name) && form_.acceptsText(c.name)) {
                std::string joined; // one copy of a long paste
                joined.reserve(c.text.size() + t.size());
                joined.append(c.text).append(t);
                form_.userEdit(c.name, std::move(joined));
            }
        } else if (cmd == "clear") {
            const ui::Control& c = target({ui::Kind::TextBox, ui::Kind::ComboBox}, cmd);
            noMore();
            if (form_.userFocus(c.name) && form_.acceptsText(c.name))
                form_.userEdit(c.name, "");
        } else if (cmd == "click") {
            const ui::Control& c = target({ui::Kind::CommandButton, ui::Kind::OptionButton}, cmd);
            noMore();
            form_.userClick(c.name);
        } else if (cmd == "focus") {
            const ui::Control& c = target({ui::Kind::TextBox, ui::Kind::ComboBox, ui::Kind::CommandButton,
                                           ui::Kind::OptionButton, ui::Kind::HScrollBar},
                                          cmd);
            noMore();
            form_.userFocus(c.name);
        } else if (cmd == "pick") {
            const ui::Control& c = target({ui::Kind::ComboBox}, cmd);
            const std::string t = text();
            bool found = false;
            for (const auto& item : c.items)
                found = found || item == t;
            if (!found)
                throw ScriptError("'" + t + "' is not an item of " + c.name);
            form_.userPick(c.name, t);
        } else if (cmd == "scroll") {
            const ui::Control& c = target({ui::Kind::HScrollBar}, cmd);
            const std::string t = text();
            int n = -1;
            auto r = std::from_chars(t.data(), t.data() + t.size(), n);
            if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || n < 0 || n > 720)
                throw ScriptError("scroll takes an integer from 0 to 720");
            form_.userScroll(c.name, n);
        } else if (cmd == "show") {
            const ui::Control& c = target({ui::Kind::TextBox, ui::Kind::ComboBox, ui::Kind::Label,
                                           ui::Kind::Frame, ui::Kind::CommandButton, ui::Kind::OptionButton},
                                          cmd);
            noMore();
            show(c);
        } else if (cmd == "state") {
            const ui::Control& c = target({}, cmd);
            noMore();
            state(c);
        } else if (cmd == "match") {
            matchCommand();
        } else if (cmd == "import") {
            importCommand();
        } else if (cmd == "chart") {
            noMore();
            for (const std::string& l : chart::lines(chart::picture(form_)))
                out_ << l << '\n';
        } else if (cmd == "export") {
            exportCommand();
        } else {
            throw ScriptError("unknown command '" + cmd + "'");
        }
    }

    // export FILE: the band moved along the line saved as a Touchstone 1.1 one-port file.
    void exportCommand() {
        const std::string file = text();
        if (file.empty())
            throw ScriptError("export needs a file");
        const touchstone::Network* sweep = wiring::lineSweep(form_);
        const std::vector<chart::BandPoint> band =
            sweep ? chart::band(form_, *sweep) : std::vector<chart::BandPoint>{};
        if (band.empty()) {
            form_.messageBox("Export",
                             "No band to save: import a one-port sweep into the line panel and compute "
                             "the line first.");
            return;
        }
        std::ofstream out(file, std::ios::binary);
        out << chart::movedTouchstone(band);
        if (!out.flush())
            form_.messageBox("Export", "The file " + file + " could not be written.");
    }

    // import TARGET MHZ FILE: what OK in the Touchstone import dialog does.
    void importCommand() {
        const std::string t = word();
        const auto target = wiring::importTarget(t);
        if (!target)
            throw ScriptError("import takes point, line, antenna or tuner, not '" + t + "'");
        const std::string m = word();
        double mhz = 0;
        const auto r = std::from_chars(m.data(), m.data() + m.size(), mhz);
        if (m.empty() || r.ec != std::errc() || r.ptr != m.data() + m.size() || !(mhz > 0) || std::isinf(mhz))
            throw ScriptError("import takes a frequency in MHz with the dot, not '" + m + "'");
        const std::string file = text();
        if (file.empty())
            throw ScriptError("import needs a file");
        wiring::importMeasurement(form_, *target, mhz, file);
    }

    // The next blank-separated word of the line.
    std::string word() {
        const std::size_t sp = rest_.find(' ');
        std::string w(rest_.substr(0, sp));
        rest_ = sp == std::string_view::npos ? std::string_view() : rest_.substr(sp + 1);
        return w;
    }
    // The rest of the line after exactly one blank.
    std::string text() {
        std::string t(rest_);
        rest_ = {};
        return t;
    }
    void noMore() {
        if (!rest_.empty())
            throw ScriptError("unexpected text '" + std::string(rest_) + "'");
    }
    // The control named next on the line, which must be of one of the kinds (any kind when empty).
    const ui::Control& target(std::initializer_list<ui::Kind> kinds, const std::string& cmd) {
        const std::string name = word();
        if (name.empty())
            throw ScriptError(cmd + " needs a control name");
        if (!form_.has(name))
            throw ScriptError("unknown control '" + name + "'");
        const ui::Control& c = form_.control(name);
        bool ok = kinds.size() == 0;
        for (auto k : kinds)
            ok = ok || c.kind == k;
        if (!ok)
            throw ScriptError(cmd + " does not take " + name + ", a " + kindWord(c.kind));
        return c;
    }

    void show(const ui::Control& c) {
        const std::string& t = c.text;
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = t.find("\r\n", start);
            out_ << c.name << "| "
                 << t.substr(start, end == std::string::npos ? std::string::npos : end - start) << '\n';
            if (end == std::string::npos)
                break;
            start = end + 2;
        }
    }

    void state(const ui::Control& c) {
        out_ << c.name << ": enabled=" << c.enabled << " visible=" << c.visible << " bold=" << c.bold
             << " value=";
        if (c.kind == ui::Kind::OptionButton)
            out_ << (c.value ? 1 : 0);
        else if (c.kind == ui::Kind::HScrollBar)
            out_ << c.value;
        else
            out_ << '-';
        out_ << " back=";
        if (c.kind == ui::Kind::TextBox)
            out_ << (c.back == ui::BackColor::Highlight ? "highlight" : "window");
        else
            out_ << '-';
        out_ << '\n';
    }

    // `match SOURCE MHZ RS`: the L-network designs and the single stub for the source's impedance.
    void matchCommand() {
        const std::string source = word(), mhzText = word(), rsText = word();
        noMore();
        const auto mhz = number(mhzText), rs = number(rsText);
        if (source.empty() || !mhz || !rs)
            throw ScriptError("match takes SOURCE MHZ RS, the numbers with the dot");
        std::complex<double> z;
        if (const std::size_t comma = source.find(','); comma != std::string::npos) {
            const auto r = number(source.substr(0, comma)), x = number(source.substr(comma + 1));
            if (!r || !x)
                throw ScriptError("match takes R,X as two numbers with a comma between them");
            z = {*r, *x};
        } else {
            std::string reason;
            const auto found = windowImpedance(source, reason);
            if (!found) {
                out_ << "match| none " << reason << '\n';
                return;
            }
            z = *found;
        }
        const match::Result res = match::design(z, *mhz * 1e6, *rs);
        if (!res.none.empty()) {
            out_ << "match| none " << res.none << '\n';
            return;
        }
        for (const match::Design& d : res.designs)
            out_ << "match| " << match::topologyName(d.topology) << ' ' << match::reactanceText(d.seriesX)
                 << ' ' << match::reactanceText(d.shuntX) << ' ' << match::partText(d.series) << ' '
                 << match::partText(d.shunt) << ' ' << match::swrText(d.e24Swr) << '\n';
        out_ << "match| stub " << match::degreesText(res.stub.distanceDeg) << ' '
             << match::degreesText(res.stub.openDeg) << ' ' << match::degreesText(res.stub.shortDeg) << '\n';
    }

    // The impedance a window source shows now, or nothing with the reason.
    // The sources are the chart's markers: a marker stands while its panel's result stands.
    std::optional<std::complex<double>> windowImpedance(const std::string& source, std::string& reason) {
        static const std::pair<const char*, const char*> kSources[] = {
            {"point", "no point impedance computed"},
            {"line.measured", "no line result"},
            {"line.far", "no far point computed"},
            {"tuner.antenna", "no tuner result"},
        };
        for (const auto& [name, missing] : kSources) {
            if (source != name)
                continue;
            for (const chart::Marker& m : chart::picture(form_).markers)
                if (m.name == source)
                    return m.z;
            reason = missing;
            return std::nullopt;
        }
        throw ScriptError("match takes point, line.far, line.measured, tuner.antenna or R,X, not '" + source +
                          "'");
    }

    // A whole text as a finite number with the dot, independent of the locale.
    static std::optional<double> number(const std::string& t) {
        double v = 0;
        const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
        if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
            return std::nullopt;
        return v;
    }

    std::ostream& out_;
    PrintingPorts ports_;
    ui::Form form_;
    std::string_view rest_; // the unread part of the line being run
};

Session::Session(std::ostream& out) : impl_(std::make_unique<Impl>(out)) {}
Session::~Session() = default;
void Session::execute(const std::string& line) {
    impl_->execute(line);
}
void Session::restart() {
    impl_->form_.restart();
    impl_->rest_ = {};
}
const ui::Form& Session::form() const {
    return impl_->form_;
}

Outcome run(std::istream& script, std::ostream& out) {
    Session session(out);
    std::string line;
    int n = 0;
    while (std::getline(script, line)) {
        ++n;
        try {
            session.execute(line);
        } catch (const ScriptError& e) {
            out.flush();
            return {false, n, e.what()};
        }
    }
    return {};
}

} // namespace formscript
