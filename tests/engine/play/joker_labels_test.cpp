#include "engine/play/joker_labels.h"

#include <gtest/gtest.h>

#include "auto_moves_fixture.h"

namespace velmora::play_test {
namespace {

constexpr int kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3;

TEST(JokerLabels, TheCardAJokerStandsFor) {
    struct Row {
        std::string what;
        std::function<void(Table&)> setup;
        int key, foundation, rank, suit;
    };
    const std::vector<Row> rows = {
        {"on the seven of hearts", On("Dest1", {H(7), kJoker}), 104, 0, 8, kHearts},
        {"below the five of clubs", On("Dest2", {kJoker, C(5)}), 201, 1, 4, kClubs},
        {"alone", On("Dest1", {kJoker}), 101, 0, kNoJokerRank, -1},
        {"the first foundation's only", All({On("Dest3", {kJoker + 1, C(5)}), On("Dest2", {S(2), kJoker})}), 204, 1,
         3, kSpades},
        {"on a King: the Ace, in the bottom card's suit", On("Dest1", {D(Q), S(K), kJoker}), 107, 0, 1, kDiamonds},
        // Four foundations in use, the last holding two cards: 100 * 4 + 7 + 100.
        {"no joker", On("Dest4", {S(A), S(2)}), 507, 4, kNoJokerRank, -1},
    };
    for (const Row& row : rows) {
        Table t;
        row.setup(t);
        const JokerLabel label = ComputeJokerLabel(t.e());
        EXPECT_EQ(std::vector<int>({label.key, label.foundation, label.rank, label.suit}),
                  std::vector<int>({row.key, row.foundation, row.rank, row.suit}))
            << row.what;
    }
}

TEST(JokerLabels, RedrawnOnlyWhenWhatShowsChanges) {
    Table t;
    RecordingView rec;
    Record(t.e(), rec);
    t.e().main_game.SetField(field::kJokerIndicator, -1);
    t.Rule(80, 72);  // joker foundations: every score recompute updates the label
    for (auto cards : {std::vector<int>{H(7)}, {H(7), kJoker}, {H(7), kJoker}, {kJoker}, {kJoker}, {kJoker, H(9)}}) {
        PutSuit(t, "Dest1", H, 0, cards);
        RecomputeScore(t.e());
    }
    EXPECT_EQ(rec.Of("joker "), (std::vector<std::string>{"0 8 0", "0 14 -1", "0 8 0"}));
    EXPECT_EQ(t.e().main_game.Field(field::kJokerIndicator), 101);
}

}  // namespace
}  // namespace velmora::play_test
