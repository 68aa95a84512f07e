// The physical line by the telegrapher's equations: the figures a radio amateur checks with any line
// calculator, and the identities of a lossy line.
#include "line/catalog.h"
#include "line/physics.h"
#include "line/telegrapher.h"
#include "numeric/checked.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace {

using C = std::complex<double>;

double swrOn50(C z) {
    const double rho = std::abs((z - 50.0) / (z + 50.0));
    return (1 + rho) / (1 - rho);
}

// RG-58 (generic) at 14 MHz: its catalog loss and velocity factor, and the metres of `degrees` on it.
struct Rg58At14 {
    double loss = line::CableLoss(17, 14).value();
    C gamma = line::propagationConstant(loss, 14, 0.66);
    static double metres(double degrees) { return degrees / 360 * line::kSpeedOfLight / 14 * 0.66; }
};

TEST(Telegrapher, HighSwrThroughRg58) {
    const Rg58At14 c;
    // 385 + j0 moved 45 degrees towards the transceiver: SWR 7.09 where the panel's model gives 5.83.
    const C far = line::seenThroughLine(385, 50, c.gamma, Rg58At14::metres(45));
    EXPECT_NEAR(swrOn50(far), 7.09, 0.005);
    EXPECT_NEAR(far.real(), 13.824, 0.001);
    EXPECT_NEAR(far.imag(), -48.051, 0.001);
    // A measured SWR of 7.66 a quarter wave from the antenna: about 9.2 at the antenna.
    const C antenna = line::loadBehindLine(50 * 7.66, 50, c.gamma, Rg58At14::metres(90));
    EXPECT_NEAR(swrOn50(antenna), 9.24, 0.005);
}

// The reflection is attenuated by the matched loss there and back, |Gamma_in| = |Gamma_load| 10^(-ML/10),
// at every load; its angle turns by twice the electrical length; a round trip gives the load back.
TEST(Telegrapher, ReflectionAttenuatedByTheMatchedLossAlone) {
    const Rg58At14 c;
    const double metres = Rg58At14::metres(130);
    const double matchedLossDb = metres * c.loss / 100;
    for (C load : {C(385, 0), C(100, 50), C(5, -200), C(50, 0), C(1e4, 1e3)}) {
        const C in = line::seenThroughLine(load, 50, c.gamma, metres);
        const C gl = (load - 50.0) / (load + 50.0), gi = (in - 50.0) / (in + 50.0);
        EXPECT_NEAR(std::abs(gi), std::abs(gl) * std::pow(10, -matchedLossDb / 10), 1e-12) << load;
        if (std::abs(gl) > 0) {
            EXPECT_NEAR(std::remainder(std::arg(gi) - std::arg(gl) + 2 * 130 * std::numbers::pi / 180,
                                       2 * std::numbers::pi),
                        0, 1e-12)
                << load;
        }
        const C back = line::loadBehindLine(in, 50, c.gamma, metres);
        EXPECT_NEAR(std::abs(back - load), 0, 1e-9 * std::abs(load)) << load;
    }
}

// Lossless: a quarter wave inverts about Z0, a half wave gives the load back; the open and shorted line
// are the load's two ends of the chart.
TEST(Telegrapher, LosslessAndStubLines) {
    const C gamma = line::propagationConstant(0, 14, 0.66);
    const double quarter = line::kSpeedOfLight / 14 * 0.66 / 4;
    const C inverted = line::seenThroughLine(C(100, 50), 50, gamma, quarter);
    EXPECT_NEAR(std::abs(inverted - 2500.0 / C(100, 50)), 0, 1e-9);
    EXPECT_NEAR(std::abs(line::seenThroughLine(C(100, 50), 50, gamma, 2 * quarter) - C(100, 50)), 0, 1e-9);

    // An eighth wave: shorted +j Z0, open -j Z0.
    EXPECT_NEAR(std::abs(line::shortedLineImpedance(75, gamma, quarter / 2) - C(0, 75)), 0, 1e-9);
    EXPECT_NEAR(std::abs(line::openLineImpedance(75, gamma, quarter / 2) - C(0, -75)), 0, 1e-9);
    // With loss, a shorted quarter wave is a large resistance, Z0 / tanh(alpha l), no longer infinite.
    const Rg58At14 c;
    const double alphaL = c.gamma.real() * quarter;
    const C shorted = line::shortedLineImpedance(50, c.gamma, quarter);
    EXPECT_NEAR(shorted.real(), 50 / std::tanh(alphaL), 1e-6 * shorted.real());
    EXPECT_NEAR(shorted.imag(), 0, 1e-9 * shorted.real());
    EXPECT_EQ(line::seenThroughLine(0, 50, c.gamma, quarter), shorted);
    // An open end seen from itself has no finite impedance: the calculation stops.
    EXPECT_THROW(line::openLineImpedance(50, gamma, 0), num::ArithFault);
}

} // namespace
