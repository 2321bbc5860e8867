#include "support/messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "program_folder.h"
#include "support/message_texts.h"
#include "support/placeholders.h"

namespace velmora {
namespace {

class RecordingBoxes : public MessageBoxes {
public:
    void Information(std::string_view text) override { shown.push_back("info: " + std::string(text)); }
    bool Advice(std::string_view text, int page) override {
        shown.push_back("advice " + std::to_string(page) + ": " + std::string(text));
        return tick;
    }
    void Error(std::string_view text) override { shown.push_back("error: " + std::string(text)); }

    bool tick = false;
    std::vector<std::string> shown;
};

class MessagesTest : public ::testing::Test {
protected:
    MessagesTest() { params.ParamInit(true, folder.Folder()); }

    testing_support::ProgramFolder folder;
    ParamRecord params;
    RecordingBoxes boxes;
    std::vector<int> exits;
    MessageService messages{params, boxes, [this](int code) { exits.push_back(code); }};
};

TEST(Placeholders, FirstOccurrenceOfEachInOrder) {
    EXPECT_EQ(ExpandPlaceholders("About [Program]..."), "About Velmora...");
    EXPECT_EQ(ExpandPlaceholders("[Program] and [Program]"), "Velmora and [Program]");
    EXPECT_EQ(ExpandPlaceholders("[Program_sw]: [GameNum_sw] games, [Program]: [GameNum_fw] [GameNum_fw]"),
              "Tabloria 2000: 250 games, Velmora: 9 [GameNum_fw]");
    EXPECT_EQ(ExpandPlaceholders("[program] [Program"), "[program] [Program");
}

TEST_F(MessagesTest, AdviceCanBeSilencedForGood) {
    const std::string key(text::kScreenUnder256ColorsKey);
    messages.ShowAdvice("Hint", key, 1);
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"advice 1: Hint"});
    EXPECT_EQ(folder.Settings(), "");  // not ticked: nothing written

    boxes.tick = true;
    messages.ShowAdvice("Hint", key, 0);
    EXPECT_EQ(folder.Settings(), "[Show_Messages]\nScreen_Under_256_Colors=N\n");
    messages.ShowAdvice("Hint", key, 0);
    EXPECT_EQ(boxes.shown.size(), 2u);

    folder.PutSettings("[show_messages]\nscreen_under_256_colors=n\n");
    boxes.tick = false;
    messages.ShowAdvice("Hint", key, 0);  // only "N" silences
    EXPECT_EQ(boxes.shown.size(), 3u);
}

TEST_F(MessagesTest, MissingFilesEndTheProgramWithTheirText) {
    const std::string games = folder.Folder() + "GAMES.DAT";
    EXPECT_FALSE(messages.FatalMissingFile(games));
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"error: Cannot find file:\r" + games +
                                                    "\rCopy the file into the directory that above is specified"
                                                    "\ror reinstall the program."});
    EXPECT_EQ(exits, std::vector<int>{0});

    const std::string image = folder.Folder() + "IMAGES/BACK.BMP";
    EXPECT_FALSE(messages.FatalMissingImage(image));
    EXPECT_EQ(boxes.shown.back(), "error: Cannot find images file:\r" + image +
                                      "\rSome program components cannot be shown correctly."
                                      "\rCopy the file into the directory that above is specified"
                                      "\ror reinstall the program.");

    std::ofstream(games) << "x";
    EXPECT_TRUE(messages.FatalMissingFile(games));
    EXPECT_FALSE(messages.FatalMissingFile(folder.Folder()));  // a folder is not the file
    EXPECT_EQ(exits, (std::vector<int>{0, 0, 0}));
}

TEST_F(MessagesTest, TextsAndTheirDisplay) {
    messages.ShowInfo("Select a game");
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"info: Select a game"});
    EXPECT_EQ(text::ErrorRenamingFile("/d/rpl1.tmp", "/d/STAT_SCR.DAT"),
              "Error in renaming the file: /d/rpl1.tmp\rto: /d/STAT_SCR.DAT");
    EXPECT_EQ(text::ErrorDeletingFile("/d/S.DAT"), "Error in deleting the file: /d/S.DAT");
    EXPECT_EQ(text::CannotLoadLibrary("/Opt/Velmora/QOR.RGF"), "Can't find/load /Opt/Velmora/QOR.RGF");
    EXPECT_EQ(text::DamagedFile("/d/GAMES.DAT", "It lists no games."),
              "The file is damaged:\r/d/GAMES.DAT\rIt lists no games.\r"
              "Copy the file into the directory that above is specified\ror reinstall the program.");
    EXPECT_TRUE(text::kScreenUnder256Colors.starts_with("At this time your video driver supports 256 colors"));
    EXPECT_NE(text::kScreenUnder256Colors.find("resolutions. \rIf your video"), std::string_view::npos);
    EXPECT_EQ(ForDisplay("a\rb\r\nc\n"), "a\nb\nc\n");
}

}  // namespace
}  // namespace velmora
