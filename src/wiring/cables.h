// The user's cables in the window: read from the user's cable file at start and installed into the line
// panel's list, and every change (add, replace, remove, import) saved to the file and installed again.
// A change is saved first: what cannot be saved is refused with a message box and changes nothing.
#pragma once

#include "cables/cable.h"
#include "cables/store.h"
#include "ui/form.h"

#include <string>
#include <vector>

namespace wiring {

// Window-level: the user's cables as the file holds them, with their datasheet points or measurement.
struct CableVars {
    std::vector<cables::Cable> all;
    std::string startProblem; // why the file could not be read at start, said once after Load
    bool operator==(const CableVars&) const = default;
};

// Reads the file (before Load) and installs its cables into the line panel's list.
void loadUserCables(ui::Form& f);

// After Load: the message box of a file that could not be read, once.
void showCableFileProblem(ui::Form& f);

// The user's cables the window holds.
const std::vector<cables::Cable>& userCables(const ui::Form& f);

// The store of the user's cable file ($XDG_DATA_HOME/hamlinecalc).
cables::Store cableStore();

// Saves the change and installs the file's cables into the list. A failure is shown in a message box
// titled "Cable File" and changes nothing; returns whether it was saved.
bool saveCables(ui::Form& f, const cables::Change& change);

// Reads a cable file to share and adds its cables (a cable of the same name is replaced); a file that
// cannot be read whole is refused with a message box and adds nothing.
bool importCables(ui::Form& f, const std::string& path);

// Writes the user's cables to a file to share; false after a message box when it cannot.
bool exportCables(ui::Form& f, const std::string& path);

// A refusal as the window shows it: a message box titled "Cable " and the field.
void showRefusal(ui::Form& f, const cables::Refusal& r);

} // namespace wiring
