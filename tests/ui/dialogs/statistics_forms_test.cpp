// The statistics windows over prepared results: the figures each shows
// (nothing played, a win, streaks), numbers sorted as numbers, Reset only
// after a yes and only when the clearing worked, and the log's chosen game
// whatever the order its lines are sorted in.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "qt_test_app.h"
#include "ui/dialogs/statistics_game_form.h"
#include "ui/dialogs/statistics_hiscores_form.h"
#include "ui/dialogs/statistics_list_form.h"
#include "ui/dialogs/statistics_log_form.h"
#include "ui/dialogs/statistics_overall_form.h"
#include "ui/dialogs/statistics_text.h"

namespace velmora {
namespace {

GameRecord Ended(GameResult result, int seconds, int score = 0, int game = 1, int day = 1) {
    GameRecord r;
    r.game = game;
    r.deal_number = std::to_string(100 + day);
    r.result = result;
    r.score = score;
    r.seconds = seconds;
    r.moves = 50;
    r.when = {2025, 3, day, 9, 30, 0};
    return r;
}

std::string Names(int game) {
    return game == 1 ? "Freecell" : game == 2 ? "Klondike" : "Yukon";
}

QString Figure(const QWidget& form, const char* name) {
    const auto* label = form.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("(missing)");
}

QStringList Column(const QTableWidget& table, int column) {
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row) texts << table.item(row, column)->text();
    return texts;
}

class StatisticsForms : public ::testing::Test {
  protected:
    void SetUp() override { test::EnsureApplication(); }
};

TEST_F(StatisticsForms, FiguresAreWrittenAsAPlayerReadsThem) {
    EXPECT_EQ(DurationText(59), QStringLiteral("0:59"));
    EXPECT_EQ(DurationText(3600 + 62), QStringLiteral("1:01:02"));
    EXPECT_EQ(DurationText(int64_t{30} * 3600), QStringLiteral("30:00:00"));
    EXPECT_EQ(DurationText(std::optional<int>()), QStringLiteral("-"));
    EXPECT_EQ(StreakText(3), QStringLiteral("3 wins"));
    EXPECT_EQ(StreakText(-1), QStringLiteral("1 game not won"));
    EXPECT_EQ(StreakText(0), QStringLiteral("-"));
}

TEST_F(StatisticsForms, GameStatisticsShowNothingPlayedAsDashesAndStreaksAsTheyRun) {
    TfrmGameStatistics none(QStringLiteral("Freecell"), QStringLiteral("Ann"), Summarize({}),
                            nullptr, nullptr);
    EXPECT_EQ(Figure(none, "lblPlayed"), QStringLiteral("0"));
    for (const char* dash :
         {"lblWinRate", "lblStreak", "lblBestTime", "lblAverageTime", "lblBestScore"})
        EXPECT_EQ(Figure(none, dash), QStringLiteral("-")) << dash;
    EXPECT_FALSE(none.btnReset->isEnabled());

    const std::vector<GameRecord> records = {
        Ended(GameResult::kWon, 200, 40), Ended(GameResult::kLost, 10, 5),
        Ended(GameResult::kQuit, 20, 0), Ended(GameResult::kWon, 3700, 90),
        Ended(GameResult::kWon, 400, 60)};
    TfrmGameStatistics form(
        QStringLiteral("Freecell"), QStringLiteral("Ann"), Summarize(records), [] { return true; },
        [](const QString&) { return true; });
    EXPECT_EQ(form.lblHeading->text(), QStringLiteral("Freecell - Ann"));
    EXPECT_EQ(Figure(form, "lblPlayed"), QStringLiteral("5"));
    EXPECT_EQ(Figure(form, "lblWon"), QStringLiteral("3"));
    EXPECT_EQ(Figure(form, "lblLost"), QStringLiteral("2"));
    EXPECT_EQ(Figure(form, "lblWinRate"), QStringLiteral("60%"));
    EXPECT_EQ(Figure(form, "lblStreak"), QStringLiteral("2 wins"));
    EXPECT_EQ(Figure(form, "lblWinningStreak"), QStringLiteral("2"));
    EXPECT_EQ(Figure(form, "lblLosingStreak"), QStringLiteral("2"));
    EXPECT_EQ(Figure(form, "lblBestTime"), QStringLiteral("3:20"))
        << "the quick loss is no best time";
    EXPECT_EQ(Figure(form, "lblAverageTime"), QStringLiteral("23:53"));
    EXPECT_EQ(Figure(form, "lblBestScore"), QStringLiteral("90"));
    EXPECT_EQ(Figure(form, "lblAverageScore"), QStringLiteral("39"));
}

TEST_F(StatisticsForms, ResetClearsOnlyAfterAYesAndOnlyWhenTheResultsWent) {
    const ResultSummary summary = Summarize({Ended(GameResult::kWon, 60)});
    bool answer = false;
    bool cleared = false;
    int resets = 0;
    QString asked;
    TfrmGameStatistics form(
        QStringLiteral("Freecell"), QStringLiteral("Ann"), summary,
        [&] {
            ++resets;
            return cleared;
        },
        [&](const QString& question) {
            asked = question;
            return answer;
        });
    form.btnReset->click();
    EXPECT_TRUE(asked.contains(QStringLiteral("Freecell")) && asked.contains(QStringLiteral("Ann")))
        << asked.toStdString();
    EXPECT_EQ(resets, 0) << "a no clears nothing";
    answer = true;
    form.btnReset->click();
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(Figure(form, "lblPlayed"), QStringLiteral("1"))
        << "a clearing that failed shows the results still there";
    cleared = true;
    form.btnReset->click();
    EXPECT_EQ(Figure(form, "lblPlayed"), QStringLiteral("0"));
    EXPECT_FALSE(form.btnReset->isEnabled());
}

TEST_F(StatisticsForms, ListsSortNumbersByValueAndDashesBelowEveryValue) {
    std::vector<TfrmStatisticsList::Line> lines;
    const std::vector<std::pair<const char*, std::vector<GameRecord>>> players = {
        {"Ann", std::vector<GameRecord>(9, Ended(GameResult::kWon, 700))},
        {"Bob", std::vector<GameRecord>(10, Ended(GameResult::kWon, 65))},
        {"Cy", std::vector<GameRecord>(2, Ended(GameResult::kLost, 5))}};
    for (const auto& [name, records] : players)
        lines.push_back({QString::fromLatin1(name), Summarize(records)});
    TfrmStatisticsList list("frmPlayersStatistics", QStringLiteral("Players"),
                            QStringLiteral("Player"), lines);
    QTableWidget& table = *list.tblStatistics;
    EXPECT_EQ(Column(table, 0), (QStringList{"Ann", "Bob", "Cy"}));
    table.sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(Column(table, 1), (QStringList{"2", "9", "10"})) << "as text 10 would come before 2";
    table.sortByColumn(5, Qt::AscendingOrder);
    EXPECT_EQ(Column(table, 5), (QStringList{"-", "1:05", "11:40"}));
    EXPECT_EQ(table.item(0, 4)->textAlignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_TRUE(list.lblNone->isHidden());

    // Reset clears the selected player, wherever sorting has put them.
    QString cleared;
    list.OfferReset(
        [&](const QString& name) {
            cleared = name;
            return true;
        },
        [](const QString&) { return true; });
    table.sortByColumn(0, Qt::DescendingOrder);
    table.selectRow(1);
    list.btnResetClick();
    EXPECT_EQ(cleared, QStringLiteral("Bob"));
    table.sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(Column(table, 1), (QStringList{"9", "0", "2"}));
}

TEST_F(StatisticsForms, TheLogIsNewestFirstAndADoubleClickChoosesThatGame) {
    std::vector<GameRecord> newest_first;
    for (int day = 12; day >= 1; --day)
        newest_first.push_back(Ended(GameResult::kLost, day * 10, day, 1 + day % 3, day));
    TfrmGameLog log(QStringLiteral("Ann"), newest_first, Names);
    QTableWidget& table = *log.tblGames;
    ASSERT_EQ(table.rowCount(), 12);
    EXPECT_EQ(table.item(0, 0)->text(), QStringLiteral("2025-03-12 09:30"));
    EXPECT_EQ(table.item(0, 1)->text(), QStringLiteral("Freecell"));
    EXPECT_EQ(table.item(0, 3)->text(), QStringLiteral("Lost"));
    table.sortByColumn(4, Qt::AscendingOrder);
    EXPECT_EQ(table.item(0, 4)->text(), QStringLiteral("1"));
    emit table.cellDoubleClicked(2, 0);
    ASSERT_TRUE(log.Chosen());
    EXPECT_EQ(log.Chosen()->deal_number, "103");
    EXPECT_EQ(log.Chosen()->game, 1);
    EXPECT_EQ(log.result(), QDialog::Accepted);

    TfrmGameLog empty(QStringLiteral("Ann"), {}, Names);
    EXPECT_FALSE(empty.lblNone->isHidden());
    empty.PlayRow(0);
    EXPECT_FALSE(empty.Chosen());
}

TEST_F(StatisticsForms, HiScoresShowTheTopTenOfTheChosenGame) {
    std::vector<ScoreEntry> entries;
    for (int i = 0; i < 12; ++i)
        entries.push_back({Ended(GameResult::kWon, 100 + i, i * 10, 1), "Ann"});
    entries.push_back({Ended(GameResult::kWon, 100, 5000, 3), "Bob"});
    TfrmHiScores scores(entries, Names, 2);
    EXPECT_EQ(scores.cboGames->currentText(), QStringLiteral("Klondike"))
        << "the current game, though it has none";
    EXPECT_EQ(scores.tblScores->rowCount(), 0);
    EXPECT_FALSE(scores.lblNone->isHidden());
    scores.cboGames->setCurrentIndex(scores.cboGames->findText(QStringLiteral("Freecell")));
    ASSERT_EQ(scores.tblScores->rowCount(), 10);
    EXPECT_EQ(scores.tblScores->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(scores.tblScores->item(0, 2)->text(), QStringLiteral("110"));
    EXPECT_EQ(scores.tblScores->item(9, 2)->text(), QStringLiteral("20"));
    EXPECT_EQ(scores.cboGames->count(), 3);
}

TEST_F(StatisticsForms, OverallScoreAddsUpEveryGame) {
    TfrmOverallScore overall(QStringLiteral("Ann"), {Ended(GameResult::kWon, 3000, 100, 1),
                                                     Ended(GameResult::kLost, 1000, -30, 2),
                                                     Ended(GameResult::kWon, 600, 20, 1)});
    EXPECT_EQ(Figure(overall, "lblGames"), QStringLiteral("2"));
    EXPECT_EQ(Figure(overall, "lblPlayed"), QStringLiteral("3"));
    EXPECT_EQ(Figure(overall, "lblWinRate"), QStringLiteral("67%"));
    EXPECT_EQ(Figure(overall, "lblTotalScore"), QStringLiteral("90"));
    EXPECT_EQ(Figure(overall, "lblTimePlayed"), QStringLiteral("1:16:40"));
}

}  // namespace
}  // namespace velmora
