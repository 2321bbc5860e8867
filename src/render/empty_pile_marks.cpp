#include "render/empty_pile_marks.h"

#include "engine/model/engine.h"
#include "engine/model/pile_string.h"

namespace velmora {

namespace {

constexpr int kUnlimitedPasses = -1;
constexpr int kNoMarkRank = 94;
constexpr int kQueenBaseCode = 10;  // foundation base rule: a queen starts it
// Foundations filled by the game itself (whole suit runs, a discard pile):
// their base rank says nothing the player could act on, so they show the
// plain outline.
constexpr int kRunsFoundationCode = 98;
constexpr int kDiscardFoundationCode = 99;
constexpr int kStarReserves = 9;
constexpr int kKingReserves = 8;

int PassesMade(const Engine& e) { return e.main_game.Field(field::kPassCounter); }

// Another pass through the stock is allowed.
bool PassAllowed(const Engine& e) {
    return e.R(15) >= 1 && (e.R(14) == kUnlimitedPasses || PassesMade(e) < e.R(14));
}

}  // namespace

std::optional<std::string> RankMark(int rank) {
    switch (rank) {
        case 1: case 58: case 81: case 85: return "010";
        case 2: case 90: return "012";
        case 3: return "013";
        case 4: return "014";
        case 5: return "015";
        case 6: return "016";
        case 7: return "017";
        case 8: return "018";
        case 9: return "019";
        case 10: return "020";
        case 11: return "006";
        case 12: return "003";
        case 13: case 64: case 84: return "011";
        case kNoMarkRank: return "";
        default: return std::nullopt;
    }
}

std::string StockMark(const Engine& e) {
    const int code = e.R(47);
    if (code == 8 || code == 45 || code == 50) return "021";
    if (PassAllowed(e)) return "022";
    const bool stock_empty = e.piles.stock_area[kStockIndex].empty();
    if (stock_empty && PileCount(e.piles.stock_area[kWasteIndex]) <= 1) return "008";
    if (e.R(14) < 0 || PassesMade(e) < e.R(14)) return "022";
    return "008";
}

std::string WasteMark(const Engine& e) {
    if (e.R(8) == 1) return "_WASTE";
    if (e.R(14) == 0) return "008";
    if (e.R(15) < 1 || e.R(8) != 0) return "";
    if (e.R(14) != kUnlimitedPasses && PassesMade(e) >= e.R(14)) return "008";
    return "022";
}

std::string FoundationMark(const Engine& e, int index) {
    const int code = e.R(80 + index);
    if (code == kQueenBaseCode) return "003";
    if (code == kRunsFoundationCode || code == kDiscardFoundationCode) return "004";
    return RankMark(e.R(48 + index)).value_or("004");
}

std::string ReserveMark(const Engine& e, int index) {
    const int kind = e.R(268);
    if (kind == kStarReserves) return "009";
    if (kind == kKingReserves) return "011";
    switch (e.R(268 + index)) {
        case 88: return "006";
        case 89: return "003";
        case 90: return "011";
        default: return "001";
    }
}

std::string TableauMark(const Engine& e, int index) {
    if (const auto mark = RankMark(e.R(128 + index))) return *mark;
    return e.R(128) != 0 ? "004" : "_TABLEAU";
}

std::string EmptyPileMark(const Engine& e, PileRef pile) {
    switch (pile.list) {
        case ListId::Stock:
            if (pile.index == kStockIndex) return StockMark(e);
            return pile.index == kWasteIndex ? WasteMark(e) : "_WASTE";
        case ListId::Foundation: return FoundationMark(e, pile.index);
        case ListId::Reserve: return ReserveMark(e, pile.index);
        case ListId::Tableau: return TableauMark(e, pile.index);
    }
    return "";
}

}  // namespace velmora
