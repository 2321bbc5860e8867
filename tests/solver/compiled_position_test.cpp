// The compiled position: its way to and from the engine's table, and its
// key, which takes piles that play alike in any order but nothing else.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "session.h"
#include "solver/compiled_checks.h"
#include "solver/compiled_model.h"
#include "solver/compiled_moves.h"
#include "solver/position_key.h"

namespace velmora::solver {
namespace {

using cli::Session;

TEST(CompiledPosition, GoesToTheEngineAndBackUnchanged) {
    Session s;
    for (int game : {1, 2, 3, 4, 5}) {
        s.Lines("new " + std::to_string(game) + " 3");
        const CompiledModel model(s.engine());
        Engine table;
        model.ToEngine(model.Root(), table);
        EXPECT_EQ(PositionKey(table), PositionKey(s.engine())) << game;
        EXPECT_EQ(PositionFromEngine(table, model.rules()).ExactHash(model.rules()), model.Root().ExactHash(model.rules()));
    }
}

TEST(CompiledPosition, KeyTakesAlikePilesInAnyOrderAndNothingMore) {
    Session s;
    s.Lines("new 1 5");
    ASSERT_EQ(s.Say("drop " + s.State("Fila1").substr(s.State("Fila1").rfind(' ') + 1, 3) + " Appogg1"), "moved");
    Engine swapped;
    CopyQuietly(s.engine(), swapped);
    std::swap(swapped.piles.tableau[0], swapped.piles.tableau[5]);
    std::swap(swapped.piles.reserves[0], swapped.piles.reserves[3]);
    const CompiledModel model(s.engine());
    const CompiledRules& rules = model.rules();
    const CompiledPosition original = model.Root();
    const CompiledPosition other = PositionFromEngine(swapped, rules);
    EXPECT_EQ(other.Key(rules), original.Key(rules));
    EXPECT_NE(other.ExactHash(rules), original.ExactHash(rules));

    // A card moved is another position, however the piles are ordered.
    CompiledPosition moved = original;
    moved.MoveCards(rules.Tableau(2), moved.Count(rules.Tableau(2)) - 1, rules.Reserve(1));
    EXPECT_NE(moved.Key(rules), original.Key(rules));
    // Klondike's redeals are unlimited: the pass counter plays no part.
    s.Lines("new 2 5");
    const CompiledModel klondike(s.engine());
    CompiledPosition later = klondike.Root();
    later.passes += 3;
    EXPECT_EQ(later.Key(klondike.rules()), klondike.Root().Key(klondike.rules()));
    EXPECT_NE(later.ExactHash(klondike.rules()), klondike.Root().ExactHash(klondike.rules()));
}

// A card taken alone from inside a pile, to a pile before it and to one
// after it: the cards above it stay, every other pile keeps its cards.
TEST(CompiledPosition, MovesOneCardFromInsideAPile) {
    Session s;
    s.Lines("new 1 2");
    const CompiledModel model(s.engine());
    const CompiledRules& rules = model.rules();
    auto cards = [](const CompiledPosition& p, int pile) {
        std::vector<int> codes;
        for (int i = 0; i < p.Count(pile); ++i) codes.push_back(p.At(pile, i));
        return codes;
    };
    const int from = rules.Tableau(3);
    for (int to : {rules.Foundation(1), rules.Tableau(1), rules.Tableau(6), rules.Reserve(2)}) {
        const CompiledPosition root = model.Root();
        CompiledPosition p = root;
        p.MoveCard(from, 2, to);
        std::vector<int> expected_from = cards(root, from);
        std::vector<int> expected_to = cards(root, to);
        expected_to.push_back(expected_from[2]);
        expected_from.erase(expected_from.begin() + 2);
        EXPECT_EQ(cards(p, from), expected_from) << to;
        EXPECT_EQ(cards(p, to), expected_to) << to;
        for (int pile = 0; pile < rules.Piles(); ++pile) {
            if (pile == from || pile == to) continue;
            EXPECT_EQ(cards(p, pile), cards(root, pile)) << pile << " after a move to " << to;
        }
    }
}

// With two decks, a card and its twin of the other deck play alike: a
// position with the two swapped has the same key, but only then.
TEST(CompiledPosition, KeyTakesTheTwoDecksCardsOfOneSuitAndRankAlike) {
    Session s;
    s.Lines("new 5 1");
    const CompiledModel model(s.engine());
    const CompiledRules& rules = model.rules();
    const CompiledPosition root = model.Root();
    // The first tableau card with its twin elsewhere in the tableau.
    int pile = 0;
    int at = 0;
    int twin_pile = 0;
    int twin_at = -1;
    for (int t = 0; t < rules.tableaus && twin_at < 0; ++t) {
        pile = rules.Tableau(t);
        for (at = 0; at < root.Count(pile) && twin_at < 0; ++at) {
            const int code = CodeOf(root.At(pile, at));
            const int twin = code > 52 ? code - 52 : code + 52;
            if (!root.Find(twin, twin_pile, twin_at) || !rules.IsTableau(twin_pile)) twin_at = -1;
        }
    }
    ASSERT_GE(twin_at, 0);
    --at;
    // Rebuilt with the two cards exchanged.
    auto rebuilt = [&](int a_pile, int a_at, int b_pile, int b_at) {
        CompiledPosition p;
        for (int q = 0; q < rules.Piles(); ++q)
            for (int i = 0; i < root.Count(q); ++i) {
                uint8_t card = root.At(q, i);
                if (q == a_pile && i == a_at) card = root.At(b_pile, b_at);
                else if (q == b_pile && i == b_at) card = root.At(a_pile, a_at);
                p.Push(q, card);
            }
        p.passes = root.passes;
        p.first_move = root.first_move;
        return p;
    };
    const CompiledPosition swapped = rebuilt(pile, at, twin_pile, twin_at);
    EXPECT_EQ(swapped.Key(rules), root.Key(rules));
    EXPECT_NE(swapped.ExactHash(rules), root.ExactHash(rules));
    // Any other card in that place is another position.
    const int other_pile = pile == rules.Tableau(0) ? rules.Tableau(1) : rules.Tableau(0);
    int other_at = 0;
    while (CodeOf(root.At(other_pile, other_at)) % 52 == CodeOf(root.At(pile, at)) % 52) ++other_at;
    EXPECT_NE(rebuilt(pile, at, other_pile, other_at).Key(rules), root.Key(rules));
}

// Hashed beside its parent, a child gets the hashes it gets alone, and the
// equality of positions reads only the cards in play: a card moved away and
// back leaves an equal position.
TEST(CompiledPosition, HashesBesideTheParentAreTheHashesAlone) {
    Session s;
    for (int game : {1, 2, 28}) {
        s.Lines("new " + std::to_string(game) + " 4");
        const CompiledModel model(s.engine());
        const CompiledRules& rules = model.rules();
        CompiledPosition p = model.Root();
        for (int step = 0; step < 30; ++step) {
            const PileHashes near(rules, p);
            std::vector<CompiledPosition> children;
            VisitCompiledMoves(rules, p, [&](const CompiledMove&, const CompiledPosition& after, uint64_t key) {
                EXPECT_EQ(key, after.Key(rules));
                EXPECT_EQ(after.ExactHash(rules, &near), after.ExactHash(rules));
                EXPECT_EQ(after.Key(rules, &near), after.Key(rules));
                EXPECT_EQ(after.CycleKey(rules, &near), after.CycleKey(rules));
                EXPECT_FALSE(after == p);
                children.push_back(after);
            });
            if (children.empty()) break;
            p = children[static_cast<size_t>(step * 7) % children.size()];
        }
        CompiledPosition again = p;
        const int pile = rules.Tableau(6);
        ASSERT_FALSE(again.Empty(pile));
        const uint8_t top = again.Pop(pile);
        EXPECT_FALSE(again == p);
        again.Push(rules.Tableau(0), top);
        again.Push(pile, again.Pop(rules.Tableau(0)));
        EXPECT_TRUE(again == p) << "game " << game;
    }
}

// Deals `deal` of every game the compiled model plays and hands each game's
// catalogue line and model to `check`.
template <class Check>
void ForEveryCompiledGame(const std::string& deal, Check check) {
    Session s;
    for (const std::string& entry : s.Lines("games")) {
        s.Lines("new " + entry.substr(0, entry.find(' ')) + " " + deal);
        if (!CompiledModel::Supports(s.engine())) continue;
        const CompiledModel model(s.engine());
        check(entry, model);
    }
}

// Left out of the search's moves are only drags whose position it keys as
// that of a drag kept: the kept moves reach every key all moves reach.
TEST(CompiledPosition, DragsOntoAlikeEmptyPilesLeftOutReachNoOtherKey) {
    int checked = 0;
    ForEveryCompiledGame("2", [&checked](const std::string& entry, const CompiledModel& model) {
        const CompiledRules& rules = model.rules();
        CompiledPosition p = model.Root();
        for (int step = 0; step < 40; ++step) {
            std::set<uint64_t> all;
            std::set<uint64_t> kept;
            std::vector<CompiledPosition> children;
            VisitCompiledMoves(rules, p, [&](const CompiledMove&, const CompiledPosition& after, uint64_t key) {
                all.insert(key);
                children.push_back(after);
            });
            VisitCompiledMoves(rules, p, [&](const CompiledMove&, const CompiledPosition&, uint64_t key) { kept.insert(key); }, true);
            ASSERT_EQ(kept, all) << entry << " step " << step;
            checked += static_cast<int>(all.size());
            if (children.empty()) break;
            p = children[static_cast<size_t>(step * 5 + 3) % children.size()];
        }
    });
    EXPECT_GT(checked, 1000);
}

// Scoring a child from its parent's pile counts gives the score taken
// afresh, whichever piles the move and the automatic play after it changed,
// and also when the lowest card out of a suit changed with them.
TEST(CompiledPosition, ScoresFromTheParentsPilesAreTheScoresTakenAfresh) {
    int checked = 0;
    ForEveryCompiledGame("3", [&checked](const std::string& entry, const CompiledModel& model) {
        const CompiledRules& rules = model.rules();
        CompiledPosition p = model.Root();
        for (int step = 0; step < 40; ++step) {
            const PileScores near(rules, p);
            std::vector<CompiledPosition> children;
            VisitCompiledMoves(rules, p, [&](const CompiledMove&, const CompiledPosition& after, uint64_t) {
                for (const ScoreWeights& weights : {ScoreWeights{}, kHiddenCardWeights, kSuitRunWeights})
                    ASSERT_EQ(CompiledScore(rules, after, weights, &near), CompiledScore(rules, after, weights))
                        << entry << " step " << step;
                children.push_back(after);
                ++checked;
            });
            if (children.empty()) break;
            p = children[static_cast<size_t>(step * 7 + 2) % children.size()];
        }
    });
    EXPECT_GT(checked, 1000);
}

// Which ranks are still in play, read from the foundations' tops, agrees
// with counting every card home against the cards the game holds, in every
// game that plays safe automatic play (their foundations go up in suit from
// the Ace), for both safe rules, one- and two-deck games alike.
TEST(CompiledPosition, RanksInPlayAgreeWithTheCardsCountedHome) {
    int checked = 0;
    ForEveryCompiledGame("4", [&checked](const std::string& entry, const CompiledModel& model) {
        const CompiledRules& rules = model.rules();
        if (rules.home_rule == HomeRule::Greedy) return;
        CompiledPosition p = model.Root();
        for (int step = 0; step < 60; ++step) {
            std::array<std::array<int, 14>, 4> home{};
            for (int f = 0; f < rules.foundations; ++f)
                for (int at = 0; at < p.Count(rules.Foundation(f)); ++at) {
                    const int code = CodeOf(p.At(rules.Foundation(f), at));
                    ++home[static_cast<size_t>(SuitOf(code))][static_cast<size_t>(RankOf(code))];
                }
            const RanksInPlay in_play(rules, p);
            for (int code = 1; code <= 52; ++code) {
                const int below = RankOf(code) - 1;
                bool alternate = true;
                bool any = true;
                for (size_t suit = 0; suit < 4; ++suit) {
                    const bool out = below >= 1 && home[suit][static_cast<size_t>(below)] <
                                                       rules.cards_in_game[suit][static_cast<size_t>(below)];
                    any = any && !out;
                    if ((suit < 2) != IsRed(code)) alternate = alternate && !out;
                }
                ASSERT_EQ(in_play.SafeHome(HomeRule::AnySuit, code), RankOf(code) <= 2 || any) << entry << " " << code;
                ASSERT_EQ(in_play.SafeHome(HomeRule::AlternateColours, code), RankOf(code) <= 2 || alternate)
                    << entry << " " << code;
                ++checked;
            }
            std::vector<CompiledChild> children = CompiledChildren(rules, p);
            if (children.empty()) break;
            // Best first: the foundations fill.
            PlayCompiledMove(rules, p, children.front().move);
        }
    });
    EXPECT_GT(checked, 10000);
}

}  // namespace
}  // namespace velmora::solver
