// "new" does what the window does once a deal lies on the table: automatic
// play, when it is on, takes what it can home at once.
#include <gtest/gtest.h>

#include "session.h"

namespace velmora::cli {
namespace {

TEST(NewCommand, AutomaticPlayRunsOnTheDealtTableOnlyWhenOn) {
    Session by_hand;
    by_hand.Lines("autoplay off");
    by_hand.Lines("new 1 1");
    EXPECT_EQ(by_hand.State("Dest1"), "Dest1");
    const std::string fila8 = by_hand.State("Fila8");
    ASSERT_EQ(fila8.substr(fila8.size() - 5), " 0011") << "the Ace of hearts lies free";

    Session automatic;
    automatic.Lines("new 1 1");
    EXPECT_EQ(automatic.State("Dest1"), "Dest1 0011");
    EXPECT_EQ(automatic.State("score"), "score -47");
    // The automatic moves right after the deal belong to the deal: the
    // player's undo does not take them back.
    EXPECT_EQ(automatic.Say("undo"), "nothing");
    EXPECT_EQ(automatic.State("Dest1"), "Dest1 0011");
}

}  // namespace
}  // namespace velmora::cli
