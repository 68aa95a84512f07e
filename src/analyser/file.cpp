// A sweep saved as a Touchstone file, and a save that never leaves half a file behind.
#include "analyser/analyser.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace analyser {

std::string touchstoneText(const touchstone::Network& sweep, const DeviceInfo& device) {
    std::vector<std::pair<double, touchstone::Complex>> points;
    points.reserve(sweep.samples.size());
    for (const auto& s : sweep.samples)
        points.emplace_back(s.hz, s.s[0]);
    std::vector<std::string> comments{"S11 on 50 ohm, measured by a " + device.board + ", firmware " +
                                      device.firmware};
    if (!sweep.samples.empty())
        comments.push_back(std::to_string(sweep.samples.size()) + " points from " +
                           touchstone::mhzText(sweep.samples.front().hz) + " to " +
                           touchstone::mhzText(sweep.samples.back().hz));
    return touchstone::writeOnePortRIHz(points, comments);
}

std::string saveFile(const std::string& path, const std::string& text) {
    static std::atomic<unsigned> counter{0};
    const std::string temp = path + ".saving-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return std::strerror(errno);
    std::size_t done = 0;
    int error = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temp.c_str());
        return std::strerror(error);
    }
    return {};
}

} // namespace analyser
