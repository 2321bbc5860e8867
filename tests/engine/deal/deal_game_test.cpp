#include "engine/deal/deal_game.h"

#include <gtest/gtest.h>

#include <random>

#include "deal/deal_fixture.h"

namespace velmora {
namespace {

// The 52-card buffer of "1234567890123" starts 5, 14, 28, 37, 35, 6, 2, 43
// and holds its first king, 52, in slot 26.
Codes Front(const DealBuffer& buffer, int n) {
    Codes codes;
    for (int i = 0; i < n; ++i) codes.push_back(BufferCode(buffer, i));
    return codes;
}

TEST_F(DealTest, FreecellLikeDealIsAllFaceUpOnEightPiles) {
    Rules({{304, 8}, {308, 0}});
    for (int t = 0; t < 8; ++t) Rules({{311 + t, t < 4 ? 7 : 6}, {339 + t, 7 + t}});
    const DealBuffer buffer = Shuffled();
    int scored_cards = -1;  // the score hook sees the finished position
    EXPECT_TRUE(DealGame(e(), RefusingRules(), [&](Engine& done) { scored_cards = PileCount(done.piles.tableau[7]); }));
    EXPECT_EQ(scored_cards, 6);
    EXPECT_EQ(Tab(0), Front(buffer, 7));
    for (int t = 0; t < 8; ++t) EXPECT_EQ(Faces(ListId::Tableau, t), std::string(t < 4 ? 7 : 6, '1')) << t;
    EXPECT_EQ(TableCodes(), Range(1, 52));
}

TEST_F(DealTest, StockWasteAndTableauFaces) {
    Rules({{304, 2}, {311, 7}, {339, -1}, {312, 1013}, {340, 1}, {308, 10}, {6, 1}, {309, 2}});
    const DealBuffer buffer = Shuffled();
    DealGame(e());
    EXPECT_EQ(Tab(1), (Codes{52}));  // the special count comes before the stock
    EXPECT_EQ(Stock(), Front(buffer, 10));
    EXPECT_EQ(Faces(ListId::Stock, kStockIndex), std::string(10, '0'));
    EXPECT_EQ(Faces(ListId::Stock, kWasteIndex), "11");
    EXPECT_EQ(Faces(ListId::Tableau, 0), "1010101");
    ClearPiles(e(), true);
    Rules({{6, 0}});
    DealGame(e());
    EXPECT_EQ(Faces(ListId::Stock, kStockIndex), std::string(10, '1'));
    ClearPiles(e(), true);
    Rules({{308, 0}});
    DealGame(e());
    EXPECT_TRUE(Stock().empty());
}

TEST_F(DealTest, UndealtCardsStayOffTheTableAndFaultyDefinitionsStop) {
    Rules({{304, 4}, {311, 5}, {312, 5}, {313, 5}, {314, 5}});
    Codes dealt = Front(Shuffled(), 20);
    EXPECT_TRUE(DealGame(e()));
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(TableCodes(), dealt);

    ClearPiles(e(), true);  // more cards asked for than there are
    Rules({{308, 40}, {311, 10}, {312, 10}});
    EXPECT_FALSE(DealGame(e()));
    EXPECT_EQ(Tab(1).size(), 2u);
    EXPECT_TRUE(Tab(2).empty());
    EXPECT_EQ(TableCodes(), Range(1, 52));

    ClearPiles(e(), true);  // an unusable card count deals placeholders only
    Rules({{307, 70}, {308, 0}, {311, 3}, {312, 0}, {303, 4}, {96, 91}});
    EXPECT_FALSE(DealGame(e()));
    EXPECT_EQ(e().quiet_messages.last, "Error 01 - fnGameNumberCardsArray");
    EXPECT_EQ(Tab(0), (Codes{0, 0, 0}));
    EXPECT_TRUE(TableCodes().empty());
}

TEST_F(DealTest, FoundationStartingCards) {
    struct Case {
        Codes values, bottoms;  // bottom -1: the foundation stays empty
        const char* number = "1234567890123";
    };
    const Case cases[] = {
        {{93, 93, 93, 93}, {1, 14, 27, 40}},
        {{95, 95, 95, 95, 95, 95, 95, 95}, {13, 26, 39, 52, 1, 14, 27, 40}},
        {{91, 91, 91, 91}, {18, 31, 44, 5}},
        {{91, 91, 91, 91}, {13, 26, 39, 52}, "0000000000158"},  // the king of spades comes first
        {{20, 20}, {5, 14}},
        {{21, 21, 21, 21}, {5, 14, 28, 43}},
        {{63, 51, 52}, {52, 14, 28}},
        {{1, 105, 101, 96}, {1, 5, -1, -1}},  // a card already on the table is not placed twice
        {{0, 92}, {-1, -1}},
    };
    for (const Case& c : cases) {
        ClearPiles(e(), true);
        Number(c.number);
        Rules({{303, static_cast<int>(c.values.size())}, {308, 52}});
        for (int f = 0; f < 16; ++f) e().rules.Set(48 + f, 7);
        for (int f = 0; f < 16; ++f) e().rules.Set(96 + f, f < static_cast<int>(c.values.size()) ? c.values[f] : 0);
        DealGame(e());
        for (int f = 0; f < static_cast<int>(c.bottoms.size()); ++f) {
            const Codes pile = Found(f);
            EXPECT_EQ(pile.empty() ? -1 : pile[0], c.bottoms[f]) << c.values[0] << " f" << f;
            EXPECT_EQ(e().R(48 + f), pile.empty() ? 7 : CardRank(pile[0])) << c.values[0] << " f" << f;
        }
        EXPECT_EQ(TableCodes(), Range(1, 52)) << c.values[0];  // taken out of the buffer, never doubled
    }
}

TEST_F(DealTest, FoundationStartModesAndExtraCards) {
    Rules({{303, 3}, {1, 1}, {128, 91}, {129, 3}, {11, 1}, {288, 113}});
    DealGame(e());
    EXPECT_EQ(Stock(kSecondWasteIndex), (Codes{13}));
    EXPECT_EQ(Found(0), (Codes{5, 14}));  // the start card, then entry 11's card
    EXPECT_EQ(Faces(ListId::Foundation, 0), "11");
    for (int n = 48; n <= 63; ++n) EXPECT_EQ(e().R(n), 5) << n;
    EXPECT_EQ(e().R(128), 4);  // the rank before foundation 1's base
    EXPECT_EQ(e().R(129), 3);

    auto redeal = [&](std::initializer_list<std::pair<int, int>> values) {
        ClearPiles(e(), true);
        Rules({{11, 0}, {288, 0}});
        Rules(values);
        DealGame(e());
    };
    redeal({{1, 3}, {303, 2}, {368, 1}, {369, 1013}});
    EXPECT_EQ(e().R(48), 6);
    EXPECT_EQ(e().R(49), 1);  // a king is followed by the ace
    redeal({{1, 4}, {48, 9}, {368, 0}, {369, 0}});
    EXPECT_EQ(e().R(48), 9);
    EXPECT_EQ(e().R(51), 5);
    EXPECT_EQ(e().R(55), 6);
    redeal({{1, 1}, {43, 1}, {310, 2}, {304, 1}, {311, 12}});  // a joker: the base waits for a card
    EXPECT_EQ(Found(0), (Codes{105}));
    EXPECT_EQ(e().R(48), -2);
}

TEST_F(DealTest, DeckFilters) {
    auto dealt = [&](std::initializer_list<std::pair<int, int>> values) {
        ClearPiles(e(), true);
        Rules(values);
        Rules({{308, 200}});
        DealGame(e());
        return TableCodes();
    };
    EXPECT_EQ(dealt({{33, 11}, {304, 5}}), (Codes{3, 5, 14, 28, 43}));
    EXPECT_EQ(dealt({{33, 14}}), Range(1, 9));  // the first card is a heart
    EXPECT_EQ(dealt({{33, 9}, {304, 8}}), Range(1, 8));
    Codes low = Range(1, 13);
    for (int c = 27; c <= 33; ++c) low.push_back(c);
    EXPECT_EQ(dealt({{33, 9}, {304, 20}}), low);
    Rules({{307, 104}});
    EXPECT_EQ(dealt({{33, 12}, {304, 3}}), (Codes{1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95}));
    EXPECT_EQ(dealt({{33, 12}, {304, 8}}).size(), 40u);
}

// A definition can hold any value; whatever it says, the deal stays inside
// its piles and never puts one card in two places.
TEST_F(DealTest, ArbitraryDefinitionsDealSafely) {
    std::mt19937 random(7);
    const int odd[] = {-32768, -5, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20,
                       21, 22, 28, 51, 63, 91, 92, 93, 94, 95, 96, 104, 113, 500, 1001, 1013, 1100, 1500,
                       1504, 1600, 32767};
    auto pick = [&] { return odd[random() % std::size(odd)]; };
    AcceptAll accept_all;
    BuildUpBySuit build_up;
    for (int round = 0; round < 1000; ++round) {
        ClearPiles(e(), true);
        e().rules.ClearGameEntries();
        for (int n : {1, 6, 11, 23, 33, 47, 288, 303, 304, 305, 308, 309, 310, 367}) e().rules.Set(n, pick());
        for (int n = 96; n < 112; ++n) e().rules.Set(n, pick());
        for (int n = 311; n <= 400; ++n) e().rules.Set(n, random() % 3 ? static_cast<int>(random() % 8) : pick());
        Rules({{307, round % 3 ? 52 : 104}, {43, round % 2}});
        Number(std::to_string(random()));
        DealGame(e(), round % 2 ? static_cast<const DealRules&>(accept_all) : build_up);
        const Codes codes = TableCodes();
        ASSERT_EQ(std::set<int>(codes.begin(), codes.end()).size(), codes.size()) << "round " << round;
        ASSERT_TRUE(codes.empty() || codes.back() <= 108);
    }
}

}  // namespace
}  // namespace velmora
