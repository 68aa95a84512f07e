#include "numeric/checked.h"
#include "numeric/numtext.h"
#include "numeric/routines.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

using namespace num;

namespace {

struct ValCase {
    const char* text;
    double value;
};

TEST(Val, ReadsTheLeadingNumber) {
    const ValCase cases[] = {
        {"12.5", 12.5},
        {"1.2.3", 1.2},
        {"5-", 5},
        {"-", 0},
        {"--2", 0},
        {"", 0},
        {"-.5", -0.5},
        {"1,5", 1},
        {"1e3", 1000},
        {"1 000", 1000},
        {"+7", 7},
        {"1D2", 100},
        {"1d-2", 0.01},
        {"2E+2", 200},
        {"1e", 1},
        {"1e+", 1},
        {"  4\t2\n", 42},
        {"3\r4", 3},
        {".", 0},
        {"abc", 0},
        {"&H10", 16},
        {"&hff", 255},
        {"&O17", 15},
        {"&o8", 0},
        {"&", 0},
        {"&X1", 0},
        {"0.000", 0},
        {"-0", 0},
        {"007", 7},
        {"1e-400", 0},
        {"2.5e-310", 2.5e-310},
        {"0.1", 0.1},
        {"-3", -3},
        {"1 e 2", 100},
        {"9.", 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(Val, HexadecimalOfAnyLengthIsUnsigned) {
    EXPECT_EQ(Val("&HFFFFFFFF"), 4294967295.0);
    EXPECT_EQ(Val("&HFFFFFFFFFFFFFFFFFF"), std::ldexp(1.0, 72) - 1); // rounds to 2^72
}

// Past 2^53 a hexadecimal or octal integer is rounded once, to the nearest double: it reads exactly as
// the same integer typed in decimal (whose reading rounds correctly by its own, separate route).
TEST(Val, LongHexadecimalAndOctalRoundOnceLikeTheirDecimal) {
    const std::pair<const char*, const char*> sameInteger[] = {
        {"&H7715BD1BD6D28285", "8580972592290235013"},
        {"&H6F0FB23C6F5DA2CE", "8002811035496850126"},
        {"&H2F828767EFC2F91624A", "14022441153449623118410"},
        {"&O6622055063034705153340", "62583607227254626016"},
        {"&O4173576143036223316270723", "20030825677576545595859"},
    };
    for (const auto& [based, decimal] : sameInteger)
        EXPECT_EQ(Val(based), Val(decimal)) << based;
    EXPECT_EQ(Val("&H7715BD1BD6D28285"), 8580972592290235013.0);
}

TEST(Val, LongHexadecimalTiesGoToEvenAndLowBitsCount) {
    // 2^123 + 2^70: exactly half a unit (2^71) above 2^123, whose last mantissa bit is even.
    const std::string tie = "&H8" + std::string(12, '0') + "4" + std::string(17, '0');
    EXPECT_EQ(Val(tie), std::ldexp(1.0, 123));
    // The same with a 1 in the last bit, 53 bits below the kept ones: more than half, up.
    const std::string aboveTie = "&H8" + std::string(12, '0') + "4" + std::string(16, '0') + "1";
    EXPECT_EQ(Val(aboveTie), std::ldexp(1.0, 123) + std::ldexp(1.0, 71));
    // 2^123 + 2^71 + 2^70: half a unit above an odd mantissa, up to the even one.
    const std::string oddTie = "&H8" + std::string(12, '0') + "C" + std::string(17, '0');
    EXPECT_EQ(Val(oddTie), std::ldexp(1.0, 123) + std::ldexp(1.0, 72));
    // The largest double, written out, and an integer just under half a unit above it.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(Val("&HFFFFFFFFFFFFF8" + std::string(242, '0')), largest);
    EXPECT_EQ(Val("&HFFFFFFFFFFFFFB" + std::string(242, 'F')), largest);
    EXPECT_EQ(Val("&H00000" + std::string(12, '0') + "1"), 1.0);
}

TEST(Val, TooLargeForADoubleIsAnOverflow) {
    for (const char* t : {"1e309", "-1e309", "1e999999999999",
                          "&H1"
                          "0000000000000000000000000000000000000000000000"
                          "0000000000000000000000000000000000000000000000"
                          "0000000000000000000000000000000000000000000000"
                          "0000000000000000000000000000000000000000000000"
                          "0000000000000000000000000000000000000000000000"
                          "000000000000000000000000000000000000000000000",
                          // half a unit above the largest double rounds up, past it
                          "&HFFFFFFFFFFFFFC"
                          "0000000000000000000000000000000000000000000000"
                          "0000000000000000000000000000000000000000000000"
                          "0000000000000000000000000000000000000000000000"
                          "0000000000000000000000000000000000000000000000"
                          "0000000000000000000000000000000000000000000000"
                          "000000000000"}) {
        try {
            Val(t);
            ADD_FAILURE() << t << " did not overflow";
        } catch (const ArithFault& f) {
            EXPECT_EQ(f.kind(), ArithFault::Kind::Overflow) << t;
        }
    }
    EXPECT_EQ(Val("0.0000000001e309"), 1e299);
    EXPECT_EQ(Val("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(Val, DoesNotDependOnTheCLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no comma locale installed";
    EXPECT_EQ(Val("12.5"), 12.5);
    EXPECT_EQ(Format(7.5, "0.00"), "7.50");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

TEST(Format, PatternsRoundHalfAwayFromZeroOnTheDecimalForm) {
    const FormatCase cases[] = {
        {2.675, "0.00", "2.68"},
        {1.005, "0.00", "1.01"},
        {-1.25, "0.0", "-1.3"},
        {7.5, "0.00", "7.50"},
        {1234.5, "0.0", "1234.5"},
        {1234.5, "0", "1235"},
        {0.5, "0", "1"},
        {-0.5, "0", "-1"},
        {0.4999, "0", "0"},
        {-0.004, "0.00", "0.00"},
        {-0.0, "0.000", "0.000"},
        {0.0, "0", "0"},
        {0.005, "0.00", "0.01"},
        {0.0049, "0.00", "0.00"},
        {9.9995, "0.000", "10.000"},
        {99.95, "0.0", "100.0"},
        {53.0102999566398, "0.000", "53.010"},
        {0.33333333333333, "0.0000", "0.3333"},
        {1e20, "0.00", "100000000000000000000.00"},
        {1e-300, "0.0000", "0.0000"},
        {-1e-300, "0.0", "0.0"},
        {123456789.123, "0.000", "123456789.123"},
        {0.00005, "0.0000", "0.0001"},
        {-0.00005, "0.0000", "-0.0001"},
        {12.345, "0.00", "12.35"},
        {159.95, "0.00", "159.95"},
        {0.0001, "0.00", "0.00"},
        {-5, "0.00", "-5.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.value << " with " << c.pattern;
}

TEST(Format, UsesTheGivenDecimalSign) {
    EXPECT_EQ(Format(7.5, "0.00", ','), "7,50");
    EXPECT_EQ(Format(-1.25, "0.0", ','), "-1,3");
    EXPECT_EQ(Format(3, "0", ','), "3");
}

TEST(Format, TheLargestDoubleShowsItsFifteenDigitsAndReadsBackAsAnOverflow) {
    const std::string t = Format(std::numeric_limits<double>::max(), "0");
    EXPECT_EQ(t.size(), 309u);
    EXPECT_EQ(t.substr(0, 16), "1797693134862320");
    EXPECT_THROW(Val(t), ArithFault); // 1.79769313486232e308 lies above the largest double
}

TEST(Format, NonFiniteShowsNoNaNOrInf) {
    EXPECT_EQ(Format(std::numeric_limits<double>::infinity(), "0.0"), "0.0");
    EXPECT_EQ(Format(std::nan(""), "0"), "0");
}

// Significant digits in plain notation, as an imported value, the chart's and matching's numbers show.
TEST(Significant, PlainNotationRoundedHalfAwayOnTheDecimalForm) {
    const std::tuple<double, int, const char*> cases[] = {
        {37.48214, 6, "37.4821"},
        {-0.1234567, 6, "-0.123457"},
        {0.000123457, 6, "0.000123457"},
        {0.0, 6, "0"},
        {-0.0, 6, "0"},
        {50.0, 6, "50"},
        {1234567.0, 6, "1234570"},
        {999999.5, 6, "1000000"},
        {1.000005, 6, "1.00001"},
        {2.5e-7, 6, "0.00000025"},
        {-12.5, 6, "-12.5"},
        {0.1 + 0.2, 6, "0.3"},
        {2.675, 3, "2.68"},
        {123.456789012, 9, "123.456789"},
        {1e12, 9, "1000000000000"},
        {std::numeric_limits<double>::infinity(), 6, "0"},
    };
    for (const auto& [v, digits, text] : cases)
        EXPECT_EQ(Significant(v, digits), text) << v << " to " << digits;
    EXPECT_EQ(Significant(-1.25, 6, ','), "-1,25");
    // With an exponent where printf's %g takes one.
    EXPECT_EQ(Significant(-1.5e-20, 9, ',', Notation::General), "-1,5e-20");
    EXPECT_EQ(Significant(2.5e-7, 6, '.', Notation::General), "2.5e-07");
    EXPECT_EQ(Significant(1234567.0, 6, '.', Notation::General), "1.23457e+06");
    EXPECT_EQ(Significant(999999.5, 6, '.', Notation::General), "1e+06");
    EXPECT_EQ(Significant(0.0001234, 6, '.', Notation::General), "0.0001234");
    EXPECT_EQ(Significant(123456.4, 6, '.', Notation::General), "123456");
}

// Every digit a double needs, as a file's frequency reaches a field and a written sweep.
TEST(Shortest, FewestDigitsThatReadBackPlain) {
    EXPECT_EQ(Shortest(199.999646), "199.999646");
    EXPECT_EQ(Shortest(0.05), "0.05");
    EXPECT_EQ(Shortest(14.200000000000001), "14.200000000000001");
    EXPECT_EQ(Shortest(-2.5e-7), "-0.00000025");
    EXPECT_EQ(Shortest(14.2e6, 6), "14.2");
    EXPECT_EQ(Shortest(1e20), "100000000000000000000");
    EXPECT_EQ(Shortest(0.0), "0");
}

// A number typed outside the fields (a script, a dialog): the whole text, with the dot, finite.
TEST(ParseNumber, TakesAWholeFiniteNumberWithTheDot) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"14.2", 14.2},          {"-0.5", -0.5},
        {"+50", 50.0},           {".5", 0.5},
        {"2.5e3", 2500},         {"0", 0.0},
        {"", std::nullopt},      {"14,2", std::nullopt},
        {" 14", std::nullopt},   {"14 ", std::nullopt},
        {"14MHz", std::nullopt}, {"+", std::nullopt},
        {"+-1", std::nullopt},   {"inf", std::nullopt},
        {"nan", std::nullopt},   {"1e400", std::nullopt},
        {"&H10", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseNumber(text), value) << '"' << text << '"';
}

TEST(Routines, AngleReductions) {
    EXPECT_EQ(Mod360(-90).value(), 270);
    EXPECT_EQ(Mod360(720).value(), 0);
    EXPECT_EQ(Mod360(359.5).value(), 359.5);
    EXPECT_EQ(Mod360(-1e-20).value(), 360); // 360 - 1e-20 is 360 in doubles

    struct {
        double in, out;
    } folds[] = {{190, -170}, {180, 180}, {-180, 180}, {540, 180}, {-1e-20, 0}, {0, 0}, {-190, 170}};
    for (auto c : folds) {
        Real a = c.in;
        EXPECT_EQ(Fold180(a).value(), c.out) << c.in;
        EXPECT_EQ(a.value(), c.out) << "argument keeps the folded value for " << c.in;
    }
}

TEST(Routines, ArcCos) {
    EXPECT_EQ(ArcCos(1).value(), 0);
    EXPECT_EQ(ArcCos(-1).value(), -3.14159265358979);
    EXPECT_EQ(ArcCos(0).value(), 1.570796326794895);
    EXPECT_NEAR(ArcCos(0.5).value(), 1.0471975511966, 1e-12);
    EXPECT_NEAR(ArcCos(-0.5).value(), 2.0943951023932, 1e-12);
    EXPECT_EQ(ArcCos(1.5).value(), 0);
    EXPECT_EQ(ArcCos(-1.5).value(), 0);
    EXPECT_NEAR(ArcCosDeg(1, 2).value(), 60, 1e-12);
    EXPECT_EQ(ArcCosDeg(-3, 3).value(), -180);
    EXPECT_THROW(ArcCosDeg(1, 0), ArithFault);
}

TEST(Routines, ReflectionAndImpedance) {
    EXPECT_EQ(SWRFromRho(0).value(), 1);
    EXPECT_EQ(SWRFromRho(0.5).value(), 3);
    EXPECT_EQ(SWRFromRho(1).value(), 0);
    EXPECT_EQ(SWRFromRho(2).value(), 0);
    EXPECT_EQ(GamRFromZ(1, 0).value(), 0);
    EXPECT_EQ(GamXFromZ(1, 0).value(), 0);
    EXPECT_EQ(GamRFromZ(0, 0).value(), -1);
    EXPECT_EQ(GamRFromZ(3, 0).value(), 0.5);
    EXPECT_EQ(ZRFromGam(50, 0, 0, 50).value(), 1);
    EXPECT_EQ(ZRFromGam(50, 0.5, 0, 1).value(), 150);
    EXPECT_EQ(ZXFromGam(50, 0, 0.5, 1).value(), 40);
    EXPECT_EQ(ZRFromGam(50, 0, 0.5, 1).value(), 30);
    EXPECT_EQ(Magn(3, 4).value(), 5);
    // G = 1 and z = -1 are the poles of the two conversions.
    EXPECT_THROW(ZRFromGam(50, 1, 0, 1), ArithFault);
    EXPECT_THROW(ZXFromGam(50, 0, 0, 0), ArithFault);
    EXPECT_THROW(GamRFromZ(-1, 0), ArithFault);
    EXPECT_THROW(GamXFromZ(-1, 0), ArithFault);
}

ArithFault::Kind kindOf(void (*step)()) {
    try {
        step();
    } catch (const ArithFault& f) {
        return f.kind();
    }
    ADD_FAILURE() << "no fault";
    return ArithFault::Kind::InvalidOperation;
}

TEST(Checked, EachStepReportsItsFault) {
    using K = ArithFault::Kind;
    EXPECT_EQ(kindOf([] { (void)(Real(1) / 0); }), K::DivisionByZero);
    EXPECT_EQ(kindOf([] { (void)(Real(0) / 0); }), K::DivisionByZero);
    EXPECT_EQ(kindOf([] { (void)(Real(1e308) * 10); }), K::Overflow);
    EXPECT_EQ(kindOf([] { (void)(Real(1e308) + 1e308); }), K::Overflow);
    EXPECT_EQ(kindOf([] { (void)(Real(-1e308) - 1e308); }), K::Overflow);
    EXPECT_EQ(kindOf([] { (void)num::pow(10, 400); }), K::Overflow);
    EXPECT_EQ(kindOf([] { (void)num::pow(-2, 0.5); }), K::InvalidOperation);
    EXPECT_EQ(kindOf([] { (void)num::pow(0, -1); }), K::DivisionByZero);
    EXPECT_EQ(kindOf([] { (void)ln(0); }), K::InvalidOperation);
    EXPECT_EQ(kindOf([] { (void)ln(-1); }), K::InvalidOperation);
    EXPECT_EQ(kindOf([] { (void)num::sqrt(Real(-1)); }), K::InvalidOperation);
    EXPECT_STREQ(ArithFault(K::DivisionByZero).what(), "Division by zero: the calculation was stopped.");
}

TEST(Checked, UnderflowIsNotAFault) {
    EXPECT_EQ((Real(1e-300) * 1e-300).value(), 0.0);
    EXPECT_GT((Real(1e-300) / 1e10).value(), 0.0); // subnormal, not flushed to zero
    EXPECT_EQ(num::pow(-2, 2).value(), 4);
    EXPECT_EQ(num::pow(10, -400).value(), 0.0);
}

} // namespace
