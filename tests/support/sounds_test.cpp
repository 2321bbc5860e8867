#include "support/sounds.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "program_folder.h"
#include "storage/preference_keys.h"
#include "support/sound_events.h"

namespace velmora {
namespace {

class FakeLibrary : public SoundLibrary {
public:
    FakeLibrary() {
        for (const char* name : {"Splash", "New", "Shuffle", "Tableau", "Foundation", "Eddy", "Autoplay", "Stock",
                                 "Pairing", "Redeal", "Red_no_a", "card_up", "card_down", "Face_up", "Won"}) {
            const std::string_view bytes(name);
            waves[name] = std::vector<uint8_t>(bytes.begin(), bytes.end());
        }
    }
    std::optional<std::span<const uint8_t>> FindWave(std::string_view name) const override {
        const auto found = waves.find(std::string(name));
        if (found == waves.end()) return std::nullopt;
        return std::span<const uint8_t>(found->second);
    }
    std::map<std::string, std::vector<uint8_t>> waves;
};

class RecordingOutput : public SoundOutput {
public:
    void PlayAsync(std::span<const uint8_t> wave) override { Record("async", wave); }
    void PlaySync(std::span<const uint8_t> wave) override { Record("sync", wave); }
    void PlayLoop(std::span<const uint8_t> wave) override { Record("loop", wave); }
    void Stop() override { calls.push_back("stop"); }
    void Record(const std::string& mode, std::span<const uint8_t> wave) {
        calls.push_back(mode + " " + std::string(wave.begin(), wave.end()));
    }
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

class SoundsTest : public ::testing::Test {
protected:
    SoundsTest() {
        params.ParamInit(true, folder.Folder());
        params.ParamWrite(key::kSoundsEnabled.position, 1, "Y");
        for (const SettingKey* sound : key::SoundSwitchKeys()) params.ParamWrite(sound->position, 1, "Y");
    }
    void Play(std::initializer_list<const char*> events) {
        for (const char* event : events) event_sounds.PlayEvent(event);
    }

    testing_support::ProgramFolder folder;
    ParamRecord params;
    FakeLibrary library;
    RecordingOutput output;
    Sounds sounds{params, library, output};
    EventSounds event_sounds{params, sounds};
};

TEST_F(SoundsTest, MasterSwitchOffSilencesEverything) {
    params.ParamWrite(key::kSoundsEnabled.position, 1, "N");
    sounds.PlaySoundAsync("Won", true);
    sounds.PlaySoundSync("New", true);
    sounds.PlaySoundLoop("Redeal", true);
    sounds.StopSound();
    Play({"New", "Shuffle_Loop", "Tableau", "Foundation", "Won", "Stop"});
    EXPECT_TRUE(output.calls.empty());
    params.ParamWrite(key::kSoundsEnabled.position, 1, "y");  // only "Y" switches sounds on
    sounds.PlaySoundAsync("Won", true);
    EXPECT_TRUE(output.calls.empty());
}

TEST_F(SoundsTest, ModesEventSwitchesAndMissingSounds) {
    sounds.PlaySoundAsync("Won", true);
    sounds.PlaySoundSync("New", true);
    sounds.PlaySoundLoop("Redeal", true);
    sounds.PlaySoundAsync("Stock", false);
    sounds.PlaySoundAsync("No_Such_Sound", true);  // a missing sound stops the one playing
    sounds.PlaySoundResource("Eddy", SoundMode::Async);
    sounds.StopSound();
    EXPECT_EQ(output.calls, (Calls{"async Won", "sync New", "loop Redeal", "stop", "async Eddy", "stop"}));
}

TEST_F(SoundsTest, EventsUseTheirOwnSwitchSoundAndMode) {
    Play({"Foundation", "Autoplay", "New", "Shuffle_Loop", "Stop", "Red_no_a", "Redeal", "Shuffle_Tableau", "Unknown"});
    EXPECT_EQ(output.calls, (Calls{"async Foundation", "async Autoplay", "sync New", "loop Shuffle", "stop",
                                   "sync Red_no_a", "loop Redeal", "async Shuffle"}));
    output.calls.clear();
    // Autoplay moves follow their own switch, not the foundation one.
    params.ParamWrite(key::kSoundsFoundation.position, 1, "N");
    Play({"Foundation", "Eddy", "Autoplay"});
    EXPECT_EQ(output.calls, Calls{"async Autoplay"});
    output.calls.clear();
    // One sound, two switches: pile transfers follow Sounds_Tableau.
    params.ParamWrite(key::kSoundsShuffle.position, 1, "N");
    Play({"Shuffle", "Shuffle_Loop", "Shuffle_Tableau"});
    EXPECT_EQ(output.calls, Calls{"async Shuffle"});
    output.calls.clear();
    params.ParamWrite(key::kSoundsRedeal.position, 1, "N");
    Play({"Redeal", "Stop"});
    EXPECT_EQ(output.calls, Calls{"stop"});  // nothing was started, so the stop finds nothing
}

TEST_F(SoundsTest, SplashFollowsTheSettingsFile) {
    SettingsFile file = OpenSettingsFile(params);
    params.ParamWrite(key::kSoundsEnabled.position, 1, "");
    PlaySplashSound(params, file, sounds);
    EXPECT_EQ(params.ParamRead(141, 1), "Y");
    EXPECT_EQ(output.calls, Calls{"async Splash"});
    output.calls.clear();
    folder.PutSettings("[Preference]\nSounds_Splash=N\n");
    PlaySplashSound(params, file, sounds);
    EXPECT_TRUE(output.calls.empty());
    folder.PutSettings("[Preference]\nSounds_Enabled=N\n");
    PlaySplashSound(params, file, sounds);
    EXPECT_EQ(params.ParamRead(141, 1), "N");
    EXPECT_TRUE(output.calls.empty());
}

}  // namespace
}  // namespace velmora
