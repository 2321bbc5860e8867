// Game information, the card counter, the tip of the day and the table's
// pop-up menu, as the window offers them.
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "engine/layout/card_positions.h"
#include "engine/model/pile_string.h"
#include "engine/play/unseen_cards.h"
#include "main_window_fixture.h"
#include "storage/result_recorder.h"
#include "ui/dialogs/card_counter_window.h"
#include "ui/dialogs/game_info_box.h"
#include "ui/dialogs/game_info_panel.h"
#include "ui/dialogs/tip_texts.h"

namespace velmora {
namespace {

using window_test::WindowFixture;

QAction* Command(WindowFixture& f, const char* name) { return f.Find<QAction>(name); }

QAction* PopupItem(WindowFixture& f, const QString& caption) {
    for (QAction* action : f.Find<QMenu>("popMain")->actions())
        if (action->text() == caption) return action;
    return nullptr;
}

// A right click on the table at `at`, as the platform reports it.
void RightClick(WindowFixture& f, QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, f.window->Table().mapToGlobal(at));
    QCoreApplication::sendEvent(&f.window->Table(), &event);
    f.Settle();
}

TEST(ExtraCommands, GameInformationDescribesTheGameWithThePlayersResults) {
    WindowFixture f("Game=2\n");
    f.Show();
    f.window->StartGameProcedure("77");
    ResultRecorder recorder(f.e().params, f.e().quiet_messages);
    for (const GameRecord& record : {GameRecord{2, "1", GameResult::kWon, 120, 95, 80, {}},
                                     GameRecord{2, "2", GameResult::kWon, 150, 300, 90, {}},
                                     GameRecord{2, "3", GameResult::kQuit, 400, 20, 5, {}},
                                     GameRecord{1, "4", GameResult::kWon, 999, 10, 52, {}}})
        ASSERT_TRUE(recorder.Record(record));
    ASSERT_TRUE(Command(f, "mnuGameInformation")->isVisible());
    Command(f, "mnuGameInformation")->trigger();
    f.Settle();
    auto* box = f.window->findChild<GameInfoBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pnlDescGame->lblGameName->text(), "Klondike");
    EXPECT_EQ(box->pnlDescGame->lblDecks->text(), "1");
    EXPECT_EQ(box->pnlDescGame->lblRedeal->text(), "Unlimited");
    EXPECT_FALSE(box->pnlDescGame->imgGame->pixmap().isNull());
    // Only this game's records: two won of three, the best time of a won
    // game, the best score of any.
    EXPECT_EQ(box->lblPlayed->text(), "3");
    EXPECT_EQ(box->lblWon->text(), "2");
    EXPECT_EQ(box->lblWinRate->text(), "67%");
    EXPECT_EQ(box->lblBestTime->text(), "0:01:35");
    EXPECT_EQ(box->lblBestScore->text(), "400");
    box->close();
    f.Settle();
    EXPECT_EQ(f.window->findChild<GameInfoBox*>(), nullptr) << "a closed box is gone";

    // A game never played shows no rates or bests.
    f.selection.choice = ChosenGame{5, "Forty Thieves", "", false};
    Command(f, "mnuOpen")->trigger();
    Command(f, "mnuGameInformation")->trigger();
    f.Settle();
    box = f.window->findChild<GameInfoBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->pnlDescGame->lblGameName->text(), "Forty Thieves");
    EXPECT_EQ(box->pnlDescGame->lblDecks->text(), "2");
    EXPECT_EQ(box->lblPlayed->text(), "0");
    EXPECT_EQ(box->lblWinRate->text(), "-");
    EXPECT_EQ(box->lblBestTime->text(), "-");
    EXPECT_EQ(box->lblBestScore->text(), "-");
    box->close();
}

TEST(ExtraCommands, CardCounterFollowsMovesUndoAndNewDeals) {
    WindowFixture f("Game=2\nAutoPlay=N\n");
    f.Show();
    f.window->StartGameProcedure("77");
    EXPECT_EQ(f.window->CardCounter(), nullptr);
    Command(f, "mnuCardCounter")->trigger();
    f.Settle();
    CardCounterWindow* counter = f.window->CardCounter();
    ASSERT_NE(counter, nullptr);
    EXPECT_TRUE(counter->isVisible());
    EXPECT_EQ(counter->lblTotal->text(), "45");

    // The stock turned over as the player's action shows cards.
    f.window->Table().run_guarded([&] {
        ASSERT_TRUE(PointerPress(f.e(), "Mazzo", PileTop(f.e().piles.stock_area[kStockIndex]), Button::Left,
                                 false).kind == PressResult::Handled);
    });
    f.Settle();
    const int after_turn = CountUnseenCards(f.e()).Total();
    EXPECT_LT(after_turn, 45);
    EXPECT_EQ(counter->lblTotal->text(), QString::number(after_turn));
    EXPECT_EQ(counter->Counts(), CountUnseenCards(f.e()));

    Command(f, "mnuUndo")->trigger();
    f.Settle();
    EXPECT_EQ(counter->lblTotal->text(), "45");
    Command(f, "mnuRedo")->trigger();
    f.Settle();
    EXPECT_EQ(counter->lblTotal->text(), QString::number(after_turn));

    // A new deal: the counter stays and counts it; so for another game.
    Command(f, "mnuNew")->trigger();
    f.Settle();
    EXPECT_TRUE(counter->isVisible());
    EXPECT_EQ(counter->lblTotal->text(), "45");
    f.selection.choice = ChosenGame{5, "Forty Thieves", "", false};
    Command(f, "mnuOpen")->trigger();
    f.Settle();
    EXPECT_EQ(counter->Counts(), CountUnseenCards(f.e()));
    EXPECT_EQ(counter->lblTotal->text(), "64");
    EXPECT_EQ(counter->Cell(13, 3)->text().toInt(), counter->Counts().At(13, 3));

    // Closed, it is opened again by the command, up to date.
    counter->close();
    f.window->Table().run_guarded([&] {
        PointerPress(f.e(), "Mazzo", PileTop(f.e().piles.stock_area[kStockIndex]), Button::Left, false);
    });
    Command(f, "mnuCardCounter")->trigger();
    f.Settle();
    EXPECT_TRUE(counter->isVisible());
    EXPECT_EQ(counter->Counts(), CountUnseenCards(f.e()));
}

TEST(ExtraCommands, TipsOpenAtStartAfterTheGameSelectionUnlessSwitchedOff) {
    {
        WindowFixture f;
        f.host.first_run = true;
        int tips_during_selection = -1;
        f.selection.during_choice = [&] { tips_during_selection = f.host.tips_shown; };
        f.Show();
        f.Settle();
        EXPECT_EQ(f.selection.shown, 1);
        EXPECT_EQ(tips_during_selection, 0) << "the tips wait for the game selection to close";
        EXPECT_EQ(f.host.tips_shown, 1);
        Command(f, "mnuTips")->trigger();
        EXPECT_EQ(f.host.tips_shown, 2);
    }
    for (const char* setting : {"Tips_StartUp=N\n", "tips_startup=N\n"}) {
        WindowFixture f(setting);
        f.Show();
        f.Settle();
        EXPECT_EQ(f.host.tips_shown, 0) << setting;
    }
    WindowFixture other("Tips_StartUp=no\n");  // only "N" switches them off
    other.Show();
    other.Settle();
    EXPECT_EQ(other.host.tips_shown, 1);
}

// Each shortcut a tip names is the shortcut of a command the window offers.
TEST(ExtraCommands, TipsNameOnlyTheWindowsShortcuts) {
    WindowFixture f;
    f.Show();
    QList<QKeySequence> offered;
    for (const QAction* action : f.window->findChildren<QAction*>())
        if (action->isVisible() && !action->shortcut().isEmpty()) offered << action->shortcut();
    const QRegularExpression shortcut(QStringLiteral("\\b((?:Shift\\+)?(?:Ctrl\\+)?(?:F\\d+|[A-Z]))\\b(?=[ ,.:;)])"));
    ASSERT_GE(DayTips().size(), 20u);
    int named = 0;
    for (std::string_view tip : DayTips()) {
        const QString text = QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size()));
        for (auto it = shortcut.globalMatch(text); it.hasNext();) {
            const QString key = it.next().captured(1);
            if (key.size() == 1) continue;  // a lone capital is a word, not a key
            ++named;
            EXPECT_TRUE(offered.contains(QKeySequence(key))) << key.toStdString() << " in: " << tip;
        }
    }
    EXPECT_GT(named, 10);
}

TEST(ExtraCommands, RightClickAwayFromThePilesOpensTheTablePopup) {
    WindowFixture f("Game=2\n");
    f.Show();
    f.window->StartGameProcedure("77");
    auto* popup = f.Find<QMenu>("popMain");
    ASSERT_NE(popup, nullptr);

    // On a card the right button belongs to the game.
    const Rect card = CardRect(f.e(), PileTop(f.e().piles.tableau[0]));
    RightClick(f, QPoint((card.left + card.right) / 2, (card.top + card.bottom) / 2));
    EXPECT_FALSE(popup->isVisible());

    const QPoint free_spot(f.window->Table().width() - 5, f.window->Table().height() - 5);
    ASSERT_TRUE(CardAt(f.e(), free_spot.x(), free_spot.y()).pile.empty());
    RightClick(f, free_spot);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(PopupItem(f, "Favorite games...")->isEnabled());
    EXPECT_TRUE(PopupItem(f, "Card counter")->isEnabled());
    popup->hide();

    // Its items run the window's commands.
    PopupItem(f, "Card counter")->trigger();
    f.Settle();
    ASSERT_NE(f.window->CardCounter(), nullptr);
    EXPECT_TRUE(f.window->CardCounter()->isVisible());
    PopupItem(f, "Pause")->trigger();
    EXPECT_TRUE(f.window->Paused());
    PopupItem(f, "Pause")->trigger();
    EXPECT_FALSE(f.window->Paused());
    PopupItem(f, "Quit game")->trigger();
    EXPECT_FALSE(f.e().flags.Get(flag::kInProgress));
}

}  // namespace
}  // namespace velmora
