#include "engine/model/games_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "engine/model/engine.h"
#include "engine/model/games_file_rules.h"
#include "games_text.h"
#include "text/fixed_text.h"
#include "text/sections.h"

namespace velmora {
namespace {

using games_text::CatalogueLine;
using games_text::Join;
using games_text::RulesLine;

class GamesFileTest : public ::testing::Test {
protected:
    void Load(const std::vector<std::string>& lines) {
        data_ = ParseGamesData(Join(lines));
        LoadCatalogue(*engine_, data_);
    }
    RulesLoadResult Select(int id) { return SelectGame(*engine_, id, data_); }
    int R(int n) const { return engine_->rules[n]; }

    std::unique_ptr<Engine> engine_ = EngineInit("/nowhere/");
    GamesData data_;
};

TEST(GamesFileValue, DecodesSignedDecimalsWithTrailingSpacesOnly) {
    int64_t v = 0;
    ASSERT_TRUE(DecodeRuleValue(ShiftText("-1        "), v));
    EXPECT_EQ(v, -1);
    ASSERT_TRUE(DecodeRuleValue(ShiftText("291"), v));  // a field cut short by the line's end
    EXPECT_EQ(v, 291);
    EXPECT_FALSE(DecodeRuleValue(ShiftText("        "), v));
    EXPECT_FALSE(DecodeRuleValue(ShiftText(" 5        "), v));
    EXPECT_FALSE(DecodeRuleValue(ShiftText("5x        "), v));
    EXPECT_FALSE(DecodeRuleValue("          ", v));  // plain spaces decode to "P"
    // However long the field, only trailing spaces may follow the number.
    ASSERT_TRUE(DecodeRuleValue(ShiftText("-42" + std::string(40, ' ')), v));
    EXPECT_EQ(v, -42);
    EXPECT_FALSE(DecodeRuleValue(ShiftText("42" + std::string(40, ' ') + "1"), v));
}

TEST_F(GamesFileTest, OnlyAvailabilityZeroOrTwoIsListedAndLaterGamesMoveLeft) {
    Load({"[Sect1]", CatalogueLine(1, "One"), CatalogueLine(2, "Two", '1'), CatalogueLine(3, "Three", '2'),
          "[Sect2]", RulesLine(0, {"10", "30"}), RulesLine(1, {"11", "31"})});
    ASSERT_EQ(engine_->main_game.Catalogue().size(), 2u);
    EXPECT_EQ(CatalogueIndex(engine_->main_game, 2), -1);
    EXPECT_EQ(CatalogueIndex(engine_->main_game, 3), 1);
    EXPECT_EQ(CatalogueName(engine_->main_game, 3), "Three");
    EXPECT_TRUE(Select(3).ok());
    EXPECT_EQ(R(0), 30);
    EXPECT_EQ(R(1), 31);
}

TEST_F(GamesFileTest, RepeatedSectionsJoinInFileOrderAndOtherLinesAreIgnored) {
    Load({"; a plain comment", "[Sect1]", CatalogueLine(5, "Five"), "[Notes]", CatalogueLine(9, "Hidden"),
          "[Sect2]", RulesLine(0, {"1", "2"}), "[Sect1] again", CatalogueLine(6, "Six")});
    const std::vector<std::string>& catalogue = engine_->main_game.Catalogue();
    ASSERT_EQ(catalogue.size(), 2u);
    EXPECT_EQ(CatalogueName(engine_->main_game, 5), "Five");
    EXPECT_EQ(CatalogueIndex(engine_->main_game, 6), 1);
    EXPECT_EQ(CatalogueIndex(engine_->main_game, 9), -1);
    // The catalogue keeps the decoded lines.
    EXPECT_EQ(Columns(catalogue[1], 1, 10), "004 0060 1");
}

TEST_F(GamesFileTest, CatalogueIndexShortcutSearchAndLimits) {
    // Ids 0, 7, 2, 1, 1 at positions 0 .. 4.
    Load({"[Sect1]", CatalogueLine(0, "Zero"), CatalogueLine(7, "Seven"), CatalogueLine(2, "Two"),
          CatalogueLine(1, "One a"), CatalogueLine(1, "One b")});
    const TMainGame& game = engine_->main_game;
    EXPECT_EQ(CatalogueIndex(game, 0), 0);
    EXPECT_EQ(CatalogueIndex(game, 2), 2);
    EXPECT_EQ(CatalogueIndex(game, 7), 1);  // position 7 lies past the list: searched
    EXPECT_EQ(CatalogueIndex(game, 1), 3);  // line 1 carries 7: the first match wins
    EXPECT_EQ(CatalogueName(game, 1), "One a");
    for (int id : {-1, 999, 1000, 8000, 8001, 32767}) {
        EXPECT_EQ(CatalogueIndex(game, id), -1) << id;
        EXPECT_EQ(CatalogueName(game, id), "") << id;
    }
    // A line whose id columns hold what an over-wide id pads to is no match.
    Load({"[Sect1]", ShiftText("004 ***0 0Stars")});
    EXPECT_EQ(CatalogueIndex(engine_->main_game, 8000), -1);
    // The line at position id is taken before any earlier line with that id.
    Load({"[Sect1]", CatalogueLine(2, "First"), CatalogueLine(1, "One"), CatalogueLine(2, "Second")});
    EXPECT_EQ(CatalogueIndex(engine_->main_game, 2), 2);
}

TEST_F(GamesFileTest, LoadRulesAssignsNamedEntriesCutTo16BitsAndKeeps401) {
    Load({"[Sect1]", CatalogueLine(1, "One"), "[Sect2]", RulesLine(0, {"5"}), RulesLine(48, {"1"}),
          RulesLine(307, {"70000"}), RulesLine(308, {"-32769"}), RulesLine(401, {"3"})});
    engine_->rules.Set(401, 77);
    engine_->rules.Set(17, 9);
    EXPECT_TRUE(Select(1).ok());
    EXPECT_EQ(R(0), 5);
    EXPECT_EQ(R(17), 0);  // cleared: the file does not name it
    EXPECT_EQ(R(307), 70000 - 65536);
    EXPECT_EQ(R(308), 32767);
    EXPECT_EQ(R(401), 3);  // named by the file: assigned

    Load({"[Sect1]", CatalogueLine(1, "One"), "[Sect2]", RulesLine(0, {"6"})});
    EXPECT_TRUE(Select(1).ok());
    EXPECT_EQ(R(401), 3);  // not named: never reset
    EXPECT_EQ(R(48), 0);
}

TEST_F(GamesFileTest, ConversionErrorStopsTheReadingAndKeepsEarlierEntries) {
    Load({"[Sect1]", CatalogueLine(1, "One"), "[Sect2]", RulesLine(0, {"1"}), RulesLine(48, {"7"}),
          RulesLine(2, {"x"}), RulesLine(3, {"4"})});
    const RulesLoadResult result = Select(1);
    EXPECT_EQ(result.status, RulesStatus::kConversionError);
    EXPECT_EQ(result.failed_line, 2);
    EXPECT_EQ(result.lines_read, 2);
    EXPECT_EQ(R(0), 1);
    EXPECT_EQ(R(3), 0);
    // The deal-modified entries were saved all the same.
    engine_->rules.Set(48, 2);
    engine_->rules.RestoreDealEntries();
    EXPECT_EQ(R(48), 7);

    // A line whose entry number does not convert stops it just as well.
    Load({"[Sect1]", CatalogueLine(1, "One"), "[Sect2]", RulesLine(0, {"1"}), "", RulesLine(3, {"4"})});
    EXPECT_EQ(Select(1).failed_line, 1);
}

TEST_F(GamesFileTest, SelectGameStoresIdAndNameAndAnUnknownGameReadsColumnsSixToFifteen) {
    Load({"[Sect1]", CatalogueLine(3, "Three"), "[Sect2]", RulesLine(0, {"8"})});
    EXPECT_TRUE(Select(3).ok());
    EXPECT_EQ(engine_->params.ParamRead(param::kGameId, 4), "0003");
    EXPECT_EQ(engine_->params.ParamRead(param::kGameName, 50), "Three");
    EXPECT_EQ(R(0), 8);

    // Not listed: the plain columns 5 - 16 do not convert.
    const RulesLoadResult unknown = Select(4);
    EXPECT_EQ(unknown.status, RulesStatus::kConversionError);
    EXPECT_EQ(unknown.failed_line, 0);
    EXPECT_EQ(engine_->params.ParamRead(param::kGameName, 50), "");
    EXPECT_EQ(R(0), 0);
    // Columns 6 - 15 that do hold a value are what an unlisted game gets.
    Load({"[Sect1]", CatalogueLine(3, "Three"), "[Sect2]", "0000 " + ShiftText("42        ") + " x"});
    EXPECT_TRUE(Select(-1).ok());
    EXPECT_EQ(R(0), 42);
}

TEST_F(GamesFileTest, ReadRuleValuesByLinePosition) {
    Load({"[Sect1]", CatalogueLine(1, "One"), CatalogueLine(2, "Two"), "[Sect2]", RulesLine(395, {"1", "2"}),
          RulesLine(396, {"0", "bad"}), RulesLine(397, {"-1", "70000"})});
    EXPECT_EQ(ReadRuleValues(engine_->main_game, data_, 2, {0, 1, 2, -1, 3, 1000}),
              (std::vector<int>{2, -99, 70000 - 65536, -99, -99, -99}));
    EXPECT_EQ(ReadRuleValues(engine_->main_game, data_, 1, {2, 0}), (std::vector<int>{-1, 1}));
    EXPECT_EQ(ReadRuleValues(engine_->main_game, data_, 5, {0}), (std::vector<int>{-99}));
}

TEST_F(GamesFileTest, ReadsTheFileFromTheProgramFolderWithoutRegardToCase) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "velmora_games_file_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    engine_ = EngineInit(folder.string() + "/");
    EXPECT_FALSE(LoadCatalogue(*engine_));
    engine_->rules.Set(0, 4);
    EXPECT_EQ(SelectGame(*engine_, 1).status, RulesStatus::kUnreadableFile);
    EXPECT_EQ(R(0), 0);
    EXPECT_EQ(ReadRuleValues(*engine_, 1, {0}), (std::vector<int>{-99}));

    std::ofstream(folder / "games.dat", std::ios::binary) << games_text::PlayableText({{1, "One", {{0, "12"}}}});
    EXPECT_TRUE(LoadCatalogue(*engine_));
    EXPECT_TRUE(SelectGame(*engine_, 1).ok());
    EXPECT_EQ(R(0), 12);
    EXPECT_EQ(ReadRuleValues(*engine_, 1, {0}), (std::vector<int>{12}));
    std::filesystem::remove_all(folder);
}

// A folder named GAMES.DAT, or a file the program may not read, is reported
// as an unreadable file: nothing is read, nothing is thrown.
TEST_F(GamesFileTest, AFolderOrAnUnreadableFileIsNoGamesFile) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(::testing::TempDir()) / "velmora_games_folder_test";
    fs::remove_all(folder);
    fs::create_directories(folder / "GAMES.DAT");
    engine_ = EngineInit(folder.string() + "/");
    data_.catalogue = {"stale"};
    EXPECT_FALSE(ReadGamesFile((folder / "GAMES.DAT").string(), data_));
    EXPECT_TRUE(data_.catalogue.empty() && data_.rules.empty());
    EXPECT_FALSE(LoadCatalogue(*engine_));
    EXPECT_EQ(SelectGame(*engine_, 1).status, RulesStatus::kUnreadableFile);

    // A file spelled differently beside the folder is the one read.
    std::ofstream(folder / "games.dat", std::ios::binary) << games_text::PlayableText({{1, "One", {{0, "12"}}}});
    EXPECT_TRUE(LoadCatalogue(*engine_));
    EXPECT_EQ(CatalogueName(engine_->main_game, 1), "One");
    EXPECT_TRUE(SelectGame(*engine_, 1).ok());
    EXPECT_EQ(R(0), 12);
    fs::remove_all(folder);
}

TEST_F(GamesFileTest, AFileThePlayerMayNotReadIsUnreadable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file whatever its permissions";
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(::testing::TempDir()) / "velmora_games_denied_test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "GAMES.DAT", std::ios::binary) << Join({"[Sect1]", CatalogueLine(1, "One")});
    fs::permissions(folder / "GAMES.DAT", fs::perms::owner_write);
    engine_ = EngineInit(folder.string() + "/");
    EXPECT_FALSE(ReadGamesFile((folder / "GAMES.DAT").string(), data_));
    EXPECT_FALSE(LoadCatalogue(*engine_));
    EXPECT_EQ(SelectGame(*engine_, 1).status, RulesStatus::kUnreadableFile);
    fs::remove_all(folder);
}

TEST_F(GamesFileTest, ShortAndMalformedLinesAreSkippedOrRefused) {
    Load({"[Sect1]", "", ShiftText("004 001"), ShiftText("004 0020"), ShiftText("004 0030 0Name"), "[",
          "[Sect2]", "0", "0000", "0001" + Spaces(12) + ShiftText("9")});
    // Too short for column 8, or cut off inside the name.
    ASSERT_EQ(engine_->main_game.Catalogue().size(), 2u);
    EXPECT_EQ(CatalogueName(engine_->main_game, 2), "");
    EXPECT_EQ(CatalogueName(engine_->main_game, 3), "Name");
    EXPECT_EQ(Select(2).failed_line, 0);
    EXPECT_EQ(ReadRuleValues(engine_->main_game, data_, 2, {0, 1, 2}), (std::vector<int>{-99, -99, 9}));
}

// Random bytes, newlines and section headers: whatever the file holds, the
// reading never leaves its bounds (run under the sanitizers to see it).
TEST_F(GamesFileTest, GarbageFilesNeverCrash) {
    std::mt19937 random(1234);
    const std::vector<std::string> pieces = {"[Sect1]\n", "[Sect2]\n", "\n", "\r\n", "0001", "  ",
                                             ShiftText("-1        "), ShiftText("004 0010 0")};
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 600);
        for (int i = 0; i < length; ++i) {
            if (random() % 8 == 0)
                text += pieces[random() % pieces.size()];
            else
                text += static_cast<char>(random() % 256);
        }
        data_ = ParseGamesData(text);
        LoadCatalogue(*engine_, data_);
        for (int id : {-1, 0, 1, 2, 7, 999, 8000}) {
            CatalogueName(engine_->main_game, id);
            Select(id);
            ReadRuleValues(engine_->main_game, data_, id, {-5, 0, 1, 2, 400, 401, 100000});
        }
        for (const std::string& line : engine_->main_game.Catalogue())
            ASSERT_TRUE(line.size() >= 8 && (line[7] == '0' || line[7] == '2'));
    }
}

}  // namespace
}  // namespace velmora
