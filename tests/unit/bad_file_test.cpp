// The worst files an operator can give the import, into each of its four panels: each is refused with the
// message that says why, and no control of the window changes, nor the sweep the line panel keeps.
#include "tools/formscript/formscript.h"
#include "touchstone/touchstone.h"
#include "ui/form.h"
#include "wiring/import.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

void write(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
}

const std::string kOnePort = "# MHz S RI R 50\n14.0 0.2 0.1\n14.4 0.3 -0.02\n";

// A folder every user may enter, so that a file in it can be made unreadable to one.
struct Folder {
    fs::path path = fs::temp_directory_path() / ("bad_file_test_" + std::to_string(::getpid()));
    Folder() {
        fs::remove_all(path);
        fs::create_directories(path);
        fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    }
    ~Folder() { fs::remove_all(path); }
};

// The change a row makes to its file between the reader's checks and its read.
std::function<void(const std::string&)> change;
void changeFile(const std::string& path) {
    if (change)
        change(path);
}

// What an import of the file showed, and the controls that differ from before it ("sweep" for the line
// panel's kept sweep).
struct Outcome {
    std::string shown;
    std::vector<std::string> changed;
};

struct Recorder : ui::Ports {
    std::string shown;
    void messageBox(const std::string& title, const std::string& prompt) override {
        shown += "msgbox[" + title + "] " + prompt + "\n";
    }
    void openDocument(const std::string&) override {}
};

Outcome importInto(const std::string& target, const fs::path& file, const fs::path& good) {
    Recorder ports;
    ui::Form f;
    f.setPorts(&ports);
    wiring::start(f);
    // Fields with values of their own, one from each kind of writer, so that any write would show.
    wiring::importMeasurement(f, wiring::ImportTarget::Line, 14.2, good.string());
    f.userEdit("Text7", "75");
    f.userEdit("Text36", "0.5");
    ports.shown.clear();
    const std::vector<ui::Control> before = f.controls();
    const touchstone::Network* sweep = wiring::lineSweep(f);
    const touchstone::Network sweepBefore = *sweep;

    touchstone::afterFileChecked = changeFile;
    wiring::importMeasurement(f, *wiring::importTarget(target), 14.2, file.string());
    touchstone::afterFileChecked = nullptr;

    Outcome o{ports.shown, {}};
    const auto& after = f.controls();
    for (std::size_t i = 0; i < after.size(); ++i)
        if (!(after[i] == before[i]))
            o.changed.push_back(after[i].name);
    if (wiring::lineSweep(f) != sweep || !(*sweep == sweepBefore))
        o.changed.push_back("sweep");
    return o;
}

// The same, by a user other than root: root reads a file whatever its permissions. The import runs in a
// child process that gives up root's rights; it sends back what it saw. Empty when that is not possible.
std::optional<Outcome> importAsOtherUser(const std::string& target, const fs::path& file,
                                         const fs::path& good) {
    int fds[2];
    if (::pipe(fds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::string report = "no other user";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0 && ::geteuid() != 0) {
            const Outcome o = importInto(target, file, good);
            report = o.shown + '\x1f';
            for (const auto& name : o.changed)
                report += name + ' ';
        }
        [[maybe_unused]] const auto n = ::write(fds[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string report;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        report.append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    const auto sep = report.find('\x1f');
    if (sep == std::string::npos)
        return std::nullopt;
    Outcome o{report.substr(0, sep), {}};
    std::istringstream names(report.substr(sep + 1));
    for (std::string name; names >> name;)
        o.changed.push_back(name);
    return o;
}

struct BadFile {
    const char* what;
    // Makes the file (or folder) in the folder and returns its path.
    std::function<fs::path(const fs::path& folder)> make;
    // The message box's text, from the path.
    std::function<std::string(const fs::path& file)> message;
    // What happens to the file between the reader's checks and its read; none for most rows.
    std::function<void(const std::string&)> meanwhile = {};
    bool unreadable = false;
};

std::vector<BadFile> badFiles() {
    const auto changedWhileRead = [](const fs::path& p) {
        return p.filename().string() + " changed while it was read: read it again once it is saved whole";
    };
    return {
        {"a file of 64 MiB and one byte",
         [](const fs::path& d) {
             write(d / "big.s1p", kOnePort);
             fs::resize_file(d / "big.s1p", touchstone::kMaxFileBytes + 1); // sparse: nothing is written
             return d / "big.s1p";
         },
         [](const fs::path&) {
             return std::string(
                 "big.s1p is larger than 64 MiB: no Touchstone file of one or two ports is that "
                 "large");
         }},
        {"a folder",
         [](const fs::path& d) {
             fs::create_directories(d / "sweep.s1p");
             return d / "sweep.s1p";
         },
         [](const fs::path& p) { return p.string() + " is a folder, not a file"; }},
        {"a file nobody may read",
         [](const fs::path& d) {
             write(d / "locked.s1p", kOnePort);
             fs::permissions(d / "locked.s1p", fs::perms::none);
             return d / "locked.s1p";
         },
         [](const fs::path& p) { return p.string() + " cannot be read"; },
         {},
         true},
        {"a file that grows while it is read",
         [](const fs::path& d) {
             write(d / "growing.s1p", kOnePort);
             return d / "growing.s1p";
         },
         changedWhileRead,
         [](const std::string& p) { std::ofstream(p, std::ios::app) << "14.6 0.35 -0.04\n"; }},
        {"a file that shrinks while it is read",
         [](const fs::path& d) {
             write(d / "shrinking.s1p", kOnePort);
             return d / "shrinking.s1p";
         },
         changedWhileRead, [](const std::string& p) { fs::resize_file(p, 20); }},
        {"a file rewritten to the same size while it is read",
         [](const fs::path& d) {
             write(d / "rewritten.s1p", kOnePort);
             // written an hour ago: the rewrite's own time differs even on a coarse clock
             fs::last_write_time(d / "rewritten.s1p",
                                 fs::file_time_type::clock::now() - std::chrono::hours(1));
             return d / "rewritten.s1p";
         },
         changedWhileRead,
         [](const std::string& p) {
             std::string other = kOnePort;
             other[other.find("0.2")] = '9'; // 0.2 -> 9.2: same size, other content
             write(p, other);
         }},
    };
}

TEST(BadFile, EveryPanelRefusesTheWorstFilesAndNoFieldChanges) {
    for (const char* target : {"point", "line", "antenna", "tuner"}) {
        for (const BadFile& bad : badFiles()) {
            SCOPED_TRACE(std::string(target) + ", " + bad.what);
            const Folder folder;
            write(folder.path / "good.s1p", kOnePort);
            const fs::path file = bad.make(folder.path);
            change = bad.meanwhile;
            std::optional<Outcome> o;
            if (bad.unreadable && ::geteuid() == 0) {
                o = importAsOtherUser(target, file, folder.path / "good.s1p");
                if (!o) {
                    std::cout << "row skipped: " << bad.what
                              << ": running as root, which reads any file, and "
                              << "unable to give up root's rights\n";
                    continue;
                }
            } else {
                o = importInto(target, file, folder.path / "good.s1p");
            }
            change = nullptr;
            EXPECT_EQ(o->shown, "msgbox[Touchstone File] " + bad.message(file) + "\n");
            EXPECT_EQ(o->changed, std::vector<std::string>{});
        }
    }
}

// The proof that the rows above fail for the reason they name: the same file, unchanged, is imported;
// S11 = 0.25 + j0.04 halfway between its two points is Z = 50 (1.25 + j0.04) / (0.75 - j0.04).
TEST(BadFile, TheSameFileUntouchedIsRead) {
    const Folder folder;
    write(folder.path / "good.s1p", kOnePort);
    write(folder.path / "growing.s1p", kOnePort);
    std::ostringstream out;
    formscript::Session session(out);
    session.execute("import point 14.2 " + (folder.path / "growing.s1p").string());
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(session.form().text("Text7"), "82.9551");
    EXPECT_EQ(session.form().text("Text8"), "7.09094");
}

// The largest file the reader takes: exactly 64 MiB, a sweep and a comment filling the rest.
TEST(BadFile, AFileOfExactly64MiBIsRead) {
    const Folder folder;
    const fs::path p = folder.path / "full.s1p";
    std::string text = kOnePort + "!";
    text.append(touchstone::kMaxFileBytes - text.size() - 1, ' ');
    text += '\n';
    write(p, text);
    ASSERT_EQ(fs::file_size(p), touchstone::kMaxFileBytes);
    std::ostringstream out;
    formscript::Session session(out);
    session.execute("import point 14.2 " + p.string());
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(session.form().text("Text7"), "82.9551");
}

} // namespace
