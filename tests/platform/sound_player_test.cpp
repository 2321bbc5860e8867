// Without a sound server the player must stay silent and return at once: a
// missing server refuses the connection, and one that accepts it but never
// answers is given up at the deadline.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <string>

#include "platform/pulse_check.h"
#include "platform/sound_player.h"
#include "qt_test_app.h"
#include "test_waves.h"

namespace velmora {
namespace {

class NoSoundServer : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureApplication();
        if (const char* old = ::getenv("PULSE_SERVER")) saved_ = old;
        UseServer("unix:/nonexistent/velmora-no-server");
    }
    void TearDown() override {
        if (saved_.empty()) ::unsetenv("PULSE_SERVER");
        else ::setenv("PULSE_SERVER", saved_.c_str(), 1);
    }
    void UseServer(const std::string& address) { ::setenv("PULSE_SERVER", address.c_str(), 1); }

    std::string saved_;
};

TEST_F(NoSoundServer, EveryModeIsSilentAndBadBytesAreRefused) {
    SoundPlayer player;
    const std::vector<uint8_t> wave = test::MakeWave(1, 8000, 8, 80000);  // ten seconds
    for (auto mode : {SoundPlayer::Mode::Sync, SoundPlayer::Mode::Loop, SoundPlayer::Mode::Async})
        EXPECT_FALSE(player.Play(wave, mode));
    player.Stop();
    EXPECT_FALSE(player.OutputAvailable());
    EXPECT_FALSE(player.Play(std::vector<uint8_t>{'R', 'I', 'F', 'F', 0xFF}, SoundPlayer::Mode::Sync));
}

// The kernel accepts connections on a listening socket nobody serves: a
// server that is running but frozen.
TEST_F(NoSoundServer, AFrozenServerIsGivenUpAtTheDeadline) {
    const std::string path = "/tmp/velmora-frozen-" + std::to_string(::getpid());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ::unlink(path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(fd, 8), 0);
    UseServer("unix:" + path);
    EXPECT_FALSE(SoundServerAnswers(200));
    SoundPlayer player;
    EXPECT_FALSE(player.Play(test::MakeWave(1, 8000, 8, 800), SoundPlayer::Mode::Sync));
    ::close(fd);
    ::unlink(path.c_str());
}

}  // namespace
}  // namespace velmora
