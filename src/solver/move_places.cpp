#include "solver/move_places.h"

#include "engine/layout/card_positions.h"
#include "engine/model/main_game.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"

namespace velmora::solver {

namespace {

// The card-sized place `skip` cards below the top of `pile` as the layout
// counts them (0: where the next card would go).
Rect PlaceOnPile(const Engine& e, const std::string& pile, int skip) {
    const auto ref = ParsePileName(pile);
    if (!ref) return {};
    const int x = CardX(e, pile, ref->index, skip, true);
    const int y = CardY(e, pile, skip, true);
    if (!IsPlacedY(y)) return {};
    return {x, y, x + e.geometry.card.width, y + e.geometry.card.height};
}

// The top card of the pile, or the empty pile's own place.
Rect TopOfPile(const Engine& e, const std::string& pile) {
    const auto ref = ParsePileName(pile);
    if (!ref) return {};
    return PlaceOnPile(e, pile, PileCount(e.piles.Text(ref->list, ref->index)) > 0 ? 1 : 0);
}

}  // namespace

std::vector<Rect> MovePlaces(const Engine& e, const Move& move) {
    std::vector<Rect> places;
    const auto add = [&places](const Rect& rect) {
        if (!rect.IsEmpty()) places.push_back(rect);
    };
    for (const Input& input : move) {
        if (input.card > 0) add(CardRect(e, input.card));
        if (input.kind == Input::Kind::Drop) add(PlaceOnPile(e, input.pile, 0));
        else if (input.card == 0) add(TopOfPile(e, input.pile));
    }
    return places;
}

}  // namespace velmora::solver
