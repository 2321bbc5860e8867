#include "engine/play/scoring_codes.h"

#include <algorithm>
#include <string>

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

const std::string& Tableau(const Engine& e, int t) { return e.piles.tableau[static_cast<size_t>(t)]; }

}  // namespace

int SecondWasteCards(const Engine& e) { return PileCount(e.piles.stock_area[kSecondWasteIndex]); }

bool AnyTableauHoldsCards(const Engine& e) {
    for (int t = 0; t < TableauInUse(e); ++t)
        if (!Tableau(e, t).empty()) return true;
    return false;
}

int CardsOnTableaus(const Engine& e, int n) {
    int cards = 0;
    for (int t = 0; t < std::min(n, TableauInUse(e)); ++t) cards += PileCount(Tableau(e, t));
    return cards;
}

int OrderedBottomsScore(const Engine& e) {
    int score = -e.R(307);
    for (int t = 0; t < TableauInUse(e); ++t) {
        const int bottom = PileCodeAt(Tableau(e, t), 0);
        if (bottom != t + 1 && bottom != t + 14) break;
        score += 10;
    }
    return score;
}

int NineDownScore(const Engine& e) {
    int score = -e.R(307);
    for (int t = 0; t < TableauInUse(e); ++t)
        if (IsNineDownToAce(Tableau(e, t))) score += 225;
    return score;
}

int TopRanksScore(const Engine& e) {
    int ranks = 0;
    for (int t = 0; t < TableauInUse(e); ++t) {
        if (Tableau(e, t).empty()) break;
        ranks += CardRank(PileTop(Tableau(e, t)));
    }
    return ranks == 91 ? 150 : -e.R(307);
}

namespace {

// A sequence read card by card along the rows; it stays open from one row
// into the next.
class SequenceReader {
public:
    // Reads one card; returns the points it scores. With `wrapping` every
    // extending card scores 5 (the first row read a second time).
    int Read(int code, bool wrapping) {
        if (code == kNoCard) return Break();
        const int rank = CardRank(code);
        if (rank == 1) {
            Start(CardSuit(code));
            return 0;
        }
        if (!open_ || CardSuit(code) != suit_ || rank != last_rank_ + 1) return Break();
        const int points = (last_rank_ == 1 && !wrapping) ? 10 : 5;
        last_rank_ = rank;
        if (rank == 12) open_ = false;  // a Queen completes the sequence
        return points;
    }
    bool Open() const { return open_; }

private:
    void Start(int suit) {
        open_ = true;
        suit_ = suit;
        last_rank_ = 1;
    }
    int Break() {
        open_ = false;
        return 0;
    }

    bool open_ = false;
    int suit_ = -1;
    int last_rank_ = 0;
};

}  // namespace

int RowSequenceScore(const Engine& e) {
    int score = -32;
    SequenceReader reader;
    for (int t = 0; t < TableauInUse(e); ++t)
        for (int code : PileCodes(Tableau(e, t))) score += reader.Read(code, false);
    if (TableauInUse(e) == 0) return score;
    // The rows wrap: the sequence left open by the last row goes on at the
    // bottom of the first, up to its first Ace.
    for (int code : PileCodes(Tableau(e, 0))) {
        if (!reader.Open() || CardRank(code) == 1) break;
        score += reader.Read(code, true);
    }
    return score;
}

}  // namespace velmora
