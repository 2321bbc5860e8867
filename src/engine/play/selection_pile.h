#pragma once
// The selection of the removal games as foundation 1 holds it, and the
// step every selection rule shares: toggle the pressed card, let the rule
// judge the new selection, then beep and undo the toggle or highlight the
// card, and remove the selection once it is complete.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"

namespace velmora {

// Foundation 1 names the selected cards, which lie on their own piles. A
// rules row that also sends cards to foundation 1 (a selection rule on a
// game with foundations) mixes real cards in: a code found on no other pile
// is a card lying there, counted once; every other code is a selection mark.
// The selection games proper hold marks only.

// The cards lying on foundation 1 itself, as a pile string, bottom first.
std::string SelectionPileCards(const Engine& e);
// The selected cards in the order they were clicked.
std::vector<int> SelectedCards(const Engine& e);
bool IsSelected(const Engine& e, int card);
// Empties the selection and takes the highlight off its cards; cards lying
// on foundation 1 stay.
void ClearSelection(Engine& e);
// Takes one card out of the selection, with its highlight.
void Deselect(Engine& e, int card);

// The pile a card lies on, leaving the selection itself (foundation 1) and
// the second waste out of the search.
std::optional<PileRef> PileHolding(const Engine& e, int card);

// What a selection rule says of the selection it would become.
struct SelectionVerdict {
    bool accepted = false;
    bool complete = false;
};
using SelectionJudge = std::function<SelectionVerdict(const std::vector<int>& selection)>;

// Toggles `card` and asks `judge` about the result. Refused: beep, and the
// selection stays as it was. Accepted: the card is highlighted (or loses its
// highlight), and a complete selection is removed. True when the selection
// changed. A card lying on foundation 1 itself is always refused: its mark
// would name it there twice.
bool SelectionStep(Engine& e, int card, const SelectionJudge& judge);

// Removes a complete selection through the executor, with input held back,
// and ends the game when that won it.
void RemoveCompleteSelection(Engine& e, int card);

// The removal refused for every card: one beep, nothing changes.
bool RefuseSelection(Engine& e);

}  // namespace velmora
