// The shell's replies as bytes arrive, and the strict reading of their lines.
#include "analyser/analyser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace analyser {

Reply::Reply(std::string command, std::size_t maxLines) : command_(std::move(command)), maxLines_(maxLines) {}

std::string_view Reply::line(std::size_t i) const {
    return std::string_view(text_).substr(lines_[i].begin, lines_[i].size);
}

std::string Reply::problem() const {
    switch (state_) {
    case State::Flood:
        if (text_.size() - lineBegin_ > kMaxLineLength)
            return "a line longer than " + std::to_string(kMaxLineLength) + " characters";
        return "more than " + std::to_string(maxLines_) + " lines";
    case State::BadEcho: {
        std::string shown;
        for (char c : echo_.substr(0, 40))
            shown += (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '?' : c;
        return "'" + shown + "' instead of the echo of '" + command_ + "'";
    }
    default:
        return {};
    }
}

// A line ended by LF (its CR dropped): the echo first, then the reply's lines.
void Reply::endLine() {
    std::size_t size = text_.size() - lineBegin_;
    if (size > 0 && text_.back() == '\r')
        --size;
    const std::string_view l = std::string_view(text_).substr(lineBegin_, size);
    if (state_ == State::Echo) {
        // A prompt left on the line before the echo (the shell prints one after a line it could not run)
        // is not part of the echo.
        std::string_view e = l;
        while (e.substr(0, kPrompt.size()) == kPrompt)
            e.remove_prefix(kPrompt.size());
        if (e == command_) {
            state_ = State::Lines;
        } else {
            echo_.assign(l);
            state_ = State::BadEcho;
        }
        text_.resize(lineBegin_);
        return;
    }
    if (lines_.size() == maxLines_) {
        state_ = State::Flood;
        return;
    }
    lines_.push_back({lineBegin_, size});
    text_.resize(lineBegin_ + size);
    lineBegin_ = text_.size();
}

std::size_t Reply::feed(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n && open()) {
        const void* nl = std::memchr(bytes.data() + i, '\n', n - i);
        const std::size_t end =
            nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - bytes.data()) : n;
        while (i < end) {
            const std::size_t have = text_.size() - lineBegin_;
            if (state_ == State::Lines && have < kPrompt.size()) {
                // The prompt ends the reply without a line end: watched for byte by byte at a line's start.
                text_.push_back(bytes[i++]);
                if (have + 1 == kPrompt.size() && std::string_view(text_).substr(lineBegin_) == kPrompt) {
                    text_.resize(lineBegin_);
                    state_ = State::Done;
                    return i;
                }
            } else {
                const std::size_t take =
                    std::min(end - i, kMaxLineLength + 2 - std::min(have, kMaxLineLength + 2));
                text_.append(bytes.data() + i, take);
                i += take;
            }
            if (text_.size() - lineBegin_ > kMaxLineLength + 1) { // + 1: the CR before the LF
                state_ = State::Flood;
                return i;
            }
        }
        if (nl) {
            ++i;
            endLine();
        }
    }
    return i;
}

// ---- numbers --------------------------------------------------------------------------------------------

bool readNumber(std::string_view t, double& value) {
    if (t.empty() || t.size() > 40)
        return false;
    std::size_t i = 0, comma = std::string_view::npos;
    if (t[i] == '-' || t[i] == '+')
        ++i;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - from;
    };
    if (digits() == 0)
        return false;
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        if (t[i] == ',')
            comma = i;
        ++i;
        if (digits() == 0)
            return false;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '-' || t[i] == '+'))
            ++i;
        const std::size_t d = digits();
        if (d == 0 || d > 3)
            return false;
    }
    if (i != t.size())
        return false;
    // from_chars takes neither a leading '+' nor a decimal comma: those few are copied first.
    const char* begin = t.data() + (t[0] == '+' ? 1 : 0);
    const char* end = t.data() + t.size();
    char buf[48];
    if (comma != std::string_view::npos) {
        const std::size_t n = static_cast<std::size_t>(end - begin);
        std::copy(begin, end, buf);
        buf[comma - static_cast<std::size_t>(begin - t.data())] = '.';
        begin = buf;
        end = buf + n;
    }
    const auto r = std::from_chars(begin, end, value);
    return r.ec == std::errc() && r.ptr == end && std::isfinite(value);
}

bool readHz(std::string_view t, long long& hz) {
    if (t.empty() || t.size() > 11)
        return false;
    for (char c : t)
        if (c < '0' || c > '9')
            return false;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), hz);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

namespace {

// The blank-separated words of a line, at most `max` + 1 of them (enough to tell that there are too many).
std::size_t words(std::string_view l, std::string_view* out, std::size_t max) {
    std::size_t n = 0, i = 0;
    while (i < l.size() && n <= max) {
        while (i < l.size() && (l[i] == ' ' || l[i] == '\t'))
            ++i;
        if (i == l.size())
            break;
        const std::size_t b = i;
        while (i < l.size() && l[i] != ' ' && l[i] != '\t')
            ++i;
        out[n++] = l.substr(b, i - b);
    }
    return n;
}

std::string shown(std::string_view l) {
    std::string s;
    for (char c : l.substr(0, 60))
        s += (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '?' : c;
    if (l.size() > 60)
        s += "...";
    return s;
}

std::string badLine(std::size_t i, std::string_view l, const std::string& what) {
    return "line " + std::to_string(i + 1) + " '" + shown(l) + "' " + what;
}

std::string countProblem(std::size_t got, std::size_t asked, const char* what) {
    return std::to_string(got) + " " + what + " for " + std::to_string(asked) + " points asked";
}

bool component(std::string_view t, double& v) {
    return readNumber(t, v) && std::fabs(v) <= kMaxComponent;
}

bool frequency(std::string_view t, double asked, long long& hz) {
    return readHz(t, hz) && std::fabs(static_cast<double>(hz) - asked) <= 1.0;
}

} // namespace

std::string parseScan(const Reply& reply, const std::vector<double>& askedHz, std::vector<Point>& out) {
    if (reply.lineCount() != askedHz.size())
        return countProblem(reply.lineCount(), askedHz.size(), "lines");
    const std::size_t first = out.size();
    out.reserve(first + askedHz.size());
    std::string_view w[6];
    for (std::size_t i = 0; i < askedHz.size(); ++i) {
        const std::string_view l = reply.line(i);
        if (words(l, w, 5) != 5) {
            out.resize(first);
            return badLine(i, l, "does not hold five numbers");
        }
        Point p;
        double v[4];
        if (!frequency(w[0], askedHz[i], p.hz)) {
            out.resize(first);
            return badLine(i, l,
                           "does not start with the frequency asked, " +
                               std::to_string(std::llround(askedHz[i])) + " Hz");
        }
        for (int k = 0; k < 4; ++k)
            if (!component(w[k + 1], v[k])) {
                out.resize(first);
                return badLine(i, l, "holds a value that is not a measured number");
            }
        p.s11 = {v[0], v[1]};
        out.push_back(p);
    }
    return {};
}

std::string parseFrequencies(const Reply& reply, const std::vector<double>& askedHz,
                             std::vector<long long>& hz) {
    hz.clear();
    std::string_view w[2];
    for (std::size_t i = 0; i < reply.lineCount(); ++i) {
        const std::string_view l = reply.line(i);
        long long f = 0;
        if (words(l, w, 1) != 1 || !readHz(w[0], f))
            return badLine(i, l, "is not a frequency");
        hz.push_back(f);
    }
    if (hz.size() != askedHz.size())
        return countProblem(hz.size(), askedHz.size(), "frequencies");
    for (std::size_t i = 0; i < hz.size(); ++i)
        if (std::fabs(static_cast<double>(hz[i]) - askedHz[i]) > 1.0)
            return badLine(i, reply.line(i),
                           "is not the frequency asked, " + std::to_string(std::llround(askedHz[i])) + " Hz");
    return {};
}

std::string parseData(const Reply& reply, const std::vector<long long>& hz, std::vector<Point>& out) {
    if (reply.lineCount() != hz.size())
        return countProblem(reply.lineCount(), hz.size(), "lines of data");
    const std::size_t first = out.size();
    std::string_view w[3];
    for (std::size_t i = 0; i < hz.size(); ++i) {
        const std::string_view l = reply.line(i);
        double re = 0, im = 0;
        if (words(l, w, 2) != 2 || !component(w[0], re) || !component(w[1], im)) {
            out.resize(first);
            return badLine(i, l, "is not two measured numbers");
        }
        out.push_back({hz[i], {re, im}});
    }
    return {};
}

} // namespace analyser
