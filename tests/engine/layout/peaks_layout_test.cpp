// The peaks (tableau arrangement 131) on a 1280 by 800 window with big
// cards: K = 1278, top 5, rows 10 apart. A step is a card and a gap of 6,
// 77 pixels; the last row of ten is 9 x 77 + 71 = 764 wide.
#include <string>

#include "engine/layout/card_positions.h"
#include "engine/model/card_code.h"
#include "engine/model/peak_rows.h"
#include "layout_fixture.h"

namespace velmora::layout_test {
namespace {

constexpr int kRowLength[] = {3, 6, 9, 10};

class PeaksLayout : public TableLayoutTest {
protected:
    PeaksLayout() {
        Rules({{304, 4}, {295, 131}, {296, 1}, {3, 4}, {302, 1}, {306, 1}, {300, 1}});
        int code = 1;
        for (int r = 0; r < 4; ++r) {
            Rules({{311 + r, kRowLength[r]}});
            std::string& row = e().piles.tableau[static_cast<size_t>(r)];
            for (int i = 0; i < kRowLength[r]; ++i) row += CardCodeText(code++);
        }
        LayOut();
    }
    Anchor Card(int row, int slot) {
        const std::string name = "Fila" + std::to_string(row + 1);
        const int skip = kRowLength[row] - 1 - slot;
        return {CardX(e(), name, row, skip, false), CardY(e(), name, skip, false)};
    }
    void Clear(int row, int slot) { e().piles.tableau[static_cast<size_t>(row)].replace(static_cast<size_t>(3 * slot), 3, "000"); }
};

TEST_F(PeaksLayout, TheRowsStandCentredEachHalfACardLowerWithTheDeckBelow) {
    // x1 = nearest(514 / 2) = 257; each row 48 + 4 lower than the last,
    // starting at row 1 (5 + 10).
    EXPECT_EQ(Tableaus(4), (std::vector<Anchor>{{372, 15}, {334, 67}, {295, 119}, {257, 171}}));
    // 20 below the last row, 15 either side of its middle 257 + 382.
    EXPECT_EQ(Deck(0), (Anchor{553, 287}));
    EXPECT_EQ(Deck(2), (Anchor{654, 287}));
    // The tops of the peaks three steps apart.
    EXPECT_EQ(Card(0, 1), (Anchor{603, 15}));
    EXPECT_EQ(Card(0, 2), (Anchor{834, 15}));
}

TEST_F(PeaksLayout, EveryCardLiesHalfUnderTheTwoCardsThatCoverIt) {
    for (int row = 0; row < 3; ++row) {
        for (int slot = 0; slot < kRowLength[row]; ++slot) {
            const int first = FirstCoveringSlot(row, slot, 4);
            const Anchor card = Card(row, slot);
            const Anchor left = Card(row + 1, first);
            const Anchor right = Card(row + 1, first + 1);
            EXPECT_EQ(right.x - left.x, 77) << row << " " << slot;
            EXPECT_NEAR(card.x - left.x, 38, 1) << row << " " << slot;
            EXPECT_EQ(left.y - card.y, 52) << row << " " << slot;
        }
    }
}

TEST_F(PeaksLayout, APressFindsTheCardItShowsThroughEmptySlotsAndGaps) {
    // The lower half of row 3's first card (code 10) lies under the last
    // row's first two cards (19 and 20).
    EXPECT_EQ(CardAt(e(), 340, 200).code, 20);
    Clear(3, 0);
    EXPECT_EQ(CardAt(e(), 340, 200).code, 20) << "its neighbour still covers that part";
    Clear(3, 1);
    const CardHit freed = CardAt(e(), 340, 200);
    EXPECT_EQ(freed.pile, "Fila3");
    EXPECT_EQ(freed.code, 10);
    EXPECT_EQ(freed.rect, (Rect{295, 119, 366, 215}));
    // Between the first two peaks row 2 leaves a gap: the table shows.
    EXPECT_EQ(CardAt(e(), 500, 90).code, 0);
    EXPECT_EQ(CardAt(e(), 480, 90).code, 5) << "the right edge of the first peak's second card in row 2";
}

}  // namespace
}  // namespace velmora::layout_test
