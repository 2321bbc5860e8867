#pragma once
// The label above the foundations that tells which card a joker stands for.
// Only the first joker on the foundations in use is labelled.

#include "engine/model/engine.h"

namespace velmora {

// The rank that means "no label".
inline constexpr int kNoJokerRank = 14;

struct JokerLabel {
    // 100 * f + p + 100 for the joker at character position p (1, 4, 7 ...)
    // of foundation f; without a joker f is the number of foundations in use
    // and p one more than the length of the last one.
    int key = 0;
    int foundation = 0;  // 0-based; the number of foundations when none
    int rank = kNoJokerRank;  // 1-13 the card it stands for, 14 none
    int suit = -1;            // 0 hearts .. 3 spades, -1 none
    bool Shows() const { return rank >= 1 && rank <= 13; }
};

JokerLabel ComputeJokerLabel(const Engine& e);

// Recomputes the label and, when what is shown changes, stores the key of
// the shown label in TMainGame field 100 (-1 for none) and tells the view.
// Returns whether the view was told.
bool ShowJokerLabels(Engine& e);

}  // namespace velmora
