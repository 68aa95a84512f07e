// What "Copia tutti i risultati" copies: each standing result with the inputs it was computed from, and
// nothing that is not a standing result.
#include "tools/formscript/formscript.h"
#include "touchstone/touchstone.h"
#include "wiring/measure.h"
#include "wiring/results.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

struct Session {
    std::ostringstream out;
    formscript::Session s{out};
    void run(std::initializer_list<const char*> lines) {
        for (const char* l : lines)
            s.execute(l);
    }
    std::string copied() { return wiring::resultsText(s.form()); }
    std::string text(const char* field) { return s.form().text(field); }
};

bool has(const std::string& all, const std::string& part) {
    return all.find(part) != std::string::npos;
}

} // namespace

// Nothing stands at the start: the line panel's stretch of line is no result of its own.
TEST(CopyAll, NothingAtTheStart) {
    Session w;
    EXPECT_EQ(w.copied(), "");
}

// The point panel: the voltage's result with R, X and the voltage in its unit, the SWR's with the
// reference impedance and forward power. A changed input empties what it fed, and the messages written in
// place of a result (no current, so no forward power for the SWR) are left out.
TEST(CopyAll, PointResultsWithTheirInputs) {
    Session w;
    w.run({"type Text7 100", "type Text8 -20", "click Option13", "type Text9 10", "click Command1",
           "click Command4"});
    std::string all = w.copied();
    const std::string voltage = "Calcolo di tensione, potenza, corrente, SWR\n"
                                "R ohm: 100\n"
                                "X ohm: -20\n"
                                "Tensione V: 10 Vp\n"
                                "Potenza e corrente dalla tensione: " +
                                w.text("Text2") + "\n";
    std::string swr = w.text("Text4");
    for (std::size_t cr; (cr = swr.find('\r')) != std::string::npos;)
        swr.erase(cr, 1);
    ASSERT_EQ(swr.rfind("SWR = ", 0), 0u) << swr;
    EXPECT_EQ(all, voltage + "\nR ohm: 100\nX ohm: -20\nR0 ohm: 50\nX0 ohm: 0\nPOT. DIR W: " +
                       w.text("Text6") + "\nSWR e dati ausiliari:\n" + swr + "\n");

    w.run({"click Command5"});
    ASSERT_EQ(w.text("Text19"), "Insert a proper current value!");
    w.run({"click Command4"});
    ASSERT_EQ(w.text("Text4"), "Insert a proper Forward Power value!");
    EXPECT_EQ(w.copied(), voltage);

    w.run({"type Text9 2"});
    EXPECT_EQ(w.copied(), "");
}

// The shared report field of the comparison and the tuner carries the inputs of what wrote it; a message
// in place of a report is left out, and a text the calculations did not write is no result.
TEST(CopyAll, ComparisonAndTunerShareTheirField) {
    Session w;
    w.run({"type Text15 50", "type Text1 0", "type Text16 50", "type Text17 0", "type Text13 10",
           "type Text14 5", "click Option15", "click Command3"});
    std::string all = w.copied();
    EXPECT_TRUE(has(all, "Comparazione Input - Output\nInput Z R ohm: 50\nInput Z X ohm: 0\n"
                         "Output Z R ohm: 50\nOutput Z X ohm: 0\nInput V: 10 IN Vrms\nOutput V: 5 OUT Vp\n"
                         "Confronto input-output e perdite dell'accordatore:\n"))
        << all;
    EXPECT_FALSE(has(all, "S 11")) << all;

    w.run({"type Text21 1", "click Command6"});
    ASSERT_EQ(w.text("Text5"), "Insert a proper current value!");
    EXPECT_EQ(w.copied(), "");

    w.run({"type Text30 0.2", "type Text34 0.1", "type Text36 0.1", "type Text37 0", "type Text33 0.9",
           "type Text32 0", "type Text31 0.1", "type Text35 0", "click Command8"});
    all = w.copied();
    EXPECT_TRUE(has(all, "S Ant. parte reale: 0.2\nS Ant. parte immaginaria: 0.1\nS 11 parte reale: 0.1\n"))
        << all;
    EXPECT_TRUE(has(all, "S 12 parte immaginaria: " + w.text("Text39") + "\nConfronto")) << all;
    EXPECT_FALSE(has(all, "Input V")) << all;

    w.run({"clear Text33", "clear Text32", "clear Text38", "clear Text39", "click Command8"});
    ASSERT_EQ(w.text("Text5"), "Invalid Data: check all the S- Parameters.");
    EXPECT_EQ(w.copied(), "");
}

// The line: the cable (or the loss typed in its place), the line's data, the measured point, frequency,
// powers, direction, cycles and stretch of line, then the result.
TEST(CopyAll, LineResultWithItsInputs) {
    Session w;
    w.run({"pick Combo2 RG-58 (generic)", "clear Text28", "type Text28 14", "type Text23 100",
           "type Text24 50", "click Option9", "scroll HScroll1 360"});
    std::string result = w.text("Text22");
    for (std::size_t cr; (cr = result.find('\r')) != std::string::npos;)
        result.erase(cr, 1);
    const std::string expected =
        "Calcolo di tensione, corrente, potenza, SWR su linee di trasmissione. Freq. "
        "max.: 150 MHz\n"
        "Cavo: RG-58 (generic)\n"
        "Z ohm: " +
        w.text("Text25") + "\nV.F.: " + w.text("Text27") +
        "\nLinea R ohm: 100\nLinea X ohm: 50\nMHz: 14\nwatt: 100\nRTX Z ohm: 50\n"
        "Direzione dello spostamento: <--- all' ANT\n"
        "Numero di cicli lambda/2: 1\n"
        "Tratto di linea dello spostamento in metri: " +
        w.text("Text41") + "\nTensione, corrente, potenza, SWR sulla linea:\n" + result + "\n";
    EXPECT_EQ(w.copied(), expected);

    w.run({"click Option11", "type Text40 3.5", "type Text25 50", "type Text27 0.66", "scroll HScroll1 300"});
    EXPECT_TRUE(has(w.copied(), "max.: 150 MHz\ndB/100 metri: 3.5\nZ ohm:")) << w.copied();
    EXPECT_FALSE(has(w.copied(), "Cavo")) << w.copied();
    w.run({"type Text29 50"});
    EXPECT_EQ(w.copied(), "");
}

// A result the program computes again after a sweep of an analyser stands as the operator's click would:
// the SWR and the tuner's loss are copied with the values the sweep wrote.
TEST(CopyAll, ResultsComputedAgainAfterASweep) {
    struct Quiet : ui::Ports {
        void messageBox(const std::string&, const std::string&) override {}
        void openDocument(const std::string&) override {}
    } ports;
    ui::Form f;
    f.setPorts(&ports);
    wiring::start(f);
    for (const auto& [field, text] :
         std::initializer_list<std::pair<const char*, const char*>>{{"Text7", "100"},
                                                                    {"Text8", "0"},
                                                                    {"Text30", "0.1"},
                                                                    {"Text34", "0"},
                                                                    {"Text36", "0.1"},
                                                                    {"Text37", "0"},
                                                                    {"Text33", "0.9"},
                                                                    {"Text32", "0"},
                                                                    {"Text31", "0.1"},
                                                                    {"Text35", "0"}})
        f.userEdit(field, text);
    f.userClick("Command4");
    f.userClick("Command8");
    const auto sweep = touchstone::parse("# MHz S RI R 50\n14 0.2 0.1\n", "ant.s1p");
    ASSERT_TRUE(wiring::importFollowing(f, wiring::ImportTarget::Point, 14, sweep));
    ASSERT_TRUE(wiring::importFollowing(f, wiring::ImportTarget::Antenna, 14, sweep));
    ASSERT_NE(f.text("Text7"), "100");
    const std::string all = wiring::resultsText(f);
    EXPECT_TRUE(has(all, "R ohm: " + f.text("Text7") + "\nX ohm: " + f.text("Text8") + "\n")) << all;
    EXPECT_TRUE(has(all, "\nSWR e dati ausiliari:\nSWR = ")) << all;
    EXPECT_TRUE(has(all, "S Ant. parte reale: 0.2\nS Ant. parte immaginaria: 0.1\n")) << all;
    EXPECT_TRUE(has(all, "Confronto input-output e perdite dell'accordatore:\nTuner Insertion Loss = "))
        << all;
}
