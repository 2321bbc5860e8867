// The keyboard's walk and the table in words: reading order across rows,
// the pile above or below, the cards a fan offers, and what a screen reader
// is told of piles and moves (never the face of a card lying face down).
#include <gtest/gtest.h>

#include <vector>

#include "engine/layout/pile_walk.h"
#include "engine/model/spoken_names.h"
#include "engine/play/spoken_moves.h"
#include "layout_table.h"

namespace velmora::layout_test {
namespace {

PileRef Ref(const char* name) { return *ParsePileName(name); }

// Two foundations above two tableaus, a free cell at the right of the top row.
LayoutTable TwoRows() {
    LayoutTable t;
    t.Rule(303, 2).Rule(304, 2).Rule(305, 1).Rule(268, 0);
    t.At("Dest1", 300, 10).At("Dest2", 400, 12).At("Appogg1", 600, 5);
    t.At("Fila1", 10, 200).At("Fila2", 110, 200);
    return t;
}

TEST(PileWalk, RowsAreReadTopDownEachFromTheLeftAndUpDownCrossRows) {
    LayoutTable t = TwoRows();
    const std::vector<PileRef> order = WalkOrder(t.e());
    const std::vector<PileRef> expected{Ref("Dest1"), Ref("Dest2"), Ref("Appogg1"), Ref("Fila1"), Ref("Fila2")};
    EXPECT_EQ(order, expected) << "anchors a few pixels apart share a row";
    EXPECT_EQ(PileAcross(t.e(), Ref("Fila1"), false), Ref("Dest1")) << "the nearest pile of the row above";
    EXPECT_EQ(PileAcross(t.e(), Ref("Appogg1"), true), Ref("Fila2"));
    EXPECT_FALSE(PileAcross(t.e(), Ref("Fila1"), true).has_value()) << "nothing below";
}

TEST(PileWalk, AFanOffersItsFaceUpCardsTopFirstAndASquaredPileItsTop) {
    LayoutTable t = TwoRows();
    t.Put("Fila1", {1, 2, 3, 4}).FaceDown({1, 2});
    t.Put("Dest1", {14, 15});
    EXPECT_EQ(ChoosableCards(t.e(), Ref("Fila1")), (std::vector<int>{3, 2}));
    EXPECT_EQ(ChoosableCards(t.e(), Ref("Dest1")), (std::vector<int>{1}));
    EXPECT_TRUE(ChoosableCards(t.e(), Ref("Fila2")).empty());

    const ChosenCard run = ChooseCard(t.e(), Ref("Fila1"), 1);
    EXPECT_EQ(run.code, 3);
    const Rect frame = FocusFrame(t.e(), run);
    EXPECT_EQ(frame.top, run.rect.top);
    EXPECT_EQ(frame.bottom, ChooseCard(t.e(), Ref("Fila1"), 0).rect.bottom) << "the run down to the top card";
    EXPECT_EQ(ChooseCard(t.e(), Ref("Fila1"), 9).code, 3) << "deeper than the run stays at its last card";
    const Point grip = VisibleOffset(t.e(), run);
    EXPECT_LT(run.rect.top + grip.y, ChooseCard(t.e(), Ref("Fila1"), 0).rect.top) << "on the part that shows";

    const ChosenCard empty = ChooseCard(t.e(), Ref("Fila2"), 0);
    EXPECT_EQ(empty.position, -1);
    EXPECT_EQ(empty.rect.left, 110);
}

TEST(PileWalk, PilesAndCardsAreSpokenByRoleAndNameNeverByAHiddenFace) {
    LayoutTable t = TwoRows();
    t.Rule(269, 4).Rule(305, 2);
    t.Put("Fila1", {1, 2, 7}).FaceDown({1, 2});
    t.Put("Fila2", {40}).FaceDown({40});
    EXPECT_EQ(CardSpokenName(7), "seven of hearts");
    EXPECT_EQ(CardSpokenName(52), "king of spades");
    EXPECT_EQ(CardSpokenName(66), "ace of diamonds");
    EXPECT_EQ(CardSpokenName(105), "joker");
    EXPECT_EQ(PileSpokenName(t.e(), Ref("Appogg1")), "Free cell 1");
    EXPECT_EQ(PileSpokenName(t.e(), Ref("Appogg2")), "Reserve 2");
    EXPECT_EQ(PileSpokenName(t.e(), Ref("Mazzo_Vis")), "Waste");
    EXPECT_EQ(PileSpokenContents(t.e(), Ref("Fila1")), "3 cards, seven of hearts on top");
    EXPECT_EQ(PileSpokenContents(t.e(), Ref("Fila2")), "1 card, face down");
    EXPECT_EQ(PileSpokenContents(t.e(), Ref("Dest1")), "empty");

    PileLists before = t.e().piles;
    t.Put("Fila1", {1, 2}).Put("Dest1", {7});
    EXPECT_EQ(SpokenChange(t.e(), before), "Seven of hearts from Tableau 1 to Foundation 1");
    before = t.e().piles;
    t.Put("Fila2", {}).Put("Fila1", {1, 2, 40}).FaceDown({40});
    EXPECT_EQ(SpokenChange(t.e(), before), "A card from Tableau 2 to Tableau 1");
    before = t.e().piles;
    t.Put("Fila1", {1}).FaceDown({1});
    EXPECT_EQ(SpokenChange(t.e(), before), "Two of hearts and one more removed from Tableau 1")
        << "a run taken off the table";
    before = t.e().piles;
    t.Put("Dest2", {20}).Put("Appogg1", {21}).Put("Appogg2", {22}).Put("Fila2", {23}).Put("Mazzo", {24});
    EXPECT_EQ(SpokenChange(t.e(), before), "Cards dealt");
    EXPECT_EQ(SpokenChange(t.e(), t.e().piles), "");
}

}  // namespace
}  // namespace velmora::layout_test
