// The window's panels: the walk from a control out to the frames that hold it, where a control lies in
// the window, and every result the window shows as one text (what "Copia tutti i risultati" copies).
#pragma once

#include "ui/form.h"

#include <functional>
#include <string>

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

// All the results the window shows, as plain text for a log: each panel's caption, then each of its
// results that holds a text, after the result's name ("name: text", or "name:" with the lines of a
// result of more lines below it); lines end in a line feed, panels stand apart by an empty line. Empty when
// no result stands. `shown` translates the captions and names (as they are when it is empty).
std::string resultsText(const Form& f, const ShownText& shown = {});

} // namespace ui
