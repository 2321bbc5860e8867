#include "engine/play/rule_interpreter.h"

#include "engine/model/pile_lists.h"
#include "engine/play/rule_context.h"

namespace velmora {

namespace {

// Build codes are numbered 0 .. 99; unlisted numbers in that space play as
// code 2. Anything beyond is not a rule at all and refuses.
constexpr int kLastBuildCode = 99;

enum class Family { Standard, AsTwo, BuildCodes, FoundationCodes, SourceCodes, Grid, Jokers, Steps };

Family FamilyOf(int code) {
    switch (code) {
        case 0: case 1: case 2: case 3: case 6: case 8: case 13:
            return Family::Standard;
        case 4: case 5: case 7: case 11: case 12: case 14: case 15: case 16: case 20: case 21:
        case 24: case 25: case 26: case 27: case 28: case 30: case 31: case 32: case 34: case 35:
        case 39: case 43: case 44: case 60: case 61: case 73: case 76: case 78: case 86: case 87:
        case 92: case 94: case 95: case 98:
            return Family::BuildCodes;
        case 29: case 36: case 37: case 41: case 42: case 46: case 47: case 49: case 50: case 51:
        case 52: case 53: case 77: case 82: case 83: case 96: case 97:
            return Family::FoundationCodes;
        case 17: case 18: case 19: case 23: case 33: case 38: case 40: case 45: case 48: case 54:
        case 55: case 56: case 79: case 80: case 81: case 99:
            return Family::SourceCodes;
        case 70: case 71:
            return Family::Grid;
        case 72: case 75:
            return Family::Jokers;
        case 91: case 93:
            return Family::Steps;
        default:
            return Family::AsTwo;
    }
}

// Inputs that no table position can produce are refused before any rule
// reads a pile.
bool InputsInRange(const PlaceInputs& in) {
    if (in.moving < 1 || in.moving > kLastCard) return false;
    if (in.target < -1 || in.target > kLastCard) return false;
    const int piles = in.foundation ? kFoundationPiles : kTableauPiles;
    if (in.pile < 0 || in.pile >= piles) return false;
    return in.build_code >= 0 && in.build_code <= kLastBuildCode;
}

// No tableau card may leave for a foundation (R[34] = 1) or anywhere (2, 3)
// while the stock or the waste still holds cards.
bool StockLocked(const RuleCtx& c) {
    const int lock = c.R(34);
    const bool applies = (c.in.foundation && lock == 1) || lock == 2 || lock == 3;
    return applies && !c.StockAndWasteEmpty() && c.FromTableau();
}

}  // namespace

PlaceResult CanPlaceCard(const Engine& e, const PlaceInputs& in, const MoveSpec& move) {
    if (!InputsInRange(in) || in.target == in.moving) return {};
    const RuleCtx c(e, in, move);
    if (StockLocked(c)) return {};

    auto verdict = [](bool ok) { return PlaceResult{ok, -1}; };
    switch (FamilyOf(in.build_code)) {
        case Family::Standard: return verdict(StandardPath(c, in.build_code));
        case Family::AsTwo: return verdict(StandardPath(c, 2));
        case Family::BuildCodes: return verdict(BuildCodeRule(c));
        case Family::FoundationCodes: return verdict(FoundationCodeRule(c));
        case Family::SourceCodes: return verdict(SourceCodeRule(c));
        case Family::Grid: return GridRule(c);
        case Family::Jokers: return verdict(JokerFoundationRule(c));
        case Family::Steps: return verdict(StepRule(c));
    }
    return {};
}

PlaceInputs FoundationDropInputs(const Engine& e, int i, int moving) {
    PlaceInputs in;
    const std::string& pile = e.piles.Text(ListId::Foundation, i);
    in.target = pile.empty() ? -1 : PileTop(pile);
    in.moving = moving;
    in.empty_rule = e.R(48 + i);
    in.drop = true;
    in.pile = i;
    in.wrap = 1;
    in.foundation = true;
    in.build_code = e.R(80 + i);
    in.direction = e.R(64 + i);
    in.base_rank = e.R(48 + i);
    return in;
}

PlaceInputs TableauDropInputs(const Engine& e, int i, int moving) {
    PlaceInputs in;
    const std::string& pile = e.piles.Text(ListId::Tableau, i);
    in.target = pile.empty() ? -1 : PileTop(pile);
    in.moving = moving;
    in.empty_rule = e.R(128 + i);
    in.drop = true;
    in.pile = i;
    in.wrap = e.R(212 + i);
    in.foundation = false;
    in.build_code = e.R(184 + i);
    in.direction = e.R(156 + i);
    in.base_rank = e.R(48);
    return in;
}

PlaceInputs DealPlacementInputs(const Engine& e, int i, int moving) {
    PlaceInputs in = FoundationDropInputs(e, i, moving);
    const std::string& pile = e.piles.Text(ListId::Foundation, i);
    in.target = pile.empty() ? 0 : PileTop(pile);
    in.drop = false;
    in.wrap = e.R(212 + i);
    in.base_rank = e.R(48);
    return in;
}

}  // namespace velmora
