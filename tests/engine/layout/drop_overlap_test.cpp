#include <gtest/gtest.h>

#include <vector>

#include "engine/layout/drop_overlap.h"
#include "engine/model/piles.h"
#include "layout_table.h"

namespace velmora::layout_test {
namespace {

TEST(OverlapValue, TakesTheFirstCornerOnThePileThenACrossingEdge) {
    const Rect pile = Big(100, 100);
    struct Case {
        const char* what;
        Rect dragged;
        int value;
    };
    const Case cases[] = {
        {"top-left on the pile", Big(110, 120), 61 * 76},
        {"bottom-right", Big(90, 80), 61 * 76},
        {"top-right", Big(80, 130), 51 * 66},
        {"bottom-left", Big(120, 60), 51 * 56},
        {"a tall run whose left edge crosses", {110, 20, 181, 320}, 61 * 300},
        {"a tall run whose right edge crosses", {50, 20, 121, 320}, 21 * 300},
        {"touching the right edge only", Big(171, 100), 0},
        {"apart", Big(300, 300), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(OverlapValue(pile, c.dragged), c.value) << c.what;
}

std::vector<DropCandidate> Candidates(LayoutTable& t, int x, int y, int card = 0) {
    return DropCandidatesAt(t.e(), x, y, card);
}

TEST(DropCandidatesAt, TheMostCoveredPileComesFirst) {
    LayoutTable t;
    t.At("Fila1", 100, 200).At("Fila2", 190, 200).At("Dest1", 100, 50).At("Mazzo_Vis", 190, 50);
    using C = DropCandidate;
    EXPECT_EQ(Candidates(t, 150, 210), (std::vector<C>{{kKindTableau, 1, 31 * 86}, {kKindTableau, 0, 21 * 86}}));
    EXPECT_EQ(Candidates(t, 145, 210), (std::vector<C>{{kKindTableau, 1, 26 * 86}, {kKindTableau, 0, 26 * 86}}))
        << "a tie goes to the higher pile";
    EXPECT_EQ(Candidates(t, 100, 125), (std::vector<C>{{kKindFoundation, 0, 71 * 21}, {kKindTableau, 0, 71 * 21}}))
        << "a tie goes to the foundation";
    EXPECT_EQ(Candidates(t, 190, 60), (std::vector<C>{{kKindWaste, kWasteIndex, 71 * 86}}));
    t.Rule(290, 4);
    EXPECT_TRUE(Candidates(t, 190, 60).empty()) << "a waste that takes no drops";
    t.Fans(8, 3, 3);
    EXPECT_TRUE(Candidates(t, 150, 210).empty()) << "arranged tableaus take no drops";
    EXPECT_TRUE(Candidates(t, 600, 600).empty());
}

TEST(DropCandidatesAt, AtMostFour) {
    LayoutTable t;
    for (const char* pile : {"Dest1", "Dest2", "Dest3", "Dest4", "Dest5"}) t.At(pile, 100, 100);
    const auto found = Candidates(t, 100, 100);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found.front().index, 4);
    EXPECT_EQ(found.back().index, 1);
}

TEST(DropCandidatesAt, ARunIsAsHighAsTheCardsItCarries) {
    LayoutTable t;
    t.At("Fila3", 300, 200).Put("Fila3", {1, 2, 3}).At("Dest1", 100, 100);
    EXPECT_EQ(DraggedRect(t.e(), 0, 0, 1), (Rect{0, 0, 71, 36 + 96}));
    EXPECT_EQ(DraggedRect(t.e(), 0, 0, 3), (Rect{0, 0, 71, 96}));
    // Dragged 20 pixels above the foundation, the run's left edge crosses it.
    EXPECT_EQ(Candidates(t, 110, 80, 1), (std::vector<DropCandidate>{{kKindFoundation, 0, 61 * 132}}));
    EXPECT_EQ(Candidates(t, 110, 80, 3), (std::vector<DropCandidate>{{kKindFoundation, 0, 61 * 76}}));
}

}  // namespace
}  // namespace velmora::layout_test
