// The window's design: every control with its start properties, and the Tab order.
#pragma once

#include "ui/controls.h"

#include <string>
#include <vector>

namespace ui {

// Client area of the window, in twips.
inline constexpr int kFormWidth = 10320;
inline constexpr int kFormHeight = 10170;

// What a screen reader says of every result field, after its name.
inline constexpr const char* kResultDescription = "Risultato, sola lettura";

// Every control of the window in creation order (containers before what they hold), with its design
// texts, captions, tool tips, geometry and selections. The catalog lists (Combo2's items and the hidden
// lists Z, VF, K0, K1, K2) are created empty: the cable catalog fills them.
std::vector<Control> controlSet();

// The Tab order of the window.
std::vector<std::string> focusOrder();

} // namespace ui
