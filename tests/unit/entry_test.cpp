// The entry rules of the 34 numeric input fields on the real window: which keys each field takes, and
// which results each edit empties.
#include "ui/form.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

class Recorder : public ui::Ports {
  public:
    void messageBox(const std::string& title, const std::string& prompt) override {
        log.push_back(title + ": " + prompt);
    }
    void openDocument(const std::string&) override {}
    std::vector<std::string> log;
};

struct Field {
    const char* name;
    bool signedValue;
    std::set<std::string> empties;
};

const std::set<std::string> kPoint = {"Text2", "Text3", "Text4", "Text19"};

// Every input field: whether it takes a minus sign, and the results an edit of it empties.
const std::vector<Field> kFields = {
    {"Text7", false, kPoint},      {"Text8", true, kPoint},       {"Text9", false, {"Text2"}},
    {"Text10", true, {"Text3"}},   {"Text18", false, {"Text19"}}, {"Text6", false, {"Text4"}},
    {"Text12", false, {"Text4"}},  {"Text11", true, {"Text4"}},   {"Text15", false, {"Text5"}},
    {"Text1", true, {"Text5"}},    {"Text16", false, {"Text5"}},  {"Text17", true, {"Text5"}},
    {"Text13", false, {"Text5"}},  {"Text14", false, {"Text5"}},  {"Text20", false, {"Text5"}},
    {"Text21", false, {"Text5"}},  {"Text30", true, {"Text5"}},   {"Text34", true, {"Text5"}},
    {"Text36", true, {"Text5"}},   {"Text37", true, {"Text5"}},   {"Text33", true, {"Text5"}},
    {"Text32", true, {"Text5"}},   {"Text31", true, {"Text5"}},   {"Text35", true, {"Text5"}},
    {"Text38", true, {"Text5"}},   {"Text39", true, {"Text5"}},   {"Text23", false, {"Text22"}},
    {"Text24", true, {"Text22"}},  {"Text28", false, {"Text22"}}, {"Text29", false, {"Text22"}},
    {"Text26", false, {"Text22"}}, {"Text40", false, {"Text22"}}, {"Text25", false, {"Text22"}},
    {"Text27", false, {"Text22"}},
};

const std::vector<std::string> kResults = {"Text2", "Text3", "Text4", "Text19", "Text5", "Text22"};

class EntryRules : public ::testing::Test {
  protected:
    void SetUp() override {
        f.setPorts(&ports);
        wiring::start(f);
    }
    void fillResults() {
        for (const auto& r : kResults)
            f.setText(r, "result");
    }
    std::set<std::string> emptied() const {
        std::set<std::string> out;
        for (const auto& r : kResults)
            if (f.text(r).empty())
                out.insert(r);
        return out;
    }
    ui::Form f;
    Recorder ports;
};

TEST_F(EntryRules, ThereAreThirtyFourInputFields) {
    EXPECT_EQ(kFields.size(), 34u);
}

TEST_F(EntryRules, EachFieldTakesOnlyWhatANumberMayHold) {
    for (const auto& field : kFields) {
        for (char32_t c = 1; c < 128; ++c) {
            const bool digit = c >= '0' && c <= '9';
            const bool passes = c < 32 || digit || c == '.' || (field.signedValue && c == '-');
            const int code = f.keyPress(field.name, c);
            EXPECT_EQ(code, passes ? static_cast<int>(c) : 0)
                << field.name << " code " << static_cast<int>(c);
        }
    }
}

TEST_F(EntryRules, ATypedCommaWarnsOnceAndIsDropped) {
    for (const auto& field : kFields) {
        ports.log.clear();
        if (f.acceptsText(field.name)) {
            const std::string before = f.text(field.name);
            f.userType(field.name, U',');
            EXPECT_EQ(f.text(field.name), before) << field.name;
            EXPECT_EQ(f.focused(), field.name);
        } else {
            // the catalog fields take typing only once the line data are entered by hand
            EXPECT_EQ(f.keyPress(field.name, U','), 0) << field.name;
        }
        ASSERT_EQ(ports.log.size(), 1u) << field.name;
        EXPECT_EQ(ports.log[0], "Decimal Separation: Use Dot as Decimal Separator!");
    }
}

TEST_F(EntryRules, EditingKeysAndClipboardKeysPass) {
    // Backspace, Enter, Escape, and Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Z.
    for (const auto& field : kFields)
        for (char32_t c : {U'\b', U'\r', U'\x1b', U'\x03', U'\x18', U'\x16', U'\x1a'})
            EXPECT_EQ(f.keyPress(field.name, c), static_cast<int>(c)) << field.name;
    EXPECT_TRUE(ports.log.empty());
}

TEST_F(EntryRules, OtherControlsHaveNoFilter) {
    for (const char* name : {"Combo2", "Text22", "Text2", "Text41"})
        EXPECT_EQ(f.keyPress(name, U'x'), static_cast<int>(U'x')) << name;
}

TEST_F(EntryRules, AnEditEmptiesTheResultsComputedFromTheField) {
    for (const auto& field : kFields) {
        if (f.acceptsText(field.name)) {
            fillResults();
            f.userType(field.name, U'1');
            EXPECT_EQ(emptied(), field.empties) << field.name << " typed";
        }
        // written by the program
        fillResults();
        f.setText(field.name, f.text(field.name) + "2");
        EXPECT_EQ(emptied(), field.empties) << field.name << " written";
        // the same text written again is no change
        fillResults();
        f.setText(field.name, f.text(field.name));
        EXPECT_TRUE(emptied().empty()) << field.name << " unchanged";
    }
}

} // namespace
