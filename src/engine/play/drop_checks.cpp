#include "engine/play/drop_checks.h"

#include "engine/model/card_code.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/model/suit_map.h"
#include "engine/play/rule_interpreter.h"
#include "engine/play/run_checks.h"

namespace velmora {

namespace {

constexpr int kUnlimitedCapacity = -1;
constexpr int kFaceDownBuilds = 40;  // R[47]: face-down top cards may be built on

// Reserve rules R[268+i].
constexpr int kReserveClosed = 4;
constexpr int kReserveKings = 8;
constexpr int kReserveAnything = 12;
constexpr int kReserveSingles = 13;
constexpr int kReserveFaceCard = 9;
constexpr int kReserveNotFromTableau = 81;
constexpr int kReserveWasteCard = 85;
constexpr int kReserveJack = 88;
constexpr int kReserveQueen = 89;
constexpr int kReserveKing = 90;

bool AnyTableauTopCovers(const Engine& e, int card) {
    for (int t = 0; t < TableauInUse(e); ++t) {
        const std::string& pile = e.piles.tableau[static_cast<size_t>(t)];
        if (pile.empty()) continue;
        const int top = PileTop(pile);
        if (ShownSuit(e, top) != ShownSuit(e, card)) continue;
        if (CardRank(top) > CardRank(card) || CardRank(top) == 1) return true;
    }
    return false;
}

bool RanksNeighbour(int a, int b) {
    const int d = a - b;
    return d == 1 || d == -1 || (a == 1 && b == 13) || (a == 13 && b == 1);
}

}  // namespace

bool CanDropOnPile(Engine& e, const MoveSpec& move, std::string_view pile_name) {
    const auto ref = ParsePileName(pile_name);
    return ref && CanDropOnPile(e, move, *ref);
}

bool CanDropOnPile(Engine& e, const MoveSpec& move, PileRef pile) {
    switch (pile.list) {
        case ListId::Foundation: return CanDropOnFoundation(e, pile.index, move);
        case ListId::Tableau: return CanDropOnTableau(e, pile.index, move);
        case ListId::Reserve: return CanDropOnReserve(e, pile.index, move);
        case ListId::Stock: return false;
    }
    return false;
}

bool CanDropOnFoundation(Engine& e, int i, const MoveSpec& move) {
    if (i < 0 || i >= FoundationsInUse(e) || !move.single) return false;
    const std::string& pile = e.piles.foundations[static_cast<size_t>(i)];
    if (PileIndexOf(pile, move.card) >= 0) return false;  // its own pile
    const int code = e.R(80 + i);
    const int rank = CardRank(move.card);
    if (code == 10) return rank == 12 && pile.empty();
    if (code == 22) return rank != 1 && AnyTableauTopCovers(e, move.card);

    const int held = PileCount(pile);
    if (held >= e.R(31) && code != 20 && code != 29) return false;
    if (code == 20 && held >= 52) return false;
    return CanPlaceCard(e, FoundationDropInputs(e, i, move.card), move).accepted;
}

bool CanDropOnTableau(Engine& e, int i, const MoveSpec& move, int* jumped_tableau) {
    if (jumped_tableau) *jumped_tableau = -1;
    if (i < 0 || i >= TableauInUse(e)) return false;
    const std::string& pile = e.piles.tableau[static_cast<size_t>(i)];
    const bool empty = pile.empty();
    const int target = empty ? -1 : PileTop(pile);
    if (!empty && e.cards.IsFaceDown(target) && e.R(47) != kFaceDownBuilds) return false;
    const int capacity = e.R(32);
    if (capacity != kUnlimitedCapacity && PileCount(pile) >= capacity) return false;

    const PlaceResult placed = CanPlaceCard(e, TableauDropInputs(e, i, move.card), move);
    if (!placed) return false;
    if (e.R(184 + i) == 34 && !empty && !move.single) return false;
    if (!move.single) {
        if (e.R(2) != 0 && !IsValidRun(e, move.card, i)) return false;
        if (empty && (e.R(12) == -5 || e.R(12) == -20) && !IsRunLengthAllowed(e, move.card, true)) return false;
    }
    // Back onto the pile the run comes from.
    const std::vector<int> run = RunFrom(e, move.card);
    if (!run.empty() && target == run.back()) return false;

    if (jumped_tableau) *jumped_tableau = placed.jumped_tableau;
    return true;
}

bool CanDropOnReserve(Engine& e, int i, const MoveSpec& move) {
    if (i < 0 || i >= ReservesInUse(e)) return false;
    if (move.card < 1 || move.card > kLastCard) return false;
    const std::string& pile = e.piles.reserves[static_cast<size_t>(i)];
    if (PileIndexOf(pile, move.card) >= 0) return false;  // its own pile
    const int first_held = PileCount(e.piles.reserves[0]);
    const int rank = CardRank(move.card);
    const bool lone_into_empty = move.single && pile.empty();
    switch (e.R(268 + i)) {
        case kReserveClosed: return false;
        case kReserveKings: return move.single && rank == 13 && first_held < 3;
        case kReserveAnything: return true;
        case kReserveWasteCard: return move.single && move.source == kLocWaste;
        case kReserveSingles: return move.single && first_held < 5;
        case kReserveJack: return lone_into_empty && rank == 11;
        case kReserveQueen: return lone_into_empty && rank == 12;
        case kReserveKing: return lone_into_empty && rank == 13;
        case kReserveFaceCard: return lone_into_empty && CardIsFace(move.card);
        case kReserveNotFromTableau: return lone_into_empty && !LocatorIsTableau(move.source);
        default: return lone_into_empty;
    }
}

bool CanDropOnWaste(const Engine& e, const MoveSpec& move) {
    if (e.R(290) == 4 || e.R(289) != 2 || !move.single) return false;
    if (move.card < 1 || move.card > 104) return false;
    const std::string& waste = e.piles.stock_area[kWasteIndex];
    if (waste.empty() || PileIndexOf(waste, move.card) >= 0) return false;
    const int top = PileTop(waste);
    return ShownSuit(e, top) == ShownSuit(e, move.card) && RanksNeighbour(CardRank(top), CardRank(move.card));
}

}  // namespace velmora
