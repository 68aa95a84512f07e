// Field text to number, and number to display text. Neither depends on the C library's locale.
#pragma once

#include <string>
#include <string_view>

namespace num {

// The value of the number a field's text begins with. Blanks, tabs and line feeds are ignored wherever
// they stand (a carriage return is not); an optional sign, digits with at most one dot, an optional
// exponent with E or D; "&H" and "&O" introduce an unsigned hexadecimal or octal integer. Reading stops
// at the first character that cannot continue the number; no digits gives 0. A number too large for a
// double throws ArithFault (overflow).
double Val(std::string_view text);

// The display patterns "0", "0.0", "0.00", "0.000" and "0.0000": at least one integer digit, exactly as
// many decimals as the pattern has, no thousands separator. The value is rounded half away from zero as
// a person reads it, on its 15-significant-digit decimal form (2.675 shows 2.68). A value that rounds to
// zero shows no minus sign. `decimalSign` is the regional decimal sign for displayed results; a number
// written into an input field always uses the dot. A non-finite value (which checked arithmetic never
// lets through) shows as "0" with the pattern's decimals.
std::string Format(double value, std::string_view pattern, char decimalSign = '.');

// The number of decimals a display pattern gives.
int patternDecimals(std::string_view pattern);

} // namespace num
