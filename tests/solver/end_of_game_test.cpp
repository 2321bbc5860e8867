// The search at the end of a game: the move that wins ends the game (the
// engine clears its finished flag then), and that position still counts as
// won, so a line one move from the win is found and not called impossible.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "session.h"
#include "solver/search.h"

namespace velmora::solver {
namespace {

using cli::Session;

std::vector<std::string> WinningMoves() {
    std::ifstream file(VELMORA_SOURCE_DIR "/tests/ui/main/data/freecell-3-won.moves");
    std::vector<std::string> moves;
    for (std::string line; std::getline(file, line);)
        if (!line.empty()) moves.push_back(line);
    return moves;
}

// Freecell deal 3 played by the known winning line, all but `left` moves.
void PlayAllBut(Session& s, size_t left) {
    const std::vector<std::string> moves = WinningMoves();
    ASSERT_GT(moves.size(), left);
    s.Lines("new 1 3");
    s.Lines("autoplay off");
    for (size_t i = 0; i + left < moves.size(); ++i) s.Lines(moves[i]);
}

TEST(SolveNearTheEnd, FindsTheLastMovesAndTheyWinTheGame) {
    for (size_t left : {size_t{1}, size_t{6}}) {
        Session s;
        PlayAllBut(s, left);
        Limits limits;
        limits.seconds = 20;
        const Result result = Solve(s.engine(), limits);
        ASSERT_EQ(result.verdict, Verdict::Won) << left << " moves left";
        ASSERT_FALSE(result.line.empty());
        EXPECT_LE(result.line.size(), left);
        for (const Move& move : result.line)
            for (const Input& input : move) s.Lines(DriverWords(input));
        EXPECT_EQ(s.State("won"), "won 1") << left << " moves left";
    }
}

TEST(SolveNearTheEnd, AWonGameHasNothingLeftToFind) {
    Session s;
    PlayAllBut(s, 0);
    ASSERT_EQ(s.State("won"), "won 1");
    EXPECT_EQ(Solve(s.engine(), Limits{}).verdict, Verdict::Won);
}

}  // namespace
}  // namespace velmora::solver
