#include "engine/deal/arrangements.h"

#include <gtest/gtest.h>

#include "deal/deal_fixture.h"
#include "engine/deal/rule_code_deals.h"

namespace velmora {
namespace {

std::string Joined(const Codes& codes) {
    std::string pile;
    for (int code : codes) pile += CardCodeText(code);
    return pile;
}

class Arrangement : public DealTest {
protected:
    DealBuffer Arrange(int style, DealBuffer buffer = {}) {
        Rules({{33, style}});
        DealContext c{e(), build_up, std::move(buffer)};
        ApplyArrangement(c);
        return c.buffer;
    }
    BuildUpBySuit build_up;
};

TEST_F(Arrangement, BottomKingsGoUnderTheStock) {
    Rules({{304, 2}, {303, 1}});
    SetPile(ListId::Tableau, 0, {13});
    SetPile(ListId::Tableau, 1, {52, 7});
    SetPile(ListId::Foundation, 0, {26});
    SetPile(ListId::Stock, kStockIndex, {39, 5, 6});
    Arrange(1);
    EXPECT_EQ(Tab(0), (Codes{5}));
    EXPECT_EQ(Faces(ListId::Tableau, 0), "1");
    EXPECT_EQ(Tab(1), (Codes{6, 7}));  // the card above the king stays
    EXPECT_TRUE(Found(0).empty());      // only kings were left in the stock
    EXPECT_EQ(Stock(), (Codes{26, 52, 13, 39}));
    EXPECT_TRUE(e().cards.IsFaceDown(39));
}

TEST_F(Arrangement, KingsGoToTheBottomOfTheirPilesInOrder) {
    Rules({{304, 3}});
    SetPile(ListId::Tableau, 0, {5, 13, 7, 52});
    SetPile(ListId::Tableau, 1, {2, 3});
    SetPile(ListId::Tableau, 2, {26, 1, 39});
    e().cards.SetFaceState(7, kFaceDown);
    Arrange(16);
    EXPECT_EQ(Tab(0), (Codes{13, 52, 5, 7}));
    EXPECT_EQ(Tab(1), (Codes{2, 3}));
    EXPECT_EQ(Tab(2), (Codes{26, 39, 1}));
    EXPECT_TRUE(e().cards.IsFaceDown(7)) << "a card keeps its face";
}

// Arrangements laid out as before and after: tableau and foundation piles
// by index, and the buffer before and after.
TEST_F(Arrangement, BeforeAndAfter) {
    using Piles = std::map<int, Codes>;
    struct Case {
        int style;
        std::vector<std::pair<int, int>> rules;
        Piles tableau, foundations;
        Codes buffer;
        Piles want_tableau, want_foundations;
        Codes want_buffer;
    };
    const Case cases[] = {
        // Runs from kings, then the ace search takes the ace and the 2.
        {2, {{304, 3}, {303, 4}, {96, 93}}, {}, {}, {5, 13, 1, 26, 9, 2}, {{0, {13, 5}}, {1, {26, 9}}},
         {{0, {1, 2}}}, {}},
        // More queens than piles: the last pile takes the rest.
        {4, {{304, 1}}, {}, {}, {12, 3, 25, 4}, {{0, {12, 3, 25, 4}}}, {}, {}},
        // No pile repeats a rank; where three aces leave no way, no card is lost.
        {3, {{304, 2}}, {{0, {1, 14, 2}}, {1, {27, 3, 40}}}, {}, {}, {{0, {1, 2, 3}}, {1, {14, 27, 40}}}, {}, {}},
        // Rank - 1: an ace and a joker have no pile and stay in the buffer.
        {5, {{304, 12}}, {}, {}, {2, 13, 1, 105, 3}, {{0, {2}}, {1, {3}}, {11, {13}}}, {}, {1, 105}},
        {6, {{304, 12}}, {}, {}, {1, 13, 7}, {{0, {1}}, {6, {7}}}, {}, {13}},  // no thirteenth pile in use
        // Bottom cards to their own foundation; foundation 3 is not in use.
        {7, {{304, 3}, {303, 2}}, {{0, {1, 5}}, {1, {14}}, {2, {27}}}, {}, {}, {{0, {5}}, {1, {}}, {2, {27}}},
         {{0, {1}}, {1, {14}}}, {}},
        {8, {{304, 1}}, {{0, {1, 5, 53}}}, {}, {}, {{0, {0, 5, 0}}}, {}, {}},
        {9, {{304, 5}}, {{0, {3}}, {1, {5, 9}}, {2, {5}}}, {}, {}, {{0, {3}}, {1, {}}, {2, {5}}}, {}, {}},
        // Foundations show buffer cards; one with cards keeps them; the buffer stays.
        {13, {{303, 3}}, {}, {{1, {20}}}, {7, 8}, {}, {{0, {7}}, {1, {20}}, {2, {}}}, {7, 8}},
        // Kings become slots, rows are padded to nine and never cut.
        {15, {{304, 2}}, {{0, {13, 5, 26}}, {1, Range(1, 10)}}, {}, {},
         {{0, {0, 5, 0, 0, 0, 0, 0, 0, 0}}, {1, Range(1, 10)}}, {}, {}},
    };
    for (const Case& c : cases) {
        ClearPiles(e(), true);
        e().rules.ClearGameEntries();
        for (auto [n, v] : c.rules) e().rules.Set(n, v);
        for (const auto& [t, codes] : c.tableau) *e().piles.Pile(ListId::Tableau, t) = Joined(codes);
        for (const auto& [f, codes] : c.foundations) *e().piles.Pile(ListId::Foundation, f) = Joined(codes);
        DealBuffer buffer;
        for (int code : c.buffer) buffer.push_back(CardCodeText(code));
        buffer = Arrange(c.style, std::move(buffer));
        for (const auto& [t, codes] : c.want_tableau) EXPECT_EQ(Tab(t), codes) << c.style << " Fila" << t + 1;
        for (const auto& [f, codes] : c.want_foundations) EXPECT_EQ(Found(f), codes) << c.style << " Dest" << f + 1;
        Codes left;
        for (int i = 0; i < static_cast<int>(buffer.size()); ++i) left.push_back(BufferCode(buffer, i));
        EXPECT_EQ(left, c.want_buffer) << c.style;
    }
}

TEST_F(Arrangement, RandomPileNeverTheLast) {
    Rules({{304, 4}});
    std::set<int> emptied;
    for (int seed = 0; seed < 60; ++seed) {
        e().random.seed(static_cast<uint64_t>(seed));
        for (int t = 0; t < 4; ++t) SetPile(ListId::Tableau, t, {t + 1});
        Arrange(10);
        ASSERT_EQ(TableCodes().size(), 3u);
        for (int t = 0; t < 4; ++t)
            if (Tab(t).empty()) emptied.insert(t);
    }
    EXPECT_EQ(emptied, (std::set<int>{0, 1, 2}));
}

TEST_F(Arrangement, BufferCardsShownOnEmptyFoundations) {
    Rules({{303, 3}});
    SetPile(ListId::Foundation, 1, {20});
    const DealBuffer buffer = BufferOf({7, 8});
    EXPECT_EQ(Arrange(13, buffer), buffer);
    EXPECT_EQ(Found(0), (Codes{7}));
    EXPECT_EQ(Found(1), (Codes{20}));  // a foundation's cards are never replaced
}

TEST_F(Arrangement, ReserveAceRule) {
    DealContext c{e(), build_up, {}};
    SetPile(ListId::Reserve, 0, {5, 1, 9, 14}, kFaceDown);
    SetPile(ListId::Stock, kWasteIndex, {2, 27, 3, 4, 6});
    ApplyReserveAceRule(c);
    EXPECT_EQ(Found(1), (Codes{1}));
    EXPECT_EQ(Found(2), (Codes{14}));
    EXPECT_EQ(Faces(ListId::Foundation, 1), "1");
    EXPECT_EQ(Pile(ListId::Reserve, 0), (Codes{5, 9, 2, 3}));
    EXPECT_EQ(Faces(ListId::Reserve, 0), "1111");
    EXPECT_EQ(Stock(kWasteIndex), (Codes{27, 4, 6}));  // the ace slid into a passed position
    ClearPiles(e(), true);
    SetPile(ListId::Reserve, 0, {40, 7});
    SetPile(ListId::Stock, kWasteIndex, {27, 2, 3});
    ApplyReserveAceRule(c);
    EXPECT_EQ(Found(0), (Codes{27}));
    EXPECT_EQ(Pile(ListId::Reserve, 0), (Codes{7, 3}));
    EXPECT_EQ(Stock(kWasteIndex), (Codes{2}));
}

TEST_F(Arrangement, HeartsCourtRule) {
    DealContext c{e(), build_up, {}};
    Rules({{304, 3}});
    SetPile(ListId::Tableau, 2, {12, 13, 4});
    SetPile(ListId::Stock, kStockIndex, {20}, kFaceDown);
    ApplyHeartsCourtRule(c);
    EXPECT_EQ(Stock(), (Codes{13, 20}));
    EXPECT_EQ(Tab(0), (Codes{12}));
    EXPECT_EQ(Tab(2), (Codes{4}));
    ClearPiles(e(), true);  // cards that were never dealt do not appear
    ApplyHeartsCourtRule(c);
    EXPECT_TRUE(TableCodes().empty());
}

}  // namespace
}  // namespace velmora
