#pragma once

#include <functional>
#include <optional>
#include <string>

namespace velmora {

// What decides whether D-Bus could find or start a session bus for this
// process: the environment and which files exist.
struct BusSurroundings {
    std::function<std::optional<std::string>(const char* name)> variable;
    std::function<bool(const std::string& path)> exists;
    std::function<bool(const std::string& path)> executable;
};

// True where asking for the session bus can only fail: no address is set,
// the user's bus socket is not there, and the program D-Bus would start to
// launch a bus (dbus-launch) is not installed.
bool SessionBusLaunchHopeless(const BusSurroundings& around);

// The first window shown asks for the session bus (for the accessibility
// bridge). Without one, D-Bus forks and tries to start a bus: where that
// cannot succeed, it is milliseconds at every start and a fork while helper
// threads are busy. There the address is set to one that fails at once, with
// the same outcome. Call before the application object exists.
void AvoidHopelessSessionBusLaunch();

}  // namespace velmora
