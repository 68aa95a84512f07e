// Measurements in: what OK in the Touchstone import dialog does.
#include "tools/formscript/commands.h"
#include "tools/formscript/formscript.h"

#include "numeric/numtext.h"
#include "wiring/import.h"

namespace formscript {

// import TARGET MHZ FILE
void importCommand(Context& c) {
    const std::string t = c.word();
    const auto target = wiring::importTarget(t);
    if (!target)
        throw ScriptError("import takes point, line, antenna or tuner, not '" + t + "'");
    const std::string m = c.word();
    const auto mhz = num::parseNumber(m);
    if (!mhz || !(*mhz > 0))
        throw ScriptError("import takes a frequency in MHz with the dot, not '" + m + "'");
    const std::string file = c.text();
    if (file.empty())
        throw ScriptError("import needs a file");
    wiring::importMeasurement(c.form, *target, *mhz, file);
}

} // namespace formscript
