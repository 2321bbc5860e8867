// The winning animation in the window: held input ends it, a New command
// that slips in meanwhile deals nothing, and no time at all still throws
// its first card; the summary follows the win.
#include <QAction>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include "engine/play/end_game.h"
#include "main_window_fixture.h"
#include "ui/main/table_widget.h"

namespace velmora {
namespace {

using window_test::WindowFixture;

// A dealt game the engine then finds won.
void WinTheDealtGame(WindowFixture& f) {
    f.host.after_game = SummaryChoice::OtherGame;
    f.Show();
    f.window->StartGameProcedure("77");
    ASSERT_TRUE(f.e().flags.Get(flag::kInProgress));
    f.e().flags.Set(flag::kFinished, true);
}

TEST(WinningWindow, NewGameDuringTheAnimationDoesNothingAndAKeyEndsIt) {
    WindowFixture f("Winning_Animations=Lines\nWinning_Animations_Time=30\nSpeed_Move_Card=10\n");
    WinTheDealtGame(f);
    const std::string deal = f.e().params.ParamRead(153, 15);
    bool new_tried = false;
    // After the pause before the animation, while the cards fly.
    QTimer::singleShot(500, f.window.get(), [&] {
        ASSERT_TRUE(f.e().flags.Get(flag::kWinAnimation));
        f.window->findChild<QAction*>("mnuNew")->trigger();
        new_tried = true;
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
        QCoreApplication::sendEvent(&f.window->Table(), &key);
    });
    EXPECT_TRUE(EndGame(f.e()));
    EXPECT_TRUE(new_tried);
    EXPECT_FALSE(f.e().flags.Get(flag::kWinAnimation));
    EXPECT_EQ(f.e().params.ParamRead(153, 15), deal);
    EXPECT_FALSE(f.e().flags.Get(flag::kInProgress));
    EXPECT_TRUE(f.host.questions.empty());
    f.Settle();
    ASSERT_EQ(f.host.summaries.size(), 1u) << "the summary follows the win";
    EXPECT_TRUE(f.host.summaries.front().won);
    EXPECT_EQ(f.selection.shown, 1) << "the summary's other game opens the game selection";
}

TEST(WinningWindow, NoTimeThrowsOneCardAndEnds) {
    WindowFixture f("Winning_Animations=Circles\nWinning_Animations_Time=0\nSpeed_Move_Card=0\n");
    WinTheDealtGame(f);
    const QImage before = f.window->Table().Front().Image().copy();
    EXPECT_TRUE(EndGame(f.e()));
    EXPECT_FALSE(f.e().flags.Get(flag::kWinAnimation));
    EXPECT_NE(f.window->Table().Front().Image(), before) << "the thrown card stays on the table";
    f.Settle();
    EXPECT_EQ(f.selection.shown, 1);
}

}  // namespace
}  // namespace velmora
