// The player's variants: each choice written into the rules row, and a
// variant dealt and played through the engine like a catalogue game.
#include <gtest/gtest.h>

#include <string>

#include "engine/deal/start_game.h"
#include "engine/model/custom_games.h"
#include "engine/model/games_file.h"
#include "engine/model/games_file_rules.h"
#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/variant_rules.h"
#include "engine/play/deal_placement.h"
#include "engine/play/drop_checks.h"
#include "engine/play/stock.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

constexpr int kFreecell = 1;
constexpr int kKlondike = 2;
constexpr int kPyramid = 6;
constexpr int kAlaska = 14;

class Variant : public ::testing::Test {
  protected:
    void SetUp() override {
        engine_ = EngineInit("/t/");
        ASSERT_TRUE(ReadGamesFile(std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT", games_));
        PrepareTable(*engine_);
        LoadCatalogue(*engine_, games_);
    }
    RulesRow Row(int id) {
        RulesRow row{};
        EXPECT_TRUE(ReadRulesRow(engine_->main_game, games_, id, row)) << "game " << id;
        return row;
    }
    // Adds the variant as game `id` and deals it.
    bool Deal(const RulesRow& row, int id, const std::string& name) {
        games_.custom.push_back(CustomGame{id, kKlondike, name, row});
        ChooseGame(*engine_, id);
        StartOptions options;
        options.deal_number = "7";
        options.rules = &rules_;
        return StartGame(*engine_, games_, options);
    }
    Engine& e() { return *engine_; }

    std::unique_ptr<Engine> engine_;
    GamesData games_;
    PlayDealRules rules_;
};

TEST_F(Variant, BaseGamesOfferOnlyTheChoicesTheirRowsExpress) {
    const VariantChoices klondike = ChoicesOf(Row(kKlondike));
    EXPECT_EQ(klondike.cards_per_press, 1);
    EXPECT_EQ(klondike.passes, kUnlimitedPasses);
    EXPECT_FALSE(klondike.free_cells) << "no free cells, and no room for them";
    EXPECT_EQ(klondike.space, SpaceRule::kKingsOnly);
    EXPECT_EQ(klondike.build, TableauBuild::kAlternateColours);
    EXPECT_EQ(klondike.runs, RunMoves::kWholeRuns);
    EXPECT_EQ(klondike.foundations, FoundationStart::kAcesUp);

    const VariantChoices freecell = ChoicesOf(Row(kFreecell));
    EXPECT_FALSE(freecell.cards_per_press) << "no stock";
    EXPECT_FALSE(freecell.passes);
    EXPECT_EQ(freecell.free_cells, 4);
    EXPECT_EQ(freecell.space, SpaceRule::kAnyCard);

    const VariantChoices pyramid = ChoicesOf(Row(kPyramid));
    EXPECT_FALSE(pyramid.build) << "nothing is built on its tableau";
    EXPECT_FALSE(pyramid.runs);
    EXPECT_FALSE(pyramid.foundations);
    EXPECT_FALSE(ChoicesOf(Row(kAlaska)).build) << "builds up or down: not one of the three";
}

TEST_F(Variant, EveryChoiceLandsOnItsEntriesAndNothingElse) {
    const RulesRow base = Row(kKlondike);
    VariantChoices c;
    c.cards_per_press = 3;
    c.passes = 3;
    c.space = SpaceRule::kAnyCard;
    c.build = TableauBuild::kSameSuit;
    c.runs = RunMoves::kCardByCard;
    c.foundations = FoundationStart::kKingsDown;
    const RulesRow row = ApplyChoices(base, c);
    EXPECT_EQ(row[21], 3);
    EXPECT_EQ(row[14], 3);
    EXPECT_EQ(row[12], 1);
    for (int t = 0; t < 7; ++t) {
        EXPECT_EQ(row[128 + t], -1);
        EXPECT_EQ(row[184 + t], 0);
        EXPECT_EQ(row[156 + t], 0) << "still down";
    }
    EXPECT_EQ(row[128 + 7], base[128 + 7]) << "piles the game does not use keep their values";
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(row[48 + f], 13);
        EXPECT_EQ(row[64 + f], 0);
    }
    int changed = 0;
    for (size_t n = 0; n < row.size(); ++n) changed += row[n] != base[n];
    EXPECT_EQ(changed, 2 + 1 + 7 + 7 + 4 + 4) << "passes and press, runs, spaces, builds, foundations";
    EXPECT_EQ(ChoicesOf(row).foundations, FoundationStart::kKingsDown) << "the variant reads back";

    // Out of range or not offered: the row stays.
    VariantChoices wrong;
    wrong.cards_per_press = 9;
    wrong.passes = 0;
    wrong.free_cells = 2;
    EXPECT_EQ(ApplyChoices(base, wrong), base);
}

TEST_F(Variant, FreeCellsGoNoHigherThanTheLayoutHasRoomFor) {
    const RulesRow base = Row(kFreecell);
    VariantChoices two;
    two.free_cells = 2;
    EXPECT_EQ(ApplyChoices(base, two)[305], 2);
    VariantChoices five;
    five.free_cells = 5;
    EXPECT_EQ(ApplyChoices(base, five)[305], 4);
    // Card by card and back: whole runs are the free-cell runs again.
    VariantChoices single;
    single.runs = RunMoves::kCardByCard;
    const RulesRow one_by_one = ApplyChoices(base, single);
    EXPECT_EQ(one_by_one[12], 1);
    VariantChoices whole;
    whole.runs = RunMoves::kWholeRuns;
    EXPECT_EQ(ApplyChoices(one_by_one, whole)[12], -20);
}

TEST_F(Variant, KlondikeByThreesVariantDealsAndTurnsThreeCards) {
    VariantChoices c;
    c.cards_per_press = 3;
    c.passes = 2;
    ASSERT_TRUE(Deal(ApplyChoices(Row(kKlondike), c), kFirstCustomGame, "Klondike, threes"));
    EXPECT_EQ(CurrentGameId(e().params), kFirstCustomGame);
    EXPECT_EQ(e().params.ParamRead(param::kGameName, 50).substr(0, 16), "Klondike, threes");
    EXPECT_EQ(e().R(21), 3);
    EXPECT_EQ(PileCount(e().piles.stock_area[kStockIndex]), 24);
    ASSERT_TRUE(PressStock(e()));
    ReleaseStock(e());
    EXPECT_EQ(PileCount(e().piles.stock_area[kWasteIndex]), 3);
    EXPECT_EQ(PileCount(e().piles.stock_area[kStockIndex]), 21);
    const std::vector<int> facts = ReadRuleValues(e().main_game, games_, kFirstCustomGame, {21, 14, 307});
    EXPECT_EQ(facts, (std::vector<int>{3, 2, 52})) << "the selection dialog reads the variant's values";
}

TEST_F(Variant, KingsFoundationsTakeAKingAndRefuseAnAce) {
    VariantChoices c;
    c.foundations = FoundationStart::kKingsDown;
    ASSERT_TRUE(Deal(ApplyChoices(Row(kKlondike), c), kFirstCustomGame + 1, "Kings up top"));
    const int ace_of_spades = 40, king_of_spades = 52, queen_of_spades = 51;
    EXPECT_TRUE(CanDropOnFoundation(e(), 0, MoveSpec{king_of_spades, 1, true}));
    EXPECT_FALSE(CanDropOnFoundation(e(), 0, MoveSpec{ace_of_spades, 1, true}));
    e().piles.foundations[0] = CardCodeText(king_of_spades);
    EXPECT_TRUE(CanDropOnFoundation(e(), 0, MoveSpec{queen_of_spades, 1, true})) << "down in suit";
}

TEST_F(Variant, NamedByItsOwnNameBesideTheCatalogueNames) {
    games_.custom.push_back(CustomGame{8000, kKlondike, "Klondike, kings up", Row(kKlondike)});
    EXPECT_EQ(GameName(e().main_game, games_, 8000), "Klondike, kings up");
    EXPECT_EQ(GameName(e().main_game, games_, kFreecell), "Freecell");
    EXPECT_EQ(GameName(e().main_game, games_, 8001), "");
}

TEST(CustomGames, NumbersStartAt8000AndSkipTakenOnes) {
    GamesData data;
    EXPECT_EQ(NextCustomGameId(data), 8000);
    data.custom.push_back(CustomGame{8000, 2, "a", {}});
    data.custom.push_back(CustomGame{8002, 2, "b", {}});
    EXPECT_EQ(NextCustomGameId(data), 8001);
    EXPECT_EQ(NextCustomGameId(data, {8001}), 8003);
    EXPECT_EQ(RulesTopicGame(data, 8002), 2);
    EXPECT_EQ(RulesTopicGame(data, 5), 5);
}

}  // namespace
}  // namespace velmora::play_test
