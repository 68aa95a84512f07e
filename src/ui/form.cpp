#include "ui/form.h"

#include "numeric/checked.h"
#include "numeric/numtext.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace ui {

std::string utf8(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

Form::Form() = default;

// ---- building -----------------------------------------------------------------------------------

void Form::addControl(Control c) {
    if (index_.count(c.name))
        throw std::logic_error("duplicate control " + c.name);
    index_.emplace(c.name, static_cast<int>(controls_.size()));
    controls_.push_back(std::move(c));
    stamps_.push_back(++lastStamp_);
    touched_.push_back(true);
    touchedList_.push_back(controls_.size() - 1);
    slots_.emplace_back();
}

void Form::setFocusOrder(std::vector<std::string> order) {
    for (const auto& n : order)
        indexOf(n);
    focusOrder_ = std::move(order);
}

void Form::on(std::string_view control, Event ev, Handler h, std::string resultField) {
    if (ev == Event::Count)
        throw std::logic_error("Event::Count is no event");
    auto& s = slots_[indexOf(control)];
    s.handlers[static_cast<int>(ev)] = std::move(h);
    s.resultField[static_cast<int>(ev)] = std::move(resultField);
}

Handler Form::handler(std::string_view control, Event ev) const {
    if (ev == Event::Count)
        throw std::logic_error("Event::Count is no event");
    return slots_[indexOf(control)].handlers[static_cast<int>(ev)];
}

void Form::runHandler(std::string_view control, Event ev) {
    if (ev == Event::Count)
        throw std::logic_error("Event::Count is no event");
    raise(indexOf(control), ev);
}

void Form::onKeyPress(std::string_view control, KeyHandler h) {
    slots_[indexOf(control)].keyPress = std::move(h);
}

void Form::onEdit(std::string_view control, EditCheck check) {
    slots_[indexOf(control)].editCheck = std::move(check);
}

void Form::onLoad(Handler h) {
    load_.push_back(std::move(h));
}

void Form::load() {
    for (const auto& h : load_)
        runGuarded(h, "");
    if (!focusOrder_.empty())
        focus_ = focusOrder_.front();
    start_.taken = true;
    start_.controls = controls_;
    touched_.assign(controls_.size(), false);
    touchedList_.clear();
    start_.stamps = stamps_;
    start_.lastStamp = lastStamp_;
    start_.focus = focus_;
    start_.messageCount = messageCount_;
    start_.decimalSign = decimalSign_;
    for (auto& [type, slot] : vars_) {
        slot.start = slot.make();
        slot.copy(slot.start.get(), slot.now.get());
    }
}

void Form::restart() {
    if (!start_.taken)
        throw std::logic_error("restart before load");
    // Only the controls changed since: the others are as they started.
    if (controls_.size() == start_.controls.size()) {
        for (const std::size_t i : touchedList_) {
            controls_[i] = start_.controls[i]; // element by element: the strings keep their storage
            touched_[i] = false;
        }
        touchedList_.clear();
    } else {
        controls_ = start_.controls;
        touched_.assign(controls_.size(), false);
        touchedList_.clear();
    }
    stamps_ = start_.stamps;
    lastStamp_ = start_.lastStamp;
    focus_ = start_.focus;
    messageCount_ = start_.messageCount;
    decimalSign_ = start_.decimalSign;
    // In place, so that a reference a handler took stays valid; a struct first used after Load goes
    // back to a new one, as the first use in a new window would make it.
    for (auto& [type, slot] : vars_)
        slot.copy(slot.now.get(), slot.start ? slot.start.get() : slot.make().get());
}

namespace {

const char* kindName(Kind k) {
    static const char* const names[] = {"TextBox",      "Label",    "Frame",   "CommandButton",
                                        "OptionButton", "ComboBox", "ListBox", "HScrollBar"};
    return names[static_cast<int>(k)];
}

// Which property of two controls of the same name differs ("" for none).
std::string controlDifference(const Control& a, const Control& b) {
    if (a == b)
        return "";
    const std::pair<const char*, bool> props[] = {
        {"kind", a.kind != b.kind},
        {"container", a.container != b.container},
        {"text", a.text != b.text},
        {"toolTip", a.toolTip != b.toolTip},
        {"accessibleName", a.accessibleName != b.accessibleName},
        {"labelledBy", a.labelledBy != b.labelledBy},
        {"geometry", !(a.geom == b.geom)},
        {"enabled", a.enabled != b.enabled},
        {"visible", a.visible != b.visible},
        {"bold", a.bold != b.bold},
        {"fontSize", a.fontSize != b.fontSize},
        {"value", a.value != b.value},
        {"items", a.items != b.items},
        {"back", a.back != b.back},
    };
    for (const auto& [prop, differs] : props)
        if (differs)
            return a.name + " " + prop +
                   (prop == std::string("text") ? " \"" + a.text + "\" vs \"" + b.text + "\"" : "");
    return a.name + " (" + kindName(a.kind) + ") in another property";
}

} // namespace

std::string Form::differenceFrom(const Form& other) const {
    if (controls_.size() != other.controls_.size())
        return "the number of controls";
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].name != other.controls_[i].name)
            return "control " + std::to_string(i) + " is " + controls_[i].name + ", not " +
                   other.controls_[i].name;
        std::string d = controlDifference(controls_[i], other.controls_[i]);
        if (!d.empty())
            return d;
    }
    if (focusOrder_ != other.focusOrder_)
        return "the focus order";
    if (focus_ != other.focus_)
        return "the focus: " + focus_ + " vs " + other.focus_;
    if (caption_ != other.caption_)
        return "the caption";
    if (messageCount_ != other.messageCount_)
        return "the message count";
    if (decimalSign_ != other.decimalSign_)
        return "the decimal sign";
    // A struct one window has not used yet is compared as the new one its first use would make.
    auto both = vars_;
    for (const auto& [type, slot] : other.vars_)
        both.emplace(type, slot);
    for (const auto& [type, slot] : both) {
        if (!slot.equal)
            return std::string("the variables ") + slot.type + " cannot be compared (no ==)";
        const auto mine = vars_.find(type);
        const auto theirs = other.vars_.find(type);
        const auto a = mine != vars_.end() ? mine->second.now : slot.make();
        const auto b = theirs != other.vars_.end() ? theirs->second.now : slot.make();
        if (!slot.equal(a.get(), b.get()))
            return std::string("the variables ") + slot.type;
    }
    return "";
}

// ---- controls -------------------------------------------------------------------------------------

int Form::indexOf(std::string_view name) const {
    auto it = index_.find(name);
    if (it == index_.end())
        throw std::out_of_range("no control named " + std::string(name));
    return it->second;
}

bool Form::has(std::string_view name) const {
    return index_.find(name) != index_.end();
}

const Control& Form::control(std::string_view name) const {
    return controls_[indexOf(name)];
}

Control& Form::writableControl(std::string_view name) {
    Control& c = controls_[indexOf(name)];
    touch(c);
    return c;
}

void Form::touch(const Control& c) {
    const auto i = static_cast<std::size_t>(&c - controls_.data());
    if (!touched_[i]) {
        touched_[i] = true;
        touchedList_.push_back(i);
    }
}

double Form::val(std::string_view name) const {
    return num::Val(text(name));
}

void Form::notify(const Control& c, Property p) {
    touch(c);
    if (propertyChanged)
        propertyChanged(c, p);
}

bool Form::isTextual(const Control& c) const {
    return c.kind == Kind::TextBox || c.kind == Kind::ComboBox;
}

void Form::changeText(Control& c, std::string text) {
    if (c.text == text)
        return;
    c.text = std::move(text);
    renewStamp(c);
    const int i = static_cast<int>(&c - controls_.data());
    notify(c, Property::Text);
    if (!(c.kind == Kind::ComboBox && c.pickOnly))
        raise(i, Event::Change);
}

void Form::setText(std::string_view name, std::string text) {
    Control& c = writableControl(name);
    if (!isTextual(c))
        throw std::logic_error("setText on " + c.name);
    changeText(c, std::move(text));
}

void Form::setEnabled(std::string_view name, bool on) {
    Control& c = writableControl(name);
    if (c.enabled == on)
        return;
    c.enabled = on;
    notify(c, Property::Enabled);
}

void Form::setVisible(std::string_view name, bool on) {
    Control& c = writableControl(name);
    if (c.visible == on)
        return;
    c.visible = on;
    notify(c, Property::Visible);
}

void Form::setBold(std::string_view name, bool on) {
    Control& c = writableControl(name);
    if (c.bold == on)
        return;
    c.bold = on;
    notify(c, Property::Bold);
}

void Form::setFontSize(std::string_view name, int points) {
    Control& c = writableControl(name);
    if (c.fontSize == points)
        return;
    c.fontSize = points;
    notify(c, Property::FontSize);
}

void Form::setBack(std::string_view name, BackColor col) {
    Control& c = writableControl(name);
    if (c.back == col)
        return;
    c.back = col;
    notify(c, Property::Back);
}

void Form::select(std::string_view option) {
    const int i = indexOf(option);
    Control& c = controls_[i];
    if (c.kind != Kind::OptionButton)
        throw std::logic_error("select on " + c.name);
    if (c.value)
        return;
    for (auto& o : controls_) {
        if (o.kind == Kind::OptionButton && o.container == c.container && o.value && &o != &c) {
            o.value = 0;
            notify(o, Property::Value);
        }
    }
    c.value = 1;
    notify(c, Property::Value);
    raise(i, Event::Click);
}

void Form::setValue(std::string_view scrollBar, int v) {
    const int i = indexOf(scrollBar);
    Control& c = controls_[i];
    if (c.kind != Kind::HScrollBar)
        throw std::logic_error("setValue on " + c.name);
    if (v < c.minimum)
        v = c.minimum;
    if (v > c.maximum)
        v = c.maximum;
    if (c.value == v)
        return;
    c.value = v;
    notify(c, Property::Value);
    raise(i, Event::Change);
}

void Form::setItems(std::string_view name, std::vector<std::string> items) {
    Control& c = writableControl(name);
    if (c.items == items)
        return;
    c.items = std::move(items);
    notify(c, Property::Items);
}

void Form::messageBox(const std::string& title, const std::string& prompt) {
    ++messageCount_;
    if (ports_)
        ports_->messageBox(title, prompt);
}

void Form::openDocument(const std::string& address) {
    if (ports_)
        ports_->openDocument(address);
}

std::string Form::fmt(double v, std::string_view pattern) const {
    return num::Format(v, pattern, decimalSign_);
}

// ---- events ---------------------------------------------------------------------------------------

void Form::raise(int index, Event ev) {
    const auto& s = slots_[index];
    const int e = static_cast<int>(ev);
    if (s.handlers[e])
        runGuarded(s.handlers[e], s.resultField[e]);
}

// Each handler is a boundary: an arithmetic fault abandons it at the failing step, is reported once,
// and the result field of the stopped calculation is emptied so that no result of other inputs stands.
void Form::runGuarded(const Handler& h, const std::string& resultField) {
    try {
        h(*this);
    } catch (const num::ArithFault& f) {
        messageBox("Arithmetic Error", f.what());
        if (!resultField.empty())
            setText(resultField, "");
    }
}

// ---- the operator's actions -------------------------------------------------------------------------

bool Form::canFocus(std::string_view name) const {
    const Control& c = control(name);
    if (!c.enabled || !c.visible)
        return false;
    switch (c.kind) {
    case Kind::TextBox:
    case Kind::CommandButton:
    case Kind::OptionButton:
    case Kind::ComboBox:
    case Kind::HScrollBar:
        return true;
    default:
        return false;
    }
}

bool Form::userFocus(std::string_view name) {
    if (!canFocus(name))
        return false;
    if (focus_ == name)
        return true;
    const std::string old = focus_;
    focus_ = std::string(name);
    if (!old.empty())
        raise(indexOf(old), Event::LostFocus);
    raise(indexOf(name), Event::GotFocus);
    return true;
}

bool Form::acceptsText(std::string_view name) const {
    const Control& c = control(name);
    if (!c.enabled || !isTextual(c))
        return false;
    if (c.kind == Kind::TextBox)
        return !c.locked;
    return !c.pickOnly;
}

int Form::keyPress(std::string_view name, char32_t ch) {
    const int i = indexOf(name);
    int code = static_cast<int>(ch);
    if (slots_[i].keyPress) {
        const KeyHandler h = slots_[i].keyPress;
        runGuarded([&](Form& f) { h(f, code); }, "");
    }
    return code;
}

bool Form::userType(std::string_view name, char32_t ch) {
    if (!userFocus(name))
        return false;
    if (!acceptsText(name))
        return true;
    const int code = keyPress(name, ch);
    if (code == 0)
        return true;
    // An appended character always changes the text: append in place, then raise Change.
    Control& c = writableControl(name);
    c.text += utf8(static_cast<char32_t>(code));
    renewStamp(c);
    notify(c, Property::Text);
    raise(static_cast<int>(&c - controls_.data()), Event::Change);
    return true;
}

bool Form::userEdit(std::string_view name, std::string text) {
    if (!userFocus(name))
        return false;
    if (!acceptsText(name))
        return true;
    const EditCheck& check = slots_[indexOf(name)].editCheck;
    if (check && text != this->text(name) && !check(*this, text))
        return true; // refused: the field keeps its text
    changeText(writableControl(name), std::move(text));
    return true;
}

bool Form::userClick(std::string_view name) {
    const Control& c = control(name);
    if (c.kind != Kind::CommandButton && c.kind != Kind::OptionButton)
        return false;
    if (!c.enabled)
        return false;
    const int before = messageCount_;
    if (!userFocus(name))
        return false;
    if (messageCount_ != before)
        return true; // the message box took the mouse release: the click is lost
    const int i = indexOf(name);
    if (c.kind == Kind::OptionButton && !c.value) {
        select(name); // selects, clears the group and raises Click
        return true;
    }
    raise(i, Event::Click);
    return true;
}

bool Form::userPick(std::string_view combo, std::string_view item) {
    Control& c = writableControl(combo);
    if (c.kind != Kind::ComboBox || !userFocus(combo))
        return false;
    if (c.text != item) {
        c.text = std::string(item);
        renewStamp(c);
        notify(c, Property::Text); // a pick from the list raises no Change
    }
    return true;
}

bool Form::userScroll(std::string_view scrollBar, int v) {
    if (control(scrollBar).kind != Kind::HScrollBar || !userFocus(scrollBar))
        return false;
    setValue(scrollBar, v);
    return true;
}

const Control* Form::accelTarget(char key) const {
    const char k = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    for (const auto& c : controls_)
        if (c.kind == Kind::CommandButton && c.accessKey == k)
            return &c;
    return nullptr;
}

bool Form::userAccel(char key) {
    const Control* c = accelTarget(key);
    if (!c)
        return false;
    return userClick(c->name);
}

bool Form::userTab(bool backwards) {
    const int n = static_cast<int>(focusOrder_.size());
    if (n == 0)
        return false;
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (focusOrder_[i] == focus_)
            at = i;
    for (int step = 1; step <= n; ++step) {
        const int i = ((at < 0 ? (backwards ? 0 : -1) : at) + (backwards ? -step : step) % n + n) % n;
        const Control& c = control(focusOrder_[i]);
        if (!canFocus(c.name))
            continue;
        if (c.kind == Kind::OptionButton && !c.value)
            continue; // an option group is one stop: its selected button
        return userFocus(c.name);
    }
    return false;
}

bool Form::userArrow(std::string_view option, Arrow key) {
    const Control& c = control(option);
    if (c.kind != Kind::OptionButton)
        return false;
    std::vector<const Control*> group; // the buttons of its frame, in the window's order
    int at = 0;
    for (const Control& o : controls_) {
        if (o.kind != Kind::OptionButton || o.container != c.container)
            continue;
        if (&o == &c)
            at = static_cast<int>(group.size());
        group.push_back(&o);
    }
    const int dx = key == Arrow::Right ? 1 : key == Arrow::Left ? -1 : 0;
    const int dy = key == Arrow::Down ? 1 : key == Arrow::Up ? -1 : 0;
    // Centres in half twips, so that they stay whole numbers.
    const auto centre = [](const Control& o) {
        return std::pair<long, long>(2L * o.geom.left + o.geom.width, 2L * o.geom.top + o.geom.height);
    };
    // The button's size along the arrow and across it: a button lies that way when its centre lies beyond
    // the button's own half, and in the same column or row when its centre lies within that half across.
    const long length = dx != 0 ? c.geom.width : c.geom.height;
    const long breadth = dx != 0 ? c.geom.height : c.geom.width;
    const auto [cx, cy] = centre(c);
    const Control* ahead = nullptr;
    const Control* round = nullptr;
    long bestAhead = 0, bestRound = 0;
    for (const Control* o : group) {
        if (o == &c || !o->enabled)
            continue;
        const auto [ox, oy] = centre(*o);
        const long along = (ox - cx) * dx + (oy - cy) * dy;
        const long across = std::labs((ox - cx) * dy - (oy - cy) * dx);
        if (along > length) {
            const long score = along + 2 * across;
            if (!ahead || score < bestAhead) {
                ahead = o;
                bestAhead = score;
            }
        } else if (along < -length && across < breadth && (!round || along < bestRound)) {
            round = o;
            bestRound = along;
        }
    }
    const Control* next = ahead ? ahead : round;
    if (!next) {
        const bool forward = key == Arrow::Down || key == Arrow::Right;
        const int n = static_cast<int>(group.size());
        for (int step = 1; step < n && !next; ++step) {
            const Control& o =
                *group[static_cast<std::size_t>(((at + (forward ? step : -step)) % n + n) % n)];
            if (o.enabled)
                next = &o;
        }
    }
    if (!next)
        return false;
    const std::string name = next->name; // the click's handlers may change the controls
    return userClick(name);
}

} // namespace ui
