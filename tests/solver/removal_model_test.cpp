// The removal model (pyramid, discard games, peaks, cells, touching grid,
// outranked piles) against the
// rules interpreter: from positions reached by random play both offer the
// same presses leading to the same positions; its verdicts agree with the
// interpreter's, and its won lines win when the driver replays them.
#include <gtest/gtest.h>

#include <array>
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
constexpr int kAcesUp = 64;
constexpr int kTens = 65;
constexpr int kMonteCarlo = 66;
constexpr std::array kRemovalGames{kPyramid, kGolf, kBlackHole, kElevens, kTriPeaks, kAcesUp, kTens, kMonteCarlo};

ChildMap RemovalChildrenOf(const Engine& e) {
    return ModelChildren(RemovalModel(e, false), [](const RemovalModel& model, const RemovalMove& move) { return model.ToMove(move); });
}

TEST(RemovalModel, SupportsTheRemovalGamesOnlyWhileNothingIsHalfDone) {
    Session s;
    for (int game : kRemovalGames) {
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

// Rows that differ from the games the model plays in one value it does not
// play are refused.
TEST(RemovalModel, RefusesRowsItDoesNotPlayExactly) {
    Session s;
    const auto refused = [&s](int game, int entry, int value) {
        s.Lines("new " + std::to_string(game) + " 1");
        s.engine().rules.Set(entry, value);
        return !RemovalModel::Supports(s.engine());
    };
    EXPECT_TRUE(refused(kTens, 38, 15)) << "number cards adding to 15, any number of them";
    EXPECT_TRUE(refused(kMonteCarlo, 22, 3)) << "gaps filled after every removal";
    EXPECT_TRUE(refused(kMonteCarlo, 27, 0)) << "a grid without columns";
    EXPECT_TRUE(refused(kAcesUp, 80, 2)) << "a foundation built by suit";
    EXPECT_TRUE(refused(kAcesUp, 186, 2)) << "a pile built down";
    EXPECT_TRUE(refused(kAcesUp, 130, 13)) << "a space that takes only Kings";
    EXPECT_TRUE(refused(kAcesUp, 241, 7)) << "a deal that skips empty piles";
    EXPECT_TRUE(refused(kAcesUp, 12, 2)) << "runs of two cards moved";
    EXPECT_TRUE(refused(kAcesUp, 34, 1)) << "nothing discarded while the stock lasts";
    // Twelve deals onto a pile of two would outgrow the model's piles.
    s.Lines("new 64 1");
    Engine& e = s.engine();
    std::string& stock = e.piles.stock_area[kStockIndex];
    const int card = PileTop(stock);
    stock.resize(stock.size() - 3);
    e.piles.tableau[0] += CardCodeText(card);
    e.cards.SetFaceState(card, kFaceUp);
    EXPECT_FALSE(RemovalModel::Supports(e)) << "a pile of two with twelve deals to come";
}

TEST(RemovalModel, OffersTheInterpretersMovesAndPositions) {
    for (int game : kRemovalGames) {
        SCOPED_TRACE("game " + std::to_string(game));
        // Pyramid's stock goes round three times: longer play.
        CompareAlongRandomPlay(game, 8, game == kPyramid ? 150 : 70, RemovalModel::Supports, RemovalChildrenOf);
        if (HasFatalFailure()) return;
    }
}

// Aces Up with the given piles (bottom first) and `stock` cards left in the
// stock; every other card lies on the discard.
void SetAcesUpTable(Engine& e, std::initializer_list<std::vector<int>> piles, int stock) {
    std::array<bool, 53> placed{};
    size_t t = 0;
    for (const std::vector<int>& pile : piles) {
        std::string& text = e.piles.tableau[t++];
        text.clear();
        for (int code : pile) {
            text += CardCodeText(code);
            e.cards.SetFaceState(code, kFaceUp);
            placed[static_cast<size_t>(code)] = true;
        }
    }
    e.piles.stock_area[kStockIndex].clear();
    e.piles.foundations[0].clear();
    for (int code = 1; code <= 52; ++code) {
        if (placed[static_cast<size_t>(code)]) continue;
        const bool in_stock = stock-- > 0;
        (in_stock ? e.piles.stock_area[kStockIndex] : e.piles.foundations[0]) += CardCodeText(code);
        e.cards.SetFaceState(code, in_stock ? kFaceDown : kFaceUp);
    }
}

// Tables random play seldom reaches: two spaces at once, a move onto a
// space that wins, a full discard.
TEST(RemovalModel, PlaysAcesUpSpacesAndWinsAsTheInterpreter) {
    Session s;
    s.Lines("new 64 1");
    Engine& e = s.engine();
    // The Ace of spades (40) onto the space leaves an Ace alone on every pile.
    SetAcesUpTable(e, {{1}, {14}, {27, 40}, {}}, 0);
    ASSERT_TRUE(RemovalModel::Supports(e));
    ChildMap children = RemovalChildrenOf(e);
    EXPECT_EQ(children, InterpreterChildren(e));
    EXPECT_TRUE(children["drop 40 Fila4; "].second) << Describe(children);
    // Two spaces, each open to both Kings on top; the Ace that would
    // outrank the King of hearts (13) lies buried.
    SetAcesUpTable(e, {{}, {2, 13}, {}, {1, 15, 26}}, 8);
    ASSERT_TRUE(RemovalModel::Supports(e));
    children = RemovalChildrenOf(e);
    EXPECT_EQ(children, InterpreterChildren(e));
    EXPECT_EQ(children.size(), 5u) << Describe(children);
    // A discard holding as many cards as it may takes no more.
    SetAcesUpTable(e, {{1}, {2}, {}, {}}, 0);
    e.rules.Set(31, 50);
    ASSERT_TRUE(RemovalModel::Supports(e));
    children = RemovalChildrenOf(e);
    EXPECT_EQ(children, InterpreterChildren(e));
    EXPECT_FALSE(children.contains("drop 2 Dest1; ")) << Describe(children);
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
    int won = 0;
    struct Case {
        int game;
        int first_deal;
        int steps;  // played before the search, so that an exhaustive search is short
    };
    // Aces Up from deals it wins, where a needless discard meets winnable tables.
    for (const Case& c : {Case{kPyramid, 1, 30}, Case{kGolf, 1, 14}, Case{kBlackHole, 1, 14}, Case{kAcesUp, 13, 8}}) {
        const int game = c.game;
        Session s;
        for (int deal = c.first_deal; deal < c.first_deal + 6; ++deal) {
            s.Lines("new " + std::to_string(game) + " " + std::to_string(deal));
            Engine e;
            CopyQuietly(s.engine(), e);
            for (int step = 0; step < c.steps; ++step) {
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
            won += full == Verdict::Won ? 1 : 0;
        }
    }
    EXPECT_GT(impossible, 2) << "too few lost positions to try the pruning on";
    EXPECT_GT(won, 2) << "too few won positions to try the pruning on";
}

TEST(RemovalModel, LinesTheSearchFindsWinThroughTheDriver) {
    Limits limits;
    limits.positions = 2'000'000;
    limits.seconds = 20;
    limits.table_bytes = 64u << 20;
    for (int game : kRemovalGames) {
        // Aces Up loses its first twelve deals; Tens wins about one deal in
        // ten, first its 27th.
        const int first = game == kAcesUp ? 13 : game == kTens ? 27 : 1;
        bool replayed = false;
        for (int deal = first; deal < first + 12 && !replayed; ++deal) {
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

// The card `code` swapped with the one card of cell `t` (face states stay
// with the places: the cells and the stock of the cell games agree).
void SwapIntoCell(Engine& e, int code, int t) {
    const std::string card = CardCodeText(code);
    std::string& cell = e.piles.tableau[static_cast<size_t>(t)];
    for (int n = 0; n < kAllPiles; ++n) {
        std::string& pile = *e.piles.Flat(n);
        if (&pile == &cell) continue;
        for (size_t at = 0; at + 3 <= pile.size(); at += 3) {
            if (pile.compare(at, 3, card) != 0) continue;
            const int other = PileCodeAt(cell, 0);
            const char face = e.cards.IsFaceDown(code) ? kFaceDown : kFaceUp;
            e.cards.SetFaceState(code, e.cards.IsFaceDown(other) ? kFaceDown : kFaceUp);
            e.cards.SetFaceState(other, face);
            pile.replace(at, 3, cell.substr(0, 3));
            cell.replace(0, 3, card);
        }
    }
}

// A selection game whose largest removal is four cards (Tens: four Kings)
// offers that removal as one move of four presses.
TEST(InterpreterMoves, OfferAFourCardRemoval) {
    Session s;
    s.Lines("new 65 1");
    Engine& e = s.engine();
    // The four Kings (codes 13, 26, 39, 52) swapped into the first four cells.
    for (int k = 0; k < 4; ++k) SwapIntoCell(e, (k + 1) * 13, k);
    bool four = false;
    for (const Child& child : ListChildren(e)) four = four || child.move.size() == 4;
    EXPECT_TRUE(four);
}

// Tens: four Kings go together, three Queens stay; the removal of four
// presses and the refill of four cells from the stock as the interpreter.
TEST(RemovalModel, RemovesFourOfARankAsTheInterpreter) {
    Session s;
    s.Lines("new 65 1");
    Engine& e = s.engine();
    for (int k = 0; k < 4; ++k) SwapIntoCell(e, (k + 1) * 13, k);
    for (int q = 0; q < 3; ++q) SwapIntoCell(e, (q + 1) * 13 - 1, 4 + q);
    ASSERT_TRUE(RemovalModel::Supports(e));
    const ChildMap children = RemovalChildrenOf(e);
    EXPECT_EQ(children, InterpreterChildren(e));
    EXPECT_TRUE(children.contains("press Fila1 13; press Fila2 26; press Fila3 39; press Fila4 52; ")) << Describe(children);
}

}  // namespace
}  // namespace velmora::solver
