#pragma once
// One pile as the card positions see it: where its bottom card lies, which
// cards it holds and how the fan mode of its kind spreads them. Shared by
// the position, hit-test and drop-candidate code of engine/layout.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/layout/table_geometry.h"
#include "engine/model/engine.h"
#include "engine/model/pile_names.h"

namespace velmora {

// How a pile spreads its cards. Arranged piles (tableau modes 8 and 9) are
// placed whole by the layout and have no per-card offsets.
enum class FanAxis { Squared, Vertical, Horizontal, Arranged };

struct PileFan {
    PileRef ref;
    int x = 0;  // the anchor; y with the scroll offset subtracted
    int y = 0;
    int mode = 0;  // the fan mode of the pile's kind; 0 for the stock area
    FanAxis axis = FanAxis::Squared;
    std::vector<int> codes;  // bottom first; -1 for a unit that is not a code

    int Count() const { return static_cast<int>(codes.size()); }
    int Top() const { return codes.empty() ? 0 : codes.back(); }
    int CodeAt(int i) const { return codes[static_cast<size_t>(i)]; }
    bool Placed() const { return IsPlacedY(y); }
};

struct Point {
    int x = 0;
    int y = 0;
};

PileFan DescribePile(const Engine& e, PileRef ref);
std::optional<PileFan> DescribePile(const Engine& e, std::string_view name);

// The y after the first `below` cards of the pile: their vertical steps,
// plus the single step of mode 7 when `step_once` is set.
int FanY(const Engine& e, const PileFan& pile, int below, bool step_once);
// The x after the first `below` cards: their horizontal steps.
int FanX(const Engine& e, const PileFan& pile, int below);
// The peaks (tableau arrangement 131) lay their rows out as
// engine/model/peak_rows.h says, a step (a card and a gap) apart: true when
// the pile is such a row.
bool IsPeakRow(const Engine& e, const PileFan& pile);
// How far right of the first card of the last row slot `slot` of row `row`
// (of `rows`) lies, for cards `card_width` wide. The layout and the card
// positions take the same step from the card width alone, so that a table
// laid out at one width and scaled to another keeps its rows in line.
int PeakSlotX(int card_width, int row, int slot, int rows);

// The hand-laid sideways shift of the card at `position` (0 = bottom) in
// displacement row `row_index`; 0 unless the hand-laid tableau is on and
// the pile is a tableau.
int HandLaidShift(const Engine& e, const PileFan& pile, int row_index, int position);

// The waste of a game that turns several cards a press shows its top three
// fanned sideways, the top card (the one that plays) rightmost, so the
// player sees what the press turned. 1 when the waste lies squared.
int WasteFanCards(const Engine& e);
// The sideways step between fanned waste cards, enough to show each
// card's index at every card size.
int WasteFanStep(const Engine& e);
// The fan slot (0 = leftmost, at the anchor) of the card at `position` of a
// deck pile; with `position` at the count, of a card laid on it.
int DeckFanSlot(const Engine& e, const PileFan& pile, int position);

// Where the card at `position` (0 = bottom) lies, or would lie when laid
// there. This is the place cards are drawn, hit and flown at.
Point CardPlace(const Engine& e, const PileFan& pile, int position);
// The lower edge of the top card; origin + card height for an empty pile.
int FanBottom(const Engine& e, const PileFan& pile);

// The card-sized rectangle at a point.
Rect CardRectAt(const Engine& e, Point place);

}  // namespace velmora
