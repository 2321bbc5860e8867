// The layout entries of the catalogue's nine games on a 1280 by 800 window
// with big cards and shadows, against anchors worked out by hand.
#include <string>
#include <vector>

#include "layout_fixture.h"

namespace velmora::layout_test {
namespace {

constexpr Anchor kNoDeck{kUnplacedStockArea, kUnplacedStockArea};

struct GameLayout {
    std::string name;
    std::vector<std::pair<int, int>> rules;
    std::vector<Anchor> tableaus;
    std::vector<Anchor> foundations;
    std::vector<Anchor> reserves;
    std::vector<Anchor> deck;  // stock, waste, second waste
};

void PrintTo(const GameLayout& game, std::ostream* os) { *os << game.name; }

std::vector<Anchor> Grid(int count, int per_row, Anchor first, int dx, int dy) {
    std::vector<Anchor> anchors;
    for (int i = 0; i < count; ++i) anchors.push_back({first.x + (i % per_row) * dx, first.y + (i / per_row) * dy});
    return anchors;
}

std::vector<Anchor> Staircase() {
    std::vector<Anchor> anchors;
    for (int i = 0; i < 7; ++i) anchors.push_back({604 - 39 * i, 30 + 52 * i});
    return anchors;
}

// K = 1278; row 1 is 15 (30 when the stock row digit is 1); rows are 106
// apart (+15 after a stock of code 003); the margin is 10, + 9 with a stock,
// + 15 for stock code 004 or 003.
const std::vector<GameLayout> kGames = {
    {"Freecell",
     {{303, 4}, {304, 8}, {305, 4}, {293, 7}, {294, 1}, {295, 1}, {296, 2}, {298, 4}, {299, 1}, {3, 1}},
     Row(8, 285, 121, 91), Row(4, 649, 15, 91), Row(4, 285, 15, 91), {kNoDeck, kNoDeck, kNoDeck}},
    // Gap 20; the centred start 330.5 rounds to the even 330.
    {"Klondike",
     {{303, 4}, {304, 7}, {291, 4}, {292, 1}, {302, 2}, {293, 7}, {294, 1}, {295, 1}, {296, 2}, {8, 1}, {9, 1}},
     Row(7, 330, 136, 91), Row(4, 603, 30, 91), {}, {{330, 30}, {421, 30}, kNoDeck}},
    // Gap 117 is over 20 and becomes 15; start 376 + 2 x 93 + 15.
    {"Canfield",
     {{303, 4}, {304, 4}, {305, 1}, {291, 11}, {292, 1}, {302, 2}, {293, 7}, {294, 1}, {295, 11}, {296, 2},
      {298, 12}, {299, 2}, {8, 1}, {9, 1}},
     Row(4, 577, 136, 86), Row(4, 577, 30, 86), {{461, 136}}, {{375, 30}, {461, 30}, kNoDeck}},
    {"Yukon",
     {{303, 4}, {304, 7}, {293, 7}, {294, 1}, {295, 1}, {296, 2}},
     Row(7, 330, 121, 91), Row(4, 603, 15, 91), {}, {kNoDeck, kNoDeck, kNoDeck}},
    // Stock code 003 lowers row 2 by 15 and puts the waste there.
    {"Forty Thieves",
     {{303, 8}, {304, 10}, {291, 3}, {292, 1}, {302, 2}, {293, 7}, {294, 1}, {295, 3}, {296, 2}, {8, 0}, {9, 1}},
     Row(10, 254, 151, 86), Row(8, 426, 30, 86), {}, {{161, 30}, {161, 151}, kNoDeck}},
    {"Pyramid",
     {{304, 7}, {292, 1}, {302, 2}, {295, 54}, {296, 1}, {301, 1}, {306, 1}, {3, 4}},
     Staircase(), {}, {}, {{40, 30}, {40, 146}, {1168, 30}}},
    {"Golf",
     {{304, 7}, {291, 4}, {292, 1}, {302, 1}, {300, 6}, {301, 1}, {306, 1}, {295, 1}, {296, 2}, {8, 1}, {9, 0}},
     Row(7, 330, 136, 91), {}, {}, {{330, 30}, kNoDeck, {421, 30}}},
    // Six to a row (17 / 3 = 5.67), 60 apart (0.85 x 71), under the
    // three-row block at 5 + 243.
    {"Black Hole",
     {{304, 17}, {300, 6}, {301, 1}, {306, 1}, {295, 10}, {296, 2}, {297, 3}, {3, 2}},
     Grid(17, 6, {15, 248}, 131, 106), {}, {}, {kNoDeck, kNoDeck, {146, 15}}},
    {"Elevens",
     {{304, 9}, {291, 13}, {292, 1}, {302, 1}, {300, 16}, {301, 2}, {306, 1}, {295, 124}, {296, 1}, {3, 3}},
     Grid(9, 3, {518, 243}, 86, 111), {}, {}, {{19, 30}, kNoDeck, {19, 146}}},
};

class NineGamesLayout : public TableLayoutTest, public ::testing::WithParamInterface<GameLayout> {};

TEST_P(NineGamesLayout, PilesLieWhereWorkedOutByHand) {
    const GameLayout& game = GetParam();
    for (const auto& [entry, value] : game.rules) e().rules.Set(entry, value);
    LayOut();
    const int f = static_cast<int>(game.tableaus.size());
    const int g = static_cast<int>(game.foundations.size());
    const int r = static_cast<int>(game.reserves.size());
    EXPECT_EQ(Tableaus(f), game.tableaus);
    EXPECT_EQ(Foundations(g), game.foundations);
    EXPECT_EQ(Reserves(r), game.reserves);
    EXPECT_EQ(Group(3, [this](int i) { return Deck(i); }), game.deck);
    // Nothing past the counts.
    EXPECT_EQ(Tableau(f).y, kUnplacedTableau);
    EXPECT_EQ(Foundation(g).y, kUnplacedFoundation);
    EXPECT_EQ(Reserve(r).y, kUnplacedReserve);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, NineGamesLayout, ::testing::ValuesIn(kGames),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param.name)
                                 if (c != ' ') name += c;
                             return name;
                         });

TEST_F(TableLayoutTest, BlackHoleFansSidewaysIntoTheRoomToTheNextPile) {
    Rules({{304, 17}, {295, 10}, {296, 2}, {297, 3}, {3, 2}});
    LayOut();
    EXPECT_EQ(e().geometry.horizontal_fan_room, 131);
    EXPECT_EQ(e().geometry.vertical_fan_room, 96);
}

}  // namespace
}  // namespace velmora::layout_test
