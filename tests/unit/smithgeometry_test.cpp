// The Smith chart's geometry: impedance and reflection on a reference, the grid circles, the readout.
#include "chart/smithgeometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace chart::geom;
using num::impedance;
using num::reflection;

namespace {

struct Case {
    Complex z;
    double z0;
    Complex gamma; // worked out by hand: (z - z0) / (z + z0)
};

TEST(SmithGeometry, ReflectionOfKnownImpedances) {
    const Case cases[] = {
        {{50, 0}, 50, {0, 0}},          // matched: the centre
        {{0, 0}, 50, {-1, 0}},          // short: the left end
        {{150, 0}, 50, {0.5, 0}},       // 100 / 200
        {{25, 0}, 50, {-1.0 / 3.0, 0}}, // -25 / 75
        {{0, 50}, 50, {0, 1}},          // j50 on 50: (-50 + j50) / (50 + j50) = j
        {{50, 50}, 50, {0.2, 0.4}},     // j50 / (100 + j50) = j50 (100 - j50) / 12500
        {{75, 0}, 75, {0, 0}},          // the chart's reference is not tied to 50 ohm
        {{50, 0}, 75, {-0.2, 0}},       // -25 / 125
    };
    for (const Case& c : cases) {
        const Complex g = reflection(c.z, c.z0);
        EXPECT_NEAR(g.real(), c.gamma.real(), 1e-12) << c.z << " on " << c.z0;
        EXPECT_NEAR(g.imag(), c.gamma.imag(), 1e-12) << c.z << " on " << c.z0;
        if (c.gamma != Complex(1, 0)) {
            const Complex back = impedance(g, c.z0);
            EXPECT_NEAR(back.real(), c.z.real(), 1e-9);
            EXPECT_NEAR(back.imag(), c.z.imag(), 1e-9);
        }
    }
    EXPECT_EQ(reflection({INFINITY, 0}, 50), Complex(1, 0));
    EXPECT_TRUE(std::isinf(impedance({1, 0}, 50).real()));
}

// Every point of a grid circle is an impedance with that resistance (or reactance, conductance,
// susceptance): checked by mapping points of the circle back to impedances.
TEST(SmithGeometry, GridCirclesHoldTheirValue) {
    for (double v : {0.2, 0.5, 1.0, 2.0, 5.0}) {
        for (double deg = 10; deg < 360; deg += 35) { // not 0 or 180: the open and the short
            const Complex on = std::polar(1.0, deg * kPi / 180.0);
            const Circle rc = resistanceCircle(v);
            EXPECT_NEAR(impedance(rc.centre + rc.radius * on, 1.0).real(), v, 1e-9);
            const Circle gc = conductanceCircle(v);
            EXPECT_NEAR((1.0 / impedance(gc.centre + gc.radius * on, 1.0)).real(), v, 1e-9);
            for (double sign : {1.0, -1.0}) {
                const Circle xc = reactanceCircle(sign * v);
                const Complex g = xc.centre + xc.radius * on;
                if (std::abs(g - Complex(1, 0)) > 1e-6) {
                    EXPECT_NEAR(impedance(g, 1.0).imag(), sign * v, 1e-7);
                }
                const Circle bc = susceptanceCircle(sign * v);
                const Complex gb = bc.centre + bc.radius * on;
                if (std::abs(gb + Complex(1, 0)) > 1e-6) {
                    EXPECT_NEAR((1.0 / impedance(gb, 1.0)).imag(), sign * v, 1e-7);
                }
            }
        }
    }
}

// The drawn part of a reactance circle runs inside the chart from the rim to the open circuit, and its
// middle point lies inside the unit circle (the other arc would run outside it).
TEST(SmithGeometry, ReactanceArcsStayInsideTheChart) {
    for (double x : {0.2, 0.5, 1.0, 2.0, 5.0, -0.2, -0.5, -1.0, -2.0, -5.0}) {
        const Circle c = reactanceCircle(x);
        const Arc a = reactanceArc(x);
        EXPECT_LT(std::abs(a.sweepDeg), 180.0);
        const auto at = [&](double deg) { return c.centre + std::polar(c.radius, deg * kPi / 180.0); };
        EXPECT_NEAR(std::abs(at(a.startDeg)), 1.0, 1e-12) << x;               // starts on the rim
        EXPECT_NEAR(std::abs(at(a.startDeg + a.sweepDeg) - 1.0), 0.0, 1e-12); // ends at gamma = 1
        EXPECT_LT(std::abs(at(a.startDeg + a.sweepDeg / 2)), 1.0) << x;
        const Circle s = susceptanceCircle(x);
        const Arc b = susceptanceArc(x);
        EXPECT_LT(std::abs(s.centre + std::polar(s.radius, (b.startDeg + b.sweepDeg / 2) * kPi / 180.0)),
                  1.0);
    }
}

TEST(SmithGeometry, ReadoutTexts) {
    // gamma = 0.2 + j0.4 on 50 ohm is 50 + j50: |gamma| = sqrt(0.2) = 0.44721, angle atan2(0.4, 0.2) =
    // 63.43 degrees, SWR = 1.44721 / 0.55279 = 2.618.
    const Readout p = readout({0.2, 0.4}, 50);
    EXPECT_EQ(impedanceText(p), "R = 50.00 ohm  X = +50.00 ohm");
    EXPECT_EQ(reflectionText(p), "|Gamma| = 0.4472  Angle = 63.4\xC2\xB0  SWR = 2.618");
    // Below the real axis the reactance is negative: gamma = -j0.5 on 50 ohm is 50 (0.75 - j) / 1.25.
    const Readout q = readout({0, -0.5}, 50);
    EXPECT_EQ(impedanceText(q, ','), "R = 30,00 ohm  X = -40,00 ohm"); // 50 (1 - j0.5) / (1 + j0.5)
    EXPECT_EQ(reflectionText(readout({1, 0}, 50)), "|Gamma| = 1.0000  Angle = 0.0\xC2\xB0  SWR = inf");
}

} // namespace
