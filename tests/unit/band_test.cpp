// The band: a sweep imported into the line panel, moved along the line by the chosen model, and saved
// with comments that say where it came from.
#include "chart/chart.h"
#include "line/catalog.h"
#include "line/telegrapher.h"
#include "numeric/reflection.h"
#include "ui/form.h"
#include "wiring/import.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

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

constexpr const char* kSweep = "# MHz S RI R 50\n"
                               "13.9 0.430942 -0.486643\n"
                               "14.2 0.109871 0.049275\n"
                               "14.5 0.506981 0.399245\n";

// RG-58 (generic), the sweep imported at 14.2 MHz, a quarter wave towards the transceiver.
void quarterWaveOfRg58(Window& w, const std::string& fileName) {
    w.f.userPick("Combo2", "RG-58 (generic)");
    ASSERT_TRUE(
        wiring::importNetwork(w.f, wiring::ImportTarget::Line, 14.2, touchstone::parse(kSweep, fileName)));
    w.f.userScroll("HScroll1", 360);
    ASSERT_FALSE(w.f.text("Text22").empty());
}

// The physical band is the telegrapher's line of the panel's physical length at every frequency, with the
// cable's loss there; the calculator's band differs from it where the SWR is high.
TEST(Band, PhysicalModelMovesEveryFrequencyThroughTheSameMetres) {
    Window w;
    quarterWaveOfRg58(w, "dipole.s1p");
    const touchstone::Network& sweep = *wiring::lineSweep(w.f);
    const std::vector<chart::BandPoint> calculator = chart::band(w.f, sweep);
    chart::setLineModel(w.f, line::LineModel::Physical);
    const std::vector<chart::BandPoint> physical = chart::band(w.f, sweep);
    ASSERT_EQ(physical.size(), 3u);
    ASSERT_EQ(calculator.size(), 3u);
    const double metres = 0.25 * line::kSpeedOfLight / 14.2 * 0.66;
    for (std::size_t i = 0; i < physical.size(); ++i) {
        const double mhz = sweep.samples[i].hz / 1e6;
        const auto gamma = line::propagationConstant(line::CableLoss(17, mhz).value(), mhz, 0.66);
        const auto load = num::impedance(sweep.samples[i].s[0], 50);
        const auto expected = line::seenThroughLine(load, 50, gamma, metres);
        EXPECT_NEAR(std::abs(physical[i].moved - expected), 0, 1e-9) << mhz;
        EXPECT_EQ(physical[i].measured, calculator[i].measured);
        EXPECT_EQ(physical[i].swrMeasured, calculator[i].swrMeasured);
        // The reflection at the transceiver end is the measured one less the matched loss there and back.
        EXPECT_LT(physical[i].swrMoved, physical[i].swrMeasured);
        EXPECT_NE(physical[i].moved, calculator[i].moved);
    }
}

TEST(Band, SavedSweepNamesItsSourceCableShiftDirectionAndModel) {
    Window w;
    quarterWaveOfRg58(w, "dipole\nfeed.s1p");
    const touchstone::Network& sweep = *wiring::lineSweep(w.f);
    const std::string calculator =
        chart::movedTouchstone(chart::band(w.f, sweep), chart::bandComments(w.f, sweep));
    EXPECT_EQ(calculator.substr(0, calculator.find("# MHz")),
              "! Moved sweep of dipole feed.s1p\n"
              "! Cable: RG-58 (generic), Z0 50.0 ohm, VF 0.660\n"
              "! Shift: +90.00 degrees at 14.200 MHz, 3.484 m\n"
              "! Direction: towards the transceiver\n"
              "! Line model: calculator (the panel's figures)\n"
              "! S11 on 50 ohm\n");
    // Read back, the file holds the band's points.
    EXPECT_EQ(touchstone::parse(calculator, "moved.s1p").samples.size(), 3u);

    w.f.userClick("Option11"); // typed line data: 75 ohm, VF 0.8, 3 dB per 100 m
    for (const auto& [field, text] : {std::pair{"Text25", "75"}, {"Text27", "0.8"}, {"Text40", "3"}})
        w.f.userEdit(field, text);
    w.f.userClick("Option9");
    w.f.userScroll("HScroll1", 200);
    chart::setLineModel(w.f, line::LineModel::Physical);
    const std::vector<std::string> comments = chart::bandComments(w.f, sweep);
    ASSERT_EQ(comments.size(), 5u);
    EXPECT_EQ(comments[1], "Cable: typed line data, 3.00 dB/100 m, Z0 75.0 ohm, VF 0.800");
    // -130 degrees at 14.2 MHz on VF 0.8: 130 / 360 * 299.792458 / 14.2 * 0.8 m.
    EXPECT_EQ(comments[2], "Shift: -130.00 degrees at 14.200 MHz, 6.099 m");
    EXPECT_EQ(comments[3], "Direction: towards the antenna");
    EXPECT_EQ(comments[4], "Line model: physical line (telegrapher's equations, matched loss)");
}

} // namespace
