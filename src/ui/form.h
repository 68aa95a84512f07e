// The window model: every control by name, the focus, the window-level variables, and the dispatch of
// events to the handlers that the wiring registers. It knows no calculator and no toolkit.
#pragma once

#include "ui/controls.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace ui {

// The events a control raises. `Count` is no event: it closes the list, so that the tables indexed by
// event grow with it.
enum class Event { Click, Change, GotFocus, LostFocus, Count };
inline constexpr int kEventCount = static_cast<int>(Event::Count);

class Form;
using Handler = std::function<void(Form&)>;
// KeyPress: receives the character code of a typed character; setting it to 0 discards the character.
using KeyHandler = std::function<void(Form&, int& code)>;
// A whole new text the operator made at once (paste, cut, undo): returning false refuses it, and the field
// keeps the text it had.
using EditCheck = std::function<bool(Form&, const std::string& text)>;

// What the window shows outside itself: modal message boxes (OK only, warning icon) and the desktop's
// open-document service.
class Ports {
  public:
    virtual ~Ports() = default;
    virtual void messageBox(const std::string& title, const std::string& prompt) = 0;
    virtual void openDocument(const std::string& address) = 0;
};

// Which property of a control the program changed, for the binding that mirrors it.
enum class Property { Text, Enabled, Visible, Bold, FontSize, Value, Back, Items };

class Form {
  public:
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // ---- building -------------------------------------------------------------------------------
    void addControl(Control c);
    void setFocusOrder(std::vector<std::string> order);
    void setPorts(Ports* ports) { ports_ = ports; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }
    const std::string& caption() const { return caption_; }

    // Handlers. resultField names the result field a stopped calculation empties ("" for none).
    void on(std::string_view control, Event ev, Handler h, std::string resultField = "");
    void onKeyPress(std::string_view control, KeyHandler h);
    void onEdit(std::string_view control, EditCheck check);
    void onLoad(Handler h);
    // The handler registered for a control's event (empty when none), so that the wiring can add to it.
    Handler handler(std::string_view control, Event ev) const;
    // Runs a control's handler for an event as a raised event runs (guarded, its result field emptied on
    // a fault), for a program action that stands for the operator's: an import that writes a field and
    // leaves it, as typing would.
    void runHandler(std::string_view control, Event ev);
    // Runs the Load handling; the window is then shown with the focus on its first field. What it shows
    // then, with every window-level variable, is the start state that restart() returns to.
    void load();
    // Whether load() has run.
    bool loaded() const { return start_.taken; }
    // Back to the state right after load(): every control's properties, the focus, the decimal sign, the
    // message count and the window-level variables, as a newly started window has them. The handlers,
    // the ports and the binding's listener stay; the binding is not notified.
    void restart();
    // The first difference in that state between this window and another ("" when there is none), for
    // the tests that check restart() against a newly started window.
    std::string differenceFrom(const Form& other) const;

    // ---- reading and writing controls (the logic's side) ----------------------------------------
    bool has(std::string_view name) const;
    const Control& control(std::string_view name) const;
    const std::vector<Control>& controls() const { return controls_; }
    const std::vector<std::string>& focusOrder() const { return focusOrder_; }

    const std::string& text(std::string_view name) const { return control(name).text; }
    // A number that every change of the control's text renews (never 0). A handler that wrote a result
    // keeps it beside the result's numbers; the result stands for as long as the field keeps that stamp,
    // whoever empties or overwrites it (see stands).
    std::uint64_t textStamp(std::string_view name) const { return stamps_[indexOf(name)]; }
    bool stands(std::string_view resultField, std::uint64_t kept) const {
        return kept != 0 && textStamp(resultField) == kept;
    }
    double val(std::string_view name) const; // the field's text as a number; may throw an overflow
    // Sets the text of a text box or combo box. A change of text raises the control's Change.
    void setText(std::string_view name, std::string text);
    void setEnabled(std::string_view name, bool on);
    void setVisible(std::string_view name, bool on);
    void setBold(std::string_view name, bool on);
    void setFontSize(std::string_view name, int points);
    void setBack(std::string_view name, BackColor c);

    bool selected(std::string_view option) const { return control(option).value != 0; }
    // Selects an option button as the program does: raises Click only when it was not selected.
    void select(std::string_view option);
    int value(std::string_view scrollBar) const { return control(scrollBar).value; }
    // Moves the scroll bar; raises Change when the value changes.
    void setValue(std::string_view scrollBar, int v);
    const std::vector<std::string>& items(std::string_view name) const { return control(name).items; }
    void setItems(std::string_view name, std::vector<std::string> items);

    void messageBox(const std::string& title, const std::string& prompt);
    void openDocument(const std::string& address);
    int messageCount() const { return messageCount_; }

    // Displayed results follow the regional decimal sign; numbers written into input fields use the dot.
    char decimalSign() const { return decimalSign_; }
    void setDecimalSign(char c) { decimalSign_ = c; }
    std::string fmt(double v, std::string_view pattern) const;

    // Window-level variables: one plain struct per calculator, made on first use. A struct is a plain
    // value (restart() copies it back) and should compare with == (a defaulted one does), so that a
    // restarted window can be checked against a new one.
    template <class T> T& vars() {
        static_assert(std::copyable<T>, "window-level variables are plain values: restart() copies them");
        auto& slot = vars_[std::type_index(typeid(T))];
        if (!slot.now) {
            slot.now = std::make_shared<T>();
            slot.type = typeid(T).name();
            slot.make = [] { return std::shared_ptr<void>(std::make_shared<T>()); };
            slot.copy = [](void* to, const void* from) {
                *static_cast<T*>(to) = *static_cast<const T*>(from);
            };
            if constexpr (std::equality_comparable<T>)
                slot.equal = [](const void* a, const void* b) {
                    return *static_cast<const T*>(a) == *static_cast<const T*>(b);
                };
        }
        return *static_cast<T*>(slot.now.get());
    }
    // The same for a reader: the struct as it stands, or a new one's values where no handler has used it
    // yet. It makes nothing.
    template <class T> const T& vars() const {
        const auto it = vars_.find(std::type_index(typeid(T)));
        if (it == vars_.end()) {
            static const T fresh{};
            return fresh;
        }
        return *static_cast<const T*>(it->second.now.get());
    }

    // ---- what the operator does (the binding's and the script driver's side) ---------------------
    // Each returns false when the control cannot take the action (disabled, wrong kind); then nothing
    // happened.
    const std::string& focused() const { return focus_; }
    bool canFocus(std::string_view name) const;
    bool userFocus(std::string_view name);
    // A typed character (a code point): KeyPress first; what comes through is appended, then Change.
    bool userType(std::string_view name, char32_t ch);
    // A whole new text made by the user (paste, cut, delete, undo): no KeyPress; the field's edit check
    // may refuse it; else Change if it differs.
    bool userEdit(std::string_view name, std::string text);
    // Runs only the KeyPress handling; returns the code that reaches the field (0 = discarded). For a
    // binding that lets the widget do the insertion.
    int keyPress(std::string_view name, char32_t ch);
    bool acceptsText(std::string_view name) const; // enabled, editable text box or editable combo
    bool userClick(std::string_view name);
    bool userPick(std::string_view combo, std::string_view item);
    bool userScroll(std::string_view scrollBar, int v);
    bool userAccel(char key);
    bool userTab(bool backwards = false);
    // An arrow key on a focused option button clicks the enabled button of its group that lies that way
    // in the layout: the nearest in the arrow's direction (Down from a button goes to the one below it),
    // else round to the farthest one in the same column or row on the other side, else (buttons that lie
    // on one spot) the next button of the group for Down and Right, the previous for Up and Left. False
    // when the control is no option button or no other button can take it.
    enum class Arrow { Left, Right, Up, Down };
    bool userArrow(std::string_view option, Arrow key);
    const Control* accelTarget(char key) const;

    // The binding listens here to mirror property changes in its widgets.
    std::function<void(const Control&, Property)> propertyChanged;

  private:
    struct Slots {
        std::array<Handler, kEventCount> handlers;
        std::array<std::string, kEventCount> resultField;
        KeyHandler keyPress;
        EditCheck editCheck;
    };
    int indexOf(std::string_view name) const;
    Control& writableControl(std::string_view name);
    void raise(int index, Event ev);
    void runGuarded(const Handler& h, const std::string& resultField);
    void notify(const Control& c, Property p);
    void changeText(Control& c, std::string text); // store and raise Change when it differs
    void touch(const Control& c);                  // changed since the start: restart() copies it back
    void renewStamp(const Control& c) {
        stamps_[static_cast<std::size_t>(&c - controls_.data())] = ++lastStamp_;
    }
    bool isTextual(const Control& c) const;

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::vector<Control> controls_;
    std::vector<std::uint64_t> stamps_; // textStamp of each control
    std::vector<bool> touched_;         // changed since the start state
    std::vector<std::size_t> touchedList_;
    std::uint64_t lastStamp_ = 0;
    std::vector<Slots> slots_;
    std::unordered_map<std::string, int, Hash, std::equal_to<>> index_;
    std::vector<std::string> focusOrder_;
    std::vector<Handler> load_;
    struct VarsSlot {
        std::shared_ptr<void> now;
        std::shared_ptr<void> start; // its value after Load; null when it was first used later
        const char* type = "";
        std::shared_ptr<void> (*make)() = nullptr;
        void (*copy)(void* to, const void* from) = nullptr;
        bool (*equal)(const void* a, const void* b) = nullptr; // null when the struct has no ==
    };
    std::unordered_map<std::type_index, VarsSlot> vars_;
    // The start state (see load()).
    struct Start {
        bool taken = false;
        std::vector<Control> controls;
        std::vector<std::uint64_t> stamps;
        std::uint64_t lastStamp = 0;
        std::string focus;
        int messageCount = 0;
        char decimalSign = '.';
    };
    Start start_;
    std::string focus_;
    std::string caption_;
    Ports* ports_ = nullptr;
    int messageCount_ = 0;
    char decimalSign_ = '.';
};

std::string utf8(char32_t cp);

} // namespace ui
