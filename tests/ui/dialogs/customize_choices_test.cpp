#include "ui/dialogs/customize_choices.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <string>
#include <vector>

#include "engine/model/param_record.h"
#include "storage/settings_file.h"

namespace velmora {
namespace {

class CustomizeChoicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(dir.path()).mkdir("DATA");
        params.ParamInit(true, QDir(dir.path()).absolutePath().toStdString() + "/");
        // Card back 11 on the fixed green, a custom colour of the player's.
        for (auto [position, length, value] : {std::tuple{21, 3, "011"},
                                               {27, 1, "N"},
                                               {28, 15, "255"},
                                               {43, 4, "0"},
                                               {47, 15, "32768"},
                                               {128, 1, "B"},
                                               {135, 1, "Y"},
                                               {179, 1, "N"}})
            params.ParamWrite(position, length, value);
    }
    std::string At(int position, int length = 1) const {
        return params.ParamRead(position, length);
    }
    std::string Key(std::string_view name) const {
        return OpenSettingsFile(params).Ini().ReadString("Preference", name, "-");
    }
    void Ok(const CustomizeChoices& choices) {
        SettingsFile settings = OpenSettingsFile(params);
        ApplyCustomizeOk(params, settings, choices, CustomColour(params));
    }

    QTemporaryDir dir;
    ParamRecord params;
};

TEST_F(CustomizeChoicesTest, OkWritesEveryKeyInOrder) {
    CustomizeChoices choices;
    choices.card_back = 7;
    choices.background = 263;
    choices.fade = false;
    choices.sounds_disabled = true;
    choices.show_score = false;
    choices.card_size = 'B';  // the size in force: nothing to write
    Ok(choices);

    // New keys are appended, so the file lists them in the order written.
    std::ifstream in(OpenSettingsFile(params).Path());
    std::string written;
    for (std::string line; std::getline(in, line);) written += line + "\n";
    EXPECT_EQ(
        written,
        "[Preference]\nSounds_Enabled=N\nBack_Card=7\nBackground_bmp=263\nBackground_Col=255\n"
        "Background_Fixed_Col=0\nBackground_def=N\nFade_Background=N\nToolBar_Large=N\nToolBar_"
        "Flat=Y\n"
        "Show_Time=Y\nShow_Score=N\nConfirmQuit=N\nConfirmQuitGame=Y\nSafe_Autoplay=Y\nWinning_Animation=Y\n"
        "Show_Winnable=N\nWinnable_Deals_Only=N\n");
    EXPECT_EQ(At(21, 3) + At(43, 4) + "," + At(28, 15) + "," + At(47, 15) + At(27),
              "007263,255,0N");
    EXPECT_EQ(At(135) + At(141) + At(66) + At(136) + At(185), "NNYNY");
}

// The card size shown is the player's own, also while the small-screen set
// stands in; a new one is written, and waits behind that set.
TEST_F(CustomizeChoicesTest, CardSizeIsThePlayersOwn) {
    SettingsFile settings = OpenSettingsFile(params);
    EXPECT_EQ(StartingChoices(params, settings).card_size, 'B');
    CustomizeChoices choices;
    choices.card_size = 'F';
    Ok(choices);
    EXPECT_EQ(At(128), "F");
    EXPECT_EQ(Key("Card_Size"), "F");

    params.ParamWrite(128, 1, "M");
    params.ParamWrite(240, 1, "B");
    EXPECT_EQ(StartingChoices(params, settings).card_size, 'B');
    Ok(choices);
    EXPECT_EQ(At(128) + At(240), "MF");

    params.ParamWrite(240, 1, "");
    params.ParamWrite(128, 1, "?");
    EXPECT_EQ(StartingChoices(params, settings).card_size, 'F');
}

TEST_F(CustomizeChoicesTest, BackgroundValuesAsStored) {
    struct Case {
        int64_t value;
        const char* picture;
        const char* fixed;
        const char* use_default;
    };
    const Case cases[] = {{-3, "0", "0", "Y"},       {0, "0", "0", "Y"},
                          {1, "0", "0", "N"},        {2, "2", "0", "N"},
                          {1000, "1000", "0", "N"},  {1001, "0", "1001", "N"},
                          {32768, "0", "32768", "N"}};
    for (const Case& c : cases) {
        CustomizeChoices choices;
        choices.background = c.value;
        Ok(choices);
        EXPECT_EQ(Key("Background_bmp"), c.picture) << c.value;
        EXPECT_EQ(Key("Background_Fixed_Col"), c.fixed) << c.value;
        EXPECT_EQ(Key("Background_Def"), c.use_default) << c.value;
        EXPECT_EQ(Key("Background_Col"), "255") << c.value;
    }
}

// Nothing chosen: a card back the tree does not offer and the default table
// stay; the custom colour 0 becomes the button face it stands for.
TEST_F(CustomizeChoicesTest, OkWithoutChoicesKeepsCardBackAndBackground) {
    params.ParamWrite(21, 3, "002");
    params.ParamWrite(27, 1, "Y");
    params.ParamWrite(28, 15, "0");
    Ok(CustomizeChoices{});
    EXPECT_EQ(At(21, 3), "002");
    EXPECT_EQ(Key("Back_Card"), "2");
    EXPECT_EQ(At(27), "Y");
    EXPECT_EQ(Key("Background_Fixed_Col"), "32768");
    EXPECT_EQ(At(28, 15), "-2147483633");
    EXPECT_EQ(Key("Background_Col"), "-2147483633");
}

TEST_F(CustomizeChoicesTest, CancelPutsTheCopiedValuesBack) {
    const std::string before = params.Block(0);
    const CustomizeSnapshot snapshot = TakeCustomizeSnapshot(params);
    for (int position : {21, 24, 27, 28, 43, 47, 128, 135, 179})
        params.ParamWrite(position, 1, "X");
    CustomizeChoices choices;
    choices.card_back = 19;
    choices.background = 0;
    ApplyCustomizeClosing(params, choices, snapshot, true, 255);
    EXPECT_EQ(params.Block(0), before);
}

// After OK the choices are stored once more. The custom colour stays in the
// record whatever was chosen: were it cleared, the next opening would take
// the button face for it and OK would overwrite the player's colour.
TEST_F(CustomizeChoicesTest, ClosingAfterOkStoresTheChoicesAgainAndKeepsTheCustomColour) {
    const CustomizeSnapshot snapshot = TakeCustomizeSnapshot(params);
    CustomizeChoices choices;
    choices.card_back = 14;
    choices.background = 8388608;
    choices.fade = false;
    params.ParamWrite(21, 3, "001");
    params.ParamWrite(47, 15, "1");
    ApplyCustomizeClosing(params, choices, snapshot, false, 255);
    EXPECT_EQ(At(21, 3), "014");
    EXPECT_EQ(At(47, 15), "8388608");
    EXPECT_EQ(At(135), "N");
    EXPECT_EQ(CustomColour(params), 255);
}

}  // namespace
}  // namespace velmora
