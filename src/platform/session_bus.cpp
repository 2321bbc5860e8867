#include "platform/session_bus.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace velmora {
namespace {

// Where D-Bus looks for its launcher, and the search path besides, for a
// D-Bus built to look elsewhere.
constexpr const char* kLauncherPath = "/usr/bin/dbus-launch";
constexpr const char* kLauncherName = "dbus-launch";

// An address that refuses at once: a socket under a file cannot exist.
constexpr const char* kRefusingAddress = "unix:path=/dev/null/no-session-bus";

bool Set(const std::optional<std::string>& value) { return value && !value->empty(); }

bool LauncherOnPath(const BusSurroundings& around) {
    const std::optional<std::string> path = around.variable("PATH");
    if (!path) return false;
    std::string_view rest = *path;
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        if (!folder.empty() && around.executable(std::string(folder) + "/" + kLauncherName)) return true;
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return false;
}

BusSurroundings ThisProcess() {
    BusSurroundings around;
    around.variable = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    around.exists = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0;
    };
    around.executable = [](const std::string& path) { return ::access(path.c_str(), X_OK) == 0; };
    return around;
}

}  // namespace

bool SessionBusLaunchHopeless(const BusSurroundings& around) {
    if (Set(around.variable("DBUS_SESSION_BUS_ADDRESS"))) return false;
    const std::optional<std::string> runtime = around.variable("XDG_RUNTIME_DIR");
    if (Set(runtime) && around.exists(*runtime + "/bus")) return false;
    return !around.executable(kLauncherPath) && !LauncherOnPath(around);
}

void AvoidHopelessSessionBusLaunch() {
    if (SessionBusLaunchHopeless(ThisProcess())) ::setenv("DBUS_SESSION_BUS_ADDRESS", kRefusingAddress, 1);
}

}  // namespace velmora
