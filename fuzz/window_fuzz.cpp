// Random sequences of operator actions on one window. After every command: no field the program
// writes shows "nan" or "inf", every message box is one of the window's own, and the command finished
// in bounded time. Crashes and undefined behaviour are caught by the sanitizers.
#include "tools/formscript/formscript.h"
#include "ui/form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what.c_str(), detail.substr(0, 400).c_str());
    std::abort();
}

const std::set<std::string>& allowedMessages() {
    static const std::set<std::string> m = {
        "msgbox[Decimal Separation] Use Dot as Decimal Separator!",
        "msgbox[Reference Resistance] Reference Resistance cannot be 0!",
        "msgbox[Resistance] Resistance cannot be 0!",
        "msgbox[Input Resistance] Input Resistance cannot be 0!",
        "msgbox[Output Resistance] Output Resistance cannot be 0!",
        "msgbox[Invalid S. Ant. real part] R is a number > -1 and < 1",
        "msgbox[Invalid S. Ant. imaginary part] I is a number > -1 and < 1",
        "msgbox[Line Impedence] Line Impedence cannot be 0!",
        "msgbox[RTX Impedence] RTX Impedence cannot be 0!",
        "msgbox[Velocity Factor] Velocity Factor cannot be 0!",
        "msgbox[Frequency] Frequency cannot be 0!",
        "msgbox[Power] Power cannot be 0!",
        "msgbox[Arithmetic Error] Division by zero: the calculation was stopped.",
        "msgbox[Arithmetic Error] Overflow: the calculation was stopped.",
        "msgbox[Arithmetic Error] Invalid operation: the calculation was stopped.",
        // A sweep without an analyser: the fuzzer connects to no device.
        "msgbox[Analyser] No analyser is connected: connect one first.",
    };
    return m;
}

// What a script line of the fuzzer cannot carry: "@8K" in a paste stands for 8,192 digits, "@LF" for a
// line feed inside a pasted text.
// 8,192 digits are more than the 769 digits a decimal text is read exactly to, the 16 hexadecimal digits
// kept whole, the fuzzer's own 4,096-byte inputs and a page of memory: every limit the number reader and
// the fields of the window model have. A megabyte costs a hundred times as much (30 ms, most of it the
// reading of its digits at every calculation) and crosses no further limit; each input field takes one
// in tests/unit/bad_input_test.cpp.
constexpr std::size_t kLongPaste = std::size_t{1} << 13;
// The line is made in one buffer kept from run to run.
void expand(std::string_view source, std::string& line, int& longPastesLeft) {
    line.assign(source);
    if (line.rfind("paste", 0) != 0)
        return; // nobody types a long text, and a file's name holds no line feed a script could show
    const auto at = line.find("@8K");
    if (at != std::string::npos && longPastesLeft > 0) {
        line.replace(at, 3, kLongPaste, '9');
        --longPastesLeft;
    }
    for (auto lf = line.find("@LF"); lf != std::string::npos; lf = line.find("@LF", lf))
        line.replace(lf, 3, "\n");
}

// Fields only the program writes: none may show a number the program did not compute.
const char* const kResultFields[] = {"Text2", "Text3", "Text4", "Text5", "Text19", "Text22", "Text41"};

void checkWindow(const ui::Form& f, const std::string& command) {
    for (const char* name : kResultFields) {
        const std::string& t = f.text(name);
        if (t.find("nan") != std::string::npos || t.find("inf") != std::string::npos)
            fail(std::string(name) + " shows " + t, command);
    }
}

void checkOutput(const std::string& out, const std::string& command) {
    const auto first = command.find_first_not_of(" \t");
    if (first != std::string::npos &&
        (command.compare(first, 4, "show") == 0 || command.compare(first, 5, "state") == 0))
        return; // what they print is the window's content, checked by checkWindow
    // A refused file names itself in a message of the import's own; a chart or a design prints numbers.
    const bool files = first != std::string::npos &&
                       (command.compare(first, 6, "import") == 0 || command.compare(first, 6, "export") == 0);
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("open ", 0) == 0)
            continue;
        if (line.rfind("msgbox[Touchstone ", 0) == 0)
            continue; // a refused file, frequency or value of an import; its text names the file
        if (files && line.rfind("msgbox[", 0) == 0)
            continue; // its text may name the file
        if (line.rfind("match| ", 0) == 0 || line.rfind("chart| ", 0) == 0)
            continue; // the data the match and chart commands print
        if (!allowedMessages().count(line))
            fail("unexpected output " + line, command);
    }
}

// Files come from a folder of the fuzzer's own: import and export take a bare name, read and written
// there only, so that a script reads no file of the machine and writes nowhere else; the cable commands
// are not run.
bool touchesOtherFiles(const std::string& command) {
    const auto first = command.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    // The cable commands write the user's cable file (the fuzzer's own, see LLVMFuzzerInitialize), which
    // a restart does not undo; the cable file has a fuzzer of its own.
    if (command.compare(first, 5, "cable") == 0)
        return true;
    if (command.compare(first, 8, "analyser") == 0)
        return true; // a serial port is a device of the machine's (the terminal itself, a modem)
    if (command.compare(first, 4, "save") == 0)
        return true; // nothing to save: no analyser sweeps
    if (command.compare(first, 6, "import") != 0 && command.compare(first, 6, "export") != 0)
        return false;
    const auto name = command.find_last_of(' ');
    const std::string file = name == std::string::npos ? std::string() : command.substr(name + 1);
    return file.empty() || file[0] == '.' || command.find('/') != std::string::npos ||
           command.find('\\') != std::string::npos;
}

std::string& folder() {
    static std::string f;
    return f;
}

// The file of an import or export taken from the fuzzer's folder: its bare name prefixed with the folder.
void intoFolder(std::string& command) {
    const auto first = command.find_first_not_of(" \t");
    const int words = command.compare(first, 6, "import") == 0 ? 3 : 1; // import TARGET MHZ FILE, export FILE
    std::size_t at = first;
    for (int w = 0; w < words && at != std::string::npos; ++w) {
        at = command.find(' ', at);
        if (at != std::string::npos)
            ++at;
    }
    if (at != std::string::npos && at < command.size())
        command.insert(at, folder() + "/");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char made[] = "/tmp/window_fuzz.XXXXXX";
    if (!mkdtemp(made))
        fail("no folder for the files", made);
    folder() = made;
    // The window reads the user's cable file at start: the fuzzer's folder has none.
    ::setenv("XDG_DATA_HOME", made, 1);
    std::atexit([] { std::filesystem::remove_all(folder()); });
    const auto writeFile = [](const std::string& name, const std::string& text) {
        if (std::FILE* f = std::fopen((folder() + "/" + name).c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    };
    writeFile("one.s1p",
              "! a one-port sweep\n# MHz S RI R 50\n14.0 0.2 0.1\n14.2 0.25 0.05\n14.4 0.3 -0.02\n");
    writeFile("two.s2p",
              "# MHz S MA R 50\n14.0 0.1 10 0.9 -20 0.9 -20 0.1 5\n14.4 0.12 12 0.88 -22 0.88 -22 0.11 6\n");
    writeFile("bad.s1p", "# MHz S RI R 50\n14.0 0.2\n");
    return 0;
}

namespace {

// The chart, a match to one of its markers and the saved band each compute the line's path or band anew,
// one line computation per degree of its length or per point of the sweep: a few milliseconds, more than a
// whole script of typing and clicking. They change nothing in the window, so a few of them per script
// check them on the states the script reaches; the rest are skipped like commands that touch other files.
bool readsWholeLine(std::string_view command) {
    return command.rfind("chart", 0) == 0 || command.rfind("match", 0) == 0 ||
           command.rfind("export", 0) == 0;
}

// Runs the script's commands on the restarted window, checking the window after each; with timed, the
// processor time of each command goes to timed (only when a script was too slow: reading the clock costs
// a system call).
void runScript(std::string_view script, std::vector<std::pair<std::string, std::clock_t>>* timed) {
    // One window for the whole campaign, restarted before each script: a restart gives the state of a
    // new window (a unit test compares the two) at a fraction of the cost of building one.
    static std::ostringstream out;
    static formscript::Session session(out);
    static std::string command;
    session.restart();
    out.str("");
    std::size_t pos = 0;
    int longPastesLeft = 3; // a few long pastes per run keep the time of a run bounded
    int readingsLeft = 4;
    for (int n = 0; n < 64 && pos < script.size(); ++n) {
        const std::size_t end = std::min(script.find('\n', pos), script.size());
        expand(script.substr(pos, end - pos), command, longPastesLeft);
        pos = end + 1;
        if (touchesOtherFiles(command))
            continue;
        const auto first = command.find_first_not_of(" \t");
        if (first != std::string::npos && readsWholeLine(command.substr(first)) && readingsLeft-- <= 0)
            continue;
        if (first != std::string::npos &&
            (command.compare(first, 6, "import") == 0 || command.compare(first, 6, "export") == 0))
            intoFolder(command);
        const std::clock_t start = timed ? std::clock() : 0;
        try {
            session.execute(command);
        } catch (const formscript::ScriptError&) {
            // misused commands are the script's fault, not the window's
        }
        if (timed)
            timed->emplace_back(command, std::clock() - start);
        checkOutput(out.str(), command);
        out.str("");
        checkWindow(session.form(), command);
    }
}

} // namespace

// AddressSanitizer keeps freed memory poisoned in a quarantine to catch a use after free; its default of
// 256 MB made nearly every allocation of a run touch fresh pages (a tenth of the run's time went to page
// faults). A script frees far less than a megabyte, so 32 MB still holds what the last dozens of scripts
// freed. ASAN_OPTIONS overrides it.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=32";
}

// The input is a script: one command per line, as the operator would act.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    // Processor time, not wall time: on a shared machine a niced run may wait far longer than it works.
    // The whole script is bounded (it is at most 64 commands); one that takes too long is run again with
    // each command timed, to name the slow one.
    const std::clock_t start = std::clock();
    runScript(script, nullptr);
    if (std::clock() - start > 5 * CLOCKS_PER_SEC) {
        std::vector<std::pair<std::string, std::clock_t>> timed;
        runScript(script, &timed);
        const auto slowest = std::max_element(
            timed.begin(), timed.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        fail("a script took more than 5 s of processor time, its slowest command " +
                 std::to_string(slowest->second * 1000 / CLOCKS_PER_SEC) + " ms",
             slowest->first);
    }
    return 0;
}
