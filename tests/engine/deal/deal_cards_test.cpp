#include "engine/deal/deal_cards.h"

#include <gtest/gtest.h>

#include "deal/deal_fixture.h"

namespace velmora {
namespace {

TEST_F(DealTest, DealCountsTakeFromTheBufferAndStopAtItsEnd) {
    e().cards.SetFaceState(107, kFaceDown);
    DealBuffer buffer = BufferOf({7, 26, 13, 1, 107, 105});
    EXPECT_EQ(DealCards(e(), 1013, buffer, ListId::Tableau, 0), 1);  // the first king
    EXPECT_EQ(DealCards(e(), 1503, buffer, ListId::Tableau, 0), 1);
    EXPECT_EQ(DealCards(e(), 2, buffer, ListId::Tableau, 0), 2);
    EXPECT_EQ(Tab(0), (Codes{26, 107, 7, 13}));
    EXPECT_EQ(Faces(ListId::Tableau, 0), "0100");  // jokers come face up
    for (int none : {1002, 1504, 0, -1, 1500, 1505}) EXPECT_EQ(DealCards(e(), none, buffer, ListId::Tableau, 0), 0);
    EXPECT_EQ(DealCards(e(), 1, buffer, ListId::Tableau, 28), 0);  // no such pile: the buffer keeps its cards
    EXPECT_EQ(DealCards(e(), 1600, buffer, ListId::Stock, kStockIndex), 2);
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(RequestedCards(1600) + RequestedCards(1504) + RequestedCards(1505), 1601);
}

}  // namespace
}  // namespace velmora
