// The kinds of control of the window and the properties the logic and the binding use.
#pragma once

#include <string>
#include <vector>

namespace ui {

enum class Kind { TextBox, Label, Frame, CommandButton, OptionButton, ComboBox, ListBox, HScrollBar };

// The two system colours a text box background can take.
enum class BackColor { Window, Highlight };

// Position and size in twips, relative to the container's top-left corner.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Geometry&) const = default;
};

struct Control {
    std::string name; // "Text7", "Label2(0)", "Command4" ...
    Kind kind = Kind::Label;
    std::string container; // name of the frame that holds it; empty for the window itself
    std::string text;      // text of a text box or combo box, caption of the other kinds ("&" kept)
    std::string toolTip;
    // What a screen reader says the control is: for a field, its label with the unit ("R ohm"); for a
    // result field, what it holds. Empty where the caption says it (buttons, labels, frames).
    std::string accessibleName;
    // The label of the same container that captions it on screen, for the screen readers that name a list
    // by its current item and take its caption from the label beside it (the cycle list); else empty.
    std::string labelledBy;
    Geometry geom;

    bool enabled = true;
    bool visible = true;
    bool bold = false;
    int fontSize = 0; // points; 0 = the window's default font size

    int value = 0; // option button: 1 when selected; scroll bar: its position
    int minimum = 0;
    int maximum = 0;
    int smallChange = 1; // scroll bar arrow step
    int largeChange = 1; // scroll bar track-click step

    BackColor back = BackColor::Window;
    bool multiLine = false;
    bool locked = false;      // text box the user cannot edit
    bool pickOnly = false;    // combo box whose text can only be picked from its list
    bool result = false;      // a text box that only the program writes
    bool captionLeft = false; // option button whose caption stands left of its button
    char accessKey = 0;       // upper-case character after "&" in a command button's caption

    std::vector<std::string> items; // combo box and list box items

    bool operator==(const Control&) const = default;
};

} // namespace ui
