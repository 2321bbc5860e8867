// The Statistics menu of the window over results kept in its folder: each
// command opens its window with the current player's figures, a damaged
// results file opens them empty, Reset clears what it names after a yes,
// and a game chosen in the log is dealt again.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <fstream>

#include "main_window_fixture.h"
#include "storage/player_results_file.h"
#include "storage/result_recorder.h"
#include "ui/dialogs/statistics_log_form.h"

namespace velmora {
namespace {

using window_test::WindowFixture;

class Told : public Messages {
  public:
    void ShowInfo(std::string_view text) override { told.emplace_back(text); }
    std::vector<std::string> told;
};

GameRecord Ended(int game, GameResult result, const std::string& deal = "0000000000315") {
    GameRecord r;
    r.game = game;
    r.deal_number = deal;
    r.result = result;
    r.score = 52;
    r.seconds = 125;
    r.moves = 80;
    r.when = {2025, 1, 2, 3, 4, 5};
    return r;
}

void Keep(WindowFixture& f, const std::vector<GameRecord>& records) {
    Told quiet;
    ResultRecorder recorder(f.e().params, quiet);
    for (const GameRecord& r : records) recorder.Record(r);
}

QString Figure(const QDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(name)->text();
}

// Runs the command and returns what `look` read in the window it opened.
QString Opened(WindowFixture& f, const char* command, const char* figure) {
    QString seen = QStringLiteral("(no window)");
    f.host.on_dialog = [&](QDialog& dialog) {
        seen = dialog.objectName() + " " + Figure(dialog, figure);
    };
    f.Find<QAction>(command)->trigger();
    return seen;
}

TEST(StatisticsWindow, TheCommandsOpenTheirWindowsWithTheCurrentPlayersFigures) {
    WindowFixture f;
    f.Show();
    Keep(f, {Ended(1, GameResult::kWon), Ended(1, GameResult::kLost), Ended(2, GameResult::kWon)});
    EXPECT_EQ(Opened(f, "mnuGameStatistics", "lblPlayed"), QStringLiteral("frmGameStatistics 2"));
    EXPECT_EQ(Opened(f, "mnuOverallScore", "lblPlayed"), QStringLiteral("frmOverallScore 3"));
    QString seen;
    f.host.on_dialog = [&](QDialog& d) { seen = d.objectName(); };
    f.Find<QToolButton>("tbStat1")->click();
    EXPECT_EQ(seen, QStringLiteral("frmGameStatistics")) << "the toolbar button";
    int rows = -1;
    f.host.on_dialog = [&](QDialog& d) { rows = d.findChild<QTableWidget*>()->rowCount(); };
    f.Find<QAction>("mnuAllGamesStatistics")->trigger();
    EXPECT_EQ(rows, 2);
    f.Find<QAction>("mnuPlayersStatistics")->trigger();
    EXPECT_EQ(rows, 1);
    f.Find<QAction>("mnuHiScores")->trigger();
    EXPECT_EQ(rows, 1) << "the current game's one win";
}

TEST(StatisticsWindow, ADamagedResultsFileOpensTheWindowsEmpty) {
    WindowFixture f;
    f.Show();
    Keep(f, {Ended(1, GameResult::kWon)});
    std::ofstream(PlayerResultsPath(f.e().params, 0), std::ios::binary | std::ios::trunc)
        << "\x01\x02garbage";
    Told messages;
    f.e().messages = &messages;
    EXPECT_EQ(Opened(f, "mnuGameStatistics", "lblPlayed"), QStringLiteral("frmGameStatistics 0"));
    ASSERT_EQ(messages.told.size(), 1u);
    EXPECT_NE(messages.told[0].find("Stat_e00.dat cannot be read"), std::string::npos)
        << messages.told[0];
    EXPECT_EQ(Opened(f, "mnuOverallScore", "lblWinRate"), QStringLiteral("frmOverallScore -"));
    int rows = -1;
    f.host.on_dialog = [&](QDialog& d) { rows = d.findChild<QTableWidget*>()->rowCount(); };
    f.Find<QAction>("mnuLogStatistics")->trigger();
    EXPECT_EQ(rows, 0);
}

TEST(StatisticsWindow, ResetAsksThenClearsOnlyTheCurrentGame) {
    WindowFixture f;
    f.Show();
    Keep(f, {Ended(1, GameResult::kWon), Ended(2, GameResult::kLost)});
    f.host.answer = false;
    f.host.on_dialog = [](QDialog& d) { d.findChild<QPushButton*>("btnReset")->click(); };
    f.Find<QAction>("mnuGameStatistics")->trigger();
    ASSERT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(ReadCurrentPlayerResults(f.e().params).records.size(), 2u) << "a no keeps everything";
    f.host.answer = true;
    f.Find<QAction>("mnuGameStatistics")->trigger();
    const std::vector<GameRecord> left = ReadCurrentPlayerResults(f.e().params).records;
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].game, 2);
}

TEST(StatisticsWindow, AGameChosenInTheLogIsDealtAgain) {
    WindowFixture f;
    f.Show();
    f.window->StartGameProcedure("77");
    Keep(f, {Ended(2, GameResult::kLost, "0000000004711"), Ended(1, GameResult::kWon)});
    f.host.on_dialog = [](QDialog& d) {
        auto& log = dynamic_cast<TfrmGameLog&>(d);
        log.tblGames->sortByColumn(1, Qt::DescendingOrder);  // Klondike above Freecell
        emit log.tblGames->cellDoubleClicked(0, 2);
    };
    f.Find<QAction>("mnuLogStatistics")->trigger();
    f.Settle();
    EXPECT_EQ(f.window->windowTitle().toStdString(), "Velmora [Klondike]  [0000000004711]");
}

}  // namespace
}  // namespace velmora
