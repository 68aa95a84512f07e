// The import handler on a window: all fields or none, and the sweep kept for the line panel.
#include "ui/form.h"
#include "wiring/import.h"
#include "wiring/measure.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Recorder : ui::Ports {
    std::vector<std::string> boxes;
    void messageBox(const std::string& title, const std::string& prompt) override {
        boxes.push_back(title + ": " + prompt);
    }
    void openDocument(const std::string&) override {}
};

struct Window {
    Recorder ports;
    ui::Form f;
    Window() {
        f.setPorts(&ports);
        wiring::start(f);
    }
};

touchstone::Network net(const char* text, const char* name) {
    return touchstone::parse(text, name);
}

TEST(Import, AntennaRefusedByEitherComponentWritesNeither) {
    // S11 = 0.2 + j1.0 on 50 ohm: the real part fits, the imaginary part does not.
    Window w;
    w.f.userEdit("Text30", "0.1");
    w.f.userEdit("Text34", "0.1");
    EXPECT_FALSE(wiring::importNetwork(w.f, wiring::ImportTarget::Antenna, 14,
                                       net("# MHz S RI R 50\n14 0.2 1.0\n", "a.s1p")));
    EXPECT_EQ(w.ports.boxes,
              std::vector<std::string>{"Invalid S. Ant. imaginary part: I is a number > -1 and < 1"});
    EXPECT_EQ(w.f.text("Text30"), "0.1");
    EXPECT_EQ(w.f.text("Text34"), "0.1");
    // 0.9999996 is written as "1", which the field refuses.
    EXPECT_FALSE(wiring::importNetwork(w.f, wiring::ImportTarget::Antenna, 14,
                                       net("# MHz S RI R 50\n14 -0.9999996 0\n", "a.s1p")));
    EXPECT_EQ(w.ports.boxes.back(), "Invalid S. Ant. real part: R is a number > -1 and < 1");
    EXPECT_EQ(w.f.text("Text30"), "0.1");
}

// A sweep that follows the antenna computes again the result that stood in its panel, as the operator would
// with the new values; a panel without a result stays without one.
TEST(Import, FollowingComputesAgainWhatStood) {
    const auto sweep = net("# MHz S RI R 50\n14 0.2 0.1\n14.4 0.25 0.05\n", "sweep.s1p");
    struct Case {
        wiring::ImportTarget target;
        const char* result;
        std::function<void(ui::Form&)> compute;
    } cases[] = {
        {wiring::ImportTarget::Line, "Text22", [](ui::Form& f) { f.userScroll("HScroll1", 300); }},
        {wiring::ImportTarget::Point, "Text4", [](ui::Form& f) { f.userClick("Command4"); }},
        {wiring::ImportTarget::Antenna, "Text5", [](ui::Form& f) { f.userClick("Command8"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        Window computedBefore, computedAfter, never;
        c.compute(computedBefore.f);
        ASSERT_FALSE(computedBefore.f.text(c.result).empty());
        ASSERT_TRUE(wiring::importFollowing(computedBefore.f, c.target, 14.2, sweep));
        ASSERT_TRUE(wiring::importNetwork(computedAfter.f, c.target, 14.2, sweep));
        c.compute(computedAfter.f);
        EXPECT_EQ(computedBefore.f.text(c.result), computedAfter.f.text(c.result));
        ASSERT_TRUE(wiring::importFollowing(never.f, c.target, 14.2, sweep));
        EXPECT_EQ(never.f.text(c.result), "");
    }
}

TEST(Import, ZerosFromAnglesAreWrittenAsZero) {
    // 0.5 at 90 degrees: the real part is cos(90 deg) rounding noise, written as "0".
    Window w;
    ASSERT_TRUE(wiring::importNetwork(w.f, wiring::ImportTarget::Antenna, 14,
                                      net("# MHz S MA R 50\n14 0.5 90\n", "a.s1p")));
    EXPECT_EQ(w.f.text("Text30"), "0");
    EXPECT_EQ(w.f.text("Text34"), "0.5");
}

TEST(Import, LineSweepKeptOnlyFromTheLinePanel) {
    Window w;
    EXPECT_EQ(wiring::lineSweep(w.f), nullptr);
    const auto one = net("# MHz S RI R 75\n14 0.1 0\n14.4 0.2 0\n", "a.s1p");
    ASSERT_TRUE(wiring::importNetwork(w.f, wiring::ImportTarget::Point, 14.2, one));
    EXPECT_EQ(wiring::lineSweep(w.f), nullptr);
    ASSERT_TRUE(wiring::importNetwork(w.f, wiring::ImportTarget::Line, 14.2, one));
    ASSERT_NE(wiring::lineSweep(w.f), nullptr);
    EXPECT_EQ(wiring::lineSweep(w.f)->samples.size(), 2u);
    EXPECT_EQ(wiring::lineSweep(w.f)->reference[0], 75.0);
    // A refused import keeps the sweep; a two-port file gives its S11 as a one-port sweep.
    EXPECT_FALSE(wiring::importNetwork(w.f, wiring::ImportTarget::Line, 15, one));
    EXPECT_EQ(wiring::lineSweep(w.f)->reference[0], 75.0);
    const auto two = net("# MHz S RI R 50\n1 0.3 0 0.9 0 0.9 0 0.1 0\n", "b.s2p");
    ASSERT_TRUE(wiring::importNetwork(w.f, wiring::ImportTarget::Line, 1, two));
    const touchstone::Network* s = wiring::lineSweep(w.f);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ports, 1);
    EXPECT_EQ(s->samples[0].s[0], touchstone::Complex(0.3, 0));
    // R = 50 (1 + 0.3) / (1 - 0.3)
    EXPECT_EQ(w.f.text("Text23"), "92.8571");
    EXPECT_EQ(w.f.text("Text24"), "0");
    EXPECT_EQ(w.f.text("Text28"), "1");
}

// A typed R drops the sweep and says so until the next import into the line panel; no sweep is no drop.
TEST(Import, DroppedSweepIsKnownAsDropped) {
    Window w;
    const auto one = net("# MHz S RI R 50\n14 0.1 0\n14.4 0.2 0\n", "a.s1p");
    w.f.setText("Text23", "100");
    EXPECT_FALSE(wiring::lineSweepDropped(w.f)) << "nothing was imported";
    ASSERT_TRUE(wiring::importNetwork(w.f, wiring::ImportTarget::Line, 14.2, one));
    EXPECT_FALSE(wiring::lineSweepDropped(w.f));
    w.f.setText("Text24", "5");
    EXPECT_EQ(wiring::lineSweep(w.f), nullptr);
    EXPECT_TRUE(wiring::lineSweepDropped(w.f));
    ASSERT_TRUE(wiring::importNetwork(w.f, wiring::ImportTarget::Line, 14.2, one));
    EXPECT_FALSE(wiring::lineSweepDropped(w.f));
    EXPECT_NE(wiring::lineSweep(w.f), nullptr);
}

// The dialog's note on a frequency beyond the cable data, the same bound as the panel's warning label.
TEST(Import, NoteBeyondTheCableData) {
    EXPECT_EQ(wiring::importNote(wiring::ImportTarget::Line, 150), "");
    EXPECT_EQ(wiring::importNote(wiring::ImportTarget::Line, 150.001),
              "150.001 MHz is beyond the range of the cable data (up to 150 MHz): the line's results are not "
              "guaranteed.");
    EXPECT_EQ(wiring::importNote(wiring::ImportTarget::Point, 75000), "");
    EXPECT_EQ(wiring::importNote(wiring::ImportTarget::Tuner, 75000), "");
    // The panel agrees: the label shows after an import above 150 MHz, as after typing the frequency.
    Window w;
    const auto n = net("# MHz S RI R 50\n150 0.1 0\n151 0.1 0\n", "a.s1p");
    ASSERT_TRUE(wiring::importNetwork(w.f, wiring::ImportTarget::Line, 150, n));
    EXPECT_FALSE(w.f.control("Label36").visible);
    ASSERT_TRUE(wiring::importNetwork(w.f, wiring::ImportTarget::Line, 150.001, n));
    EXPECT_TRUE(w.f.control("Label36").visible);
}

} // namespace
