#include "engine/deal/ace_search.h"

#include <gtest/gtest.h>

#include "deal/deal_fixture.h"

namespace velmora {
namespace {

class AceSearch : public DealTest {
protected:
    void Search(const DealRules& rules) {
        DealContext c{e(), rules, {}};
        RunAceSearch(c);
    }
    BuildUpBySuit build_up;
};

TEST_F(AceSearch, VisitOrderAndRevisitOfTheSamePosition) {
    Rules({{96, 93}, {303, 4}, {304, 2}, {23, 0}});
    SetPile(ListId::Tableau, 0, {9, 2});
    SetPile(ListId::Tableau, 1, {1, 3}, kFaceDown);
    Search(build_up);  // position by position: the ace first, then the 2 above the 9
    EXPECT_EQ(Found(0), (Codes{1, 2}));
    EXPECT_EQ(Faces(ListId::Foundation, 0), "11");
    EXPECT_EQ(Tab(1), (Codes{3}));

    ClearPiles(e(), true);
    Rules({{23, 1}});
    SetPile(ListId::Tableau, 0, {9, 2});
    SetPile(ListId::Tableau, 1, {1, 3});
    Search(build_up);  // pile by pile: the 2 is passed before the ace is out
    EXPECT_EQ(Found(0), (Codes{1}));
    EXPECT_EQ(Tab(0), (Codes{9, 2}));

    ClearPiles(e(), true);
    SetPile(ListId::Tableau, 0, {1, 2, 3, 14});
    Search(build_up);  // each move brings the next card to the same position
    EXPECT_EQ(Found(0), (Codes{1, 2, 3}));
    EXPECT_EQ(Found(1), (Codes{14}));
}

TEST_F(AceSearch, FoundationsTriedPerSearchValue) {
    auto asked = [&](int v, int order, int foundations) {
        ClearPiles(e(), true);
        Rules({{96, v}, {23, order}, {303, foundations}, {304, 11}});
        for (int t = 0; t < 11; ++t) SetPile(ListId::Tableau, t, {t + 1});
        AcceptAll refuse(false);
        Search(refuse);
        std::map<int, Codes> by_card;
        for (auto [card, f] : refuse.asked) by_card[card].push_back(f);
        return by_card;
    };
    EXPECT_EQ(asked(93, 0, 5)[1], Range(0, 4));
    EXPECT_EQ(asked(94, 0, 5)[3], (Codes{2}));
    EXPECT_TRUE(asked(94, 0, 5)[7].empty());  // pile 7 has no foundation in use
    auto groups = asked(95, 0, 8);            // by pile index
    EXPECT_EQ(groups[5], Range(0, 7));
    EXPECT_EQ(groups[7], Range(4, 7));
    EXPECT_EQ(asked(95, 0, 6)[8], Range(4, 5));
    EXPECT_EQ(asked(95, 1, 8)[8], Range(0, 3));  // pile by pile: by position, 0 here
}

TEST_F(AceSearch, AcesRefilledFromStockThenWaste) {
    Rules({{96, 96}, {303, 4}, {304, 3}});
    SetPile(ListId::Tableau, 0, {1, 5});
    SetPile(ListId::Tableau, 1, {7, 14});
    SetPile(ListId::Tableau, 2, {27});
    SetPile(ListId::Stock, kStockIndex, {20, 30}, kFaceDown);
    SetPile(ListId::Stock, kWasteIndex, {41, 40});
    Search(build_up);
    EXPECT_EQ(Found(1), (Codes{27}));  // the first foundation that takes it
    EXPECT_EQ(Found(2), (Codes{14}));
    EXPECT_EQ(Found(3), (Codes{40}));  // a refilled ace is searched too
    EXPECT_EQ(Tab(0), (Codes{5, 30}));
    EXPECT_EQ(Tab(1), (Codes{7, 41}));
    EXPECT_EQ(Tab(2), (Codes{20}));
    EXPECT_EQ(Faces(ListId::Tableau, 2), "1");
    EXPECT_TRUE(Stock().empty() && Stock(kWasteIndex).empty());
}

}  // namespace
}  // namespace velmora
