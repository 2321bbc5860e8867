#include <gtest/gtest.h>

#include "engine/model/card_code.h"
#include "engine/play/joker_labels.h"
#include "platform/resource_library.h"
#include "render/joker_label_drawing.h"
#include "render_fixture.h"

namespace velmora {
namespace {

using render_test::kBlack;
using render_test::kGreen;
using render_test::kWhite;
using render_test::RenderTable;

class JokerLabels : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.Load(VELMORA_PROGRAM_DIR "QOR.RGF"));
        Engine& e = table.e();
        e.rules.Set(303, 3);
        for (int f = 0; f < 3; ++f) {
            e.main_game.SetFoundationX(f, 10 + 70 * f);
            e.main_game.SetFoundationY(f, 40);
        }
        table.surfaces.scroll = 5;
        table.FillAll(kGreen);
        // A striped bare table, so a box given back can be told from the window's green.
        for (int x = 0; x < 230; x += 3) table.surfaces.background.Held().Fill(QRect(x, 0, 1, 180), 0x00FF00);
    }
    // The foundation's cards, then the label the engine works out for the table.
    void Put(int foundation, std::initializer_list<int> cards) {
        std::string& pile = table.e().piles.foundations[static_cast<size_t>(foundation)];
        pile.clear();
        for (int c : cards) pile += CardCodeText(c);
        const JokerLabel label = ComputeJokerLabel(table.e());
        ShowJokerLabel(table.surfaces, table.e(), library, table.pacer, label.foundation, label.rank, label.suit);
    }
    bool ShowsBackground(int foundation) {
        const Rect box = JokerLabelBox(table.e(), foundation);
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                if (table.Shown(x, y) != table.surfaces.background.Pixel(x, y + 5)) return false;
        return true;
    }
    // The suit symbol at x + 48, y + 2, and the text's ink left of it with
    // two white columns between.
    bool ShowsLabel(int foundation, const char* symbol_name) {
        const Rect box = JokerLabelBox(table.e(), foundation);
        const QImage symbol = library.Bitmap(symbol_name);
        for (int y = 0; y < symbol.height(); ++y)
            for (int x = 0; x < symbol.width(); ++x)
                if (table.Shown(box.left + 48 + x, box.top + 2 + y) != (symbol.pixel(x, y) | kBlack)) return false;
        int ink = 0;
        for (int y = box.top; y < box.bottom - 1; ++y) {
            for (int x = box.left; x < box.left + 46; ++x) ink += table.Shown(x, y) != kWhite;
            for (int x = box.left + 46; x < box.left + 48; ++x)
                if (table.Shown(x, y) != kWhite) return false;
        }
        return ink > 30 && table.Shown(box.left, box.bottom - 1) == kBlack &&
               table.Shown(box.right - 1, box.top) == kBlack && table.Shown(box.left, box.top) == kWhite;
    }

    RenderTable table;
    ResourceLibrary library;
};

TEST_F(JokerLabels, TextAndPlace) {
    EXPECT_EQ(JokerLabelText(1), "Joker = A");
    EXPECT_EQ(JokerLabelText(8), "Joker = 8");
    EXPECT_EQ(JokerLabelText(10), "Joker=10");
    EXPECT_EQ(JokerLabelText(12), "Joker = Q");
    table.e().main_game.SetFoundationY(1, 300);  // foundation 1 alone gives the line
    // Half the card width rounded half to even: 35.5 -> 36, 29.5 -> 30, 12.5 -> 12.
    for (auto [size, x] : {std::pair{'B', 87}, {'M', 81}, {'L', 63}}) {
        CardSizeForLetter(size, table.e().geometry.card);
        EXPECT_EQ(JokerLabelBox(table.e(), 1), (Rect{x, 22, x + 59, 36})) << size;
    }
}

TEST_F(JokerLabels, EveryRankFitsBesideTheSymbol) {
    for (int rank = 1; rank <= 13; ++rank) {
        DrawJokerLabel(table.surfaces, table.e(), library, table.pacer, 1, 22, 3, rank);
        EXPECT_TRUE(ShowsLabel(1, "SUIT_SPADES")) << rank;
    }
    EXPECT_EQ(table.pacer.updates, 13);
}

TEST_F(JokerLabels, TheLabelFollowsTheJokerAndOldBoxesAreCleared) {
    Put(0, {7, kFirstJoker});  // a joker on the seven of hearts: the eight
    EXPECT_TRUE(ShowsLabel(0, "SUIT_HEARTS"));

    Put(0, {7});
    Put(1, {kFirstJoker + 1, 31});  // a joker below the five of clubs: the four
    EXPECT_TRUE(ShowsBackground(0));
    EXPECT_TRUE(ShowsLabel(1, "SUIT_CLUBS"));
    EXPECT_TRUE(ShowsBackground(2));

    // A joker alone: no label anywhere.
    Put(1, {});
    Put(2, {kFirstJoker});
    for (int f = 0; f < 3; ++f) EXPECT_TRUE(ShowsBackground(f)) << f;
}

TEST_F(JokerLabels, NothingIsDrawnForAFoundationThatIsNotOnTheTable) {
    // Without a joker the engine names the foundation after the last one in
    // use; its box (here it would start at x 7) must stay untouched.
    table.e().main_game.SetFoundationX(3, 0);
    table.e().main_game.SetFoundationY(3, kUnplacedFoundation);
    ShowJokerLabel(table.surfaces, table.e(), library, table.pacer, 3, kNoJokerRank, -1);
    DrawJokerLabel(table.surfaces, table.e(), library, table.pacer, 3, 22, 0, 5);
    EXPECT_EQ(table.surfaces.Window().Pixel(9, 22), kGreen);
    EXPECT_EQ(table.surfaces.Window().Pixel(10, 25), kGreen);
}

}  // namespace
}  // namespace velmora
