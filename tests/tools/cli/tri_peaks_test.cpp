// Tri-Peaks through the driver: the deal, a card freed and turned up with
// the move that freed it, and undo laying it face down again.
#include <gtest/gtest.h>

#include <string>

#include "session.h"

namespace velmora::cli {
namespace {

// The face characters of a state line's cards ("Fila3 0170 0371" -> "01").
std::string Faces(const std::string& line) {
    std::string faces;
    for (size_t at = line.find(' '); at != std::string::npos; at = line.find(' ', at + 1)) faces += line[at + 4];
    return faces;
}

TEST(TriPeaks, DealsThreePeaksAndTurnsAFreedCardUpWithinItsMove) {
    Session s;
    s.Lines("new 61 1");
    EXPECT_EQ(Faces(s.State("Fila1")), "000");
    EXPECT_EQ(Faces(s.State("Fila2")), "000000");
    EXPECT_EQ(Faces(s.State("Fila3")), "000000000");
    EXPECT_EQ(Faces(s.State("Fila4")), "1111111111");
    EXPECT_EQ(Faces(s.State("Mazzo")).size(), 23u);
    EXPECT_EQ(s.State("Mazzo_Waste"), "Mazzo_Waste 0011") << "the Ace of hearts starts the discard pile";
    EXPECT_EQ(s.State("score"), "score -47");
    // Two, Three of clubs; a Queen from the stock; Jack of spades, Ten of
    // clubs: the last two free the Jack of clubs at the end of row 3.
    for (const char* press : {"press Fila4 28", "press Fila4 29", "press Mazzo 12", "press Fila4 50", "press Fila4 36"})
        ASSERT_EQ(s.Say(press), "done") << press;
    EXPECT_EQ(s.State("Fila3"), "Fila3 0170 0130 0330 0090 0190 0230 0520 0220 0371");
    EXPECT_EQ(s.State("Fila4"), "Fila4 0381 0511 0000 0081 0000 0471 0311 0201 0000 0000");
    EXPECT_EQ(s.Say("press Fila3 17"), "nothing") << "a face-down card";
    EXPECT_EQ(s.Say("undo"), "done");
    EXPECT_EQ(s.State("Fila3"), "Fila3 0170 0130 0330 0090 0190 0230 0520 0220 0370") << "one step";
    EXPECT_EQ(s.State("Fila4"), "Fila4 0381 0511 0000 0081 0000 0471 0311 0201 0000 0361");
}

}  // namespace
}  // namespace velmora::cli
