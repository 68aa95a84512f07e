// The worst texts an operator can paste into each of the 34 input fields: each is taken as pasted, shows
// no message, changes no other control, and reads as the number rules say (an overflow where the text
// stands for a number too large for a double).
#include "numeric/checked.h"
#include "numeric/numtext.h"
#include "tools/formscript/formscript.h"
#include "ui/entry.h"
#include "ui/form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct BadText {
    const char* what;
    std::string text;
    std::optional<double> value; // none: reading it is an overflow
};

std::vector<BadText> badTexts() {
    using namespace std::string_literals;
    return {
        {"a megabyte of digits", std::string(1 << 20, '9'), std::nullopt},
        {"400 digits", std::string(400, '9'), std::nullopt},
        {"400 digits after the point", "0." + std::string(399, '0') + "1", 0.0}, // underflow is no fault
        {"past the largest double", "1e309", std::nullopt},
        {"80 bits of hexadecimal", "&HFFFFFFFFFFFFFFFFFFFF", std::ldexp(1.0, 80)}, // 2^80 - 1 rounds up
        {"a NUL byte",
         "12\0"s
         "34",
         12.0},                                // NUL ends the number
        {"a carriage return", "12\r34", 12.0}, // a carriage return is not skipped, a line feed is
        {"a line feed", "12\n34", 1234.0},
        {"full-width digits", "\xEF\xBC\x91\xEF\xBC\x92", 0.0}, // no ASCII digit: 0
        {"a unit sign after the number", "12\xC2\xB5", 12.0},
    };
}

TEST(BadInput, EveryInputFieldTakesTheWorstPastesAndChangesNothingElse) {
    std::ostringstream out;
    formscript::Session session(out);
    for (const auto& field : ui::inputFields()) {
        for (const auto& bad : badTexts()) {
            SCOPED_TRACE(std::string(field.name) + ", " + bad.what);
            session.restart();
            out.str("");
            const std::vector<ui::Control> before = session.form().controls();
            session.execute(std::string("clear ") + field.name); // the focus move and the emptying first
            const std::vector<ui::Control> focused = session.form().controls();
            const bool takesText = session.form().acceptsText(field.name);
            session.execute(std::string("paste ") + field.name + " " + bad.text);

            EXPECT_EQ(out.str(), ""); // no message box
            const auto& after = session.form().controls();
            ASSERT_EQ(after.size(), before.size());
            for (std::size_t i = 0; i < after.size(); ++i) {
                if (after[i].name == field.name)
                    EXPECT_EQ(after[i].text, takesText ? bad.text : before[i].text);
                else
                    EXPECT_TRUE(after[i] == focused[i]) << after[i].name << " changed";
            }
            if (!takesText)
                continue; // a field that starts disabled takes no paste
            try {
                const double v = session.form().val(field.name);
                ASSERT_TRUE(bad.value.has_value()) << "read as " << v;
                EXPECT_EQ(v, *bad.value);
            } catch (const num::ArithFault& f) {
                EXPECT_FALSE(bad.value.has_value()) << f.what();
                EXPECT_EQ(f.kind(), num::ArithFault::Kind::Overflow);
            }
        }
    }
}

} // namespace
