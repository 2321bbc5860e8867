// The foundation start modes, the tableau base 91, the extra foundation
// card and the second waste's starting card, each on a buffer laid out by
// hand so that every card and every base rank can be named.

#include "engine/deal/foundation_start.h"

#include <gtest/gtest.h>

#include "deal/deal_fixture.h"

namespace velmora {
namespace {

class FoundationStart : public DealTest {
protected:
    // Every foundation base rank 7 before the step, so that a change shows.
    void SetUp() override {
        DealTest::SetUp();
        for (int f = 0; f < 16; ++f) e().rules.Set(48 + f, 7);
    }
    DealBuffer StartMode(int mode, DealBuffer buffer) {
        Rules({{1, mode}});
        DealContext c{e(), RefusingRules(), std::move(buffer)};
        ApplyFoundationStartMode(c);
        return c.buffer;
    }
    Codes BaseRanks() {
        Codes ranks;
        for (int f = 0; f < 16; ++f) ranks.push_back(e().R(48 + f));
        return ranks;
    }
};

// One card to each foundation in use, every one of them based on the first
// foundation's card; the foundations beyond are left alone.
TEST_F(FoundationStart, ModeTwoDealsOnlyTheFoundationsInUse) {
    Rules({{303, 3}});
    const DealBuffer left = StartMode(2, BufferOf({5, 14, 28, 37, 35}));
    EXPECT_EQ(Found(0), (Codes{5}));
    EXPECT_EQ(Found(1), (Codes{14}));
    EXPECT_EQ(Found(2), (Codes{28}));
    EXPECT_TRUE(Found(3).empty());
    EXPECT_EQ(Faces(ListId::Foundation, 2), "1");
    EXPECT_EQ(BaseRanks(), (Codes{5, 5, 5, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(left, BufferOf({37, 35}));

    ClearPiles(e(), true);
    Rules({{303, 0}});
    EXPECT_EQ(StartMode(2, BufferOf({5})), BufferOf({5}));
    EXPECT_TRUE(Found(0).empty());
}

TEST_F(FoundationStart, ModesOneAndFourTakeTheirRanksFromOneCard) {
    struct Row {
        int mode;
        DealBuffer buffer;
        Codes bases;
    };
    const Row rows[] = {
        {1, BufferOf({5, 14}), Codes(16, 5)},
        {1, BufferOf({105, 14}), Codes(16, -2)},  // a joker: fixed by the first card played
        {1, {}, Codes(16, 7)},
        {4, BufferOf({9, 14}), {7, 9, 9, 9, 10, 10, 10, 10, 7, 7, 7, 7, 7, 7, 7, 7}},
        {4, BufferOf({13, 14}), {7, 13, 13, 13, 1, 1, 1, 1, 7, 7, 7, 7, 7, 7, 7, 7}},  // the King, then the Ace
        {4, BufferOf({106}), Codes(16, 7)},
        {0, BufferOf({5}), Codes(16, 7)},
        {5, BufferOf({5}), Codes(16, 7)},
    };
    for (const Row& row : rows) {
        ClearPiles(e(), true);
        for (int f = 0; f < 16; ++f) e().rules.Set(48 + f, 7);
        Rules({{303, 4}});
        StartMode(row.mode, row.buffer);
        EXPECT_EQ(BaseRanks(), row.bases) << "mode " << row.mode;
        const bool dealt = (row.mode == 1 || row.mode == 4) && !row.buffer.empty();
        EXPECT_EQ(Found(0).size(), dealt ? 1u : 0u) << "mode " << row.mode;
        EXPECT_TRUE(Found(1).empty()) << "mode " << row.mode;
    }
}

// Each foundation in use is based on the rank after its reserve's bottom
// card; foundations without a usable card keep their base.
TEST_F(FoundationStart, ModeThreeFollowsTheReserves) {
    Rules({{303, 5}});
    SetPile(ListId::Reserve, 0, {13, 2});  // the King's next rank is the Ace
    SetPile(ListId::Reserve, 1, {18});
    SetPile(ListId::Reserve, 3, {106, 4});  // a joker has no next rank
    SetPile(ListId::Reserve, 4, {52});
    SetPile(ListId::Reserve, 5, {3});       // foundation 6 is not in use
    StartMode(3, {});
    EXPECT_EQ(BaseRanks(), (Codes{1, 6, 7, 7, 1, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}));
    EXPECT_TRUE(Found(0).empty());
}

TEST_F(FoundationStart, TableauBaseNinetyOneFollowsTheFirstFoundation) {
    for (int base : {1, 5}) {
        for (int t = 0; t < 28; ++t) e().rules.Set(128 + t, t % 2 ? 91 : 4);
        Rules({{48, base}});
        ReplaceTableauBase91(e());
        for (int t = 0; t < 28; ++t) EXPECT_EQ(e().R(128 + t), t % 2 ? (base == 1 ? 13 : base - 1) : 4) << t;
    }
}

TEST_F(FoundationStart, ExtraCardOnlyForOne) {
    for (int value : {0, 1, 2, -1}) {
        ClearPiles(e(), true);
        Rules({{11, value}});
        DealContext c{e(), RefusingRules(), BufferOf({5, 14})};
        DealExtraFoundationCard(c);
        EXPECT_EQ(Found(0), value == 1 ? Codes{5} : Codes{}) << value;
        EXPECT_EQ(Faces(ListId::Foundation, 0), value == 1 ? "1" : "") << value;
    }
}

TEST_F(FoundationStart, SecondWasteStartingCard) {
    struct Row {
        int value;
        Codes second_waste;
    };
    for (const Row& row : {Row{0, {}}, Row{13, {13}}, Row{100, {100}}, Row{101, {1}}, Row{113, {13}}, Row{109, {9}},
                           Row{-4, {}}, Row{209, {}}}) {
        ClearPiles(e(), true);
        Rules({{288, row.value}});
        DealContext c{e(), RefusingRules(), BufferOf({13, 100, 1, 9})};
        PlaceSecondWasteStart(c);
        EXPECT_EQ(Stock(kSecondWasteIndex), row.second_waste) << row.value;
        EXPECT_EQ(c.buffer.size(), 4u - row.second_waste.size()) << row.value;
    }
}

}  // namespace
}  // namespace velmora
