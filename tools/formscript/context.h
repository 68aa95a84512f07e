// What a command of a script works with: the window, the output, the rest of its line, and what a group
// of commands keeps from one line to the next. A command is a function of it (commands.h).
#pragma once

#include "ui/form.h"

#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <unordered_map>

namespace formscript {

class Context {
  public:
    Context(ui::Form& form, std::ostream& out) : form(form), out(out) {}
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    ui::Form& form;
    std::ostream& out;

    // The command's own word ("type"), for its messages.
    const std::string& command() const { return command_; }
    // The next blank-separated word of the line (empty at its end).
    std::string word();
    // The rest of the line after exactly one blank (it may hold blanks, or be empty).
    std::string text();
    // The same without a copy: valid until the next line runs.
    std::string_view takeRest();
    // A script error unless the line is at its end.
    void noMore();
    // The control named next on the line, which must be of one of the kinds (any kind when empty).
    const ui::Control& target(std::initializer_list<ui::Kind> kinds);

    // What a group of commands keeps between lines (a connection, a sweep), made on first use and
    // dropped by a restart of the session.
    template <class T> T& kept() {
        std::shared_ptr<void>& slot = kept_[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

    // The session's side: a new line to run, and the restart.
    void startLine(std::string command, std::string_view rest) {
        command_ = std::move(command);
        rest_ = rest;
    }
    void restart() {
        kept_.clear();
        rest_ = {};
    }

  private:
    std::string command_;
    std::string_view rest_; // the unread part of the line being run
    std::unordered_map<std::type_index, std::shared_ptr<void>> kept_;
};

} // namespace formscript
