// The L-network designs and the single stub, checked against the circuit itself: every design is put in
// front of the load with plain complex arithmetic here and must show Rs; the number of designs is counted
// from the two quadratics the test sets up on its own; the standard-part SWR is recomputed from the parts.
#include "match/match.h"

#include <gtest/gtest.h>

#include <numbers>

#include <cmath>
#include <complex>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using LComplex = std::complex<long double>;
constexpr long double kPiL = 3.141592653589793238462643383279502884L;

// The load seen through the network, in long double so that the test's own rounding stays far below the
// tolerance. The shunt element is the parallel combination z * zs / (z + zs), not an admittance sum.
LComplex seenBySource(match::Topology t, long double x1, long double x2, LComplex z) {
    const auto parallel = [x2](LComplex a) {
        if (std::isinf(x2))
            return a;
        const LComplex zs(0.0L, x2);
        return a * zs / (a + zs);
    };
    if (t == match::Topology::ShuntLoad)
        return parallel(z) + LComplex(0.0L, x1);
    return parallel(z + LComplex(0.0L, x1));
}

long double relError(LComplex zin, double rs) {
    return std::abs(zin - LComplex(rs, 0.0L)) / rs;
}

// The reactance of an inductor (henry) or capacitor (farad) at hz, written out here.
long double reactance(const match::Part& p, double hz) {
    const long double w = 2.0L * kPiL * hz;
    switch (p.kind) {
    case match::PartKind::Inductor:
        return w * p.value;
    case match::PartKind::Capacitor:
        return -1.0L / (w * p.value);
    case match::PartKind::Short:
        return 0.0L;
    case match::PartKind::Open:
        break;
    }
    return INFINITY;
}

// Real roots of a (u)^2 = d: 2, 1 or 0 by the sign of d.
int roots(long double d) {
    return d > 0 ? 2 : d == 0 ? 1 : 0;
}

// How many distinct L-networks the test expects, from its own quadratics in the element values:
//  series next to the load:  Re(1 / (Z + jXs)) = 1/Rs   ->  (X + Xs)^2 = R Rs - R^2;
//  shunt next to the load:   Re(1 / (Y + jB)) = Rs      ->  (Bl + B)^2 = G/Rs - G^2.
// A series element alone (R = Rs) and a shunt element alone (G = 1/Rs) solve both; they count once.
int expectedCount(double R, double X, double Rs) {
    const long double r = R, x = X, rs = Rs;
    const long double m = r * r + x * x;
    // G/Rs - G^2 = G (m - R Rs) / (m Rs) with G = R/m > 0: its sign is that of m - R Rs.
    int n = roots(r * rs - r * r) + roots(m - r * rs);
    if (R == Rs && X != 0)
        --n;
    if (m == r * rs && X != 0)
        --n;
    return n;
}

// The standard values of a part must come from the series and be the nearest in ratio.
bool isNearest(double v, double rounded, const std::vector<int>& series) {
    const double ratio = std::abs(std::log(rounded / v));
    const int top = (int)std::floor(std::log10(v));
    for (int dec = top - 3; dec <= top; ++dec)
        for (int k : series) {
            const double c = k * std::pow(10.0, dec);
            if (std::abs(std::log(c / v)) < ratio - 1e-12)
                return false;
        }
    return true;
}
const std::vector<int> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                               33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
const std::vector<int> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

// The line moved by the stub distance and the stub's admittance added must show 1/Rs.
void checkStub(const match::Stub& s, std::complex<double> z, double rs, int scan = 1000) {
    const long double bd = s.distanceDeg * kPiL / 180.0L;
    const LComplex zl(z.real(), z.imag()), j(0.0L, 1.0L);
    const LComplex zd = (long double)rs * (zl + j * (long double)rs * std::tan(bd)) /
                        ((long double)rs + j * zl * std::tan(bd));
    const LComplex yOpen = 1.0L / zd + j * std::tan(s.openDeg * kPiL / 180.0L) / (long double)rs;
    const LComplex yShort = 1.0L / zd - j / std::tan(s.shortDeg * kPiL / 180.0L) / (long double)rs;
    EXPECT_LT(std::abs(1.0L / yOpen - (long double)rs) / rs, 1e-9L) << "open stub " << z;
    EXPECT_LT(std::abs(1.0L / yShort - (long double)rs) / rs, 1e-9L) << "shorted stub " << z;
    for (double deg : {s.distanceDeg, s.openDeg, s.shortDeg}) {
        EXPECT_GE(deg, 0.0);
        EXPECT_LT(deg, 180.0);
    }
    // No shorter distance: the conductance keeps one side of 1/Rs all the way to it.
    const auto g = [&](long double deg) {
        const long double t = std::tan(deg * kPiL / 180.0L);
        return std::real(((long double)rs + j * zl * t) /
                         ((long double)rs * (zl + j * (long double)rs * t))) *
                   rs -
               1.0L;
    };
    const long double g0 = g(0);
    if (s.distanceDeg == 0) {
        EXPECT_NEAR((double)g0, 0.0, 1e-12) << "the load is on the circle " << z;
        return;
    }
    for (int k = 1; k < scan; ++k)
        ASSERT_GT(g0 * g(s.distanceDeg * k / scan), 0.0L) << "crosses before the stub point " << z;
}

void checkDesigns(const match::Result& res, std::complex<double> z, double hz, double rs) {
    for (const auto& d : res.designs) {
        SCOPED_TRACE(match::topologyName(d.topology) + " X1=" + match::reactanceText(d.seriesX) +
                     " X2=" + match::reactanceText(d.shuntX));
        const LComplex zl(z.real(), z.imag());
        EXPECT_LT(relError(seenBySource(d.topology, d.seriesX, d.shuntX, zl), rs), 1e-9L);
        // The parts at hz give back the reactances.
        EXPECT_NEAR((double)reactance(d.series, hz), d.seriesX, 1e-12 * std::abs(d.seriesX));
        if (std::isinf(d.shuntX))
            EXPECT_EQ(d.shunt.kind, match::PartKind::Open);
        else
            EXPECT_NEAR((double)reactance(d.shunt, hz), d.shuntX, 1e-12 * std::abs(d.shuntX));
        // The rounded parts: standard values, nearest, and the SWR they give recomputed here.
        for (auto [exact, e24, e12] :
             {std::tuple{d.series, d.seriesE24, d.seriesE12}, std::tuple{d.shunt, d.shuntE24, d.shuntE12}}) {
            EXPECT_EQ(e24.kind, exact.kind);
            EXPECT_EQ(e12.kind, exact.kind);
            if (exact.value > 0) {
                EXPECT_TRUE(isNearest(exact.value, e24.value, kE24)) << exact.value << " -> " << e24.value;
                EXPECT_TRUE(isNearest(exact.value, e12.value, kE12)) << exact.value << " -> " << e12.value;
            }
        }
        for (auto [sp, hp, swr] :
             {std::tuple{d.seriesE24, d.shuntE24, d.e24Swr}, std::tuple{d.seriesE12, d.shuntE12, d.e12Swr}}) {
            const LComplex zin = seenBySource(d.topology, reactance(sp, hz), reactance(hp, hz), zl);
            // Compared as reflection magnitudes: a rounded part on a high-Q load may give an SWR of
            // millions, whose last digits no double holds.
            const long double rho = std::abs((zin - (long double)rs) / (zin + (long double)rs));
            EXPECT_NEAR((swr - 1) / (swr + 1), (double)rho, 1e-10);
        }
    }
    // No circuit twice.
    for (std::size_t i = 0; i < res.designs.size(); ++i)
        for (std::size_t k = i + 1; k < res.designs.size(); ++k) {
            const auto &a = res.designs[i], &b = res.designs[k];
            const bool sameSeries = std::abs(a.seriesX - b.seriesX) <= 1e-9 * (std::abs(a.seriesX) + rs);
            const bool sameShunt = std::isinf(a.shuntX)
                                       ? std::isinf(b.shuntX)
                                       : std::abs(a.shuntX - b.shuntX) <= 1e-9 * std::abs(a.shuntX);
            const bool sameCircuit = sameSeries && sameShunt &&
                                     (a.topology == b.topology || a.seriesX == 0 || std::isinf(a.shuntX));
            EXPECT_FALSE(sameCircuit) << "designs " << i << " and " << k;
        }
}

struct Case {
    double R, X, Rs;
    int count;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << "Z=" << c.R << (c.X < 0 ? "" : "+") << c.X << "j Rs=" << c.Rs;
}

class Loads : public testing::TestWithParam<Case> {};

TEST_P(Loads, EveryDesignMatchesAndNoneIsMissing) {
    const Case c = GetParam();
    const double hz = 14.2e6;
    const auto res = match::design({c.R, c.X}, hz, c.Rs);
    SCOPED_TRACE(testing::Message() << "Z=" << c.R << (c.X < 0 ? "" : "+") << c.X << "j Rs=" << c.Rs);
    EXPECT_TRUE(res.none.empty()) << res.none;
    EXPECT_EQ((int)res.designs.size(), c.count);
    EXPECT_EQ((int)res.designs.size(), expectedCount(c.R, c.X, c.Rs));
    checkDesigns(res, {c.R, c.X}, hz, c.Rs);
    checkStub(res.stub, {c.R, c.X}, c.Rs);
}

// Counts by hand from R(R - Rs) + X^2 (>= 0: shunt at the load) and R <= Rs (shunt at the source).
INSTANTIATE_TEST_SUITE_P(Table, Loads,
                         testing::Values(Case{100, 0, 50, 2}, Case{25, 0, 50, 2},   // resistive above, below
                                         Case{10, 40, 50, 4}, Case{10, -40, 50, 4}, // below, both signs
                                         Case{200, 100, 50, 2}, Case{200, -100, 50, 2}, // above, both signs
                                         Case{50, 30, 50, 2}, Case{50, -30, 50, 2}, // R = Rs: series alone
                                         Case{25, 25, 50, 2}, Case{25, -25, 50, 2}, // G = 1/Rs: shunt alone
                                         Case{0.01, 100, 50, 4},
                                         Case{0.01, -3, 50, 4}, // nearly pure reactance
                                         Case{1e-4, 50, 50, 4}, // coil of Q 500000
                                         Case{0.001, 0, 50, 2}, Case{0.001, 0.01, 50, 2}, // near short
                                         Case{5000, 5000, 50, 2}, Case{75, 0, 600, 2},
                                         Case{1e5, -1e5, 50, 2}));

TEST(Design, HandWorkedValues) {
    // 25 + j25 on 50 ohm: Y = 0.02 - j0.02, so a shunt of -j50 alone gives 50; the other design takes the
    // load to 25 - j25 with -j50 in series, whose admittance 0.02 + j0.02 a shunt of +j50 cancels.
    auto res = match::design({25, 25}, 14e6, 50);
    ASSERT_EQ(res.designs.size(), 2u);
    EXPECT_EQ(res.designs[0].topology, match::Topology::ShuntLoad);
    EXPECT_EQ(res.designs[0].seriesX, 0.0);
    EXPECT_EQ(res.designs[0].series.kind, match::PartKind::Short);
    EXPECT_NEAR(res.designs[0].shuntX, -50, 1e-12);
    EXPECT_EQ(res.designs[1].topology, match::Topology::ShuntSource);
    EXPECT_NEAR(res.designs[1].seriesX, -50, 1e-12);
    EXPECT_NEAR(res.designs[1].shuntX, 50, 1e-12);
    // -j50 at 14 MHz is 1 / (2 pi 14e6 50) = 227.364 pF; E24 and E12 both give 220 pF, which is -j51.674:
    // the load then shows 49.948 + j1.618 ohm, SWR 1.033.
    EXPECT_EQ(match::partText(res.designs[0].shunt), "227.364pF");
    EXPECT_NEAR(res.designs[0].shuntE24.value, 220e-12, 1e-24);
    EXPECT_EQ(match::swrText(res.designs[0].e24Swr), "1.033");

    // R = Rs: the series capacitor of -j30 alone (listed once), and a shunt-load design of +30 / -56.667.
    res = match::design({50, 30}, 14e6, 50);
    ASSERT_EQ(res.designs.size(), 2u);
    EXPECT_EQ(res.designs[0].topology, match::Topology::ShuntLoad);
    EXPECT_NEAR(res.designs[0].seriesX, 30, 1e-12);
    EXPECT_NEAR(res.designs[0].shuntX, -170.0 / 3, 1e-12);
    EXPECT_EQ(res.designs[1].topology, match::Topology::ShuntSource);
    EXPECT_EQ(res.designs[1].seriesX, -30);
    EXPECT_EQ(res.designs[1].shuntX, match::kOpen);
    EXPECT_EQ(match::reactanceText(res.designs[1].shuntX), "open");
    EXPECT_EQ(match::partText(res.designs[1].shunt), "open");
}

TEST(Design, NothingToDesign) {
    EXPECT_EQ(match::design({50, 0}, 14e6, 50).none, "load already equals Rs");
    EXPECT_TRUE(match::design({50, 0}, 14e6, 50).designs.empty());
    EXPECT_EQ(match::design({0, 10}, 14e6, 50).none, "load resistance must be above 0");
    EXPECT_EQ(match::design({-5, 10}, 14e6, 50).none, "load resistance must be above 0");
    EXPECT_EQ(match::design({50, 10}, 0, 50).none, "frequency must be above 0");
    EXPECT_EQ(match::design({50, 10}, 14e6, 0).none, "source resistance must be above 0");
    EXPECT_EQ(match::design({INFINITY, 10}, 14e6, 50).none, "load impedance out of range");
    // Squares of these would overflow or underflow: refused rather than designed from garbage.
    EXPECT_EQ(match::design({1e200, 1e200}, 14e6, 50).none, "load impedance out of range");
    EXPECT_EQ(match::design({50, 50}, 14e6, 1e-300).none, "load impedance out of range");
    EXPECT_EQ(match::design({1e-300, 5}, 14e6, 50).none, "load impedance out of range");
    EXPECT_EQ(match::design({50, 10}, 1e301, 50).none, "frequency out of range");
    // A load a hair's breadth from Rs still gets its one exact series design.
    const auto res = match::design({50, 1e-9}, 14e6, 50);
    EXPECT_TRUE(res.none.empty());
    checkDesigns(res, {50, 1e-9}, 14e6, 50);
}

// A load on the conductance circle 1/Rs only to the last bit: the shunt element alone, listed once, not
// as two near-copies with series elements of a few nano-ohm.
TEST(Design, LoadWithinRoundingOfTheCircleGetsTheShuntAlone) {
    const double R = 30, X = std::sqrt(30.0 * 20.0), Rs = 50; // R^2 + X^2 = R Rs, up to rounding
    const auto res = match::design({R, X}, 14e6, Rs);
    ASSERT_EQ(res.designs.size(), 2u);
    EXPECT_EQ(res.designs[0].topology, match::Topology::ShuntLoad);
    EXPECT_EQ(res.designs[0].series.kind, match::PartKind::Short);
    EXPECT_EQ(res.designs[1].topology, match::Topology::ShuntSource);
    checkDesigns(res, {R, X}, 14e6, Rs);
    EXPECT_EQ(res.stub.distanceDeg, 0.0);
}

// Parts as formscript writes them (ASCII "uH") and as a window may (the micro sign).
TEST(PartText, UnitsWithAndWithoutTheMicroSign) {
    const match::Part l{match::PartKind::Inductor, 1.93311e-6}, c{match::PartKind::Capacitor, 154.649e-12};
    EXPECT_EQ(match::partText(l), "1.93311uH");
    EXPECT_EQ(match::partText(l, ',', true), "1,93311\u00B5H");
    EXPECT_EQ(match::partText(c, '.', true), "154.649pF");
    EXPECT_EQ(match::partText({match::PartKind::Inductor, 686.353e-9}, '.', true), "686.353nH");
}

// The stub's metres are its electrical degrees on the line: one wavelength, 360 degrees, is the free-space
// wavelength times the velocity factor. 100 + j50 ohm on 50 ohm: the shorted stub is 45 degrees, an eighth
// of 299.792458 / 14.2 m times the VF, 2.1112145 m on VF 0.8.
TEST(Stub, MetresOnTheVelocityFactor) {
    for (const double vf : {0.66, 0.8, 1.0}) {
        const match::Stub s = match::design({100, 50}, 14.2e6, 50, vf).stub;
        const double wavelength = 299792458.0 / 14.2e6 * vf;
        EXPECT_NEAR(s.shortM, wavelength / 8, 1e-12) << vf;
        EXPECT_NEAR(s.distanceM, s.distanceDeg / 360 * wavelength, 1e-12) << vf;
        EXPECT_NEAR(s.openM, s.openDeg / 360 * wavelength, 1e-12) << vf;
    }
    EXPECT_NEAR(match::design({100, 50}, 14.2e6, 50, 0.8).stub.shortM, 2.1112145, 1e-7);
}

// A wide random sample: every design matches, the count equals the test's own count of real solutions.
// Loads whose SWR on Rs exceeds 1e6 are left out: there the last digits of a double no longer hold the match
// (the error grows with the SWR, about SWR x 1e-17), whatever the design.
TEST(Design, RandomLoadsAllMatchNoneMissing) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const auto logUniform = [&](double lo, double hi) { return lo * std::pow(hi / lo, u(rng)); };
    int tried = 0, designs = 0;
    for (int i = 0; i < 20000;) {
        const double R = logUniform(1e-3, 1e5);
        const double X = (u(rng) < 0.5 ? -1 : 1) * (u(rng) < 0.05 ? 0.0 : logUniform(1e-3, 1e5));
        const double Rs = logUniform(1, 1000);
        const double hz = logUniform(1e5, 1e9);
        ++tried;
        const long double rho =
            std::abs((LComplex(R, X) - (long double)Rs) / (LComplex(R, X) + (long double)Rs));
        if ((1 + rho) / (1 - rho) > 1e6)
            continue;
        ++i;
        const auto res = match::design({R, X}, hz, Rs);
        ASSERT_TRUE(res.none.empty());
        ASSERT_EQ((int)res.designs.size(), expectedCount(R, X, Rs)) << R << " " << X << " " << Rs;
        checkDesigns(res, {R, X}, hz, Rs);
        checkStub(res.stub, {R, X}, Rs, 50);
        designs += (int)res.designs.size();
        if (HasFailure())
            FAIL() << "at Z=" << R << (X < 0 ? "" : "+") << X << "j Rs=" << Rs;
    }
    EXPECT_LT(tried, 40000);   // the sample is not mostly thrown away
    EXPECT_GT(designs, 40000); // both topologies well represented (2 to 4 each)
}

TEST(Path, FollowsConductanceThenResistanceCircles) {
    const std::complex<double> z(10, 40);
    const double rs = 50;
    const auto res = match::design(z, 7e6, rs);
    ASSERT_EQ(res.designs.size(), 4u);
    for (const auto& d : res.designs) {
        const auto p = match::path(d, z, rs, 8);
        ASSERT_EQ(p.size(), 17u); // the load, then 8 points per element
        EXPECT_EQ(p.front(), z);
        EXPECT_EQ(p.back(), std::complex<double>(rs, 0));
        const bool shuntFirst = d.topology == match::Topology::ShuntLoad;
        for (int k = 1; k <= 8; ++k) {
            // First segment: on the load's conductance (shunt) or resistance (series) circle.
            if (shuntFirst)
                EXPECT_NEAR(std::real(1.0 / p[k]), std::real(1.0 / z), 1e-12);
            else
                EXPECT_NEAR(p[k].real(), z.real(), 1e-9);
            // Second segment: on the circle through Rs.
            if (shuntFirst)
                EXPECT_NEAR(p[8 + k].real(), rs, 1e-9);
            else
                EXPECT_NEAR(std::real(1.0 / p[8 + k]), 1 / rs, 1e-12);
        }
    }
    // An element that is absent adds no segment.
    const auto one = match::design({50, 30}, 7e6, rs);
    const auto p = match::path(one.designs[1], {50, 30}, rs, 5);
    ASSERT_EQ(p.size(), 6u);
    EXPECT_NEAR(p[3].imag(), 30 - 30 * 3 / 5.0, 1e-12);
}

TEST(Texts, NumbersAsTheyAreShown) {
    EXPECT_EQ(match::partText({match::PartKind::Inductor, 1.23456e-6}), "1.23456uH");
    EXPECT_EQ(match::partText({match::PartKind::Inductor, 0.9999999e-6}), "1uH");
    EXPECT_EQ(match::partText({match::PartKind::Inductor, 470.5e-9}), "470.5nH");
    EXPECT_EQ(match::partText({match::PartKind::Capacitor, 82.0012e-12}), "82.0012pF");
    EXPECT_EQ(match::partText({match::PartKind::Capacitor, 3.3e-9}), "3.3nF");
    // The window's reading: the micro sign, reactances to six digits.
    EXPECT_EQ(match::partText({match::PartKind::Inductor, 1.23456e-6}, ',', true), "1,23456\u00B5H");
    EXPECT_EQ(match::partText({match::PartKind::Inductor, 470.5e-9}, '.', true), "470.5nH");
    EXPECT_EQ(match::reactanceText(-72.4744871, '.', 6), "-72.4745");
    EXPECT_EQ(match::reactanceText(-72.4744871), "-72.4744871");
    EXPECT_EQ(match::partText({match::PartKind::Short, 0}), "short");
    EXPECT_EQ(match::reactanceText(-123.4567891), "-123.456789");
    EXPECT_EQ(match::reactanceText(-0.0), "0");
    EXPECT_EQ(match::swrText(1.0326), "1.033");
    EXPECT_EQ(match::degreesText(12.3456789012), "12.3456789");
    // The regional decimal sign, when the window shows them.
    EXPECT_EQ(match::partText({match::PartKind::Capacitor, 82.0012e-12}, ','), "82,0012pF");
    EXPECT_EQ(match::swrText(1.0326, ','), "1,033");
    EXPECT_EQ(match::reactanceText(-1.5e-20, ','), "-1,5e-20");
}

// The chart window's list: a 100 ohm load on 50 ohm at 1e6 rad/s, where the reactances are 50 and 100 ohm.
TEST(Texts, DesignsAndStubAsTheChartWindowListsThem) {
    const match::Result r = match::design({100, 0}, 1e6 / (2 * std::numbers::pi), 50);
    ASSERT_EQ(r.designs.size(), 2u);
    EXPECT_EQ(
        match::designText(r.designs[0]),
        "Series 50 ohm: 50\u00B5H\nShunt -100 ohm: 10nF\nE24 51\u00B5H, 10nF SWR 1.020; E12 47\u00B5H, 10nF SWR 1.062");
    EXPECT_EQ(
        match::designText(r.designs[1], ','),
        "Series -50 ohm: 20nF\nShunt 100 ohm: 100\u00B5H\nE24 20nF, 100\u00B5H SWR 1,000; E12 22nF, 100\u00B5H SWR 1,095");
    // arctan(sqrt(2)) from the load, where the conductance is 1/Rs.
    EXPECT_EQ(
        match::stubText(r.stub, 50, ','),
        "Stub on a 50,0 ohm line: at 54,7356103\xC2\xB0 (286,397 m) from the load, open 144,73561\xC2\xB0 "
        "(757,310 m) or shorted 54,7356103\xC2\xB0 (286,397 m)");
}

} // namespace
