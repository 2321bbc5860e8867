// Every window of the program used from the keyboard alone: no two controls
// answer to the same Alt letter, every control has its letter, Return has a
// default button where the window offers OK, Close or Play, Tab goes round
// all the controls in the order they are laid out (and Shift+Tab the other
// way), and Escape closes the window.
#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <QTextBrowser>

#include "engine/results/result_queries.h"
#include "keyboard_checks.h"
#include "open_game_fixture.h"
#include "storage/settings_view.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/advice_box.h"
#include "ui/dialogs/card_counter_window.h"
#include "ui/dialogs/custom_rules_form.h"
#include "ui/dialogs/customize_form.h"
#include "ui/dialogs/deal_number_box.h"
#include "ui/dialogs/favorites_form.h"
#include "ui/dialogs/game_info_box.h"
#include "ui/dialogs/game_over_box.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/players_form.h"
#include "ui/dialogs/statistics_game_form.h"
#include "ui/dialogs/statistics_hiscores_form.h"
#include "ui/dialogs/statistics_list_form.h"
#include "ui/dialogs/statistics_log_form.h"
#include "ui/dialogs/statistics_overall_form.h"
#include "ui/dialogs/tips_box.h"

namespace velmora::open_game_test {
namespace {

using namespace keyboard_test;

GameRecord Won(int game, int day) {
    GameRecord r;
    r.game = game;
    r.deal_number = std::to_string(100 + day);
    r.result = GameResult::kWon;
    r.score = 40 + day;
    r.seconds = 300 + day;
    r.moves = 90;
    r.when = {2025, 3, day, 9, 30, 0};
    return r;
}

std::string Name(int game) { return game == 1 ? "Freecell" : "Klondike"; }

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    // The object names Tab visits first, in this order, where the order is
    // not simply the order the controls were made in.
    QStringList tab_order;
};

class KeyboardDialogs : public OpenGameFixture {
  protected:
    void SetUp() override {
        OpenGameFixture::SetUp();
        Create("Game=2\n[Users]\nUser001=Ann\nUser002=Bea\n");
        engine_ = EngineInit(program_folder);
        QuietSettingsView view;
        LoadPreferences(*engine_, view);
    }

    std::vector<WindowCase> Cases() {
        const std::vector<GameRecord> records = {Won(2, 1), Won(1, 2), Won(2, 3)};
        const std::vector<ScoreEntry> scores = {{Won(2, 1), "Ann"}, {Won(2, 3), "Bea"}};
        ParamRecord& params = engine_->params;
        return {
            {"game selection",
             [this] {
                 Create();
                 return std::unique_ptr<QWidget>(std::move(dialog));
             },
             {"trvGames", "cboPlayers", "chkPreview", "btnRules", "btnOK", "btnOpen", "btnCancel"}},
            {"customize",
             [this, &params] {
                 return std::make_unique<TfrmCustomize_Freeware>(params, OpenSettingsFile(params), library,
                                                                 nullptr, nullptr);
             },
             {}},
            {"custom rules",
             [this] { return std::make_unique<TfrmCustomRules>(GameState(), Games(), 2, nullptr); },
             {}},
            {"players",
             [&params] { return std::make_unique<TfrmPlayers>(params, OpenSettingsFile(params), TfrmPlayers::Hooks{}); },
             {"lstPlayers", "btnAdd", "btnRename", "btnDelete", "btnOK", "btnCancel"}},
            {"favorites",
             [this, &params] {
                 return std::make_unique<TfrmFavorites>(open_game::BuildGameList(GameState().Catalogue()),
                                                        OpenSettingsFile(params));
             },
             {"edtFind", "lstGames", "btnOK", "btnCancel"}},
            {"game statistics",
             [records] {
                 return std::make_unique<TfrmGameStatistics>("Klondike", "Ann", Summarize(records),
                                                             [] { return true; }, nullptr);
             },
             {"btnReset", "btnClose"}},
            {"overall score", [records] { return std::make_unique<TfrmOverallScore>("Ann", records); }, {}},
            {"hi-scores", [scores] { return std::make_unique<TfrmHiScores>(scores, Name, 2); },
             {"cboGames", "tblScores", "btnClose"}},
            {"players statistics",
             [records] {
                 auto list = std::make_unique<TfrmStatisticsList>(
                     "frmPlayersStatistics", "Players", "Player",
                     std::vector<TfrmStatisticsList::Line>{{"Ann", Summarize(records)}});
                 list->OfferReset([](const QString&) { return true; }, nullptr);
                 list->tblStatistics->selectRow(0);
                 return list;
             },
             {"tblStatistics", "btnReset", "btnClose"}},
            {"log of games",
             [records] {
                 auto log = std::make_unique<TfrmGameLog>("Ann", records, Name);
                 log->tblGames->selectRow(0);
                 return log;
             },
             {"tblGames", "btnPlay", "btnClose"}},
            {"game number", [] { return std::make_unique<TfrmDealNumber>("1234"); }, {}},
            {"game information",
             [this] {
                 return std::make_unique<GameInfoBox>(GameState(), Games(), library, 2, "Klondike",
                                                      GameResultsText{"Ann", "3", "2", "67", "5:00", "45"});
             },
             {}},
            {"game over", [] { return std::make_unique<TfrmGameOver>(GameSummary{true, "Klondike", "0:05:00", "45", 90}); },
             {"btnNewGame", "btnSameDeal", "btnOtherGame", "btnClose"}},
            {"tips", [this] { return std::make_unique<TipsBox>(OpenSettingsFile(engine_->params), 0); },
             {"chkStartUp", "btnPrevious", "btnNext", "btnClose"}},
            {"about", [this] { return std::make_unique<TfrmAbout>(&library, "1.0"); }, {}},
            {"advice", [] { return std::make_unique<TfrmMsgAdvice>(); }, {}},
            {"help", [] { return std::make_unique<TfrmHelp>(HelpStyle::Proc); },
             {"btnContents", "lstTopics", "txtTopic"}},
            {"rules", [] { return std::make_unique<TfrmHelp>(HelpStyle::Rules); }, {}},
            {"card counter", [] { return std::make_unique<CardCounterWindow>(); }, {}},
        };
    }

  private:
    std::unique_ptr<Engine> engine_;
};

TEST_F(KeyboardDialogs, EveryControlHasItsOwnLetterOnEveryPage) {
    for (const WindowCase& c : Cases()) {
        const std::unique_ptr<QWidget> window = c.make();
        ForEachPage(*window, [&](const QString& page) {
            const std::string where = std::string(c.name) + " " + page.toStdString();
            EXPECT_EQ(MnemonicClashes(*window).join("; ").toStdString(), "") << where;
            EXPECT_EQ(MissingMnemonics(*window).join("; ").toStdString(), "") << where;
        });
        if (OffersDefaultCommand(*window)) {
            EXPECT_NE(DefaultButton(*window), nullptr) << c.name << ": nothing for Return to press";
        }
    }
}

TEST_F(KeyboardDialogs, TabGoesRoundEveryControlBothWays) {
    for (const WindowCase& c : Cases()) {
        const std::unique_ptr<QWidget> window = c.make();
        ASSERT_TRUE(ShowActive(*window)) << c.name;
        if (!TabStops(*window).empty()) ForEachPage(*window, [&](const QString& page) {
            const std::string where = std::string(c.name) + " " + page.toStdString();
            const std::vector<QWidget*> stops = TabStops(*window);
            const TabWalkResult forward = WalkTabs(true, 3 * static_cast<int>(stops.size()) + 10);
            EXPECT_TRUE(forward.came_back) << where << ": stuck after " << Names(forward.visited).join(" > ").toStdString();
            for (QWidget* stop : stops) {
                EXPECT_NE(std::find(forward.visited.begin(), forward.visited.end(), stop), forward.visited.end())
                    << where << ": Tab never reaches " << Describe(stop).toStdString();
            }
            TabWalkResult back = WalkTabs(false, 3 * static_cast<int>(stops.size()) + 10);
            EXPECT_TRUE(back.came_back) << where;
            std::reverse(back.visited.begin() + 1, back.visited.end());
            EXPECT_EQ(Names(back.visited).join(" > ").toStdString(), Names(forward.visited).join(" > ").toStdString())
                << where << ": Shift+Tab goes another way";
        });
        if (!c.tab_order.isEmpty()) {
            QWidget* first = window->findChild<QWidget*>(c.tab_order.front());
            ASSERT_NE(first, nullptr) << c.name;
            first->setFocus();
            QStringList visited;
            for (QWidget* stop : WalkTabs(true, 40).visited) visited << stop->objectName();
            EXPECT_EQ(visited.mid(0, c.tab_order.size()).join(" > ").toStdString(),
                      c.tab_order.join(" > ").toStdString())
                << c.name;
        }
        Press(Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << c.name << ": Escape leaves it open";
    }
}

}  // namespace
}  // namespace velmora::open_game_test
