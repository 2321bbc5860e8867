#pragma once
// Where each card of a pile lies, where the next card would go, where a pile
// ends and which card lies under a point. Drawing, dragging, hit testing and
// card flights all go through these, so a card is drawn, hit and animated
// at the same place.
//
// Pile names are the engine's ("Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest3",
// "Fila12", "Appogg2"). Y values have the stored scroll offset subtracted
// (as TableauY does). Piles at their unplaced marker are skipped everywhere.

#include <random>
#include <string>
#include <string_view>

#include "engine/layout/table_geometry.h"

namespace velmora {

struct Engine;

// The fan offsets of TMainGame (fields 64-67, 72, 75, 76, 83, 84) for the
// current game's fan modes and card size letter ("B", "M", "L"). For "F"
// the big card's steps are scaled to the current card width, the steps
// after a face-down card held to a back that can still be counted.
void SetFanOffsets(Engine& engine, char size_letter);
// A step of the big card's table scaled to a card `width` pixels wide (at least 1).
int FittedStep(int big_step, int width);

// Refills the hand-laid displacement table row by row from `random`; each
// value r(4) in 0 .. 3 is the two highest bits of one 64-bit draw (13 draws
// a row, 91 for the table).
void FillDisplacementTable(DisplacementTable& table, std::mt19937_64& random);

// The y (x) of the card `skip` cards below the top card, or with `next` the
// place a card laid on the pile without its top `skip` cards would take.
// Card i from the bottom of a pile of n is drawn at skip n - i with `next`.
// `pile_index` picks the hand-laid displacement row of a tableau.
int CardY(const Engine& engine, std::string_view pile, int skip, bool next);
int CardX(const Engine& engine, std::string_view pile, int pile_index, int skip, bool next);
// The y of the lower edge of the pile's top card (origin + card height when empty).
int PileBottom(const Engine& engine, std::string_view pile);

struct CardHit {
    std::string pile;  // empty when the point hits no pile
    int code = 0;      // the card under the point; 0 for an empty pile
    Rect rect;         // that card's rectangle
};
// The first hit of: stock, waste, second waste; the tableaus; foundations
// 1-16; the reserves. Right and bottom edges belong to a card. An empty
// pile answers with code 0 and its anchor rectangle; a tableau or reserve
// whose whole rectangle holds the point answers even where no card lies
// (code 0, zero rectangle).
CardHit CardAt(const Engine& engine, int x, int y);
// The rectangle of the card on the table; a zero rectangle when it lies in
// no placed pile.
Rect CardRect(const Engine& engine, int code);

}  // namespace velmora
