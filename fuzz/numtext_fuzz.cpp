// Any byte string as a field's text: the conversion never crashes and gives a finite value or an
// overflow fault; formatting a finite value with each display pattern gives a text that reads back to
// the value rounded to the pattern.
#include "numeric/checked.h"
#include "numeric/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, double v, const std::string& text) {
    std::fprintf(stderr, "%s: value %.17g text \"%s\"\n", what, v, text.c_str());
    std::abort();
}

// A formatted number: an optional minus, digits, and exactly `decimals` digits after the decimal sign.
bool wellFormed(const std::string& t, int decimals, char sign) {
    std::size_t i = t[0] == '-' ? 1 : 0;
    std::size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        ++i, ++digits;
    if (digits == 0)
        return false;
    if (decimals == 0)
        return i == t.size();
    if (i >= t.size() || t[i] != sign)
        return false;
    return t.size() - i - 1 == static_cast<std::size_t>(decimals) &&
           t.find_first_not_of("0123456789", i + 1) == std::string::npos;
}

void checkFormat(double v) {
    static const char* patterns[] = {"0", "0.0", "0.00", "0.000", "0.0000"};
    for (const char* p : patterns) {
        const int d = num::patternDecimals(p);
        const std::string dot = num::Format(v, p, '.');
        const std::string comma = num::Format(v, p, ',');
        if (!wellFormed(dot, d, '.') || !wellFormed(comma, d, ','))
            fail("badly formed", v, dot);
        std::string back = comma;
        for (auto& c : back)
            if (c == ',')
                c = '.';
        if (back != dot)
            fail("the decimal sign changed more than the sign", v, comma);
        double r = 0;
        try {
            r = num::Val(dot);
        } catch (const num::ArithFault&) {
            // Only a value whose 15-digit form rounds up past the largest double reads back as too large.
            if (std::fabs(v) < 1.79769313486231e308)
                fail("reads back as an overflow", v, dot);
            continue;
        }
        // Within half a unit of the last digit, plus the rounding of the 15-digit decimal form.
        const double unit = std::pow(10.0, -d);
        const double tolerance = unit / 2 * (1 + 1e-9) + std::fabs(v) * 1e-14;
        if (!(std::fabs(r - v) <= tolerance))
            fail("does not read back to the rounded value", v, dot);
        if (r == 0 && dot[0] == '-')
            fail("negative zero shown", v, dot);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    double v = 0;
    try {
        v = num::Val(text);
    } catch (const num::ArithFault& f) {
        if (f.kind() != num::ArithFault::Kind::Overflow)
            fail("a conversion fault other than overflow", 0, text);
        return 0;
    }
    if (!std::isfinite(v))
        fail("not finite", v, text);
    checkFormat(v);

    // The raw bytes as a double too, to reach values no text of ours would give.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw))
            checkFormat(raw);
    }
    return 0;
}
