// Measurements in: a Touchstone file's values at one frequency written into the window's fields, as a
// calculator writes them (each write raises Change, so the change rule empties the dependent results),
// all of them or none.
#pragma once

#include "touchstone/touchstone.h"
#include "ui/form.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wiring {

// Where an imported measurement goes.
enum class ImportTarget {
    Point,   // Z = R + jX from S11 -> Text7, Text8
    Line,    // Z from S11 -> Text23, Text24, the frequency -> Text28
    Antenna, // S11 on 50 ohm -> Text30, Text34
    Tuner,   // S11, S21, S22, S12 on 50 ohm -> Text36/37, Text33/32, Text31/35, Text38/39
};

// "point", "line", "antenna", "tuner"; nullopt for any other word.
std::optional<ImportTarget> importTarget(std::string_view word);

// Whether the target can take the file's values: the tuner needs a two-port file, the others take S11.
bool importFits(ImportTarget target, const touchstone::Network& n);

// What the import dialog says of a frequency before it is imported into the target: for the line panel,
// that it is beyond the range of the cable data (the panel then shows its "FREQ. > 150 MHZ" warning);
// empty when there is nothing to say.
std::string importNote(ImportTarget target, double mhz);

// What OK in the import dialog does: the values of the network at mhz into the target's fields. A
// frequency outside the file, a target that does not fit, or a value a field refuses is shown in a
// message box and nothing is written. Returns true when the fields were written. The line panel is left
// as typing the same values would leave it: R, X and the frequency written, then the frequency field's
// leaving handled (the range text, the warning above the cable data's range).
bool importNetwork(ui::Form& f, ImportTarget target, double mhz, const touchstone::Network& n);

// Reads the file, then importNetwork; a refused file is shown in a message box and nothing is written.
bool importMeasurement(ui::Form& f, ImportTarget target, double mhz, const std::string& path);

// The message box that tells why a file was refused.
void showRefusedFile(ui::Form& f, const touchstone::Error& e);

// The last sweep imported into the line panel, as a one-port on its file's reference (S11 of a two-port
// file); null when none was, or when a measured point or frequency was typed into the panel since: the
// sweep no longer belongs to it.
const touchstone::Network* lineSweep(const ui::Form& f);

// The analyser's last finished sweep, whichever panel it went to: a cable's measurement can take it as
// it would take the same sweep saved to a file.
void keepAnalyserSweep(ui::Form& f, const touchstone::Network& sweep);
const touchstone::Network* analyserSweep(const ui::Form& f);

// The panels a file dropped on the window goes to, each by its frame, innermost first (a frame inside
// another comes before it): the drop picks the first whose frame lies under the drop point.
const std::vector<std::pair<const char*, ImportTarget>>& importPanels();

// The frequency the import dialog starts at: the line panel's frequency when the file covers it, else
// the file's first point (which has one: a read file has points).
double importStartMhz(const ui::Form& f, const touchstone::Network& n);

// Drops the line panel's sweep (the wiring does it on a change of R, X or the frequency).
void dropLineSweep(ui::Form& f);
// Whether a sweep imported into the line panel was dropped so (and none imported since).
bool lineSweepDropped(const ui::Form& f);

} // namespace wiring
