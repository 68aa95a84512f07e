// The operator's actions on the window, and what the window shows: the commands of the original driver.
#include "tools/formscript/commands.h"
#include "tools/formscript/formscript.h"

#include <charconv>
#include <ostream>
#include <vector>

namespace formscript {

namespace {

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

} // namespace

void tabCommand(Context& c) {
    c.noMore();
    c.form.userTab();
}

void decimalCommand(Context& c) {
    const std::string sign = c.text();
    if (sign != "." && sign != ",")
        throw ScriptError("decimal takes . or ,");
    c.form.setDecimalSign(sign[0]);
}

void accelCommand(Context& c) {
    const std::string key = c.text();
    if (key.size() != 1 || !c.form.accelTarget(key[0]))
        throw ScriptError("no button has the access key '" + key + "'");
    c.form.userAccel(key[0]);
}

void typeCommand(Context& c) {
    const ui::Control& field = c.target({ui::Kind::TextBox, ui::Kind::ComboBox});
    const auto cps = codePoints(c.text());
    for (char32_t cp : cps)
        if (cp < 32)
            throw ScriptError("type takes no character below 32");
    if (!field.enabled)
        return;
    c.form.userFocus(field.name);
    for (char32_t cp : cps)
        c.form.userType(field.name, cp);
}

void pasteCommand(Context& c) {
    const ui::Control& field = c.target({ui::Kind::TextBox, ui::Kind::ComboBox});
    const std::string_view t = c.takeRest();
    if (c.form.userFocus(field.name) && c.form.acceptsText(field.name)) {
        std::string joined; // one copy of a long paste
        joined.reserve(field.text.size() + t.size());
        joined.append(field.text).append(t);
        c.form.userEdit(field.name, std::move(joined));
    }
}

void clearCommand(Context& c) {
    const ui::Control& field = c.target({ui::Kind::TextBox, ui::Kind::ComboBox});
    c.noMore();
    if (c.form.userFocus(field.name) && c.form.acceptsText(field.name))
        c.form.userEdit(field.name, "");
}

void clickCommand(Context& c) {
    const ui::Control& button = c.target({ui::Kind::CommandButton, ui::Kind::OptionButton});
    c.noMore();
    c.form.userClick(button.name);
}

void focusCommand(Context& c) {
    const ui::Control& control = c.target({ui::Kind::TextBox, ui::Kind::ComboBox, ui::Kind::CommandButton,
                                           ui::Kind::OptionButton, ui::Kind::HScrollBar});
    c.noMore();
    c.form.userFocus(control.name);
}

void pickCommand(Context& c) {
    const ui::Control& combo = c.target({ui::Kind::ComboBox});
    const std::string t = c.text();
    bool found = false;
    for (const auto& item : combo.items)
        found = found || item == t;
    if (!found)
        throw ScriptError("'" + t + "' is not an item of " + combo.name);
    c.form.userPick(combo.name, t);
}

void scrollCommand(Context& c) {
    const ui::Control& bar = c.target({ui::Kind::HScrollBar});
    const std::string t = c.text();
    int n = -1;
    auto r = std::from_chars(t.data(), t.data() + t.size(), n);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || n < 0 || n > 720)
        throw ScriptError("scroll takes an integer from 0 to 720");
    c.form.userScroll(bar.name, n);
}

void showCommand(Context& c) {
    const ui::Control& control = c.target({ui::Kind::TextBox, ui::Kind::ComboBox, ui::Kind::Label,
                                           ui::Kind::Frame, ui::Kind::CommandButton, ui::Kind::OptionButton});
    c.noMore();
    const std::string& t = control.text;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = t.find("\r\n", start);
        c.out << control.name << "| "
              << t.substr(start, end == std::string::npos ? std::string::npos : end - start) << '\n';
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
}

void stateCommand(Context& c) {
    const ui::Control& control = c.target({});
    c.noMore();
    c.out << control.name << ": enabled=" << control.enabled << " visible=" << control.visible
          << " bold=" << control.bold << " value=";
    if (control.kind == ui::Kind::OptionButton)
        c.out << (control.value ? 1 : 0);
    else if (control.kind == ui::Kind::HScrollBar)
        c.out << control.value;
    else
        c.out << '-';
    c.out << " back=";
    if (control.kind == ui::Kind::TextBox)
        c.out << (control.back == ui::BackColor::Highlight ? "highlight" : "window");
    else
        c.out << '-';
    c.out << '\n';
}

} // namespace formscript
