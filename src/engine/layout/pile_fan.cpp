#include "engine/layout/pile_fan.h"

#include <algorithm>
#include <cstdint>

#include "engine/layout/card_positions.h"
#include "engine/model/peak_rows.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

constexpr int kPilesHandLaid = 179;  // "Piles_TT"
constexpr int kDisplacementPeriod = 12;
constexpr int kWasteFanCards = 3;
constexpr int kWasteFanMinStep = 9;  // small cards still show their index
constexpr int kPeaksArrangement = 131;  // R[295]
constexpr int kSideBySide = 4;          // tableau fan mode
constexpr int kPeakGapAtBigCards = 6;   // between the cards of a row
constexpr int kSidewaysFan = 2;         // tableau fan mode
constexpr int kFanClearance = 4;        // kept between a squeezed fan and what lies right of it

bool Either(int mode, int a, int b) { return mode == a || mode == b; }

// Which kinds spread which modes; every other combination is squared.
FanAxis AxisOf(ListId list, int mode) {
    switch (list) {
        case ListId::Tableau:
            if (Either(mode, 1, 7)) return FanAxis::Vertical;
            if (Either(mode, 2, 4) || mode == 6) return FanAxis::Horizontal;
            if (Either(mode, 8, 9)) return FanAxis::Arranged;
            return FanAxis::Squared;
        case ListId::Foundation:
            if (Either(mode, 1, 7)) return FanAxis::Vertical;
            return Either(mode, 2, 4) ? FanAxis::Horizontal : FanAxis::Squared;
        case ListId::Reserve:
            if (Either(mode, 1, 7) || mode == 5) return FanAxis::Vertical;
            return Either(mode, 2, 4) ? FanAxis::Horizontal : FanAxis::Squared;
        case ListId::Stock: return FanAxis::Squared;
    }
    return FanAxis::Squared;
}

int FanModeOf(const Engine& e, ListId list) {
    switch (list) {
        case ListId::Tableau: return e.R(3);
        case ListId::Foundation: return e.R(4);
        case ListId::Reserve: return e.R(5);
        case ListId::Stock: return 0;
    }
    return 0;
}

Point Anchor(const Engine& e, PileRef ref) {
    const TMainGame& g = e.main_game;
    switch (ref.list) {
        case ListId::Stock: return {g.StockAreaX(ref.index), g.StockAreaY(ref.index)};
        case ListId::Foundation: return {g.FoundationX(ref.index), g.FoundationY(ref.index)};
        case ListId::Tableau:
            return {TableauX(e.tableau_anchors, ref.index), TableauY(e.tableau_anchors, g, ref.index)};
        case ListId::Reserve: return {g.ReserveX(ref.index), g.ReserveY(ref.index)};
    }
    return {};
}

bool FaceUp(const Engine& e, int code) { return e.cards.FaceChar(code) == kFaceUp; }

// What one card adds to the place of the card above it. Placeholders that
// are not codes add nothing.
int VerticalStep(const Engine& e, int mode, int code) {
    if (code < 0) return 0;
    const TMainGame& g = e.main_game;
    if (mode == 1) return g.Field(FaceUp(e, code) ? field::kFanUpY : field::kFanDownY);
    if (mode == 5) return g.Field(field::kFan5Offset);
    return 0;  // mode 7 steps once for the whole pile
}

int HorizontalStep(const Engine& e, int mode, int code) {
    if (code < 0) return 0;
    const TMainGame& g = e.main_game;
    if (mode == 2) return g.Field(FaceUp(e, code) ? field::kFanUpX : field::kFanDownX);
    if (mode == 4) return e.geometry.card.width + g.Field(field::kSideGap);
    if (mode == 6) return g.Field(field::kFan6Offset);
    return 0;
}

bool HandLaidTableau(const Engine& e) { return e.params.ParamRead(kPilesHandLaid, 1) != "N" && e.R(3) == 1; }

// A tableau fanned sideways in mode 2 that would reach the next pile of its
// row (the horizontal fan room of the layout) or the table's right edge
// has its steps narrowed alike until its top card ends short of them; the
// place asked for, `reach` right of the anchor unsqueezed, moves with them.
int SqueezedReach(const Engine& e, const PileFan& pile, int below, int reach) {
    if (pile.ref.list != ListId::Tableau || pile.mode != kSidewaysFan) return reach;
    const int width = e.geometry.card.width;
    const int room = std::min(e.geometry.horizontal_fan_room, e.geometry.inputs.available_width - pile.x);
    const int allowed = room - width - kFanClearance;
    int whole = 0;
    for (int i = 0; i < std::max(pile.Count() - 1, below) && i < pile.Count(); ++i)
        whole += HorizontalStep(e, pile.mode, pile.CodeAt(i));
    if (whole <= allowed || allowed <= 0) return reach;
    return static_cast<int>(static_cast<int64_t>(reach) * allowed / whole);
}

}  // namespace

PileFan DescribePile(const Engine& e, PileRef ref) {
    PileFan pile;
    pile.ref = ref;
    const Point anchor = Anchor(e, ref);
    pile.x = anchor.x;
    pile.y = anchor.y;
    pile.mode = FanModeOf(e, ref.list);
    pile.axis = AxisOf(ref.list, pile.mode);
    pile.codes = PileCodes(e.piles.Text(ref.list, ref.index));
    return pile;
}

std::optional<PileFan> DescribePile(const Engine& e, std::string_view name) {
    const auto ref = ParsePileName(name);
    if (!ref) return std::nullopt;
    return DescribePile(e, *ref);
}

int FanY(const Engine& e, const PileFan& pile, int below, bool step_once) {
    int y = pile.y;
    if (pile.axis != FanAxis::Vertical) return y;
    if (pile.mode == 7 && step_once) y += e.main_game.Field(field::kFanUpY);
    for (int i = 0; i < below && i < pile.Count(); ++i) y += VerticalStep(e, pile.mode, pile.CodeAt(i));
    return y;
}

bool IsPeakRow(const Engine& e, const PileFan& pile) {
    return pile.ref.list == ListId::Tableau && pile.mode == kSideBySide && e.R(295) == kPeaksArrangement;
}

int PeakSlotX(int card_width, int row, int slot, int rows) {
    const int step = card_width + FittedStep(kPeakGapAtBigCards, card_width);
    return PeakHalfSteps(row, slot, rows) * step / 2;
}

int FanX(const Engine& e, const PileFan& pile, int below) {
    int x = pile.x;
    if (pile.axis != FanAxis::Horizontal) return x;
    if (IsPeakRow(e, pile)) {
        // The anchor is where the row's first card lies.
        const int width = e.geometry.card.width;
        const int rows = TableauInUse(e);
        const int slot = std::clamp(below, 0, pile.Count());
        return x + PeakSlotX(width, pile.ref.index, slot, rows) - PeakSlotX(width, pile.ref.index, 0, rows);
    }
    int reach = 0;
    for (int i = 0; i < below && i < pile.Count(); ++i) reach += HorizontalStep(e, pile.mode, pile.CodeAt(i));
    return x + SqueezedReach(e, pile, below, reach);
}

int HandLaidShift(const Engine& e, const PileFan& pile, int row_index, int position) {
    if (pile.ref.list != ListId::Tableau || !HandLaidTableau(e)) return 0;
    if (row_index < 0 || position < 0) return 0;
    // Rows repeat after the seventh pile, columns after the thirteenth card.
    const int row = row_index < 7 ? row_index : row_index % 6;
    const int column = position > kDisplacementPeriod ? position % kDisplacementPeriod : position;
    return e.geometry.displacement[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int WasteFanCards(const Engine& e) {
    const bool turns_several = e.R(9) == 1 && e.R(21) >= 2;
    const bool waste_shows_faces = e.R(7) == 0;
    return turns_several && waste_shows_faces ? kWasteFanCards : 1;
}

int WasteFanStep(const Engine& e) { return std::max(kWasteFanMinStep, e.geometry.card.width * 2 / 9); }

int DeckFanSlot(const Engine& e, const PileFan& pile, int position) {
    if (pile.ref.list != ListId::Stock || pile.ref.index != kWasteIndex || position < 0) return 0;
    const int fanned = WasteFanCards(e);
    const int count = std::max(pile.Count(), position + 1);
    return std::max(0, position - (count - std::min(count, fanned)));
}

Point CardPlace(const Engine& e, const PileFan& pile, int position) {
    if (pile.ref.list == ListId::Stock) return {pile.x + DeckFanSlot(e, pile, position) * WasteFanStep(e), pile.y};
    const int below = position > 0 ? position : 0;
    return {FanX(e, pile, below) + HandLaidShift(e, pile, pile.ref.index, below), FanY(e, pile, below, below >= 1)};
}

int FanBottom(const Engine& e, const PileFan& pile) {
    const int height = e.geometry.card.height;
    if (pile.Count() == 0 || pile.ref.list == ListId::Stock) return pile.y + height;
    return FanY(e, pile, pile.Count() - 1, pile.Count() >= 2) + height;
}

Rect CardRectAt(const Engine& e, Point place) {
    const CardSize card = e.geometry.card;
    return {place.x, place.y, place.x + card.width, place.y + card.height};
}

}  // namespace velmora
