// The user's cable file: what is written reads back the same, a file that cannot be read whole is
// refused naming its line and is never lost, an unwritable folder is said, and two programs saving at
// once keep each other's cables.
#include "cables/file.h"
#include "cables/store.h"
#include "user_data.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

cables::Cable cable(const std::string& name, double z0 = 50, double vf = 0.66) {
    cables::Cable c;
    c.line.name = name;
    c.line.Z0 = z0;
    c.line.VF = vf;
    c.line.k = {82122, 406968, 6640};
    return c;
}

std::vector<std::string> names(const std::vector<cables::Cable>& cs) {
    std::vector<std::string> out;
    for (const auto& c : cs)
        out.push_back(c.line.name);
    return out;
}

TEST(CableFile, WhatIsWrittenReadsBackTheSame) {
    std::vector<cables::Cable> all;
    all.push_back(cable("RG-58 dal rotolo"));
    cables::Cable sheet = cable("Scala 450 \xCE\xA9 (tetto)", 448.25, 0.905);
    sheet.line.k = {0, 22236.123456789, 471.000000001};
    sheet.datasheet =
        cables::Datasheet{cables::LossUnit::PerHundredFeet, {{1.8, 0.06}, {14.2, 0.17}, {1e-3 / 3, 0}}};
    all.push_back(sheet);
    cables::Cable measured = cable("Misurato", 51.234567890123, 1);
    measured.line.k = {0, 1.0 / 3, 2e-20};
    measured.measured = cables::MeasuredWith{12.5, cables::LineEnd::Short, "my sweeps/roof cable.s1p"};
    all.push_back(measured);
    const std::string text = cables::writeCables(all);
    EXPECT_EQ(text.rfind("hamlinecalc-cables 1\n", 0), 0u);
    EXPECT_EQ(cables::parseCables(text, "x"), all);
    EXPECT_EQ(cables::writeCables(cables::parseCables(text, "x")), text);
    EXPECT_TRUE(cables::parseCables("hamlinecalc-cables 1\n", "x").empty());
}

// The catalog's coefficients written as the decimals they are land on the catalog's integers.
TEST(CableFile, CatalogDecimalsGiveTheCatalogsIntegers) {
    const auto c = cables::parseCables("hamlinecalc-cables 1\ncable Twin\nz0 50\nvf 0.66\n"
                                       "loss 0.082122 0.406968 0.00664\nend\n",
                                       "x");
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].line.k, line::catalogCoefficients(17));
}

TEST(CableFile, ASpoiledFileIsRefusedNamingItsLine) {
    const std::string head = "hamlinecalc-cables 1\n";
    const std::string good = "cable A\nz0 50\nvf 0.66\nloss 0 0.4 0.006\nend\n";
    struct Case {
        const char* what;
        std::string text;
        int line;
    };
    const Case cases[] = {
        {"empty", "", 1},
        {"no version line", good, 1},
        {"a newer version", "hamlinecalc-cables 2\n" + good, 1},
        {"a version that is none", "hamlinecalc-cables one\n", 1},
        {"truncated inside a cable", head + "cable A\nz0 50\nvf 0.6", 4},
        {"truncated before end", head + "cable A\nz0 50\nvf 0.66\nloss 0 0.4 0.006\n", 5},
        {"cut in the middle of a number", head + "cable A\nz0 50\nvf 0.66\nloss 0 0.4 0.0", 5},
        {"an unknown line", head + "cable A\nz0 50\ncolour red\n", 4},
        {"a number that is not one", head + "cable A\nz0 5O\n", 3},
        {"a comma", head + "cable A\nz0 50\nvf 0,66\n", 4},
        {"Z0 zero", head + "cable A\nz0 0\n", 3},
        {"VF above 1", head + "cable A\nvf 1.01\n", 3},
        {"z0 twice", head + "cable A\nz0 50\nz0 51\n", 4},
        {"missing vf", head + "cable A\nz0 50\nloss 0 0.4 0.006\nend\n", 5},
        {"loss with two numbers", head + "cable A\nloss 0 0.4\n", 3},
        {"a catalog name", head + "cable RG-58 (generic)\n", 2},
        {"a name twice", head + good + good, 7},
        {"a name too long", head + "cable " + std::string(65, 'n') + "\n", 2},
        {"a point before datasheet", head + "cable A\npoint 10 1\n", 3},
        {"a negative loss", head + "cable A\ndatasheet m\npoint 10 -1\n", 4},
        {"a frequency twice", head + "cable A\ndatasheet m\npoint 10 1\npoint 10 2\n", 5},
        {"a thirteenth point",
         head + "cable A\ndatasheet m\n" +
             [] {
                 std::string p;
                 for (int i = 1; i <= 13; ++i)
                     p += "point " + std::to_string(i) + " 1\n";
                 return p;
             }(),
         16},
        {"datasheet without points", head + "cable A\nz0 50\nvf 0.66\nloss 0 0.4 0.006\ndatasheet ft\nend\n",
         7},
        {"a unit that is none", head + "cable A\ndatasheet km\n", 3},
        {"measured and datasheet", head + "cable A\nmeasured 10 open\ndatasheet m\n", 4},
        {"a far end that is none", head + "cable A\nmeasured 10 closed\n", 3},
        {"a line beginning with a blank", head + " cable A\n", 2},
        {"a tab", head + "cable A\nz0\t50\n", 3},
        {"a control character", head + "cable A\x01\n", 2},
        {"a DEL in a sweep's name", head + "cable A\nmeasured 10 open ro\x7F.s1p\n", 3},
        {"two cables without end", head + "cable A\nz0 50\ncable B\n", 4},
        {"text after end", head + "cable A\nz0 50\nvf 0.66\nloss 0 0 0\nend now\n", 6},
        {"not UTF-8", head + "cable A\xFF\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            cables::parseCables(c.text, "/data/cables.txt");
            ADD_FAILURE() << "read";
        } catch (const cables::FileError& e) {
            EXPECT_EQ(e.line, c.line) << e.what();
            EXPECT_EQ(
                std::string(e.what()).rfind("/data/cables.txt, line " + std::to_string(c.line) + ": ", 0), 0u)
                << e.what();
        }
    }
    // What a person or another editor may leave: comments, blank lines, CR LF, a byte-order mark.
    const auto ok = cables::parseCables("\xEF\xBB\xBFhamlinecalc-cables 1\r\n# mine\r\n\r\n" + good, "x");
    EXPECT_EQ(names(ok), std::vector<std::string>{"A"});
}

TEST(CableStore, NoFileIsNoCablesAndNoProblem) {
    testdata::DataFolder data;
    const cables::Loaded l = cables::Store(cables::dataFolder()).load();
    EXPECT_TRUE(l.cables.empty());
    EXPECT_EQ(l.problem, "");
    EXPECT_EQ(cables::dataFolder(), data.cables());
}

// A file that cannot be read is reported naming the file and the line; the next save sets its bytes
// aside under a new name, never over an earlier one, and writes the new file in its place.
TEST(CableStore, ASpoiledFileIsSetAsideBeforeASave) {
    testdata::DataFolder data;
    const std::string spoiled = "hamlinecalc-cables 1\ncable Mine\nz0 50\nvf 0.66\nlos 0 1 2\nend\n";
    data.writeCableFile(spoiled);
    const cables::Store store(data.cables());
    const cables::Loaded l = store.load();
    EXPECT_TRUE(l.cables.empty());
    EXPECT_EQ(l.problem.rfind(data.cableFile() + ", line 5: ", 0), 0u) << l.problem;
    EXPECT_EQ(testdata::readFile(data.cableFile()), spoiled); // reading changes nothing

    const cables::Saved s = store.save({{cable("New")}, {}, {}}, l.cables);
    ASSERT_TRUE(s.ok) << s.problem;
    EXPECT_EQ(names(s.cables), std::vector<std::string>{"New"});
    ASSERT_NE(s.setAside, "");
    EXPECT_EQ(testdata::readFile(s.setAside), spoiled);
    EXPECT_EQ(names(store.load().cables), std::vector<std::string>{"New"});

    // Spoiled again in the same second: a second name, the first one kept.
    const std::string again = "garbage\n";
    testdata::writeFile(data.cableFile(), again);
    const cables::Saved t = store.save({{cable("Newer")}, {}, {}}, s.cables);
    ASSERT_TRUE(t.ok) << t.problem;
    EXPECT_NE(t.setAside, s.setAside);
    EXPECT_EQ(testdata::readFile(t.setAside), again);
    EXPECT_EQ(testdata::readFile(s.setAside), spoiled);
    // The cables the program held are kept when the file is unreadable.
    EXPECT_EQ(names(t.cables), (std::vector<std::string>{"New", "Newer"}));
}

TEST(CableStore, AnUnwritableFolderIsSaidAndNothingChanges) {
    testdata::DataFolder data;
    // A file where the program's folder should be: no user, not even root, can make the folder.
    testdata::writeFile(data.cables(), "not a folder");
    const cables::Saved s = cables::Store(data.cables()).save({{cable("A")}, {}, {}}, {});
    EXPECT_FALSE(s.ok);
    EXPECT_NE(s.problem.find(data.cables()), std::string::npos) << s.problem;
    EXPECT_EQ(testdata::readFile(data.cables()), "not a folder");

    if (::geteuid() != 0) { // permissions bind everyone but root
        std::filesystem::remove(data.cables());
        std::filesystem::create_directories(data.cables());
        testdata::writeFile(data.cableFile(), cables::writeCables({cable("Old")}));
        std::filesystem::permissions(data.cables(),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        const cables::Saved r = cables::Store(data.cables()).save({{cable("A")}, {}, {}}, {});
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.problem.find("cannot be written"), std::string::npos) << r.problem;
        EXPECT_EQ(names(cables::Store(data.cables()).load().cables), std::vector<std::string>{"Old"});
    }
}

// Saves replace a cable of the same name in its place, and remove by name.
TEST(CableStore, ChangesApplyToTheFileAsItIs) {
    testdata::DataFolder data;
    const cables::Store store(data.cables());
    ASSERT_TRUE(store.save({{cable("A"), cable("B"), cable("C")}, {}, {}}, {}).ok);
    const auto s = store.save({{cable("B", 75)}, {"A"}, {}}, {});
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(names(s.cables), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(s.cables[0].line.Z0, 75);
    // Renamed, a cable keeps its place; a cable already called by the new name gives way.
    const auto r = store.save({{cable("D")}, {}, {{"B", cable("C2")}}}, {});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(names(r.cables), (std::vector<std::string>{"C2", "C", "D"}));
    const auto t = store.save({{}, {}, {{"C2", cable("D", 60)}}}, {});
    EXPECT_EQ(names(t.cables), (std::vector<std::string>{"D", "C"}));
    EXPECT_EQ(t.cables[0].line.Z0, 60);
    // No temporary file is left behind.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(data.cables()))
        files += e.path().filename() != "cables.txt" && e.path().filename() != "cables.lock";
    EXPECT_EQ(files, 0);
}

// Two programs saving at once, each with its own view: every cable either saved is in the file.
TEST(CableStore, TwoWritersKeepEachOthersCables) {
    testdata::DataFolder data;
    constexpr int kEach = 25;
    auto writer = [&](const std::string& prefix) {
        const cables::Store store(data.cables()); // its own lock descriptor, as another program has
        std::vector<cables::Cable> known;
        for (int i = 0; i < kEach; ++i) {
            const auto s = store.save({{cable(prefix + std::to_string(i))}, {}, {}}, known);
            ASSERT_TRUE(s.ok) << s.problem;
            known = s.cables;
        }
    };
    std::thread one(writer, "first "), two(writer, "second ");
    one.join();
    two.join();
    const auto all = cables::Store(data.cables()).load();
    EXPECT_EQ(all.problem, "");
    EXPECT_EQ(all.cables.size(), 2u * kEach);

    // Another program holds the lock: a save waits for it, then gives up with a message.
    if (std::filesystem::exists("/usr/bin/flock")) {
        const pid_t holder = ::fork();
        if (holder == 0) {
            ::execl("/usr/bin/flock", "flock", (data.cables() + "/cables.lock").c_str(), "sleep", "2",
                    nullptr);
            ::_exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const int before = cables::lockWaitMilliseconds;
        cables::lockWaitMilliseconds = 200;
        const auto s = cables::Store(data.cables()).save({{cable("late")}, {}, {}}, {});
        cables::lockWaitMilliseconds = before;
        EXPECT_FALSE(s.ok);
        EXPECT_NE(s.problem.find("lock"), std::string::npos) << s.problem;
        ::waitpid(holder, nullptr, 0);
        EXPECT_TRUE(cables::Store(data.cables()).save({{cable("late")}, {}, {}}, {}).ok);
    }
}

} // namespace
