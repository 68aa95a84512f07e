// What "Copia tutti i risultati" copies: the results that stand in the window, each with the inputs it was
// computed from, for a log.
#pragma once

#include "ui/form.h"
#include "ui/panels.h"

#include <string>
#include <vector>

namespace wiring {

// Registers a calculation's handler so that the result it writes is known with its inputs afterwards.
void onCalculation(ui::Form& f, const char* command, ui::Handler h, const char* resultField);

// The results that stand now, each with its inputs: a result the operator's change of an input has not
// emptied since it was written, and not a message in its place ("Insert a proper voltage value!").
std::vector<ui::StandingResult> standingResults(const ui::Form& f);

// The standing results as text (ui::resultsText).
std::string resultsText(const ui::Form& f, const ui::ShownText& shown = {});

} // namespace wiring
