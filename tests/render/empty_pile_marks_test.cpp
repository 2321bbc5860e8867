#include "render/empty_pile_marks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "engine/model/engine.h"

namespace velmora {
namespace {

using Rules = std::initializer_list<std::pair<int, int>>;

class EmptyPileMarks : public ::testing::Test {
protected:
    void SetUp() override { e = EngineInit("/"); }
    // A fresh set of rules, with the passes made through the stock.
    Engine& With(Rules rules, int passes = 1) {
        e->rules = RulesParams();
        for (const auto& [n, value] : rules) e->rules.Set(n, value);
        e->main_game.SetField(field::kPassCounter, passes);
        return *e;
    }
    std::unique_ptr<Engine> e;
};

TEST_F(EmptyPileMarks, RankMarksStandForTheRankAPileStartsWith) {
    const std::pair<int, std::optional<std::string>> cases[] = {
        {1, "010"},  {58, "010"}, {81, "010"}, {85, "010"}, {2, "012"},  {90, "012"}, {3, "013"},
        {4, "014"},  {5, "015"},  {6, "016"},  {7, "017"},  {8, "018"},  {9, "019"},  {10, "020"},
        {11, "006"}, {12, "003"}, {13, "011"}, {64, "011"}, {84, "011"}, {94, ""},    {0, std::nullopt},
        {14, std::nullopt}, {-1, std::nullopt}, {100, std::nullopt},
    };
    for (const auto& [rank, mark] : cases) EXPECT_EQ(RankMark(rank), mark) << rank;
}

TEST_F(EmptyPileMarks, EachKindOfPileByItsRules) {
    struct Case {
        Rules rules;
        PileRef pile;
        const char* mark;
    };
    const PileRef t0{ListId::Tableau, 0}, t1{ListId::Tableau, 1}, f0{ListId::Foundation, 0},
        r1{ListId::Reserve, 1}, w{ListId::Stock, kWasteIndex};
    const Case cases[] = {
        {{{128, 13}}, t0, "011"},
        {{}, t1, "_TABLEAU"},
        {{{128, 5}}, t1, "004"},            // no base rank of its own, but the first has one
        {{{128, 77}}, t0, "004"},           // a base code without a mark
        {{{128, 94}}, t0, ""},              // shows nothing
        {{{48, 1}}, f0, "010"},
        {{{48, 1}, {80, 10}}, f0, "003"},   // the queen
        {{{48, 40}}, f0, "004"},
        {{{48, 1}, {80, 98}}, f0, "004"},   // whole runs arrive by themselves: no Ace
        {{{48, 1}, {80, 99}}, f0, "004"},   // a discard pile
        {{{268, 9}}, r1, "009"},
        {{{268, 8}}, r1, "011"},
        {{{269, 88}}, r1, "006"},
        {{{269, 89}}, r1, "003"},
        {{{269, 90}}, r1, "011"},
        {{}, r1, "001"},
        {{{8, 1}}, w, "_WASTE"},
        {{{14, 0}}, w, "008"},
        {{{14, -1}, {15, 0}}, w, ""},
        {{{14, -1}, {15, 1}, {8, 2}}, w, ""},
        {{{14, 2}, {15, 1}}, w, "022"},     // one pass made, one left
        {{}, {ListId::Stock, kSecondWasteIndex}, "_WASTE"},
    };
    for (const Case& c : cases) EXPECT_EQ(EmptyPileMark(With(c.rules), c.pile), c.mark) << PileName(c.pile);
    EXPECT_EQ(WasteMark(With({{14, 2}, {15, 1}}, 2)), "008");  // no pass left
}

TEST_F(EmptyPileMarks, TheStockShowsWhetherAnotherPassIsLeft) {
    struct Case {
        Rules rules;
        int passes;
        int waste_cards;
        const char* mark;
    };
    const Case cases[] = {
        {{{47, 8}}, 1, 0, "021"},
        {{{47, 45}, {15, 1}, {14, -1}}, 1, 0, "021"},
        {{{15, 1}, {14, -1}}, 9, 0, "022"},       // redeals without end
        {{{15, 1}, {14, 3}}, 2, 0, "022"},        // a pass left
        {{{15, 1}, {14, 3}}, 3, 5, "008"},        // none left
        {{{15, 0}, {14, -1}}, 1, 5, "022"},       // the waste goes back as often as wanted
        {{{15, 0}, {14, -1}}, 1, 1, "008"},       // nothing worth turning back
        {{{15, 0}, {14, 2}}, 1, 5, "022"},
        {{{15, 0}, {14, 2}}, 2, 5, "008"},
        {{{15, 0}, {14, 0}}, 1, 5, "008"},
    };
    for (const Case& c : cases) {
        Engine& engine = With(c.rules, c.passes);
        engine.piles.stock_area[kWasteIndex] = std::string(static_cast<size_t>(3 * c.waste_cards), '1');
        EXPECT_EQ(StockMark(engine), c.mark) << c.passes << " " << c.waste_cards;
    }
}

}  // namespace
}  // namespace velmora
