// Redeal mode 7 (R[15]): the counted pass gathers the tableau, shuffles it
// and deals it out again.
#include <algorithm>
#include <vector>

#include "engine/deal/redeal_shuffle.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"
#include "engine/play/stock_actions.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr int kTableauDealt = 311;  // R[311]: cards dealt to the first tableau

int PassesMade(const Engine& e) { return e.main_game.Field(field::kPassCounter); }

}  // namespace

bool RedealTableaus(Engine& e, StepGuard& step) {
    std::vector<int> cards;
    for (int t = 0; t < TableauInUse(e); ++t)
        for (int code : PileCodes(e.piles.tableau[static_cast<size_t>(t)]))
            if (code > 0) cards.push_back(code);
    if (cards.empty()) return false;
    step.BeforeChange();
    AnnotateStep(e, ZeroPad(kRedealStep, 3));
    ShuffleForRedeal(cards, e.params.ParamRead(param::kDealNumber, 15), PassesMade(e));
    for (int t = 0; t < TableauInUse(e); ++t) e.piles.tableau[static_cast<size_t>(t)].clear();
    const int per_pile = std::max(1, e.R(kTableauDealt));
    for (size_t i = 0; i < cards.size(); ++i) {
        // The last pile takes what is left; further piles stay empty.
        const int pile = std::min(static_cast<int>(i) / per_pile, TableauInUse(e) - 1);
        PileAppend(e, ListId::Tableau, pile, cards[i], kFaceUp);
    }
    e.sounds->PlayEvent("Redeal");
    e.view->RepaintTable();
    return true;
}

int PassesInLog(const Engine& e) { return 1 + CountAnnotations(e, LogSide::Undo, kRedealStep); }

}  // namespace velmora
