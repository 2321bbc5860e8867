#include "ui/dialogs/statistics_overall_form.h"

#include <QLabel>

#include <cstdint>
#include <set>

#include "engine/results/result_queries.h"
#include "ui/dialogs/statistics_text.h"

namespace velmora {

namespace {

struct Totals {
    int games = 0;  // different games played
    int64_t score = 0;
    int64_t seconds = 0;
};

Totals TotalsOf(const std::vector<GameRecord>& records) {
    Totals totals;
    std::set<int> games;
    for (const GameRecord& r : records) {
        games.insert(r.game);
        totals.score += r.score;
        totals.seconds += r.seconds;
    }
    totals.games = static_cast<int>(games.size());
    return totals;
}

}  // namespace

TfrmOverallScore::TfrmOverallScore(const QString& player, const std::vector<GameRecord>& records,
                                   QWidget* owner)
    : TfrmStatisticsFigures("frmOverallScore", QStringLiteral("Overall score"), player, owner) {
    const ResultSummary summary = Summarize(records);
    const Totals totals = TotalsOf(records);
    Figure(QStringLiteral("Different games played:"), "lblGames")
        ->setText(QString::number(totals.games));
    Figure(QStringLiteral("Games played:"), "lblPlayed")->setText(QString::number(summary.played));
    Figure(QStringLiteral("Won:"), "lblWon")->setText(QString::number(summary.won));
    Figure(QStringLiteral("Lost:"), "lblLost")->setText(QString::number(summary.lost));
    Figure(QStringLiteral("Win rate:"), "lblWinRate")->setText(WinRateText(summary));
    Figure(QStringLiteral("Total score:"), "lblTotalScore")->setText(QString::number(totals.score));
    Figure(QStringLiteral("Average score:"), "lblAverageScore")
        ->setText(NumberText(summary.average_score));
    Figure(QStringLiteral("Time played:"), "lblTimePlayed")->setText(DurationText(totals.seconds));
    Figure(QStringLiteral("Longest winning streak:"), "lblWinningStreak")
        ->setText(QString::number(summary.longest_winning_streak));
}

}  // namespace velmora
