// Whole games in the main window, played as a player plays them: Qt mouse
// events on the table widget, through the table pointer connected as the
// program connects it, into the engine and back onto the screen.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/layout/card_positions.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/play/win_condition.h"
#include "main_window_fixture.h"
#include "played_window.h"
#include "render/pile_drawing.h"
#include "pointer_fixture.h"
#include "ui/main/table_widget.h"
#include "ui/main/widget_cursor.h"
#include "winning_line.h"

namespace velmora::window_test {
namespace {

int Rank(int code) {
    return (code - 1) % 13 + 1;
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

constexpr int kFreecell = 1;
constexpr const char* kFreecellDeal = "3";  // the search wins it within its budget
constexpr int kNoon = 12 * 3600;

// A tableau's top card that is no Ace, dropped on an empty foundation:
// refused, it goes home, and the screen is as it was.
void RefuseADropOnAnEmptyFoundation(PlayedWindow& w) {
    std::string source;
    int card = 0;
    for (int i = 1; card == 0 && i <= w.e().R(304); ++i) {
        source = "Fila" + std::to_string(i);
        const int top = PileTop(w.Pile(source));
        if (top > 0 && Rank(top) != 1) card = top;
    }
    ASSERT_NE(card, 0);
    const PileLists before = w.e().piles;
    const QImage shown = w.Shown();
    w.Drag(card, "Dest1");
    EXPECT_EQ(w.e().piles, before);
    const QRect area = w.PileArea(source);
    EXPECT_TRUE(w.Painted().copy(area) == w.BackBuffer(area));
    EXPECT_TRUE(w.Shown().copy(area) == shown.copy(area));
    EXPECT_TRUE(w.ShowsBackBuffer()) << "no trace of the flight is left anywhere";
}

// The row of the table in the window `command` opens, cells joined by "|".
std::string TableRow(window_test::WindowFixture& f, const char* command, int row) {
    std::string seen = "(no window)";
    f.host.on_dialog = [&](QDialog& dialog) {
        const auto* table = dialog.findChild<QTableWidget*>();
        if (!table || row >= table->rowCount()) return;
        seen.clear();
        for (int column = 0; column < table->columnCount(); ++column)
            seen += (column ? "|" : "") + table->item(row, column)->text().toStdString();
    };
    f.Find<QAction>(command)->trigger();
    return seen;
}

// The won game as Game statistics, the log and the hi-scores show it.
void FindTheWinInTheStatistics(window_test::WindowFixture& f, int moves) {
    std::map<std::string, std::string> figures;
    f.host.on_dialog = [&](QDialog& dialog) {
        for (const char* name : {"lblPlayed", "lblWon", "lblStreak", "lblBestTime", "lblBestScore"})
            figures[name] = dialog.findChild<QLabel*>(name)->text().toStdString();
    };
    f.Find<QAction>("mnuGameStatistics")->trigger();
    EXPECT_EQ(figures["lblPlayed"], "1");
    EXPECT_EQ(figures["lblWon"], "1");
    EXPECT_EQ(figures["lblStreak"], "1 win");
    EXPECT_EQ(figures["lblBestTime"], "1:02:03");
    EXPECT_EQ(figures["lblBestScore"], "208");
    const std::string logged = TableRow(f, "mnuLogStatistics", 0);
    EXPECT_NE(logged.find("|Freecell|0000000000003|Won|208|1:02:03|" + std::to_string(moves)),
              std::string::npos) << logged;
    EXPECT_EQ(TableRow(f, "mnuHiScores", 0).substr(0, 25), "1|Player 1|208|1:02:03|20");
}

TEST(WindowPlay, AFreecellDealIsWonWithTheMouse) {
    pointer_test::PointerTable twin(kFreecell);
    ASSERT_TRUE(twin.Deal(kFreecellDeal));
    twin.e().view = &twin.e().quiet_view;  // the search draws nothing
    const PileLists dealt = twin.e().piles;
    WinningLine line(twin.e());
    ASSERT_TRUE(line.Find());

    PlayedWindow w("AutoPlay=N\nCards_Shadowed=Y\nWinning_Animations_Time=0\n");
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.host.after_game = SummaryChoice::OtherGame;
    // The clock waits for the first move: the time the deal lies there
    // unplayed does not count.
    w.f.now = kNoon - 500;
    w.f.window->StartGameProcedure(kFreecellDeal);
    ASSERT_EQ(w.e().piles, dealt);
    ASSERT_FALSE(w.e().play.autoplay_checked);
    EXPECT_EQ(w.f.window->windowTitle().toStdString(), "Velmora [Freecell]  [0000000000003]");

    RefuseADropOnAnEmptyFoundation(w);
    EXPECT_FALSE(w.f.Find<QAction>("mnuUndo")->isEnabled()) << "nothing to undo before the first move";
    EXPECT_FALSE(w.f.Find<QAction>("mnuRedo")->isEnabled());
    w.f.now = kNoon;

    // The first foundation move that is not an Ace is made by a double click.
    const auto home = std::find_if(line.moves.begin(), line.moves.end(), [](const DragMove& m) {
        return ParsePileName(m.to)->list == ListId::Foundation && Rank(m.code) != 1;
    });
    ASSERT_NE(home, line.moves.end());
    const size_t double_clicked = static_cast<size_t>(home - line.moves.begin());

    for (size_t i = 0; i < line.moves.size(); ++i) {
        const DragMove& move = line.moves[i];
        if (i + 1 == line.moves.size()) w.f.now = kNoon + 3723;
        if (i == double_clicked) {
            w.DoubleClick(w.Grip(move.code));
        } else if (i == 0) {
            // While carried, the run is shown under the pointer.
            const QPoint over = w.Lift(move.code, move.to);
            ASSERT_GT(w.Carried().cards, 0);
            // (The rounded-off corners show the table where the run is now.)
            const QRect inside(QPoint(2, 2), w.Carried().rect.size() - QSize(4, 4));
            EXPECT_TRUE(w.Shown().copy(inside.translated(w.Carried().rect.topLeft())) ==
                        w.Carried().image.Image().copy(inside));
            w.Release(over);
        } else {
            w.Drag(move.code, move.to);
        }
        ASSERT_EQ(Named(w.e().piles), Named(line.piles[i]))
            << "move " << i << ": " << move.code << " " << move.from << " to " << move.to
            << (i == double_clicked ? " (double click)" : "");
        ASSERT_TRUE(w.ShowsBackBuffer()) << "move " << i;
    }
    w.f.Settle();

    EXPECT_TRUE(IsGameWon(w.e()));
    EXPECT_FALSE(w.e().flags.Get(flag::kInProgress));
    EXPECT_EQ(w.Label("lblScore"), w.e().params.ParamRead(param::kScore, 6));
    EXPECT_EQ(w.Label("lblScore"), "208");
    EXPECT_EQ(w.Label("lblTempo"), "1:02:03");
    w.f.now += 600;
    w.f.window->Timer1Timer();
    EXPECT_EQ(w.Label("lblTempo"), "1:02:03") << "the clock stopped with the win";
    ASSERT_EQ(w.f.host.summaries.size(), 1u) << "a summary follows the win";
    const GameSummary& summary = w.f.host.summaries.front();
    EXPECT_TRUE(summary.won);
    EXPECT_EQ(summary.game_name, "Freecell");
    EXPECT_EQ(summary.time, "1:02:03");
    EXPECT_EQ(summary.score, "208");
    EXPECT_EQ(summary.moves, static_cast<int>(line.moves.size()));
    EXPECT_EQ(w.f.selection.shown, 1) << "the summary's other game opens the game selection";
    FindTheWinInTheStatistics(w.f, static_cast<int>(line.moves.size()));

    // Autoplay, switched on now, is what the closing window stores.
    QAction* autoplay = w.f.Find<QAction>("mnuAutoPlay");
    ASSERT_TRUE(autoplay->isEnabled());
    autoplay->trigger();
    w.f.window->close();
    const std::string settings = w.f.Settings();
    for (const char* written : {"MainWindowState_Maximized=N", "MainWindowState_Width=1280",
                                "MainWindowState_Height=800", "AutoPlay=Y", "Random_Game_Type=2"})
        EXPECT_NE(settings.find(written), std::string::npos) << written << "\n" << settings;
    EXPECT_EQ(settings.find("AutoPlay=N"), std::string::npos) << settings;
}

// Presses on the stock turn its cards to the waste. The empty stock shows
// the redeal mark while the game allows another pass: a press there arms
// the redeal and its release gathers the waste back in the old order (and
// turns its first card again). Once the passes are used up the stock shows
// another mark and a press does nothing. Klondike allows any number of
// passes, Pyramid two gatherings.
TEST(WindowPlay, TheStockIsTurnedThroughItsPassesWithTheMouse) {
    struct Case {
        int game;
        const char* name;
        int gatherings;  // -1: any number
        int passes;      // tried here
    };
    for (const Case c : {Case{2, "Klondike", -1, 3}, Case{6, "Pyramid", 2, 3}}) {
        SCOPED_TRACE(c.name);
        PlayedWindow w(StoredGame(c.game, c.name));
        ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
        w.f.window->StartGameProcedure("1");
        const std::string dealt_stock = w.Pile("Mazzo");
        ASSERT_EQ(PileCount(dealt_stock), 24);
        const QRect stock_area = ToQRect(pointer_test::TopCardRectOf(w.e(), "Mazzo"));
        const QPoint stock = stock_area.center();
        QImage redeal_mark;

        for (int pass = 1; pass <= c.passes; ++pass) {
            SCOPED_TRACE("pass " + std::to_string(pass));
            while (!w.Pile("Mazzo").empty()) {
                const int top = PileTop(w.Pile("Mazzo"));
                const size_t waste = w.Pile("Mazzo_Vis").size();
                w.Click(stock);
                ASSERT_EQ(PileTop(w.Pile("Mazzo_Vis")), top);
                ASSERT_EQ(w.Pile("Mazzo_Vis").size(), waste + 3);
            }
            EXPECT_TRUE(w.ShowsBackBuffer());
            const QImage empty_stock = w.Shown().copy(stock_area);
            EXPECT_TRUE(empty_stock != w.Background(stock_area)) << "the empty stock shows a mark";
            const bool allowed = c.gatherings < 0 || pass <= c.gatherings;
            if (pass == 1) redeal_mark = empty_stock;
            EXPECT_EQ(empty_stock == redeal_mark, allowed)
                << "the redeal mark while a pass is left";

            const std::string waste = w.Pile("Mazzo_Vis");
            w.Press(stock);
            EXPECT_EQ(w.e().play.redeal_armed, allowed);
            w.Release(stock);
            EXPECT_FALSE(w.e().play.redeal_armed);
            if (allowed) {
                EXPECT_EQ(w.Pile("Mazzo") + w.Pile("Mazzo_Vis"), dealt_stock);
                EXPECT_EQ(PileCount(w.Pile("Mazzo_Vis")), 1);
            } else {
                EXPECT_TRUE(w.Pile("Mazzo").empty());
                EXPECT_EQ(w.Pile("Mazzo_Vis"), waste);
                EXPECT_TRUE(w.Shown().copy(stock_area) == empty_stock);
            }
            EXPECT_TRUE(w.ShowsBackBuffer());
        }
    }
}

// Free cards of the pyramid adding up to 13 leave it for the discard pile
// after two clicks (a King after one); the first click marks its card.
TEST(WindowPlay, APyramidPairIsRemovedWithTwoClicks) {
    PlayedWindow w(StoredGame(6, "Pyramid"));
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.window->StartGameProcedure("1");
    // The bottom row is free: a King there, or else a pair of it.
    std::vector<int> row;
    for (size_t at = 0; at < w.Pile("Fila7").size(); at += 3)
        row.push_back(PileCodeAt(w.Pile("Fila7"), static_cast<int>(at / 3)));
    std::vector<int> pick;
    for (size_t i = 0; i < row.size() && pick.empty(); ++i) {
        if (Rank(row[i]) == 13) pick = {row[i]};
        for (size_t j = i + 1; j < row.size() && pick.empty(); ++j)
            if (Rank(row[i]) + Rank(row[j]) == 13) pick = {row[i], row[j]};
    }
    ASSERT_FALSE(pick.empty()) << w.Pile("Fila7");

    std::vector<QRect> places;
    for (int card : pick) places.push_back(ToQRect(w.CardPlace(card)));
    const QImage before = w.Shown();
    w.Click(w.Grip(pick[0]));
    if (pick.size() == 2) {
        EXPECT_TRUE(w.Shown().copy(places[0]) != before.copy(places[0]))
            << "the selected card is marked";
        w.Click(w.Grip(pick[1]));
    }

    for (int card : pick) EXPECT_LT(PileIndexOf(w.Pile("Fila7"), card), 0) << card;
    EXPECT_EQ(PileCount(w.Pile("Fila7")), 7) << "empty slots keep the places of the others";
    const std::string discard = w.Pile("Mazzo_Waste");
    ASSERT_EQ(PileCount(discard), static_cast<int>(pick.size()));
    for (int card : pick) EXPECT_GE(PileIndexOf(discard, card), 0) << card;
    for (const QRect& place : places)
        EXPECT_TRUE(w.Shown().copy(place) != before.copy(place))
            << "the card is gone from the screen";
    EXPECT_TRUE(w.ShowsBackBuffer());
}

// Canfield turns three cards a press: they fan out on the waste, the top
// one rightmost, and that is where the pointer takes it. The status bar
// counts the stock and the moves, below every pile.
TEST(WindowPlay, CanfieldsWasteFansTheThreeCardsTurnedAndTheStatusBarCounts) {
    PlayedWindow w(StoredGame(3, "Canfield"));
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.window->StartGameProcedure("1");
    EXPECT_EQ(w.Label("lblStatus"), "Stock: 34      Moves: 0");
    const QWidget* bar = w.f.Find<QWidget>("pnlStatusBar");
    ASSERT_TRUE(bar && bar->isVisible());
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve})
        for (int i = 0; i < ListSize(list); ++i)
            EXPECT_LT(PileExtent(w.e(), {list, i}).bottom(), bar->geometry().top()) << PileName({list, i});

    w.Click(ToQRect(pointer_test::TopCardRectOf(w.e(), "Mazzo")).center());
    ASSERT_EQ(PileCount(w.Pile("Mazzo_Vis")), 3);
    EXPECT_EQ(w.Label("lblStatus"), "Stock: 31      Moves: 1");
    const int top = PileTop(w.Pile("Mazzo_Vis"));
    const Rect anchor = CardRect(w.e(), PileCodeAt(w.Pile("Mazzo_Vis"), 0));
    const Rect shown = CardRect(w.e(), top);
    EXPECT_GT(shown.left, anchor.left + w.e().geometry.card.width / 4) << "the top card lies right of the others";
    EXPECT_TRUE(w.ShowsBackBuffer());

    w.Press(w.Grip(top));
    w.MoveTo(w.Grip(top) + QPoint(0, 40));
    EXPECT_EQ(w.Carried().cards, 1) << "the top card is taken where it shows";
    w.Release(w.Grip(top) + QPoint(0, 40));
    EXPECT_EQ(PileTop(w.Pile("Mazzo_Vis")), top) << "no pile there: it goes home";
    EXPECT_TRUE(w.ShowsBackBuffer());
}

// Two Elevens cards adding up to 11 leave, and the stock fills both gaps
// at once, on screen too.
TEST(WindowPlay, ElevensGapsFillAsTheCardsLeave) {
    PlayedWindow w(StoredGame(9, "Elevens"));
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.window->StartGameProcedure("1");
    std::vector<int> pair;
    for (int i = 1; i <= 9 && pair.empty(); ++i)
        for (int j = i + 1; j <= 9 && pair.empty(); ++j) {
            const int a = PileTop(w.Pile("Fila" + std::to_string(i)));
            const int b = PileTop(w.Pile("Fila" + std::to_string(j)));
            if (Rank(a) + Rank(b) == 11) pair = {a, b};
        }
    ASSERT_EQ(pair.size(), 2u);
    const int stock = PileCount(w.Pile("Mazzo"));
    for (int card : pair) w.Click(w.Grip(card));
    EXPECT_EQ(PileCount(w.Pile("Mazzo_Waste")), 2);
    EXPECT_EQ(PileCount(w.Pile("Mazzo")), stock - 2);
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(PileCount(w.Pile("Fila" + std::to_string(i))), 1) << i;
    EXPECT_TRUE(w.ShowsBackBuffer());
    EXPECT_EQ(w.Label("lblStatus"), "Stock: " + std::to_string(stock - 2) + "      Moves: 1");
}

// Without the status bar the table reaches the window's bottom edge: no
// strip of another colour lies under it, and its last rows are the bare
// table.
TEST(WindowPlay, TheTableReachesTheWindowsBottomEdge) {
    PlayedWindow w(StoredGame(1, "Freecell") + "StatusBar=N\n");
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.window->StartGameProcedure("1");
    const QWidget* window = w.f.window.get();
    EXPECT_EQ(w.Table().mapTo(window, QPoint(0, w.Table().height())).y(), window->height());
    EXPECT_EQ(w.Table().width(), window->width());
    const QRect last(0, w.Table().height() - 3, w.Table().width(), 3);
    EXPECT_TRUE(w.Painted().copy(last) == w.Background(last));
}

}  // namespace
}  // namespace velmora::window_test
