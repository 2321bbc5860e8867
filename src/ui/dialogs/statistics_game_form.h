#pragma once
// Game statistics: one player's figures for one game (played, won, lost,
// win rate, streaks, times and scores), and Reset, which clears them once
// the player has confirmed it.

#include <QString>

#include <functional>
#include <vector>

#include "engine/results/result_queries.h"
#include "ui/dialogs/statistics_figures.h"

namespace velmora {

// A question with Yes and No; true for Yes.
using ConfirmHook = std::function<bool(const QString& question)>;

class TfrmGameStatistics : public TfrmStatisticsFigures {
  public:
    // Clears the results shown; false when they could not be cleared (the
    // hook has told the player why).
    using ResetHook = std::function<bool()>;

    TfrmGameStatistics(const QString& game_name, const QString& player,
                       const ResultSummary& summary, ResetHook reset, ConfirmHook confirm,
                       QWidget* owner = nullptr);

    void ShowSummary(const ResultSummary& summary);
    void btnResetClick();

    QPushButton* btnReset;

  private:
    QString game_name_;
    QString player_;
    ResetHook reset_;
    ConfirmHook confirm_;
    std::vector<QLabel*> figures_;
};

}  // namespace velmora
