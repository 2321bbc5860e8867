// The compiled model against the rules interpreter, which stays the
// authority: from many positions reached by random play, both must offer
// the same moves leading to the same positions; and the lines the search
// finds with the compiled model must win when the driver replays them.
#include <gtest/gtest.h>

#include <map>
#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model_comparison.h"
#include "session.h"
#include "solver/compiled_model.h"
#include "solver/best_first.h"
#include "solver/interpreter_model.h"
#include "solver/interpreter_moves.h"
#include "solver/position_key.h"
#include "solver/search.h"

namespace velmora::solver {
namespace {

using cli::Session;

constexpr int kLastGameId = 9;

ChildMap CompiledChildrenOf(const Engine& e) {
    return ModelChildren(CompiledModel(e), [](const CompiledModel& model, const CompiledMove& move) {
        return Move{model.ToInput(move)};
    });
}

// Each game, which the compiled model must play from its first deal, along
// random play through deals 1 to `deals`.
void CompareSupportedGames(const std::vector<int>& games, int deals, int steps) {
    for (int game : games) {
        Session s;
        s.Lines("new " + std::to_string(game) + " 1");
        ASSERT_TRUE(CompiledModel::Supports(s.engine())) << game;
        SCOPED_TRACE(game);
        CompareAlongRandomPlay(game, deals, steps, CompiledModel::Supports, CompiledChildrenOf);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(CompiledModel, SupportsTheFivePlainGamesAndNoGameItCannotPlay) {
    Session s;
    for (int game : {1, 2, 3, 4, 5}) {
        s.Lines("new " + std::to_string(game) + " 1");
        EXPECT_TRUE(CompiledModel::Supports(s.engine())) << game;
    }
    // A game given up is over: no position to play on.
    s.Lines("give-up");
    EXPECT_FALSE(CompiledModel::Supports(s.engine()));
    // A deck of fewer suits only where the foundations take whole suit runs:
    // building home card by card compares the cards' own suits.
    for (int deck_style : {17, 18}) {
        s.Lines("new 1 1");
        s.engine().rules.Set(33, deck_style);
        EXPECT_FALSE(CompiledModel::Supports(s.engine())) << deck_style;
    }
    // Foundations of suit runs beside ordinary ones.
    s.Lines("new 5 1");
    s.engine().rules.Set(80, 98);
    EXPECT_FALSE(CompiledModel::Supports(s.engine()));
}

// Without automatic play the uncovered cards turn up by themselves after
// each move, and nothing goes home unasked.
TEST(CompiledModel, OffersTheInterpretersMovesWithAutoplayOff) {
    for (int game : {2, 3, 4}) {
        SCOPED_TRACE(game);
        CompareAlongRandomPlay(game, 3, 80, CompiledModel::Supports, CompiledChildrenOf, "off");
        if (HasFatalFailure()) return;
    }
}

// The Spider family: decks of one and two suits, runs moved only in suit
// while any suit builds, complete runs leaving for the foundations, a stock
// dealing onto every pile (refused while one is empty) or onto the first
// three (Scorpion), spaces for Kings only.
TEST(CompiledModel, PlaysTheSpiderFamilyAsTheInterpreter) {
    CompareSupportedGames({48, 49, 50, 51, 52, 53, 54, 55}, 3, 150);
}

// Bouquet cards taken from inside their reserve, alone (Flower Garden);
// foundations built up in alternate colours, with every space filled at
// once from the waste or else the stock (Red and Black); a stock dealt onto
// the reserves, a base rank set by the deal and spaces for the rank below it
// (Agnes Bernauer).
TEST(CompiledModel, PlaysLooseReservesAlternateHomesAndReserveDealsAsTheInterpreter) {
    CompareSupportedGames({33, 60, 43}, 3, 100);
}

// Neighbouring values of those rules that the compiled model does not play
// leave the game to the interpreter.
TEST(CompiledModel, LeavesTheirUnmodelledNeighboursToTheInterpreter) {
    struct Change {
        int game;
        int entry;
        int value;
    };
    const Change changes[] = {
        {33, 13, -11},  // every reserve card taken with those above it
        {60, 80, 1},    // foundations in one colour
        {60, 22, 3},    // spaces filled from the stock before the waste
        {60, 24, -1},   // gap filling with piles that stay locked
        {43, 280, 5},   // a reserve dealt face down
        {43, 240, 1},   // the tableau dealt before the reserves
    };
    Session s;
    for (const Change& change : changes) {
        s.Lines("new " + std::to_string(change.game) + " 1");
        if (change.entry == 24) s.engine().rules.Set(25, -1);
        s.engine().rules.Set(change.entry, change.value);
        EXPECT_FALSE(CompiledModel::Supports(s.engine()))
            << change.game << ": R[" << change.entry << "] = " << change.value;
    }
}

// Foundations beyond up in suit by one: in any suit, by two to four from
// the deal's starting cards (Calculation), from Kings that go round to the
// Queen beside one that takes nothing (Sultan), from the rank the first card
// home chose (Chessboard), in any order once the foundation before holds the
// rank (Osmosis); with the tableaus that take waste cards only, spaces only
// or nothing, and a stock that turns only onto an empty waste. Without
// automatic play the cards it would send home at once can be dropped on
// every foundation that takes them. Chessboard's random play comes to a stop
// within a few moves: more deals.
TEST(CompiledModel, PlaysTheCataloguesFoundationRulesAsTheInterpreter) {
    for (int game : {40, 41, 59, 62, 63}) {
        Session s;
        s.Lines("new " + std::to_string(game) + " 1");
        ASSERT_TRUE(CompiledModel::Supports(s.engine())) << game;
        const int deals = game == 59 ? 20 : 3;
        for (const std::string autoplay : {"safe", "off"}) {
            SCOPED_TRACE(std::to_string(game) + " autoplay " + autoplay);
            CompareAlongRandomPlay(game, deals, 100, CompiledModel::Supports, CompiledChildrenOf, autoplay);
            if (HasFatalFailure()) return;
        }
    }
}

TEST(CompiledModel, OffersTheInterpretersMovesAndPositionsInEveryGameItSupports) {
    for (int game = 1; game <= kLastGameId; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        // Longer play where a stock has to run out before it is gathered again.
        CompareAlongRandomPlay(game, 6, game == 2 || game == 3 ? 120 : 60, CompiledModel::Supports, CompiledChildrenOf);
        if (HasFatalFailure()) return;
    }
}

// Greedy automatic play, the player's other choice, is followed as exactly.
TEST(CompiledModel, OffersTheInterpretersMovesWithGreedyAutoplay) {
    for (int game = 1; game <= kLastGameId; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        CompareAlongRandomPlay(game, 3, 60, CompiledModel::Supports, CompiledChildrenOf, "greedy");
        if (HasFatalFailure()) return;
    }
}

// The other games of the catalogue are variants of those above: a shorter
// walk through each that the compiled model plays.
TEST(CompiledModel, OffersTheInterpretersMovesInTheCataloguesVariants) {
    Session s;
    int compared = 0;
    for (const std::string& entry : s.Lines("games")) {
        const int game = std::stoi(entry);
        if (game <= kLastGameId) continue;
        s.Lines("new " + std::to_string(game) + " 1");
        if (!CompiledModel::Supports(s.engine())) continue;
        SCOPED_TRACE(entry);
        CompareAlongRandomPlay(game, 2, 60, CompiledModel::Supports, CompiledChildrenOf);
        if (HasFatalFailure()) return;
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

// The values the compiled view learnt for the catalogue, each on more play:
// runs that must lie in suit whatever the building (Whitehead), building on
// another suit (Indian), spaces that take nothing (Baker's Dozen).
TEST(CompiledModel, PlaysTheCataloguesRunSuitAndSpaceRulesAsTheInterpreter) {
    CompareSupportedGames({35, 42, 44}, 5, 100);
}

// La Belle Lucie's redeals gather, shuffle and deal the fans again: the
// compiled model redeals as the interpreter does, pass after pass, and
// while a redeal is left the order of the fans is part of the position.
TEST(CompiledModel, RedealsTheFansAsTheInterpreter) {
    constexpr int kLaBelleLucie = 67;
    for (int deal = 1; deal <= 3; ++deal) {
        Session s;
        s.Lines("new " + std::to_string(kLaBelleLucie) + " " + std::to_string(deal));
        ASSERT_TRUE(CompiledModel::Supports(s.engine()));
        Engine e;
        CopyQuietly(s.engine(), e);
        for (int redeal = 0; redeal < 3; ++redeal) {
            const ChildMap expected = InterpreterChildren(e);
            ASSERT_EQ(CompiledChildrenOf(e), expected) << "deal " << deal << " before redeal " << redeal;
            EXPECT_EQ(expected.count("press Mazzo; "), redeal < 2 ? 1u : 0u) << "two redeals\n" << Describe(expected);
            PlayMove(e, {Input{Input::Kind::Press, 0, "Mazzo"}});
        }
    }
    CompareAlongRandomPlay(kLaBelleLucie, 4, 80, CompiledModel::Supports, CompiledChildrenOf);

    Session s;
    s.Lines("new 67 1");
    Engine swapped;
    CopyQuietly(s.engine(), swapped);
    std::swap(swapped.piles.tableau[0], swapped.piles.tableau[1]);
    const auto key = [](const Engine& e) {
        const CompiledModel model(e);
        return model.Key(model.Root());
    };
    EXPECT_NE(key(swapped), key(s.engine())) << "the next redeal gathers the fans in their order";
    for (Engine* e : {&swapped, &s.engine()}) e->main_game.SetField(field::kPassCounter, 3);
    EXPECT_EQ(key(swapped), key(s.engine())) << "with no redeal left the fans play alike in any order";
}

// The last moves of a won Freecell line: both models see the win coming,
// and the interpreter model finds it too.
TEST(CompiledModel, AgreesWithTheInterpreterOnTheWayToAWin) {
    Session s;
    s.Lines("new 1 1");
    const Result result = Solve(s.engine(), Limits{});
    ASSERT_EQ(result.verdict, Verdict::Won);
    Engine e;
    CopyQuietly(s.engine(), e);
    const size_t replayed = result.line.size() >= 3 ? result.line.size() - 3 : 0;
    for (size_t m = 0; m < replayed; ++m) PlayMove(e, result.line[m]);
    for (size_t m = replayed; m < result.line.size(); ++m) {
        EXPECT_EQ(CompiledChildrenOf(e), InterpreterChildren(e)) << "move " << m;
        PlayMove(e, result.line[m]);
    }
    CopyQuietly(s.engine(), e);
    for (size_t m = 0; m < replayed; ++m) PlayMove(e, result.line[m]);
    InterpreterModel interpreter(e);
    Limits limits;
    limits.positions = 300;
    EXPECT_EQ(BestFirst<InterpreterModel>(interpreter, limits, nullptr).Run(interpreter.Root()).verdict, Verdict::Won);
}

TEST(CompiledModel, LinesItFindsWinWhenTheDriverReplaysThem) {
    Limits limits;
    limits.positions = 200'000;
    limits.seconds = 10;
    // Forty Thieves deals are rarely won within such limits: it is left out.
    for (int game : {1, 2, 3, 4}) {
        int won = 0;
        for (int deal = 1; deal <= 12 && won < 1; ++deal) {
            Session s;
            s.Lines("new " + std::to_string(game) + " " + std::to_string(deal));
            const Result result = Solve(s.engine(), limits);
            if (result.verdict != Verdict::Won) continue;
            ++won;
            for (const Move& move : result.line)
                for (const Input& input : move) {
                    const std::string answer = s.Say(DriverWords(input));
                    ASSERT_TRUE(answer == "moved" || answer == "done") << game << "/" << deal << ": " << DriverWords(input);
                }
            EXPECT_EQ(s.State("won"), "won 1") << game << "/" << deal;
            EXPECT_EQ(s.State("over"), "over 1") << game << "/" << deal;
        }
        EXPECT_GT(won, 0) << "no deal of game " << game << " was solved";
    }
}

}  // namespace
}  // namespace velmora::solver
