// The window's panels: the walk from a control out to the frames that hold it, where a control lies in
// the window, and every result the window shows as one text (what "Copia tutti i risultati" copies).
#pragma once

#include "ui/form.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

// The outermost frame that holds the control: its panel (the control itself when it lies on the window).
const Control& panelOf(const Form& f, const Control& c);

// The control's top-left corner in twips from the window's own corner.
struct Point {
    int left = 0;
    int top = 0;
};
Point windowOrigin(const Form& f, const Control& c);

// A model text (a caption, a result's name) as the window shows it: in its language.
using ShownText = std::function<std::string(const std::string&)>;

// A result that stands in the window, with the controls it was computed from.
struct StandingResult {
    std::string field;               // the result field
    std::vector<std::string> inputs; // in the order they are copied: fields, drop-downs, option groups
};

// The standing results as plain text for a log: each panel's caption, then each of its results after the
// inputs it was computed from. An input field or drop-down reads "name: text"; an option group reads
// "caption: the chosen option", or, when the group has no caption, adds the chosen option to the line
// before it (a unit: "Tensione V: 10 Vrms"). The result follows its name ("name: text", or "name:" with the
// lines of a result of more lines below it). Lines end in a line feed; results and panels stand apart by an
// empty line. Empty when none stands. `shown` translates the captions and names (as they are when empty).
std::string resultsText(const Form& f, const std::vector<StandingResult>& results,
                        const ShownText& shown = {});

} // namespace ui
