// Field text to number, and number to display text. Neither depends on the C library's locale.
#pragma once

#include <optional>
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

// How Significant writes a value: always without exponent ("0.00000025"), as a field takes it; or with one
// where the exponent is below -4 or at least the digits ("2.5e-07", "1.5e+12"), as printf's %g does.
enum class Notation { Plain, General };

// A value with `digits` (1 to 15) significant digits, trailing zeros dropped: "37.4821", "-0.123457",
// "0.000123457", "1234570", "0". Rounded half away from zero on the value's 15-significant-digit decimal
// form, as Format rounds. A non-finite value shows as "0".
std::string Significant(double value, int digits, char decimalSign = '.',
                        Notation notation = Notation::Plain);

// The fewest digits that read back as the same double, in plain notation with the dot: "199.999646", "0.05",
// "14.200000000000001"; the decimal point moved `shift` places left (a frequency in Hz written as MHz with
// 6). "0" for zero and a non-finite value.
std::string Shortest(double value, int shift = 0);

// A whole text as a finite number with the dot, whatever the locale: an optional sign, digits with at most
// one dot, an optional exponent ("2.5e3"). Nothing for any other text, for blanks around it, and for a
// number a double cannot hold. The reader of numbers typed outside the window's fields (scripts, dialogs).
std::optional<double> parseNumber(std::string_view text);

} // namespace num
