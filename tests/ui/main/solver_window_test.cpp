// The solver in the window: the hint marks the first move of the winning
// line and takes the marks off again, a move cancels a search under way,
// the demo plays the line to the win without it counting as the player's
// and closing it gives the game back as it was, and the status bar tells
// whether the game can be won.
#include <QAction>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "engine/deal/start_game.h"
#include "engine/play/win_condition.h"
#include "main_window_fixture.h"
#include "solver/move_places.h"
#include "solver/search.h"
#include "ui/main/table_widget.h"
#include "ui/main/window_table_view.h"

namespace velmora {
namespace {

using window_test::WindowFixture;

// Freecell deal 3: the solver wins it from the deal in well under a second.
constexpr const char* kQuickDeal = "3";
constexpr int kPatienceMs = 30000;
// Without automatic play: its round a moment after the deal changes the
// position, which rightly cancels a search of the dealt one.
constexpr const char* kByHand = "AutoPlay=N\n";

void DealQuickGame(WindowFixture& f) {
    f.Show();
    f.window->StartGameProcedure(kQuickDeal);
    ASSERT_TRUE(f.e().flags.Get(flag::kInProgress));
}

QString WinnableText(WindowFixture& f) { return f.Find<QLabel>("lblWinnable")->text(); }

bool LooksLikeTheHintFrame(QRgb pixel) { return qRed(pixel) < 80 && qGreen(pixel) > 170 && qBlue(pixel) > 200; }

TEST(SolverWindow, HintMarksTheFirstMoveOfTheWinningLineForAMoment) {
    WindowFixture f(kByHand);
    DealQuickGame(f);
    const solver::Result expected = solver::Solve(f.e(), solver::Limits{});
    ASSERT_EQ(expected.verdict, solver::Verdict::Won);
    const std::vector<Rect> places = solver::MovePlaces(f.e(), expected.line.front());
    ASSERT_EQ(places.size(), 2u) << "the card and where it goes";
    // What the window shows at the frame's edge, as it shows it now.
    const QPoint edge(places[0].left, (places[0].top + places[0].bottom) / 2);
    const auto shown = [&] { return f.window->Table().Front().Pixel(edge.x(), edge.y()); };
    const QRgb before = shown();

    f.Find<QAction>("mnuHint")->trigger();
    EXPECT_EQ(WinnableText(f), "Thinking...");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.window->HintPlaces().empty(); }, kPatienceMs));
    EXPECT_EQ(f.window->HintPlaces(), places);
    EXPECT_TRUE(LooksLikeTheHintFrame(shown()));
    EXPECT_EQ(WinnableText(f), "");
    const std::string piles = f.e().piles.Text(ListId::Tableau, 0);

    ASSERT_TRUE(QTest::qWaitFor([&] { return f.window->HintPlaces().empty(); }, 5000));
    EXPECT_EQ(shown(), before) << "the table shows again without the frame";
    EXPECT_EQ(f.e().piles.Text(ListId::Tableau, 0), piles) << "a hint moves nothing";

    // Once the table is still, the window surface the frame was drawn on
    // goes: the window shows the back buffer itself, the same picture.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.window->View()->Context().surfaces.HasWindow(); }, 5000));
    EXPECT_EQ(&f.window->Table().Front(), &f.window->View()->Context().surfaces.back_buffer);
    EXPECT_EQ(shown(), before);
}

// Spider (four suits) deal 1: the solver finds no winning line in the
// hint's time, so the hint is its guess, said to be one.
TEST(SolverWindow, AHintTheSolverGaveUpOnIsShownAsAGuessUntilTheNextMove) {
    constexpr int kSpider = 48;
    WindowFixture f(kByHand);
    f.Show();
    ChooseGame(f.e(), kSpider);
    f.window->Table().run_guarded([&] { f.window->StartGameProcedure("1"); });
    f.Settle();
    f.Find<QAction>("mnuHint")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.window->HintPlaces().empty(); }, kPatienceMs));
    EXPECT_EQ(WinnableText(f), "A guess: no sure win found");
    EXPECT_EQ(f.e().quiet_messages.last, "") << "marks and a word, no message box";
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.window->HintPlaces().empty(); }, 5000));
    EXPECT_EQ(WinnableText(f), "A guess: no sure win found") << "the word stays while the position does";
    ASSERT_TRUE(window_test::MakeAMove(f));
    EXPECT_EQ(WinnableText(f), "");
}

TEST(SolverWindow, AMoveCancelsTheSearchAndDropsItsAnswer) {
    WindowFixture f(kByHand);
    DealQuickGame(f);
    f.Find<QAction>("mnuHint")->trigger();
    ASSERT_TRUE(f.window->SolverBusy());
    ASSERT_TRUE(window_test::MakeAMove(f));
    EXPECT_FALSE(f.window->SolverBusy());
    EXPECT_EQ(WinnableText(f), "");
    QTest::qWait(1500);
    EXPECT_TRUE(f.window->HintPlaces().empty());
    EXPECT_EQ(f.e().quiet_messages.last, "");
}

TEST(SolverWindow, DemoPlaysTheLineToTheWinAndCloseGivesTheGameBack) {
    WindowFixture f(kByHand);
    DealQuickGame(f);
    ASSERT_TRUE(window_test::MakeAMove(f));
    const PileLists piles = f.e().piles;
    const int steps = f.e().undo.Steps();
    const std::string score = f.e().params.ParamRead(122, 6);

    f.Find<QAction>("mnuDemo")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.window->DemoRunning(); }, kPatienceMs));
    EXPECT_TRUE(f.Find<QFrame>("pnlDemo")->isVisible());
    QLabel* count = f.Find<QLabel>("lblDemoCount");
    const QString total = count->text().section(" / ", 1);
    ASSERT_GT(total.toInt(), 3);
    EXPECT_EQ(count->text(), "0 / " + total);

    // "Play" plays on at a steady pace until "Stop".
    f.Find<QPushButton>("btnDemoPlay")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return count->text() == "2 / " + total; }, 5000));
    f.Find<QPushButton>("btnDemoStop")->click();
    QTest::qWait(1000);
    EXPECT_EQ(count->text(), "2 / " + total);
    f.Find<QPushButton>("btnDemoFirst")->click();
    EXPECT_EQ(count->text(), "0 / " + total);
    EXPECT_EQ(f.e().piles, piles);

    f.Find<QPushButton>("btnDemoNext")->click();
    EXPECT_EQ(count->text(), "3 / " + total);
    EXPECT_NE(f.e().piles.Text(ListId::Foundation, 0) + f.e().piles.Text(ListId::Foundation, 1) +
                  f.e().piles.Text(ListId::Foundation, 2) + f.e().piles.Text(ListId::Foundation, 3) +
                  f.e().piles.Text(ListId::Tableau, 0),
              piles.Text(ListId::Foundation, 0) + piles.Text(ListId::Foundation, 1) +
                  piles.Text(ListId::Foundation, 2) + piles.Text(ListId::Foundation, 3) +
                  piles.Text(ListId::Tableau, 0));
    f.Find<QPushButton>("btnDemoLast")->click();
    EXPECT_EQ(count->text(), total + " / " + total);
    EXPECT_TRUE(IsGameWon(f.e()));
    f.Find<QPushButton>("btnDemoPrevious")->click();
    EXPECT_EQ(count->text(), QString::number(total.toInt() - 3) + " / " + total);
    // The last moves played on, with their flights, win again.
    f.Find<QPushButton>("btnDemoNext")->click();
    EXPECT_TRUE(IsGameWon(f.e()));
    f.Settle();
    EXPECT_TRUE(f.host.summaries.empty()) << "a demo's win is not the player's";

    f.Find<QPushButton>("btnDemoClose")->click();
    EXPECT_FALSE(f.window->DemoRunning());
    EXPECT_FALSE(f.Find<QFrame>("pnlDemo")->isVisible());
    EXPECT_EQ(f.e().piles, piles);
    EXPECT_EQ(f.e().undo.Steps(), steps);
    EXPECT_EQ(f.e().params.ParamRead(122, 6), score);
    EXPECT_TRUE(f.e().flags.Get(flag::kInProgress));
    // The game goes on as the player left it: the move can be taken back.
    f.Find<QAction>("mnuUndo")->trigger();
    EXPECT_EQ(f.e().undo.Steps(), steps - 1);
}

TEST(SolverWindow, ANewDealClosesTheDemoFirst) {
    WindowFixture f(kByHand);
    DealQuickGame(f);
    f.Find<QAction>("mnuDemo")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.window->DemoRunning(); }, kPatienceMs));
    f.Find<QPushButton>("btnDemoLast")->click();
    f.host.answer = true;
    f.Find<QAction>("mnuNew")->trigger();
    EXPECT_FALSE(f.window->DemoRunning());
    EXPECT_TRUE(f.e().flags.Get(flag::kInProgress));
    EXPECT_FALSE(IsGameWon(f.e()));
    f.Settle();
    EXPECT_TRUE(f.host.summaries.empty());
}

TEST(SolverWindow, TheStatusBarSaysWinnableOnlyWhenThePlayerAsks) {
    WindowFixture quiet(kByHand);
    DealQuickGame(quiet);
    EXPECT_FALSE(quiet.window->SolverBusy());
    EXPECT_EQ(WinnableText(quiet), "");

    WindowFixture f(std::string(kByHand) + "Show_Winnable=Y\n");
    DealQuickGame(f);
    ASSERT_TRUE(QTest::qWaitFor([&] { return WinnableText(f) == "Winnable"; }, kPatienceMs));
    EXPECT_NE(f.Find<QLabel>("lblWinnable")->toolTip().indexOf("face-down"), -1);
    // A move asks again: nothing is shown until the answer.
    ASSERT_TRUE(window_test::MakeAMove(f));
    EXPECT_EQ(WinnableText(f), "");
    EXPECT_TRUE(f.window->SolverBusy());
}

TEST(SolverWindow, WinnableDealsOnlyProvesTheNewDealButDealsTheNumberThePlayerChose) {
    WindowFixture f(std::string(kByHand) + "Winnable_Deals_Only=Y\n");
    f.Show();
    QElapsedTimer clock;
    clock.start();
    f.window->StartGameProcedure();
    const qint64 took = clock.elapsed();
    ASSERT_TRUE(f.e().flags.Get(flag::kInProgress));
    EXPECT_LT(took, 8000) << "the search has its time cap";
    // Found in time: the deal on the table is one the solver wins.
    if (took < 4500) {
        solver::Limits limits;
        limits.seconds = 20;
        EXPECT_EQ(solver::Solve(f.e(), limits).verdict, solver::Verdict::Won);
    }

    f.host.deal_number = "4";
    f.host.answer = true;
    clock.restart();
    f.Find<QAction>("mnuSelect")->trigger();
    EXPECT_LT(clock.elapsed(), 1500) << "no search for a number the player chose";
    EXPECT_EQ(f.e().params.ParamRead(153, 15).find_first_not_of('0'), 12u) << f.e().params.ParamRead(153, 15);
}

}  // namespace
}  // namespace velmora
