#pragma once
// "Game information": the game on the table described as the game
// selection describes it, beside the current player's results in it.

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace velmora {

class GameInfoPanel;
class ResourceLibrary;
class TMainGame;
struct GamesData;

// The player's results in the game, written as the box shows them.
struct GameResultsText {
    std::string player;
    std::string played;
    std::string won;
    std::string win_rate;
    std::string best_time;
    std::string best_score;
};

class GameInfoBox : public QDialog {
  public:
    // `game_state`, `games` and `library` must outlive the box.
    GameInfoBox(const TMainGame& game_state, const GamesData& games, const ResourceLibrary& library,
                int game, const QString& game_name, const GameResultsText& results,
                QWidget* owner = nullptr);

    GameInfoPanel* pnlDescGame;
    QLabel* lblPlayer;
    QLabel* lblPlayed;
    QLabel* lblWon;
    QLabel* lblWinRate;
    QLabel* lblBestTime;
    QLabel* lblBestScore;
    QPushButton* btnOK;

  private:
    void BuildResults(const GameResultsText& results);
};

}  // namespace velmora
