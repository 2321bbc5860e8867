#include <gtest/gtest.h>

#include <map>

#include "engine/play/move_log.h"
#include "engine/play/stock.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

using Piles = std::map<std::string, std::vector<int>>;

struct FillCase {
    int mode;
    std::vector<std::string> emptied;  // tableaus left empty
    Piles expected;                    // what the watched piles hold afterwards
    std::function<void(Table&)> setup = {};
};

// Twelve tableaus, each with one club except the emptied ones; stock S2 S3,
// waste H2 H3 and a first reserve D5 D6 (tops last).
void FillTable(Table& t, const FillCase& c) {
    t.Rule(304, 12).Rule(22, c.mode);
    for (int n = 1; n <= 12; ++n) t.Put("Fila" + std::to_string(n), {C(n)});
    for (const std::string& pile : c.emptied) t.Put(pile, {});
    t.Put("Mazzo", {S(2), S(3)}).Put("Mazzo_Vis", {H(2), H(3)}).Put("Appogg1", {D(5), D(6)});
    if (c.setup) c.setup(t);
}

TEST(FillGaps, EachModeFillsItsPilesWithinTheCurrentStep) {
    const std::vector<FillCase> cases{
        {0, {"Fila2"}, {{"Fila2", {}}}},
        {1, {"Fila2", "Fila3"}, {{"Fila2", {D(6)}}, {"Fila3", {D(5)}}}},
        {2, {"Fila1", "Fila3"}, {{"Fila1", {}}, {"Fila3", {H(3)}}}, Set(24, 1)},
        {3, {"Fila2"}, {{"Fila2", {S(3)}}}},
        {5, {"Fila2"}, {{"Fila2", {H(3), H(2)}}, {"Mazzo_Vis", {}}}},
        {6, {"Fila2", "Fila7"}, {{"Fila2", {}}, {"Fila7", {H(3)}}}},
        {7, {"Fila2", "Fila11"}, {{"Fila2", {}}, {"Fila11", {S(3)}}}},
        {9, {"Fila2"}, {{"Fila2", {S(3), S(2)}}}},
        {10, {"Fila2"}, {{"Fila2", {}}}},
        {8, {"Fila2"}, {{"Fila2", {H(3)}}, {"Appogg2", {H(2)}}, {"Appogg3", {S(3)}}, {"Appogg4", {S(2)}}}},
        {4, {"Fila2"}, {{"Fila2", {H(3)}}}},
        {4, {"Fila2"}, {{"Fila2", {}}}, [](Table& t) { AnnotateStep(t.e(), "001"); }},
        {3, {"Fila2"}, {{"Fila2", {}}}, Set(39, 1)},
        // The other side of each precondition and source.
        {10, {"Fila2"}, {{"Fila2", {H(3)}}}, On("Appogg1", {})},
        {3, {"Fila2"}, {{"Fila2", {H(3)}}}, On("Mazzo", {})},
        {2, {"Fila2"}, {{"Fila2", {S(3)}}}, On("Mazzo_Vis", {})},
        {2, {"Fila2"}, {{"Fila2", {}}}, All({On("Mazzo", {}), On("Mazzo_Vis", {})})},
        {3, {"Fila2"}, {{"Fila2", {}}}, All({On("Mazzo", {}), On("Mazzo_Vis", {})})},
        {9, {"Fila2"}, {{"Fila2", {}}}, On("Mazzo", {})},
        {9, {"Fila2"}, {{"Fila2", {S(3), S(2)}}}, On("Mazzo_Vis", {})},
        {1, {"Fila2"}, {{"Fila2", {}}}, On("Appogg1", {})},
        {8, {"Fila2"}, {{"Fila2", {}}, {"Appogg2", {}}, {"Appogg3", {H(3)}}, {"Appogg4", {H(2)}}}, Set(24, 1)},
        {6, {"Fila1", "Fila8", "Fila9"}, {{"Fila1", {H(3)}}, {"Fila8", {H(2)}}, {"Fila9", {}}}},
        {7, {"Fila10", "Fila11"}, {{"Fila10", {}}, {"Fila11", {S(3)}}}},
        {0, {"Fila2"}, {{"Fila2", {}}, {"Mazzo", {S(2), S(3)}}}},
        {11, {"Fila2"}, {{"Fila2", {}}}},
        {-2, {"Fila2"}, {{"Fila2", {}}}},
        {4, {"Fila2"}, {{"Fila2", {H(3)}}}, [](Table& t) { AnnotateStep(t.e(), "002"); }},
    };
    for (const FillCase& c : cases) {
        Table t;
        t.Rule(24, 0).Rule(25, 2);
        PushSnapshot(t.e(), LogSide::Undo, false);  // the step that caused the fill
        FillTable(t, c);
        FillGaps(t.e());
        for (const auto& [pile, cards] : c.expected) EXPECT_EQ(Cards(t.e(), pile), cards) << "mode " << c.mode << " " << pile;
        EXPECT_EQ(Steps(t.e()), 1) << "mode " << c.mode;
    }
}

}  // namespace
}  // namespace velmora::play_test
