#include "storage/preferences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/play/safe_autoplay.h"
#include "program_folder.h"
#include "storage/settings_file.h"

namespace velmora {
namespace {

class RecordingView : public SettingsView {
public:
    void ApplyToolbarLarge(bool large) override { events.push_back(large ? "large" : "small"); }
    void ApplyToolbarFlat(bool flat) override { events.push_back(flat ? "flat" : "raised"); }
    int64_t ScreenColorCount() const override { return colours; }
    void ShowScreenColorAdvice() override { events.push_back("colour advice"); }
    void ApplyCursor(int number) override { events.push_back("cursor " + std::to_string(number)); }
    void ShowTimePanel(bool shown) override { events.push_back(shown ? "time shown" : "time hidden"); }
    void ShowScorePanel(bool shown) override { events.push_back(shown ? "score shown" : "score hidden"); }
    void ChooseAutoplay() override { events.push_back("autoplay chosen"); }
    bool AutoplayCommandEnabled() const override { return autoplay_enabled; }
    void SetAutoplay(bool on) override { events.push_back(on ? "autoplay on" : "autoplay off"); }
    void HideStatusBar() override { events.push_back("status bar hidden"); }

    int64_t colours = 16777216;
    bool autoplay_enabled = true;
    std::vector<std::string> events;
};

class Preferences : public ::testing::Test {
protected:
    void Load(const std::string& settings) {
        folder.PutSettings(settings);
        Load();
    }
    void Load() {
        engine = EngineInit(folder.Folder());
        LoadPreferences(*engine, view);
    }
    std::string At(int position, int length = 1) const { return engine->params.ParamRead(position, length); }

    testing_support::ProgramFolder folder;
    RecordingView view;
    std::unique_ptr<Engine> engine;
};

TEST_F(Preferences, EmptySettingsFileGivesEveryDefault) {
    Load();
    struct Field {
        int position;
        int length;
        const char* value;
    };
    const Field expected[] = {
        {21, 3, "011"},   {24, 3, "001"},      {27, 1, "N"},          {28, 15, "-2147483633"},
        {43, 4, "0"},     {47, 15, "32768"},   {62, 4, "0001"},       {66, 1, "Y"},
        {67, 1, "Y"},     {68, 6, "20000"},    {74, 2, "10"},         {76, 1, "Y"},
        {77, 30, "Player 1"}, {120, 2, "01"},  {128, 1, "F"},         {135, 1, "Y"},
        {136, 1, "Y"},    {137, 1, "0"},       {152, 1, "N"},         {172, 2, "10"},
        {178, 1, "Y"},    {179, 1, "N"},       {185, 1, "N"},         {186, 1, "Y"},
        {187, 1, "N"},    {188, 1, "N"},       {189, 50, "Freecell"}, {239, 1, "Y"},
        {241, 1, "Y"},    {242, 1, "Y"},       {243, 1, "Y"},         {244, 1, "Y"},
        {245, 1, "N"},    {246, 1, "N"},       {247, 1, "N"},         {248, 1, "N"},
        {249, 1, "Y"},    {251, 1, "N"},       {253, 1, "Y"},         {255, 1, "Y"},
        {256, 1, "Y"},
    };
    for (const Field& field : expected) EXPECT_EQ(At(field.position, field.length), field.value) << field.position;
    for (int sound : {141, 142, 143, 144, 145, 146, 147, 148, 149, 151, 171, 174, 175, 176, 177, 180, 181, 182,
                      183, 184, 252}) {
        EXPECT_EQ(At(sound), "Y") << sound;
    }
    EXPECT_EQ(engine->main_game.Field(field::kFoundationMarks), 0);
    EXPECT_EQ(engine->main_game.Field(field::kRandomGameType), 2);
    EXPECT_EQ(engine->main_game.Field(field::kAutoplayAllGames), 1);
    EXPECT_EQ(engine->main_game.Field(field::kFastSearchType), 0);
    // The status bar shows unless the player turned it off.
    const std::vector<std::string> window{"small", "flat", "cursor 10", "time shown", "score shown", "autoplay chosen"};
    EXPECT_EQ(view.events, window);
    // The default players are the only thing written.
    EXPECT_EQ(folder.Settings(),
              "[Preference]\nUserDefault=Player 1\n[Users]\nUser001=Player 1\nUser002=Player 2\nUser003=Player 3\n");
}

TEST_F(Preferences, APlayerWhoTurnedTheStatusBarOffKeepsItHidden) {
    Load("[Preference]\nStatusBar=N\n");
    EXPECT_EQ(At(76), "N");
    EXPECT_EQ(view.events.back(), "status bar hidden");
}

TEST_F(Preferences, LowColourScreenAdvisesAndDefaultsToCardSetThree) {
    view.colours = 256;
    Load();
    EXPECT_EQ(At(24, 3), "003");
    EXPECT_EQ(view.events[2], "colour advice");
    view = RecordingView();
    view.colours = 256;
    Load("[Preference]\nCard=5\n");
    EXPECT_EQ(At(24, 3), "005");
}

TEST_F(Preferences, ValuesAreReadWithoutRegardToCaseAndCutToTheirFields) {
    Load("[PREFERENCE]\r\nbackground_DEF=Y\r\nGame_Name=" + std::string(60, 'n') +
         "\r\nGame=abc\r\nSpeed_Move_Card=100\r\nCustomized_Background=my.bmp\r\nCursor=12\r\n"
         "ToolBar_Large=Y\r\nToolBar_Flat=yes\r\nShow_Time=N\r\nStatusBar=Y\r\nHighLights_Foundations_Mark=3\r\n"
         "AutoPlay_All_Games=7\r\nUserDefault=Ann\r\nUndo_Enabled=2\r\n"
         "[settings]\r\nGames_Fast_Search_Type=4\r\nRandom_Game_Type=1\r\n");
    EXPECT_EQ(At(27), "Y");
    EXPECT_EQ(At(189, 50), std::string(50, 'n'));
    EXPECT_EQ(At(62, 4), "0001");
    EXPECT_EQ(At(74, 2), "10");
    EXPECT_EQ(At(246), "Y");
    EXPECT_EQ(At(172, 2), "12");
    EXPECT_EQ(At(77, 30), "Ann");
    EXPECT_EQ(At(137), "2");
    EXPECT_EQ(engine->main_game.Field(field::kFoundationMarks), 3);
    EXPECT_EQ(engine->main_game.Field(field::kFastSearchType), 4);
    EXPECT_EQ(engine->main_game.Field(field::kRandomGameType), 1);
    // Mode 7 applies no autoplay setting; the status bar stays.
    const std::vector<std::string> window{"large", "raised", "cursor 12", "time hidden", "score shown"};
    EXPECT_EQ(view.events, window);
    EXPECT_EQ(folder.Settings().find("[Users]"), std::string::npos);
}

// Temporaries left by settings writes that were killed are swept from the
// DATA folder at start-up; anything that may still be in use, or is not
// ours, or lies elsewhere stays.
TEST_F(Preferences, StartUpRemovesStaleTemporariesFromTheDataFolderOnly) {
    namespace fs = std::filesystem;
    folder.PutSettings("[Preference]\nBack_Card=4\n");
    const auto put = [](const fs::path& path, auto age) {
        std::ofstream(path) << "[Preference]\nBack_Card=9\n";
        fs::last_write_time(path, fs::file_time_type::clock::now() - age);
    };
    const fs::path data = folder.Path() / "DATA";
    put(data / "CFG.DAT.tmp-Ab12Cd", std::chrono::hours(1));
    put(data / "CFG.DAT.tmp-Fresh1", std::chrono::seconds(1));
    put(data / "CFG.DAT.tmp", std::chrono::hours(1));
    put(folder.Path() / "CFG.DAT.tmp-Ab12Cd", std::chrono::hours(1));
    Load();
    EXPECT_FALSE(fs::exists(data / "CFG.DAT.tmp-Ab12Cd"));
    EXPECT_TRUE(fs::exists(data / "CFG.DAT.tmp-Fresh1"));
    EXPECT_TRUE(fs::exists(data / "CFG.DAT.tmp"));
    EXPECT_TRUE(fs::exists(folder.Path() / "CFG.DAT.tmp-Ab12Cd"));
    EXPECT_EQ(At(21, 3), "004");  // the settings themselves
}

TEST_F(Preferences, RepairsUnusableValues) {
    Load("[Preference]\nBack_Card=0\nBackground_Col=0\nBackground_bmp=\n");
    EXPECT_EQ(At(21, 3), "001");
    EXPECT_EQ(At(28, 15), "-2147483633");
    EXPECT_EQ(At(43, 4), "0");
    Load("[Preference]\nBack_Card=12345\nBackground_Col=255\nBackground_bmp=7\n");
    EXPECT_EQ(At(21, 3), "001");  // too wide for three digits
    EXPECT_EQ(At(28, 15), "255");
    EXPECT_EQ(At(43, 4), "7");
    Load("[Preference]\nBack_Card=4\n");
    EXPECT_EQ(At(21, 3), "004");
}

TEST_F(Preferences, RightClickMovesStayOffWhateverTheFileSays) {
    Load("[Preference]\nRightClick_To_Foundations=Y\nRightClick_To_Tableaus=Y\nDoubleClick_To_Tableaus=Y\n"
         "DoubleClick_To_Foundations=N\n");
    EXPECT_EQ(At(247), "N");
    EXPECT_EQ(At(248), "N");
    EXPECT_EQ(At(251), "Y");
    EXPECT_EQ(At(249), "N");
}

TEST_F(Preferences, SafeAutoplayIsTheDefaultAndGreedyPlayIsKept) {
    Load("[Preference]\nSafe_Autoplay=N\n");
    EXPECT_EQ(At(256), "N");
    EXPECT_EQ(AutoplayHomeRule(*engine), HomeRule::Greedy);
    Load("[Preference]\nsafe_autoplay=y\n");
    EXPECT_EQ(At(256), "y") << "kept as written; only \"N\" chooses greedy play";
}

TEST_F(Preferences, ShadowsFollowAnimationUnlessSetThemselves) {
    Load("[Preference]\nCards_Animate=N\n");
    EXPECT_EQ(At(178), "N");
    Load("[Preference]\nCards_Animate=N\nCards_Shadowed=Y\n");
    EXPECT_EQ(At(178), "Y");
    Load("[Preference]\nCards_Animate=S\n");
    EXPECT_EQ(At(178), "S");
}

TEST_F(Preferences, AutoplayFollowsItsMode) {
    Load("[Preference]\nAutoPlay=N\n");
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "autoplay chosen"), 0);

    auto per_game = [this](int game, bool enabled) {
        view = RecordingView();
        view.autoplay_enabled = enabled;
        Load("[Preference]\nAutoPlay_All_Games=2\nGame=" + std::to_string(game) + "\n[Autoplay]\nGames=YYN\n");
        std::vector<std::string> autoplay;
        for (const std::string& event : view.events) {
            if (event.starts_with("autoplay")) autoplay.push_back(event);
        }
        return autoplay;
    };
    EXPECT_EQ(per_game(2, true), std::vector<std::string>{"autoplay off"});
    EXPECT_EQ(per_game(1, true), std::vector<std::string>{"autoplay on"});
    EXPECT_EQ(per_game(5, true), std::vector<std::string>{"autoplay on"});
    EXPECT_TRUE(per_game(2, false).empty());
}

}  // namespace
}  // namespace velmora
