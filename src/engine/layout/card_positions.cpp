// Where a card of a pile lies and where a pile ends.
#include "engine/layout/card_positions.h"

#include <algorithm>

#include "engine/layout/pile_fan.h"
#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"

namespace velmora {

namespace {

constexpr int kFoundationOnTableauRule = 49;

// The cards a question is about: `left` remain once the top `skip` are
// taken away; `below` lie under the card asked for.
struct Asked {
    int left = 0;
    int below = 0;
};

Asked AskedFor(const PileFan& pile, int skip, bool next) {
    Asked a;
    a.left = std::max(0, pile.Count() - std::max(0, skip));
    a.below = next ? a.left : std::max(0, a.left - 1);
    return a;
}

// Rule code 49 lays a card for foundation i on tableau i while that tableau
// holds one card that is not its base rank.
bool RestsOnTableau(const Engine& e, const PileFan& pile, int& y) {
    if (pile.ref.list != ListId::Foundation || e.R(47) != kFoundationOnTableauRule) return false;
    const int t = pile.ref.index;
    const std::string& tableau = e.piles.Text(ListId::Tableau, t);
    if (PileCount(tableau) != 1 || CardRank(PileTop(tableau)) == e.R(128 + t)) return false;
    y = TableauY(e.tableau_anchors, e.main_game, t);
    return true;
}

}  // namespace

int CardY(const Engine& e, std::string_view name, int skip, bool next) {
    const auto pile = DescribePile(e, name);
    if (!pile) return 0;
    if (pile->ref.list == ListId::Stock) return pile->y;
    const Asked a = AskedFor(*pile, skip, next);
    // The step of mode 7 is taken for a card asked for below the top as for
    // a card laid on the pile.
    const bool step_once = a.left >= 1 && (next || skip > 0 || a.left >= 2);
    int y = FanY(e, *pile, a.below, step_once);
    if (next) RestsOnTableau(e, *pile, y);
    return y;
}

int CardX(const Engine& e, std::string_view name, int pile_index, int skip, bool next) {
    const auto pile = DescribePile(e, name);
    if (!pile) return 0;
    const Asked a = AskedFor(*pile, skip, next);
    if (pile->ref.list == ListId::Stock) return CardPlace(e, *pile, a.below).x;
    // The hand-laid shift goes by the count of cards up to the one asked
    // for, counting a laid or skipped-to card as one more.
    const int counted = skip > 0 || next ? a.left + 1 : pile->Count();
    return FanX(e, *pile, a.below) + HandLaidShift(e, *pile, pile_index, counted - 1);
}

int PileBottom(const Engine& e, std::string_view name) {
    const auto pile = DescribePile(e, name);
    return pile ? FanBottom(e, *pile) : 0;
}

}  // namespace velmora
