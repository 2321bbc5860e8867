#include <gtest/gtest.h>

#include "session.h"

namespace velmora::cli {
namespace {

// Freecell deal 1: the Ace of hearts (1) tops Fila8, the three of hearts
// (3) tops Fila4 above the two of spades (41), the nine of diamonds (22)
// tops Fila6.
TEST(PlayCommands, ReleasesAreFollowedByAutoplayAndClicksFollowTheSettings) {
    Session s;
    s.Lines("new 1 1");
    EXPECT_EQ(s.Say("drop 41 Appogg1"), "refused") << "the two of spades lies under the three";
    EXPECT_EQ(s.Say("drop 3 Dest2"), "refused");
    EXPECT_EQ(s.State("Dest1"), "Dest1 0011") << "autoplay is on from the start";
    EXPECT_EQ(s.Say("drop 3 Appogg1"), "moved");
    // The Ace that automatic play sent home with the deal stays there.
    for (const char* answer : {"done", "nothing"}) EXPECT_EQ(s.Say("undo"), answer);
    EXPECT_EQ(s.State("Dest1"), "Dest1 0011");
    EXPECT_EQ(s.Say("autoplay off"), "done");
    s.Lines("set 249 1 N");
    EXPECT_EQ(s.Say("click Fila4 3"), "nothing");
    EXPECT_EQ(s.Say("press Fila1"), "nothing") << "picked up and put back";
    s.Lines("set 251 1 Y");
    EXPECT_EQ(s.Say("autoplay on"), "done");
    EXPECT_EQ(s.Say("click Fila6 22"), "moved") << "onto the ten of clubs the Ace uncovered";
    EXPECT_EQ(s.State("Fila8"), "Fila8 0471 0311 0201 0501 0361 0221");
}

}  // namespace
}  // namespace velmora::cli
