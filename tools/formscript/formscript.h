// The headless driver of the window model: runs a script of operator actions and prints what the
// window shows.
#pragma once

#include <iosfwd>
#include <string>

namespace formscript {

struct Outcome {
    bool ok = true;
    int line = 0;      // line of the failing command
    std::string error; // what was wrong with it
};

// Starts the window as the application does, runs the script and writes its output to out.
Outcome run(std::istream& script, std::ostream& out);

} // namespace formscript
