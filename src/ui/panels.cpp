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

std::string resultsText(const Form& f, const ShownText& shown) {
    const auto show = [&](const std::string& text) { return shown ? shown(text) : text; };
    std::string out;
    for (const Control& panel : f.controls()) {
        if (panel.kind != Kind::Frame || !panel.container.empty())
            continue;
        std::string lines;
        for (const Control& c : f.controls()) {
            if (!c.result || c.text.empty() || &panelOf(f, c) != &panel)
                continue;
            // Lines end at each carriage return and line feed pair in the model, at a line feed here.
            std::string text;
            for (std::size_t i = 0; i < c.text.size(); ++i)
                if (!(c.text[i] == '\r' && i + 1 < c.text.size() && c.text[i + 1] == '\n'))
                    text += c.text[i];
            const bool several = text.find('\n') != std::string::npos;
            lines += show(c.accessibleName) + (several ? ":\n" : ": ") + text + '\n';
        }
        if (lines.empty())
            continue;
        if (!out.empty())
            out += '\n';
        out += show(panel.text) + '\n' + lines;
    }
    return out;
}

} // namespace ui
