#include "engine/play/auto_moves.h"

#include <optional>
#include <string>

#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/play/end_game.h"
#include "engine/play/pickup_rules.h"
#include "engine/play/run_checks.h"

namespace velmora {

namespace {

// Parameter positions of the click settings.
constexpr int kRightClickToFoundations = 247;
constexpr int kRightClickToTableaus = 248;
constexpr int kDoubleClickToFoundations = 249;
constexpr int kDoubleClickToTableaus = 251;

struct ClickDestinations {
    bool foundations = false;  // the reserves go with them
    bool tableaus = false;
};

ClickDestinations DestinationsOf(const Engine& e, ClickKind kind) {
    const bool every_click = e.R(36) == 1;
    const bool dbl = kind == ClickKind::Double;
    return {every_click || e.params.IsYes(dbl ? kDoubleClickToFoundations : kRightClickToFoundations),
            every_click || e.params.IsYes(dbl ? kDoubleClickToTableaus : kRightClickToTableaus)};
}

// Whether the card may leave its pile by a click, and if so whether it goes
// alone (true) or with the cards above it (false).
std::optional<bool> LeavingMove(Engine& e, int card, std::string_view pile) {
    const std::optional<PileRef> ref = ParsePileName(pile);
    if (!ref) return std::nullopt;
    const std::string& text = e.piles.Text(ref->list, ref->index);
    const int position = PileIndexOf(text, card);
    if (position < 0) return std::nullopt;
    const bool top = position == PileCount(text) - 1;
    const bool face_up = !e.cards.IsFaceDown(card);
    switch (ref->list) {
        case ListId::Foundation:
            if (top && (e.R(17) == 1 || (e.R(17) == 2 && PileCount(text) >= 2))) return true;
            return std::nullopt;
        case ListId::Stock:
            if (ref->index == kWasteIndex && top) return true;
            return std::nullopt;
        case ListId::Tableau:
            if (e.R(12) == 0 || !face_up) return std::nullopt;
            if (top) return true;
            if (IsRunLengthAllowed(e, card, false)) return false;
            return std::nullopt;
        case ListId::Reserve:
            if (top && face_up) return true;
            if (face_up && LeavesAlone(e, *ref)) return true;
            if (e.R(13) == -11) return top;
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

bool ClickMove(Engine& e, int card, std::string_view pile, ClickKind kind) {
    if (!e.flags.Get(flag::kInProgress)) return false;
    if (kind == ClickKind::Double && pile == "Mazzo") {
        e.flags.Set(flag::kIgnoreNextPress, false);
        return false;
    }
    const ClickDestinations to = DestinationsOf(e, kind);
    if (!to.foundations && !to.tableaus) return false;
    // The second press of the double click must not pick the card up again.
    if (kind == ClickKind::Double) e.flags.Set(flag::kIgnoreNextPress, true);
    const std::optional<bool> single = LeavingMove(e, card, pile);
    if (!single) return false;
    const bool moved = SendCardAway(e, card, pile, *single, to.tableaus, to.foundations, to.foundations, false);
    if (e.flags.Get(flag::kFinished)) EndGame(e);
    return moved;
}

}  // namespace velmora
