// Without a sound server the player must stay silent and return at once: a
// missing server refuses the connection, and one that accepts it but never
// answers is given up at the deadline. These play through the sound module
// the program loads, from the build's program folder.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sound/pulse_check.h"
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
    static std::unique_ptr<AudioOutput> ModuleOutput() { return MakeModuleAudioOutput(VELMORA_SOUND_MODULE); }

    std::string saved_;
};

TEST_F(NoSoundServer, EveryModeIsSilentAndBadBytesAreRefused) {
    SoundPlayer player(ModuleOutput());
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
    SoundPlayer player(ModuleOutput());
    EXPECT_FALSE(player.Play(test::MakeWave(1, 8000, 8, 800), SoundPlayer::Mode::Sync));
    ::close(fd);
    ::unlink(path.c_str());
}

// A stand-in for the system's output: it plays nothing, and the test says
// how far each stream has "played".
struct FakeStreamState {
    bool alive = true;
    bool stopped_by_output = false;
    int64_t played_us = 0;
    std::unique_ptr<QIODevice> source;
};

class FakeStream : public AudioStream {
public:
    explicit FakeStream(std::shared_ptr<FakeStreamState> state) : state_(std::move(state)) {}
    ~FakeStream() override { state_->alive = false; }
    bool Stopped() const override { return state_->stopped_by_output; }
    int64_t PlayedUs() const override { return state_->played_us; }

private:
    std::shared_ptr<FakeStreamState> state_;
};

class FakeOutput : public AudioOutput {
public:
    explicit FakeOutput(std::vector<std::shared_ptr<FakeStreamState>>& streams) : streams_(streams) {}
    bool Available() override { return true; }
    std::unique_ptr<AudioStream> Start(const PcmFormat&, std::unique_ptr<QIODevice> source) override {
        auto state = std::make_shared<FakeStreamState>();
        state->source = std::move(source);
        streams_.push_back(state);
        return std::make_unique<FakeStream>(state);
    }

private:
    std::vector<std::shared_ptr<FakeStreamState>>& streams_;
};

class PlayerWithFakeOutput : public ::testing::Test {
protected:
    PlayerWithFakeOutput() { test::EnsureApplication(); }
    // Runs `action` from the event loop, while a synchronous sound waits.
    static void Soon(int ms, std::function<void()> action) { QTimer::singleShot(ms, std::move(action)); }
    static double Seconds(std::chrono::steady_clock::time_point since) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
    }

    std::vector<std::shared_ptr<FakeStreamState>> streams;
    SoundPlayer player{std::make_unique<FakeOutput>(streams)};
    // A minute long: a wait that is not ended would hold the test for it.
    const std::vector<uint8_t> long_wave = test::MakeWave(1, 8000, 8, 8000 * 60);
    const std::vector<uint8_t> short_wave = test::MakeWave(1, 8000, 8, 800);
};

TEST_F(PlayerWithFakeOutput, ASynchronousSoundWaitsUntilHeardOrStopped) {
    // Heard: the played time reaches the length (the output's idle state
    // alone, which comes early, does not end the wait).
    Soon(20, [this] { streams.back()->played_us = 60'000'000; });
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(player.Play(long_wave, SoundPlayer::Mode::Sync));
    EXPECT_LT(Seconds(start), 10.0);
    EXPECT_FALSE(streams.back()->alive) << "released once heard";

    // Stopped while it waits: the wait ends at once.
    Soon(20, [this] { player.Stop(); });
    start = std::chrono::steady_clock::now();
    ASSERT_TRUE(player.Play(long_wave, SoundPlayer::Mode::Sync));
    EXPECT_LT(Seconds(start), 10.0) << "a stop must end the wait";
    EXPECT_FALSE(streams.back()->alive);

    // Stopped by the output (a device gone).
    Soon(20, [this] { streams.back()->stopped_by_output = true; });
    start = std::chrono::steady_clock::now();
    ASSERT_TRUE(player.Play(long_wave, SoundPlayer::Mode::Sync));
    EXPECT_LT(Seconds(start), 10.0);
}

// A newer sound started while a synchronous one waits (from a timer) ends
// that wait, and the wait's end must not cut the newer sound.
TEST_F(PlayerWithFakeOutput, ANewerSoundIsNotCutByTheEndOfAnOlderWait) {
    Soon(20, [this] { player.Play(short_wave, SoundPlayer::Mode::Loop); });
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(player.Play(long_wave, SoundPlayer::Mode::Sync));
    EXPECT_LT(Seconds(start), 10.0);
    ASSERT_EQ(streams.size(), 2u);
    EXPECT_FALSE(streams[0]->alive) << "the older sound was replaced";
    EXPECT_TRUE(streams[1]->alive) << "the newer sound plays on";
    player.Stop();
    EXPECT_FALSE(streams[1]->alive);
}

TEST_F(PlayerWithFakeOutput, ALoopingSoundStartsAgainWithoutEndAndAsyncOnesReplaceIt) {
    std::vector<uint8_t> chunks;
    test::PutChunk(chunks, "fmt ", test::FormatBody(1, 8000, 8));
    test::PutChunk(chunks, "data", {1, 2, 3, 4, 5});
    const std::vector<uint8_t> wave = test::Riff(chunks);
    ASSERT_TRUE(player.Play(wave, SoundPlayer::Mode::Loop));
    QIODevice& source = *streams.back()->source;
    const QByteArray once = source.read(5);
    ASSERT_EQ(once.size(), 5);
    EXPECT_EQ(once, QByteArray("\1\2\3\4\5"));
    EXPECT_EQ(source.read(12), once + once + once.left(2));
    EXPECT_FALSE(source.atEnd());
    EXPECT_EQ(source.read(3), once.mid(2)) << "each turn starts where the last one ended";

    ASSERT_TRUE(player.Play(short_wave, SoundPlayer::Mode::Async));
    EXPECT_FALSE(streams[0]->alive);
    EXPECT_TRUE(streams[1]->alive);
    EXPECT_EQ(streams[1]->source->readAll().size(), 800) << "an asynchronous sound plays once";
    EXPECT_FALSE(player.Play(std::vector<uint8_t>{'R', 'I', 'F', 'F'}, SoundPlayer::Mode::Async));
    EXPECT_FALSE(streams[1]->alive) << "a bad wave still stops the one playing";
}

}  // namespace
}  // namespace velmora
