#include "engine/play/drag_moves.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/drop_checks.h"
#include "engine/play/move_description.h"
#include "engine/play/pickup_rules.h"

namespace velmora {

namespace {

// What the drop candidates of the game allow, beside the drop checks: no
// tableau targets in the slot layouts (fan modes 8, 9) or under R[47] 32
// and 46, and only tableau cards to foundations before the first move when
// R[39] asks for it.
struct DropTargets {
    bool first_move_only = false;
    bool tableaus = true;
};

DropTargets TargetsOf(const Engine& e) {
    DropTargets t;
    t.first_move_only = e.R(39) == 1 && e.main_game.Field(field::kMoveCounter) == 0;
    const int fan = e.R(3);
    const int special = e.R(47);
    t.tableaus = fan != 8 && fan != 9 && special != 32 && special != 46;
    return t;
}

std::vector<PileRef> SourcePiles(const Engine& e) {
    std::vector<PileRef> piles{{ListId::Stock, kWasteIndex}};
    for (int f = 0; f < FoundationsInUse(e); ++f) piles.push_back({ListId::Foundation, f});
    for (int t = 0; t < TableauInUse(e); ++t) piles.push_back({ListId::Tableau, t});
    for (int r = 0; r < ReservesInUse(e); ++r) piles.push_back({ListId::Reserve, r});
    return piles;
}

void AddDrops(Engine& e, const MoveSpec& move, const std::string& from, const DropTargets& targets,
              std::vector<DragMove>& out) {
    auto add = [&](PileRef to) { out.push_back({move.card, from, PileName(to)}); };
    for (int f = 0; f < FoundationsInUse(e); ++f)
        if (CanDropOnFoundation(e, f, move)) add({ListId::Foundation, f});
    if (targets.first_move_only) return;
    if (targets.tableaus)
        for (int t = 0; t < TableauInUse(e); ++t)
            if (CanDropOnTableau(e, t, move)) add({ListId::Tableau, t});
    for (int r = 0; r < ReservesInUse(e); ++r)
        if (CanDropOnReserve(e, r, move)) add({ListId::Reserve, r});
    if (CanDropOnWaste(e, move)) add({ListId::Stock, kWasteIndex});
}

}  // namespace

int PileSortKey(std::string_view name) {
    const auto ref = ParsePileName(name);
    if (!ref) return kAllPiles;
    int key = ref->index;
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve}) {
        if (list == ref->list) return key;
        key += ListSize(list);
    }
    return kAllPiles;
}

std::vector<DragMove> ListDragMoves(Engine& e) {
    const int run_top = e.main_game.Field(field::kRunTopCard);
    const DropTargets targets = TargetsOf(e);
    std::vector<DragMove> moves;
    for (const PileRef& ref : SourcePiles(e)) {
        if (targets.first_move_only && ref.list != ListId::Tableau) continue;
        const std::string pile = e.piles.Text(ref.list, ref.index);
        const std::string from = PileName(ref);
        for (int at = 0; at < PileCount(pile); ++at) {
            if (!CanPickUp(e, ref, at)) continue;
            const MoveSpec move = DescribeMove(e, PileCodeAt(pile, at));
            AddDrops(e, move, from, targets, moves);
        }
    }
    e.main_game.SetField(field::kRunTopCard, run_top);
    // The sort keys are read from the names once, not at every comparison.
    using Keyed = std::tuple<int, int, int, size_t>;
    std::vector<Keyed> keyed;
    keyed.reserve(moves.size());
    for (size_t k = 0; k < moves.size(); ++k)
        keyed.emplace_back(PileSortKey(moves[k].from), moves[k].code, PileSortKey(moves[k].to), k);
    std::sort(keyed.begin(), keyed.end());
    std::vector<DragMove> sorted;
    sorted.reserve(moves.size());
    for (const Keyed& k : keyed) sorted.push_back(std::move(moves[std::get<3>(k)]));
    return sorted;
}

}  // namespace velmora
