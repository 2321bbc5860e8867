// Presses in the pairing games on every kind of pile, code by code: which
// presses count, what a stock press does, and which cards may join.

#include <gtest/gtest.h>

#include "engine/play/selection.h"
#include "selection_fixture.h"

namespace velmora::play_test {
namespace {

// Three tableaus (a face-down card under a face-up one on the first), a
// non-empty second foundation, a reserve, the waste and a stock of two.
class PairingTable : public SelectionTable {
public:
    explicit PairingTable(int code) {
        Rule(38, 13).Rule(47, code).Rule(304, 3).Rule(303, 2).Rule(305, 1).Rule(21, 1);
        for (int n = 0; n < 3; ++n) Rule(240 + n, 1);
        Put("Fila1", {C(9), H(5)}).Put("Fila2", {D(5)}).Put("Fila3", {S(8)}).Put("Dest2", {S(2)});
        Put("Appogg1", {C(4)}).Put("Mazzo_Vis", {H(9)}).Put("Mazzo", {D(2), D(3)});
        FaceDown(C(9));
    }
    bool Press(std::string_view pile, int card) { return PressInPairingGame(e(), card, pile); }
};

// Whether a press on a card joins the selection, by code and pile.
TEST(PairingPresses, WhichCardsMayJoin) {
    struct Row {
        int code;
        const char* pile;
        int card;
        bool joins;
        int beeps;  // a press the game does not take is ignored, not refused
    };
    const Row rows[] = {
        {14, "Fila1", H(5), true, 0},       {14, "Fila1", C(9), false, 1},  // only the top card
        {14, "Mazzo_Vis", H(9), false, 0},  {14, "Dest2", S(2), false, 1},
        {16, "Mazzo_Vis", H(9), true, 0},   {16, "Fila2", D(5), true, 0},   {16, "Fila1", C(9), false, 1},
        {20, "Fila1", C(9), true, 0},       {20, "Dest2", S(2), false, 1},  {17, "Fila1", C(9), true, 0},
        {24, "Fila2", D(5), true, 0},       {24, "Dest2", S(2), false, 1},
        {26, "Fila2", D(5), true, 0},       {47, "Fila2", D(5), true, 0},   {47, "Fila1", C(9), false, 1},
        {47, "Dest2", S(2), false, 1},
        {7, "Dest2", S(2), true, 0},        {7, "Fila1", C(9), true, 0},    {7, "Appogg1", C(4), false, 0},
        {41, "Dest2", S(2), true, 0},       {41, "Appogg1", C(4), false, 1}, {1, "Dest2", S(2), true, 0},
    };
    for (const Row& row : rows) {
        PairingTable t(row.code);
        t.Press(row.pile, row.card);
        EXPECT_EQ(t.Pile("Dest1") == CardCodeText(row.card), row.joins) << row.code << " " << row.pile;
        EXPECT_EQ(t.view.beeps, row.beeps) << row.code << " " << row.pile;
    }
}

// Presses that the games ignore, and the games that refuse every press.
TEST(PairingPresses, IgnoredAndRefusedPresses) {
    for (int code : {14, 26, 7, 17, 1}) {
        PairingTable t(code);
        EXPECT_FALSE(t.Press("Mazzo_Vis", H(9))) << code;
        EXPECT_FALSE(t.Press("Appogg1", C(4))) << code;
        EXPECT_FALSE(t.Press("Mazzo", D(3))) << code;
        EXPECT_EQ(t.view.beeps, 0) << code << ": a press the game does not take is not refused";
        EXPECT_EQ(t.Pile("Mazzo"), t.Codes({D(2), D(3)})) << code;
    }
    // These games refuse every press they take; 25 takes only tableau and
    // foundation presses.
    for (int code : {21, 22, 23, 25, 45, 48}) {
        PairingTable t(code);
        EXPECT_FALSE(t.Press("Fila2", D(5))) << code;
        EXPECT_FALSE(t.Press("Dest2", S(2))) << code;
        EXPECT_FALSE(t.Press("Mazzo", D(3))) << code;
        EXPECT_FALSE(t.Press("Appogg1", C(4))) << code;
        EXPECT_EQ(t.view.beeps, code == 25 ? 2 : 4) << code;
        EXPECT_EQ(t.Pile("Dest1"), "") << code;
        EXPECT_EQ(t.Pile("Mazzo"), t.Codes({D(2), D(3)})) << code;
    }
}

TEST(PairingPresses, StockPressesDoTheGamesStockAction) {
    {
        // 20 and 41 deal a card to every tableau.
        for (int code : {20, 41}) {
            PairingTable t(code);
            EXPECT_TRUE(t.Press("Mazzo", D(3))) << code;
            EXPECT_EQ(t.Pile("Fila1"), t.Codes({C(9), H(5), D(3)})) << code;
            EXPECT_EQ(t.Pile("Fila2"), t.Codes({D(5), D(2)})) << code;
            EXPECT_EQ(t.Pile("Fila3"), t.Codes({S(8)})) << code;
        }
    }
    {
        // 47 drops the selection first.
        PairingTable t(47);
        t.Press("Fila2", D(5));
        ASSERT_EQ(t.Pile("Dest1"), t.Codes({D(5)}));
        EXPECT_TRUE(t.Press("Mazzo", D(3)));
        EXPECT_EQ(t.Pile("Dest1"), "");
        EXPECT_FALSE(t.view.highlighted[D(5)]);
        EXPECT_EQ(t.Pile("Fila1"), t.Codes({C(9), H(5), D(3)}));
        t.Put("Mazzo", {});
        t.Press("Fila2", D(5));
        EXPECT_TRUE(t.Press("Mazzo", 0)) << "an empty stock still clears the selection";
        EXPECT_FALSE(t.Press("Mazzo", 0)) << "then nothing is left to do";
    }
    {
        // 16 turns a card while the waste is empty, also by a press on a
        // pile that selects nothing.
        PairingTable t(16);
        EXPECT_FALSE(t.Press("Mazzo", D(3))) << "the waste holds a card";
        EXPECT_FALSE(t.Press("Appogg1", C(4)));
        t.Put("Mazzo_Vis", {});
        EXPECT_TRUE(t.Press("Appogg1", C(4)));
        EXPECT_EQ(t.Pile("Mazzo_Vis"), t.Codes({D(3)}));
        t.Put("Mazzo_Vis", {});
        EXPECT_TRUE(t.Press("Mazzo", D(2)));
        EXPECT_EQ(t.Pile("Mazzo_Vis"), t.Codes({D(2)}));
        EXPECT_EQ(t.Pile("Dest1"), "");
    }
    {
        // 8 closes up the tableaus; its tableau presses select nothing.
        PairingTable t(8);
        t.Put("Fila1", {}).Put("Fila3", {});
        EXPECT_FALSE(t.Press("Fila2", D(5)));
        EXPECT_EQ(t.view.beeps, 0);
        EXPECT_EQ(t.Pile("Dest1"), "");
        EXPECT_TRUE(t.Press("Mazzo", D(3)));
        EXPECT_EQ(t.Pile("Fila1"), t.Codes({D(5)}));
        EXPECT_EQ(t.Pile("Fila2"), t.Codes({D(3)}));
        EXPECT_EQ(t.Pile("Fila3"), t.Codes({D(2)}));
    }
    for (int code : {14, 26, 7}) {
        PairingTable t(code);
        EXPECT_FALSE(PressStockInPairingGame(t.e())) << code;
        EXPECT_EQ(t.Pile("Mazzo"), t.Codes({D(2), D(3)})) << code;
    }
}

// A selection completed by a press goes to the second waste; code 16 pairs
// the waste card with a tableau card.
TEST(PairingPresses, WasteCardCompletesAPairUnderSixteen) {
    PairingTable t(16);
    t.Put("Mazzo_Vis", {H(5) + 52});
    EXPECT_TRUE(t.Press("Mazzo_Vis", H(5) + 52));
    EXPECT_TRUE(t.Press("Fila1", H(5)));
    EXPECT_EQ(t.Pile("Mazzo_Waste"), t.Codes({H(5) + 52, H(5)}));
    EXPECT_EQ(t.Pile("Mazzo_Vis"), "");
    EXPECT_EQ(t.Pile("Fila1"), t.Codes({C(9)}));
}

}  // namespace
}  // namespace velmora::play_test
