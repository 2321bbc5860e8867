#pragma once
// The state one deal carries from step to step, and the table moves the
// deal steps share.

#include <string>

#include "engine/deal/deal_buffer.h"
#include "engine/deal/deal_rules.h"
#include "engine/model/engine.h"

namespace velmora {

struct DealContext {
    Engine& e;
    const DealRules& rules;
    DealBuffer buffer;
    // False once the definition asked for a card the buffer did not hold or
    // the card count was unusable.
    bool complete = true;
};

// DealCards for one step of the deal, noting a shortfall in the context.
int DealCount(DealContext& c, int n, ListId list, int index);
// Deals one card and turns it face up; returns its code, or -1 when the
// buffer had none.
int DealOneFaceUp(DealContext& c, ListId list, int index);
// Turns the top n cards of a pile face up (nothing for n < 1).
void TurnTopCardsUp(Engine& e, ListId list, int index, int n);

// True when some pile of the table holds the code.
bool OnTable(const Engine& e, int code);
// Removes the card at unit `at` (0 = bottom) of a pile; returns its code or
// -1 when there is no such unit.
int TakeUnit(std::string& pile, int at);
// Moves the card at unit `at` of a pile onto foundation f, face up.
void MoveToFoundation(Engine& e, std::string& from, int at, int f);

// The first foundation in first .. last (clamped to the foundations in use)
// that the move rules let the card onto, or -1.
int AcceptingFoundation(const DealContext& c, int card, int first, int last);

// The rank after / before a rank, the king followed by the ace.
int NextRank(int rank);
int PreviousRank(int rank);

}  // namespace velmora
