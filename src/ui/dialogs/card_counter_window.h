#pragma once
// "Card counter": a small tool window beside the table that counts the
// cards the player has not seen yet, one row per rank and one column per
// suit, with the totals of each and, in games with jokers, the jokers.

#include <QWidget>

#include <array>

#include "engine/play/unseen_cards.h"

class QLabel;

namespace velmora {

class CardCounterWindow : public QWidget {
  public:
    explicit CardCounterWindow(QWidget* owner = nullptr);

    // Shows `unseen`; the jokers' row only for a game that has jokers.
    void ShowCounts(const UnseenCards& unseen, bool jokers_in_game);
    const UnseenCards& Counts() const { return shown_; }

    // The label of a rank (1-13) and suit (0-3), of a rank's and a suit's
    // total, and of the whole.
    QLabel* Cell(int rank, int suit) const;
    QLabel* RankTotal(int rank) const;
    QLabel* SuitTotal(int suit) const;
    QLabel* lblTotal;
    QLabel* lblJokersCaption;
    QLabel* lblJokers;

  private:
    void BuildGrid();

    std::array<std::array<QLabel*, UnseenCards::kSuits>, UnseenCards::kRanks> cells_{};
    std::array<QLabel*, UnseenCards::kRanks> rank_totals_{};
    std::array<QLabel*, UnseenCards::kSuits> suit_totals_{};
    UnseenCards shown_;
};

}  // namespace velmora
