// A sweep saved as a Touchstone file, and a save that never leaves half a file behind.
#include "analyser/analyser.h"

#include <cerrno>
#include <cstring>

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
    const touchstone::SaveFault fault = touchstone::saveWhole(path, text);
    return fault.error ? std::strerror(fault.error) : std::string();
}

} // namespace analyser
