#include "wiring/results.h"

#include "compare/compare.h"
#include "line/line.h"
#include "point/point.h"
#include "tuner/tuner.h"

#include <cstdint>
#include <map>
#include <string_view>

namespace wiring {

namespace {

// The calculation that last wrote each result field, and the field's stamp then: the result stands while
// the field keeps that stamp.
struct WrittenVars {
    struct Written {
        std::string command;
        std::uint64_t stamp = 0;
        bool operator==(const Written&) const = default;
    };
    std::map<std::string, Written, std::less<>> byField;
    bool operator==(const WrittenVars&) const = default;
};

// The controls each calculation reads, in the order they are copied. An option group without a caption
// adds its chosen option to the field before it, as the unit of its number.
const std::map<std::string_view, std::vector<std::string>>& calculationInputs() {
    static const std::map<std::string_view, std::vector<std::string>> inputs = {
        {"Command1", {"Text7", "Text8", "Text9", "Frame3"}},
        {"Command2", {"Text7", "Text8", "Text10", "Frame10"}},
        {"Command5", {"Text7", "Text8", "Text18"}},
        {"Command4", {"Text7", "Text8", "Text12", "Text11", "Text6"}},
        {"Command3", {"Text15", "Text1", "Text16", "Text17", "Text13", "Frame8", "Text14", "Frame9"}},
        {"Command6", {"Text15", "Text1", "Text16", "Text17", "Text20", "Text21"}},
        {"Command8",
         {"Text30", "Text34", "Text36", "Text37", "Text33", "Text32", "Text31", "Text35", "Text38",
          "Text39"}},
    };
    return inputs;
}

// The texts the calculations write in place of a result.
bool isMessage(std::string_view text) {
    for (const char* m : {point::kNoVoltage, point::kNoPower, point::kNoCurrent, point::kNoForwardPower,
                          compare::kNoVoltage, compare::kNoCurrent, tuner::kInvalidData})
        if (text == m)
            return true;
    return false;
}

// The line's inputs as the run read them (any change of one empties the line's result): the cable, or the
// loss typed in its place, the measured point, frequency and powers, the line's data, the direction, the
// half-wave cycles and the stretch of line the slider covers.
std::vector<std::string> lineInputs(const ui::Form& f) {
    std::vector<std::string> in;
    in.push_back(f.selected("Option11") ? "Text40" : "Combo2");
    for (const char* c : {"Text25", "Text27", "Text23", "Text24", "Text28", "Text29", "Text26", "Frame12",
                          "Combo1", "Text41"})
        in.push_back(c);
    return in;
}

} // namespace

void onCalculation(ui::Form& f, const char* command, ui::Handler h, const char* resultField) {
    f.on(
        command, ui::Event::Click,
        [command, h = std::move(h), resultField](ui::Form& form) {
            h(form);
            form.vars<WrittenVars>().byField[resultField] = {command, form.textStamp(resultField)};
        },
        resultField);
}

std::vector<ui::StandingResult> standingResults(const ui::Form& f) {
    std::vector<ui::StandingResult> out;
    const auto& byField = f.vars<WrittenVars>().byField;
    for (const ui::Control& c : f.controls()) { // in the window's order
        // The SWR and the tuner keep their own record, which also holds when the program computes them
        // again after an import; the other calculations are known from their clicks.
        std::string_view command;
        if (c.name == point::names::kSwrResult) {
            if (point::standingLoad(f))
                command = "Command4";
        } else if (c.name == tuner::names::kReport && tuner::standingResult(f)) {
            command = "Command8";
        } else if (const auto written = byField.find(c.name);
                   written != byField.end() && f.stands(c.name, written->second.stamp)) {
            command = written->second.command;
        }
        if (command.empty() || c.text.empty() || isMessage(c.text))
            continue;
        out.push_back({c.name, calculationInputs().at(command)});
    }
    if (line::standingRun(f) && !f.text(line::names::kResult).empty())
        out.push_back({line::names::kResult, lineInputs(f)});
    return out;
}

std::string resultsText(const ui::Form& f, const ui::ShownText& shown) {
    return ui::resultsText(f, standingResults(f), shown);
}

} // namespace wiring
