// The Touchstone reader: the option line, the version 2.0 keywords, the data block read value by value.
#include "touchstone/touchstone.h"

#include "numeric/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>

namespace touchstone {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

void tokens(std::string_view s, std::vector<std::string_view>& out) {
    out.clear();
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && blank(s[i]))
            ++i;
        const std::size_t b = i;
        while (i < s.size() && !blank(s[i]))
            ++i;
        if (i > b)
            out.push_back(s.substr(b, i - b));
    }
}

std::vector<std::string_view> tokens(std::string_view s) {
    std::vector<std::string_view> out;
    tokens(s, out);
    return out;
}

std::string joined(std::string_view s) {
    std::string out;
    for (const auto w : tokens(s))
        out += (out.empty() ? "" : " ") + std::string(w);
    return out;
}

// A decimal number token; nullopt when it is none. Infinite and NaN texts count as numbers here so that
// the caller can say what is wrong with them.
std::optional<double> number(std::string_view t, int exponentShift = 0) {
    if (!t.empty() && t[0] == '+')
        t.remove_prefix(1);
    if (t.empty() || t[0] == '+')
        return std::nullopt;
    std::string shifted;
    if (exponentShift != 0) {
        // The unit's power of ten goes into the exponent, so "14.2" MHz is the double nearest 14.2e6.
        const auto e = t.find_first_of("eE");
        long long exp = 0;
        if (e != std::string_view::npos) {
            const char* b = t.data() + e + 1;
            if (b < t.data() + t.size() && *b == '+')
                ++b;
            const auto r = std::from_chars(b, t.data() + t.size(), exp);
            if (r.ec != std::errc() || r.ptr != t.data() + t.size())
                return std::nullopt;
        }
        const std::string_view mantissa = t.substr(0, e);
        if (mantissa.find_first_of("0123456789") == std::string_view::npos ||
            mantissa.find_first_of("iInN") != std::string_view::npos)
            return std::nullopt;
        shifted = std::string(mantissa) + 'e' +
                  std::to_string(std::clamp(exp, -100000LL, 100000LL) + exponentShift);
        t = shifted;
    }
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ptr != t.data() + t.size())
        return std::nullopt;
    if (r.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as 0; too large is no finite value.
        const auto e = t.find_first_of("eE");
        long long exp = 0;
        if (e != std::string_view::npos && e + 1 < t.size())
            std::from_chars(t.data() + e + 1 + (t[e + 1] == '+'), t.data() + t.size(), exp);
        return exp < 0 ? 0.0 : HUGE_VAL;
    }
    if (r.ec != std::errc())
        return std::nullopt;
    return v;
}

Complex pair(double a, double b, const std::string& format) {
    if (format == "RI")
        return {a, b};
    const double mag = format == "DB" ? std::pow(10.0, a / 20.0) : a;
    const double rad = b * std::numbers::pi / 180.0;
    return {mag * std::cos(rad), mag * std::sin(rad)};
}

bool finite(const std::array<Complex, 4>& s) {
    for (const auto& c : s)
        if (!std::isfinite(c.real()) || !std::isfinite(c.imag()))
            return false;
    return true;
}

// S from a normalised Z (z) or Y (y) matrix: S = (z - I)(z + I)^-1 = (I - y)(I + y)^-1.
std::optional<std::array<Complex, 4>> fromImmittance(const std::array<Complex, 4>& m, bool isZ, int ports) {
    const double sign = isZ ? 1.0 : -1.0;
    if (ports == 1) {
        const Complex d = 1.0 + m[0];
        if (d == 0.0)
            return std::nullopt;
        return std::array<Complex, 4>{sign * (m[0] - 1.0) / d, 0.0, 0.0, 0.0};
    }
    // m holds M11 M21 M12 M22. A = M - I, B = M + I, S = A B^-1 (times -1 for Y).
    const Complex a11 = m[0] - 1.0, a21 = m[1], a12 = m[2], a22 = m[3] - 1.0;
    const Complex b11 = m[0] + 1.0, b21 = m[1], b12 = m[2], b22 = m[3] + 1.0;
    const Complex det = b11 * b22 - b12 * b21;
    if (det == 0.0)
        return std::nullopt;
    const Complex i11 = b22 / det, i12 = -b12 / det, i21 = -b21 / det, i22 = b11 / det;
    return std::array<Complex, 4>{sign * (a11 * i11 + a12 * i21), sign * (a21 * i11 + a22 * i21),
                                  sign * (a11 * i12 + a12 * i22), sign * (a21 * i12 + a22 * i22)};
}

class Parser {
  public:
    Parser(std::string_view bytes, const std::string& name) : bytes_(bytes) { n_.name = name; }

    Network run() {
        if (bytes_.size() >= 3 && bytes_.substr(0, 3) == "\xEF\xBB\xBF")
            bytes_.remove_prefix(3);
        portsFromExtension();
        std::size_t pos = 0;
        while (pos <= bytes_.size() && !ended_) {
            std::size_t nl = bytes_.find('\n', pos);
            if (nl == std::string_view::npos)
                nl = bytes_.size();
            ++line_;
            std::string_view l = bytes_.substr(pos, nl - pos);
            if (const auto bang = l.find('!'); bang != std::string_view::npos)
                l = l.substr(0, bang);
            handleLine(l);
            if (nl == bytes_.size())
                break;
            pos = nl + 1;
        }
        finish();
        return std::move(n_);
    }

  private:
    [[noreturn]] void fail(const std::string& what) const {
        throw Error(n_.name + ", line " + std::to_string(line_) + ": " + what);
    }
    [[noreturn]] void failAt(int line, const std::string& what) const {
        throw Error(n_.name + ", line " + std::to_string(line) + ": " + what);
    }
    [[noreturn]] void failFile(const std::string& what) const { throw Error(n_.name + ": " + what); }

    void portsFromExtension() {
        const std::string ext = lower(std::filesystem::path(n_.name).extension().string());
        if (ext.size() >= 4 && ext[1] == 's' && ext.back() == 'p') {
            const std::string digits = ext.substr(2, ext.size() - 3);
            int p = 0;
            const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), p);
            if (r.ec == std::errc() && r.ptr == digits.data() + digits.size() && p >= 1)
                extPorts_ = p;
        }
    }

    void handleLine(std::string_view l) {
        tokens(l, lineTokens_);
        const auto& t = lineTokens_;
        if (t.empty())
            return;
        if (!seenContent_) {
            seenContent_ = true;
            if (t[0].front() == '[' && lower(keyword(l).first) == "version") {
                version2_ = true;
                n_.version = "2.0";
                const std::string v = joined(keyword(l).second);
                const auto x = number(v);
                if (!x || *x != 2.0)
                    fail("[Version] " + v + " cannot be read: only versions 1.1 and 2.0 can");
                return;
            }
            n_.version = "1.1";
            if (extPorts_ == 0)
                failFile("the name must end in .s1p or .s2p to tell the number of ports");
            setPorts(extPorts_);
        }
        if (t[0].front() == '#') {
            option(t);
            return;
        }
        if (t[0].front() == '[') {
            if (!version2_)
                fail("a keyword in a version 1.1 file: " + std::string(t[0]));
            keywordLine(l);
            return;
        }
        if (inInfo_ || inNoise_)
            return;
        if (referencePending_ > 0) {
            referenceValues(t);
            return;
        }
        if (version2_ && !inData_)
            fail("a data line before [Network Data]");
        dataLine(t);
    }

    void setPorts(int p) {
        if (p > 2 && version2_)
            fail("a " + std::to_string(p) + "-port file: only one- and two-port files can be read");
        if (p > 2)
            failFile("a " + std::to_string(p) + "-port file: only one- and two-port files can be read");
        n_.ports = p;
    }

    // ---- the option line ---------------------------------------------------------------------------
    void option(std::vector<std::string_view> t) {
        if (seenOption_)
            return; // only the first option line counts
        if (inData_ || !n_.samples.empty() || !pending_.empty())
            fail("the option line must come before the data");
        seenOption_ = true;
        t[0].remove_prefix(1); // "#MHz" is "# MHz"
        bool unit = false, param = false, format = false, ref = false;
        auto once = [&](bool& seen, const char* what) {
            if (seen)
                fail(std::string("option line: two ") + what);
            seen = true;
        };
        for (std::size_t i = 0; i < t.size(); ++i) {
            const std::string w = lower(t[i]);
            if (w.empty())
                continue;
            if (w == "hz" || w == "khz" || w == "mhz" || w == "ghz") {
                once(unit, "frequency units");
                shift_ = w == "hz" ? 0 : w == "khz" ? 3 : w == "mhz" ? 6 : 9;
                n_.unit = w == "hz" ? "Hz" : w == "khz" ? "kHz" : w == "mhz" ? "MHz" : "GHz";
            } else if (w == "s" || w == "y" || w == "z" || w == "h" || w == "g") {
                once(param, "parameter types");
                n_.parameter = static_cast<char>(w[0] - 'a' + 'A');
                if (w == "h" || w == "g")
                    fail(n_.parameter +
                         " parameters cannot be read: only S, and Y or Z of a version 1.1 file");
                if (version2_ && w != "s")
                    fail(n_.parameter + " parameters in a version 2.0 file cannot be read: only S");
            } else if (w == "ma" || w == "db" || w == "ri") {
                once(format, "data formats");
                n_.format = w == "ma" ? "MA" : w == "db" ? "DB" : "RI";
            } else if (w == "r") {
                once(ref, "references");
                std::vector<double> r;
                while (i + 1 < t.size() && number(t[i + 1])) {
                    const double v = *number(t[++i]);
                    if (!std::isfinite(v) || v <= 0)
                        fail("option line: the reference must be a positive number of ohm, not '" +
                             std::string(t[i]) + "'");
                    r.push_back(v);
                }
                if (r.empty() && i + 1 < t.size() && complexText(t[i + 1]))
                    fail("option line: the complex reference " + complexReference(t, i + 1) +
                         " is not supported: only a real reference in ohm can be read");
                if (r.empty())
                    fail("option line: R without a value");
                if (r.size() > 2)
                    fail("option line: " + std::to_string(r.size()) + " reference values");
                optionRef_ = r;
            } else {
                fail("option line: '" + std::string(t[i]) + "' is no unit, parameter, format or R value");
            }
        }
    }

    // A complex impedance as some programs write a reference: "(50+50j)", "50-10j", "(50".
    static bool complexText(std::string_view w) {
        return !w.empty() && (w.front() == '(' || w.back() == 'j' || w.back() == 'J' || w.back() == 'i');
    }
    // The tokens from `from` to the one that closes the parenthesis (or the first alone), joined.
    static std::string complexReference(const std::vector<std::string_view>& t, std::size_t from) {
        std::string out(t[from]);
        for (std::size_t k = from + 1;
             out.front() == '(' && out.find(')') == std::string::npos && k < t.size(); ++k)
            out += std::string(t[k]);
        return out;
    }

    // ---- version 2.0 keywords ----------------------------------------------------------------------
    static std::pair<std::string, std::string_view> keyword(std::string_view l) {
        const auto b = l.find('[');
        const auto e = l.find(']', b);
        if (e == std::string_view::npos)
            return {std::string(l.substr(b)), {}};
        // Blanks inside the brackets are one blank each, so "[Number  of Ports]" reads too.
        return {joined(l.substr(b + 1, e - b - 1)), l.substr(e + 1)};
    }

    int integerArgument(std::string_view arg, const std::string& key, int min) {
        const auto t = tokens(arg);
        int v = 0;
        if (t.size() == 1) {
            const auto r = std::from_chars(t[0].data(), t[0].data() + t[0].size(), v);
            if (r.ec == std::errc() && r.ptr == t[0].data() + t[0].size() && v >= min)
                return v;
        }
        fail("[" + key + "] needs a whole number" + (min > 0 ? " above 0" : "") + ", not '" + joined(arg) +
             "'");
    }

    void keywordLine(std::string_view l) {
        const auto [raw, arg] = keyword(l);
        if (l.find(']') == std::string_view::npos)
            fail("a keyword without its closing ']'");
        const std::string k = lower(raw);
        if (inInfo_) {
            if (k == "end information")
                inInfo_ = false;
            return;
        }
        if (referencePending_ > 0)
            fail("[Reference] needs one value per port");
        if (k == "end") {
            if (inData_)
                endData();
            ended_ = true;
            return;
        }
        if (inNoise_)
            fail("[" + raw + "] after [Noise Data]");
        if (k == "version") {
            fail("a second [Version]");
        } else if (k == "number of ports") {
            if (inData_ || ports2_)
                fail("[Number of Ports] must come once, before [Network Data]");
            setPorts(integerArgument(arg, raw, 1));
            ports2_ = true;
        } else if (k == "two-port data order") {
            const auto t = tokens(arg);
            const std::string v = t.size() == 1 ? lower(t[0]) : "";
            if (v != "12_21" && v != "21_12")
                fail("[Two-Port Data Order] must be 12_21 or 21_12");
            order12_ = v == "12_21";
            orderGiven_ = true;
        } else if (k == "number of frequencies") {
            frequencies_ = integerArgument(arg, raw, 1);
        } else if (k == "number of noise frequencies") {
            integerArgument(arg, raw, 1);
        } else if (k == "reference") {
            if (!ports2_)
                fail("[Reference] before [Number of Ports]");
            reference_.clear();
            referencePending_ = n_.ports;
            referenceValues(tokens(arg));
        } else if (k == "matrix format") {
            const auto t = tokens(arg);
            const std::string v = t.size() == 1 ? lower(t[0]) : "";
            if (v != "full" && v != "lower" && v != "upper")
                fail("[Matrix Format] must be Full, Lower or Upper");
            matrix_ = v;
        } else if (k == "begin information") {
            inInfo_ = true;
        } else if (k == "network data") {
            if (inData_)
                fail("a second [Network Data]");
            if (!ports2_)
                fail("[Number of Ports] missing before [Network Data]");
            if (frequencies_ == 0)
                fail("[Number of Frequencies] missing before [Network Data]");
            if (n_.ports == 2 && !orderGiven_)
                fail("[Two-Port Data Order] missing: a two-port file must give 12_21 or 21_12");
            inData_ = true;
        } else if (k == "noise data") {
            if (!inData_)
                fail("[Noise Data] before [Network Data]");
            endData();
            inNoise_ = true;
        } else if (k == "mixed-mode order") {
            fail("[Mixed-Mode Order] cannot be read: only single-ended one- and two-port data");
        } else {
            fail("unknown keyword [" + raw + "]");
        }
    }

    void referenceValues(const std::vector<std::string_view>& t) {
        for (const auto w : t) {
            const auto v = number(w);
            if (referencePending_ == 0)
                fail("[Reference] needs one value per port");
            if (!v && complexText(w))
                fail("[Reference]: the complex reference '" + std::string(w) +
                     "' is not supported: only a real reference in ohm can be read");
            if (!v || !std::isfinite(*v) || *v <= 0)
                fail("[Reference]: '" + std::string(w) + "' is no positive number of ohm");
            reference_.push_back(*v);
            --referencePending_;
        }
    }

    // ---- the data, value by value ------------------------------------------------------------------
    int pointSize() const {
        if (n_.ports == 1)
            return 3;
        return matrix_ == "full" ? 9 : 7;
    }

    // The numbers of a data line; `first` when it starts a point (its first number is the frequency).
    const std::vector<double>& values(const std::vector<std::string_view>& t, bool first) {
        std::vector<double>& v = lineValues_;
        v.clear();
        const std::size_t before = first ? 0 : pending_.size();
        for (std::size_t i = 0; i < t.size(); ++i) {
            const bool freq = first && i == 0;
            const auto x = number(t[i], freq ? shift_ : 0);
            if (!x)
                fail("a value is not a number: '" + std::string(t[i]) + "'");
            // In DB format a magnitude (the first of each pair, at the odd places of a point) of -inf dB
            // is a magnitude of 0, as some programs write a zero.
            const bool dbMagnitude = n_.format == "DB" && (before + i) % 2 == 1;
            if (!std::isfinite(*x) && !(dbMagnitude && *x == -HUGE_VAL))
                fail("a value is not a finite number: '" + std::string(t[i]) + "'");
            if (freq && *x < 0)
                fail("a negative frequency: '" + std::string(t[i]) + "'");
            v.push_back(*x);
        }
        return v;
    }

    std::string pointWord() const { return n_.ports == 1 ? "a one-port point" : "a two-port point"; }

    void dataLine(const std::vector<std::string_view>& t) {
        if (inV1Noise_) {
            noiseLine(t);
            return;
        }
        const bool first = pending_.empty();
        const auto& v = values(t, first);
        const int need = pointSize();
        if (first) {
            pendingLine_ = line_;
            if (!n_.samples.empty() && v[0] <= n_.samples.back().hz) {
                // A version 1.1 two-port's noise block starts where the frequency falls back.
                if (!version2_ && n_.ports == 2 && v.size() == 5) {
                    inV1Noise_ = true;
                    lastNoiseHz_ = v[0];
                    lastNoiseText_ = t[0];
                    return;
                }
                fail("frequencies must increase: " + std::string(t[0]) + " " + n_.unit + " after " +
                     lastFreqText_ + " " + n_.unit);
            }
            lastFreqText_ = t[0];
        }
        if (static_cast<int>(pending_.size() + v.size()) > need) {
            if (first)
                fail(std::to_string(v.size()) + " numbers where " + pointWord() + " has " +
                     std::to_string(need));
            failAt(pendingLine_, std::to_string(pending_.size()) + " numbers where " + pointWord() + " has " +
                                     std::to_string(need));
        }
        pending_.insert(pending_.end(), v.begin(), v.end());
        if (static_cast<int>(pending_.size()) == need)
            point();
    }

    void noiseLine(const std::vector<std::string_view>& t) {
        const auto& v = values(t, true);
        if (v.size() != 5)
            fail(std::to_string(v.size()) + " numbers where a noise point has 5");
        if (v[0] <= lastNoiseHz_)
            fail("frequencies must increase: " + std::string(t[0]) + " " + n_.unit + " after " +
                 lastNoiseText_ + " " + n_.unit);
        lastNoiseHz_ = v[0];
        lastNoiseText_ = t[0];
    }

    void point() {
        const auto& p = pending_;
        Sample s{p[0], {}};
        const std::string& f = n_.format;
        if (n_.ports == 1) {
            s.s[0] = pair(p[1], p[2], f);
        } else if (matrix_ != "full") {
            const Complex a = pair(p[1], p[2], f), off = pair(p[3], p[4], f), d = pair(p[5], p[6], f);
            s.s = {a, off, off, d};
        } else {
            const Complex a = pair(p[1], p[2], f), b = pair(p[3], p[4], f), c = pair(p[5], p[6], f),
                          d = pair(p[7], p[8], f);
            // Version 1.1 and 21_12: S11 S21 S12 S22; 12_21: S11 S12 S21 S22.
            s.s = order12_ ? std::array<Complex, 4>{a, c, b, d} : std::array<Complex, 4>{a, b, c, d};
        }
        if (n_.parameter != "S") {
            const auto converted = fromImmittance(s.s, n_.parameter == "Z", n_.ports);
            if (!converted)
                failAt(pendingLine_, "these " + n_.parameter + " values have no S-parameters");
            s.s = *converted;
        }
        if (!finite(s.s))
            failAt(pendingLine_, "the values are too large to be S-parameters");
        n_.samples.push_back(s);
        pending_.clear();
    }

    void endData() {
        if (!pending_.empty())
            failAt(pendingLine_, std::to_string(pending_.size()) + " numbers where " + pointWord() + " has " +
                                     std::to_string(pointSize()));
        if (n_.samples.empty())
            fail("the data block is empty");
        if (static_cast<int>(n_.samples.size()) != frequencies_)
            fail("[Number of Frequencies] is " + std::to_string(frequencies_) + " but the data has " +
                 std::to_string(n_.samples.size()) + " points");
        inData_ = false;
        dataDone_ = true;
    }

    void finish() {
        if (version2_) {
            if (!ended_)
                failFile("[End] is missing at the end of the file");
            if (!dataDone_)
                failFile("[Network Data] is missing");
        } else {
            if (!seenContent_)
                failFile("the file is empty");
            if (!pending_.empty())
                failAt(pendingLine_, std::to_string(pending_.size()) + " numbers where " + pointWord() +
                                         " has " + std::to_string(pointSize()));
            if (n_.samples.empty())
                failFile("the data block is empty");
        }
        std::array<double, 2> ref{50.0, 50.0};
        const auto& r = reference_.empty() ? optionRef_ : reference_;
        if (r.size() > static_cast<std::size_t>(n_.ports))
            failFile(std::to_string(r.size()) + " reference values for a one-port file");
        if (r.size() == 1)
            ref = {r[0], r[0]};
        else if (r.size() == 2)
            ref = {r[0], r[1]};
        n_.reference = ref;
        if (n_.unit.empty())
            n_.unit = "GHz";
        if (n_.format.empty())
            n_.format = "MA";
    }

    std::string_view bytes_;
    std::vector<std::string_view> lineTokens_; // reused from line to line
    std::vector<double> lineValues_;
    Network n_;
    int line_ = 0;
    int extPorts_ = 0;
    bool seenContent_ = false, version2_ = false, seenOption_ = false, ended_ = false;
    bool ports2_ = false, orderGiven_ = false, order12_ = false;
    bool inData_ = false, dataDone_ = false, inNoise_ = false, inInfo_ = false, inV1Noise_ = false;
    int frequencies_ = 0;
    int referencePending_ = 0;
    std::vector<double> reference_, optionRef_;
    std::string matrix_ = "full";
    int shift_ = 9; // GHz
    std::vector<double> pending_;
    int pendingLine_ = 0;
    double lastNoiseHz_ = 0;
    // The file's own texts of the last frequencies, for messages that compare with them.
    std::string lastFreqText_, lastNoiseText_;
};

} // namespace

Network parse(std::string_view bytes, const std::string& fileName) {
    return Parser(bytes, fileName).run();
}

Network readFile(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string name = fs::path(path).filename().string();
    std::error_code ec;
    const auto st = fs::status(path, ec);
    if (ec || !fs::exists(st))
        throw Error(path + ": no such file");
    if (fs::is_directory(st))
        throw Error(path + " is a folder, not a file");
    if (!fs::is_regular_file(st))
        throw Error(path + " cannot be read: it is no regular file");
    const auto size = fs::file_size(path, ec);
    if (ec)
        throw Error(path + " cannot be read");
    if (size > kMaxFileBytes)
        throw Error(name + " is larger than 64 MiB: no Touchstone file of one or two ports is that large");
    const auto written = fs::last_write_time(path, ec);
    if (ec)
        throw Error(path + " cannot be read");
    if (afterFileChecked)
        afterFileChecked(path);

    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error(path + " cannot be read");
    // One byte more than the size taken is asked for: a file that grew since is noticed, and never more
    // than that is read.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        throw Error(path + " cannot be read");
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    // A file being written while it is read (a sweep still being saved) is refused: the bytes read are its
    // whole only if its size and its time of last writing are the same after the read as before.
    const auto sizeAfter = fs::file_size(path, ec);
    const bool sameSize = !ec && sizeAfter == size && bytes.size() == size;
    const auto writtenAfter = fs::last_write_time(path, ec);
    if (!sameSize || ec || writtenAfter != written)
        throw Error(name + " changed while it was read: read it again once it is saved whole");
    return parse(bytes, name);
}

} // namespace touchstone
