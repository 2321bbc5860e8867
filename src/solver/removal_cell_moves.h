#pragma once
// The moves of the removal games played on piles of whole cards: the cells
// (two number cards adding up, or a group of court cards, go and the gaps
// fill from the stock), the touching grid (two cards of a rank in touching
// cells go; the stock closes the gaps up and refills them) and the
// outranked piles (a top card outranked in its suit goes to the discard, a
// top card moves onto an empty pile, the stock deals onto every pile).

#include <vector>

#include "solver/removal_moves.h"

namespace velmora::solver {

void CellsMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out);
void TouchingMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out);
void OutrankedMoves(const RemovalRules& rules, const RemovalPosition& p, std::vector<RemovalMove>& out);

// Each empty cell in turn takes the stock's top card, face up.
void FillCells(const RemovalRules& rules, RemovalPosition& p);
// The cells holding cards move up to the first cells, in order, and the
// cells left empty at the end take the stock's cards.
void CloseUpCells(const RemovalRules& rules, RemovalPosition& p);
// Every pile in turn takes the stock's top card, face up, while it lasts.
void DealOntoPiles(const RemovalRules& rules, RemovalPosition& p);
// The outranked piles are won with the stock empty and an Ace alone on
// every pile.
bool LoneAces(const RemovalRules& rules, const RemovalPosition& p);

// With a discard that can only help among `moves`, that discard alone: a
// card none of whose lower cards of its suit is left to outrank serves no
// more, and the card under it and any space come free the sooner.
void KeepNeedlessCardDiscard(const RemovalPosition& p, std::vector<RemovalMove>& moves);

// Cards that a card of their suit and of a higher rank lies on, within
// each outranked pile: none of them can leave before the card over it.
int BuriedUnderHigher(const RemovalRules& rules, const RemovalPosition& p);

}  // namespace velmora::solver
