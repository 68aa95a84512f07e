// The analysers plugged in: the USB serial ports whose device is 0483:5740, as the kernel lists them.
#include "analyser/analyser.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace analyser {

namespace {

std::string firstLine(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::string s;
    std::getline(in, s);
    while (!s.empty() && (s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s;
}

} // namespace

std::vector<PortInfo> findPorts(const std::string& sysClassTty, const std::string& dev) {
    namespace fs = std::filesystem;
    std::vector<PortInfo> out;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysClassTty, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("ttyACM", 0) != 0 && name.rfind("ttyUSB", 0) != 0)
            continue;
        // The tty's device is the USB interface; the USB device above it holds the identifiers.
        const fs::path usb = fs::canonical(entry.path() / "device", ec).parent_path();
        if (ec)
            continue;
        if (firstLine(usb / "idVendor") != "0483" || firstLine(usb / "idProduct") != "5740")
            continue;
        PortInfo p;
        p.path = dev + "/" + name;
        p.product = firstLine(usb / "product");
        p.serial = firstLine(usb / "serial");
        out.push_back(p);
    }
    std::sort(out.begin(), out.end(), [](const PortInfo& a, const PortInfo& b) {
        return a.path.size() != b.path.size() ? a.path.size() < b.path.size() : a.path < b.path;
    });
    return out;
}

} // namespace analyser
