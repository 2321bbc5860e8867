// The box at the end of a game: what it says after a win and after a loss,
// and what each of its buttons answers.
#include "ui/dialogs/game_over_box.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "qt_test_app.h"

namespace velmora {
namespace {

GameSummary Summary(bool won, const std::string& score) {
    GameSummary summary;
    summary.won = won;
    summary.game_name = "Twelve Towers";
    summary.time = "0:03:07";
    summary.score = score;
    summary.moves = 41;
    return summary;
}

class GameOverBox : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }
};

TEST_F(GameOverBox, AWinAndALossAreToldApartAndAScoreShowsOnlyWhereTheGameKeepsOne) {
    const GameSummary won = Summary(true, "");
    EXPECT_EQ(SummaryHeading(won), QStringLiteral("You won Twelve Towers!"));
    EXPECT_EQ(SummaryDetails(won), QStringLiteral("Time: 0:03:07     Moves: 41"));
    const GameSummary lost = Summary(false, "-12");
    EXPECT_EQ(SummaryHeading(lost), QStringLiteral("No moves are left: this game of Twelve Towers is lost."));
    EXPECT_EQ(SummaryDetails(lost), QStringLiteral("Time: 0:03:07     Score: -12     Moves: 41"));
    TfrmGameOver box(lost);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Game lost"));
    EXPECT_EQ(box.lblResult->text(), SummaryHeading(lost));
    EXPECT_EQ(box.lblDetails->text(), SummaryDetails(lost));
}

TEST_F(GameOverBox, EachButtonAnswersItsOwnChoice) {
    const GameSummary summary = Summary(true, "52");
    TfrmGameOver box(summary);
    EXPECT_TRUE(box.btnNewGame->isDefault());
    const auto answer = [&box](QPushButton* button) {
        QTimer::singleShot(0, button, [button] { button->click(); });
        return box.Ask();
    };
    EXPECT_EQ(answer(box.btnNewGame), SummaryChoice::NewGame);
    EXPECT_EQ(answer(box.btnSameDeal), SummaryChoice::SameDeal);
    EXPECT_EQ(answer(box.btnOtherGame), SummaryChoice::OtherGame);
    EXPECT_EQ(answer(box.btnClose), SummaryChoice::Close);
}

}  // namespace
}  // namespace velmora
