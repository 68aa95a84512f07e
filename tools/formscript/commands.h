// The commands of a script, each a function of its Context (context.h); formscript.cpp lists them by
// name. A new command: its function in a file of its own here, declared below, and one line in that
// list. A command that is misused throws ScriptError (formscript.h).
#pragma once

#include "tools/formscript/context.h"

namespace formscript {

// The operator's actions and what the window shows (window_commands.cpp).
void tabCommand(Context& c);
void decimalCommand(Context& c);
void accelCommand(Context& c);
void typeCommand(Context& c);
void pasteCommand(Context& c);
void clearCommand(Context& c);
void clickCommand(Context& c);
void focusCommand(Context& c);
void pickCommand(Context& c);
void scrollCommand(Context& c);
void showCommand(Context& c);
void stateCommand(Context& c);

// Measurements in (import_commands.cpp).
void importCommand(Context& c);

// The Smith chart, the band and matching (chart_commands.cpp).
void chartCommand(Context& c);
void matchCommand(Context& c);
void exportCommand(Context& c);
void lineModelCommand(Context& c);

// The user's cables: add, list, remove, measure (cable_commands.cpp).
void cableCommand(Context& c);

// A NanoVNA on a serial port (analyser_commands.cpp).
void analyserCommand(Context& c);
void sweepCommand(Context& c);
void saveCommand(Context& c);

} // namespace formscript
