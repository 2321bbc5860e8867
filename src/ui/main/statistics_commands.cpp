// The Statistics menu: the windows that show the players' kept results
// (one game, every game, every player, the log of games, the hi-scores and
// the overall score), and what they can do: clear results after asking,
// and deal a game of the log again.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include "engine/model/custom_games.h"
#include "engine/model/games_file.h"
#include "engine/model/param_record.h"
#include "storage/result_reset.h"
#include "storage/score_table.h"
#include "text/fixed_text.h"
#include "ui/dialogs/statistics_game_form.h"
#include "ui/dialogs/statistics_hiscores_form.h"
#include "ui/dialogs/statistics_list_form.h"
#include "ui/dialogs/statistics_log_form.h"
#include "ui/dialogs/statistics_overall_form.h"
#include "ui/main/caption.h"
#include "ui/main/main_window.h"

namespace velmora {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

int StatisticsGame(const ParamRecord& params) {
    int64_t id = -1;
    return ParseInt(params.ParamRead(param::kGameId, 4), id) ? static_cast<int>(id) : -1;
}

// Names of catalogue games and of the player's variants alike.
GameNames NamesOf(const TMainGame& game_state, const GamesData& games) {
    return [&game_state, &games](int game) {
        const std::string name = GameName(game_state, games, game);
        return name.empty() ? "Game " + std::to_string(game) : name;
    };
}

// The current player's results. A file that cannot be read is told, and
// the windows show none of it; the next game kept sets it aside.
PlayerResults CurrentResults(const Engine& e) {
    std::string trouble;
    PlayerResults results = ReadCurrentPlayerResults(e.params, &trouble);
    if (!trouble.empty())
        e.messages->ShowInfo("The results of " + results.player + " in " + trouble +
                             ".\n\nThe statistics show none of them.");
    return results;
}

}  // namespace

void WindowHost::RunDialog(QDialog& dialog) {
    dialog.exec();
}

bool WindowHost::AskYesNo(std::string_view question) {
    return QMessageBox::question(QApplication::activeWindow(), QString::fromUtf8(kProgramName),
                                 QString::fromUtf8(question), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void TfrmMain::ConnectStatisticsCommands() {
    Connect(Item("mnuGameStatistics"), &TfrmMain::mnuGameStatisticsClick);
    Connect(Item("mnuPlayersStatistics"), &TfrmMain::mnuPlayersStatisticsClick);
    Connect(Item("mnuAllGamesStatistics"), &TfrmMain::mnuAllGamesStatisticsClick);
    Connect(Item("mnuLogStatistics"), &TfrmMain::mnuLogStatisticsClick);
    Connect(Item("mnuHiScores"), &TfrmMain::mnuHiScoresClick);
    Connect(Item("mnuOverallScore"), &TfrmMain::mnuOverallScoreClick);
}

void TfrmMain::mnuGameStatisticsClick() {
    const int game = StatisticsGame(engine_.params);
    if (started_ && game >= 0) ShowGameStatistics(game, this);
}

void TfrmMain::ShowGameStatistics(int game, QWidget* owner) {
    const PlayerResults results = CurrentResults(engine_);
    const std::string player = results.player;
    const auto reset = [this, player, game] {
        std::string why;
        if (ClearGameResults(engine_.params, player, game, why)) return true;
        engine_.messages->ShowInfo(why);
        return false;
    };
    const auto confirm = [this](const QString& question) {
        return host_->AskYesNo(question.toStdString());
    };
    TfrmGameStatistics dialog(Text(NamesOf(engine_.main_game, games_)(game)), Text(player),
                              Summarize(results.records, game), reset, confirm, owner);
    host_->RunDialog(dialog);
}

void TfrmMain::mnuPlayersStatisticsClick() {
    std::vector<TfrmStatisticsList::Line> lines;
    for (const PlayerRow& row : RowsPerPlayer(ReadEveryPlayersResults(engine_.params)))
        lines.push_back({Text(row.player), row.summary});
    TfrmStatisticsList dialog("frmPlayersStatistics", QStringLiteral("Players statistics"),
                              QStringLiteral("Player"), std::move(lines), this);
    dialog.OfferReset(
        [this](const QString& player) {
            std::string why;
            if (ClearPlayerResults(engine_.params, player.toStdString(), why)) return true;
            engine_.messages->ShowInfo(why);
            return false;
        },
        [this](const QString& question) { return host_->AskYesNo(question.toStdString()); });
    host_->RunDialog(dialog);
}

void TfrmMain::mnuAllGamesStatisticsClick() {
    const PlayerResults results = CurrentResults(engine_);
    const GameNames names = NamesOf(engine_.main_game, games_);
    std::vector<TfrmStatisticsList::Line> lines;
    for (const GameRow& row : RowsPerGame(results.records))
        lines.push_back({Text(names(row.game)), row.summary});
    TfrmStatisticsList dialog("frmAllGamesStatistics",
                              QStringLiteral("All games statistics - %1").arg(Text(results.player)),
                              QStringLiteral("Game"), std::move(lines), this);
    host_->RunDialog(dialog);
}

void TfrmMain::mnuLogStatisticsClick() {
    const PlayerResults results = CurrentResults(engine_);
    TfrmGameLog dialog(Text(results.player), LastGames(results.records, TfrmGameLog::kLinesShown),
                       NamesOf(engine_.main_game, games_), this);
    host_->RunDialog(dialog);
    const std::optional<GameRecord> chosen = dialog.Chosen();
    if (!chosen) return;
    if (CatalogueIndex(engine_.main_game, chosen->game) < 0) {
        engine_.messages->ShowInfo("Game " + std::to_string(chosen->game) +
                                   " is no longer in the list of games.");
        return;
    }
    DealAfterAsking(chosen->deal_number, chosen->game);
}

void TfrmMain::mnuHiScoresClick() {
    TfrmHiScores dialog(ReadScoreTable(engine_.params), NamesOf(engine_.main_game, games_),
                        StatisticsGame(engine_.params), this);
    host_->RunDialog(dialog);
}

void TfrmMain::mnuOverallScoreClick() {
    const PlayerResults results = CurrentResults(engine_);
    TfrmOverallScore dialog(Text(results.player), results.records, this);
    host_->RunDialog(dialog);
}

}  // namespace velmora
