#include "engine/play/scoring.h"

#include <string>

#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/joker_labels.h"
#include "engine/play/scoring_codes.h"
#include "engine/play/win_condition.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr int kPointsPerCard = 5;
constexpr int kScoreWidth = 6;

bool ScoringOn(const Engine& e) { return e.params.ParamRead(param::kScoringScheme, 2) == kScoringOn; }

void StoreScore(Engine& e, int score) {
    const std::string text = std::to_string(score);
    e.params.ParamWrite(param::kScore, kScoreWidth, text);
    e.view->ShowScore(text);
}

}  // namespace

int StandardScore(const Engine& e) {
    if (!ScoringOn(e)) return 0;
    int cards = e.R(44) + SecondWasteCards(e);
    for (int f = 0; f < FoundationsInUse(e); ++f) cards += PileCount(e.piles.foundations[static_cast<size_t>(f)]);
    return kPointsPerCard * cards - e.R(307) - kPointsPerCard * e.R(310);
}

int ComputeScore(const Engine& e) {
    const int cards = e.R(307);
    switch (e.R(47)) {
        case 9:
        case 32:
        case 36:
        case 38:
        case 40:
        case 41:
        case 42: return 0;
        case 34: return OrderedBottomsScore(e);
        case 35: return 10 * SecondWasteCards(e) - cards;
        case 37: return 10 * (SecondWasteCards(e) / 2) - 52 - e.main_game.Field(field::kScoreCounter);
        case 39: return 7 * (SecondWasteCards(e) / 2) - 52 - e.main_game.Field(field::kScoreCounter);
        case 43: return NineDownScore(e);
        case 44: return TopRanksScore(e);
        case 46: return RowSequenceScore(e);
        case 47: return AnyTableauHoldsCards(e) ? kPointsPerCard * SecondWasteCards(e) - cards : 4 * cards;
        case 48:
            return kPointsPerCard * e.R(44) + kPointsPerCard * PileCount(e.piles.foundations[1]) - cards;
        case 49: return kPointsPerCard * e.R(44) - cards + kPointsPerCard * CardsOnTableaus(e, 24);
        case 51: {
            // Clearing the peaks scores the cards the stock still holds too.
            const bool cleared = ScoringOn(e) && IsGameWon(e);
            return StandardScore(e) + (cleared ? kPointsPerCard * PileCount(e.piles.stock_area[kStockIndex]) : 0);
        }
        default: return StandardScore(e);
    }
}

void RecomputeScore(Engine& e) {
    if (e.R(47) != 9) StoreScore(e, ComputeScore(e));
    if (e.R(80) == 72 || e.R(80) == 75) ShowJokerLabels(e);
}

void AddFoundationBonus(Engine& e, int n) {
    if (!ScoringOn(e) || e.R(47) == 9) return;
    StoreScore(e, StoredScore(e) + kPointsPerCard * n);
}

int StoredScore(const Engine& e) {
    int64_t score = 0;
    if (!ParseInt(e.params.ParamRead(param::kScore, kScoreWidth), score)) return 0;
    return static_cast<int>(score);
}

}  // namespace velmora
