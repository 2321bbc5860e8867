#include "engine/layout/pile_walk.h"

#include <algorithm>
#include <cstdlib>

#include "engine/model/card_code.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

bool IsFaceUp(const Engine& e, int code) { return code > 0 && e.cards.FaceChar(code) == kFaceUp; }

void AddPlaced(const Engine& e, ListId list, int count, std::vector<PileFan>& out) {
    for (int i = 0; i < count; ++i) {
        PileFan pile = DescribePile(e, PileRef{list, i});
        if (pile.Placed()) out.push_back(std::move(pile));
    }
}

std::vector<PileFan> PlacedPiles(const Engine& e) {
    std::vector<PileFan> piles;
    AddPlaced(e, ListId::Stock, kStockAreaPiles, piles);
    AddPlaced(e, ListId::Foundation, FoundationsInUse(e), piles);
    AddPlaced(e, ListId::Tableau, TableauInUse(e), piles);
    AddPlaced(e, ListId::Reserve, ReservesInUse(e), piles);
    return piles;
}

// Anchors less than a quarter of a card apart in height share a row: the
// rows of a pyramid or of peaks lie half a card apart.
int RowTolerance(const Engine& e) { return std::max(1, e.geometry.card.height / 4); }

// The anchor of a placed pile.
Point AnchorOf(const Engine& e, PileRef ref) {
    const PileFan pile = DescribePile(e, ref);
    return {pile.x, pile.y};
}

}  // namespace

std::vector<PileRef> WalkOrder(const Engine& e) {
    std::vector<PileFan> piles = PlacedPiles(e);
    std::stable_sort(piles.begin(), piles.end(), [](const PileFan& a, const PileFan& b) { return a.y < b.y; });
    // Rows: each pile joins the row of the first pile of it when close enough.
    const int tolerance = RowTolerance(e);
    std::vector<std::pair<int, const PileFan*>> rowed;
    int row_top = 0;
    int row = -1;
    for (const PileFan& pile : piles) {
        if (row < 0 || pile.y - row_top >= tolerance) {
            ++row;
            row_top = pile.y;
        }
        rowed.emplace_back(row, &pile);
    }
    std::stable_sort(rowed.begin(), rowed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->x < b.second->x;
    });
    std::vector<PileRef> order;
    order.reserve(rowed.size());
    for (const auto& [r, pile] : rowed) order.push_back(pile->ref);
    return order;
}

std::optional<PileRef> PileAcross(const Engine& e, PileRef from, bool down) {
    const Point at = AnchorOf(e, from);
    const int tolerance = RowTolerance(e);
    struct Candidate {
        PileRef ref;
        int dy = 0;
        int dx = 0;
    };
    std::vector<Candidate> candidates;
    for (const PileRef& ref : WalkOrder(e)) {
        const Point to = AnchorOf(e, ref);
        const int dy = down ? to.y - at.y : at.y - to.y;
        if (dy >= tolerance) candidates.push_back({ref, dy, std::abs(to.x - at.x)});
    }
    if (candidates.empty()) return std::nullopt;
    // The nearest row that way, then the pile of that row nearest sideways.
    int nearest = candidates.front().dy;
    for (const Candidate& c : candidates) nearest = std::min(nearest, c.dy);
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates)
        if (c.dy - nearest < tolerance && (!best || c.dx < best->dx)) best = &c;
    return best->ref;
}

std::vector<int> ChoosableCards(const Engine& e, PileRef ref) {
    const PileFan pile = DescribePile(e, ref);
    std::vector<int> out;
    if (pile.Count() == 0) return out;
    const bool single = pile.axis == FanAxis::Squared || ref.list == ListId::Stock ||
                        ref.list == ListId::Foundation;
    for (int i = pile.Count() - 1; i >= 0; --i) {
        const int code = pile.CodeAt(i);
        if (code <= 0) continue;  // a kept place, not a card
        if (single) {
            out.push_back(i);
            break;
        }
        if (IsFaceUp(e, code))
            out.push_back(i);
        else if (!IsPeakRow(e, pile))
            break;  // a face-down card ends what can be taken
    }
    return out;
}

ChosenCard ChooseCard(const Engine& e, PileRef ref, int depth) {
    const PileFan pile = DescribePile(e, ref);
    ChosenCard chosen;
    chosen.pile = ref;
    const std::vector<int> cards = ChoosableCards(e, ref);
    if (cards.empty()) {
        // An empty pile (or one of face-down cards only) is framed at its top.
        chosen.position = pile.Count() > 0 ? pile.Count() - 1 : -1;
        chosen.code = pile.Count() > 0 ? pile.Top() : 0;
        const Point place = pile.Count() > 0 ? CardPlace(e, pile, pile.Count() - 1) : Point{pile.x, pile.y};
        chosen.rect = CardRectAt(e, place);
        return chosen;
    }
    const int k = std::clamp(depth, 0, static_cast<int>(cards.size()) - 1);
    chosen.position = cards[static_cast<size_t>(k)];
    chosen.code = pile.CodeAt(chosen.position);
    chosen.rect = CardRectAt(e, CardPlace(e, pile, chosen.position));
    return chosen;
}

Rect FocusFrame(const Engine& e, const ChosenCard& chosen) {
    const PileFan pile = DescribePile(e, chosen.pile);
    Rect frame = chosen.rect;
    if (chosen.position < 0 || IsPeakRow(e, pile) || pile.axis == FanAxis::Arranged) return frame;
    // The chosen card and every card above it: the run a press would take.
    for (int i = chosen.position + 1; i < pile.Count(); ++i) {
        frame = Union(frame, CardRectAt(e, CardPlace(e, pile, i)));
    }
    return frame;
}

Point VisibleOffset(const Engine& e, const ChosenCard& chosen) {
    const PileFan pile = DescribePile(e, chosen.pile);
    int width = chosen.rect.Width();
    int height = chosen.rect.Height();
    const bool covered = chosen.position >= 0 && chosen.position + 1 < pile.Count() && !IsPeakRow(e, pile);
    if (covered && pile.axis != FanAxis::Squared && pile.axis != FanAxis::Arranged) {
        const Point next = CardPlace(e, pile, chosen.position + 1);
        if (next.y > chosen.rect.top) height = std::min(height, next.y - chosen.rect.top);
        if (next.x > chosen.rect.left) width = std::min(width, next.x - chosen.rect.left);
    }
    return {std::max(0, width / 2), std::max(0, height / 2)};
}

Rect PileArea(const Engine& e, PileRef ref) {
    const PileFan pile = DescribePile(e, ref);
    Rect area = CardRectAt(e, {pile.x, pile.y});
    for (int i = 0; i < pile.Count(); ++i) {
        area = Union(area, CardRectAt(e, CardPlace(e, pile, i)));
    }
    return area;
}

Point LandingPlace(const Engine& e, PileRef ref) {
    const PileFan pile = DescribePile(e, ref);
    return CardPlace(e, pile, pile.Count());
}

}  // namespace velmora
