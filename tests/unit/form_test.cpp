// The event rules of the window model, on a small window of its own and on the real one.
#include "numeric/checked.h"
#include "tools/formscript/formscript.h"
#include "ui/form.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <sstream>

using ui::Event;
using ui::Form;
using ui::Kind;

namespace {

class Recorder : public ui::Ports {
  public:
    void messageBox(const std::string& title, const std::string& prompt) override {
        log.push_back("msgbox " + title + ": " + prompt);
    }
    void openDocument(const std::string& address) override { log.push_back("open " + address); }
    std::vector<std::string> log;
};

ui::Control make(const char* name, Kind kind, const char* container = "", const char* text = "") {
    ui::Control c;
    c.name = name;
    c.kind = kind;
    c.container = container;
    c.text = text;
    c.maximum = 720;
    return c;
}

// A window with two fields, a disabled one, an option group of two, a button and a scroll bar; every
// event is logged.
class SmallWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        f.setPorts(&ports);
        f.addControl(make("Frame", Kind::Frame));
        f.addControl(make("A", Kind::TextBox));
        f.addControl(make("B", Kind::TextBox));
        auto off = make("Off", Kind::TextBox);
        off.enabled = false;
        f.addControl(off);
        auto o1 = make("O1", Kind::OptionButton, "Frame");
        o1.value = 1;
        f.addControl(o1);
        f.addControl(make("O2", Kind::OptionButton, "Frame"));
        f.addControl(make("Other", Kind::OptionButton));
        auto btn = make("Btn", Kind::CommandButton);
        btn.accessKey = 'K';
        f.addControl(btn);
        f.addControl(make("Bar", Kind::HScrollBar));
        auto pick = make("Pick", Kind::ComboBox);
        pick.items = {"x", "y"};
        f.addControl(pick);
        f.setFocusOrder({"A", "Off", "O1", "O2", "Btn", "Bar", "B"});
        for (const auto& c : f.controls())
            for (auto ev : {Event::Click, Event::Change, Event::GotFocus, Event::LostFocus})
                f.on(c.name, ev, [this, n = c.name, ev](Form&) { events.push_back(n + name(ev)); });
        f.load();
        events.clear();
    }
    static std::string name(Event ev) {
        switch (ev) {
        case Event::Click:
            return ".Click";
        case Event::Change:
            return ".Change";
        case Event::GotFocus:
            return ".GotFocus";
        case Event::LostFocus:
        case Event::Count:
            break;
        }
        return ".LostFocus";
    }
    Form f;
    Recorder ports;
    std::vector<std::string> events;
};

using V = std::vector<std::string>;

TEST_F(SmallWindow, ChangeOncePerChangeOfText) {
    f.setText("A", "1");
    f.setText("A", "1");
    f.userEdit("A", "12");
    f.userEdit("A", "12");
    EXPECT_EQ(events, (V{"A.Change", "A.Change"}));
}

TEST_F(SmallWindow, FocusMovesRaiseLostThenGot) {
    f.userFocus("B");
    f.userFocus("B");
    EXPECT_EQ(events, (V{"A.LostFocus", "B.GotFocus"}));
    EXPECT_FALSE(f.userFocus("Off"));
    EXPECT_EQ(f.focused(), "B");
}

TEST_F(SmallWindow, TabSkipsDisabledAndTreatsAGroupAsOneStop) {
    V seen;
    for (int i = 0; i < 6; ++i) {
        f.userTab();
        seen.push_back(f.focused());
    }
    EXPECT_EQ(seen, (V{"O1", "Btn", "Bar", "B", "A", "O1"}));
    f.select("O2");
    f.userFocus("A");
    f.userTab();
    EXPECT_EQ(f.focused(), "O2");
    f.userTab(true);
    EXPECT_EQ(f.focused(), "A");
    for (const auto& e : events)
        EXPECT_NE(e, "O1.Click") << "reaching an option by Tab is no click";
}

TEST_F(SmallWindow, OptionClicks) {
    f.userClick("O2");
    f.userClick("O2"); // a click on the selected button clicks again
    f.select("O2");    // the program selecting it again does not
    EXPECT_EQ(f.control("O1").value, 0);
    EXPECT_EQ(f.control("Other").value, 0) << "another container is another group";
    EXPECT_EQ(events, (V{"A.LostFocus", "O2.GotFocus", "O2.Click", "O2.Click"}));
}

TEST_F(SmallWindow, AClickWhoseFocusMoveShowedAMessageIsLost) {
    f.on("A", Event::LostFocus, [](Form& form) { form.messageBox("A", "leaving"); });
    f.userClick("Btn");
    EXPECT_EQ(f.focused(), "Btn");
    EXPECT_EQ(events, (V{"Btn.GotFocus"}));
    f.userFocus("A");
    events.clear();
    f.userAccel('k');
    EXPECT_EQ(events, (V{"Btn.GotFocus"}));
    f.userFocus("A");
    events.clear();
    f.userClick("O2");
    EXPECT_EQ(f.control("O2").value, 0) << "a lost click selects nothing";
}

TEST_F(SmallWindow, ScrollBarAndCombo) {
    f.userScroll("Bar", 5);
    f.userScroll("Bar", 5);
    f.setValue("Bar", 9999); // held in range
    EXPECT_EQ(f.value("Bar"), 720);
    f.setValue("Bar", 721); // one past the end: held at the end, nothing changed, no event
    EXPECT_EQ(f.value("Bar"), 720);
    f.userPick("Pick", "y");
    EXPECT_EQ(f.text("Pick"), "y");
    f.userType("Pick", U'z');
    EXPECT_EQ(events, (V{"A.LostFocus", "Bar.GotFocus", "Bar.Change", "Bar.Change", "Bar.LostFocus",
                         "Pick.GotFocus", "Pick.Change"}));
}

TEST_F(SmallWindow, KeyPressMayDiscardOrPass) {
    f.onKeyPress("A", [](Form&, int& code) {
        if (code == 'x')
            code = 0;
    });
    f.userType("A", U'1');
    f.userType("A", U'x');
    f.userType("A", U'é');
    EXPECT_EQ(f.text("A"), "1é");
    f.userEdit("A", "x pasted");
    EXPECT_EQ(f.text("A"), "x pasted");
}

TEST_F(SmallWindow, DisabledControlsTakeNothing) {
    EXPECT_FALSE(f.userType("Off", U'1'));
    EXPECT_FALSE(f.userEdit("Off", "1"));
    EXPECT_EQ(f.text("Off"), "");
    EXPECT_EQ(f.focused(), "A");
}

TEST_F(SmallWindow, ArithmeticFaultStopsTheHandlerAndEmptiesItsResult) {
    f.on(
        "Btn", Event::Click,
        [](Form& form) {
            form.setText("B", "written before");
            form.setText("A", "result");
            (void)(num::Real(1) / 0);
            form.setText("B", "never");
        },
        "A");
    f.userClick("Btn");
    EXPECT_EQ(f.text("B"), "written before");
    EXPECT_EQ(f.text("A"), "");
    ASSERT_FALSE(ports.log.empty());
    EXPECT_EQ(ports.log.back(), "msgbox Arithmetic Error: Division by zero: the calculation was stopped.");
}

TEST_F(SmallWindow, AFaultInANestedEventStopsOnlyThatHandler) {
    f.on("B", Event::Change, [](Form&) { (void)num::ln(0); });
    f.on("Btn", Event::Click, [](Form& form) {
        form.setText("B", "1");
        form.setText("A", "went on");
    });
    f.userClick("Btn");
    EXPECT_EQ(f.text("A"), "went on");
    EXPECT_EQ(ports.log, (V{"msgbox Arithmetic Error: Invalid operation: the calculation was stopped."}));
}

TEST_F(SmallWindow, ArrowKeysClickTheNextEnabledButtonOfTheGroup) {
    using Arrow = Form::Arrow;
    f.userFocus("O1");
    events.clear();
    EXPECT_TRUE(f.userArrow("O1", Arrow::Down)); // buttons on one spot: the next of the group
    EXPECT_EQ(f.control("O2").value, 1);
    EXPECT_EQ(f.control("Other").value, 0) << "another container is another group";
    EXPECT_TRUE(f.userArrow("O2", Arrow::Right)); // round the group
    EXPECT_EQ(f.control("O1").value, 1);
    EXPECT_EQ(events,
              (V{"O1.LostFocus", "O2.GotFocus", "O2.Click", "O2.LostFocus", "O1.GotFocus", "O1.Click"}));
    f.setEnabled("O2", false);
    EXPECT_FALSE(f.userArrow("O1", Arrow::Up)) << "no other button can take it";
    EXPECT_FALSE(f.userArrow("A", Arrow::Down)) << "no option button";
}

// The arrows follow the layout of a group laid out as the voltage choice: Vrms and Vpp side by side, Vp
// under Vrms (twips, as the window's own group).
TEST(ArrowKeys, FollowTheLayoutOfTheGroup) {
    using Arrow = Form::Arrow;
    Form f;
    const auto option = [&](const char* name, int left, int top, int width) {
        ui::Control c;
        c.name = name;
        c.kind = Kind::OptionButton;
        c.container = "Frame3";
        c.geom = {left, top, width, 255};
        f.addControl(c);
    };
    ui::Control frame;
    frame.name = "Frame3";
    frame.kind = Kind::Frame;
    frame.geom = {240, 1200, 1425, 495};
    f.addControl(frame);
    option("Vrms", 0, 0, 800);
    option("Vpp", 720, 0, 615);
    option("Vp", 0, 240, 615);
    f.setFocusOrder({"Vrms", "Vp", "Vpp"});
    f.load();
    const auto selected = [&] {
        for (const char* name : {"Vrms", "Vpp", "Vp"})
            if (f.selected(name))
                return std::string(name);
        return std::string();
    };
    const struct {
        const char* from;
        Arrow key;
        const char* to;
    } moves[] = {
        {"Vrms", Arrow::Down, "Vp"},  {"Vp", Arrow::Up, "Vrms"},   {"Vrms", Arrow::Right, "Vpp"},
        {"Vpp", Arrow::Left, "Vrms"}, {"Vp", Arrow::Right, "Vpp"}, {"Vpp", Arrow::Down, "Vp"},
        {"Vp", Arrow::Down, "Vrms"},  {"Vrms", Arrow::Up, "Vp"},   {"Vpp", Arrow::Right, "Vrms"},
    };
    for (const auto& m : moves) {
        f.userFocus(m.from);
        f.select(m.from);
        EXPECT_TRUE(f.userArrow(m.from, m.key)) << m.from;
        EXPECT_EQ(selected(), m.to) << m.from << " " << static_cast<int>(m.key);
        EXPECT_EQ(f.focused(), m.to);
    }
}

// A result stands while its field keeps the text the handler wrote: any change renews the stamp, also one
// that puts the same text back; a restart gives the start's stamps back.
TEST_F(SmallWindow, AResultStandsUntilItsFieldChanges) {
    f.setText("A", "result");
    const std::uint64_t kept = f.textStamp("A");
    f.setText("A", "result");
    EXPECT_TRUE(f.stands("A", kept));
    f.userEdit("A", "other");
    f.userEdit("A", "result");
    EXPECT_FALSE(f.stands("A", kept));
    EXPECT_FALSE(f.stands("B", 0)) << "nothing was kept";
    f.restart();
    EXPECT_NE(f.textStamp("A"), kept);
}

TEST(FormScript, ErrorsNameTheLine) {
    struct Case {
        const char* script;
        int line;
    } cases[] = {
        {"show Text7\nfrobnicate Text7\n", 2},
        {"type Nothing 1\n", 1},
        {"click Text7\n", 1},
        {"type Command1 1\n", 1},
        {"pick Combo1 41\n", 1},
        {"scroll HScroll1 721\n", 1},
        {"scroll HScroll1 -1\n", 1},
        {"scroll HScroll1 1x\n", 1},
        {"accel Q\n", 1},
        {"decimal ;\n", 1},
        {"show HScroll1\n", 1},
        {"focus Label3\n", 1},
        {"# comment\n\ntype Text7 a\tb\n", 3},
        {"type Text2 1\nclick Text2\n", 2}, // a disabled control is still checked
    };
    for (const auto& c : cases) {
        std::istringstream in(c.script);
        std::ostringstream out;
        const auto r = formscript::run(in, out);
        EXPECT_FALSE(r.ok) << c.script;
        EXPECT_EQ(r.line, c.line) << c.script;
    }
}

TEST(FormScript, DisabledControlsIgnoreTheOperator) {
    std::istringstream in("type Text2 1\npaste Text4 x\nclear Text5\nshow Text2\nshow Text4\n");
    std::ostringstream out;
    ASSERT_TRUE(formscript::run(in, out).ok);
    EXPECT_EQ(out.str(), "Text2| \nText4| \n");
}

TEST(RealWindow, TabOrderFromText7) {
    Form f;
    wiring::start(f);
    std::vector<std::string> seen;
    for (int i = 0; i < 56; ++i) {
        f.userTab();
        seen.push_back(f.focused());
    }
    const V expected = {"Text8",    "Option1",  "Text9",    "Command1", "Option8",  "Text10",   "Command2",
                        "Text18",   "Command5", "Text12",   "Text11",   "Text6",    "Command4", "Text15",
                        "Text1",    "Option4",  "Text13",   "Text20",   "Text16",   "Text17",   "Option5",
                        "Text14",   "Text21",   "Command3", "Command6", "Text30",   "Text34",   "Text36",
                        "Text37",   "Text33",   "Text32",   "Text31",   "Text35",   "Text38",   "Text39",
                        "Command8", "Option10", "Text23",   "Text24",   "Text28",   "Text29",   "Text26",
                        "Combo2",   "Option16", "Combo1",   "HScroll1", "Command9", "Command7", "Text22",
                        "Text7",    "Text8",    "Option1",  "Text9",    "Command1", "Option8",  "Text10"};
    EXPECT_EQ(seen, expected);
}

} // namespace
