// Any bytes as a Touchstone file, read as a one-port and as a two-port. A file is either refused with
// touchstone::Error or read whole: ports 1 or 2, positive references, at least one sample, frequencies
// strictly increasing, every value finite. The values at and between its frequencies are finite or
// refused, and a one-port sweep written back as a file reads back exactly. Crashes and undefined
// behaviour are caught by the sanitizers.
#include "numeric/reflection.h"
#include "touchstone/touchstone.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "%s %s\n", what, detail.substr(0, 400).c_str());
    std::abort();
}

bool finite(touchstone::Complex c) {
    return std::isfinite(c.real()) && std::isfinite(c.imag());
}

void check(const touchstone::Network& n) {
    if (n.ports != 1 && n.ports != 2)
        fail("port count", std::to_string(n.ports));
    for (double r : n.reference)
        if (!(r > 0) || !std::isfinite(r))
            fail("reference");
    if (n.samples.empty())
        fail("no samples read without complaint");
    for (std::size_t i = 0; i < n.samples.size(); ++i) {
        const auto& s = n.samples[i];
        if (!std::isfinite(s.hz) || s.hz < 0 || (i > 0 && !(s.hz > n.samples[i - 1].hz)))
            fail("frequencies");
        for (const auto& c : s.s)
            if (!finite(c))
                fail("a value that is not finite");
        if (n.ports == 1 && (s.s[1] != 0.0 || s.s[2] != 0.0 || s.s[3] != 0.0))
            fail("a one-port with two-port values");
    }

    // At the first point, half-way to the next, and at the last: finite values or a refusal.
    std::vector<double> at = {n.samples.front().hz, n.samples.back().hz};
    if (n.samples.size() > 1)
        at.push_back(n.samples[0].hz + (n.samples[1].hz - n.samples[0].hz) / 2);
    for (double hz : at) {
        try {
            const auto s = touchstone::at(n, hz);
            for (const auto& c : s)
                if (!finite(c))
                    fail("interpolated value not finite");
            (void)touchstone::renormalise(s, n.reference, 50.0);
            (void)num::impedance(s[0], n.reference[0]);
        } catch (const touchstone::Error&) {
        }
    }
    try {
        (void)touchstone::at(n, n.samples.back().hz * 2 + 1);
        fail("extrapolated");
    } catch (const touchstone::Error&) {
    }

    // The one-port sweep written back reads back as the same doubles.
    std::vector<std::pair<double, touchstone::Complex>> pts;
    for (const auto& s : n.samples)
        pts.emplace_back(s.hz, s.s[0]);
    const std::string text = touchstone::writeOnePortRI(pts);
    const auto back = touchstone::parse(text, "back.s1p");
    if (back.samples.size() != pts.size())
        fail("written sweep lost points", text);
    for (std::size_t i = 0; i < pts.size(); ++i)
        if (back.samples[i].hz != pts[i].first || back.samples[i].s[0] != pts[i].second)
            fail("written sweep reads back different", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char* name : {"fuzz.s1p", "fuzz.S2P"}) {
        try {
            check(touchstone::parse(bytes, name));
        } catch (const touchstone::Error& e) {
            const std::string m = e.what();
            if (m.rfind(std::string(name), 0) != 0)
                fail("a refusal that does not name the file", m);
        }
    }
    return 0;
}
