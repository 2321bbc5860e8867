// The system's sound output comes from a module loaded when a sound first
// plays, and only when a sound server may be there to hear it.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QBuffer>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/audio_output.h"
#include "platform/sound_server.h"
#include "qt_test_app.h"

namespace velmora {
namespace {

bool Mapped(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find(name) != std::string::npos) return true;
    return false;
}

TEST(SoundModule, LoadsWithTheFirstQuestionAndBringsTheSoundLibraries) {
    test::EnsureApplication();
    const char* old = ::getenv("PULSE_SERVER");
    const std::string saved = old ? old : "";
    ::setenv("PULSE_SERVER", "unix:/nonexistent/velmora-no-server", 1);
    std::unique_ptr<AudioOutput> output = MakeModuleAudioOutput(VELMORA_SOUND_MODULE);
    EXPECT_FALSE(output->Available()) << "no server: no output";
    EXPECT_TRUE(Mapped("velmora-sound.so"));
    EXPECT_TRUE(Mapped("libQt6Multimedia")) << "the module, not the program, brings Qt Multimedia";
    if (old) ::setenv("PULSE_SERVER", saved.c_str(), 1);
    else ::unsetenv("PULSE_SERVER");
}

TEST(SoundModule, AModuleThatIsMissingOrNoModuleLeavesSoundOff) {
    test::EnsureApplication();
    const char* old = ::getenv("PULSE_SERVER");
    const std::string saved = old ? old : "";
    ::setenv("PULSE_SERVER", "unix:/nonexistent/velmora-no-server", 1);
    for (const char* path : {"/nonexistent/velmora-sound.so", "/etc/hostname"}) {
        std::unique_ptr<AudioOutput> output = MakeModuleAudioOutput(path);
        EXPECT_FALSE(output->Available()) << path;
        auto source = std::make_unique<QBuffer>();
        source->open(QIODevice::ReadOnly);
        EXPECT_EQ(output->Start(PcmFormat{8000, 1, 8}, std::move(source)), nullptr) << path;
    }
    if (old) ::setenv("PULSE_SERVER", saved.c_str(), 1);
    else ::unsetenv("PULSE_SERVER");
}

// The places a client looks for a server, laid out in a folder of the test's.
class SoundServerPlacesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-sound-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        places_.runtime_folder = (root_ / "run/user/1000").string();
        places_.config_home = (root_ / "home/.config").string();
        places_.system_folder = root_.string();
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    void Write(const std::string& path, const std::string& text) {
        std::filesystem::create_directories((root_ / path).parent_path());
        std::ofstream(root_ / path) << text;
    }
    // A listening socket, as a running server leaves.
    void Listen(const std::string& path) {
        std::filesystem::create_directories((root_ / path).parent_path());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string full = (root_ / path).string();
        ASSERT_LT(full.size(), sizeof(address.sun_path));
        full.copy(address.sun_path, sizeof(address.sun_path) - 1);
        socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(socket_);
    }

    std::filesystem::path root_;
    SoundServerPlaces places_;
    int socket_ = -1;
};

TEST_F(SoundServerPlacesTest, NothingNamesAServer) {
    EXPECT_FALSE(SoundServerMayAnswer(places_));
    // A file where the socket would be, and a commented-out server line.
    Write("run/user/1000/pulse/native", "");
    Write("home/.config/pulse/client.conf", "; default-server = elsewhere\n# default-server = x\nautospawn = no\n");
    EXPECT_FALSE(SoundServerMayAnswer(places_));
}

TEST_F(SoundServerPlacesTest, EachPlaceThatNamesAServerCounts) {
    places_.server_variable = "tcp:elsewhere";
    EXPECT_TRUE(SoundServerMayAnswer(places_));
    places_.server_variable.clear();

    Write("etc/pulse/client.conf.d/50-remote.conf", "  default-server = elsewhere\n");
    EXPECT_TRUE(SoundServerMayAnswer(places_)) << "a drop-in file";
    // A configuration file of one's own replaces the system's.
    Write("mine.conf", "autospawn = no\n");
    places_.client_config = (root_ / "mine.conf").string();
    EXPECT_FALSE(SoundServerMayAnswer(places_));
    places_.client_config.clear();
    std::filesystem::remove_all(root_ / "etc");

    Write("home/.config/pulse/client.conf", "default-server = elsewhere\n");
    EXPECT_TRUE(SoundServerMayAnswer(places_)) << "the player's own file";
    std::filesystem::remove_all(root_ / "home");

    Listen("run/user/1000/pulse/native");
    EXPECT_TRUE(SoundServerMayAnswer(places_)) << "the player's server";
    std::filesystem::remove_all(root_ / "run/user");
    Listen("run/pulse/native");
    EXPECT_TRUE(SoundServerMayAnswer(places_)) << "the system-wide server";
}

}  // namespace
}  // namespace velmora
