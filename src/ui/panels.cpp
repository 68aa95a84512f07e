#include "ui/panels.h"

namespace ui {

const Control& panelOf(const Form& f, const Control& c) {
    const Control* top = &c;
    while (!top->container.empty())
        top = &f.control(top->container);
    return *top;
}

Point windowOrigin(const Form& f, const Control& c) {
    Point p;
    for (const Control* x = &c;; x = &f.control(x->container)) {
        p.left += x->geom.left;
        p.top += x->geom.top;
        if (x->container.empty())
            return p;
    }
}

namespace {

// Lines end at each carriage return and line feed pair in the model, at a line feed here.
std::string plainLines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

// The chosen option of a group; null when none is chosen.
const Control* chosenOption(const Form& f, const Control& group) {
    for (const Control& c : f.controls())
        if (c.kind == Kind::OptionButton && c.container == group.name && c.value != 0)
            return &c;
    return nullptr;
}

} // namespace

std::string resultsText(const Form& f, const std::vector<StandingResult>& results, const ShownText& shown) {
    const auto show = [&](const std::string& text) { return shown ? shown(text) : text; };
    std::string out;
    for (const Control& panel : f.controls()) {
        if (panel.kind != Kind::Frame || !panel.container.empty())
            continue;
        std::string blocks;
        for (const StandingResult& r : results) {
            const Control& result = f.control(r.field);
            if (result.text.empty() || &panelOf(f, result) != &panel)
                continue;
            std::string block;
            for (const std::string& name : r.inputs) {
                const Control& c = f.control(name);
                if (c.kind == Kind::Frame) {
                    const Control* option = chosenOption(f, c);
                    if (!option)
                        continue;
                    if (!c.text.empty())
                        block += show(c.text) + ": " + show(option->text) + '\n';
                    else if (!block.empty())
                        block.insert(block.size() - 1, " " + show(option->text));
                    continue;
                }
                block += show(c.accessibleName) + ": " + plainLines(c.text) + '\n';
            }
            const std::string text = plainLines(result.text);
            const bool several = text.find('\n') != std::string::npos;
            block += show(result.accessibleName) + (several ? ":\n" : ": ") + text + '\n';
            blocks += (blocks.empty() ? "" : "\n") + block;
        }
        if (blocks.empty())
            continue;
        if (!out.empty())
            out += '\n';
        out += show(panel.text) + '\n' + blocks;
    }
    return out;
}

} // namespace ui
