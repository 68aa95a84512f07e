// The tuner calculation's window-level values, which the report shows only rounded or not at all.
#include "tuner/tuner.h"
#include "ui/form.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Fields = std::vector<std::pair<const char*, const char*>>;

// Types each text into its field as the operator would, then presses Command8.
void press(ui::Form& f, const Fields& fields) {
    for (const auto& [name, text] : fields) {
        f.userEdit(name, "");
        f.userEdit(name, text);
    }
    f.userClick("Command8");
}

double d(num::Real r) {
    return r.value();
}

// S11 = 0.1 - j0.2, S21 = S12 = 0.8 + j0.1, S22 = 0.05 + j0.02, S Ant. = 0.3 - j0.4.
const Fields kGeneral = {{"Text30", "0.3"}, {"Text34", "-0.4"}, {"Text36", "0.1"},  {"Text37", "-0.2"},
                         {"Text33", "0.8"}, {"Text32", "0.1"},  {"Text31", "0.05"}, {"Text35", "0.02"}};

TEST(TunerLoss, GeneralCaseWavesAndPowers) {
    ui::Form f;
    wiring::start(f);
    press(f, kGeneral);
    const auto& v = f.vars<tuner::TunerVars>();
    // S12 came from S21 as the fields were left.
    EXPECT_EQ(d(v.ES12R), 0.8);
    EXPECT_EQ(d(v.ES12X), 0.1);
    EXPECT_NEAR(d(v.B1R), 0.35591, 5e-6);
    EXPECT_NEAR(d(v.B1X), -0.41247, 5e-6);
    EXPECT_NEAR(d(v.B2R), 0.82013, 5e-6);
    EXPECT_NEAR(d(v.B2X), 0.09060, 5e-6);
    EXPECT_NEAR(d(v.A2R), 0.28228, 5e-6);
    EXPECT_NEAR(d(v.A2X), -0.30087, 5e-6);
    EXPECT_NEAR(d(v.EPLR), 0.510618, 5e-7);
    EXPECT_NEAR(d(v.EPGR), 0.703196, 5e-7);
    EXPECT_NEAR(d(v.RP), 1.377146, 5e-7);
    EXPECT_NEAR(d(v.TUNTRASSLOG), 1.3898, 5e-5);
    EXPECT_NEAR(d(v.TPP), 100 * (1 - d(v.EPLR) / d(v.EPGR)), 1e-9);
    EXPECT_NEAR(d(v.TPG), 100 * (d(v.EPLR) / d(v.EPGR) - 1), 1e-9);
    EXPECT_NEAR(d(v.ELR), 57.69, 5e-3);
    EXPECT_NEAR(d(v.ELX), -61.54, 5e-3);
    EXPECT_NEAR(d(v.ESWR), 3.0, 1e-12);
    EXPECT_EQ(v.SGI, "-");
    EXPECT_EQ(v.SB1, "-");
    EXPECT_EQ(v.SB2, "+");
    EXPECT_EQ(v.SA2, "-");
}

TEST(TunerLoss, ImaginaryPartOfB1EntersTheInputPower) {
    ui::Form f;
    wiring::start(f);
    press(f, {{"Text37", "0.3"}, {"Text33", "0.9"}, {"Text32", ""}});
    const auto& v = f.vars<tuner::TunerVars>();
    EXPECT_NEAR(d(v.EPGR), 0.91, 1e-12);
    EXPECT_NEAR(d(v.EPLR), 0.81, 1e-12);
}

} // namespace
