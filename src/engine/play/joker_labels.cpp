#include "engine/play/joker_labels.h"

#include <string>
#include <vector>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

namespace {

constexpr int kFullFoundationLength = 42;  // 14 cards: a King is followed by nothing more

int LabelKey(int foundation, int position) { return 100 * foundation + position + 100; }

// The card the joker at unit i of the pile stands for.
void FillStandIn(const std::vector<int>& codes, size_t i, size_t pile_length, JokerLabel& label) {
    int rank = kNoJokerRank;
    int suit = -1;
    if (i == 0) {
        // At the bottom: the card below the one above it.
        if (codes.size() > 1) {
            rank = CardRank(codes[1]) - 1;
            suit = CardSuit(codes[1]);
        }
    } else {
        // On a card: the card after it, in the suit the foundation was started with.
        rank = CardRank(codes[i - 1]) + 1;
        suit = CardSuit(codes[0]);
        if (rank == 14 && pile_length < kFullFoundationLength) rank = 1;
    }
    if (rank < 1 || rank > 13) {
        rank = kNoJokerRank;
        suit = -1;
    }
    label.rank = rank;
    label.suit = suit;
}

}  // namespace

JokerLabel ComputeJokerLabel(const Engine& e) {
    JokerLabel label;
    const int used = FoundationsInUse(e);
    for (int f = 0; f < used; ++f) {
        const std::string& pile = e.piles.foundations[static_cast<size_t>(f)];
        const std::vector<int> codes = PileCodes(pile);
        for (size_t i = 0; i < codes.size(); ++i) {
            if (!CardIsJoker(codes[i])) continue;
            label.foundation = f;
            label.key = LabelKey(f, static_cast<int>(3 * i + 1));
            FillStandIn(codes, i, pile.size(), label);
            return label;
        }
    }
    const size_t last_length = used > 0 ? e.piles.foundations[static_cast<size_t>(used - 1)].size() : 0;
    label.foundation = used;
    label.key = LabelKey(used, static_cast<int>(last_length) + 1);
    return label;
}

bool ShowJokerLabels(Engine& e) {
    const JokerLabel label = ComputeJokerLabel(e);
    // Field 100 holds the key of the label on the table, -1 when none shows;
    // comparing what shows keeps repeated calls from redrawing anything.
    const int shown = label.Shows() ? label.key : -1;
    if (shown == e.main_game.Field(field::kJokerIndicator)) return false;
    e.main_game.SetField(field::kJokerIndicator, shown);
    e.view->ShowJokerLabel(label.foundation, label.rank, label.suit);
    return true;
}

}  // namespace velmora
