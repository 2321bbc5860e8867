#include "engine/play/moves_left.h"

#include <string>
#include <utility>
#include <vector>

#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/position_snapshot.h"
#include "engine/play/auto_moves_piles.h"
#include "engine/play/drag_moves.h"
#include "engine/play/move_log.h"
#include "engine/play/pointer.h"

namespace velmora {

namespace {

// The largest selection a removal game completes (a Jack, Queen and King).
constexpr int kLongestSelection = 3;
// Tableau fan mode of rows laid side by side, where removed cards leave
// empty slots and a card inside a row may be free.
constexpr int kSideBySideRows = 4;

// The position without the selection of a removal game, which a click
// changes without moving anything.
std::vector<std::string> TablePosition(const Engine& e) {
    std::vector<std::string> lines;
    EncodePosition(e, lines);
    if (KeepsSelection(e)) lines[kStockAreaPiles].clear();
    return lines;
}

// True when some sequence of at most `depth` left clicks changes the table;
// a click that only changes the selection leads to the next click.
bool ClicksChangeTable(const Engine& e, int depth) {
    const std::vector<std::string> before = TablePosition(e);
    const std::string selection_before = e.piles.Text(ListId::Foundation, 0);
    for (const PilePress& press : CandidatePresses(e)) {
        Engine tried;
        CopyQuietly(e, tried);
        const PressResult result = PointerPress(tried, press.pile, press.card, Button::Left, false);
        // Drags are listed apart; a pick-up alone changes nothing.
        if (result.kind == PressResult::PickUp || result.kind == PressResult::Peek) continue;
        PointerRelease(tried, result, {}, false);
        if (TablePosition(tried) != before) return true;
        if (depth > 1 && tried.piles.Text(ListId::Foundation, 0) != selection_before &&
            ClicksChangeTable(tried, depth - 1))
            return true;
    }
    return false;
}

}  // namespace

std::vector<PilePress> CandidatePresses(const Engine& e) {
    std::vector<PilePress> presses;
    // In the games played by selection any free card may be pressed, and
    // free cards lie inside the pyramid's rows as well as on top; so they
    // do in any tableau of side-by-side rows.
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve}) {
        const bool inside = KeepsSelection(e) || (list == ListId::Tableau && e.R(3) == kSideBySideRows);
        for (int i = 0; i < ListSize(list); ++i) {
            const PileRef pile{list, i};
            if (!InLayout(e, list, i)) continue;
            const std::string name = PileName(pile);
            const std::string& text = e.piles.Text(list, i);
            const int count = PileCount(text);
            if (count == 0) {
                if (list == ListId::Stock) presses.push_back({name, 0});
                continue;
            }
            for (int at = inside ? 0 : count - 1; at < count; ++at) {
                const int card = PileCodeAt(text, at);
                if (card <= 0) continue;
                if (at == count - 1 || !e.cards.IsFaceDown(card)) presses.push_back({name, card});
            }
        }
    }
    return presses;
}

bool AnyMoveLeft(const Engine& e) {
    if (!e.flags.Get(flag::kInProgress)) return false;
    Engine tried;
    CopyQuietly(e, tried);
    if (!ListDragMoves(tried).empty()) return true;
    return ClicksChangeTable(tried, KeepsSelection(e) ? kLongestSelection : 1);
}

}  // namespace velmora
