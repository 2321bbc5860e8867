#pragma once
// The score: recomputed from the table after every executed action, kept as
// text in the parameter record (position 122, six characters) and shown in
// the score panel.

#include "engine/model/engine.h"

namespace velmora {

// The scoring mode at position 120 that switches scoring on.
inline constexpr const char* kScoringOn = "01";

// Computes the score by the game's special-rule code R[47], stores it at
// position 122 and shows it. With R[47] = 9 nothing is stored or shown.
void RecomputeScore(Engine& e);
// The score of the table by R[47], without storing it.
int ComputeScore(const Engine& e);
// The usual formula: five points for every card on the second waste and on
// the foundations in use and for every preset foundation card, less the
// cards of the game and five per joker. 0 when scoring is off.
int StandardScore(const Engine& e);
// Adds 5 * n to the stored score (cards placed on the foundations by the
// deal); nothing when scoring is off or R[47] = 9.
void AddFoundationBonus(Engine& e, int n);
// The stored score (position 122), 0 when the field holds no number.
int StoredScore(const Engine& e);

}  // namespace velmora
