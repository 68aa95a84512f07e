#include "wiring/wiring.h"

#include "point/point.h"
#include "ui/entry.h"
#include "ui/window.h"

namespace wiring {

using ui::Event;

void build(ui::Form& f) {
    ui::createControls(f);
    f.onLoad(ui::formLoad);
    ui::installEntryRules(f);

    // Point calculator
    f.on("Command4", Event::Click, point::command4Click, "Text4");
    for (const char* o : {"Option1", "Option2", "Option13"})
        f.on(o, Event::Click, ui::emptyOnClick("Text2"));
    for (const char* o : {"Option7", "Option8"})
        f.on(o, Event::Click, ui::emptyOnClick("Text3"));

    // Input-output comparison
    for (const char* o : {"Option3", "Option4", "Option14", "Option5", "Option6", "Option15"})
        f.on(o, Event::Click, ui::emptyOnClick("Text5"));

    // Guide
    f.on("Command7", Event::Click, ui::command7Click);
}

void start(ui::Form& f) {
    build(f);
    f.load();
}

} // namespace wiring
