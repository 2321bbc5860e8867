#include "platform/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/files.h"

namespace velmora {

namespace {

namespace fs = std::filesystem;

bool CanWriteIn(const std::string& folder) {
    return DirectoryExists(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// The desktop's per-user data folder, or "" when there is none.
std::string UserDataHome(const DataFolderEnvironment& env) {
    if (fs::path(env.xdg_data_home).is_absolute()) return env.xdg_data_home;
    if (fs::path(env.home).is_absolute()) return (fs::path(env.home) / ".local" / "share").string();
    return {};
}

std::string Getenv(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

DataFolderEnvironment CurrentDataFolderEnvironment() { return {Getenv("XDG_DATA_HOME"), Getenv("HOME")}; }

std::string DataFolderFor(const std::string& program_folder, const DataFolderEnvironment& env) {
    const std::string data = FindPath(program_folder, "DATA", EntryKind::Folder);
    const bool installed = FileExists(program_folder + kInstalledMark);
    if (!installed && CanWriteIn(DirectoryExists(data) ? data : program_folder)) return program_folder;
    const std::string home = UserDataHome(env);
    if (home.empty()) return program_folder;
    const fs::path folder = fs::path(home) / "velmora";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return folder.string() + '/';
}

}  // namespace velmora
