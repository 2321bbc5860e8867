#include "engine/model/piles.h"

#include <gtest/gtest.h>

#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"

namespace velmora {
namespace {

class Piles : public ::testing::Test {
protected:
    void SetUp() override {
        engine = EngineInit("/games/");
        PrepareTable(*engine);
        engine->rules.Set(303, 4);
        engine->rules.Set(304, 8);
        engine->rules.Set(305, 4);
    }
    Engine& e() { return *engine; }
    std::unique_ptr<Engine> engine;
};

TEST(PileString, CountsTopsAndScansWholeUnits) {
    EXPECT_EQ(PileCount("012005"), 2);
    EXPECT_EQ(PileCount("01200"), 1);
    EXPECT_EQ(PileTop("012005"), 5);
    EXPECT_EQ(PileTop(""), 0);
    EXPECT_EQ(PileTop("7"), 7);  // shorter than a unit: the whole text
    EXPECT_EQ(PileTop("0120x5"), 0);
    EXPECT_EQ(PileCodeAt("012005", 1), 5);
    EXPECT_EQ(PileCodeAt("012005", 2), -1);
    EXPECT_EQ(PileCodeAt("012005", -1), -1);
    EXPECT_EQ(PileIndexOf("0120050", 5), 1);
    EXPECT_EQ(PileIndexOf("01200", 5), -1);  // "00" is no unit
}

TEST(PileNames, FixedColumnsAndBounds) {
    EXPECT_EQ(ParsePileName("Dest1"), (PileRef{ListId::Foundation, 0}));
    EXPECT_EQ(ParsePileName("Dest01"), ParsePileName("Dest1"));
    EXPECT_EQ(ParsePileName("Fila28"), (PileRef{ListId::Tableau, 27}));
    EXPECT_EQ(ParsePileName("Appogg10"), (PileRef{ListId::Reserve, 9}));
    EXPECT_EQ(ParsePileName("Appogg03"), (PileRef{ListId::Reserve, 2}));
    EXPECT_EQ(ParsePileName("Mazzo"), (PileRef{ListId::Stock, kStockIndex}));
    EXPECT_EQ(ParsePileName("Mazzo_Vis"), (PileRef{ListId::Stock, kWasteIndex}));
    EXPECT_EQ(ParsePileName("Mazzo_Waste"), (PileRef{ListId::Stock, kSecondWasteIndex}));
    for (const char* bad : {"Fila0", "Fila29", "Dest17", "Appogg11", "Fila", "Fila-1", "Fila1x", "Dest123",
                            "Dest_Autoplay1", "mazzo", "Mazzo_V", "", "Appogg"})
        EXPECT_FALSE(ParsePileName(bad).has_value()) << bad;
    EXPECT_EQ(PileName({ListId::Tableau, 11}), "Fila12");
    EXPECT_EQ(PileName({ListId::Reserve, 0}), "Appogg1");
    EXPECT_EQ(PileName({ListId::Stock, kWasteIndex}), "Mazzo_Vis");
    EXPECT_EQ(PileName({ListId::Foundation, 16}), "");
    EXPECT_EQ(NumberAtColumns("Dest_Autoplay12", 14), 12);
}

TEST_F(Piles, AppendSetsFaceStateAndRefusesBadInput) {
    EXPECT_TRUE(PileAppend(e(), ListId::Tableau, 0, 7, kFaceDown));
    EXPECT_TRUE(PileAppend(e(), ListId::Tableau, 0, 40));
    EXPECT_TRUE(PileAppend(e(), ListId::Tableau, 0, 0, kFaceDown));  // a placeholder has no face
    EXPECT_EQ(e().piles.tableau[0], "007040000");
    EXPECT_TRUE(e().cards.IsFaceDown(7));
    EXPECT_FALSE(e().cards.IsFaceDown(40));
    EXPECT_FALSE(PileAppend(e(), ListId::Tableau, 28, 5));
    EXPECT_FALSE(PileAppend(e(), ListId::Reserve, -1, 5));
    EXPECT_FALSE(PileAppend(e(), ListId::Tableau, 1, 109));
    EXPECT_FALSE(PileAppend(e(), ListId::Tableau, 1, -3));
    EXPECT_EQ(e().piles.tableau[1], "");
}

TEST_F(Piles, FindModesRemoveOrKeepSlots) {
    std::string& pile = e().piles.tableau[2];
    pile = "012005033";
    EXPECT_TRUE(PileFind(e(), ListId::Tableau, 2, 5, kFindOnly));
    EXPECT_EQ(pile, "012005033");
    EXPECT_TRUE(PileFind(e(), ListId::Tableau, 2, 5, kFindPlaceholder));
    EXPECT_EQ(pile, "012000033");
    EXPECT_TRUE(PileFind(e(), ListId::Tableau, 2, 33, kFindRemoveWithSlot));
    EXPECT_EQ(pile, "012");
    EXPECT_TRUE(PileFind(e(), ListId::Tableau, 2, 12, kFindRemove));
    EXPECT_EQ(pile, "");
    EXPECT_FALSE(PileFind(e(), ListId::Tableau, 2, 12, kFindRemove));
    EXPECT_FALSE(PileFind(e(), ListId::Tableau, 99, 12, kFindOnly));
}

TEST_F(Piles, RemovingTheBottomCardTakesAPlaceholderAboveIt) {
    std::string& pile = e().piles.reserves[0];
    pile = "012000033";
    EXPECT_TRUE(PileFind(e(), ListId::Reserve, 0, 12, kFindRemoveWithSlot));
    EXPECT_EQ(pile, "033");
    pile = "012033";  // no placeholder: only the card goes
    EXPECT_TRUE(PileFind(e(), ListId::Reserve, 0, 33, kFindRemoveWithSlot));
    EXPECT_EQ(pile, "012");
}

TEST_F(Piles, FindCardKindSearchesInItsOrder) {
    e().piles.stock_area[kWasteIndex] = "009";
    e().piles.tableau[0] = "009";
    EXPECT_EQ(FindCardKind(e(), 9, kFindRemove), kKindWaste);
    EXPECT_EQ(e().piles.stock_area[kWasteIndex], "");
    EXPECT_EQ(FindCardKind(e(), 9, kFindOnly), kKindTableau);
    // Reserve 10 is searched even when the game uses only four.
    e().piles.reserves[9] = "044";
    EXPECT_EQ(FindCardKind(e(), 44, kFindOnly), kKindReserve);
    // A tableau pile beyond the game's count is not searched.
    e().piles.tableau[20] = "045";
    EXPECT_EQ(FindCardKind(e(), 45, kFindOnly), kKindNotFound);
    e().piles.foundations[15] = "046";
    e().piles.stock_area[kStockIndex] = "047";
    e().piles.stock_area[kSecondWasteIndex] = "048";
    EXPECT_EQ(FindCardKind(e(), 46, kFindOnly), kKindFoundation);
    EXPECT_EQ(FindCardKind(e(), 47, kFindOnly), kKindStock);
    EXPECT_EQ(FindCardKind(e(), 48, kFindOnly), kKindSecondWaste);
}

TEST_F(Piles, LocateCardNamesThePile) {
    e().piles.stock_area[kStockIndex] = "001";
    e().piles.stock_area[kWasteIndex] = "002";
    e().piles.stock_area[kSecondWasteIndex] = "003";
    e().piles.foundations[3] = "004";
    e().piles.tableau[7] = "005";
    e().piles.reserves[3] = "006";
    e().piles.reserves[4] = "007";  // beyond the four reserves in use
    EXPECT_EQ(LocateCard(e(), 1), kLocStock);
    EXPECT_EQ(LocateCard(e(), 2), kLocWaste);
    EXPECT_EQ(LocateCard(e(), 3), kLocNowhere);  // the second waste is not searched
    EXPECT_EQ(LocateCard(e(), 4), -4);
    EXPECT_EQ(LocateCard(e(), 5), 8);
    EXPECT_EQ(LocateCard(e(), 6), -24);
    EXPECT_EQ(LocateCard(e(), 7), kLocNowhere);
}

TEST_F(Piles, TopCardsAndTableauQueries) {
    EXPECT_EQ(TopCard(e(), "Fila3"), 0);
    e().piles.stock_area[kWasteIndex] = "010020";
    EXPECT_EQ(TopCard(e(), "Mazzo_Vis"), 20);
    e().piles.tableau[2] = "001002003";
    e().piles.tableau[5] = "004";
    e().piles.tableau[9] = "005006007008";  // not in use
    EXPECT_EQ(TopCard(e(), "Fila3"), 3);
    EXPECT_EQ(TopCard(e(), "Fila03"), 3);
    EXPECT_EQ(TopCard(e(), "Fila99"), 0);
    EXPECT_EQ(TopCard(e(), "nonsense"), 0);
    EXPECT_TRUE(IsTopOfTableau(e(), 3));
    EXPECT_FALSE(IsTopOfTableau(e(), 2));
    EXPECT_FALSE(IsTopOfTableau(e(), 8));
    EXPECT_FALSE(IsTopOfTableau(e(), 0));
    EXPECT_EQ(LongestTableau(e()), 3);
    e().rules.Set(304, 500);  // far outside the lists: clamped, never out of bounds
    EXPECT_EQ(LongestTableau(e()), 4);
}

TEST_F(Piles, ClearPilesAndTheWorkingCopy) {
    e().piles.tableau[0] = "001";
    e().undo.stock_area = {"", "", ""};
    e().redo.stock_area = {"", "", ""};
    e().flags.Set(flag::kInProgress, true);
    SaveWorkingCopy(e());
    ClearPiles(e(), false);
    EXPECT_EQ(e().piles.tableau[0], "001");
    EXPECT_EQ(e().undo.Steps(), 1);
    EXPECT_EQ(e().redo.Steps(), 0);
    EXPECT_FALSE(e().flags.Get(flag::kInProgress));
    ClearPiles(e(), true);
    EXPECT_EQ(e().piles.tableau[0], "");
    EXPECT_EQ(e().undo.Steps(), 0);
    RestoreWorkingCopy(e());
    EXPECT_EQ(e().piles.tableau[0], "001");
}

}  // namespace
}  // namespace velmora
