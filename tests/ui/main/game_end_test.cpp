// The end of a game in the window: the clock waits for the first move and
// stands still under a dialog, Undo and Redo are greyed when they have
// nothing to do, a position without moves is told lost once, and the
// summary's choices deal what they say.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include "engine/deal/start_game.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/moves_left.h"
#include "engine/play/pointer.h"
#include "main_window_fixture.h"
#include "ui/main/table_widget.h"

namespace velmora {
namespace {

using window_test::WindowFixture;

constexpr int kKlondike = 2;
constexpr int kGolf = 7;

std::string Label(WindowFixture& f, const char* name) {
    return f.Find<QLabel>(name)->text().toStdString();
}

bool Enabled(WindowFixture& f, const char* name) { return f.Find<QAction>(name)->isEnabled(); }

void Deal(WindowFixture& f, int game, const std::string& deal) {
    f.Show();
    ChooseGame(f.e(), game);
    f.window->Table().run_guarded([&] { f.window->StartGameProcedure(deal); });
    f.Settle();
}

// A press and release on the stock, as the player's action.
void PressStock(WindowFixture& f) {
    f.window->Table().run_guarded([&] {
        Engine& e = f.e();
        const int top = PileTop(e.piles.Text(ListId::Stock, kStockIndex));
        PointerRelease(e, PointerPress(e, "Mazzo", top, Button::Left, false), {}, false);
    });
}

// A click on a tableau's top card that takes it (Golf's way of playing);
// false when no top card goes.
bool ClickATopCard(WindowFixture& f) {
    bool moved = false;
    for (int t = 0; t < f.e().R(304) && !moved; ++t) {
        f.window->Table().run_guarded([&] {
            Engine& e = f.e();
            const std::string pile = "Fila" + std::to_string(t + 1);
            const int top = PileTop(e.piles.Text(ListId::Tableau, t));
            const PressResult press = PointerPress(e, pile, top, Button::Left, false);
            moved = press.kind == PressResult::Handled;
            PointerRelease(e, press, {}, false);
        });
    }
    return moved;
}

TEST(GameEnd, TheClockStartsWithTheFirstMoveAndStandsStillUnderADialog) {
    WindowFixture f("AutoPlay=N\n");
    Deal(f, kKlondike, "5");
    f.now += 100;
    f.window->Timer1Timer();
    EXPECT_EQ(Label(f, "lblTempo"), "0:00:00") << "an unplayed deal costs no time";
    EXPECT_FALSE(Enabled(f, "mnuUndo"));
    EXPECT_FALSE(Enabled(f, "mnuRedo"));

    PressStock(f);
    EXPECT_TRUE(Enabled(f, "mnuUndo"));
    EXPECT_FALSE(Enabled(f, "mnuRedo"));
    f.now += 7;
    f.window->Timer1Timer();
    EXPECT_EQ(Label(f, "lblTempo"), "0:00:07");

    // Ten minutes pass while a modal dialog covers the table.
    QDialog dialog(f.window.get());
    QTimer::singleShot(0, &dialog, [&] {
        f.now += 600;
        dialog.accept();
    });
    dialog.exec();
    f.Settle();
    f.now += 3;
    f.window->Timer1Timer();
    EXPECT_EQ(Label(f, "lblTempo"), "0:00:10");

    f.Find<QAction>("mnuUndo")->trigger();
    EXPECT_FALSE(Enabled(f, "mnuUndo")) << "the deal itself is not undone";
    EXPECT_TRUE(Enabled(f, "mnuRedo"));
    f.Find<QAction>("mnuRedo")->trigger();
    EXPECT_TRUE(Enabled(f, "mnuUndo"));
    EXPECT_FALSE(Enabled(f, "mnuRedo"));
}

// Golf played by clicking the first top card that goes, else the stock,
// until nothing is left: the player is told once that the game is lost,
// the clock stops, and "the same deal again" deals it anew.
TEST(GameEnd, AGolfDealWithoutMovesIsToldLostOnce) {
    WindowFixture f("AutoPlay=N\n");
    Deal(f, kGolf, "1");
    f.host.after_game = SummaryChoice::Close;
    for (int step = 0; step < 200 && AnyMoveLeft(f.e()); ++step) {
        f.now += 1;
        if (!ClickATopCard(f)) PressStock(f);
        f.Settle();
    }
    ASSERT_FALSE(AnyMoveLeft(f.e()));
    ASSERT_EQ(f.host.summaries.size(), 1u);
    const GameSummary lost = f.host.summaries.front();
    EXPECT_FALSE(lost.won);
    EXPECT_EQ(lost.game_name, "Golf");
    EXPECT_GT(lost.moves, 0);
    const std::string time = Label(f, "lblTempo");
    EXPECT_EQ(lost.time, time);
    f.now += 60;
    f.window->Timer1Timer();
    EXPECT_EQ(Label(f, "lblTempo"), time) << "the clock stopped";

    // A click that changes nothing does not tell it again.
    PressStock(f);
    f.Settle();
    EXPECT_EQ(f.host.summaries.size(), 1u);

    // Undo brings moves back; the lost position reached again is told again.
    f.Find<QAction>("mnuUndo")->trigger();
    f.Settle();
    EXPECT_TRUE(AnyMoveLeft(f.e()));
    f.host.after_game = SummaryChoice::SameDeal;
    f.Find<QAction>("mnuRedo")->trigger();
    f.Settle();
    ASSERT_EQ(f.host.summaries.size(), 2u);
    EXPECT_EQ(f.e().params.ParamRead(153, 15), "0000000000001") << "the same deal again";
    EXPECT_TRUE(AnyMoveLeft(f.e()));
    EXPECT_EQ(Label(f, "lblTempo"), "0:00:00");
}

}  // namespace
}  // namespace velmora
