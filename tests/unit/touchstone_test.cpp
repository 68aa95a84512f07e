// The Touchstone reader against small files written by hand. Every expected number was computed apart
// from the reader, from the formulas: S from MA/DB/RI, S from a normalised Z or Y matrix
// S = (z - I)(z + I)^-1, linear interpolation of real and imaginary parts, and the change of reference
// through the impedance matrix Z = sqrt(R)(I + S)(I - S)^-1 sqrt(R), S' = (Z/50 - I)(Z/50 + I)^-1.
#include "touchstone/touchstone.h"

#include "numeric/numtext.h"
#include "numeric/reflection.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using touchstone::Complex;

// Six significant digits, as the fields receive an imported value.
std::string sixDigits(double v) {
    return num::Significant(v, 6);
}

// ---- one-port files: S11 on 50 ohm and Z = R + jX on the file's reference --------------------------------
struct OnePortCase {
    const char* label;
    const char* name;
    const char* text;
    double mhz;
    const char *s11Re, *s11Im, *r, *x; // 6 significant digits
};

const OnePortCase kOnePort[] = {
    {"v1 RI MHz 50 at point", "a.s1p",
     "! antenna, RI\n"
     "# MHz S RI R 50\n"
     "14 0.3 -0.4\n"
     "14.4 -0.1 0.2\n",
     14.0, "0.3", "-0.4", "57.6923", "-61.5385"},
    {"v1 RI MHz 50 between", "a.s1p",
     "! antenna, RI\n"
     "# MHz S RI R 50\n"
     "14 0.3 -0.4\n"
     "14.4 -0.1 0.2\n",
     14.2, "0.1", "-0.1", "59.7561", "-12.1951"},
    {"v1 RI MHz 50 last point", "a.s1p",
     "! antenna, RI\n"
     "# MHz S RI R 50\n"
     "14 0.3 -0.4\n"
     "14.4 -0.1 0.2\n",
     14.4, "-0.1", "0.2", "38", "16"},
    {"v1 MA kHz 75 at point", "b.S1P",
     "# kHz S MA R 75\n"
     "14000 0.5 -53.13\n"
     "14400 0.25 120\n",
     14.0, "0.497346", "-0.339822", "86.5387", "-92.3078"},
    {"v1 MA kHz 75 between", "b.S1P",
     "# kHz S MA R 75\n"
     "14000 0.5 -53.13\n"
     "14400 0.25 120\n",
     14.1, "0.389395", "-0.218267", "95.2165", "-51.9091"},
    {"v1 DB GHz 50.0 between", "c.s1p",
     "# GHz S DB R 50.0\n"
     "0.014 -6.0206 -53.13\n"
     "0.0144 -12 120\n",
     14.3, "-0.0191956", "0.0631519", "47.7413", "6.0563"},
    {"v1 Hz defaults MA 50 between", "d.s1p",
     "# Hz\n"
     "14000000 0.5 30\n"
     "15000000 0.6 40\n",
     14.6, "0.448981", "0.331404", "83.2734", "80.1556"},
    {"v1 no option line: GHz MA 50", "e.s1p",
     "0.0141 0.7 -10\n"
     "0.0142 0.8 -20\n",
     14.2, "0.751754", "-0.273616", "131.876", "-200.463"},
    {"v1 #mhz lower case, tabs, CR LF, BOM, Latin-1", "f.s1p",
     "\xEF\xBB\xBF"
     "! misura dell'antenna \xE0"
     " 14 MHz\r\n"
     "#mhz\tri  s r 75\r\n"
     "\r\n"
     "14.0\t0.1\t0.2 ! commento \xB0"
     "\r\n"
     "14.2 0.3 0.4\r\n",
     14.1, "0.399926", "0.265389", "89.3836", "61.6438"},
    {"v1 Z normalised to 50", "g.s1p",
     "# MHz Z RI R 50\n"
     "14 1 1\n"
     "15 0.5 -0.5\n",
     14.0, "0.2", "0.4", "50", "50"},
    {"v1 Z between, interpolated as S", "g.s1p",
     "# MHz Z RI R 50\n"
     "14 1 1\n"
     "15 0.5 -0.5\n",
     14.5, "0", "0", "50", "0"},
    {"v1 Y normalised to 75", "h.s1p",
     "# MHz Y MA R 75\n"
     "14 0.5 0\n",
     14.0, "0.5", "0", "150", "0"},
    {"v2 RI reference 75 between", "i.ts",
     "[Version] 2.0\n"
     "# MHz S RI R 50\n"
     "[Number of Ports] 1\n"
     "[Number of Frequencies] 2\n"
     "[Reference] 75\n"
     "[Network Data]\n"
     "14 0.2 0.1\n"
     "14.4 0.4 -0.1\n"
     "[End]\n",
     14.3, "0.51441", "-0.0419214", "154.412", "-17.6471"},
    {"v2 DB kHz keywords in any case", "j.s1p",
     "[VERSION] 2.0\n"
     "# khz s db\n"
     "[number of ports] 1\n"
     "[NUMBER OF FREQUENCIES] 1\n"
     "[network data]\n"
     "14000 -3 45\n"
     "[end]\n",
     14.0, "0.500593", "0.500593", "49.8812", "100.119"},
    {"v2 MA GHz option R 75, information block", "k.s1p",
     "[Version] 2.0\n"
     "# GHz S MA R 75\n"
     "[Number of Ports] 1\n"
     "[Number of Frequencies] 2\n"
     "[Begin Information]\n"
     "anything\n"
     "[End Information]\n"
     "[Network Data]\n"
     "0.014 0.5 10\n"
     "0.015 0.5 20\n"
     "[End]\n"
     "trailing words\n",
     14.5, "0.623758", "0.10293", "197.279", "67.6491"},
};

TEST(TouchstoneOnePort, ValuesAtAndBetweenPointsOnFiftyOhm) {
    for (const auto& c : kOnePort) {
        SCOPED_TRACE(c.label);
        const auto n = touchstone::parse(c.text, c.name);
        ASSERT_EQ(n.ports, 1);
        const Complex s = touchstone::at(n, c.mhz * 1e6)[0];
        const Complex s50 = touchstone::renormalise(s, n.reference[0], 50.0);
        EXPECT_EQ(sixDigits(s50.real()), c.s11Re);
        EXPECT_EQ(sixDigits(s50.imag()), c.s11Im);
        const Complex z = num::impedance(s, n.reference[0]);
        EXPECT_EQ(sixDigits(z.real()), c.r);
        EXPECT_EQ(sixDigits(z.imag()), c.x);
    }
}

// ---- two-port files: S11, S21, S12, S22 on 50 ohm at both ports, and Z from S11
// ------------------------------
struct TwoPortCase {
    const char* label;
    const char* name;
    const char* text;
    double mhz;
    std::array<const char*, 8> s50; // S11, S21, S12, S22 as real and imaginary parts
    const char *r, *x;
};

const TwoPortCase kTwoPort[] = {
    {"v1 RI MHz 50 at point",
     "t.s2p",
     "! tuner, values continued on the next line\n"
     "# MHz S RI R 50\n"
     "14 0.1 0.2 0.8 -0.1\n"
     "   0.75 -0.12 0.3 0.05\n"
     "14.4 0.2 0.1 0.7 -0.3 0.7 -0.31 0.2 0.1\n",
     14.0,
     {"0.1", "0.2", "0.8", "-0.1", "0.75", "-0.12", "0.3", "0.05"},
     "55.8824",
     "23.5294"},
    {"v1 RI MHz 50 between",
     "t.s2p",
     "! tuner, values continued on the next line\n"
     "# MHz S RI R 50\n"
     "14 0.1 0.2 0.8 -0.1\n"
     "   0.75 -0.12 0.3 0.05\n"
     "14.4 0.2 0.1 0.7 -0.3 0.7 -0.31 0.2 0.1\n",
     14.1,
     {"0.125", "0.175", "0.775", "-0.15", "0.7375", "-0.1675", "0.275", "0.0625"},
     "59.8901",
     "21.978"},
    {"v1 MA GHz 75 at point",
     "u.S2P",
     "# GHz S MA R 75\n"
     "0.007 0.2 30 0.9 -45 0.88 -44 0.3 -60\n"
     "0.0072 0.25 35 0.85 -50 0.84 -49 0.35 -65\n",
     7.0,
     {"0.362509", "0.227471", "0.573823", "-0.572225", "0.570751", "-0.549632", "0.342066", "-0.0965359"},
     "103.808",
     "21.6266"},
    {"v1 MA GHz 75 between",
     "u.S2P",
     "# GHz S MA R 75\n"
     "0.007 0.2 30 0.9 -45 0.88 -44 0.3 -60\n"
     "0.0072 0.25 35 0.85 -50 0.84 -49 0.35 -65\n",
     7.15,
     {"0.4013", "0.242367", "0.511479", "-0.575011", "0.513781", "-0.557888", "0.360407", "-0.146669"},
     "106.822",
     "30.008"},
    {"v1 DB kHz references 50 and 75",
     "v.s2p",
     "# kHz DB S R 50 75\n"
     "3600 -10 20 -1 -30 -1.1 -31 -15 40\n",
     3.6,
     {"0.226049", "0.243452", "0.726375", "-0.441207", "0.710339", "-0.448622", "0.32962", "0.103938"},
     "88.988",
     "21.388"},
    {"v2 12_21 RI references 50 75 at point",
     "w.s2p",
     "[Version] 2.0\n"
     "# MHz S RI\n"
     "[Number of Ports] 2\n"
     "[Two-Port Data Order] 12_21\n"
     "[Number of Frequencies] 2\n"
     "[Reference]\n"
     "50 75\n"
     "[Network Data]\n"
     "21 0.1 0.1 0.5 0.2 0.6 0.25 -0.2 0.1\n"
     "21.5 0.2 0 0.4 0.1 0.5 0.15 -0.1 0.2\n"
     "[End]\n",
     21.0,
     {"0.0468764", "0.0500651", "0.61742", "0.242292", "0.51434", "0.193409", "0.0021692", "0.104121"},
     "59.7561",
     "12.1951"},
    {"v2 12_21 RI references 50 75 between",
     "w.s2p",
     "[Version] 2.0\n"
     "# MHz S RI\n"
     "[Number of Ports] 2\n"
     "[Two-Port Data Order] 12_21\n"
     "[Number of Frequencies] 2\n"
     "[Reference]\n"
     "50 75\n"
     "[Network Data]\n"
     "21 0.1 0.1 0.5 0.2 0.6 0.25 -0.2 0.1\n"
     "21.5 0.2 0 0.4 0.1 0.5 0.15 -0.1 0.2\n"
     "[End]\n",
     21.1,
     {"0.0697515", "0.0366867", "0.594955", "0.218957", "0.492115", "0.170698", "0.0238312", "0.123888"},
     "62.7049",
     "10.2459"},
    {"v2 21_12 MA option R 75",
     "x.s2p",
     "[Version] 2.0\n"
     "# MHz S MA R 75\n"
     "[Number of Ports] 2\n"
     "[Two-Port Data Order] 21_12\n"
     "[Number of Frequencies] 1\n"
     "[Network Data]\n"
     "28 0.3 10 0.9 -20 0.85 -21 0.2 5\n"
     "[End]\n",
     28.0,
     {"0.374834", "0.132916", "0.743475", "-0.297944", "0.697153", "-0.293603", "0.288273", "0.10483"},
     "136.742",
     "15.656"},
    {"v2 Lower matrix RI",
     "y.s2p",
     "[Version] 2.0\n"
     "# MHz S RI R 50\n"
     "[Number of Ports] 2\n"
     "[Two-Port Data Order] 12_21\n"
     "[Number of Frequencies] 1\n"
     "[Reference] 75 75\n"
     "[Matrix Format] Lower\n"
     "[Network Data]\n"
     "10 0.1 0.2\n"
     "0.7 0.1 0.3 0.3\n"
     "[End]\n",
     10.0,
     {"0.213989", "0.170847", "0.637131", "0.0316734", "0.637131", "0.0316734", "0.401961", "0.244062"},
     "83.8235",
     "35.2941"},
    {"v2 Upper matrix DB",
     "z.s2p",
     "[Version] 2.0\n"
     "# MHz S DB R 50\n"
     "[Number of Ports] 2\n"
     "[Two-Port Data Order] 21_12\n"
     "[Number of Frequencies] 1\n"
     "[Matrix Format] upper\n"
     "[Network Data]\n"
     "10 -20 80 -0.5 -95 -25 170\n"
     "[End]\n",
     10.0,
     {"0.0173648", "0.0984808", "-0.0822803", "-0.940468", "-0.0822803", "-0.940468", "-0.0553798",
      "0.00976495"},
     "50.7552",
     "10.0978"},
    {"v1 noise block ignored",
     "n.s2p",
     "# MHz S RI R 50\n"
     "14 0.1 0 0.9 0 0.9 0 0.1 0\n"
     "14.4 0.2 0 0.8 0 0.8 0 0.2 0\n"
     "! noise parameters\n"
     "14 1.5 0.3 40 0.25\n"
     "14.4 1.6 0.32 42 0.26\n",
     14.4,
     {"0.2", "0", "0.8", "0", "0.8", "0", "0.2", "0"},
     "75",
     "0"},
    {"v2 noise data ignored",
     "m.s2p",
     "[Version] 2.0\n"
     "# MHz S RI R 50\n"
     "[Number of Ports] 2\n"
     "[Two-Port Data Order] 21_12\n"
     "[Number of Frequencies] 1\n"
     "[Number of Noise Frequencies] 1\n"
     "[Network Data]\n"
     "14 0.1 0 0.9 0 0.9 0 0.1 0\n"
     "[Noise Data]\n"
     "14 1.5 0.3 40 0.25\n"
     "[End]\n",
     14.0,
     {"0.1", "0", "0.9", "0", "0.9", "0", "0.1", "0"},
     "61.1111",
     "0"},
    {"v1 Z two-port normalised",
     "zz.s2p",
     "# MHz Z RI R 50\n"
     "14 1.2 0.3 0.4 -0.1 0.4 -0.1 0.9 0.2\n",
     14.0,
     {"0.0841938", "0.150687", "0.174524", "-0.0982949", "0.174524", "-0.0982949", "-0.0692076", "0.142427"},
     "56.3151",
     "17.4932"},
    {"v1 Y two-port normalised, R 75",
     "yy.s2p",
     "# MHz Y MA R 75\n"
     "14 1.1 10 0.3 -170 0.35 -168 0.8 20\n",
     14.0,
     {"0.175913", "-0.0829045", "0.155886", "-0.00261484", "0.181863", "0.00329829", "0.336904", "-0.15781"},
     "70.9988",
     "-12.2923"},
};

TEST(TouchstoneTwoPort, ValuesAtAndBetweenPointsOnFiftyOhm) {
    for (const auto& c : kTwoPort) {
        SCOPED_TRACE(c.label);
        const auto n = touchstone::parse(c.text, c.name);
        ASSERT_EQ(n.ports, 2);
        const auto s = touchstone::at(n, c.mhz * 1e6);
        const auto s50 = touchstone::renormalise(s, n.reference, 50.0);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(sixDigits(s50[k].real()), c.s50[2 * k]) << "S-parameter " << k;
            EXPECT_EQ(sixDigits(s50[k].imag()), c.s50[2 * k + 1]) << "S-parameter " << k;
        }
        const Complex z = num::impedance(s[0], n.reference[0]);
        EXPECT_EQ(sixDigits(z.real()), c.r);
        EXPECT_EQ(sixDigits(z.imag()), c.x);
    }
}

TEST(TouchstoneSummary, WhatTheDialogShows) {
    const auto n =
        touchstone::parse("[Version] 2.0\n# khz s db r 75\n[Number of Ports] 2\n[Two-Port Data Order] "
                          "21_12\n[Number of Frequencies] 2\n[Reference] 50 75\n[Network Data]\n"
                          "1 0 0 0 0 0 0 0 0\n2 0 0 0 0 0 0 0 0\n[End]\n",
                          "tuner.ts");
    EXPECT_EQ(n.version, "2.0");
    EXPECT_EQ(n.format, "DB");
    EXPECT_EQ(n.unit, "kHz");
    EXPECT_EQ(n.parameter, "S");
    EXPECT_EQ(n.reference, (std::array<double, 2>{50.0, 75.0}));
    ASSERT_EQ(n.samples.size(), 2u);
    EXPECT_EQ(n.samples[1].hz, 2000.0);
    const auto d = touchstone::parse("1 0.5 0\n", "x.s1p");
    EXPECT_EQ(d.version, "1.1");
    EXPECT_EQ(d.format, "MA");
    EXPECT_EQ(d.unit, "GHz");
    EXPECT_EQ(d.reference[0], 50.0);
    EXPECT_EQ(d.samples[0].hz, 1e9);
}

TEST(TouchstoneOptionLine, OnlyTheFirstCountsAndUnitsScaleExactly) {
    // The second option line would make the frequencies GHz and the reference 75 ohm: ignored.
    const auto n = touchstone::parse("# MHz S RI R 50\n14.2 0.1 0\n# GHz S MA R 75\n14.3 0.2 0\n", "a.s1p");
    EXPECT_EQ(n.reference[0], 50.0);
    EXPECT_EQ(n.samples[1].s[0], Complex(0.2, 0.0));
    // A frequency is the double nearest the decimal in Hz, whatever the unit.
    EXPECT_EQ(n.samples[0].hz, 14200000.0);
    EXPECT_EQ(touchstone::parse("# GHz RI\n0.0142 0 0\n", "a.s1p").samples[0].hz, 14200000.0);
    EXPECT_EQ(touchstone::parse("# kHz RI\n14200 0 0\n", "a.s1p").samples[0].hz, 14200000.0);
    EXPECT_EQ(touchstone::parse("# Hz RI\n1.42e7 0 0\n", "a.s1p").samples[0].hz, 14200000.0);
}

// ---- refusals: the file, the line and what is wrong -------------------------------------------------------
struct RefusalCase {
    const char* name;
    const char* text;
    const char* message;
};

const RefusalCase kRefusals[] = {
    {"x.s2p", "! seven values\n# MHz S RI R 50\n14 0.1 0.2 0.8 -0.1 0.75 -0.12\n",
     "x.s2p, line 3: 7 numbers where a two-port point has 9"},
    {"x.s2p", "# MHz S RI R 50\n14 0.1 0.2 0.8 -0.1 0.75 -0.12\n14.4 0.2 0.1 0.7 -0.3 0.7 -0.31 0.2 0.1\n",
     "x.s2p, line 2: 7 numbers where a two-port point has 9"},
    {"x.s2p", "# MHz S RI R 50\n14 0.1 0.2 0.8 -0.1 0.75 -0.12 0.3 0.05 0.1\n",
     "x.s2p, line 2: 10 numbers where a two-port point has 9"},
    {"x.s1p", "# MHz S RI R 50\n14 0.1 0.2 0.3\n", "x.s1p, line 2: 4 numbers where a one-port point has 3"},
    {"x.s1p", "# MHz S RI\n14.3 0 0\n14.2 0 0\n",
     "x.s1p, line 3: frequencies must increase: 14.2 MHz after 14.3 MHz"},
    {"x.s1p", "# MHz S RI\n14.3 0 0\n14.3 0 0\n",
     "x.s1p, line 3: frequencies must increase: 14.3 MHz after 14.3 MHz"},
    {"x.s2p", "# MHz S RI\n14.3 0 0 0 0 0 0 0 0\n14.2 0 0 0 0 0 0 0 0\n",
     "x.s2p, line 3: frequencies must increase: 14.2 MHz after 14.3 MHz"},
    {"x.s2p", "# MHz S RI\n14 0 0 0 0 0 0 0 0\n14 1.5 0.3 40 0.25\n14.1 1.5 0.3 40\n",
     "x.s2p, line 4: 4 numbers where a noise point has 5"},
    {"x.s1p", "# MHz S RI\n14 abc 0\n", "x.s1p, line 2: a value is not a number: 'abc'"},
    {"x.s1p", "# MHz S RI\n14 0,5 0\n", "x.s1p, line 2: a value is not a number: '0,5'"},
    {"x.s1p", "# MHz S RI\n14 nan 0\n", "x.s1p, line 2: a value is not a finite number: 'nan'"},
    {"x.s1p", "# MHz S RI\n14 0 -inf\n", "x.s1p, line 2: a value is not a finite number: '-inf'"},
    // -inf dB is a magnitude of 0; an angle of -inf, +inf dB, NaN dB and -inf in MA stay refused.
    {"x.s1p", "# MHz S DB\n14 -10 -inf\n", "x.s1p, line 2: a value is not a finite number: '-inf'"},
    {"x.s1p", "# MHz S DB\n14 +inf 0\n", "x.s1p, line 2: a value is not a finite number: '+inf'"},
    {"x.s1p", "# MHz S DB\n14 nan 0\n", "x.s1p, line 2: a value is not a finite number: 'nan'"},
    {"x.s1p", "# MHz S MA\n14 -inf 0\n", "x.s1p, line 2: a value is not a finite number: '-inf'"},
    {"x.s2p", "# MHz S DB\n14 -10 0 -inf 0\n-inf 0 -10 -inf\n",
     "x.s2p, line 3: a value is not a finite number: '-inf'"},
    // The file's own frequency texts, not rounded to six digits that would make them look equal.
    {"x.s1p", "# Hz S RI\n140921702 0 0\n140614468 0 0\n",
     "x.s1p, line 3: frequencies must increase: 140614468 Hz after 140921702 Hz"},
    {"x.s2p",
     "# MHz S RI\n14 0 0 0 0 0 0 0 0\n14 1.5 0.3 40 0.25\n14.0000001 1.5 0.3 40 0.25\n14.00000010 1.5 0.3 40 "
     "0.25\n",
     "x.s2p, line 5: frequencies must increase: 14.00000010 MHz after 14.0000001 MHz"},
    // A complex reference is named as such.
    {"x.s1p", "# MHz S RI R (50+50j)\n14 0 0\n",
     "x.s1p, line 1: option line: the complex reference (50+50j) is not supported: only a real reference in "
     "ohm can be read"},
    {"x.s1p", "# MHz S RI R (50 -10j)\n14 0 0\n",
     "x.s1p, line 1: option line: the complex reference (50-10j) is not supported: only a real reference in "
     "ohm can be read"},
    {"x.s1p", "[Version] 2.0\n# MHz\n[Number of Ports] 1\n[Reference] 50+5j\n",
     "x.s1p, line 4: [Reference]: the complex reference '50+5j' is not supported: only a real reference in "
     "ohm can be read"},
    {"x.s1p", "# MHz S RI\n14 1e999 0\n", "x.s1p, line 2: a value is not a finite number: '1e999'"},
    {"x.s1p", "# MHz S RI\n-14 0 0\n", "x.s1p, line 2: a negative frequency: '-14'"},
    {"x.s1p", "# MHz S DB\n14 1e300 0\n", "x.s1p, line 2: the values are too large to be S-parameters"},
    {"x.s1p", "# MHz Z RI\n14 -1 0\n", "x.s1p, line 2: these Z values have no S-parameters"},
    {"x.s1p", "# MHz S RI\n! no data\n", "x.s1p: the data block is empty"},
    {"x.s1p", "", "x.s1p: the file is empty"},
    {"x.s1p",
     "[Version] 2.0\n# MHz S RI\n[Number of Ports] 1\n[Number of Frequencies] 1\n[Network Data]\n[End]\n",
     "x.s1p, line 6: the data block is empty"},
    {"x.s3p", "# MHz S RI\n14 0 0\n", "x.s3p: a 3-port file: only one- and two-port files can be read"},
    {"x.ts", "[Version] 2.0\n# MHz S RI\n[Number of Ports] 4\n",
     "x.ts, line 3: a 4-port file: only one- and two-port files can be read"},
    {"x.txt", "# MHz S RI\n14 0 0\n", "x.txt: the name must end in .s1p or .s2p to tell the number of ports"},
    {"x.ts", "[Version] 2.0\n# MHz Y RI\n",
     "x.ts, line 2: Y parameters in a version 2.0 file cannot be read: only S"},
    {"x.ts", "[Version] 2.0\n# MHz Z RI\n",
     "x.ts, line 2: Z parameters in a version 2.0 file cannot be read: only S"},
    {"x.s2p", "# MHz H RI\n",
     "x.s2p, line 1: H parameters cannot be read: only S, and Y or Z of a version 1.1 file"},
    {"x.s2p", "# MHz G RI\n",
     "x.s2p, line 1: G parameters cannot be read: only S, and Y or Z of a version 1.1 file"},
    {"x.s1p", "# MHz S XX\n", "x.s1p, line 1: option line: 'XX' is no unit, parameter, format or R value"},
    {"x.s1p", "# MHz S RI R\n", "x.s1p, line 1: option line: R without a value"},
    {"x.s1p", "# MHz S RI R 0\n",
     "x.s1p, line 1: option line: the reference must be a positive number of ohm, not '0'"},
    {"x.s1p", "# MHz MHz\n", "x.s1p, line 1: option line: two frequency units"},
    {"x.s1p", "# MHz S RI R 50 75\n14 0 0\n", "x.s1p: 2 reference values for a one-port file"},
    {"x.s1p", "14 0 0\n# MHz\n", "x.s1p, line 2: the option line must come before the data"},
    {"x.s1p", "# MHz S RI\n[Number of Ports] 1\n", "x.s1p, line 2: a keyword in a version 1.1 file: [Number"},
    {"x.s1p", "[Version] 3.0\n",
     "x.s1p, line 1: [Version] 3.0 cannot be read: only versions 1.1 and 2.0 can"},
    {"x.s1p",
     "[Version] 2.0\n# MHz\n[Number of Ports] 1\n[Number of Frequencies] 1\n[Network Data]\n14 0 0\n",
     "x.s1p: [End] is missing at the end of the file"},
    {"x.s1p",
     "[Version] 2.0\n# MHz\n[Number of Ports] 1\n[Number of Frequencies] 2\n[Network Data]\n14 0 0\n[End]\n",
     "x.s1p, line 7: [Number of Frequencies] is 2 but the data has 1 points"},
    {"x.s1p", "[Version] 2.0\n# MHz\n[Number of Ports] 1\n[Network Data]\n14 0 0\n[End]\n",
     "x.s1p, line 4: [Number of Frequencies] missing before [Network Data]"},
    {"x.s2p", "[Version] 2.0\n# MHz\n[Number of Ports] 2\n[Number of Frequencies] 1\n[Network Data]\n",
     "x.s2p, line 5: [Two-Port Data Order] missing: a two-port file must give 12_21 or 21_12"},
    {"x.s2p", "[Version] 2.0\n# MHz\n[Number of Ports] 2\n[Two-Port Data Order] 12-21\n",
     "x.s2p, line 4: [Two-Port Data Order] must be 12_21 or 21_12"},
    {"x.s2p", "[Version] 2.0\n# MHz\n[Number of Ports] 2\n[Matrix Format] Diagonal\n",
     "x.s2p, line 4: [Matrix Format] must be Full, Lower or Upper"},
    {"x.s1p", "[Version] 2.0\n# MHz\n[Number of Ports] 1\n[Reference] 50 75\n",
     "x.s1p, line 4: [Reference] needs one value per port"},
    {"x.s2p", "[Version] 2.0\n# MHz\n[Number of Ports] 2\n[Reference] 50\n[Network Data]\n",
     "x.s2p, line 5: [Reference] needs one value per port"},
    {"x.s1p", "[Version] 2.0\n# MHz\n[Number of Ports] 1\n[Reference] -50\n",
     "x.s1p, line 4: [Reference]: '-50' is no positive number of ohm"},
    {"x.s1p", "[Version] 2.0\n# MHz\n[Number of Ports] 1\n[Colour] red\n",
     "x.s1p, line 4: unknown keyword [Colour]"},
    {"x.s1p", "[Version] 2.0\n# MHz\n[Number of Ports] 1\n14 0 0\n",
     "x.s1p, line 4: a data line before [Network Data]"},
    {"x.s1p",
     "[Version] 2.0\n# MHz\n[Number of Ports] 1\n[Number of Frequencies] 1\n[Network Data]\n14 0 0\n[Network "
     "Data]\n",
     "x.s1p, line 7: a second [Network Data]"},
};

// A zero written as -inf dB, as some programs do, also where a point goes on on the next line.
TEST(TouchstoneDb, MinusInfinityDecibelsIsZero) {
    const auto n = touchstone::parse("# GHz S DB R 50\n0.1 -20 90 -inf 0\n-INF 45 -6.0206 0\n", "x.s2p");
    ASSERT_EQ(n.samples.size(), 1u);
    EXPECT_EQ(n.samples[0].s[1], Complex(0, 0));
    EXPECT_EQ(n.samples[0].s[2], Complex(0, 0));
    EXPECT_NEAR(std::abs(n.samples[0].s[0] - Complex(0, 0.1)), 0, 1e-12);
    EXPECT_NEAR(std::abs(n.samples[0].s[3] - Complex(0.5, 0)), 0, 1e-5);
}

TEST(TouchstoneRefusal, NamesFileLineAndWhatIsWrong) {
    for (const auto& c : kRefusals) {
        SCOPED_TRACE(c.text);
        try {
            touchstone::parse(c.text, c.name);
            ADD_FAILURE() << "read without complaint";
        } catch (const touchstone::Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(TouchstoneInterpolation, NoExtrapolationOutsideTheFile) {
    const auto n = touchstone::parse("# MHz S RI\n14 0.1 0\n14.4 0.2 0\n", "a.s1p");
    for (double mhz : {13.9, 14.41, 0.0}) {
        try {
            touchstone::at(n, mhz * 1e6);
            ADD_FAILURE() << mhz;
        } catch (const touchstone::Error& e) {
            EXPECT_EQ(std::string(e.what()), "a.s1p covers 14 MHz to 14.4 MHz: no value at " +
                                                 sixDigits(mhz) + " MHz, the file is not extrapolated");
        }
    }
    // The file's ends and the asked frequency with every digit: rounded, 199.999646 would read as 200.
    const auto sweep = touchstone::parse("# Hz S RI\n50000 0.1 0\n199999646 0.2 0\n", "c.s1p");
    try {
        touchstone::at(sweep, 200e6);
        ADD_FAILURE() << "200 MHz";
    } catch (const touchstone::Error& e) {
        EXPECT_EQ(
            std::string(e.what()),
            "c.s1p covers 0.05 MHz to 199.999646 MHz: no value at 200 MHz, the file is not extrapolated");
    }
    const auto one = touchstone::parse("# MHz S RI\n14 0.1 0\n", "b.s1p");
    EXPECT_EQ(touchstone::at(one, 14e6)[0], Complex(0.1, 0));
    EXPECT_THROW(touchstone::at(one, 14.001e6), touchstone::Error);
}

// ---- the change of reference, by hand
// -----------------------------------------------------------------------
TEST(TouchstoneRenormalise, ByHand) {
    // A 75 ohm load is matched on 75 ohm; on 50 ohm its reflection is (75 - 50) / (75 + 50) = 0.2.
    EXPECT_NEAR(std::abs(touchstone::renormalise(0.0, 75, 50) - Complex(0.2, 0)), 0, 1e-15);
    // 25 + j25 ohm: on 50 ohm (-25 + j25) / (75 + j25) = -0.2 + j0.4; on 75 ohm (-50 + j25)/(100 + j25).
    const Complex on75 = Complex(-50, 25) / Complex(100, 25);
    EXPECT_NEAR(std::abs(touchstone::renormalise(Complex(-0.2, 0.4), 50, 75) - on75), 0, 1e-15);
    // A plain connection between a 50 ohm port 1 and a 75 ohm port 2: S11 = 25/125 = 0.2,
    // S22 = -0.2, S21 = S12 = 2 sqrt(50 * 75) / 125. On 50 ohm at both ports it is the ideal thru.
    const double t = 2 * std::sqrt(50.0 * 75.0) / 125.0;
    const auto thru = touchstone::renormalise({0.2, t, t, -0.2}, {50.0, 75.0}, 50.0);
    const std::array<Complex, 4> ideal{0.0, 1.0, 1.0, 0.0};
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(std::abs(thru[k] - ideal[k]), 0, 1e-15) << k;
    // The same thru, a 75 ohm line of no length, on 75 ohm at both ports: still the ideal thru on 50.
    const auto line = touchstone::renormalise({0.0, 1.0, 1.0, 0.0}, {75.0, 75.0}, 50.0);
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(std::abs(line[k] - ideal[k]), 0, 1e-15) << k;
}

// ---- writing a one-port sweep, and reading it back
// ---------------------------------------------------------
TEST(TouchstoneWrite, OnePortReadsBackExactly) {
    const std::vector<std::pair<double, Complex>> pts = {
        {14.2e6, {0.1, -1.0 / 3.0}}, {1e7 / 3.0, {-0.0, 2e-9}}, {14350001.25, {0.999999999, -0.5}}};
    // In frequency order for the reader.
    const std::vector<std::pair<double, Complex>> sorted = {pts[1], pts[0], pts[2]};
    const std::string text = touchstone::writeOnePortRI(sorted);
    EXPECT_NE(text.find("# MHz S RI R 50\n"), std::string::npos);
    EXPECT_NE(text.find("\n14.2 0.1 -0.3333333333333333\n"), std::string::npos) << text;
    const auto n = touchstone::parse(text, "band.s1p");
    ASSERT_EQ(n.samples.size(), 3u);
    EXPECT_EQ(n.version, "1.1");
    EXPECT_EQ(n.reference[0], 50.0);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(n.samples[i].hz, sorted[i].first);
        EXPECT_EQ(n.samples[i].s[0], sorted[i].second);
    }
}

// ---- files on disk
// -----------------------------------------------------------------------------------------------
TEST(TouchstoneReadFile, RefusesFoldersMissingAndOversizedFiles) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("touchstone_test_" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder.s1p");
    {
        std::ofstream(dir / "ok.S1P") << "# MHz S RI R 50\r\n14 0.1 0.2\r\n";
        std::ofstream big(dir / "big.s1p");
    }
    fs::resize_file(dir / "big.s1p", touchstone::kMaxFileBytes + 1); // sparse: nothing is written
    const auto ok = touchstone::readFile((dir / "ok.S1P").string());
    EXPECT_EQ(ok.name, "ok.S1P");
    EXPECT_EQ(ok.samples.at(0).s[0], Complex(0.1, 0.2));
    const std::pair<fs::path, std::string> refused[] = {
        {dir / "folder.s1p", (dir / "folder.s1p").string() + " is a folder, not a file"},
        {dir / "none.s1p", (dir / "none.s1p").string() + ": no such file"},
        {dir / "big.s1p",
         "big.s1p is larger than 64 MiB: no Touchstone file of one or two ports is that large"},
    };
    for (const auto& [path, message] : refused) {
        try {
            touchstone::readFile(path.string());
            ADD_FAILURE() << path;
        } catch (const touchstone::Error& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
    fs::remove_all(dir);
}

} // namespace
