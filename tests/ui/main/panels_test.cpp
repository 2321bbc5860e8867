// The time and score panels, the toolbar row they sit in, and the clock.
#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/main/clock_text.h"

namespace velmora::window_test {
namespace {

constexpr int Clock(int h, int m, int s) {
    return h * 3600 + m * 60 + s;
}

TEST(Clock, CountsAcrossMidnightWithoutTheDaysLastSecond) {
    struct Case {
        int start, now;
        const char* shown;
    };
    for (const Case c : {Case{Clock(10, 0, 0), Clock(10, 0, 0), "0:00:00"},
                         Case{Clock(10, 0, 0), Clock(11, 2, 3), "1:02:03"},
                         Case{Clock(0, 0, 0), Clock(12, 0, 0), "12:00:00"},
                         Case{Clock(23, 59, 50), Clock(0, 0, 10), "0:00:19"},
                         Case{Clock(23, 59, 59), Clock(0, 0, 0), "0:00:00"}})
        EXPECT_EQ(FormatElapsed(ElapsedSeconds(c.start, c.now)), c.shown)
            << c.start << " " << c.now;
}

TEST(Clock, TheTimePanelShowsTheGamesTimeAndStopsWithTheGame) {
    WindowFixture f;
    f.Show();
    f.now = Clock(23, 50, 0);
    f.window->StartGameProcedure("9");
    auto* time = f.Find<QLabel>("lblTempo");
    EXPECT_EQ(time->text().toStdString(), "0:00:00");
    // The clock starts with the first move, here across midnight.
    f.now = Clock(23, 59, 50);
    ASSERT_TRUE(MakeAMove(f));
    f.now = Clock(0, 0, 10);
    f.window->Timer1Timer();
    EXPECT_EQ(time->text().toStdString(), "0:00:19");

    // A new game starts from nothing again.
    f.window->StartGameProcedure("10");
    f.now = Clock(0, 0, 10);
    ASSERT_TRUE(MakeAMove(f));
    f.now = Clock(0, 1, 10);
    f.window->Timer1Timer();
    EXPECT_EQ(time->text().toStdString(), "0:01:00");
    f.window->close();
    f.now = Clock(0, 5, 0);
    f.window->Timer1Timer();
    EXPECT_EQ(time->text().toStdString(), "0:01:00") << "the clock stopped with the game";
}

class PanelPlacing : public ::testing::Test {
  protected:
    QFrame* Time() { return f->Find<QFrame>("pnlTempo"); }
    QFrame* Score() { return f->Find<QFrame>("pnlScore"); }
    int Width() { return f->window->centralWidget()->width(); }
    int ExitRight(const char* button) {
        const QRect exit = f->Find<QToolButton>(button)->geometry();
        return exit.x() + exit.width();
    }
    std::unique_ptr<WindowFixture> f;
};

TEST_F(PanelPlacing, TimeAtTheRightEndAndScoreBesideIt) {
    f = std::make_unique<WindowFixture>();
    f->Show();
    ASSERT_TRUE(Time()->isVisible() && Score()->isVisible());
    EXPECT_EQ(Time()->x(), Width() - Time()->width() - 15);
    EXPECT_EQ(Score()->x(), Time()->x() - Score()->width() - 5);
    EXPECT_EQ(Score()->y(), Time()->y());
    EXPECT_EQ(Time()->height(), 20) << "beside the small toolbar";
}

TEST_F(PanelPlacing, WithoutTheTimeTheScoreTakesItsPlace) {
    f = std::make_unique<WindowFixture>("Show_Time=N\n");
    f->Show();
    EXPECT_FALSE(Time()->isVisible());
    ASSERT_TRUE(Score()->isVisible());
    EXPECT_EQ(Score()->x(), Width() - Score()->width() - 15);
}

TEST_F(PanelPlacing, APanelThatWouldCoverTheButtonsHidesUntilThereIsRoom) {
    f = std::make_unique<WindowFixture>();
    f->Show();
    // Narrower than the window allows a player: the panels' own rule is tested.
    f->window->setMinimumSize(0, 0);
    const int exit_right = ExitRight("tbExit1");
    // The narrowest window that still shows the time panel, and one pixel less.
    const int frame = f->window->width() - Width();
    const int fits = exit_right + 3 + 1 + Time()->width() + 15 + frame;
    f->Resize(fits, 500);
    ASSERT_EQ(Width() + frame, fits);
    EXPECT_TRUE(Time()->isVisible());
    EXPECT_FALSE(Score()->isVisible()) << "the score would lie over the buttons";
    f->Resize(fits - 1, 500);
    EXPECT_FALSE(Time()->isVisible());
    f->Resize(1000, 500);
    EXPECT_TRUE(Time()->isVisible());
    EXPECT_TRUE(Score()->isVisible());
}

TEST_F(PanelPlacing, HidingAndShowingIsStoredAndOfferedBack) {
    f = std::make_unique<WindowFixture>();
    f->Show();
    f->window->ShowTime(false, true);
    EXPECT_FALSE(Time()->isVisible());
    EXPECT_EQ(Score()->x(), Width() - Score()->width() - 15);
    EXPECT_TRUE(f->window->findChild<QAction*>("popTBShowTime")->isEnabled());
    EXPECT_NE(f->Settings().find("Show_Time=N"), std::string::npos);
    EXPECT_EQ(f->e().params.ParamRead(66, 1), "N");
    f->window->findChild<QAction*>("popTBShowTime")->trigger();
    EXPECT_TRUE(Time()->isVisible());
    EXPECT_FALSE(f->window->findChild<QAction*>("popTBShowTime")->isEnabled());
}

TEST_F(PanelPlacing, TheToolbarsSizeSetsTheRowAndTheTableTop) {
    struct Case {
        const char* settings;
        const char* shown;
        int row_height;
        int panel_height;
        int label_top;
    };
    for (const Case c :
         {Case{"", "pnlTB1", 24, 20, 3}, Case{"ToolBar_Flat=N\n", "pnlTB1", 25, 20, 3},
          Case{"ToolBar_Large=Y\n", "pnlTB", 46, 24, 4},
          Case{"ToolBar_Large=Y\nToolBar_Flat=N\n", "pnlTB", 45, 24, 4}}) {
        f = std::make_unique<WindowFixture>(c.settings);
        f->Show();
        f->window->StartGameProcedure("3");
        const QFrame* row = f->Find<QFrame>(c.shown);
        ASSERT_TRUE(row->isVisible()) << c.settings;
        EXPECT_EQ(row->height(), c.row_height) << c.settings;
        EXPECT_EQ(Time()->height(), c.panel_height) << c.settings;
        EXPECT_EQ(f->Find<QLabel>("lblTempo2")->y(), c.label_top) << c.settings;
        EXPECT_EQ(f->e().geometry.inputs.top, c.row_height) << "the table starts under the row";
        const QFrame* status_bar = f->Find<QFrame>("pnlStatusBar");
        ASSERT_TRUE(status_bar->isVisible());
        EXPECT_EQ(status_bar->geometry().bottom(), f->window->centralWidget()->height() - 1);
        EXPECT_EQ(f->e().geometry.inputs.bottom, status_bar->y() - 1) << "the table ends above the status bar";
        EXPECT_EQ(f->Find<QFrame>("pnlLineaGrigia")->y(), c.row_height);
        EXPECT_EQ(f->Find<QFrame>("pnlLineaNera")->y(), c.row_height + 1);
    }
}

TEST_F(PanelPlacing, AHiddenToolbarTakesItsPanelsAlongAndGivesTheTableTheTop) {
    f = std::make_unique<WindowFixture>("ToolBar_Visible=N\n");
    f->Show();
    f->window->StartGameProcedure("3");
    for (const char* name : {"pnlTB", "pnlTB1", "pnlTempo", "pnlScore"})
        EXPECT_FALSE(f->Find<QFrame>(name)->isVisible()) << name;
    EXPECT_EQ(f->e().geometry.inputs.top, 5);
    f->window->SetToolbarVisible(true, true);
    EXPECT_TRUE(f->Find<QFrame>("pnlTB1")->isVisible());
    EXPECT_TRUE(Time()->isVisible());
    EXPECT_EQ(f->e().geometry.inputs.top, 24);
    EXPECT_NE(f->Settings().find("ToolBar_Visible=Y"), std::string::npos);
}

}  // namespace
}  // namespace velmora::window_test
