#include "engine/play/suit_runs.h"

#include <string>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/model/suit_map.h"

namespace velmora {

namespace {

constexpr int kRunCards = 13;

int EmptyRunFoundation(const Engine& e) {
    for (int f = 0; f < FoundationsInUse(e); ++f)
        if (e.R(80 + f) == kSuitRunFoundation && e.piles.foundations[static_cast<size_t>(f)].empty()) return f;
    return -1;
}

void MoveRun(Engine& e, int t, int f) {
    std::string& pile = e.piles.tableau[static_cast<size_t>(t)];
    const int first = PileCount(pile) - kRunCards;
    const int king = PileCodeAt(pile, first);
    for (int at = first; at < PileCount(pile); ++at) PileAppend(e, ListId::Foundation, f, PileCodeAt(pile, at), kFaceUp);
    pile.erase(static_cast<size_t>(first) * 3);
    e.view->AnimateCard(king, static_cast<int>(ListId::Tableau), t, static_cast<int>(ListId::Foundation), f);
    e.view->RepaintPile(static_cast<int>(ListId::Tableau), t);
    e.view->RepaintPile(static_cast<int>(ListId::Foundation), f);
    e.sounds->PlayEvent("Autoplay");
}

}  // namespace

bool UsesSuitRunFoundations(const Engine& e) {
    for (int f = 0; f < FoundationsInUse(e); ++f)
        if (e.R(80 + f) == kSuitRunFoundation) return true;
    return false;
}

int CompleteRunKing(const Engine& e, int t) {
    const std::string& pile = e.piles.Text(ListId::Tableau, t);
    const int first = PileCount(pile) - kRunCards;
    if (first < 0) return 0;
    const int king = PileCodeAt(pile, first);
    for (int k = 0; k < kRunCards; ++k) {
        const int code = PileCodeAt(pile, first + k);
        if (code < 1 || CardIsJoker(code) || e.cards.IsFaceDown(code)) return 0;
        if (CardRank(code) != kRunCards - k || ShownSuit(e, code) != ShownSuit(e, king)) return 0;
    }
    return king;
}

bool SendCompleteRunsHome(Engine& e) {
    if (!UsesSuitRunFoundations(e)) return false;
    bool sent = false;
    for (int t = 0; t < TableauInUse(e); ++t) {
        // A pile may hold a second complete run below the first (a deal can
        // put cards on an Ace).
        while (CompleteRunKing(e, t) != 0) {
            const int f = EmptyRunFoundation(e);
            if (f < 0) return sent;
            MoveRun(e, t, f);
            sent = true;
        }
    }
    return sent;
}

}  // namespace velmora
