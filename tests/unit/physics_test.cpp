// The line and the point as functions of numbers: the worked examples, the physics a reader can check by
// hand (a lossless half wave, a matched load), and the faults that stop a calculation.
#include "line/catalog.h"
#include "line/physics.h"
#include "numeric/numtext.h"
#include "point/point.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using line::Direction;

line::LineInput rg58(std::complex<double> load, double shift, Direction d, double rtx = 50) {
    line::LineInput in;
    in.loadImpedance = load;
    in.lineImpedance = 50;
    in.velocityFactor = 0.66;
    in.loss.catalogEntry = 17; // RG-58 (generic)
    in.mhz = 14;
    in.shiftDegrees = shift;
    in.direction = d;
    in.transceiverImpedance = rtx;
    in.power = 100;
    return in;
}

// The two worked examples of the panel, to the digits its result text shows.
TEST(LineCompute, WorkedExamplesToTheShownDigits) {
    struct Case {
        line::LineInput in;
        double r, x, swr, power, matched, total, rp, xp, open, shorted;
    };
    const Case cases[] = {
        {rg58({100, 50}, 90, Direction::TowardsTransceiver), 21.45, -9.73, 2.44, 106.90, 0.20, 0.29, 25.86,
         -57.01, 5.45, 1.91},
        {rg58({100, 50}, -130, Direction::TowardsAntenna, 75), 39.41, -49.05, 2.94, 90.13, 0.28, 0.45, 100.47,
         -80.71, 5.82, 2.29},
    };
    for (const Case& c : cases) {
        const line::LineResult r = line::compute(c.in);
        EXPECT_NEAR(r.far.resistance.value(), c.r, 0.005);
        EXPECT_NEAR(r.far.reactance.value(), c.x, 0.005);
        EXPECT_NEAR(r.far.swr.value(), c.swr, 0.005);
        EXPECT_NEAR(r.far.power.value(), c.power, 0.005);
        EXPECT_NEAR(r.far.matchedLossDb.value(), c.matched, 0.005);
        EXPECT_NEAR(r.far.totalLossDb.value(), c.total, 0.005);
        EXPECT_NEAR(r.details.parallelResistance.value(), c.rp, 0.005);
        EXPECT_NEAR(r.details.parallelReactance.value(), c.xp, 0.005);
        EXPECT_NEAR(r.details.openStubMetres.value(), c.open, 0.005);
        EXPECT_NEAR(r.details.shortedStubMetres.value(), c.shorted, 0.005);
    }
}

// On a lossless line the impedance comes back after half a wavelength, and a quarter wave inverts it
// about the line impedance: Z' = Z0^2 / Z.
TEST(LineCompute, LosslessLineTransformsAsTheTextbookSays) {
    line::LineInput in = rg58({100, 50}, 180, Direction::TowardsTransceiver);
    in.loss = line::LineLoss{-1, 0, {}};
    line::LineResult half = line::compute(in);
    EXPECT_NEAR(half.far.resistance.value(), 100, 1e-6);
    EXPECT_NEAR(half.far.reactance.value(), 50, 1e-6);
    in.shiftDegrees = 90;
    line::LineResult quarter = line::compute(in);
    const std::complex<double> inverted = 2500.0 / std::complex<double>(100, 50);
    EXPECT_NEAR(quarter.far.resistance.value(), inverted.real(), 1e-6);
    EXPECT_NEAR(quarter.far.reactance.value(), inverted.imag(), 1e-6);
    // Towards the antenna the same quarter wave gives the same inversion (the search ends within 1e-7).
    in.shiftDegrees = -90;
    in.direction = Direction::TowardsAntenna;
    line::LineResult back = line::compute(in);
    EXPECT_NEAR(back.far.resistance.value(), inverted.real(), 1e-4);
    EXPECT_NEAR(back.far.reactance.value(), inverted.imag(), 1e-4);
    EXPECT_EQ(back.far.power.value(), 100);
}

// The loss follows the cable at each frequency ("Auto") or stays as typed.
TEST(LineCompute, LossPerHundredMetresByMode) {
    line::LineInput in = rg58({50, 0}, 90, Direction::TowardsTransceiver);
    for (double mhz : {1.8, 14.0, 144.0}) {
        in.mhz = mhz;
        EXPECT_EQ(line::compute(in).far.lossDbPer100m.value(), line::CableLoss(17, mhz).value()) << mhz;
    }
    in.loss = line::LineLoss{-1, 3.5, {}};
    EXPECT_EQ(line::compute(in).far.lossDbPer100m.value(), 3.5);
    // A matched point: the whole loss is the matched loss, 0.25 wavelength x 299.792458 / 144 x 0.66 m.
    const double metres = 0.25 * 299.792458 / 144 * 0.66;
    EXPECT_NEAR(line::compute(in).far.matchedLossDb.value(), metres * 3.5 / 100, 1e-12);
    EXPECT_NEAR(line::compute(in).far.totalLossDb.value(), metres * 3.5 / 100, 1e-12);
}

TEST(LineCompute, ImpedanceTooLargeForTheLineStopsAtTheFirstStep) {
    try {
        line::normalise({200, 0}, 1e-306);
        FAIL() << "no fault";
    } catch (const num::ArithFault& e) {
        EXPECT_EQ(e.kind(), num::ArithFault::Kind::Overflow);
    }
}

// The handler's "Auto" run writes the catalog impedance into Text25 and reads the parallel equivalent's
// line impedance back from there; the physics takes the number itself. Both agree for every entry.
TEST(Catalog, ImpedanceReadsBackAsWrittenForEveryEntry) {
    for (int16_t i = 0; i < line::kCableCount; ++i) {
        const double z = line::cableLine(i).impedance.value();
        EXPECT_EQ(num::Val(num::Format(z, "0.0")), z) << i;
    }
}

// ---- the point's reflection data ----------------------------------------------------------------------

TEST(ReflectionData, AgainstRealAndComplexReferences) {
    struct Case {
        std::complex<double> z, z0;
        double gr, gi, swr, g, b;
    };
    // G = (Z - Z0) / (Z + Z0); the admittance is 1 / Z.
    const Case cases[] = {
        {{50, 50}, {50, 0}, 0.2, 0.4, 2.618034, 0.01, -0.01},
        {{25, -25}, {50, 0}, -0.2, -0.4, 2.618034, 0.02, 0.02},
        {{100, 0}, {50, 0}, 1.0 / 3, 0, 2, 0.01, 0},
        {{75, 0}, {50, 25}, 0.153846, -0.230769, 1.768, 1.0 / 75, 0},
    };
    for (const Case& c : cases) {
        point::KeptReflection kept;
        const point::ReflectionData d = point::reflectionData(c.z, c.z0, 100, kept);
        EXPECT_NEAR(d.reflectionRe.value(), c.gr, 1e-6);
        EXPECT_NEAR(d.reflectionIm.value(), c.gi, 1e-6);
        EXPECT_NEAR(d.swr.value(), c.swr, 1e-3);
        EXPECT_NEAR(kept.returnLossDb.value(), -20 * std::log10(std::abs(std::complex(c.gr, c.gi))), 1e-4);
        EXPECT_NEAR(d.reflectedPower.value(), 100 * std::norm(std::complex(c.gr, c.gi)), 1e-4);
        if (c.z0.imag() == 0) {
            EXPECT_NEAR(d.conductance.value(), c.g, 1e-12);
            EXPECT_NEAR(d.susceptance.value(), c.b, 1e-12);
        }
    }
}

TEST(ReflectionData, PerfectMatchKeepsTheReturnLossAndPhaseOfBefore) {
    point::KeptReflection kept;
    point::reflectionData({50, 50}, {50, 0}, 100, kept);
    const double loss = kept.returnLossDb.value();
    EXPECT_NEAR(kept.phaseDegrees.value(), 63.434949, 1e-6);
    const point::ReflectionData d = point::reflectionData({50, 0}, {50, 0}, 100, kept);
    EXPECT_EQ(d.magnitude.value(), 0);
    EXPECT_EQ(kept.returnLossDb.value(), loss);
    // The reflected power is formed from the kept return loss.
    EXPECT_NEAR(d.reflectedPower.value(), 100 / std::pow(10, loss / 10), 1e-9);
}

TEST(ReflectionData, ForwardPowerTooLargeStopsAfterTheReturnLoss) {
    point::KeptReflection kept;
    EXPECT_THROW(point::reflectionData({50, 50}, {50, 0}, HUGE_VAL, kept), num::ArithFault);
    EXPECT_NEAR(kept.returnLossDb.value(), 6.9897, 1e-4);
}

// The chart draws the line one degree at a time from one measured point turned by each shift: the turned
// point must be the point measured at that shift, to the last bit, in both directions and past 180 degrees.
TEST(LineCompute, AMeasuredPointTurnedEqualsOneMeasuredAtThatShift) {
    for (const Direction d : {Direction::TowardsTransceiver, Direction::TowardsAntenna}) {
        const line::LineInput from = rg58({100, 50}, 0, d);
        const line::MeasuredPoint measured =
            line::measure(from, line::normalise(from.loadImpedance, from.lineImpedance));
        for (const double shift : {0.0, 1.0, 37.5, 90.0, 179.0, 181.0, 359.5, -45.0, -270.0}) {
            line::LineInput at = from;
            at.shiftDegrees = shift;
            const line::MeasuredPoint direct =
                line::measure(at, line::normalise(at.loadImpedance, at.lineImpedance));
            EXPECT_EQ(line::atShift(measured, shift), direct) << shift;
            EXPECT_EQ(line::moveAlong(at, line::atShift(measured, shift)), line::moveAlong(at, direct))
                << shift;
        }
    }
}

} // namespace
