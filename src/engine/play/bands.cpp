#include "engine/play/bands.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/model/piles.h"
#include "engine/model/pile_string.h"
#include "engine/play/selection.h"

namespace velmora {

namespace {

constexpr int kBands = 3;
constexpr int kLastBandedTableau = kBands * kBandSize;  // 21 belongs to the third band

// The tableaus [first, end) of t's band that the game uses; empty for a
// tableau in no band.
void BandRange(const Engine& e, int t, int& first, int& end) {
    const int band = TableauBand(t);
    first = band < 0 ? 0 : band * kBandSize;
    end = band < 0 ? 0 : std::clamp(TableauInUse(e), first, first + kBandSize);
}

const std::string& Tableau(const Engine& e, int t) { return e.piles.tableau[static_cast<size_t>(t)]; }

// Moves the whole of tableau `from` onto the empty tableau `to`, bottom
// card first, so the cards keep their order and their face states.
void MovePile(Engine& e, int from, int to) {
    std::string& source = e.piles.tableau[static_cast<size_t>(from)];
    std::string& target = e.piles.tableau[static_cast<size_t>(to)];
    const int list = static_cast<int>(ListId::Tableau);
    const bool sound = e.params.IsYes(177);
    while (source.size() >= 3) {
        const int card = PileCodeAt(source, 0);
        target += source.substr(0, 3);
        source.erase(0, 3);
        e.view->AnimateCard(card, list, from, list, to);
        if (sound) e.sounds->PlayEvent("Shuffle");
        e.view->RepaintPile(list, to);
    }
    source.clear();
    e.view->RepaintPile(list, from);
}

}  // namespace

int TableauBand(int t) {
    if (t < 0 || t > kLastBandedTableau) return -1;
    return std::min(t / kBandSize, kBands - 1);
}

bool TwoApartInBand(int a, int b) {
    return TableauBand(a) >= 0 && TableauBand(a) == TableauBand(b) && std::abs(a - b) == 2;
}

void CloseBandGaps(Engine& e, int t) {
    int first = 0;
    int end = 0;
    BandRange(e, t, first, end);
    for (;;) {
        const auto gap = std::find_if(e.piles.tableau.begin() + first, e.piles.tableau.begin() + end,
                                      [](const std::string& pile) { return pile.empty(); });
        const auto filled = std::find_if(gap, e.piles.tableau.begin() + end,
                                         [](const std::string& pile) { return !pile.empty(); });
        if (filled == e.piles.tableau.begin() + end) return;
        MovePile(e, static_cast<int>(filled - e.piles.tableau.begin()),
                 static_cast<int>(gap - e.piles.tableau.begin()));
    }
}

bool BandHasOnePile(const Engine& e, int t) {
    int first = 0;
    int end = 0;
    BandRange(e, t, first, end);
    int holding = 0;
    for (int i = first; i < end; ++i) holding += Tableau(e, i).empty() ? 0 : 1;
    return holding == 1;
}

}  // namespace velmora
