// The user's cables in the line panel: they follow the catalog in the list, compute as a catalog entry
// of the same data does (bit for bit), follow edits and removals, and come from the user's file at
// start, a file that cannot be read being said once.
#include "cables/file.h"
#include "chart/chart.h"
#include "line/catalog.h"
#include "line/line.h"
#include "tools/formscript/formscript.h"
#include "ui/form.h"
#include "user_data.h"
#include "wiring/cables.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A user cable with the data of catalog entry `index`, as the file holds it: the decimals of the
// catalog's values.
cables::Cable twinOf(int16_t index, const std::string& name) {
    const line::CableEntry& e = line::kCatalog[static_cast<std::size_t>(index)];
    const std::string text = "hamlinecalc-cables 1\ncable " + name + "\nz0 " + std::to_string(e.Z / 10.0) +
                             "\nvf " + std::to_string(e.VF / 1000.0) + "\nloss " +
                             cables::dbPer100ftText(e.K0) + " " + cables::dbPer100ftText(e.K1) + " " +
                             cables::dbPer100ftText(e.K2) + "\nend\n";
    return cables::parseCables(text, "twin")[0];
}

struct Shown {
    std::string text22, text25, text27, text40, text41;
    line::LineResult result;
    bool operator==(const Shown&) const = default;
};

// The line computed with the cable named `cable`, the other inputs as given.
Shown compute(ui::Form& f, const std::string& cable, const char* mhz, const char* r, const char* x,
              bool toAntenna, int slider) {
    f.restart();
    f.userPick("Combo2", cable);
    f.userFocus("Text28"); // Combo2 loses the focus: the refresh
    f.userEdit("Text28", mhz);
    f.userEdit("Text23", r);
    f.userEdit("Text24", x);
    f.userClick(toAntenna ? "Option9" : "Option10");
    f.userScroll("HScroll1", slider);
    const auto& v = f.vars<line::LineVars>();
    return {f.text("Text22"), f.text("Text25"), f.text("Text27"),
            f.text("Text40"), f.text("Text41"), v.shownResult};
}

TEST(UserCables, ComputeAsTheirCatalogTwinBitForBit) {
    testdata::DataFolder data;
    const int16_t entries[] = {17, 18, 34, 45, 52, 56, 59, 62, 66};
    std::vector<cables::Cable> twins;
    for (int16_t i : entries)
        twins.push_back(twinOf(i, "Twin of " + std::to_string(i)));
    data.writeCableFile(cables::writeCables(twins));
    ui::Form f;
    wiring::start(f);
    ASSERT_EQ(f.items("Combo2").size(), 73u + std::size(entries));
    for (std::size_t n = 0; n < std::size(entries); ++n) {
        const std::string catalogName = line::kCatalog[static_cast<std::size_t>(entries[n])].name;
        for (const char* mhz : {"1.8", "14", "144.5"})
            for (bool toAntenna : {false, true})
                for (int slider : {0, 137, 720}) {
                    SCOPED_TRACE(catalogName + " at " + mhz + " MHz, slider " + std::to_string(slider));
                    const Shown a = compute(f, catalogName, mhz, "100", "-33.3", toAntenna, slider);
                    const Shown b = compute(f, twins[n].line.name, mhz, "100", "-33.3", toAntenna, slider);
                    EXPECT_EQ(a.text22, b.text22);
                    EXPECT_EQ(a.text40, b.text40);
                    EXPECT_TRUE(a == b);
                }
    }
}

TEST(UserCables, FollowTheCatalogInTheListAndComeBackAfterARestart) {
    testdata::DataFolder data;
    data.writeCableFile(cables::writeCables({twinOf(17, "Mine A"), twinOf(61, "Mine B")}));
    ui::Form f;
    wiring::start(f);
    const auto& items = f.items("Combo2");
    ASSERT_EQ(items.size(), 75u);
    EXPECT_EQ(items[0], line::kCatalog[0].name);
    EXPECT_EQ(items[72], "Aircell 7");
    EXPECT_EQ(items[73], "Mine A");
    EXPECT_EQ(items[74], "Mine B");
    EXPECT_EQ(f.messageCount(), 0);
    f.setText("Combo2", "Mine B");
    EXPECT_EQ(f.vars<line::LineVars>().IND, 74);
    EXPECT_EQ(f.text("Text25"), "450.0");
    f.restart();
    EXPECT_EQ(f.items("Combo2").size(), 75u);
    EXPECT_EQ(wiring::userCables(f).size(), 2u);
}

// A change of the selected cable shows at once in "Auto"; a removed one leaves the first catalog entry.
TEST(UserCables, TheSelectedCableFollowsItsChanges) {
    testdata::DataFolder data;
    std::ostringstream out;
    formscript::Session s(out);
    s.execute("cable add 75 0.8 m 10:2 Roof");
    s.execute("clear Combo2");
    s.execute("type Combo2 Roof"); // typed: each character a change, the last one finds it
    const ui::Form& f = s.form();
    EXPECT_EQ(f.text("Text25"), "75.0");
    EXPECT_EQ(f.text("Text27"), "0.800");
    s.execute("cable add 300 0.9 m 10:2 Roof");
    EXPECT_EQ(f.text("Text25"), "300.0");
    EXPECT_EQ(f.text("Text27"), "0.900");
    s.execute("cable add 50 0.66 m 10:1 Another");
    EXPECT_EQ(f.text("Text25"), "300.0");
    s.execute("cable remove Roof");
    EXPECT_EQ(f.text("Combo2"), line::kCatalog[0].name);
    EXPECT_EQ(f.vars<line::LineVars>().IND, 0);
    EXPECT_EQ(f.text("Text25"), "50.0");
    EXPECT_EQ(f.text("Text27"), "0.870");
    EXPECT_EQ(f.items("Combo2").back(), "Another");
    EXPECT_EQ(out.str().find("msgbox"), std::string::npos) << out.str();
}

// A saved moved sweep names the user's cable it was moved along, also after the list has changed.
TEST(UserCables, AMovedSweepNamesTheCable) {
    testdata::DataFolder data;
    data.writeCableFile(cables::writeCables({twinOf(17, "Primo"), twinOf(61, "Scala di casa")}));
    std::ostringstream out;
    formscript::Session s(out);
    for (const char* line :
         {"pick Combo2 Scala di casa", "focus Text28", "type Text23 120", "scroll HScroll1 300"})
        s.execute(line);
    touchstone::Network sweep;
    sweep.name = "sweep.s1p";
    ui::Form& f = const_cast<ui::Form&>(s.form());
    auto cableLine = [&] { return chart::bandComments(f, sweep).at(1); };
    EXPECT_EQ(cableLine().rfind("Cable: Scala di casa, Z0 450.0 ohm", 0), 0u) << cableLine();
    s.execute("cable remove Primo"); // the cable moves up the list; the result stands
    EXPECT_FALSE(f.text("Text22").empty());
    EXPECT_EQ(cableLine().rfind("Cable: Scala di casa,", 0), 0u) << cableLine();
}

// A file that cannot be read: one message at start naming it and its line; the catalog works; the
// file's bytes stay where they are until a save sets them aside.
TEST(UserCables, AnUnreadableFileIsSaidOnceAndTheCatalogWorks) {
    testdata::DataFolder data;
    const std::string spoiled = "hamlinecalc-cables 1\ncable Mine\nz0 fifty\n";
    data.writeCableFile(spoiled);
    std::ostringstream out;
    formscript::Session s(out);
    const std::string start = out.str();
    EXPECT_EQ(start.rfind("msgbox[Cable File] " + data.cableFile() + ", line 3: ", 0), 0u) << start;
    EXPECT_EQ(std::count(start.begin(), start.end(), '\n'), 1);
    EXPECT_EQ(s.form().items("Combo2").size(), 73u);
    out.str("");
    s.execute("pick Combo2 RG-213 (generic)");
    s.execute("focus Text28");
    EXPECT_EQ(s.form().text("Text25"), "50.0");
    s.restart();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(testdata::readFile(data.cableFile()), spoiled);
    s.execute("cable add 50 0.66 m 10:1 Mine");
    EXPECT_EQ(out.str().rfind("cable| Mine ", 0), 0u) << out.str();
    bool setAside = false;
    for (const auto& e : std::filesystem::directory_iterator(data.cables()))
        setAside = setAside || (e.path().filename().string().rfind("cables.txt.unreadable-", 0) == 0 &&
                                testdata::readFile(e.path()) == spoiled);
    EXPECT_TRUE(setAside);
}

} // namespace
