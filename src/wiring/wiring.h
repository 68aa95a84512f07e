// Which control's event runs which handler: the one place above the calculators that knows them all.
#pragma once

#include "ui/form.h"

namespace wiring {

// Creates the window's controls, fills the catalog lists and registers every handler.
void build(ui::Form& f);

// build, the user's cables from their file, then the Load handling: the window as the operator first sees
// it, focus on Text7; then the message box of a cable file that could not be read, if any.
// A window of its own says the problem once it is shown: it passes false, then calls
// showCableFileProblem (wiring/cables.h).
void start(ui::Form& f, bool sayCableFileProblem = true);

} // namespace wiring
