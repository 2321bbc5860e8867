#include "engine/play/player_input.h"

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"
#include "engine/play/pointer.h"

namespace velmora {

std::string PileOfCard(const Engine& e, int card) {
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve}) {
        for (int i = 0; i < ListSize(list); ++i) {
            if (list == ListId::Foundation && i == 0 && KeepsSelection(e)) continue;
            if (PileIndexOf(e.piles.Text(list, i), card) >= 0) return PileName({list, i});
        }
    }
    return {};
}

std::vector<DropCandidate> DropCandidateOf(PileRef pile) {
    constexpr int kWholeCard = 1;
    switch (pile.list) {
        case ListId::Stock:
            if (pile.index != kWasteIndex) return {};
            return {{kKindWaste, pile.index, kWholeCard}};
        case ListId::Foundation: return {{kKindFoundation, pile.index, kWholeCard}};
        case ListId::Tableau: return {{kKindTableau, pile.index, kWholeCard}};
        case ListId::Reserve: return {{kKindReserve, pile.index, kWholeCard}};
    }
    return {};
}

bool CarryAndDrop(Engine& e, int card, const std::vector<DropCandidate>& candidates) {
    const PressResult picked = PickUpToDrag(e, PileOfCard(e, card), card);
    if (picked.kind != PressResult::PickUp) return false;
    return PointerRelease(e, picked, candidates, true);
}

bool PressAndRelease(Engine& e, const std::string& pile, int card) {
    const PressResult press = PointerPress(e, pile, card, Button::Left, false);
    const bool released = PointerRelease(e, press, {}, false);
    return press.kind == PressResult::Handled || released;
}

bool DoubleClickCard(Engine& e, const std::string& pile, int card) {
    const bool moved = PointerDoubleClick(e, pile, card);
    // The gesture is the whole double click: its second press is the one
    // the double click asked to ignore, and the release follows.
    e.flags.Set(flag::kIgnoreNextPress, false);
    PointerRelease(e, PressResult{}, {}, false);
    return moved;
}

}  // namespace velmora
