#include "storage/settings_writers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/model/engine.h"
#include "program_folder.h"
#include "storage/game_autoplay.h"
#include "storage/players.h"
#include "storage/preference_keys.h"
#include "storage/record_settings.h"
#include "storage/window_placement.h"

namespace velmora {
namespace {

class SettingsWriters : public ::testing::Test {
protected:
    SettingsWriters() : engine(EngineInit(folder.Folder())), file(OpenSettingsFile(engine->params)) {}

    testing_support::ProgramFolder folder;
    std::unique_ptr<Engine> engine;
    SettingsFile file;
};

TEST_F(SettingsWriters, WritesKeepEveryOtherKeyByteForByte) {
    const std::string before =
        "; Velmora settings\r\n[Preference]\r\nShow_Time = Y\r\nGame=0005\r\nMainWindowState_Maximized=Y\r\n"
        "odd line\r\n\r\n[Settings]\r\nRandom_Game_Type=2\r\n[Show_Messages]\r\nOther=N\r\n";
    folder.PutSettings(before);
    WriteRecordFlag(engine->params, file, key::kShowTime, false);
    EXPECT_EQ(engine->params.ParamRead(66, 1), "N");
    engine->main_game.SetField(field::kAutoplayAllGames, 1);
    engine->main_game.SetField(field::kRandomGameType, 3);
    ASSERT_TRUE(WriteClosingSettings(file, engine->main_game, false));
    ASSERT_TRUE(SilenceAdvice(file, "Screen_Under_256_Colors"));
    EXPECT_EQ(folder.Settings(),
              "; Velmora settings\r\n[Preference]\r\nShow_Time =N\r\nGame=0005\r\nMainWindowState_Maximized=Y\r\n"
              "AutoPlay=N\r\nodd line\r\n\r\n[Settings]\r\nRandom_Game_Type=3\r\n[Show_Messages]\r\nOther=N\r\n"
              "Screen_Under_256_Colors=N\r\n");
    EXPECT_TRUE(AdviceSilenced(file, "screen_under_256_colors"));
    EXPECT_FALSE(AdviceSilenced(file, "Something_Else"));
}

TEST_F(SettingsWriters, SettingsGoToTheDataFolderNotThePrograms) {
    testing_support::ProgramFolder elsewhere;
    engine->params.SetDataFolder(elsewhere.Folder());
    ASSERT_TRUE(OpenSettingsFile(engine->params).Write(key::kShowTime, "N"));
    EXPECT_EQ(elsewhere.Settings(), "[Preference]\nShow_Time=N\n");
    EXPECT_EQ(folder.Settings(), "");
}

TEST_F(SettingsWriters, ClosingWritesAutoPlayOnlyForOneSwitchForAllGames) {
    engine->main_game.SetField(field::kAutoplayAllGames, 2);
    engine->main_game.SetField(field::kRandomGameType, 2);
    ASSERT_TRUE(WriteClosingSettings(file, engine->main_game, true));
    EXPECT_EQ(folder.Settings(), "[Settings]\nRandom_Game_Type=2\n");
}

TEST_F(SettingsWriters, PerGameSwitchesExtendTheGamesString) {
    folder.PutSettings("[Autoplay]\nGames=YYN\n");
    EXPECT_TRUE(GameAutoplayOn(file, 0));
    EXPECT_TRUE(GameAutoplayOn(file, 1));
    EXPECT_FALSE(GameAutoplayOn(file, 2));
    EXPECT_TRUE(GameAutoplayOn(file, 40));  // beyond the string

    ASSERT_TRUE(WriteGameAutoplay(file, 20, true));
    const std::string games = file.Read(key::kAutoplayGames);
    EXPECT_EQ(games, "YYN" + std::string(27, 'Y'));
    ASSERT_TRUE(WriteGameAutoplay(file, 20, false));
    EXPECT_EQ(file.Read(key::kAutoplayGames), "YYN" + std::string(17, 'Y') + "N" + std::string(9, 'Y'));
    EXPECT_FALSE(GameAutoplayOn(file, 20));
    // A string long enough is changed in place; exactly game + 1 long still grows.
    EXPECT_EQ(WithGameSwitch("YYYYY", 2, 'N'), "YYNYY");
    EXPECT_EQ(WithGameSwitch("YYY", 2, 'N'), "YYN" + std::string(9, 'Y'));

    ASSERT_TRUE(WriteGameAutoplay(file, 8001, false));
    EXPECT_EQ(file.Ini().ReadString("Autoplay", "Cust_8001", ""), "N");
    EXPECT_FALSE(GameAutoplayOn(file, 8001));
    EXPECT_TRUE(GameAutoplayOn(file, 8002));
    // Game -1 (not in the catalogue) has no switch and writes nothing.
    EXPECT_TRUE(GameAutoplayOn(file, -1));
    const std::string kept = folder.Settings();
    EXPECT_FALSE(WriteGameAutoplay(file, -1, false));
    EXPECT_EQ(folder.Settings(), kept);
}

TEST_F(SettingsWriters, WindowPlacementRoundTrips) {
    WindowPlacement placement = ReadWindowPlacement(file, 1920, 1080);
    EXPECT_EQ(placement.left, 50);
    EXPECT_EQ(placement.top, 50);
    EXPECT_EQ(placement.width, 1770);
    EXPECT_EQ(placement.height, 930);
    EXPECT_TRUE(placement.maximized);

    ASSERT_TRUE(WriteWindowPlacement(file, placement));
    EXPECT_EQ(folder.Settings(), "[Preference]\nMainWindowState_Maximized=Y\n");
    ASSERT_TRUE(WriteWindowPlacement(file, {10, -20, 800, 600, false}));
    placement = ReadWindowPlacement(file, 1920, 1080);
    EXPECT_EQ(placement.left, 10);
    EXPECT_EQ(placement.top, -20);
    EXPECT_EQ(placement.width, 800);
    EXPECT_EQ(placement.height, 600);
    EXPECT_FALSE(placement.maximized);

    folder.PutSettings("[Preference]\nMainWindowState_Width=0\nMainWindowState_Height=-5\n");
    placement = ReadWindowPlacement(file, 1024, 768);
    EXPECT_EQ(placement.width, 874);
    EXPECT_EQ(placement.height, 618);
}

TEST_F(SettingsWriters, OpeningFromTheDialogClearsThePlayerUntilTheNextStart) {
    EnsureDefaultPlayers(engine->params, file);
    EXPECT_EQ(engine->params.ParamRead(77, 30), "Player 1");
    EXPECT_EQ(file.Read(key::kUser003), "Player 3");
    EXPECT_TRUE(SetCurrentPlayer(engine->params, file, ""));
    EXPECT_EQ(file.Ini().ReadString("Preference", "UserDefault", "<none>"), "");
    EXPECT_FALSE(SetCurrentPlayer(engine->params, file, ""));
    EnsureDefaultPlayers(engine->params, file);
    EXPECT_EQ(file.Read(key::kUserDefault), "Player 1");
    EXPECT_TRUE(SetCurrentPlayer(engine->params, file, std::string(40, 'z')));
    EXPECT_EQ(file.Read(key::kUserDefault), std::string(30, 'z'));
}

TEST_F(SettingsWriters, SettingsFileIsFoundWithoutRegardToCase) {
    EXPECT_EQ(file.Path(), folder.Folder() + "DATA/CFG.DAT");
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "DATA"));
    std::filesystem::remove_all(folder.Path() / "DATA");
    std::filesystem::create_directory(folder.Path() / "data");
    { std::ofstream(folder.Path() / "data" / "cfg.dat") << "[Preference]\nGame=9\n"; }
    const SettingsFile found = OpenSettingsFile(engine->params);
    EXPECT_EQ(found.Path(), folder.Folder() + "data/cfg.dat");
    EXPECT_EQ(found.ReadInt(key::kGame), 9);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "DATA"));
}

}  // namespace
}  // namespace velmora
