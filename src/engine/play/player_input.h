#pragma once
// The three inputs a player gives the table, as whole gestures: a card
// dragged and dropped on a pile, a press (and release) on a pile, and a
// double click on a card. Each runs the engine's pointer decisions in the
// order the window runs them, automatic play included, so that a line of
// inputs played here plays the same way in the window.

#include <string>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "engine/play/drop_candidates.h"

namespace velmora {

// The pile the card lies on, in table order ("" when none); the selection
// of a selection game (foundation 1) is no place a card is taken from.
std::string PileOfCard(const Engine& e, int card);

// The drop candidate a pile is, when a dragged card can land there at all.
std::vector<DropCandidate> DropCandidateOf(PileRef pile);

// Picks `card` (with the cards above it) up as a left press on it would and
// releases it over `candidates`. True when a candidate took it.
bool CarryAndDrop(Engine& e, int card, const std::vector<DropCandidate>& candidates);

// A left press on `card` of `pile` (0: the top card or an empty pile) and
// its release without moving. True when the press or the release acted.
bool PressAndRelease(Engine& e, const std::string& pile, int card);

// A double click on `card` of `pile` with its second press and release.
// True when the card moved.
bool DoubleClickCard(Engine& e, const std::string& pile, int card);

}  // namespace velmora
