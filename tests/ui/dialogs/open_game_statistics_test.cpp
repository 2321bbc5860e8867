// The game selection's Statistics button: shown once the program gives it
// something to open, it opens the statistics of the selected game over the
// dialog, which stays open; a category opens nothing.
#include <gtest/gtest.h>

#include <QPushButton>

#include "open_game_fixture.h"

namespace velmora::open_game_test {
namespace {

using OpenGameStatistics = OpenGameFixture;

TEST_F(OpenGameStatistics, ShowTheSelectedGameOverTheDialog) {
    Create("Game=7\n");
    Show();
    EXPECT_TRUE(dialog->btnStatistics->isHidden());
    std::vector<int> shown;
    QWidget* over = nullptr;
    const auto show = [&](int game, QWidget* owner) {
        shown.push_back(game);
        over = owner;
    };
    dialog->SetStatisticsCommand(show);
    dialog->SetStatisticsCommand(show);  // set again, still one window a click
    EXPECT_FALSE(dialog->btnStatistics->isHidden());
    Select(Game("Klondike"));
    dialog->btnStatistics->click();
    Select(Root());
    dialog->btnStatisticsClick();
    EXPECT_EQ(shown, std::vector<int>{2});
    EXPECT_EQ(over, dialog.get());
    EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
}  // namespace velmora::open_game_test
