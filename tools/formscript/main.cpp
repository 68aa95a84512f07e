// formscript: reads a script on standard input, drives the window model and prints what it shows.
#include "tools/formscript/formscript.h"

#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    const auto outcome = formscript::run(std::cin, std::cout);
    std::cout.flush();
    if (!outcome.ok) {
        std::cerr << "formscript: line " << outcome.line << ": " << outcome.error << '\n';
        return 2;
    }
    return 0;
}
