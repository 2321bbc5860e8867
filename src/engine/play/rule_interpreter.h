#pragma once
// The rule interpreter: may a card be put on a given card or empty pile?
// Every game's move rules are data (a build code, a direction, an empty-pile
// rule, a wrap flag and a base rank per pile); this one function reads them.
// It changes nothing.

#include "engine/model/engine.h"
#include "engine/play/move_description.h"

namespace velmora {

struct PlaceInputs {
    // Top card of the destination; no card is -1 on a drop and 0 when the
    // deal places cards.
    int target = -1;
    int moving = 0;       // the card being placed (the bottom card of a run)
    int empty_rule = 0;   // what an empty destination accepts
    bool drop = true;     // a player or automatic drop (only build code 7 asks)
    int pile = 0;         // index of the destination pile
    // The wrap flag as the rules hold it: 0 none, 1 wrap, 2 end reversal;
    // foundation drops pass 1.
    int wrap = 0;
    bool foundation = false;
    int build_code = 0;
    int direction = 0;    // 0 down, 1 up, 2 either; other values refuse the standard test
    int base_rank = 0;
};

struct PlaceResult {
    bool accepted = false;
    // Grid jumps (build code 71): the tableau index of the card jumped over,
    // which the move removes; -1 otherwise.
    int jumped_tableau = -1;
    explicit operator bool() const { return accepted; }
};

// `move` tells where the cards come from and whether one card moves alone;
// its card is normally `in.moving` (run checks place the run's upper cards
// with the move of the whole run).
PlaceResult CanPlaceCard(const Engine& e, const PlaceInputs& in, const MoveSpec& move);

// The inputs of the usual callers, with the destination's top card read from
// the table.
// A drop on foundation i: its own rules, wrap 1, base rank R[48+i].
PlaceInputs FoundationDropInputs(const Engine& e, int i, int moving);
// A drop on tableau i: its own rules, base rank R[48].
PlaceInputs TableauDropInputs(const Engine& e, int i, int moving);
// The deal's placement on foundation i: no card is 0, drop flag clear, base
// rank R[48].
PlaceInputs DealPlacementInputs(const Engine& e, int i, int moving);

}  // namespace velmora
