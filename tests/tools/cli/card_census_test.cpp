// The card census that the random-play tests and the command-stream fuzzer
// rely on: it must see every card "state" shows, and notice each way a card
// can be lost, doubled or garbled.
#include "card_census.h"

#include <gtest/gtest.h>

#include "session.h"

namespace velmora::cli {
namespace {

class CardCensusTest : public ::testing::Test {
protected:
    // The deal as dealt: automatic play would take the Ace on Fila8 home.
    CardCensusTest() {
        s.Lines("autoplay off");
        s.Lines("new 1 1");
    }
    Engine& e() { return s.engine(); }
    std::string& Pile(ListId list, int index) { return *e().piles.Pile(list, index); }

    Session s;
};

TEST_F(CardCensusTest, CountsWhatStateShowsOnTheSamePiles) {
    const CardCensus census = TakeCensus(e());
    EXPECT_EQ(census.fault, "");
    EXPECT_EQ(census.piles.size(), 52u);
    size_t shown = 0;
    for (const std::string& line : s.Lines("state")) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name == "deal") break;
        for (std::string unit; words >> unit; ++shown) {
            const int code = std::stoi(unit.substr(0, 3));
            ASSERT_TRUE(census.piles.contains(code)) << unit;
            EXPECT_EQ(census.piles.at(code), name) << unit;
        }
    }
    EXPECT_EQ(shown, census.piles.size());
}

TEST_F(CardCensusTest, FindsDoubledAndGarbledCards) {
    const std::string fila1 = Pile(ListId::Tableau, 0);
    Pile(ListId::Reserve, 0) = fila1.substr(fila1.size() - 3);
    EXPECT_EQ(TakeCensus(e()).fault, "card " +
                                         std::to_string(std::stoi(fila1.substr(fila1.size() - 3))) +
                                         " lies on Fila1 and on Appogg1");
    Pile(ListId::Reserve, 0) = "10";
    EXPECT_NE(TakeCensus(e()).fault.find("Appogg1 ends in a partial unit"), std::string::npos);
    Pile(ListId::Reserve, 0) = "999";
    EXPECT_NE(TakeCensus(e()).fault.find("Appogg1 holds a unit that is no card code"),
              std::string::npos);
    Pile(ListId::Reserve, 0) = "000";
    EXPECT_EQ(TakeCensus(e()).fault, "") << "the place of an empty slot is no card";
}

TEST_F(CardCensusTest, ComparingNamesTheCardThatVanishedOrTurnedUp) {
    const CardCensus dealt = TakeCensus(e());
    EXPECT_EQ(CompareCensus(dealt, dealt), "");
    std::string& fila1 = Pile(ListId::Tableau, 0);
    const std::string top = fila1.substr(fila1.size() - 3);
    fila1.resize(fila1.size() - 3);
    EXPECT_EQ(CompareCensus(dealt, TakeCensus(e())),
              "card " + std::to_string(std::stoi(top)) + " left Fila1 and vanished");
    Pile(ListId::Stock, kStockIndex) = top;  // moved, not lost
    EXPECT_EQ(CompareCensus(dealt, TakeCensus(e())), "");
    Pile(ListId::Tableau, 27) = "105";  // beyond the piles the game shows
    EXPECT_EQ(CompareCensus(dealt, TakeCensus(e())), "");
    Pile(ListId::Foundation, 0) += "105";
    EXPECT_EQ(CompareCensus(dealt, TakeCensus(e())), "card 105 turned up on Dest1");
}

TEST_F(CardCensusTest, SelectionCountsOnlyCardsFoundOnNoOtherPile) {
    std::string& fila8 = Pile(ListId::Tableau, 7);
    ASSERT_EQ(fila8.substr(fila8.size() - 3), "001");
    fila8.resize(fila8.size() - 3);
    Pile(ListId::Foundation, 0) = "001";  // the Ace played to Dest1
    const CardCensus dealt = TakeCensus(e());
    const std::string& fila1 = Pile(ListId::Tableau, 0);
    const std::string top = fila1.substr(fila1.size() - 3);
    Pile(ListId::Foundation, 0) += top;  // selected, and still on Fila1
    EXPECT_NE(TakeCensus(e()).fault, "");
    e().rules.Set(38, 1);  // now Dest1 is the game's selection
    const CardCensus census = TakeCensus(e());
    EXPECT_EQ(census.fault, "");
    EXPECT_EQ(census.piles.at(std::stoi(top)), "Fila1");
    EXPECT_EQ(census.piles.at(1), "Dest1") << "on no other pile, so it lies there";
    EXPECT_EQ(CompareCensus(dealt, census), "");
}

}  // namespace
}  // namespace velmora::cli
