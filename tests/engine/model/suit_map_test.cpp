#include "engine/model/suit_map.h"

#include <gtest/gtest.h>

#include "engine/model/card_code.h"

namespace velmora {
namespace {

constexpr int kHeartsFive = 5, kDiamondsFive = 18, kClubsFive = 31, kSpadesFive = 44;

TEST(SuitMap, FewerSuitsKeepRankAndDeck) {
    struct Row {
        int style, code, shown;
    };
    for (const Row& r : std::initializer_list<Row>{
             {kDeckHeartsAndSpades, kHeartsFive, kHeartsFive},
             {kDeckHeartsAndSpades, kDiamondsFive, kHeartsFive},
             {kDeckHeartsAndSpades, kClubsFive, kSpadesFive},
             {kDeckHeartsAndSpades, kSpadesFive, kSpadesFive},
             {kDeckHeartsAndSpades, 52 + kDiamondsFive, 52 + kHeartsFive},  // second deck stays second
             {kDeckHeartsAndSpades, 52 + 26, 52 + 13},                       // King of diamonds
             {kDeckSpadesOnly, 1, 40},
             {kDeckSpadesOnly, kDiamondsFive, kSpadesFive},
             {kDeckSpadesOnly, 52 + 13, 104},
             {kDeckSpadesOnly, 105, 105},  // jokers and empty slots are left alone
             {kDeckSpadesOnly, 0, 0},
             {kDeckSpadesOnly, -1, -1},
             {0, kDiamondsFive, kDiamondsFive},
             {16, kClubsFive, kClubsFive},
         }) {
        EXPECT_EQ(SuitMappedCard(r.code, r.style), r.shown) << "style " << r.style << ", card " << r.code;
        if (r.code >= 1 && r.code <= 104) {
            EXPECT_EQ(CardRank(SuitMappedCard(r.code, r.style)), CardRank(r.code));
        }
    }
}

TEST(SuitMap, EveryCardOfTwoDecksShowsAsOneOfTheMapsSuits) {
    int spades = 0, hearts = 0;
    for (int code = 1; code <= 104; ++code) {
        const int two = CardSuit(SuitMappedCard(code, kDeckHeartsAndSpades));
        (two == 3 ? spades : hearts) += 1;
        EXPECT_TRUE(two == 0 || two == 3) << code;
        EXPECT_EQ(CardSuit(SuitMappedCard(code, kDeckSpadesOnly)), 3) << code;
    }
    EXPECT_EQ(spades, 52);
    EXPECT_EQ(hearts, 52);
}

}  // namespace
}  // namespace velmora
