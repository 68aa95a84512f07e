#include "user_data.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testdata {

namespace {

std::string makeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "hlc-data.XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("no temporary folder");
    return pattern;
}

// The whole test program's folder, made before any test runs (also when gtest only lists the tests).
struct ProgramFolder {
    std::string path = makeTemporaryFolder();
    ProgramFolder() { ::setenv("XDG_DATA_HOME", path.c_str(), 1); }
    ~ProgramFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};
const ProgramFolder programFolder;

} // namespace

DataFolder::DataFolder() : home_(makeTemporaryFolder()) {
    if (const char* p = std::getenv("XDG_DATA_HOME")) {
        previous_ = p;
        hadPrevious_ = true;
    }
    ::setenv("XDG_DATA_HOME", home_.c_str(), 1);
}

DataFolder::~DataFolder() {
    if (hadPrevious_)
        ::setenv("XDG_DATA_HOME", previous_.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
    std::error_code ec;
    std::filesystem::permissions(cables(), std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(home_, ec);
}

void DataFolder::writeCableFile(const std::string& text) const {
    std::filesystem::create_directories(cables());
    writeFile(cableFile(), text);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

} // namespace testdata
