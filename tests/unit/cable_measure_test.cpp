// A cable measured from a one-port sweep of its input: sweeps made here from the textbook impedance of an
// open or shorted lossy line (Zin = Z0 coth(gamma l) or Z0 tanh(gamma l)), with the noise of an analyser,
// give back the line; sweeps that cannot are refused.
#include "cables/measure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>

namespace {

using Complex = std::complex<double>;
using cables::LineEnd;

struct Line {
    double z0, vf, k1, k2; // K in dB per 100 ft
};

// The input reflection on `ref` of `metres` of line at `hz`, from Zin.
Complex textbook(const Line& c, double metres, LineEnd end, double hz, double ref) {
    const double mhz = hz / 1e6;
    const double dbPerMetre = (c.k1 * std::sqrt(mhz) + c.k2 * mhz) / 30.48;
    const double alpha = dbPerMetre / (20 / std::log(10.0)); // nepers per metre
    const double beta = 2 * M_PI * hz / (c.vf * 299792458.0);
    const Complex t = std::tanh(Complex(alpha, beta) * metres);
    const Complex zin = end == LineEnd::Open ? c.z0 / t : c.z0 * t;
    return (zin - ref) / (zin + ref);
}

touchstone::Network sweep(const Line& c, double metres, LineEnd end, double fromMhz, double toMhz, int points,
                          double noise, double ref = 50, unsigned seed = 1) {
    std::mt19937 random(seed);
    std::normal_distribution<double> n(0, noise);
    touchstone::Network net;
    net.reference = {ref, ref};
    net.name = "sweep.s1p";
    for (int i = 0; i < points; ++i) {
        const double hz = (fromMhz + (toMhz - fromMhz) * i / (points - 1)) * 1e6;
        touchstone::Sample s{hz, {}};
        s.s[0] = textbook(c, metres, end, hz, ref) + Complex(n(random), n(random));
        net.samples.push_back(s);
    }
    return net;
}

double lossAt(double k1, double k2, double mhz) {
    return k1 * std::sqrt(mhz) + k2 * mhz;
}

TEST(CableMeasurement, GivesBackTheLineOfANoisySweep) {
    struct Case {
        const char* what;
        Line line;
        double metres;
        LineEnd end;
        double from, to; // MHz
        int points;
        double noise; // standard deviation of each part of S11
        double ref;
    };
    const Line rg58{50, 0.66, 0.406968, 0.00664}, rg213{50, 0.66, 0.215819, 0.0021};
    const Line ladder{450, 0.91, 0.022236, 0.000471};
    const Case cases[] = {
        {"RG-58, open, 20 m", rg58, 20, LineEnd::Open, 1, 60, 401, 0.003, 50},
        {"RG-58, shorted, 20 m", rg58, 20, LineEnd::Short, 1, 60, 401, 0.003, 50},
        {"RG-213, open, 41 ft, 2,001 points", rg213, 41 * 0.3048, LineEnd::Open, 0.1, 150, 2001, 0.005, 50},
        {"RG-213, shorted, noiseless", rg213, 33, LineEnd::Short, 1, 30, 201, 0, 50},
        {"450-ohm ladder line on a 50-ohm analyser, open", ladder, 30, LineEnd::Open, 1, 30, 1001, 0.002, 50},
        {"450-ohm ladder line on a 50-ohm analyser, shorted", ladder, 30, LineEnd::Short, 1, 30, 1001, 0.002,
         50},
        {"75-ohm cable on a 75-ohm reference",
         {75, 0.82, 0.18, 0.003},
         15,
         LineEnd::Open,
         2,
         100,
         501,
         0.003,
         75},
        {"just two resonances", rg58, 10, LineEnd::Open, 1, 12, 301, 0.002, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto n = sweep(c.line, c.metres, c.end, c.from, c.to, c.points, c.noise, c.ref);
        cables::Measurement m;
        ASSERT_NO_THROW(m = cables::measureCable(n, c.metres, c.end));
        EXPECT_NEAR(m.z0, c.line.z0, 0.01 * c.line.z0);
        EXPECT_NEAR(m.vf, c.line.vf, 0.002 * c.line.vf);
        // The loss in the middle of the sweep and at its top, where the sweep sees it best.
        for (double mhz : {(c.from + c.to) / 2, c.to}) {
            const double want = lossAt(c.line.k1, c.line.k2, mhz);
            EXPECT_NEAR(lossAt(m.k1, m.k2, mhz), want, (c.noise == 0 ? 1e-6 : 0.1) * want) << mhz << " MHz";
        }
        EXPECT_LT(m.rms, 3 * c.noise + 1e-9);
        EXPECT_GE(m.resonances, 2);
    }
}

TEST(CableMeasurement, RefusesWhatCannotMeasureACable) {
    const Line rg58{50, 0.66, 0.406968, 0.00664};
    auto refusal = [](auto f) -> std::string {
        try {
            f();
        } catch (const cables::Refusal& r) {
            return r.field + ": " + r.what();
        }
        return "accepted";
    };
    // One resonance only: 20 m of RG-58 resonate every 2.47 MHz; up to 4 MHz there is one.
    const auto one = sweep(rg58, 20, LineEnd::Open, 0.5, 4, 201, 0.002);
    EXPECT_EQ(refusal([&] {
                  cables::measureCable(one, 20, LineEnd::Open);
              }).rfind("Sweep: The sweep shows 1 resonance", 0),
              0u);
    const auto none = sweep(rg58, 2, LineEnd::Open, 1, 10, 201, 0.002);
    EXPECT_EQ(refusal([&] {
                  cables::measureCable(none, 2, LineEnd::Open);
              }).rfind("Sweep: The sweep shows 0 resonances", 0),
              0u);

    touchstone::Network twoPort = sweep(rg58, 20, LineEnd::Open, 1, 60, 101, 0);
    twoPort.ports = 2;
    EXPECT_EQ(refusal([&] {
                  cables::measureCable(twoPort, 20, LineEnd::Open);
              }).rfind("Sweep: sweep.s1p is a two-port", 0),
              0u);

    const auto good = sweep(rg58, 20, LineEnd::Open, 1, 60, 401, 0.002);
    EXPECT_EQ(refusal([&] { cables::measureCable(good, 0, LineEnd::Open); }).rfind("Length:", 0), 0u);
    EXPECT_EQ(refusal([&] { cables::measureCable(good, -20, LineEnd::Open); }).rfind("Length:", 0), 0u);
    // A length far too short makes a velocity factor above 1.
    EXPECT_EQ(refusal([&] { cables::measureCable(good, 40, LineEnd::Open); }).rfind("Sweep:", 0), 0u);
    // The far end given wrong: no open line follows a shorted line's sweep.
    const auto shorted = sweep(rg58, 20, LineEnd::Short, 1, 60, 401, 0.002);
    EXPECT_EQ(refusal([&] { cables::measureCable(shorted, 20, LineEnd::Open); }).rfind("Sweep:", 0), 0u);
    // Noise alone, crossing the real axis at random.
    touchstone::Network noise = good;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> u(-0.7, 0.7);
    for (auto& s : noise.samples)
        s.s[0] = Complex(u(random), u(random));
    EXPECT_EQ(refusal([&] { cables::measureCable(noise, 20, LineEnd::Open); }).rfind("Sweep:", 0), 0u);
}

// The model the measurement fits, against the textbook line it stands for.
TEST(CableMeasurement, ModelIsTheTextbookLine) {
    const Line c{93, 0.84, 0.254943, 0.001066};
    for (LineEnd end : {LineEnd::Open, LineEnd::Short})
        for (double mhz : {0.0001, 0.5, 7.3, 29.9, 144.0, 1296.0}) {
            const Complex want = textbook(c, 17.5, end, mhz * 1e6, 50);
            const Complex got = cables::lineReflection(c.z0, c.vf, c.k1, c.k2, 17.5, end, mhz * 1e6, 50);
            EXPECT_NEAR(std::abs(got - want), 0, 1e-12) << mhz;
        }
}

} // namespace
