// Any bytes as the user's cable file. A file is either refused with cables::FileError naming a line of
// the file, or read whole into cables that each make a cable (a valid name of their own, Z0 > 0,
// 0 < VF <= 1, finite coefficients, valid datasheet points), and what is written from them reads back
// as the same cables. Crashes and undefined behaviour are caught by the sanitizers.
#include "cables/file.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "%s %s\n", what, detail.substr(0, 400).c_str());
    std::abort();
}

void check(const cables::Cable& c, std::set<std::string>& names) {
    try {
        if (cables::checkedName(c.line.name) != c.line.name)
            fail("a name with blanks at its ends", c.line.name);
        cables::checkLine(c.line.Z0, c.line.VF);
        if (c.datasheet)
            cables::checkPoints(c.datasheet->points);
    } catch (const cables::Refusal& r) {
        fail("a cable that cannot be one:", r.what());
    }
    if (!names.insert(c.line.name).second)
        fail("a name twice", c.line.name);
    for (double k : {c.line.k.K0, c.line.k.K1, c.line.k.K2})
        if (!std::isfinite(k))
            fail("a coefficient that is not finite", c.line.name);
    if (c.datasheet && c.measured)
        fail("a datasheet and a measurement", c.line.name);
    if (c.measured && !(c.measured->metres > 0 && std::isfinite(c.measured->metres)))
        fail("a measured length that is none", c.line.name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<cables::Cable> read;
    try {
        read = cables::parseCables(bytes, "cables.txt");
    } catch (const cables::FileError& e) {
        std::size_t lines = 1;
        for (char c : bytes)
            lines += c == '\n';
        if (e.line < 0 || static_cast<std::size_t>(e.line) > lines)
            fail("a line the file does not have:", e.what());
        if (std::string(e.what()).rfind("cables.txt", 0) != 0)
            fail("a message that does not name the file:", e.what());
        return 0;
    }
    std::set<std::string> names;
    for (const cables::Cable& c : read)
        check(c, names);
    const std::string written = cables::writeCables(read);
    try {
        if (cables::parseCables(written, "again") != read)
            fail("written and read back, the cables differ", written);
    } catch (const cables::FileError& e) {
        fail("what was written cannot be read:", e.what());
    }
    return 0;
}
