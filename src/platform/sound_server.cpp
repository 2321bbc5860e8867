#include "platform/sound_server.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace velmora {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsSocket(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// A "default-server = ..." line, not commented out.
bool NamesDefaultServer(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const size_t start = line.find_first_not_of(" \t");
        if (start != std::string::npos && line.compare(start, 14, "default-server") == 0) return true;
    }
    return false;
}

bool AnyNamesDefaultServer(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".conf" && NamesDefaultServer(entry.path())) return true;
    }
    return false;
}

}  // namespace

SoundServerPlaces ThisProcessSoundServerPlaces() {
    SoundServerPlaces places;
    places.server_variable = Variable("PULSE_SERVER");
    places.runtime_folder = Variable("XDG_RUNTIME_DIR");
    if (places.runtime_folder.empty()) places.runtime_folder = "/run/user/" + std::to_string(::getuid());
    places.config_home = Variable("XDG_CONFIG_HOME");
    if (places.config_home.empty() && !Variable("HOME").empty()) places.config_home = Variable("HOME") + "/.config";
    places.client_config = Variable("PULSE_CLIENTCONFIG");
    return places;
}

bool SoundServerMayAnswer(const SoundServerPlaces& places) {
    if (!places.server_variable.empty()) return true;
    const std::filesystem::path system(places.system_folder);
    if (IsSocket(places.runtime_folder + "/pulse/native") || IsSocket(system / "run/pulse/native") ||
        IsSocket(system / "var/run/pulse/native"))
        return true;
    if (!places.client_config.empty()) return NamesDefaultServer(places.client_config);
    return (!places.config_home.empty() && NamesDefaultServer(places.config_home + "/pulse/client.conf")) ||
           NamesDefaultServer(system / "etc/pulse/client.conf") ||
           AnyNamesDefaultServer(system / "etc/pulse/client.conf.d");
}

}  // namespace velmora
