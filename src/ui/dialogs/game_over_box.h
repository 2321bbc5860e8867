#pragma once
// The summary at the end of a game: won (after the winning animation) or
// lost (no move left). It names the game and its time, score and moves,
// and offers what a player wants next: a new deal, the same deal again, or
// another game. Closing it leaves the table as it is.

#include <QDialog>
#include <QString>

#include "ui/dialogs/game_summary.h"

class QLabel;
class QPushButton;

namespace velmora {

class TfrmGameOver : public QDialog {
public:
    explicit TfrmGameOver(const GameSummary& summary, QWidget* owner = nullptr);

    // Shows the box and waits for the player's choice.
    SummaryChoice Ask();

    QLabel* lblResult;
    QLabel* lblDetails;
    QPushButton* btnNewGame;
    QPushButton* btnSameDeal;
    QPushButton* btnOtherGame;
    QPushButton* btnClose;

private:
    SummaryChoice choice_ = SummaryChoice::Close;
};

// The heading and the line of figures, as the box shows them.
QString SummaryHeading(const GameSummary& summary);
QString SummaryDetails(const GameSummary& summary);

}  // namespace velmora
