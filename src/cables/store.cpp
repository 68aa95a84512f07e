#include "cables/store.h"

#include "cables/file.h"
#include "touchstone/touchstone.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cables {

namespace {

std::string reason(int err) {
    return std::strerror(err);
}

// The folder of a path ("." for a bare name).
std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// mkdir -p, each new folder for its owner only (0700), as user data folders are made.
int makeFolders(const std::string& folder) {
    std::string path;
    std::size_t at = 0;
    while (at != std::string::npos) {
        at = folder.find('/', at + 1);
        path = folder.substr(0, at);
        if (path.empty())
            continue;
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// The whole file; false with errno when it cannot be opened or read.
bool readAll(const std::string& path, std::string& bytes, int& err) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        err = errno ? errno : EISDIR;
        ::close(fd);
        return false;
    }
    bytes.clear();
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err = errno;
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxFileBytes)
            break; // the parser refuses it by its size
    }
    ::close(fd);
    return true;
}

// Saves the file whole or not at all; "" or the sentence that says why it could not.
std::string atomicWrite(const std::string& path, const std::string& text) {
    const touchstone::SaveFault fault = touchstone::saveWhole(path, text);
    if (fault.folder)
        return "The folder " + parentOf(path) + " cannot be written (" + reason(fault.error) + ").";
    if (fault.error)
        return "The file " + path + " cannot be written (" + reason(fault.error) + ").";
    return "";
}

// Moves the unreadable file to a name of its own that no file has; "" when it could not.
std::string setAside(const std::string& path, int& err) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    for (int n = 1; n < 1000; ++n) {
        const std::string to =
            path + ".unreadable-" + stamp + (n == 1 ? std::string() : "-" + std::to_string(n));
        // link fails when the name is taken, so an earlier file set aside is never overwritten.
        if (::link(path.c_str(), to.c_str()) == 0) {
            ::unlink(path.c_str());
            return to;
        }
        if (errno == EEXIST)
            continue;
        // A file system without hard links: rename, once no file has the name.
        struct stat st {};
        if (::lstat(to.c_str(), &st) == 0)
            continue;
        if (::rename(path.c_str(), to.c_str()) == 0)
            return to;
        err = errno;
        return "";
    }
    err = EEXIST;
    return "";
}

// The lock file, held while the process holds the descriptor; released with it, also by a crash.
class Lock {
  public:
    explicit Lock(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            err_ = errno;
            return;
        }
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(lockWaitMilliseconds);
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                err_ = errno;
                return;
            }
            if (std::chrono::steady_clock::now() >= until) {
                err_ = EWOULDBLOCK;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        held_ = true;
    }
    ~Lock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    bool held() const { return held_; }
    int error() const { return err_; }

  private:
    int fd_ = -1;
    int err_ = 0;
    bool held_ = false;
};

void apply(const Change& change, std::vector<Cable>& cables) {
    for (const std::string& name : change.remove)
        std::erase_if(cables, [&](const Cable& c) { return c.line.name == name; });
    for (const auto& rename : change.rename) {
        const std::string& from = rename.first;
        const Cable& c = rename.second;
        std::erase_if(cables,
                      [&](const Cable& x) { return x.line.name == c.line.name && x.line.name != from; });
        const auto at =
            std::find_if(cables.begin(), cables.end(), [&](const Cable& x) { return x.line.name == from; });
        if (at != cables.end())
            *at = c;
        else
            cables.push_back(c);
    }
    for (const Cable& c : change.put) {
        bool replaced = false;
        for (Cable& old : cables)
            if (old.line.name == c.line.name) {
                old = c;
                replaced = true;
            }
        if (!replaced)
            cables.push_back(c);
    }
}

} // namespace

std::string dataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/hamlinecalc";
    std::string home;
    if (const char* h = std::getenv("HOME"); h && h[0] == '/')
        home = h;
    else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        home = pw->pw_dir;
    return home + "/.local/share/hamlinecalc";
}

Store::Store(std::string folder) : folder_(std::move(folder)) {}

std::string Store::path() const {
    return folder_ + "/" + kFileName;
}

Loaded Store::load() const {
    Loaded out;
    try {
        out.cables = readCableFile(path());
    } catch (const FileError& e) {
        out.problem = e.what();
    }
    return out;
}

std::vector<Cable> readCableFile(const std::string& path) {
    std::string bytes;
    int err = 0;
    if (!readAll(path, bytes, err)) {
        if (err == ENOENT)
            return {};
        throw FileError(path + " cannot be read (" + reason(err) + ").", 0);
    }
    return parseCables(bytes, path);
}

std::string writeCableFile(const std::string& path, const std::vector<Cable>& cables) {
    return atomicWrite(path, writeCables(cables));
}

Saved Store::save(const Change& change, const std::vector<Cable>& known) const {
    Saved out;
    if (const int err = makeFolders(folder_)) {
        out.problem = "The folder " + folder_ + " cannot be made (" + reason(err) + ").";
        return out;
    }
    Lock lock(folder_ + "/" + kLockName);
    if (!lock.held()) {
        out.problem = lock.error() == EWOULDBLOCK
                          ? "Another program has held the cable file's lock (" + folder_ + "/" + kLockName +
                                ") for " + std::to_string(lockWaitMilliseconds / 1000) + " s."
                          : "The folder " + folder_ + " cannot be written (" + reason(lock.error()) + ").";
        return out;
    }
    std::vector<Cable> cables;
    std::string bytes;
    int err = 0;
    if (readAll(path(), bytes, err)) {
        try {
            cables = parseCables(bytes, path());
        } catch (const FileError&) {
            out.setAside = setAside(path(), err);
            if (out.setAside.empty()) {
                out.problem = "The unreadable cable file " + path() + " could not be set aside (" +
                              reason(err) + "): nothing was saved, so that its contents are not lost.";
                return out;
            }
            cables = known;
        }
    } else if (err != ENOENT) {
        out.problem = path() + " cannot be read (" + reason(err) + "): nothing was saved.";
        return out;
    }
    apply(change, cables);
    if (cables.size() > kMaxCables) {
        out.problem = "At most " + std::to_string(kMaxCables) + " cables can be kept.";
        return out;
    }
    const std::string failed = atomicWrite(path(), writeCables(cables));
    if (!failed.empty()) {
        out.problem = failed;
        return out;
    }
    out.ok = true;
    out.cables = std::move(cables);
    return out;
}

} // namespace cables
