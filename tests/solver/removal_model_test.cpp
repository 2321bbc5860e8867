// The removal model (pyramid, discard games, grid of elevens) against the
// rules interpreter: from positions reached by random play both offer the
// same presses leading to the same positions; its verdicts agree with the
// interpreter's, and its won lines win when the driver replays them.
#include <gtest/gtest.h>

#include <string>

#include "model_comparison.h"
#include "session.h"
#include "solver/best_first.h"
#include "solver/interpreter_model.h"
#include "solver/removal_model.h"
#include "solver/search.h"

namespace velmora::solver {
namespace {

using cli::Session;

constexpr int kPyramid = 6;
constexpr int kGolf = 7;
constexpr int kBlackHole = 8;
constexpr int kElevens = 9;

ChildMap RemovalChildrenOf(const Engine& e) {
    return ModelChildren<RemovalModel>(e, [](const RemovalModel& model, const RemovalMove& move) { return model.ToMove(move); });
}

TEST(RemovalModel, SupportsTheFourRemovalGamesOnlyWhileNothingIsHalfDone) {
    Session s;
    for (int game : {kPyramid, kGolf, kBlackHole, kElevens}) {
        s.Lines("new " + std::to_string(game) + " 1");
        EXPECT_TRUE(RemovalModel::Supports(s.engine())) << game;
    }
    for (int game : {1, 2, 3, 4, 5}) {
        s.Lines("new " + std::to_string(game) + " 1");
        EXPECT_FALSE(RemovalModel::Supports(s.engine())) << game;
    }
    // Pyramid deal 1: a free 3 (29) of the bottom row, pressed, is selected
    // and waits for its partner.
    s.Lines("new 6 1");
    s.Lines("press Fila7 29");
    ASSERT_FALSE(s.engine().piles.foundations[0].empty());
    EXPECT_FALSE(RemovalModel::Supports(s.engine())) << "a selection is half made";
    s.Lines("new 8 1");
    s.Lines("give-up");
    EXPECT_FALSE(RemovalModel::Supports(s.engine())) << "a game given up has no position";
}

TEST(RemovalModel, OffersTheInterpretersMovesAndPositions) {
    for (int game : {kPyramid, kGolf, kBlackHole, kElevens}) {
        SCOPED_TRACE("game " + std::to_string(game));
        // Pyramid's stock goes round three times: longer play.
        CompareAlongRandomPlay(game, 8, game == kPyramid ? 150 : 70, RemovalModel::Supports, RemovalChildrenOf);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace velmora::solver
