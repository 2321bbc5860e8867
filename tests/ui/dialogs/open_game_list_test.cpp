// The game selection dialog's values without widgets: the game list, the
// information texts and the tree's icon numbers.

#include "ui/dialogs/open_game_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/model/custom_games.h"
#include "engine/model/games_file.h"
#include "text/fixed_text.h"

namespace velmora::open_game {
namespace {

// A decoded catalogue line: type, id, availability, new flag, name.
std::string CatalogueLine(const std::string& type, const std::string& id, char is_new,
                          const std::string& name) {
    return type + " " + id + "0 " + is_new + PadRight(name, 50);
}

TEST(OpenGameListTest, EntriesHoldNameTypeNumberAndNewFlagInFixedColumns) {
    const std::string entry = GameListEntry(CatalogueLine("004", "001", '1', "Freecell"));
    EXPECT_EQ(entry, PadRight("Freecell", 50) + "004" + "001" + "1");
    const GameListItem item = ReadGameListEntry(entry);
    EXPECT_EQ(item.name, "Freecell");
    EXPECT_EQ(item.type, 4);
    EXPECT_EQ(item.number, 1);
    EXPECT_TRUE(item.is_new);
    // A short line keeps the entry's columns.
    EXPECT_EQ(GameListEntry("019 004").size(), 57u);
}

TEST(OpenGameListTest, ListIsSortedByNameWithoutRegardToCase) {
    const std::vector<std::string> list = BuildGameList({
        CatalogueLine("005", "002", '0', "klondike"),
        CatalogueLine("019", "004", '0', "Yukon"),
        CatalogueLine("007", "008", '0', "Black Hole"),
        CatalogueLine("007", "007", '0', "Golf"),
    });
    std::vector<std::string> names;
    for (const std::string& entry : list) names.push_back(ReadGameListEntry(entry).name);
    EXPECT_EQ(names, (std::vector<std::string>{"Black Hole", "Golf", "klondike", "Yukon"}));
}

TEST(OpenGameListTest, DecksAreCardsPerDeckRoundedHalfToEven) {
    for (auto [cards, decks] : {std::pair{104, "2"}, {78, "2"}, {52, "1"}, {26, "0"}, {130, "2"}})
        EXPECT_EQ(DecksText(cards), decks) << cards;
}

TEST(OpenGameListTest, RedealsAreOneLessThanThePasses) {
    for (auto [passes, redeals] :
         {std::pair{3, "2"}, {-1, "Unlimited"}, {0, "0"}, {1, "0"}, {2, "1"}})
        EXPECT_EQ(RedealsText(passes), redeals) << passes;
}

TEST(OpenGameListTest, WinningTextAddsTheOddsOnlyWhenTheyAreKnown) {
    EXPECT_EQ(WinningText(3, 1, 5), "Low (about 1 in 5)");
    EXPECT_EQ(WinningText(0, 99, 100), "Very high (about 99 in 100)");
    EXPECT_EQ(WinningText(4, 7, 0), "Very low");
}

TEST(OpenGameListTest, ClassTextsAndIconsFollowTheClassLists) {
    GameFacts facts;
    facts.game_time = 2;
    facts.difficulty = 1;
    facts.skill = 4;
    facts.chance = 2;
    facts.cards = 104;
    facts.passes = -1;
    const GameDescription d = DescribeGame(facts);
    EXPECT_EQ(d.game_time, "Quick");
    EXPECT_EQ(d.difficulty, "Medium");
    EXPECT_EQ(d.skill, "Chance only");
    EXPECT_EQ(d.winning, "Medium");
    EXPECT_EQ(d.decks, "2");
    EXPECT_EQ(d.redeals, "Unlimited");
    EXPECT_EQ(d.game_time_icon, "PROG_TIME_QUICK");
    EXPECT_EQ(d.difficulty_icon, "PROG_DIFF_MEDIUM");
    EXPECT_EQ(d.skill_icon, "PROG_SKILL_CHANCEONLY");
    EXPECT_EQ(d.winning_icon, "PROG_CHAN_MEDIUM");
    // An unset value (-99) or one past the list shows a dash and no icon.
    for (int outside : {-99, -1, 5}) {
        EXPECT_EQ(SkillText(outside), "-");
        EXPECT_EQ(ChanceIcon(outside), "");
    }
    EXPECT_EQ(GameTimeText(3), "-");
    EXPECT_EQ(DifficultyIcon(3), "");
}

TEST(OpenGameListTest, TreeImageListHasItsFixedOrder) {
    const std::vector<std::string>& names = GameTreeImageNames();
    ASSERT_EQ(names.size(), 84u);
    for (auto [index, name] : {std::pair{0, "TREE1"},
                               {2, "N_TREE3"},
                               {10, "D_TREE2"},
                               {11, "TREE5_CANFIELD_TYPE"},
                               {12, "TREE5_FAN_TYPE"},
                               {21, "C_TREE1"},
                               {23, "TREE5_CUSTOMIZED_GAMES"},
                               {29, "I_TREE2"},
                               {35, "TREE5_ORIGINAL_TYPE"},
                               {39, "TREE5_NONBUILDERS_TYPE"},
                               {41, "TREE5_CUSTOMIZED_GAMES_NOWIN"},
                               {42, "TREE5_CANFIELD_TYPE_WIN"},
                               {62, "TREE5_NONBUILDERS_TYPE_WIN"},
                               {63, "TREE5_CANFIELD_TYPE_NOWIN"},
                               {83, "TREE5_NONBUILDERS_TYPE_NOWIN"}})
        EXPECT_EQ(names[static_cast<size_t>(index)], name) << index;
}

TEST(OpenGameListTest, EveryTypeIconShowsThatTypesBitmap) {
    const std::vector<std::string>& names = GameTreeImageNames();
    for (int type = 2; type <= 22; ++type) {
        ASSERT_FALSE(TypeBitmapName(type).empty()) << type;
        EXPECT_EQ(names[static_cast<size_t>(TypeIcon(type))], TypeBitmapName(type)) << type;
    }
    EXPECT_EQ(TypeIcon(800), 23);
    EXPECT_EQ(TypeIcon(4), 14);
    EXPECT_EQ(TypeIcon(19), 24);
    for (int unknown : {0, 1, 23, 799}) {
        EXPECT_EQ(TypeIcon(unknown), 0) << unknown;
        EXPECT_EQ(TypeBitmapName(unknown), "") << unknown;
    }
}

TEST(OpenGameListTest, RulesTopicsAndPreviewNames) {
    EXPECT_EQ(RulesTopic(7), 3007);
    EXPECT_EQ(RulesTopic(7999), 10999);
    EXPECT_EQ(RulesTopic(8000), std::nullopt);
    GamesData games;
    games.custom.push_back(CustomGame{8000, 7, "Mine", {}});
    EXPECT_EQ(PreviewBitmapName(games, 7), "GAME0007");
    EXPECT_EQ(PreviewBitmapName(games, 123), "GAME0123");
    // The player's game shows the game it was made from.
    EXPECT_EQ(PreviewBitmapName(games, 8000), "GAME0007");
}

}  // namespace
}  // namespace velmora::open_game
