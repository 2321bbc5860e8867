#include "engine/play/face_up.h"

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"

namespace velmora {

void TurnFaceUp(Engine& e, int card, int tableau_index) {
    const std::string* pile = e.piles.Pile(ListId::Tableau, tableau_index);
    if (!pile || PileIndexOf(*pile, card) < 0 || !e.cards.IsFaceDown(card)) return;
    PushSnapshot(e, LogSide::Undo, false);
    e.cards.SetFaceState(card, kFaceUp);
    // A new step: what was undone cannot be redone over it.
    PushSnapshot(e, LogSide::Redo, true);
    e.view->RepaintPile(static_cast<int>(ListId::Tableau), tableau_index);
    e.sounds->PlayEvent("Face_up");
}

bool TurnExposedCardsUp(Engine& e) {
    if (e.params.ParamRead(param::kAutoFaceUp, 1) == "N" || e.R(41) == 0) return false;
    bool turned = false;
    for (int t = 0; t < TableauInUse(e); ++t) {
        const int top = PileTop(e.piles.tableau[static_cast<size_t>(t)]);
        if (!e.cards.IsFaceDown(top)) continue;
        TurnFaceUp(e, top, t);
        turned = true;
    }
    return turned;
}

}  // namespace velmora
