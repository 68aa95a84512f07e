#include "ui/window.h"

#include "ui/controlset.h"

namespace ui {

void createControls(Form& f) {
    for (auto& c : controlSet())
        f.addControl(std::move(c));
    f.setFocusOrder(focusOrder());
    f.setCaption(kWindowTitle);
}

void formLoad(Form& f) {
    f.setFontSize("Command7", 24);
    f.setBold("Command7", true);
    f.setText("Combo1", "1");
    f.setText("Text41", "0.00 - 7.18 mt");
    f.setBold("Label36", true);
    f.select("Option16");
    f.setEnabled("Text40", false);
    f.setEnabled("Text25", false);
    f.setEnabled("Text27", false);
}

void command7Click(Form& f) {
    f.openDocument(kGuideAddress);
}

Handler emptyOnClick(std::string resultField) {
    return [field = std::move(resultField)](Form& f) { f.setText(field, ""); };
}

} // namespace ui
