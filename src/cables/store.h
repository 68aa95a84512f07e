// The user's cable file on disk: $XDG_DATA_HOME/hamlinecalc/cables.txt (~/.local/share/... when
// XDG_DATA_HOME is unset or not an absolute path).
//
// - Written atomically: a temporary file in the same folder, flushed to the disk, renamed over the file.
// - Two programs at once (two windows, formscript): every save takes the lock file cables.lock, reads
//   the file again and applies its own change (these cables added or replaced, those removed) to what
//   it finds, so a save never drops a cable the other one saved.
// - A file that cannot be read whole is reported and left as it is; before anything is saved in its
//   place its bytes are set aside as cables.txt.unreadable-DATE-TIME, never overwritten.
#pragma once

#include "cables/cable.h"

#include <string>
#include <utility>
#include <vector>

namespace cables {

inline constexpr const char* kFileName = "cables.txt";
inline constexpr const char* kLockName = "cables.lock";

// The folder of the user's data for this program.
std::string dataFolder();

struct Loaded {
    std::vector<Cable> cables;
    std::string problem; // why the file could not be read ("" when it was, or when there is none)
};

// What a save changes: cables added (or replacing the one of the same name, in its place) and names
// removed, applied to the file as it is when the lock is taken.
struct Change {
    std::vector<Cable> put;
    std::vector<std::string> remove;
    // Renamed: the cable of the first name takes the second's place in the list under its new name (and
    // data); a cable already called by the new name is replaced. When the first is gone, it is put.
    std::vector<std::pair<std::string, Cable>> rename;
};

struct Saved {
    bool ok = false;
    std::vector<Cable> cables; // the file's cables after the save
    std::string problem;       // why nothing was saved
    std::string setAside;      // where an unreadable file's bytes went ("" when none was set aside)
};

class Store {
  public:
    explicit Store(std::string folder);
    const std::string& folder() const { return folder_; }
    std::string path() const; // of the cable file

    // The cables of the file; none, without a problem, when there is no file yet.
    Loaded load() const;

    // Applies `change` under the lock to the file as it is now, then writes it. When the file cannot be
    // read, it is set aside and the change applied to `known` (the cables the program holds).
    Saved save(const Change& change, const std::vector<Cable>& known) const;

  private:
    std::string folder_;
};

// Reads a cable file of the user's (an import): its cables, or FileError.
std::vector<Cable> readCableFile(const std::string& path);

// Writes `cables` to `path` atomically (an export); "" or why it could not be written.
std::string writeCableFile(const std::string& path, const std::vector<Cable>& cables);

// How long a save waits for another program's lock before it gives up, in milliseconds.
inline int lockWaitMilliseconds = 10000;

} // namespace cables
