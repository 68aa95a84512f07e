#include "ui/entry.h"

namespace ui {

const std::vector<InputField>& inputFields() {
    static const std::vector<InputField> fields = {
        // the point calculator
        {"Text7", false, {"Text2", "Text3", "Text4", "Text19"}},
        {"Text8", true, {"Text2", "Text3", "Text4", "Text19"}},
        {"Text9", false, {"Text2"}},
        {"Text10", true, {"Text3"}},
        {"Text18", false, {"Text19"}},
        {"Text6", false, {"Text4"}},
        {"Text12", false, {"Text4"}},
        {"Text11", true, {"Text4"}},
        // the input-output comparison
        {"Text15", false, {"Text5"}},
        {"Text1", true, {"Text5"}},
        {"Text16", false, {"Text5"}},
        {"Text17", true, {"Text5"}},
        {"Text13", false, {"Text5"}},
        {"Text14", false, {"Text5"}},
        {"Text20", false, {"Text5"}},
        {"Text21", false, {"Text5"}},
        // the S-parameters of the tuner
        {"Text30", true, {"Text5"}, true},
        {"Text34", true, {"Text5"}, true},
        {"Text36", true, {"Text5"}, true},
        {"Text37", true, {"Text5"}, true},
        {"Text33", true, {"Text5"}, true},
        {"Text32", true, {"Text5"}, true},
        {"Text31", true, {"Text5"}, true},
        {"Text35", true, {"Text5"}, true},
        {"Text38", true, {"Text5"}, true},
        {"Text39", true, {"Text5"}, true},
        // the transmission line
        {"Text23", false, {"Text22"}},
        {"Text24", true, {"Text22"}},
        {"Text28", false, {"Text22"}},
        {"Text29", false, {"Text22"}},
        {"Text26", false, {"Text22"}},
        {"Text40", false, {"Text22"}},
        {"Text25", false, {"Text22"}},
        {"Text27", false, {"Text22"}},
    };
    return fields;
}

const InputField* inputField(std::string_view name) {
    for (const InputField& field : inputFields())
        if (name == field.name)
            return &field;
    return nullptr;
}

std::vector<std::string> widestTexts(const InputField& field) {
    std::vector<std::string> texts = {"123.45"};
    if (field.signedValue)
        texts.push_back("-12.35");
    if (field.sParameter) {
        texts.push_back("0.0234769");
        texts.push_back("-0.151514");
    }
    return texts;
}

void filterKey(Form& f, bool signedValue, int& code) {
    if (code == ',')
        f.messageBox("Decimal Separation", "Use Dot as Decimal Separator!");
    if (code < 32)
        return;
    if (code == '.' || (code >= '0' && code <= '9'))
        return;
    if (signedValue && code == '-')
        return;
    code = 0;
}

bool acceptEdit(Form& f, const std::string& text) {
    if (text.find(',') == std::string::npos)
        return true;
    f.messageBox("Decimal Separation", "Use Dot as Decimal Separator!");
    return false;
}

void requireNonZero(Form& f, const char* field, const char* title, const char* prompt) {
    if (f.val(field) == 0) {
        f.messageBox(title, prompt);
        if (f.val(field) == 0)
            f.setText(field, "0.001");
    }
}

void installEntryRules(Form& f) {
    for (const auto& field : inputFields()) {
        const bool s = field.signedValue;
        f.onKeyPress(field.name, [s](Form& form, int& code) { filterKey(form, s, code); });
        f.onEdit(field.name, acceptEdit);
        const std::vector<const char*> empties = field.empties;
        f.on(field.name, Event::Change, [empties](Form& form) {
            for (const char* r : empties)
                form.setText(r, "");
        });
    }
}

} // namespace ui
