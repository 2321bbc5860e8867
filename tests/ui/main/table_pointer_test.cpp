// The player's hand on a dealt table: presses, drags, drops, double clicks
// and losing the pointer, through the engine and onto the window surfaces.
//
// Freecell deal 1 (at 1024 x 768, "B" cards): Fila4 ends with the two of
// spades (41) under the three of hearts (3), Fila5 is a short pile topped by
// the King of hearts (13), Fila8 is topped by the Ace of hearts (1); Fila1
// holds the four of hearts (4) second from the bottom, deep in a pile that
// is no run.
#include "ui/main/table_pointer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/pointer.h"
#include "engine/play/selection_pile.h"
#include "pointer_fixture.h"

namespace velmora {
namespace {

using pointer_test::Spot;
using pointer_test::PointerTable;

constexpr int kFreecell = 1;
constexpr int kKlondike = 2;
constexpr int kPyramid = 6;

constexpr int kThreeOfHearts = 3;
constexpr int kAceOfHearts = 1;
constexpr int kKingOfHearts = 13;

TEST(TablePointer, ADragOntoAFreeCellLandsAsTheEngineDropDoes) {
    PointerTable table(kFreecell);
    ASSERT_TRUE(table.started);
    PointerTable twin(kFreecell);
    const PressResult picked = PickUpToDrag(twin.e(), "Fila4", kThreeOfHearts);
    ASSERT_TRUE(PointerRelease(twin.e(), picked, {{kKindReserve, 0, 1}}, true));

    table.Drag(table.Centre(table.CardRectOf(kThreeOfHearts)), table.Centre(table.TopCardRect("Appogg1")));

    EXPECT_EQ(table.AllPiles(), twin.AllPiles());
    EXPECT_EQ(table.Pile("Appogg1"), "003");
    EXPECT_EQ(table.e().main_game.Field(field::kDraggedCard), 0);
    EXPECT_FALSE(table.pointer->Carrying());
    EXPECT_EQ(table.renderer->beeps, 0);
    EXPECT_EQ(table.renderer->State().drag.cards, 0) << "the picture was put down";
    EXPECT_TRUE(table.WindowMatchesBackBuffer());
}

TEST(TablePointer, ARefusedDropBeepsOnceAndPutsTheCardBack) {
    PointerTable table(kFreecell);
    const std::vector<std::string> before = table.AllPiles();
    const QImage shown = table.Window();

    // Only an Ace starts a foundation.
    table.Drag(table.Centre(table.CardRectOf(kThreeOfHearts)), table.Centre(table.TopCardRect("Dest2")));

    EXPECT_EQ(table.AllPiles(), before);
    EXPECT_EQ(table.renderer->beeps, 1);
    EXPECT_FALSE(table.pointer->Carrying());
    EXPECT_EQ(table.e().main_game.Field(field::kDraggedCard), 0);
    EXPECT_TRUE(table.Window() == shown) << "the card is drawn back on its pile and nowhere else";
    EXPECT_TRUE(table.WindowMatchesBackBuffer());
}

TEST(TablePointer, AReleaseWithoutMovementPutsTheRunBackWhereverItIsShown) {
    // With shadows on the picked card is lifted over the pile it lies on;
    // with them off it lies on its own pile. Either way nothing is tried.
    for (const char* shadows : {"N", "Y"}) {
        PointerTable table(kFreecell, {{178, shadows}});
        const std::vector<std::string> before = table.AllPiles();
        const QImage shown = table.Window();
        const Spot on_three = table.Centre(table.CardRectOf(kThreeOfHearts));
        table.Press(on_three);
        ASSERT_TRUE(table.pointer->Carrying()) << shadows;
        table.Release(on_three);
        EXPECT_EQ(table.AllPiles(), before) << shadows;
        EXPECT_EQ(table.renderer->beeps, 0) << shadows;
        EXPECT_TRUE(table.Window() == shown) << shadows;
    }
}

TEST(TablePointer, APressOnTheRightOrBottomEdgeOfACardHitsIt) {
    struct Case {
        int dx, dy;  // from the card's right and bottom edges
        bool hits;
    };
    for (const Case c : {Case{0, 0, true}, Case{-1, 0, true}, Case{0, -1, true}, Case{1, 0, false}, Case{0, 1, false}}) {
        PointerTable table(kFreecell);
        const Rect king = table.CardRectOf(kKingOfHearts);
        // The rectangle's right and bottom are the first pixels past the card.
        table.Press({king.right + c.dx, king.bottom + c.dy});
        EXPECT_EQ(table.pointer->Carrying(), c.hits) << c.dx << "," << c.dy;
        EXPECT_EQ(table.e().main_game.Field(field::kDraggedCard), c.hits ? kKingOfHearts : 0);
    }
}

TEST(TablePointer, APressOnTheGapBelowAShortPileHitsNothing) {
    PointerTable table(kFreecell);
    const std::vector<std::string> before = table.AllPiles();
    const QImage shown = table.Window();
    const Rect king = table.CardRectOf(kKingOfHearts);
    // Fila5 is the shortest pile: its neighbours reach lower.
    ASSERT_LT(king.bottom, table.CardRectOf(PileTop(table.Pile("Fila4"))).bottom);
    const Spot below{king.left + 10, king.bottom + 12};
    table.Press(below);
    EXPECT_FALSE(table.pointer->Carrying());
    table.Move({below.x + 40, below.y + 40});
    table.Release({below.x + 40, below.y + 40});
    EXPECT_EQ(table.AllPiles(), before);
    EXPECT_EQ(table.renderer->beeps, 0);
    EXPECT_TRUE(table.Window() == shown);
}

TEST(TablePointer, WithShadowsOnThePickedCardRisesAndFollowsThePointer) {
    struct Case {
        const char* shadows;
        int lift;  // up and left, in pixels
        std::vector<std::string> sounds;
    };
    for (const Case& c : {Case{"Y", 7, {"card_up"}}, Case{"N", 0, {}}}) {
        PointerTable table(kFreecell, {{178, c.shadows}, {182, "Y"}});
        const Rect king = table.CardRectOf(kKingOfHearts);
        const Spot grip{king.left + 20, king.top + 30};
        table.Press(grip);
        ASSERT_TRUE(table.pointer->Carrying());
        EXPECT_EQ(table.renderer->State().drag.rect.topLeft(), QPoint(king.left - c.lift, king.top - c.lift));
        // The card keeps its place under the pointer.
        table.Move({grip.x + 100, grip.y + 50});
        EXPECT_EQ(table.renderer->State().drag.rect.topLeft(),
                  QPoint(king.left - c.lift + 100, king.top - c.lift + 50));
        table.pointer->Cancel();
        EXPECT_EQ(table.sounds.played, c.sounds) << "nothing was put down by the player";
    }
}

TEST(TablePointer, ADoubleClickSendsAnAceHomeAndItsSecondPressPicksNothing) {
    PointerTable table(kFreecell, {{249, "Y"}});
    const Spot on_ace = table.Centre(table.CardRectOf(kAceOfHearts));
    // What the table widget hands on for a double click: press, release,
    // the double click, its second press, release.
    table.Press(on_ace);
    table.Release(on_ace);
    table.pointer->DoubleClick(Qt::LeftButton, on_ace.x, on_ace.y);
    table.Press(on_ace);
    EXPECT_FALSE(table.pointer->Carrying());
    table.Release(on_ace);
    EXPECT_EQ(table.Pile("Dest1"), "001");
    EXPECT_EQ(PileTop(table.Pile("Fila8")), 36);
    EXPECT_EQ(table.renderer->beeps, 0);
    EXPECT_TRUE(table.WindowMatchesBackBuffer());
}

TEST(TablePointer, CancelWhileCarryingPutsTheRunBack) {
    PointerTable table(kFreecell);
    const std::vector<std::string> before = table.AllPiles();
    const QImage shown = table.Window();
    const Spot on_three = table.Centre(table.CardRectOf(kThreeOfHearts));
    table.Press(on_three);
    table.Move(table.Centre(table.TopCardRect("Appogg1")));
    ASSERT_TRUE(table.pointer->Carrying());
    table.pointer->Cancel();
    EXPECT_FALSE(table.pointer->Carrying());
    EXPECT_EQ(table.e().main_game.Field(field::kDraggedCard), 0);
    EXPECT_EQ(table.AllPiles(), before) << "even over a free cell that would take it";
    EXPECT_EQ(table.renderer->beeps, 0);
    EXPECT_TRUE(table.Window() == shown);
    // The release that follows finds nothing in the hand.
    table.Release(table.Centre(table.TopCardRect("Appogg1")));
    EXPECT_EQ(table.AllPiles(), before);
}

TEST(TablePointer, TheCarryingCursorFollowsTheCursorSetting) {
    struct Case {
        const char* setting;
        std::vector<int> shown;  // on the first move, then on the release
    };
    for (const Case& c : {Case{"12", {22, 12}}, Case{"10", {10, 10}}}) {
        PointerTable table(kFreecell, {{172, c.setting}});
        const Spot on_three = table.Centre(table.CardRectOf(kThreeOfHearts));
        table.Press(on_three);
        EXPECT_TRUE(table.cursor.shown.empty()) << "a press alone changes nothing";
        for (int step = 1; step <= 3; ++step) table.Move({on_three.x + step, on_three.y});
        table.Release(on_three);
        EXPECT_EQ(table.cursor.shown, c.shown) << c.setting;
    }
}

TEST(TablePointer, APartlyHiddenCardIsShownWholeUntilTheRelease) {
    PointerTable table(kFreecell, {{255, "Y"}});
    const QImage shown = table.Window();
    const Rect four = table.CardInPile("Fila1", 1);
    const Spot on_band{four.left + 30, four.top + 5};
    table.Press(on_band);
    EXPECT_FALSE(table.pointer->Carrying()) << "no run starts there";
    // Its lower part, covered a moment ago, now shows on the window only.
    const QRect whole(four.left, four.top, four.Width(), four.Height());
    EXPECT_FALSE(table.Window().copy(whole) == shown.copy(whole));
    EXPECT_TRUE(table.surfaces.back_buffer.Image().copy(whole) == shown.copy(whole));
    table.Release(on_band);
    EXPECT_TRUE(table.Window() == shown);

    PointerTable quiet(kFreecell, {{255, "N"}});
    quiet.Press(on_band);
    EXPECT_TRUE(quiet.Window() == shown) << "the setting keeps it hidden";
}

TEST(TablePointer, EveryPressOfAGameRefreshesTheTimeAndEngineActionsTheWindow) {
    PointerTable table(kFreecell);
    const Spot on_three = table.Centre(table.CardRectOf(kThreeOfHearts));
    table.Press(on_three);
    table.Release(on_three);
    table.Press({5, 700});  // no pile lies there
    EXPECT_EQ(table.time_refreshes, 2);
    EXPECT_EQ(table.after_moves, 1) << "after the release";
    table.e().flags.Set(flag::kInProgress, false);
    table.Press(on_three);
    EXPECT_EQ(table.time_refreshes, 2) << "no game, no time";
}

TEST(TablePointer, APressOnTheKlondikeStockTurnsACard) {
    PointerTable table(kKlondike);
    const int stock = PileCount(table.Pile("Mazzo"));
    ASSERT_EQ(stock, 24);
    const Spot on_stock = table.Centre(table.CardRectOf(PileTop(table.Pile("Mazzo"))));
    table.Press(on_stock);
    table.Release(on_stock);
    EXPECT_EQ(PileCount(table.Pile("Mazzo")), stock - 1);
    EXPECT_EQ(table.Pile("Mazzo_Vis"), "032");
    EXPECT_FALSE(table.pointer->Carrying());
    EXPECT_TRUE(table.WindowMatchesBackBuffer());
}

TEST(TablePointer, TheRedealMarkLetGoByLeavingItRedealsNothing) {
    PointerTable table(kKlondike);
    const Spot on_stock = table.Centre(table.CardRectOf(PileTop(table.Pile("Mazzo"))));
    while (!table.Pile("Mazzo").empty()) {
        table.Press(on_stock);
        table.Release(on_stock);
    }
    table.Press(on_stock);
    ASSERT_TRUE(table.e().play.redeal_armed);
    table.Move({on_stock.x + 200, on_stock.y + 300});
    EXPECT_FALSE(table.e().play.redeal_armed);
    table.Release({on_stock.x + 200, on_stock.y + 300});
    EXPECT_TRUE(table.Pile("Mazzo").empty());

    table.Press(on_stock);
    table.Move({on_stock.x + 5, on_stock.y + 5});
    table.Release({on_stock.x + 5, on_stock.y + 5});
    // A release on the mark gathers the waste back (and turns again).
    EXPECT_GE(PileCount(table.Pile("Mazzo")), 23);
    EXPECT_EQ(PileCount(table.Pile("Mazzo")) + PileCount(table.Pile("Mazzo_Vis")), 24);
}

TEST(TablePointer, APyramidPressSelectsAFreeCard) {
    PointerTable table(kPyramid);
    ASSERT_TRUE(table.started);
    const Spot on_ace = table.Centre(table.CardRectOf(kAceOfHearts));
    table.Press(on_ace);
    table.Release(on_ace);
    EXPECT_TRUE(IsSelected(table.e(), kAceOfHearts));
    EXPECT_FALSE(table.pointer->Carrying());
}

// A redraw of the whole table (a new size) takes the carried picture away,
// a new deal takes the run away in the engine too: the release then drops
// nothing, and the next press picks up again.
TEST(TablePointer, AWholeRedrawOrANewDealUnderTheHandEndsTheCarryCleanly) {
    for (const bool new_deal : {false, true}) {
        PointerTable table(kFreecell);
        const std::vector<std::string> before = table.AllPiles();
        table.Press(table.Centre(table.CardRectOf(kThreeOfHearts)));
        ASSERT_TRUE(table.pointer->Carrying());
        if (new_deal)
            ASSERT_TRUE(table.Deal());
        else
            table.renderer->FullRedraw(false);
        const Spot free_cell = table.Centre(table.TopCardRect("Appogg1"));
        table.Move(free_cell);
        table.Release(free_cell);
        EXPECT_EQ(table.AllPiles(), before) << new_deal;
        EXPECT_EQ(table.e().main_game.Field(field::kDraggedCard), 0) << new_deal;
        EXPECT_EQ(table.renderer->beeps, 0) << new_deal;
        EXPECT_TRUE(table.WindowMatchesBackBuffer()) << new_deal;
        table.Press(table.Centre(table.CardRectOf(kKingOfHearts)));
        EXPECT_TRUE(table.pointer->Carrying()) << new_deal;
    }
}

// An animation lets the window's events run; a press that arrives while a
// refused run flies home waits until it has landed.
TEST(TablePointer, EventsDuringAnAnimationWaitForItToEnd) {
    PointerTable table(kFreecell, {{74, "5"}});
    const std::vector<std::string> before = table.AllPiles();
    const Spot on_king = table.Centre(table.CardRectOf(kKingOfHearts));
    bool carried_during_flight = true;
    table.pacer.during_wait = [&] {
        table.Press(on_king);
        carried_during_flight = table.pointer->Carrying();
    };
    table.Drag(table.Centre(table.CardRectOf(kThreeOfHearts)), table.Centre(table.TopCardRect("Dest2")));
    EXPECT_FALSE(carried_during_flight);
    EXPECT_EQ(table.renderer->beeps, 1);
    EXPECT_TRUE(table.pointer->Carrying()) << "the waiting press picked the King up afterwards";
    EXPECT_EQ(table.e().main_game.Field(field::kDraggedCard), kKingOfHearts);
    table.Release(on_king);
    EXPECT_EQ(table.AllPiles(), before);
    EXPECT_TRUE(table.WindowMatchesBackBuffer());
}

}  // namespace
}  // namespace velmora
