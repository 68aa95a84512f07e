// The cable catalog, its loss formula and the antenna-end SWR search, each on its own; and the few
// window-level values of the line computation that no result text shows to enough digits.
#include "line/catalog.h"
#include "line/line.h"
#include "numeric/checked.h"
#include "ui/form.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

using line::Real;

namespace {

// ---- the catalog --------------------------------------------------------------------------------------

TEST(Catalog, SeventyThreeDistinctNamesInTheirOrder) {
    std::set<std::string> names;
    for (const auto& c : line::kCatalog)
        names.insert(c.name);
    EXPECT_EQ(names.size(), 73u);
    EXPECT_STREQ(line::kCatalog[0].name, "Messi e Paoloni Pota-Flex 6");
    EXPECT_STREQ(line::kCatalog[15].name, "50 ohm ideal lossless line");
    EXPECT_STREQ(line::kCatalog[48].name, "Belden8268 (RG-214/U)");
    EXPECT_STREQ(line::kCatalog[59].name, "Wireman 554 Ladder Line(ice/snow)");
    EXPECT_STREQ(line::kCatalog[63].name, "Cellflex 1 / 4");
    EXPECT_STREQ(line::kCatalog[72].name, "Aircell 7");
}

TEST(Catalog, WindowListsHoldTheStoredIntegersRowByRow) {
    ui::Form f;
    wiring::start(f);
    for (const char* list : {"Combo2", "Z", "VF", "K0", "K1", "K2"})
        EXPECT_EQ(f.items(list).size(), 73u) << list;
    EXPECT_EQ(f.items("Combo2")[18], "RG-213 (generic)");
    EXPECT_EQ(f.items("Z")[18], "500");
    EXPECT_EQ(f.items("VF")[18], "660");
    EXPECT_EQ(f.items("K0")[18], "-10032");
    EXPECT_EQ(f.items("K1")[18], "215819");
    EXPECT_EQ(f.items("K2")[18], "-2889");
    EXPECT_EQ(f.items("Z")[52], "4000");
    EXPECT_EQ(f.items("VF")[46], "695");
    EXPECT_EQ(f.items("K1")[56], "-164");
    EXPECT_EQ(f.items("K2")[56], "89496");
    EXPECT_EQ(f.items("K0")[44], "2088830");
    EXPECT_EQ(f.items("Z")[41], "1250");
    // The lookup by name reaches the last row.
    f.setText("Combo2", "Aircell 7");
    EXPECT_EQ(f.vars<line::LineVars>().IND, 72);
}

// ---- CableLoss ----------------------------------------------------------------------------------------

TEST(CableLoss, MatchedLossAtFourteenMegahertz) {
    // (K0 + K1 sqrt(14) + K2 14) / 10^6 dB per 100 ft, over 0.3048 for 100 m.
    EXPECT_NEAR(line::CableLoss(17, 14).value(), 5.5702652, 1e-7); // RG-58 (generic): 5.6 shown
    EXPECT_NEAR(line::CableLoss(18, 14).value(), 2.4837361, 1e-7); // RG-213 (generic): 2.5 shown
    EXPECT_NEAR(line::CableLoss(66, 14).value(), 1.5552629, 1e-7); // Times LMR-400: 1.6 shown
}

TEST(CableLoss, NegativeCoefficientsAreUsedAsTheyAre) {
    // Wireman 552 Ladder Line has a negative square-root term: (0.362854 - 0.08423 + 0.3151) / 0.3048.
    EXPECT_NEAR(line::CableLoss(53, 100).value(), 1.9479134, 1e-7);
    // At 0 MHz only the constant term is left, and it may be negative.
    EXPECT_DOUBLE_EQ(line::CableLoss(34, 0).value(), -0.114606 / 0.3048); // Belden 8259: -0.4 shown
    EXPECT_DOUBLE_EQ(line::CableLoss(0, 0).value(), 0.264359 / 0.3048);   // Pota-Flex 6: 0.9 shown
    EXPECT_LT(line::CableLoss(34, 0.001).value(), 0.0);
}

TEST(CableLoss, IdealLinesAreLosslessAtEveryFrequency) {
    for (double mhz : {0.0, 0.001, 1.8, 14.0, 150.0, 1000.0}) {
        EXPECT_EQ(line::CableLoss(15, mhz).value(), 0.0) << mhz;
        EXPECT_EQ(line::CableLoss(16, mhz).value(), 0.0) << mhz;
    }
}

TEST(CableLoss, GrowsWithFrequencyForACoaxialCable) {
    double previous = line::CableLoss(17, 1).value();
    for (double mhz : {2.0, 7.0, 14.0, 28.0, 50.0, 144.0}) {
        const double loss = line::CableLoss(17, mhz).value();
        EXPECT_GT(loss, previous) << mhz;
        previous = loss;
    }
}

TEST(CableLoss, NegativeFrequencyIsAnInvalidOperation) {
    try {
        line::CableLoss(17, -14);
        FAIL() << "no fault";
    } catch (const num::ArithFault& e) {
        EXPECT_EQ(e.kind(), num::ArithFault::Kind::InvalidOperation);
    }
}

// ---- FindAntennaSWR -----------------------------------------------------------------------------------

double reflection(double swr) {
    return (swr - 1) / (swr + 1);
}

// A search for a measured SWR seen through a total loss of `loss` dB.
line::LineVars searchFor(double measuredSWR, double loss) {
    line::LineVars v;
    v.LSWRL = measuredSWR;
    v.PRINIZ = std::pow(reflection(measuredSWR), 2);
    v.LLOSA = loss;
    return v;
}

TEST(FindAntennaSWR, MatchedPointEndsAtTheFirstStep) {
    line::LineVars v = searchFor(1, 0.39);
    v.PRINIZ = 0;
    EXPECT_TRUE(line::FindAntennaSWR(v));
    EXPECT_EQ(v.CCC, 1);
    EXPECT_EQ(v.LSWRF.value(), 1.0);
}

TEST(FindAntennaSWR, ExactHitOnAWholeSWR) {
    line::LineVars v = searchFor(3, 0);
    EXPECT_TRUE(line::FindAntennaSWR(v));
    EXPECT_EQ(v.CCC, 1);
    EXPECT_EQ(v.LSWRF.value(), 3.0);
}

TEST(FindAntennaSWR, LosslessLineGivesTheMeasuredSWRFromBelow) {
    for (double swr : {1.0471975, 2.6180339887, 7.3456789123, 24.987654321}) {
        line::LineVars v = searchFor(swr, 0);
        EXPECT_FALSE(line::FindAntennaSWR(v)) << swr;
        EXPECT_NE(v.CCC, 0) << swr;
        EXPECT_LE(v.LSWRP.value(), swr) << swr;
        EXPECT_GT(v.LSWRP.value(), swr - 1e-7 - 1e-12) << swr;
    }
}

TEST(FindAntennaSWR, LossyLineGivesTheLargerAntennaSWR) {
    // Through 1 dB there and back the reflected power falls by 10^(-2/10): the antenna reflection is
    // sqrt(PRINIZ / 10^(-0.2)).
    const double measured = 2.5;
    line::LineVars v = searchFor(measured, 1);
    EXPECT_FALSE(line::FindAntennaSWR(v));
    const double rhoA = std::sqrt(std::pow(reflection(measured), 2) / std::pow(10, -0.2));
    const double antenna = (1 + rhoA) / (1 - rhoA);
    EXPECT_LE(v.LSWRP.value(), antenna);
    EXPECT_GT(v.LSWRP.value(), antenna - 1e-7 - 1e-12);
    // Whole candidates 2 and 3 stay below, 4 is the third step and the first to reach the reflection.
    EXPECT_EQ(v.CCC, 3);
    // The candidate's reflection, seen at the measured point, stays below the measured one; one grid step
    // more reaches it.
    const double att = std::pow(10, -0.2);
    EXPECT_LT(att * std::pow(reflection(v.LSWRP.value()), 2), v.PRINIZ.value());
    EXPECT_GE(att * std::pow(reflection(v.LSWRP.value() + 1e-7), 2), v.PRINIZ.value());
}

TEST(FindAntennaSWR, NoAntennaCanGiveTooHighAMeasuredSWR) {
    // SWR 100 seen through 4.79 dB: even a total reflection at the antenna comes back weaker.
    line::LineVars v = searchFor(100, 4.79);
    EXPECT_FALSE(line::FindAntennaSWR(v));
    EXPECT_EQ(v.CCC, 0);
    EXPECT_GT(v.LSWRP.value(), 1099.0);
}

// ---- the line computation through the window ----------------------------------------------------------

TEST(LineCompute, AntennaEndOfTheWorkedExample) {
    // RG-58 at 14 MHz, 100 + j50 ohm measured, 75 ohm transceiver, towards the antenna, slider at 200.
    ui::Form f;
    wiring::start(f);
    f.setText("Combo2", "RG-58 (generic)");
    f.setText("Text28", "14");
    f.setText("Text23", "100");
    f.setText("Text24", "50");
    f.setText("Text26", "75");
    f.userClick("Option9");
    f.userScroll("HScroll1", 200);
    const auto& v = f.vars<line::LineVars>();
    EXPECT_NEAR(v.LSWRF.value(), 2.9378964, 1e-12);
    EXPECT_NE(v.CCC, 0);
    EXPECT_DOUBLE_EQ(v.Shdeg.value(), -130.0);
    EXPECT_EQ(f.text("Text22").substr(0, 34), "R = 39.41 ohm  X = -49.05 ohm  SWR");
}

TEST(PowerExchange, FlagIsLoweredWhenTheExchangeIsStopped) {
    ui::Form f;
    wiring::start(f);
    f.setText("Text23", "50");
    f.userClick("Command9"); // no far-point power yet: a division by zero
    EXPECT_EQ(f.vars<line::LineVars>().CF, 0);
    EXPECT_EQ(f.text("Text29"), "100");
    f.userScroll("HScroll1", 1);
    f.userClick("Command9");
    EXPECT_EQ(f.vars<line::LineVars>().CF, 0);
    EXPECT_EQ(f.control("Text29").back, ui::BackColor::Highlight);
}

} // namespace
