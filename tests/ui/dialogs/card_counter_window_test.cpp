// The card counter's grid: each count in its cell, the totals, the jokers'
// row only for games with jokers.
#include <QLabel>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/dialogs/card_counter_window.h"

namespace velmora {
namespace {

TEST(CardCounterWindow, ShowsCountsTotalsAndJokers) {
    test::EnsureApplication();
    CardCounterWindow window;
    UnseenCards unseen;
    unseen.count[0][0] = 2;   // two aces of hearts
    unseen.count[12][3] = 1;  // a king of spades
    unseen.count[9][1] = 1;   // a ten of diamonds
    unseen.jokers = 1;
    window.ShowCounts(unseen, true);
    window.show();
    EXPECT_EQ(window.Cell(1, 0)->text(), "2");
    EXPECT_EQ(window.Cell(13, 3)->text(), "1");
    EXPECT_EQ(window.Cell(10, 1)->text(), "1");
    EXPECT_EQ(window.Cell(13, 0)->text(), "0");
    EXPECT_FALSE(window.Cell(13, 0)->isEnabled()) << "a rank all seen fades";
    EXPECT_EQ(window.RankTotal(1)->text(), "2");
    EXPECT_EQ(window.SuitTotal(3)->text(), "1");
    EXPECT_EQ(window.SuitTotal(1)->text(), "1");
    EXPECT_EQ(window.lblTotal->text(), "5");
    EXPECT_TRUE(window.lblJokers->isVisible());
    EXPECT_EQ(window.lblJokers->text(), "1");

    window.ShowCounts(UnseenCards{}, false);
    EXPECT_EQ(window.Cell(1, 0)->text(), "0");
    EXPECT_EQ(window.lblTotal->text(), "0");
    EXPECT_FALSE(window.lblJokers->isVisible());
    EXPECT_FALSE(window.lblJokersCaption->isVisible());
}

}  // namespace
}  // namespace velmora
