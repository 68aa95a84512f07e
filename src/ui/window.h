// The window's own handlings that belong to no calculator: start-up, the unit-option clicks and the
// guide button.
#pragma once

#include "ui/form.h"

#include <string>

namespace ui {

// The address of the user guide, a PDF document on the publisher's web server.
inline constexpr const char* kGuideAddress = "https://hamlinecalc.github.io/Kolv31itaguide.pdf";

// The title of the window.
inline constexpr const char* kWindowTitle = "HamLineCalc - SWR, feed line and tuner calculator";

// Creates every control of the design and the Tab order.
void createControls(Form& f);

// Load: the start state that the design alone does not give.
void formLoad(Form& f);

// Command7: hands the guide's address to the desktop; nothing in the window changes.
void command7Click(Form& f);

// A click on a unit option: the result computed for the other unit no longer holds.
Handler emptyOnClick(std::string resultField);

} // namespace ui
