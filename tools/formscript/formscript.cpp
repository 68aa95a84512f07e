#include "tools/formscript/formscript.h"

#include "tools/formscript/commands.h"
#include "ui/form.h"
#include "wiring/wiring.h"

#include <istream>
#include <ostream>
#include <string_view>
#include <unordered_map>

namespace formscript {

namespace {

// Every command, by its first word on the line. A new command: its function (commands.h) and one line
// here.
const std::unordered_map<std::string_view, void (*)(Context&)>& commands() {
    static const std::unordered_map<std::string_view, void (*)(Context&)> table = {
        {"tab", tabCommand},           {"decimal", decimalCommand},     {"accel", accelCommand},
        {"type", typeCommand},         {"paste", pasteCommand},         {"clear", clearCommand},
        {"click", clickCommand},       {"focus", focusCommand},         {"pick", pickCommand},
        {"scroll", scrollCommand},     {"show", showCommand},           {"state", stateCommand},
        {"import", importCommand},     {"chart", chartCommand},         {"match", matchCommand},
        {"export", exportCommand},     {"linemodel", lineModelCommand}, {"cable", cableCommand},
        {"analyser", analyserCommand}, {"sweep", sweepCommand},         {"save", saveCommand},
    };
    return table;
}

// Records what the window shows outside itself, in order.
class PrintingPorts : public ui::Ports {
  public:
    explicit PrintingPorts(std::ostream& out) : out_(out) {}
    void messageBox(const std::string& title, const std::string& prompt) override {
        out_ << "msgbox[" << title << "] " << prompt << '\n';
    }
    void openDocument(const std::string& address) override { out_ << "open " << address << '\n'; }

  private:
    std::ostream& out_;
};

const char* kindWord(ui::Kind k) {
    switch (k) {
    case ui::Kind::TextBox:
        return "text box";
    case ui::Kind::Label:
        return "label";
    case ui::Kind::Frame:
        return "frame";
    case ui::Kind::CommandButton:
        return "command button";
    case ui::Kind::OptionButton:
        return "option button";
    case ui::Kind::ComboBox:
        return "combo box";
    case ui::Kind::ListBox:
        return "list box";
    case ui::Kind::HScrollBar:
        break;
    }
    return "scroll bar";
}

} // namespace

// ---- the context of a command ---------------------------------------------------------------------

std::string Context::word() {
    const std::size_t sp = rest_.find(' ');
    std::string w(rest_.substr(0, sp));
    rest_ = sp == std::string_view::npos ? std::string_view() : rest_.substr(sp + 1);
    return w;
}

std::string Context::text() {
    return std::string(takeRest());
}

std::string_view Context::takeRest() {
    const std::string_view t = rest_;
    rest_ = {};
    return t;
}

void Context::noMore() {
    if (!rest_.empty())
        throw ScriptError("unexpected text '" + std::string(rest_) + "'");
}

const ui::Control& Context::target(std::initializer_list<ui::Kind> kinds) {
    const std::string name = word();
    if (name.empty())
        throw ScriptError(command_ + " needs a control name");
    if (!form.has(name))
        throw ScriptError("unknown control '" + name + "'");
    const ui::Control& c = form.control(name);
    bool ok = kinds.size() == 0;
    for (auto k : kinds)
        ok = ok || c.kind == k;
    if (!ok)
        throw ScriptError(command_ + " does not take " + name + ", a " + kindWord(c.kind));
    return c;
}

// ---- the session ------------------------------------------------------------------------------------

struct Session::Impl {
    explicit Impl(std::ostream& out) : ports_(out), context_(form_, out) {
        form_.setPorts(&ports_);
        wiring::start(form_);
    }

    void execute(const std::string& line) {
        const std::size_t p = line.find_first_not_of(" \t");
        if (p == std::string::npos || line[p] == '#')
            return;
        // A view: a pasted megabyte is copied once.
        const std::string_view rest = std::string_view(line).substr(p);
        const std::size_t sp = rest.find(' ');
        std::string cmd(rest.substr(0, sp));
        context_.startLine(std::move(cmd),
                           sp == std::string_view::npos ? std::string_view() : rest.substr(sp + 1));
        const auto it = commands().find(context_.command());
        if (it == commands().end())
            throw ScriptError("unknown command '" + context_.command() + "'");
        it->second(context_);
    }

    PrintingPorts ports_;
    ui::Form form_;
    Context context_;
};

Session::Session(std::ostream& out) : impl_(std::make_unique<Impl>(out)) {}
Session::~Session() = default;
void Session::execute(const std::string& line) {
    impl_->execute(line);
}
void Session::restart() {
    impl_->form_.restart();
    impl_->context_.restart();
}
const ui::Form& Session::form() const {
    return impl_->form_;
}

Outcome run(std::istream& script, std::ostream& out) {
    Session session(out);
    std::string line;
    int n = 0;
    while (std::getline(script, line)) {
        ++n;
        try {
            session.execute(line);
        } catch (const ScriptError& e) {
            out.flush();
            return {false, n, e.what()};
        }
    }
    return {};
}

} // namespace formscript
