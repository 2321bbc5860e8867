// The end of a game as the driver sees it: a Golf deal played until no move
// is left says so, undo brings the moves back, a removal game's pairs count
// as moves, and undo never takes back what the deal itself sent home.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session.h"

namespace velmora::cli {
namespace {

constexpr const char* kGolf = "7";
constexpr const char* kElevens = "9";

// Golf is played by clicking a tableau's top card onto the discard: the
// first click that takes a card, else a press on the stock; false when
// nothing changed.
bool PlayOnce(Session& s) {
    for (int t = 1; t <= 7; ++t)
        if (s.Say("press Fila" + std::to_string(t)) == "done") return true;
    return s.Say("press Mazzo") == "done";
}

TEST(GameEnd, AGolfDealPlayedOutHasNoMoveLeftUntilUndone) {
    Session s;
    s.Lines(std::string("new ") + kGolf + " 1");
    EXPECT_EQ(s.Say("moves-left"), "yes");
    int steps = 0;
    while (s.Say("moves-left") == "yes" && steps < 200) {
        ASSERT_TRUE(PlayOnce(s)) << "a move is left, yet no click did anything";
        ++steps;
    }
    ASSERT_EQ(s.Say("moves-left"), "no");
    EXPECT_EQ(s.State("won"), "won 0");
    EXPECT_EQ(s.Say("press Mazzo"), "nothing") << "the stock is spent";
    EXPECT_EQ(s.Say("undo"), "done");
    EXPECT_EQ(s.Say("moves-left"), "yes");
}

// Elevens is played by clicking pairs (and Jack, Queen, King) away: no
// drag is ever listed, yet a deal holding a pair has a move.
TEST(GameEnd, ARemovalGamesPairsAreMovesLeft) {
    int with_pairs = 0;
    for (int deal = 1; deal <= 12; ++deal) {
        Session s;
        s.Lines(std::string("new ") + kElevens + " " + std::to_string(deal));
        ASSERT_TRUE(s.Lines("moves").empty());
        std::vector<int> ranks;
        for (const std::string& line : s.Lines("state")) {
            if (line.rfind("Fila", 0) != 0) continue;
            std::istringstream words(line);
            std::string word;
            words >> word;
            while (words >> word) ranks.push_back((std::stoi(word.substr(0, 3)) - 1) % 13 + 1);
        }
        bool pair = false;
        bool jack = false, queen = false, king = false;
        for (size_t i = 0; i < ranks.size(); ++i) {
            for (size_t j = i + 1; j < ranks.size(); ++j) pair = pair || ranks[i] + ranks[j] == 11;
            jack = jack || ranks[i] == 11;
            queen = queen || ranks[i] == 12;
            king = king || ranks[i] == 13;
        }
        const bool expected = pair || (jack && queen && king);
        EXPECT_EQ(s.Say("moves-left"), expected ? "yes" : "no") << "deal " << deal;
        with_pairs += expected ? 1 : 0;
    }
    EXPECT_GT(with_pairs, 0);
}

// The pyramid's last row is free all along: two of its cards adding to 13
// are a move though neither is the row's last card.
TEST(GameEnd, APyramidPairInsideARowIsAMoveLeft) {
    Session s;
    s.Lines("new 6 1");
    // Deal 1's last row: 3, 8, 5, 7, Jack, 10 and Ace. Without the stock
    // and the waste, only 3 + 10 and 8 + 5 are left to play.
    Engine& e = s.engine();
    e.piles.stock_area[kStockIndex].clear();
    e.piles.stock_area[kWasteIndex].clear();
    EXPECT_EQ(s.Say("moves-left"), "yes");
    EXPECT_EQ(s.Say("press Fila7 29"), "done");
    EXPECT_EQ(s.Say("press Fila7 36"), "done");
    EXPECT_EQ(s.Say("press Fila7 47"), "done");
    EXPECT_EQ(s.Say("press Fila7 31"), "done");
    EXPECT_EQ(s.Say("moves-left"), "no") << "7, Jack and Ace make no 13";
}

// Klondike's first deal: automatic play sends the Ace of hearts home as the
// deal lands. That card is the deal's; the player's first undo has nothing
// to take back, and later undos stop there.
TEST(GameEnd, UndoLeavesWhatTheDealSentHome) {
    Session s;
    const std::vector<std::string> dealt = s.Lines("new 2 1");
    ASSERT_EQ(s.State("Dest1"), "Dest1 0011");
    EXPECT_EQ(s.Say("undo"), "nothing");
    EXPECT_EQ(s.Lines("state"), dealt);
    EXPECT_EQ(s.Say("press Mazzo"), "done");
    EXPECT_EQ(s.Say("undo"), "done");
    EXPECT_EQ(s.Lines("state"), dealt);
    EXPECT_EQ(s.Say("undo"), "nothing");
}

}  // namespace
}  // namespace velmora::cli
