#include "numeric/numtext.h"

#include "numeric/checked.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace num {

namespace {

bool ignorable(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text skipping the characters the conversion ignores.
class Reader {
  public:
    explicit Reader(std::string_view s) : s_(s) { skip(); }
    bool done() const { return i_ >= s_.size(); }
    char peek() const { return done() ? '\0' : s_[i_]; }
    void next() {
        ++i_;
        skip();
    }

  private:
    void skip() {
        while (i_ < s_.size() && ignorable(s_[i_]))
            ++i_;
    }
    std::string_view s_;
    std::size_t i_ = 0;
};

int digitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

// An unsigned integer of any length in base 16 or 8, rounded once to the nearest double (ties to even);
// too large for a double is an overflow. Every digit is a whole number of bits, so the integer is kept
// exactly: its leading 64 bits, how many bits follow them, and whether any of those is set.
double readInteger(Reader& r, int base) {
    const int bitsPerDigit = base == 16 ? 4 : 3;
    std::uint64_t lead = 0; // the leading bits, from the first set bit on
    int leadBits = 0;
    long long tailBits = 0; // bits after the leading 64
    bool tailSet = false;
    for (int d; (d = digitValue(r.peek(), base)) >= 0; r.next()) {
        for (int b = bitsPerDigit - 1; b >= 0; --b) {
            const unsigned bit = (static_cast<unsigned>(d) >> b) & 1u;
            if (leadBits == 0 && bit == 0)
                continue;
            if (leadBits < 64) {
                lead = lead << 1 | bit;
                ++leadBits;
            } else {
                ++tailBits;
                tailSet = tailSet || bit != 0;
            }
        }
    }
    constexpr int kMantissaBits = std::numeric_limits<double>::digits; // 53
    long long exponent = tailBits;
    if (leadBits > kMantissaBits) {
        const int drop = leadBits - kMantissaBits;
        const std::uint64_t half = std::uint64_t{1} << (drop - 1);
        const std::uint64_t rest = lead & ((half << 1) - 1);
        lead >>= drop;
        exponent += drop;
        if (rest > half || (rest == half && (tailSet || (lead & 1u) != 0)))
            ++lead; // may carry to 2^53, which a double holds exactly
    }
    if (exponent > std::numeric_limits<double>::max_exponent)
        fault(ArithFault::Kind::Overflow);
    const double v = std::ldexp(static_cast<double>(lead), static_cast<int>(exponent));
    if (std::isinf(v))
        fault(ArithFault::Kind::Overflow);
    return v;
}

} // namespace

double Val(std::string_view text) {
    Reader r(text);
    if (r.peek() == '&') {
        r.next();
        const char k = r.peek();
        if (k == 'H' || k == 'h') {
            r.next();
            return readInteger(r, 16);
        }
        if (k == 'O' || k == 'o') {
            r.next();
            return readInteger(r, 8);
        }
        return 0.0;
    }

    // Collect a clean "-ddd.ddde+xxx" text and let from_chars do the rounding.
    std::string num;
    if (r.peek() == '+' || r.peek() == '-') {
        if (r.peek() == '-')
            num += '-';
        r.next();
    }
    bool anyDigit = false;
    bool seenDot = false;
    std::size_t intDigits = 0;
    std::string mantissa;
    mantissa.reserve(text.size()); // a pasted megabyte of digits is collected without regrowing
    for (;; r.next()) {
        const char c = r.peek();
        if (isDigit(c)) {
            anyDigit = true;
            mantissa += c;
            if (!seenDot)
                ++intDigits;
        } else if (c == '.' && !seenDot) {
            seenDot = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;

    long long exp = 0;
    const char e = r.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        r.next();
        bool negExp = false;
        if (r.peek() == '+' || r.peek() == '-') {
            negExp = r.peek() == '-';
            r.next();
        }
        for (; isDigit(r.peek()); r.next())
            if (exp < 1'000'000'000)
                exp = exp * 10 + (r.peek() - '0');
        if (negExp)
            exp = -exp;
    }

    const std::size_t lead = mantissa.find_first_not_of('0');
    if (lead == std::string::npos)
        return 0.0; // only zeros, whatever the exponent

    num.reserve(num.size() + mantissa.size() + 24);
    num.append(mantissa, 0, intDigits);
    num += '.';
    num.append(mantissa, intDigits);
    num += 'e';
    num += std::to_string(exp);

    double v = 0.0;
    const auto res = std::from_chars(num.data(), num.data() + num.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // The decimal magnitude of the first significant digit tells overflow from underflow.
        const long long magnitude =
            static_cast<long long>(intDigits) - 1 - static_cast<long long>(lead) + exp;
        if (magnitude > 0)
            fault(ArithFault::Kind::Overflow);
        return 0.0;
    }
    return v;
}

int patternDecimals(std::string_view pattern) {
    const auto dot = pattern.find('.');
    return dot == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - dot - 1);
}

namespace {

// The 15 significant digits of |value| and the power of ten the first of them weighs.
// Decimal digits of |value| (no sign, no point), the first weighing 10^exp10: what to_chars writes in
// scientific notation ("d.ddde+x"), taken apart without allocating.
struct Decimal {
    char digits[32];
    int count = 0;
    int exp10 = 0;
};
Decimal decimalDigits(double value, int precision) {
    char buf[64];
    const auto res =
        precision < 0 ? std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific)
                      : std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                                      precision);
    Decimal d;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (*p != '.')
            d.digits[d.count++] = *p;
    if (p < res.ptr) {
        ++p; // 'e'
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+')
            ++p;
        std::from_chars(p, res.ptr, d.exp10);
        if (negative)
            d.exp10 = -d.exp10;
    }
    return d;
}
// The value's 15-significant-digit decimal form.
Decimal fifteenDigits(double value) {
    return decimalDigits(value, 14);
}

// Digits whose first weighs 10^exp10, in plain notation, trailing zeros dropped.
std::string plain(const char* digits, int count, int exp10, bool negative, char decimalSign) {
    while (count > 1 && digits[count - 1] == '0')
        --count;
    std::string out;
    out.reserve(static_cast<std::size_t>(count + std::abs(exp10) + 4));
    if (negative)
        out += '-';
    if (exp10 < 0) {
        out += '0';
        out += decimalSign;
        out.append(static_cast<std::size_t>(-exp10 - 1), '0');
        out.append(digits, static_cast<std::size_t>(count));
    } else if (count <= exp10 + 1) {
        out.append(digits, static_cast<std::size_t>(count));
        out.append(static_cast<std::size_t>(exp10 + 1 - count), '0');
    } else {
        out.append(digits, static_cast<std::size_t>(exp10 + 1));
        out += decimalSign;
        out.append(digits + exp10 + 1, static_cast<std::size_t>(count - exp10 - 1));
    }
    return out;
}

} // namespace

std::string Shortest(double value, int shift) {
    if (value == 0 || !std::isfinite(value))
        return "0";
    const Decimal d = decimalDigits(value, -1);
    return plain(d.digits, d.count, d.exp10 - shift, value < 0, '.');
}

std::string Significant(double value, int digits, char decimalSign, Notation notation) {
    if (value == 0 || !std::isfinite(value))
        return "0";
    digits = std::clamp(digits, 1, 15);
    Decimal d = fifteenDigits(value);
    char* kept = d.digits;
    if (digits < 15 && kept[digits] >= '5') { // half away from zero, carried through the nines
        int i = digits - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {
            kept[0] = '1'; // 9.99... became 10.0...: one digit more before the point
            ++d.exp10;
        }
    }
    int count = digits;
    while (count > 1 && kept[count - 1] == '0')
        --count;
    const int exp10 = d.exp10;
    if (notation == Notation::General && (exp10 < -4 || exp10 >= digits)) {
        std::string out;
        if (value < 0)
            out += '-';
        out += kept[0];
        if (count > 1) {
            out += decimalSign;
            out.append(kept + 1, static_cast<std::size_t>(count - 1));
        }
        const int e = std::abs(exp10);
        out += exp10 < 0 ? "e-" : "e+";
        if (e < 10)
            out += '0';
        out += std::to_string(e);
        return out;
    }
    return plain(kept, count, exp10, value < 0, decimalSign);
}

std::optional<double> parseNumber(std::string_view text) {
    // from_chars takes no plus sign; a sign must stand before a digit or the dot.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+')
            return std::nullopt;
    }
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::string Format(double value, std::string_view pattern, char decimalSign) {
    const int decimals = patternDecimals(pattern);
    if (!std::isfinite(value))
        value = 0.0;

    // The value's 15-significant-digit decimal form.
    const Decimal decimal = fifteenDigits(value);
    const std::string digits(decimal.digits, static_cast<std::size_t>(decimal.count));
    const int exp10 = decimal.exp10;

    // Digits kept: those down to 10^-decimals. The digit at position p has weight 10^(exp10 - p).
    const int keep = exp10 + 1 + decimals; // number of leading digits kept
    std::string kept;                      // integer of the kept digits, as text
    if (keep <= 0) {
        // Everything is below the last shown digit; it rounds up only when it is exactly the next
        // position and at least 5.
        kept = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    } else {
        std::string d = digits;
        if (static_cast<int>(d.size()) < keep)
            d.append(keep - d.size(), '0');
        kept = d.substr(0, keep);
        if (keep < static_cast<int>(d.size()) && d[keep] >= '5') {
            int i = keep - 1;
            for (; i >= 0 && kept[i] == '9'; --i)
                kept[i] = '0';
            if (i >= 0)
                ++kept[i];
            else
                kept.insert(kept.begin(), '1');
        }
    }

    // kept is the value times 10^decimals, rounded; split it into integer and fraction parts.
    if (static_cast<int>(kept.size()) <= decimals)
        kept.insert(0, decimals + 1 - kept.size(), '0');
    std::string intPart = kept.substr(0, kept.size() - decimals);
    const std::string fracPart = kept.substr(kept.size() - decimals);
    const auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);

    const bool isZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !isZero)
        out += '-';
    out += intPart;
    if (decimals > 0) {
        out += decimalSign;
        out += fracPart;
    }
    return out;
}

} // namespace num
