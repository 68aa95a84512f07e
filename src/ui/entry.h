// The rules every numeric input field shares: a keystroke filter that lets through only what a decimal
// number may hold, and a change rule that empties the results computed from the field.
#pragma once

#include "ui/form.h"

#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct InputField {
    const char* name;
    bool signedValue;                 // the minus sign may be typed
    std::vector<const char*> empties; // result fields computed from this input
    bool sParameter = false;          // an import writes six significant digits into it
};

// The 34 numeric input fields.
const std::vector<InputField>& inputFields();
// The field of that name, or null when it is none of them.
const InputField* inputField(std::string_view name);

// The number texts a field must show whole, without scrolling: six characters of a typed number
// ("-12.35", "123.45"); in an S-parameter field also the nine characters of the six significant digits
// an import writes ("-0.151514", "0.0234769").
std::vector<std::string> widestTexts(const InputField& field);

// The keystroke filter of one field: a comma is answered with a warning and dropped; codes below 32
// (Backspace, Enter, the control-key combinations) pass; digits and the dot pass, the minus sign only in
// a signed field; anything else is dropped silently.
void filterKey(Form& f, bool signedValue, int& code);

// The whole-text check of every field: a new text holding a comma (a pasted "2,5") would be read as the
// number before the comma, so it is answered with the same warning and refused.
bool acceptEdit(Form& f, const std::string& text);

// Registers the filter and the change rule of every input field.
void installEntryRules(Form& f);

// The check a calculation makes first on a field it divides by: a zero is reported in a message box
// (title, prompt) and, if the field still reads zero afterwards, repaired to "0.001"; the calculation
// then goes on with the repaired value.
void requireNonZero(Form& f, const char* field, const char* title, const char* prompt);

} // namespace ui
