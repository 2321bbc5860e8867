#include "ui/dialogs/statistics_game_form.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/statistics_text.h"

namespace velmora {

namespace {

QString Count(int n) {
    return QString::number(n);
}

struct FigureRow {
    const char* caption;
    const char* name;
    QString (*text)(const ResultSummary& summary);
};

constexpr FigureRow kFigures[] = {
    {"Games played:", "lblPlayed", [](const ResultSummary& s) { return Count(s.played); }},
    {"Won:", "lblWon", [](const ResultSummary& s) { return Count(s.won); }},
    {"Lost:", "lblLost", [](const ResultSummary& s) { return Count(s.lost); }},
    {"Win rate:", "lblWinRate", [](const ResultSummary& s) { return WinRateText(s); }},
    {"Current streak:", "lblStreak", [](const ResultSummary& s) { return StreakText(s.streak); }},
    {"Longest winning streak:", "lblWinningStreak",
     [](const ResultSummary& s) { return Count(s.longest_winning_streak); }},
    {"Longest losing streak:", "lblLosingStreak",
     [](const ResultSummary& s) { return Count(s.longest_losing_streak); }},
    {"Best time:", "lblBestTime",
     [](const ResultSummary& s) { return DurationText(s.best_seconds); }},
    {"Average time:", "lblAverageTime",
     [](const ResultSummary& s) { return DurationText(s.average_seconds); }},
    {"Best score:", "lblBestScore",
     [](const ResultSummary& s) { return NumberText(s.best_score); }},
    {"Average score:", "lblAverageScore",
     [](const ResultSummary& s) { return NumberText(s.average_score); }},
};

}  // namespace

TfrmGameStatistics::TfrmGameStatistics(const QString& game_name, const QString& player,
                                       const ResultSummary& summary, ResetHook reset,
                                       ConfirmHook confirm, QWidget* owner)
    : TfrmStatisticsFigures("frmGameStatistics", QStringLiteral("Game statistics"),
                            QStringLiteral("%1 - %2").arg(game_name, player), owner),
      game_name_(game_name),
      player_(player),
      reset_(std::move(reset)),
      confirm_(std::move(confirm)) {
    for (const FigureRow& row : kFigures)
        figures_.push_back(Figure(QString::fromLatin1(row.caption), row.name));
    btnReset = AddButton(QStringLiteral("&Reset..."), "btnReset");
    connect(btnReset, &QPushButton::clicked, this, [this] { btnResetClick(); });
    ShowSummary(summary);
}

void TfrmGameStatistics::ShowSummary(const ResultSummary& summary) {
    for (size_t i = 0; i < figures_.size(); ++i) figures_[i]->setText(kFigures[i].text(summary));
    btnReset->setEnabled(summary.played > 0 && reset_);
}

void TfrmGameStatistics::btnResetClick() {
    const QString question =
        QStringLiteral("Clear every result of %1 for %2? This cannot be undone.")
            .arg(game_name_, player_);
    if (!reset_ || !confirm_ || !confirm_(question)) return;
    if (reset_()) ShowSummary(ResultSummary{});
}

}  // namespace velmora
