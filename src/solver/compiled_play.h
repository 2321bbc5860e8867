#pragma once
// Playing on a compiled position as the engine plays on its table: a card
// (or run) moved, the stock pressed, a face-down card turned, a double
// click, and after every release the gap filling and the automatic play to
// the foundations, until the game is won.

#include <array>
#include <cstdint>

#include "solver/compiled_checks.h"
#include "solver/compiled_position.h"
#include "solver/compiled_rules.h"

namespace velmora::solver {

// What the foundations of one position want and keep back, worked out once
// for all the moves tried from it: most moves leave the foundations as they
// were, and automatic play after each asks the same questions.
class HomeFacts {
  public:
    HomeFacts(const CompiledRules& rules, const CompiledPosition& p) : r_(rules), p_(p) {}
    const HomeWants& Wanted();
    const RanksInPlay& InPlay();

  private:
    const CompiledRules& r_;
    const CompiledPosition& p_;
    HomeWants wanted_;
    RanksInPlay in_play_;
    bool wanted_known_ = false;
    bool in_play_known_ = false;
};

class CompiledPlay {
  public:
    // `before`: the facts of `p` as it is now, shared with other moves from
    // it; used while the foundations stay as they are.
    CompiledPlay(const CompiledRules& rules, CompiledPosition& p, HomeFacts* before = nullptr)
        : before_(before), r_(rules), p_(p) {}

    // The card at `at` of `from` goes onto `to`, with the cards above it
    // when `to` is a tableau pile and it comes from a tableau or reserve.
    void Move(int from, int at, int to);
    // A press on the stock: cards turned, or the waste gathered back first
    // while passes are left, or the tableau redealt. False when it does
    // nothing.
    bool PressStock();
    // A double click on the top card of `pile`: home, else to a free cell.
    bool DoubleClick(int pile);
    // Where a double click on `pile` sends its top card; -1 when nowhere.
    // Leaves the position as it is.
    int ClickTarget(int pile);
    // What follows every release: gaps filled, automatic play, the win.
    void AfterRelease();

  private:
    // The top card of `pile` home; automatic play keeps back the cards safe
    // play holds for the tableau.
    bool SendHome(int pile, bool automatic);
    // The foundation SendHome sends the top card of `pile` to; -1 for none.
    int HomeFor(int pile, bool automatic);
    // An empty foundation that takes the rank the others began with:
    // automatic play starts none.
    bool StartedByHandOnly(int f) const;
    bool RedealTableau();
    // A card from the stock to each receiving tableau pile or reserve.
    bool DealFromStock();
    // What the engine does after each action that changed the table: the
    // complete suit runs leave for their foundations, and without automatic
    // play the uncovered tableau cards turn up.
    void AfterAction(bool left_tableau);
    bool SendCompleteRuns();
    bool CompleteRunOnTop(int pile) const;
    bool AutoPlayRound();
    bool AutoPlayPass();
    bool TableauPass();
    void FillGaps();
    void FillFromStockArea();
    void EndIfWon();
    // Whether some foundation would take a card of this code, from the tops
    // of the foundations; a quick test before the full drop checks.
    bool MayGoHome(int code);
    bool SafeHome(int code);

    // Forgets what the foundations wanted once a card came or left.
    void HomesChanged();

    HomeFacts* before_;
    HomeWants wanted_;
    RanksInPlay in_play_;
    bool wanted_known_ = false;
    bool in_play_known_ = false;

    const CompiledRules& r_;
    CompiledPosition& p_;
};

}  // namespace velmora::solver
