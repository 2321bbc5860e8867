#pragma once
// Overall score: one player's totals over every game played.

#include <QString>

#include <vector>

#include "engine/results/game_record.h"
#include "ui/dialogs/statistics_figures.h"

namespace velmora {

class TfrmOverallScore : public TfrmStatisticsFigures {
  public:
    // `records`: the player's ended games, oldest first.
    TfrmOverallScore(const QString& player, const std::vector<GameRecord>& records,
                     QWidget* owner = nullptr);
};

}  // namespace velmora
