#include "engine/model/card_table.h"

#include <gtest/gtest.h>

#include "engine/model/card_code.h"

namespace velmora {
namespace {

TEST(CardCode, RankSuitAndColourAcrossBothDecksAndJokers) {
    EXPECT_EQ(CardRank(1), 1);
    EXPECT_EQ(CardRank(26), 13);
    EXPECT_EQ(CardRank(53), 1);
    EXPECT_EQ(CardRank(104), 13);
    EXPECT_EQ(CardRank(105), 100);
    EXPECT_EQ(CardRank(108), 100);
    EXPECT_EQ(CardRank(109), -1);
    EXPECT_EQ(CardRank(0), 0);
    EXPECT_EQ(CardSuit(27), 2);
    EXPECT_EQ(CardSuit(79), 2);
    EXPECT_EQ(CardSuit(52), 3);
    EXPECT_EQ(CardSuit(106), -1);
    EXPECT_TRUE(CardIsRed(26));
    EXPECT_FALSE(CardIsRed(27));
    EXPECT_TRUE(CardIsRed(78));
    EXPECT_FALSE(CardIsRed(79));
    EXPECT_FALSE(CardIsRed(105));
}

TEST(CardCode, FacesJokersAndImageIndexes) {
    for (int code : {11, 12, 13, 24, 26, 37, 39, 50, 52, 63, 65, 76, 78, 89, 91, 102, 104})
        EXPECT_TRUE(CardIsFace(code)) << code;
    for (int code : {0, 1, 10, 14, 53, 62, 105, 108}) EXPECT_FALSE(CardIsFace(code)) << code;
    EXPECT_TRUE(CardIsJoker(105));
    EXPECT_TRUE(CardIsJoker(108));
    EXPECT_FALSE(CardIsJoker(104));
    EXPECT_FALSE(CardIsJoker(109));
    EXPECT_EQ(CardImageIndex(52), 51);
    EXPECT_EQ(CardImageIndex(53), 0);
    EXPECT_EQ(CardImageIndex(104), 51);
    EXPECT_EQ(CardImageIndex(107), 52);
    // 16-bit arithmetic: 65536 + 10 is card 10's image.
    EXPECT_EQ(CardImageIndex(65536 + 10), 9);
}

TEST(CardTable, LinesCarryNameSuitCodeAndFace) {
    CardTable table;
    table.Build();
    ASSERT_EQ(table.Lines().size(), 108u);
    EXPECT_EQ(table.Line(1), "CUORI_A        10011");
    EXPECT_EQ(table.Line(10), "CUORI_10       10101");
    EXPECT_EQ(table.Line(14), "QUADR_A        20141");
    EXPECT_EQ(table.Line(53), "CUORI_A        10531");
    EXPECT_EQ(table.Line(104), "PICCH_K        41041");
    EXPECT_EQ(table.Line(105), "JOKER          41051");
    EXPECT_EQ(table.Line(108), "JOKER          41081");
    EXPECT_EQ(table.Line(2), "CUORI_02       10021");
    for (const std::string& line : table.Lines()) EXPECT_EQ(line.size(), 20u);
}

TEST(CardTable, FaceStatesLiveInColumnTwenty) {
    CardTable table;
    EXPECT_FALSE(table.IsFaceDown(5));  // no table yet: nothing is face down
    table.Build();
    EXPECT_TRUE(table.SetFaceState(5, kFaceDown));
    EXPECT_TRUE(table.IsFaceDown(5));
    EXPECT_EQ(table.Line(5).substr(0, 19), "CUORI_05       1005");
    EXPECT_FALSE(table.IsFaceDown(0));
    // Codes without a line and states that are not face states are refused.
    EXPECT_FALSE(table.SetFaceState(0, kFaceDown));
    EXPECT_FALSE(table.SetFaceState(109, kFaceDown));
    EXPECT_FALSE(table.SetFaceState(-4, kFaceDown));
    EXPECT_FALSE(table.SetFaceState(6, 'x'));
    EXPECT_FALSE(table.IsFaceDown(109));
    EXPECT_FALSE(table.IsFaceDown(-1));
}

class PileFaceStates : public ::testing::Test {
protected:
    void SetUp() override { table.Build(); }
    std::string States(const std::string& pile) {
        std::string out;
        for (size_t i = 0; i + 3 <= pile.size(); i += 3) out += table.FaceChar(std::stoi(pile.substr(i, 3)));
        return out;
    }
    void AllDown(const std::string& pile) { table.SetPileFaceStates(pile, 99, kFaceDown); }
    CardTable table;
};

TEST_F(PileFaceStates, TopCardsAndWholePile) {
    const std::string pile = "001002003004";
    AllDown(pile);
    EXPECT_EQ(States(pile), "0000");
    table.SetPileFaceStates(pile, 2, kFaceUp);
    EXPECT_EQ(States(pile), "0011");
    table.SetPileFaceStates("007", 2, kFaceDown);  // more than the pile holds
    EXPECT_TRUE(table.IsFaceDown(7));
}

TEST_F(PileFaceStates, AlternationsAndBottomOnly) {
    const std::string pile = "001002003004";
    table.SetPileFaceStates(pile, -1, kFaceDown);  // the state is ignored
    EXPECT_EQ(States(pile), "1010");
    table.SetPileFaceStates(pile, -2, kFaceUp);
    EXPECT_EQ(States(pile), "0101");
    table.SetPileFaceStates(pile, -3, kFaceUp);
    EXPECT_EQ(States(pile), "1000");
}

TEST_F(PileFaceStates, OtherCountsAndBadPilesChangeNothing) {
    const std::string pile = "001002003";
    table.SetPileFaceStates(pile, 0, kFaceDown);
    table.SetPileFaceStates(pile, -4, kFaceDown);
    EXPECT_EQ(States(pile), "111");
    // A partial unit, a placeholder and codes outside the table are skipped.
    table.SetPileFaceStates("0000019990x", 9, kFaceDown);
    EXPECT_TRUE(table.IsFaceDown(1));
    EXPECT_EQ(table.Lines().size(), 108u);
}

}  // namespace
}  // namespace velmora
