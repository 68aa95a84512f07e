// The headless driver of the window model: runs a script of operator actions and prints what the
// window shows.
#pragma once

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>

namespace ui {
class Form;
}

namespace formscript {

// A command that is unknown or misused: an unknown control, a kind the command does not take, a value
// out of its bounds.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One window driven command by command; what it shows goes to out.
class Session {
  public:
    explicit Session(std::ostream& out);
    ~Session();
    // Runs one script line; throws ScriptError when the command is unknown or misused.
    void execute(const std::string& line);
    // The window back to the state it started in, as a new session would have it, at a fraction of the
    // cost of building one.
    void restart();
    const ui::Form& form() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

struct Outcome {
    bool ok = true;
    int line = 0;      // line of the failing command
    std::string error; // what was wrong with it
};

// Starts the window as the application does, runs the script and writes its output to out.
Outcome run(std::istream& script, std::ostream& out);

} // namespace formscript
