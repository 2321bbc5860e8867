#pragma once
// A throw-away program folder for the settings tests.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace velmora::testing_support {

class ProgramFolder {
public:
    ProgramFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-prog-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
    }
    ~ProgramFolder() { std::filesystem::remove_all(folder_); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // With the trailing separator, as the parameter record holds it.
    std::string Folder() const { return folder_.string() + "/"; }
    std::string SettingsPath() const { return (folder_ / "DATA" / "CFG.DAT").string(); }

    void PutSettings(const std::string& contents) const {
        std::filesystem::create_directories(folder_ / "DATA");
        std::ofstream(SettingsPath(), std::ios::binary) << contents;
    }
    std::string Settings() const {
        std::ifstream in(SettingsPath(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    const std::filesystem::path& Path() const { return folder_; }

private:
    std::filesystem::path folder_;
};

}  // namespace velmora::testing_support
