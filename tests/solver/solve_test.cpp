// The solver on real deals, checked through the headless driver: a line
// called won wins when its words are replayed after the same deal, a table
// with no move left is impossible, limits and cancelling give unknown, and
// a search leaves the table it was asked about as it was.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "session.h"
#include "solver/position_key.h"
#include "solver/search.h"

namespace velmora::solver {
namespace {

struct KnownDeal {
    const char* game;
    const char* deal;
};

// Deals the solver wins within a few hundred positions.
constexpr KnownDeal kQuickWins[] = {{"8", "3"}, {"9", "4"}, {"9", "5"}};

Limits Quick() {
    Limits limits;
    limits.positions = 5000;
    limits.seconds = 60;
    limits.table_bytes = 8u << 20;
    return limits;
}

std::vector<std::string> Words(const Result& result) {
    std::vector<std::string> words;
    for (const Move& move : result.line)
        for (const Input& input : move) words.push_back(DriverWords(input));
    return words;
}

TEST(Solve, AWonLineReplaysThroughTheDriverToAWonGame) {
    for (const KnownDeal& known : kQuickWins) {
        cli::Session s;
        s.Lines(std::string("new ") + known.game + " " + known.deal);
        const uint64_t before = PositionKey(s.engine());
        const Result result = Solve(s.engine(), Quick());
        ASSERT_EQ(result.verdict, Verdict::Won) << "game " << known.game << " deal " << known.deal;
        EXPECT_EQ(PositionKey(s.engine()), before) << "the search played on the table itself";
        ASSERT_FALSE(result.line.empty());
        cli::Session replay;
        replay.Lines(std::string("new ") + known.game + " " + known.deal);
        for (const std::string& words : Words(result)) {
            const std::vector<std::string> answer = replay.Raw(words);
            ASSERT_EQ(answer.back(), "ok") << words;
        }
        EXPECT_EQ(replay.State("won"), "won 1") << "game " << known.game << " deal " << known.deal;
    }
}

TEST(Solve, TheDriverAnswersTheVerdictThenTheLine) {
    cli::Session s;
    s.Lines("new 8 3");
    const std::vector<std::string> lines = s.Lines("solve 5000 60");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "won");
    EXPECT_GT(lines.size(), 17u) << "Black Hole sends 51 cards home, one a move";
    EXPECT_EQ(s.Raw("solve 0").back(), "error: positions must be 1 to 1000000000");
    EXPECT_EQ(s.Raw("solve 10 x").back(), "error: seconds must be more than 0 and at most 86400");
    EXPECT_EQ(s.Raw("solve 10 0").back(), "error: seconds must be more than 0 and at most 86400");
    EXPECT_EQ(s.Raw("solve 10 1.5.1").back(), "error: seconds must be more than 0 and at most 86400");
    EXPECT_EQ(s.Raw("solve 10 0.5").back(), "ok");
}

TEST(Solve, ATableWithNoMoveLeftIsImpossibleAndAWonOneIsWon) {
    cli::Session s;
    s.Lines("new 7 1");
    // Golf played on until nothing is left to do.
    for (int step = 0; step < 200 && s.Say("moves-left") == "yes"; ++step) {
        bool moved = false;
        for (int t = 1; t <= 7 && !moved; ++t) moved = s.Say("press Fila" + std::to_string(t)) == "done";
        if (!moved) s.Say("press Mazzo");
    }
    ASSERT_EQ(s.Say("moves-left"), "no");
    const Result dead = Solve(s.engine(), Quick());
    EXPECT_EQ(dead.verdict, Verdict::Impossible);
    EXPECT_TRUE(dead.line.empty());
    EXPECT_TRUE(dead.guess.empty());
    EXPECT_EQ(s.Lines("solve")[0], "impossible");

    cli::Session won;
    won.Lines("new 8 3");
    for (const std::string& words : Words(Solve(won.engine(), Quick()))) won.Lines(words);
    ASSERT_EQ(won.State("won"), "won 1");
    const Result again = Solve(won.engine(), Quick());
    EXPECT_EQ(again.verdict, Verdict::Won);
    EXPECT_TRUE(again.line.empty());
}

TEST(Solve, ALimitOrACancelIsUnknownNeverAVerdict) {
    cli::Session s;
    s.Lines("new 1 1");
    Limits one = Quick();
    one.positions = 1;
    EXPECT_EQ(Solve(s.engine(), one).verdict, Verdict::Unknown);
    std::atomic<bool> cancel{true};
    const Result cancelled = Solve(s.engine(), Quick(), &cancel);
    EXPECT_EQ(cancelled.verdict, Verdict::Unknown);
    EXPECT_LE(cancelled.positions, 64 * 40) << "a cancelled search stops within a few positions";
}

// When a limit stops the search, the move it was heading for is offered as
// a guess: a legal move from the table asked about, on every kind of model
// (the stock's chain in Klondike, the narrow pass of games with hidden
// cards, pairs taken away in Aces Up), and only when no verdict was found.
TEST(Solve, AGuessIsALegalMoveAndOnlyWhenTheSearchGaveUp) {
    constexpr KnownDeal kHard[] = {{"48", "1"}, {"2", "2"}, {"64", "2"}, {"5", "1"}};
    for (const KnownDeal& hard : kHard) {
        cli::Session s;
        s.Lines(std::string("new ") + hard.game + " " + hard.deal);
        Limits few = Quick();
        few.positions = 300;
        const Result result = Solve(s.engine(), few);
        ASSERT_EQ(result.verdict, Verdict::Unknown) << "game " << hard.game;
        ASSERT_FALSE(result.guess.empty()) << "game " << hard.game;
        const uint64_t before = PositionKey(s.engine());
        for (const Input& input : result.guess) ASSERT_EQ(s.Raw(DriverWords(input)).back(), "ok") << "game " << hard.game;
        EXPECT_NE(PositionKey(s.engine()), before) << "game " << hard.game;

        few.want_line = false;
        cli::Session again;
        again.Lines(std::string("new ") + hard.game + " " + hard.deal);
        EXPECT_TRUE(Solve(again.engine(), few).guess.empty()) << "no inputs are made for a run of deals";
    }
    cli::Session won;
    won.Lines("new 8 3");
    EXPECT_TRUE(Solve(won.engine(), Quick()).guess.empty());
}

TEST(Winnability, CountsTheVerdictsOfARunOfDeals) {
    cli::Session s;
    s.Lines("new 1 5");
    const std::vector<std::string> lines = s.Lines("winnability 8 9 1 30");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "won 1");
    EXPECT_EQ(lines[1], "impossible 0");
    EXPECT_EQ(lines[2], "unknown 0");
    EXPECT_EQ(lines[3].rfind("winnable 100.0 20.7 100.0", 0), 0u) << lines[3];
    EXPECT_EQ(lines[4].rfind("deals_per_second ", 0), 0u);
    EXPECT_EQ(s.State("deal"), "deal 0000000000005") << "the table's own game is left alone";
    EXPECT_EQ(s.Raw("winnability 4242 1 5").back(), "error: unknown game id '4242'");
    EXPECT_EQ(s.Raw("winnability 1 1 0").back(), "error: count must be 1 to 10000000");
    EXPECT_EQ(s.Raw("winnability 1 1").back().rfind("error: usage", 0), 0u);
}

TEST(Solve, SearchesOnTwoThreadsAtOnceAgree) {
    cli::Session s;
    s.Lines("new 8 3");
    Result first;
    Result second;
    std::thread other([&] { second = Solve(s.engine(), Quick()); });
    first = Solve(s.engine(), Quick());
    other.join();
    ASSERT_EQ(first.verdict, Verdict::Won);
    EXPECT_EQ(Words(first), Words(second));
}

}  // namespace
}  // namespace velmora::solver
