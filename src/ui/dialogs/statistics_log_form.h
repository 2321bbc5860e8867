#pragma once
// The log of games: the player's last games, newest first, with when each
// ended, the game, the deal, how it ended, the score, the time and the
// moves. A double click on a line (or "Play this deal") closes the window
// with that game and deal chosen, to be dealt again.

#include <QDialog>

#include <optional>
#include <vector>

#include "engine/results/game_record.h"
#include "ui/dialogs/statistics_text.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class TfrmGameLog : public QDialog {
  public:
    // The most lines the log shows.
    static constexpr size_t kLinesShown = 100;

    // `records`: newest first.
    TfrmGameLog(const QString& player, std::vector<GameRecord> records, const GameNames& names,
                QWidget* owner = nullptr);

    // The game chosen to be played again, once the window has closed.
    const std::optional<GameRecord>& Chosen() const { return chosen_; }
    void PlayRow(int row);

    QTableWidget* tblGames;
    QLabel* lblNone;
    QPushButton* btnPlay;
    QPushButton* btnClose;

  private:
    void EnablePlay();

    std::vector<GameRecord> records_;
    std::optional<GameRecord> chosen_;
};

}  // namespace velmora
