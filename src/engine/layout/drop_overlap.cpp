#include "engine/layout/drop_overlap.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/layout/pile_fan.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

constexpr int kEdgeProbeStep = 50;
constexpr int kWasteNeverTakesDrops = 4;  // R[290]

bool OnPile(const Rect& pile, int x, int y) {
    return x >= pile.left && x <= pile.right && y >= pile.top && y <= pile.bottom;
}

// A tall run can cross a pile with neither of its corners on it.
bool EdgeCrosses(const Rect& pile, const Rect& dragged) {
    for (int y = dragged.top; y <= dragged.bottom; y += kEdgeProbeStep)
        if (OnPile(pile, dragged.left, y) || OnPile(pile, dragged.right, y)) return true;
    return false;
}

// The pile holding the card and the card's place in it.
std::optional<std::pair<PileFan, int>> FindPileOf(const Engine& e, int card) {
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve}) {
        for (int i = 0; i < ListSize(list); ++i) {
            const int position = PileIndexOf(e.piles.Text(list, i), card);
            if (position >= 0) return std::make_pair(DescribePile(e, PileRef{list, i}), position);
        }
    }
    return std::nullopt;
}

int DraggedHeight(const Engine& e, int card) {
    const int height = e.geometry.card.height;
    const auto source = card > 0 ? FindPileOf(e, card) : std::nullopt;
    if (!source || source->first.axis != FanAxis::Vertical) return height;
    const auto& [pile, position] = *source;
    return std::max(height, FanBottom(e, pile) - CardPlace(e, pile, position).y);
}

void AddIfCovered(const Engine& e, PileRef ref, int kind, const Rect& dragged, std::vector<DropCandidate>& out) {
    const PileFan pile = DescribePile(e, ref);
    if (!pile.Placed()) return;
    const Rect top = CardRectAt(e, CardPlace(e, pile, pile.Count() - 1));
    const int overlap = OverlapValue(top, dragged);
    if (overlap > 0) out.push_back({kind, ref.index, overlap});
}

}  // namespace

int OverlapValue(const Rect& pile, const Rect& d) {
    if (OnPile(pile, d.left, d.top)) return (pile.right - d.left) * (pile.bottom - d.top);
    if (OnPile(pile, d.right, d.bottom)) return (d.right - pile.left) * (d.bottom - pile.top);
    if (OnPile(pile, d.right, d.top)) return (d.right - pile.left) * (pile.bottom - d.top);
    if (OnPile(pile, d.left, d.bottom)) return (pile.right - d.left) * (d.bottom - pile.top);
    if (!EdgeCrosses(pile, d)) return 0;
    const int across = std::min(pile.right, d.right) - std::max(pile.left, d.left);
    return across * d.Height();
}

Rect DraggedRect(const Engine& e, int x, int y, int dragged_card) {
    return {x, y, x + e.geometry.card.width, y + DraggedHeight(e, dragged_card)};
}

std::vector<DropCandidate> DropCandidatesAt(const Engine& e, int x, int y, int dragged_card) {
    const Rect dragged = DraggedRect(e, x, y, dragged_card);
    std::vector<DropCandidate> found;
    for (int i = 0; i < kFoundationPiles; ++i)
        AddIfCovered(e, {ListId::Foundation, i}, kKindFoundation, dragged, found);
    const int fan = e.R(3);
    if (fan != 8 && fan != 9)
        for (int i = 0; i < TableauInUse(e); ++i) AddIfCovered(e, {ListId::Tableau, i}, kKindTableau, dragged, found);
    for (int i = 0; i < ReservesInUse(e); ++i) AddIfCovered(e, {ListId::Reserve, i}, kKindReserve, dragged, found);
    if (e.R(290) != kWasteNeverTakesDrops)
        AddIfCovered(e, {ListId::Stock, kWasteIndex}, kKindWaste, dragged, found);
    return OrderDropCandidates(std::move(found));
}

}  // namespace velmora
