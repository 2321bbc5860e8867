#pragma once
// Operations on the piles of the engine: appending, finding and removing
// cards, searches across the table, and the working copy.

#include <string_view>

#include "engine/model/engine.h"

namespace velmora {

// Where a search across the table found a card.
enum PileKind : int {
    kKindNotFound = -1,
    kKindStock = 1,
    kKindWaste = 2,
    kKindSecondWaste = 3,
    kKindTableau = 4,
    kKindFoundation = 5,
    kKindReserve = 6,
};

// Pile locator values of LocateCard.
constexpr int kLocStock = -99;
constexpr int kLocWaste = -98;
constexpr int kLocNowhere = 0;

// PileFind modes.
enum FindMode : int { kFindOnly = 0, kFindRemove = 1, kFindPlaceholder = 2, kFindRemoveWithSlot = 3 };

// Appends the code; when it is not 0 and `state` is '0' or '1' the card's
// face state is set too. Refuses codes outside 0-108 and unknown piles.
bool PileAppend(Engine& e, ListId list, int index, int code, char state = '\0');
// Looks for the code in the pile; modes 1-3 also change the pile.
bool PileFind(Engine& e, ListId list, int index, int code, int mode);
// The same on a pile string itself.
bool PileFindIn(std::string& pile, int code, int mode);

// Applies PileFind to waste, tableau 1 .. R[304], foundations 1-16, stock,
// second waste and reserves 1-10, and returns the kind of the first hit.
int FindCardKind(Engine& e, int code, int mode);
// Searches stock, waste, foundations, tableau 1 .. R[304], reserves
// 1 .. R[305] and returns the pile locator.
int LocateCard(const Engine& e, int code);
// The locator of pile n of the 57 in snapshot order, or kLocNowhere for a
// pile LocateCard does not search (the second waste, tableaus and reserves
// beyond those in use). LocateCard returns the first pile holding the card.
int LocatorOfPile(const Engine& e, int n);
// The top card of a named pile; 0 when it is empty or not a pile name.
int TopCard(const Engine& e, std::string_view name);
bool IsTopOfTableau(const Engine& e, int code);
int LongestTableau(const Engine& e);

// Tableau and reserve counts in use, clamped to their lists.
int TableauInUse(const Engine& e);
int ReservesInUse(const Engine& e);
int FoundationsInUse(const Engine& e);

// With `all`: every pile and the undo side emptied; always the redo side
// and the game-in-progress flag cleared.
void ClearPiles(Engine& e, bool all);
void SaveWorkingCopy(Engine& e);
void RestoreWorkingCopy(Engine& e);

}  // namespace velmora
