// Redeal mode 7: the counted pass gathers the tableau, shuffles it for the
// deal and the pass, and deals it again in piles as large as the first.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/play/move_log.h"
#include "engine/play/stock.h"
#include "engine/play/undo_redo.h"
#include "execute_action_fixture.h"

namespace velmora::play_test {
namespace {

// Five tableaus of three, two, none and one cards, an empty stock, three passes.
struct RedealTable {
    explicit RedealTable(const char* deal = "0000000000042") {
        t.Rule(304, 5).Rule(311, 3).Rule(9, 0).Rule(15, 7).Rule(14, 3).Rule(307, 52);
        e().main_game.SetField(field::kPassCounter, 1);
        e().params.ParamWrite(param::kDealNumber, 15, deal);
        e().flags.Set(flag::kInProgress, true);
        e().play.undo_enabled = true;
        t.Put("Fila1", {S(K), S(Q), S(J)}).Put("Fila2", {H(2), H(3)}).Put("Fila4", {D(9)});
        t.FaceDown(H(2));
    }
    Engine& e() { return t.e(); }
    bool PressAndRelease() {
        const bool pressed = PressStock(e());
        return ReleaseStock(e()) || pressed;
    }
    std::vector<int> Tableau() {
        std::vector<int> all;
        for (int n = 1; n <= 5; ++n)
            for (int code : Cards(e(), "Fila" + std::to_string(n))) all.push_back(code);
        return all;
    }
    int Passes() { return e().main_game.Field(field::kPassCounter); }
    std::vector<std::string> Snapshot() { return Position(e()); }
    Table t;
};

TEST(TableauRedeal, GathersShufflesAndDealsThreesFaceUpTheLastPileTakingTheRest) {
    RedealTable r;
    const std::vector<int> before = r.Tableau();
    EXPECT_FALSE(PressStock(r.e())) << "the press arms the redeal";
    EXPECT_EQ(r.Tableau(), before);
    ASSERT_TRUE(ReleaseStock(r.e()));
    EXPECT_EQ(r.Passes(), 2);
    EXPECT_EQ(Cards(r.e(), "Fila1").size(), 3u);
    EXPECT_EQ(Cards(r.e(), "Fila2").size(), 3u);
    EXPECT_TRUE(Cards(r.e(), "Fila3").empty());
    std::vector<int> after = r.Tableau();
    EXPECT_NE(after, before) << "shuffled";
    std::vector<int> sorted = before;
    std::sort(after.begin(), after.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(after, sorted) << "every card once";
    EXPECT_FALSE(r.e().cards.IsFaceDown(H(2)));
    EXPECT_EQ(CountAnnotations(r.e(), LogSide::Undo, 3), 1) << "the step is marked as a redeal";
    EXPECT_EQ(Steps(r.e()), 1);
}

TEST(TableauRedeal, TheSameDealAndPassRedealAlikeAndUndoGivesThePassBack) {
    RedealTable r;
    const std::vector<std::string> start = r.Snapshot();
    ASSERT_TRUE(r.PressAndRelease());
    const std::vector<std::string> first = r.Snapshot();
    ASSERT_TRUE(r.PressAndRelease());
    const std::vector<std::string> second = r.Snapshot();
    EXPECT_NE(first, second) << "each pass shuffles its own way";
    EXPECT_FALSE(r.PressAndRelease()) << "two redeals with three passes";
    ASSERT_TRUE(Undo(r.e()));
    EXPECT_EQ(r.Snapshot(), first);
    EXPECT_EQ(r.Passes(), 2);
    ASSERT_TRUE(Undo(r.e()));
    EXPECT_EQ(r.Snapshot(), start);
    EXPECT_EQ(r.Passes(), 1);
    ASSERT_TRUE(Redo(r.e()));
    EXPECT_EQ(r.Passes(), 2);
    ASSERT_TRUE(Undo(r.e()));
    ASSERT_TRUE(r.PressAndRelease());
    EXPECT_EQ(r.Snapshot(), first) << "redealt after an undo, the cards fall alike";
    ASSERT_TRUE(r.PressAndRelease());
    EXPECT_EQ(r.Snapshot(), second);
}

TEST(TableauRedeal, OtherDealsShuffleOtherwiseAndOtherRedealModesMoveNoCard) {
    RedealTable r;
    ASSERT_TRUE(r.PressAndRelease());
    RedealTable other("0000000000043");
    ASSERT_TRUE(other.PressAndRelease());
    EXPECT_NE(other.Tableau(), r.Tableau());

    RedealTable counting;
    counting.t.Rule(15, 1);
    const std::vector<int> before = counting.Tableau();
    ASSERT_TRUE(counting.PressAndRelease());
    EXPECT_EQ(counting.Passes(), 2);
    EXPECT_EQ(counting.Tableau(), before) << "redeal mode 1 only counts the pass";
}

}  // namespace
}  // namespace velmora::play_test
