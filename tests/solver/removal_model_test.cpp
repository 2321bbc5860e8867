// The removal model (pyramid, discard games, peaks, grid of elevens) against the
// rules interpreter: from positions reached by random play both offer the
// same presses leading to the same positions; its verdicts agree with the
// interpreter's, and its won lines win when the driver replays them.
#include <gtest/gtest.h>

#include <string>

#include "engine/model/pile_string.h"
#include "model_comparison.h"
#include "session.h"
#include "solver/depth_first.h"
#include "solver/interpreter_moves.h"
#include "engine/model/card_code.h"
#include "solver/removal_dead_ends.h"
#include "solver/removal_model.h"
#include "solver/search.h"

namespace velmora::solver {
namespace {

using cli::Session;

constexpr int kPyramid = 6;
constexpr int kGolf = 7;
constexpr int kBlackHole = 8;
constexpr int kElevens = 9;
constexpr int kTriPeaks = 61;

ChildMap RemovalChildrenOf(const Engine& e) {
    return ModelChildren(RemovalModel(e, false), [](const RemovalModel& model, const RemovalMove& move) { return model.ToMove(move); });
}

TEST(RemovalModel, SupportsTheRemovalGamesOnlyWhileNothingIsHalfDone) {
    Session s;
    for (int game : {kPyramid, kGolf, kBlackHole, kElevens, kTriPeaks}) {
        s.Lines("new " + std::to_string(game) + " 1");
        EXPECT_TRUE(RemovalModel::Supports(s.engine())) << game;
    }
    for (int game : {1, 2, 3, 4, 5}) {
        s.Lines("new " + std::to_string(game) + " 1");
        EXPECT_FALSE(RemovalModel::Supports(s.engine())) << game;
    }
    // Pyramid deal 1: a free 3 (29) of the bottom row, pressed, is selected
    // and waits for its partner.
    s.Lines("new 6 1");
    s.Lines("press Fila7 29");
    ASSERT_FALSE(s.engine().piles.foundations[0].empty());
    EXPECT_FALSE(RemovalModel::Supports(s.engine())) << "a selection is half made";
    s.Lines("new 7 1");
    s.engine().rules.Set(33, 18);
    EXPECT_FALSE(RemovalModel::Supports(s.engine())) << "a deck of one suit";
    s.Lines("new 8 1");
    s.Lines("give-up");
    EXPECT_FALSE(RemovalModel::Supports(s.engine())) << "a game given up has no position";
    // The peaks keep covered cards face down; one face up is not theirs.
    s.Lines("new 61 1");
    s.engine().cards.SetFaceState(PileCodeAt(s.engine().piles.tableau[0], 0), kFaceUp);
    EXPECT_FALSE(RemovalModel::Supports(s.engine())) << "a covered card of the peaks lies face up";
}

TEST(RemovalModel, OffersTheInterpretersMovesAndPositions) {
    for (int game : {kPyramid, kGolf, kBlackHole, kElevens, kTriPeaks}) {
        SCOPED_TRACE("game " + std::to_string(game));
        // Pyramid's stock goes round three times: longer play.
        CompareAlongRandomPlay(game, 8, game == kPyramid ? 150 : 70, RemovalModel::Supports, RemovalChildrenOf);
        if (HasFatalFailure()) return;
    }
}

// A position of `tableaus` piles given bottom first, with the discard's top.
RemovalPosition Table(std::initializer_list<std::vector<int>> piles, int discard_top) {
    RemovalPosition p;
    size_t t = 0;
    for (const std::vector<int>& pile : piles) {
        for (int code : pile) p.piles[t].Push(code);
        ++t;
    }
    if (discard_top > 0) p.discard.Push(discard_top);
    return p;
}

TEST(RemovalDeadEnds, TellTablesThatCanNeverBeClearedFromLiveOnes) {
    RemovalRules golf;
    golf.kind = RemovalKind::Discard;
    golf.tableaus = 3;
    RemovalRules hole = golf;
    hole.wrap = true;
    // Codes 1-13 are the Ace to the King of one suit, 14-26 of the next.
    EXPECT_FALSE(RemovalDeadEnd(golf, Table({{4}, {5}, {}}, 3)));
    // 3 then 4 or 2, but never both: whichever goes first strands the other.
    EXPECT_TRUE(RemovalDeadEnd(golf, Table({{4}, {2}, {}}, 3)));
    // A King with no Queen left; round the corner an Ace serves it.
    EXPECT_TRUE(RemovalDeadEnd(golf, Table({{13}, {}, {}}, 3)));
    EXPECT_TRUE(RemovalDeadEnd(golf, Table({{13}, {1}, {}}, 3)));
    EXPECT_FALSE(RemovalDeadEnd(hole, Table({{13}, {1}, {}}, 2)));
    // The only 5 lies under the 4 that needs it.
    EXPECT_TRUE(RemovalDeadEnd(golf, Table({{5, 4}, {}, {}}, 9)));
    // Every card has a neighbour, but the ranks left are two runs apart.
    EXPECT_TRUE(RemovalDeadEnd(golf, Table({{2}, {8}, {9}}, 3)));
    EXPECT_TRUE(RemovalDeadEnd(hole, Table({{2}, {8}, {9}}, 3)));
    // While the stock lasts, a turn can start the walk anywhere.
    RemovalPosition stocked = Table({{2}, {8}, {9}}, 3);
    stocked.stock.Push(20);
    EXPECT_FALSE(RemovalDeadEnd(golf, stocked));

    RemovalRules pyramid;
    pyramid.kind = RemovalKind::Pyramid;
    pyramid.tableaus = 2;
    // The 6 on top is covered by the only 7 left.
    RemovalPosition top6 = Table({{6}, {7, 13}}, 0);
    EXPECT_TRUE(RemovalDeadEnd(pyramid, top6));
    // Another 7 frees the 6, but the 7 below still has no 6 of its own.
    top6.waste.Push(20);
    EXPECT_TRUE(RemovalDeadEnd(pyramid, top6));
    top6.waste.Push(19);
    EXPECT_FALSE(RemovalDeadEnd(pyramid, top6));
}

// From positions along random play, the search with its dead-end pruning
// reaches the verdict of the search that tries every position.
TEST(RemovalDeadEnds, NeverChangeAVerdict) {
    Limits limits;
    limits.positions = 300'000;
    limits.seconds = 30;
    limits.table_bytes = 16u << 20;
    int impossible = 0;
    for (int game : {kPyramid, kGolf, kBlackHole}) {
        Session s;
        for (int deal = 1; deal <= 6; ++deal) {
            s.Lines("new " + std::to_string(game) + " " + std::to_string(deal));
            Engine e;
            CopyQuietly(s.engine(), e);
            // Some way into the game, where an exhaustive search is short.
            for (int step = 0; step < (game == kPyramid ? 30 : 14); ++step) {
                const std::vector<Child> children = ListChildren(e);
                if (children.empty()) break;
                PlayMove(e, children[static_cast<size_t>(step * 7 + deal) % children.size()].move);
            }
            if (!RemovalModel::Supports(e)) continue;
            RemovalModel pruned(e, true);
            RemovalModel every(e, false);
            const Verdict fast = DepthFirst<RemovalModel>(pruned, limits, nullptr).Run(pruned.Root()).verdict;
            const Verdict full = DepthFirst<RemovalModel>(every, limits, nullptr).Run(every.Root()).verdict;
            if (full == Verdict::Unknown) continue;
            EXPECT_EQ(fast, full) << "game " << game << " deal " << deal;
            impossible += full == Verdict::Impossible ? 1 : 0;
        }
    }
    EXPECT_GT(impossible, 2) << "too few lost positions to try the pruning on";
}

TEST(RemovalModel, LinesTheSearchFindsWinThroughTheDriver) {
    Limits limits;
    limits.positions = 2'000'000;
    limits.seconds = 20;
    limits.table_bytes = 64u << 20;
    for (int game : {kPyramid, kGolf, kBlackHole, kElevens, kTriPeaks}) {
        bool replayed = false;
        for (int deal = 1; deal <= 12 && !replayed; ++deal) {
            const std::string start = "new " + std::to_string(game) + " " + std::to_string(deal);
            Session s;
            s.Lines(start);
            const Result result = Solve(s.engine(), limits);
            if (result.verdict != Verdict::Won) continue;
            replayed = true;
            Session replay;
            replay.Lines(start);
            for (const Move& move : result.line)
                for (const Input& input : move) ASSERT_EQ(replay.Raw(DriverWords(input)).back(), "ok") << DriverWords(input);
            EXPECT_EQ(replay.State("won"), "won 1") << start;
            EXPECT_EQ(replay.State("over"), "over 1") << start;
        }
        EXPECT_TRUE(replayed) << "no deal of game " << game << " was won";
    }
}

// A selection game whose largest removal is four cards (Tens: four Kings)
// offers that removal as one move of four presses.
TEST(InterpreterMoves, OfferAFourCardRemoval) {
    Session s;
    s.Lines("new 65 1");
    Engine& e = s.engine();
    // The four Kings (codes 13, 26, 39, 52) swapped into the first four cells.
    for (int k = 0; k < 4; ++k) {
        const std::string king = CardCodeText((k + 1) * 13);
        std::string& cell = e.piles.tableau[static_cast<size_t>(k)];
        for (int n = 0; n < kAllPiles; ++n) {
            std::string& pile = *e.piles.Flat(n);
            if (&pile == &cell) continue;
            for (size_t at = 0; at + 3 <= pile.size(); at += 3) {
                if (pile.compare(at, 3, king) != 0) continue;
                pile.replace(at, 3, cell.substr(0, 3));
                cell.replace(0, 3, king);
            }
        }
    }
    bool four = false;
    for (const Child& child : ListChildren(e)) four = four || child.move.size() == 4;
    EXPECT_TRUE(four);
}

}  // namespace
}  // namespace velmora::solver
