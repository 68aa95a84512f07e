#include "wiring/wiring.h"

#include "compare/compare.h"
#include "line/catalog.h"
#include "line/line.h"
#include "point/point.h"
#include "tuner/tuner.h"
#include "ui/entry.h"
#include "ui/window.h"
#include "wiring/cables.h"
#include "wiring/import.h"
#include "wiring/results.h"

namespace wiring {

using ui::Event;

namespace {

// ---- the point calculator (left panel) ----------------------------------------------------------------
void wirePoint(ui::Form& f) {
    onCalculation(f, "Command1", point::command1Click, "Text2");
    onCalculation(f, "Command2", point::command2Click, "Text3");
    onCalculation(f, "Command5", point::command5Click, "Text19");
    f.on("Command4", Event::Click, point::command4Click, "Text4");
    for (const char* o : {"Option1", "Option2", "Option13"})
        f.on(o, Event::Click, ui::emptyOnClick("Text2"));
    for (const char* o : {"Option7", "Option8"})
        f.on(o, Event::Click, ui::emptyOnClick("Text3"));
}

// ---- the input-output comparison (upper right panel) ----------------------------------------------------
void wireCompare(ui::Form& f) {
    onCalculation(f, "Command3", compare::command3Click, "Text5");
    onCalculation(f, "Command6", compare::command6Click, "Text5");
    for (const char* o : {"Option3", "Option4", "Option14", "Option5", "Option6", "Option15"})
        f.on(o, Event::Click, ui::emptyOnClick("Text5"));
}

// ---- the tuner's S-parameters (lower right panel) ---------------------------------------------------------
void wireTuner(ui::Form& f) {
    f.on("Text30", Event::LostFocus, tuner::text30LostFocus);
    f.on("Text34", Event::LostFocus, tuner::text34LostFocus);
    f.on("Text33", Event::LostFocus, tuner::text33LostFocus);
    f.on("Text32", Event::LostFocus, tuner::text32LostFocus);
    f.on("Command8", Event::Click, tuner::command8Click, "Text5");
}

// ---- the transmission line (bottom panel) -----------------------------------------------------------------
void wireLine(ui::Form& f) {
    line::fillCatalogLists(f);
    f.on("Combo2", Event::Change, line::ApplyCable);
    f.on("Combo2", Event::LostFocus, line::ApplyCable);
    f.on("Option16", Event::Click, line::option16Click);
    f.on("Option11", Event::Click, line::option11Click);
    for (Event e : {Event::Change, Event::GotFocus, Event::LostFocus})
        f.on("HScroll1", e, line::hScroll1Change, "Text22");
    f.on("Option10", Event::Click, line::option10Click);
    f.on("Option9", Event::Click, line::option9Click);
    f.on("Combo1", Event::LostFocus, line::HalfWaveRange, "Text41");
    f.on("Text27", Event::LostFocus, line::text27LostFocus, "Text41");
    f.on("Text28", Event::LostFocus, line::text28LostFocus, "Text41");
    f.on("Command9", Event::Click, line::PowerExchange, "Text22");
}

} // namespace

void build(ui::Form& f) {
    ui::createControls(f);
    wireLine(f); // fills the catalog lists, which the Load handling counts
    f.onLoad(ui::formLoad);
    ui::installEntryRules(f);
    // An imported sweep belongs to the measured point and frequency it came with: a new R, X or frequency
    // in the line panel drops it, after the change rule has emptied the results.
    for (const char* field : {"Text23", "Text24", "Text28"}) {
        ui::Handler rule = f.handler(field, Event::Change);
        f.on(field, Event::Change, [rule](ui::Form& form) {
            if (rule)
                rule(form);
            dropLineSweep(form);
        });
    }
    wirePoint(f);
    wireCompare(f);
    wireTuner(f);
    f.on("Command7", Event::Click, ui::command7Click);
}

void start(ui::Form& f, bool sayCableFileProblem) {
    build(f);
    loadUserCables(f); // before Load: a restart finds the list as the start made it
    f.load();
    if (sayCableFileProblem)
        showCableFileProblem(f);
}

} // namespace wiring
