#include "cables/file.h"

#include <cmath>
#include <set>

namespace cables {

namespace {

class Reader {
  public:
    Reader(std::string_view bytes, const std::string& name) : rest_(bytes), name_(name) {}

    std::vector<Cable> read() {
        if (rest_.size() > kMaxFileBytes)
            throw FileError(name_ + " is larger than " + std::to_string(kMaxFileBytes / (1024 * 1024)) +
                                " MB: it is not a cable file.",
                            0);
        if (rest_.substr(0, 3) == "\xEF\xBB\xBF")
            rest_.remove_prefix(3); // the byte-order mark an editor may write
        std::string_view l;
        if (!next(l, false))
            failAt(1, "the file is empty: its first line must be \"" + std::string(kVersionWord) + " " +
                          std::to_string(kFileVersion) + "\"");
        const auto [word, value] = split(l);
        if (word != kVersionWord)
            fail("the first line must be \"" + std::string(kVersionWord) + " " +
                 std::to_string(kFileVersion) + "\"");
        if (value != std::to_string(kFileVersion)) {
            const auto v = number(value);
            if (v && *v > kFileVersion && *v == std::floor(*v))
                fail("version " + std::string(value) +
                     " of the cable file is newer than this program reads (" + std::to_string(kFileVersion) +
                     ")");
            fail("\"" + std::string(value) + "\" is not a version of the cable file");
        }

        std::vector<Cable> out;
        std::set<std::string> names;
        while (next(l, true)) {
            const auto [w, v] = split(l);
            if (w != "cable")
                fail("a cable begins with \"cable NAME\", not \"" + std::string(w) + "\"");
            const int at = line_;
            Cable c;
            try {
                c.line.name = checkedName(v);
            } catch (const Refusal& r) {
                fail(r.what());
            }
            if (c.line.name != v)
                fail("the name has blanks at its ends");
            if (!names.insert(c.line.name).second)
                fail("a second cable called \"" + c.line.name + "\"");
            readBlock(c);
            if (out.size() == kMaxCables)
                failAt(at, "more than " + std::to_string(kMaxCables) + " cables");
            out.push_back(std::move(c));
        }
        return out;
    }

  private:
    void readBlock(Cable& c) {
        bool z0 = false, vf = false, loss = false;
        std::string_view l;
        while (next(l, true)) {
            const auto [w, v] = split(l);
            if (w == "end") {
                if (!v.empty())
                    fail("\"end\" takes nothing after it");
                if (!z0 || !vf || !loss)
                    fail("the cable \"" + c.line.name + "\" ends without its " +
                         (!z0   ? "z0"
                          : !vf ? "vf"
                                : "loss") +
                         " line");
                if (c.datasheet && c.datasheet->points.empty())
                    fail("\"datasheet\" without points");
                return;
            }
            if (w == "z0" || w == "vf") {
                bool& seen = w == "z0" ? z0 : vf;
                once(seen, w);
                const double x = num(v, w);
                (w == "z0" ? c.line.Z0 : c.line.VF) = x;
                try {
                    checkLine(z0 ? c.line.Z0 : 50, vf ? c.line.VF : 0.5);
                } catch (const Refusal& r) {
                    fail(r.what());
                }
            } else if (w == "loss") {
                once(loss, w);
                const auto k = words(v, 3, "loss takes K0 K1 K2 (dB per 100 ft)");
                double* into[] = {&c.line.k.K0, &c.line.k.K1, &c.line.k.K2};
                for (int i = 0; i < 3; ++i) {
                    const auto m = millionthsOf(k[i]);
                    if (!m)
                        fail("\"" + std::string(k[i]) + "\" is not a number");
                    *into[i] = *m;
                }
            } else if (w == "datasheet") {
                if (c.datasheet || c.measured)
                    fail("a cable has one \"datasheet\" or one \"measured\" line");
                const auto u = lossUnit(v);
                if (!u)
                    fail("datasheet takes m or ft (dB per 100 m or per 100 ft), not \"" + std::string(v) +
                         "\"");
                c.datasheet = Datasheet{*u, {}};
            } else if (w == "point") {
                if (!c.datasheet)
                    fail("\"point\" before \"datasheet\"");
                const auto p = words(v, 2, "point takes MHZ LOSS");
                c.datasheet->points.push_back({num(p[0], "the frequency"), num(p[1], "the loss")});
                try {
                    checkPoints(c.datasheet->points);
                } catch (const Refusal& r) {
                    fail(r.what());
                }
            } else if (w == "measured") {
                if (c.datasheet || c.measured)
                    fail("a cable has one \"datasheet\" or one \"measured\" line");
                // measured METRES END [SWEEP]: the sweep's name is the rest of the line.
                const auto first = split(v);
                const auto second = split(first.second);
                MeasuredWith m;
                m.metres = num(first.first, "the length");
                if (!(m.metres > 0))
                    fail("the length must be greater than 0");
                const auto e = lineEnd(second.first);
                if (!e)
                    fail("the far end is open or short, not \"" + std::string(second.first) + "\"");
                m.end = *e;
                m.sweep = std::string(second.second);
                c.measured = m;
            } else if (w == "cable") {
                fail("the cable \"" + c.line.name + "\" has no \"end\" line");
            } else {
                fail("unknown line \"" + std::string(w) + "\"");
            }
        }
        fail("the file ends inside the cable \"" + c.line.name + "\": its \"end\" line is missing");
    }

    // The next line that is not blank or a comment; false at the end of the file.
    bool next(std::string_view& l, bool skipComments) {
        while (!rest_.empty()) {
            const auto nl = rest_.find('\n');
            if (nl == std::string_view::npos) {
                l = rest_;
                rest_ = {};
            } else {
                l = rest_.substr(0, nl);
                rest_.remove_prefix(nl + 1);
            }
            ++line_;
            if (!l.empty() && l.back() == '\r')
                l.remove_suffix(1);
            for (char ch : l)
                if ((static_cast<unsigned char>(ch) < 0x20 && ch != '\t') || ch == 0x7F)
                    fail("a control character in the line");
            if (l.find('\t') != std::string_view::npos)
                fail("a tab in the line: words are separated by one blank");
            if (l.empty() || (skipComments && l.front() == '#'))
                continue;
            if (l.find_first_not_of(' ') == std::string_view::npos)
                continue;
            if (l.front() == ' ')
                fail("the line begins with a blank");
            return true;
        }
        return false;
    }

    static std::pair<std::string_view, std::string_view> split(std::string_view l) {
        const auto sp = l.find(' ');
        if (sp == std::string_view::npos)
            return {l, {}};
        return {l.substr(0, sp), l.substr(sp + 1)};
    }

    std::vector<std::string_view> words(std::string_view v, std::size_t n, const std::string& usage) {
        std::vector<std::string_view> out;
        while (!v.empty()) {
            const auto [w, r] = split(v);
            if (w.empty())
                fail(usage + ": one blank between the numbers");
            out.push_back(w);
            v = r;
        }
        if (out.size() != n)
            fail(usage);
        return out;
    }

    double num(std::string_view t, std::string_view what) {
        const auto v = number(t);
        if (!v)
            fail(std::string(what) + ": \"" + std::string(t) + "\" is not a number");
        return *v;
    }

    void once(bool& seen, std::string_view w) {
        if (seen)
            fail("a second \"" + std::string(w) + "\" line in the cable");
        seen = true;
    }

    [[noreturn]] void fail(const std::string& what) { failAt(line_, what); }
    [[noreturn]] void failAt(int line, const std::string& what) {
        throw FileError(name_ + ", line " + std::to_string(line) + ": " + what + ".", line);
    }

    std::string_view rest_;
    const std::string& name_;
    int line_ = 0;
};

} // namespace

std::vector<Cable> parseCables(std::string_view bytes, const std::string& fileName) {
    return Reader(bytes, fileName).read();
}

std::string writeCables(const std::vector<Cable>& cables) {
    std::string out = std::string(kVersionWord) + " " + std::to_string(kFileVersion) + "\n";
    out += "# HamLineCalc's user cables. Loss: K0 K1 K2 in dB per 100 ft, loss = K0 + K1 sqrt(f) + K2 f, f "
           "in MHz.\n";
    for (const Cable& c : cables) {
        out += "\ncable " + c.line.name + "\n";
        out += "z0 " + shortest(c.line.Z0) + "\n";
        out += "vf " + shortest(c.line.VF) + "\n";
        out += "loss " + dbPer100ftText(c.line.k.K0) + " " + dbPer100ftText(c.line.k.K1) + " " +
               dbPer100ftText(c.line.k.K2) + "\n";
        if (c.datasheet) {
            out += std::string("datasheet ") + unitWord(c.datasheet->unit) + "\n";
            for (const Point& p : c.datasheet->points)
                out += "point " + shortest(p.mhz) + " " + shortest(p.loss) + "\n";
        }
        if (c.measured) {
            out += "measured " + shortest(c.measured->metres) + " " + endWord(c.measured->end);
            if (!c.measured->sweep.empty()) {
                std::string sweep = c.measured->sweep; // a file's name may hold what a line cannot
                for (char& ch : sweep)
                    if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F)
                        ch = '?';
                out += " " + sweep;
            }
            out += "\n";
        }
        out += "end\n";
    }
    return out;
}

} // namespace cables
