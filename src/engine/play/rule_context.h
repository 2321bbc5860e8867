#pragma once
// Shared by the rule families of the interpreter: the question being asked
// and the table facts the rules read. Internal to engine/play.

#include <string>

#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "engine/model/suit_map.h"
#include "engine/play/move_description.h"
#include "engine/play/rule_interpreter.h"

namespace velmora {

struct RuleCtx {
    RuleCtx(const Engine& engine, const PlaceInputs& inputs, const MoveSpec& move_spec)
        : e(engine), in(inputs), move(move_spec), t(CardRank(inputs.target)), s(CardRank(inputs.moving)) {}

    const Engine& e;
    const PlaceInputs& in;
    const MoveSpec& move;
    int t;  // rank of the target (-1 or 0 when there is none)
    int s;  // rank of the moving card

    int R(int n) const { return e.R(n); }
    bool Empty() const { return in.target < 1; }
    // Suits and colours as the cards show them (decks of fewer suits).
    int Suit(int code) const { return ShownSuit(e, code); }
    bool SameSuit() const { return Suit(in.target) == Suit(in.moving); }
    bool SameColour() const { return ShownRed(e, in.target) == ShownRed(e, in.moving); }

    bool Up(int k = 1) const { return s == t + k; }
    bool Down(int k = 1) const { return s == t - k; }
    bool KingOnAce() const { return t == 1 && s == 13; }
    bool AceOnKing() const { return t == 13 && s == 1; }

    bool FromTableau() const { return LocatorIsTableau(move.source); }
    bool FromReserve() const { return LocatorIsReserve(move.source); }
    bool FromFoundation() const { return LocatorIsFoundation(move.source); }
    bool FromStock() const { return move.source == -99; }
    bool FromWaste() const { return move.source == -98; }

    // Piles by index; "" for an index outside the list.
    const std::string& Tableau(int i) const { return e.piles.Text(ListId::Tableau, i); }
    const std::string& Foundation(int i) const { return e.piles.Text(ListId::Foundation, i); }
    const std::string& Reserve(int i) const { return e.piles.Text(ListId::Reserve, i); }
    // The tableau with the destination's index, which some foundation codes
    // read as well.
    const std::string& DestTableau() const { return Tableau(in.pile); }
    // The destination pile itself.
    const std::string& Dest() const { return in.foundation ? Foundation(in.pile) : Tableau(in.pile); }
    const std::string& Stock() const { return e.piles.stock_area[kStockIndex]; }
    const std::string& Waste() const { return e.piles.stock_area[kWasteIndex]; }
    bool StockAndWasteEmpty() const { return Stock().empty() && Waste().empty(); }
};

// The families of build codes; each returns the answer for the codes it owns.
bool StandardPath(const RuleCtx& c, int filter_code);
bool EmptyRuleAccepts(const RuleCtx& c);
bool FourSuitCheck(const Engine& e, int dest, int moving);
bool BuildCodeRule(const RuleCtx& c);       // build_codes.cpp
bool FoundationCodeRule(const RuleCtx& c);  // foundation_codes.cpp
bool SourceCodeRule(const RuleCtx& c);      // source_rules.cpp
PlaceResult GridRule(const RuleCtx& c);     // grid_rules.cpp
bool JokerFoundationRule(const RuleCtx& c); // joker_rules.cpp
bool StepRule(const RuleCtx& c);            // step_rules.cpp

}  // namespace velmora
