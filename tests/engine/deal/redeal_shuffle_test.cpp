// The shuffle of a tableau redeal: a permutation fixed by the deal number
// and the pass, the same on every machine, so that deals replay alike.
#include "engine/deal/redeal_shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace velmora {
namespace {

std::vector<int> Shuffled(const char* deal, int pass, int n = 52) {
    std::vector<int> cards(static_cast<size_t>(n));
    std::iota(cards.begin(), cards.end(), 1);
    ShuffleForRedeal(cards, deal, pass);
    return cards;
}

TEST(RedealShuffle, IsAPermutationFixedByTheDealAndThePass) {
    const std::vector<int> cards = Shuffled("0000000000001", 2);
    std::vector<int> sorted = cards;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 1);
    EXPECT_EQ(sorted, deck);
    EXPECT_NE(cards, deck);
    EXPECT_EQ(Shuffled("0000000000001", 2), cards);
    EXPECT_EQ(Shuffled("1", 2), cards) << "read as the deal's thirteen digits";
    EXPECT_NE(Shuffled("0000000000001", 3), cards);
    EXPECT_NE(Shuffled("0000000000002", 2), cards);
    // Pinned, so that a change to the generator, which would replay every
    // kept game of redeals differently, does not go unnoticed.
    EXPECT_EQ(Shuffled("0000000000001", 2, 8), (std::vector<int>{4, 2, 6, 7, 3, 1, 8, 5}));
    EXPECT_EQ(Shuffled("0000000000001", 2, 1), std::vector<int>{1});
    EXPECT_TRUE(Shuffled("0000000000001", 2, 0).empty());
}

}  // namespace
}  // namespace velmora
