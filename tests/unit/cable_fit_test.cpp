// The user's cables from a datasheet: the loss model fitted to 1 to 12 points, the fallback without K0,
// the residuals, and the values that cannot make a cable.
#include "cables/cable.h"
#include "cables/fit.h"
#include "line/catalog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using cables::Datasheet;
using cables::LossUnit;
using cables::Point;

struct Model {
    double k0, k1, k2; // dB per 100 ft
    double at(double mhz) const { return k0 + k1 * std::sqrt(mhz) + k2 * mhz; }
};

Datasheet pointsOf(const Model& m, const std::vector<double>& mhz, LossUnit unit) {
    Datasheet d{unit, {}};
    for (double f : mhz)
        d.points.push_back({f, unit == LossUnit::PerHundredFeet ? m.at(f) : m.at(f) / 0.3048});
    return d;
}

void expectClose(double got, double want, const char* what) {
    EXPECT_NEAR(got, want, 1e-9 * std::max(1.0, std::fabs(want))) << what;
}

// Points taken from a model the fit can express come back as that model, in either unit.
TEST(DatasheetFit, RecoversTheModelThePointsCameFrom) {
    struct Case {
        const char* what;
        Model m;
        std::vector<double> mhz;
        bool k0Fitted; // three or more points
    };
    const Case cases[] = {
        {"RG-58 generic, three points", {0.082122, 0.406968, 0.00664}, {1, 10, 100}, true},
        {"RG-58 generic, twelve points",
         {0.082122, 0.406968, 0.00664},
         {1.8, 3.5, 7, 10.1, 14, 18, 21, 24.9, 28, 50, 144, 432},
         true},
        {"Pota-Flex 6, HF to UHF", {0.264359, 0.156934, 0.006047}, {3.5, 14, 28, 50, 144, 430, 1296}, true},
        {"a ladder line", {0.00095, 0.022236, 0.000471}, {1.8, 3.6, 7.1, 14.2, 28.5}, true},
        {"no constant term", {0, 0.3, 0.002}, {10, 50, 100, 200, 400}, true},
        {"two points give K1 and K2", {0, 0.215819, 0.0031}, {10, 100}, false},
        {"two points, far apart", {0, 0.1, 0.0001}, {0.5, 3000}, false},
        {"one point gives K1", {0, 0.406968, 0}, {14}, false},
    };
    for (LossUnit unit : {LossUnit::PerHundredMetres, LossUnit::PerHundredFeet}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) +
                         (unit == LossUnit::PerHundredFeet ? ", per 100 ft" : ", per 100 m"));
            const cables::DatasheetFit fit = cables::fitDatasheet(pointsOf(c.m, c.mhz, unit));
            expectClose(fit.k0, c.m.k0, "K0");
            expectClose(fit.k1, c.m.k1, "K1");
            expectClose(fit.k2, c.m.k2, "K2");
            EXPECT_FALSE(fit.withoutK0);
            EXPECT_EQ(fit.rms, 0);
            EXPECT_EQ(fit.max, 0);
        }
    }
}

// One point: the whole loss is put on the square root of the frequency.
TEST(DatasheetFit, OnePointGrowsAsTheSquareRootOfTheFrequency) {
    const auto fit = cables::fitDatasheet({LossUnit::PerHundredMetres, {{25, 10}}});
    EXPECT_DOUBLE_EQ(fit.k1, 10 * 0.3048 / 5);
    EXPECT_EQ(fit.k0, 0);
    EXPECT_EQ(fit.k2, 0);
}

// The least-squares solution without K0, computed here by the normal equations.
Model twoTermLeastSquares(const Datasheet& d) {
    long double a11 = 0, a12 = 0, a22 = 0, b1 = 0, b2 = 0;
    for (const Point& p : d.points) {
        const long double s = std::sqrt(static_cast<long double>(p.mhz)), f = p.mhz;
        const long double l = d.unit == LossUnit::PerHundredMetres ? p.loss * 0.3048L : p.loss;
        a11 += s * s;
        a12 += s * f;
        a22 += f * f;
        b1 += s * l;
        b2 += f * l;
    }
    const long double det = a11 * a22 - a12 * a12;
    return {0, static_cast<double>((b1 * a22 - b2 * a12) / det),
            static_cast<double>((a11 * b2 - a12 * b1) / det)};
}

// The three-term fit is kept only when K0 >= 0 and the loss stays >= 0 from 0.1 MHz to ten times the
// highest point; otherwise K1 and K2 are fitted alone.
TEST(DatasheetFit, FallsBackToKOneAndKTwo) {
    struct Case {
        const char* what;
        Model m;
        std::vector<double> mhz;
        bool fallback;
    };
    const Case cases[] = {
        {"a negative K0 (RG-213 generic)", {-0.010032, 0.215819, -0.002889}, {1, 10, 30, 50}, true},
        {"loss negative above the points", {0.5, 0.3, -0.02}, {1, 5, 10, 20, 50}, true},
        {"loss negative only beyond ten times the highest point",
         {0.5, 0.3, -0.002},
         {1, 5, 10, 20, 50},
         false},
        {"loss negative below 0.1 MHz only", {0.001, -0.05, 0.3}, {0.5, 1, 2, 4}, false},
        {"loss negative at 1 MHz, below the points", {0.001, -0.1, 0.05}, {9, 16, 25, 36}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Datasheet d = pointsOf(c.m, c.mhz, LossUnit::PerHundredMetres);
        const auto fit = cables::fitDatasheet(d);
        EXPECT_EQ(fit.withoutK0, c.fallback);
        if (c.fallback) {
            const Model ls = twoTermLeastSquares(d);
            EXPECT_EQ(fit.k0, 0);
            expectClose(fit.k1, ls.k1, "K1");
            expectClose(fit.k2, ls.k2, "K2");
            EXPECT_GT(fit.rms, 0);
        } else {
            expectClose(fit.k0, c.m.k0, "K0");
            expectClose(fit.k1, c.m.k1, "K1");
            expectClose(fit.k2, c.m.k2, "K2");
        }
    }
}

// RMS and largest residual in dB per 100 m, whatever the unit of the points.
TEST(DatasheetFit, ResidualsArePerHundredMetres) {
    // Four points on a straight line in f except one lifted by 0.3 dB per 100 ft.
    Datasheet ft{LossUnit::PerHundredFeet, {{1, 1}, {4, 2}, {9, 3}, {16, 4.3}}};
    const auto fit = cables::fitDatasheet(ft);
    double sum = 0, max = 0;
    for (const Point& p : ft.points) {
        const double e = (fit.k0 + fit.k1 * std::sqrt(p.mhz) + fit.k2 * p.mhz - p.loss) / 0.3048;
        sum += e * e;
        max = std::max(max, std::fabs(e));
    }
    EXPECT_NEAR(fit.rms, std::sqrt(sum / 4), 1e-12);
    EXPECT_NEAR(fit.max, max, 1e-12);
    EXPECT_GT(fit.max, 0.01);
    // The same points per 100 m give the same coefficients.
    Datasheet m = ft;
    m.unit = LossUnit::PerHundredMetres;
    for (Point& p : m.points)
        p.loss /= 0.3048;
    const auto same = cables::fitDatasheet(m);
    EXPECT_NEAR(same.k1, fit.k1, 1e-12);
    EXPECT_NEAR(same.rms, fit.rms, 1e-12);
}

// Every value that cannot make a cable is refused naming its field.
TEST(CableRefusals, NameTheField) {
    auto fieldOf = [](auto f) -> std::string {
        try {
            f();
        } catch (const cables::Refusal& r) {
            return r.field;
        }
        return "accepted";
    };
    using P = std::vector<Point>;
    EXPECT_EQ(fieldOf([] { cables::checkLine(0, 0.66); }), "Z0");
    EXPECT_EQ(fieldOf([] { cables::checkLine(-50, 0.66); }), "Z0");
    EXPECT_EQ(fieldOf([] { cables::checkLine(50, 0); }), "VF");
    EXPECT_EQ(fieldOf([] { cables::checkLine(50, 1.0000001); }), "VF");
    EXPECT_EQ(fieldOf([] { cables::checkLine(50, NAN); }), "VF");
    EXPECT_EQ(fieldOf([] { cables::checkLine(50, 1); }), "accepted");
    EXPECT_EQ(fieldOf([] { cables::checkPoints(P{}); }), "Points");
    EXPECT_EQ(fieldOf([] { cables::checkPoints(P{{10, -0.1}}); }), "Points");
    EXPECT_EQ(fieldOf([] { cables::checkPoints(P{{0, 1}}); }), "Points");
    EXPECT_EQ(fieldOf([] { cables::checkPoints(P{{-3, 1}}); }), "Points");
    EXPECT_EQ(fieldOf([] { cables::checkPoints(P{{10, 1}, {20, 2}, {10, 3}}); }), "Points");
    EXPECT_EQ(fieldOf([] { cables::checkPoints(P{{10, 0}}); }), "accepted");
    P twelve, thirteen;
    for (int i = 1; i <= 13; ++i)
        (i <= 12 ? twelve : thirteen).push_back({double(i), 1});
    thirteen.insert(thirteen.begin(), twelve.begin(), twelve.end());
    EXPECT_EQ(fieldOf([&] { cables::checkPoints(twelve); }), "accepted");
    EXPECT_EQ(fieldOf([&] { cables::checkPoints(thirteen); }), "Points");

    EXPECT_EQ(fieldOf([] { cables::checkedName(""); }), "Name");
    EXPECT_EQ(fieldOf([] { cables::checkedName("   "); }), "Name");
    EXPECT_EQ(fieldOf([] { cables::checkedName("RG-58 (generic)"); }), "Name");
    EXPECT_EQ(fieldOf([] { cables::checkedName("Aircell 7"); }), "Name");
    EXPECT_EQ(fieldOf([] { cables::checkedName("aircell 7"); }),
              "accepted"); // matched exactly, as the list is
    EXPECT_EQ(fieldOf([] { cables::checkedName("tab\there"); }), "Name");
    EXPECT_EQ(fieldOf([] { cables::checkedName("\xC3("); }), "Name"); // not UTF-8
    EXPECT_EQ(fieldOf([] { cables::checkedName(std::string(64, 'x')); }), "accepted");
    EXPECT_EQ(fieldOf([] { cables::checkedName(std::string(65, 'x')); }), "Name");
    // Characters, not bytes: 64 "è" are 128 bytes.
    std::string accents;
    for (int i = 0; i < 64; ++i)
        accents += "\xC3\xA8";
    EXPECT_EQ(fieldOf([&] { cables::checkedName(accents); }), "accepted");
    EXPECT_EQ(fieldOf([&] { cables::checkedName(accents + "\xC3\xA8"); }), "Name");
    EXPECT_EQ(cables::checkedName("  Roof line "), "Roof line");
}

TEST(CableNumbers, OnlyPlainNumbersWithTheDot) {
    for (const char* bad : {"", "1,5", "inf", "nan", "1e999", " 1", "1 ", "0x10", "1.5.2", "abc"})
        EXPECT_FALSE(cables::number(bad)) << bad;
    EXPECT_EQ(*cables::number("12.5"), 12.5);
    EXPECT_EQ(*cables::number("-3"), -3);
    EXPECT_EQ(*cables::number("1e-3"), 0.001);
}

// A coefficient in dB per 100 ft lands on the catalog's scale exactly: the catalog's integers come back.
TEST(CableNumbers, CoefficientsReachTheCatalogsScaleExactly) {
    for (int i = 0; i < line::kCableCount; ++i) {
        const line::CableEntry& c = line::kCatalog[static_cast<std::size_t>(i)];
        for (int32_t k : {c.K0, c.K1, c.K2}) {
            const std::string text = cables::dbPer100ftText(k);
            EXPECT_EQ(*cables::millionthsOf(text), double(k)) << text;
        }
    }
    EXPECT_EQ(cables::dbPer100ftText(264359), "0.264359");
    EXPECT_EQ(cables::dbPer100ftText(-10032), "-0.010032");
    EXPECT_EQ(cables::dbPer100ftText(2088830), "2.08883");
    EXPECT_EQ(*cables::millionthsOf("0.406968"), 406968);
    EXPECT_EQ(*cables::millionthsOf("4.06968e-1"), 406968);
    // Any double comes back as itself.
    for (double v : {0.1, 1.0 / 3, 123456.789e10, 1e-300, -7.25e-9, 3e20})
        EXPECT_EQ(*cables::millionthsOf(cables::dbPer100ftText(v)), v) << cables::dbPer100ftText(v);
}

} // namespace
