// A restarted window is a new window: after any scenario, restart() leaves every control, the focus,
// the decimal sign and every window-level variable as a newly started window has them, and the same
// script then prints the same on both.
#include "line/line.h"
#include "point/point.h"
#include "tools/formscript/formscript.h"
#include "tuner/tuner.h"
#include "ui/form.h"
#include "user_data.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> scenarioScripts() {
    std::vector<std::filesystem::path> scripts;
    for (const auto& e : std::filesystem::directory_iterator(HLC_SCENARIO_DIR))
        if (e.path().extension() == ".script")
            scripts.push_back(e.path());
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every line, as the fuzzer runs them: a misused command is skipped.
void runLines(formscript::Session& s, const std::string& script) {
    std::istringstream in(script);
    std::string line;
    while (std::getline(in, line)) {
        try {
            s.execute(line);
        } catch (const formscript::ScriptError&) {
        }
    }
}

TEST(Restart, AfterEveryScenarioTheWindowIsANewOne) {
    const auto scripts = scenarioScripts();
    ASSERT_GT(scripts.size(), 40u);
    std::ostringstream outA;
    formscript::Session reused(outA); // one window for all scripts, as the fuzzer keeps it
    for (const auto& path : scripts) {
        SCOPED_TRACE(path.filename().string());
        // The user's cable file is read at start only: a scenario that starts from one cannot be repeated
        // on a window started without it.
        if (std::filesystem::exists(std::filesystem::path(path).replace_extension(".cables")))
            continue;
        const std::string script = readAll(path);
        {
            testdata::DataFolder data; // a cable the script saves stays out of the next window's start
            runLines(reused, script);
        }
        reused.restart();

        // Each window saves its cables into a folder of its own, empty when the script begins.
        std::optional<testdata::DataFolder> forFresh(std::in_place);
        std::ostringstream outB;
        formscript::Session fresh(outB);
        EXPECT_EQ(reused.form().differenceFrom(fresh.form()), "");

        outA.str("");
        {
            testdata::DataFolder forReused;
            runLines(reused, script);
        }
        runLines(fresh, script);
        forFresh.reset();
        const std::string a = outA.str(), b = outB.str();
        const auto at = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
        EXPECT_TRUE(a == b) << "the outputs differ from byte " << at << ": \"" << a.substr(at, 80)
                            << "\" vs \"" << b.substr(at, 80) << '"';
        EXPECT_EQ(reused.form().differenceFrom(fresh.form()), "");
    }
}

// The comparison sees what a restart must undo.
TEST(Restart, TheComparisonSeesEachKindOfChange) {
    struct Case {
        const char* what;
        void (*change)(ui::Form&);
        const char* difference; // the start of what differenceFrom names
    };
    const Case cases[] = {
        {"typed text", [](ui::Form& f) { f.userEdit("Text7", "50"); }, "Text7 text"},
        {"a disabled field", [](ui::Form& f) { f.setEnabled("Text28", false); }, "Text28 enabled"},
        {"an option", [](ui::Form& f) { f.userClick("Option11"); }, "Option16 value"},
        {"a bold caption", [](ui::Form& f) { f.setBold("Label36", false); }, "Label36 bold"},
        {"the focus", [](ui::Form& f) { f.userFocus("Text8"); }, "the focus"},
        {"the decimal sign", [](ui::Form& f) { f.setDecimalSign(','); }, "the decimal sign"},
        {"a message", [](ui::Form& f) { f.messageBox("x", "y"); }, "the message count"},
        {"a line variable", [](ui::Form& f) { f.vars<line::LineVars>().LZL = 75; }, "the variables"},
        {"a text variable", [](ui::Form& f) { f.vars<point::PointVars>().PWRSTR = "1"; }, "the variables"},
        {"a variable the other window has not used", [](ui::Form& f) { f.vars<tuner::TunerVars>().SR = 0.5; },
         "the variables"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui::Form changed, fresh;
        wiring::start(changed);
        wiring::start(fresh);
        ASSERT_EQ(changed.differenceFrom(fresh), "");
        c.change(changed);
        EXPECT_EQ(changed.differenceFrom(fresh).rfind(c.difference, 0), 0u) << changed.differenceFrom(fresh);
        changed.restart();
        EXPECT_EQ(changed.differenceFrom(fresh), "");
    }
}

// A struct first used after Load goes back to a new one; one used only by the other window compares as
// the new one its first use would make.
TEST(Restart, VariablesFirstUsedLaterGoBackToNew) {
    ui::Form a, b;
    wiring::start(a);
    wiring::start(b);
    auto& t = a.vars<tuner::TunerVars>();
    t.SR = 0.25;
    t.SGI = "-";
    a.restart();
    EXPECT_EQ(&a.vars<tuner::TunerVars>(), &t); // in place: a reference taken before stays valid
    EXPECT_EQ(t.SR, 0.0);
    EXPECT_EQ(t.SGI, "");
    EXPECT_EQ(a.differenceFrom(b), "");
}

} // namespace
