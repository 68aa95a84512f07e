// The user's data folder in the tests: never the real one. Every test program runs with XDG_DATA_HOME set
// to a fresh folder of its own (user_data.cpp); a test that writes cable files takes a folder of its own
// for its duration.
#pragma once

#include <string>

namespace testdata {

// XDG_DATA_HOME is a new empty folder while the object lives; the folder is removed with it and the
// variable set back.
class DataFolder {
  public:
    DataFolder();
    ~DataFolder();
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;
    const std::string& home() const { return home_; }             // XDG_DATA_HOME
    std::string cables() const { return home_ + "/hamlinecalc"; } // the program's folder in it
    std::string cableFile() const { return cables() + "/cables.txt"; }
    // Writes the cable file (and its folder).
    void writeCableFile(const std::string& text) const;

  private:
    std::string home_;
    std::string previous_;
    bool hadPrevious_ = false;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

} // namespace testdata
