#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/session_bus.h"

namespace velmora {
namespace {

// A made-up process: its variables, the files that exist and those it may run.
struct FakeSurroundings {
    std::map<std::string, std::string> variables;
    std::set<std::string> files;
    std::set<std::string> programs;

    BusSurroundings Get() const {
        BusSurroundings around;
        around.variable = [this](const char* name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional<std::string>(found->second);
        };
        around.exists = [this](const std::string& path) { return files.contains(path); };
        around.executable = [this](const std::string& path) { return programs.contains(path); };
        return around;
    }
};

TEST(SessionBusLaunch, IsHopelessOnlyWhereNoBusCanBeFoundOrStarted) {
    FakeSurroundings bare{{{"PATH", "/usr/local/bin:/usr/bin:/bin"}, {"DISPLAY", ":0"}}, {}, {"/usr/bin/true"}};
    EXPECT_TRUE(SessionBusLaunchHopeless(bare.Get()));

    // An address, even one the desktop set wrongly, is left for D-Bus to try.
    FakeSurroundings addressed = bare;
    addressed.variables["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=/run/user/1000/bus";
    EXPECT_FALSE(SessionBusLaunchHopeless(addressed.Get()));
    addressed.variables["DBUS_SESSION_BUS_ADDRESS"] = "";
    EXPECT_TRUE(SessionBusLaunchHopeless(addressed.Get()));

    // The user's bus socket in the runtime folder, found without an address.
    FakeSurroundings user_bus = bare;
    user_bus.variables["XDG_RUNTIME_DIR"] = "/run/user/1000";
    EXPECT_TRUE(SessionBusLaunchHopeless(user_bus.Get()));
    user_bus.files.insert("/run/user/1000/bus");
    EXPECT_FALSE(SessionBusLaunchHopeless(user_bus.Get()));

    // The launcher where D-Bus runs it from, or anywhere on the search path.
    FakeSurroundings launcher = bare;
    launcher.programs.insert("/usr/bin/dbus-launch");
    EXPECT_FALSE(SessionBusLaunchHopeless(launcher.Get()));
    FakeSurroundings elsewhere = bare;
    elsewhere.programs.insert("/usr/local/bin/dbus-launch");
    EXPECT_FALSE(SessionBusLaunchHopeless(elsewhere.Get()));
    // A launcher that exists but may not be run starts nothing.
    elsewhere.programs.clear();
    elsewhere.files.insert("/usr/local/bin/dbus-launch");
    EXPECT_TRUE(SessionBusLaunchHopeless(elsewhere.Get()));
}

TEST(SessionBusLaunch, ReadsAnOddOrMissingSearchPathWithoutFault) {
    FakeSurroundings odd{{{"PATH", "::/opt/x/:"}}, {}, {"/opt/x//dbus-launch"}};
    EXPECT_FALSE(SessionBusLaunchHopeless(odd.Get()));
    odd.variables["PATH"] = ":::";
    EXPECT_TRUE(SessionBusLaunchHopeless(odd.Get()));
    odd.variables.erase("PATH");
    EXPECT_TRUE(SessionBusLaunchHopeless(odd.Get()));
}

}  // namespace
}  // namespace velmora
