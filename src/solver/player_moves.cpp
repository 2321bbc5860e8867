#include "solver/player_moves.h"

#include "engine/model/pile_names.h"
#include "engine/play/player_input.h"

namespace velmora::solver {

std::string DriverWords(const Input& input) {
    switch (input.kind) {
        case Input::Kind::Drop: return "drop " + std::to_string(input.card) + " " + input.pile;
        case Input::Kind::Click: return "click " + input.pile + " " + std::to_string(input.card);
        case Input::Kind::Press: break;
    }
    if (input.card == 0) return "press " + input.pile;
    return "press " + input.pile + " " + std::to_string(input.card);
}

bool PlayInput(Engine& e, const Input& input) {
    switch (input.kind) {
        case Input::Kind::Drop: {
            const auto to = ParsePileName(input.pile);
            return to && CarryAndDrop(e, input.card, DropCandidateOf(*to));
        }
        case Input::Kind::Click: return DoubleClickCard(e, input.pile, input.card);
        case Input::Kind::Press: break;
    }
    return PressAndRelease(e, input.pile, input.card);
}

bool PlayMove(Engine& e, const Move& move) {
    bool acted = false;
    for (const Input& input : move) acted = PlayInput(e, input) || acted;
    return acted;
}

}  // namespace velmora::solver
