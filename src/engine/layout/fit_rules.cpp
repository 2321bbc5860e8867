// Where the piles of a laid-out table lie with the cards of the deal, and
// whether they fit the table: the test of the fitted card size.
#include <algorithm>

#include "engine/layout/fit_window.h"
#include "engine/layout/pile_fan.h"
#include "engine/layout/stock_depth.h"
#include "engine/model/engine.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

constexpr int kStaircase = 54;  // the pyramid's rows lie on each other
constexpr int kPeaks = 131;     // and so do the rows of the peaks
constexpr int kSideBySide = 4;  // tableau fan mode of the rows
constexpr int kNothingPlaced = 4;  // tableau build code: no card is built on the pile

bool PeakRows(const Engine& e) { return e.R(295) == kPeaks && e.R(3) == kSideBySide; }

// A pile's cards as dealt: how many, and how many of them face up (the top ones).
struct Dealt {
    int cards = 0;
    int face_up = 0;
};

Dealt TableauDeal(const Engine& e, int t) {
    const int count = e.R(311 + t);
    // Counts above 1000 deal one chosen card.
    const int cards = count > 1000 ? 1 : std::clamp(count, 0, 1000);
    const int turn = e.R(339 + t);
    int up = 0;
    if (turn >= 1) up = std::min(turn, cards);
    else if (turn == -1) up = (cards + 1) / 2;
    else if (turn == -2) up = cards / 2;
    else if (turn == -3) up = std::min(1, cards);
    return {cards, up};
}

Dealt ReserveDeal(const Engine& e, int r) {
    const int cards = std::clamp(e.R(368 + r), 0, 1000);
    return {cards, std::clamp(e.R(378 + r), 0, cards)};
}

// How far the last of `cards` lies from the first: face-down cards first
// (the bottom ones), each followed by `down`, the others by `up`.
int FanLength(int cards, int face_down, int up, int down) {
    if (cards <= 1) return 0;
    const int after_down = std::min(face_down, cards - 1);
    return after_down * down + (cards - 1 - after_down) * up;
}

struct Fan {
    bool vertical = false;
    bool horizontal = false;
    int up = 0;
    int down = 0;
    bool grows = false;  // a fan cards are built on
};

Fan FanOf(const Engine& e, ListId list) {
    const TMainGame& g = e.main_game;
    const int up_y = g.Field(field::kFanUpY);
    const int down_y = g.Field(field::kFanDownY);
    const int up_x = g.Field(field::kFanUpX);
    const int down_x = g.Field(field::kFanDownX);
    const int side = e.geometry.card.width + g.Field(field::kSideGap);
    if (list == ListId::Tableau) {
        switch (e.R(3)) {
            case 1: return {true, false, up_y, down_y, true};
            // A sideways fan grows when cards are built on it.
            case 2: return {false, true, up_x, down_x, e.R(184) != kNothingPlaced};
            case 4: return {false, true, side, side, false};
            case 6: return {false, true, g.Field(field::kFan6Offset), g.Field(field::kFan6Offset), false};
            default: return {};
        }
    }
    if (list == ListId::Reserve) {
        switch (e.R(5)) {
            case 1: return {true, false, up_y, down_y, true};
            case 5: return {true, false, g.Field(field::kFan5Offset), g.Field(field::kFan5Offset), false};
            // A sideways fan grows when cards are built on it.
            case 2: return {false, true, up_x, down_x, e.R(184) != kNothingPlaced};
            case 4: return {false, true, side, side, false};
            default: return {};
        }
    }
    return {};
}

// The stored anchor of a pile, before the scroll offset; nothing when unplaced.
bool StoredAnchor(const Engine& e, PileRef pile, int& x, int& y) {
    const TMainGame& g = e.main_game;
    switch (pile.list) {
        case ListId::Stock: x = g.StockAreaX(pile.index), y = g.Field(field::kStockAreaY + pile.index); break;
        case ListId::Foundation: x = g.FoundationX(pile.index), y = g.Field(field::kFoundationY + pile.index); break;
        case ListId::Tableau:
            x = TableauX(e.tableau_anchors, pile.index), y = e.tableau_anchors.y[static_cast<size_t>(pile.index)];
            break;
        case ListId::Reserve: x = g.ReserveX(pile.index), y = g.Field(field::kReserveY + pile.index); break;
    }
    return IsPlacedY(x) && IsPlacedY(y);
}

// A deck pile's top card lies above and left of its anchor by the pile's
// thickness: as thick as the game's cards all in one pile would make it.
int DeckThickness(const Engine& e, PileRef pile) {
    return pile.list == ListId::Stock ? StockDepth(e.R(307), e.geometry.inputs.preview) : 0;
}

PileFootprint Footprint(const Engine& e, PileRef pile, int x, int y) {
    const CardSize card = e.geometry.card;
    const int thick = DeckThickness(e, pile);
    const Rect one{x - thick, y - thick, x + card.width, y + card.height};
    PileFootprint print{pile, one, one};
    const Fan fan = FanOf(e, pile.list);
    if (!fan.vertical && !fan.horizontal) return print;
    const Dealt dealt = pile.list == ListId::Tableau ? TableauDeal(e, pile.index) : ReserveDeal(e, pile.index);
    const int face_down = dealt.cards - dealt.face_up;
    int length = FanLength(dealt.cards, face_down, fan.up, fan.down);
    if (pile.list == ListId::Tableau && PeakRows(e) && dealt.cards > 1) {
        // The rows of the peaks leave room between the peaks.
        const int rows = TableauInUse(e);
        length = PeakSlotX(card.width, pile.index, dealt.cards - 1, rows) - PeakSlotX(card.width, pile.index, 0, rows);
    }
    // The preview shows the deal only.
    const int more = fan.grows && !e.geometry.inputs.preview ? kFanRoomToGrow : 0;
    const int grown = FanLength(std::max(dealt.cards, 1) + more, face_down, fan.up, fan.down);
    if (fan.vertical) {
        print.dealt.bottom += length;
        print.grown.bottom += grown;
    } else {
        print.dealt.right += length;
        print.grown.right += grown;
    }
    return print;
}

bool MeantToOverlap(const Engine& e, const PileFootprint& a, const PileFootprint& b) {
    const bool tableaus = a.pile.list == ListId::Tableau && b.pile.list == ListId::Tableau;
    const int mode = e.R(3);
    return tableaus && (e.R(295) == kStaircase || PeakRows(e) || mode == 8 || mode == 9);
}

bool Inside(const Rect& r, const LayoutInputs& in) {
    const int bottom = std::min(in.available_height, in.bottom + 1);
    return r.left >= in.left && r.top >= in.top && r.right <= in.available_width && r.bottom <= bottom;
}

bool NoPileOnAnother(const Engine& e, const std::vector<PileFootprint>& prints) {
    for (size_t i = 0; i < prints.size(); ++i)
        for (size_t j = i + 1; j < prints.size(); ++j)
            if (prints[i].dealt.Intersects(prints[j].dealt) && !MeantToOverlap(e, prints[i], prints[j])) return false;
    return true;
}

}  // namespace

std::vector<PileFootprint> PileFootprints(const Engine& e) {
    std::vector<PileFootprint> prints;
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve}) {
        for (int i = 0; i < ListSize(list); ++i) {
            int x = 0;
            int y = 0;
            if (StoredAnchor(e, {list, i}, x, y)) prints.push_back(Footprint(e, {list, i}, x, y));
        }
    }
    return prints;
}

bool PilesFitTable(const Engine& e, const LayoutInputs& inputs) {
    const std::vector<PileFootprint> prints = PileFootprints(e);
    for (const PileFootprint& print : prints)
        if (!Inside(print.grown, inputs)) return false;
    return NoPileOnAnother(e, prints);
}

bool PilesFitAcross(const Engine& e, const LayoutInputs& inputs) {
    const std::vector<PileFootprint> prints = PileFootprints(e);
    for (const PileFootprint& print : prints)
        if (print.dealt.left < inputs.left || print.dealt.right > inputs.available_width) return false;
    return NoPileOnAnother(e, prints);
}

}  // namespace velmora
