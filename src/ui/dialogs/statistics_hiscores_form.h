#pragma once
// The hi-scores: the ten best won games of a game (rank, player, score,
// time, date), the current game first; any other game that has scores can
// be picked from the list above the table.

#include <QDialog>

#include <vector>

#include "engine/results/result_queries.h"
#include "ui/dialogs/statistics_text.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class TfrmHiScores : public QDialog {
  public:
    TfrmHiScores(std::vector<ScoreEntry> entries, const GameNames& names, int current_game,
                 QWidget* owner = nullptr);

    void ShowGame(int game);

    QComboBox* cboGames;
    QTableWidget* tblScores;
    QLabel* lblNone;
    QPushButton* btnClose;

  private:
    std::vector<ScoreEntry> entries_;
};

}  // namespace velmora
