#pragma once
// The moves the engine chooses a destination for: a drop over several piles,
// a card sent away by a double or right click, and automatic play to the
// foundations after every move.

#include <string_view>
#include <vector>

#include "engine/model/engine.h"
#include "engine/play/drop_candidates.h"

namespace velmora {

// Tries the candidates in their order (see OrderDropCandidates) and carries
// out the first drop the pile accepts. Every candidate overlaps the card.
// Before the first move of a game with R[39] = 1 only a tableau card may go,
// and only to a foundation. A drop that wins the game ends it.
bool TryDropAt(Engine& e, int card, const std::vector<DropCandidate>& candidates, bool automatic);

// Sends the face-up card from pile `source` to the first pile that takes it:
// the foundations (single cards), the tableaus (non-empty ones first, never
// the source), the reserves (single cards), then the waste. Automatic play
// never starts an empty foundation whose empty rule is '\' or ']'.
bool SendCardAway(Engine& e, int card, std::string_view source, bool single, bool to_tableaus,
                  bool to_reserves, bool to_foundations, bool automatic);

enum class ClickKind { Double, Right };

// A double or right click on card `card` of pile `pile`: where the card may
// go follows the click settings (positions 247-251) or R[36]; reserves go
// with the foundations. A double click also makes the table ignore the next
// press; a double click on the stock only clears that. Returns whether the
// card moved.
bool ClickMove(Engine& e, int card, std::string_view pile, ClickKind kind);

// One run of automatic play, while the Autoplay command is ticked and
// enabled and a game is in progress: reserve cards, the waste card and the
// tableau top cards go to the foundations until nothing moves; safe play
// (see safe_autoplay.h) keeps back the cards the tableau could still need.
// True when a card moved. Ends the game when it is won.
bool AutoPlayRound(Engine& e);

// What follows a pointer release (and switching autoplay on): the gaps are
// filled, automatic play runs with a gap fill after each round that moved,
// and a won game ends.
void AfterRelease(Engine& e);

}  // namespace velmora
