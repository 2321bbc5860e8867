// The full redraw and the renderer on the nine games of the catalogue, at
// the driver's table of 1280 by 800.
#include "render/full_redraw.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "drawing_fixture.h"
#include "engine/deal/start_game.h"
#include "engine/layout/card_positions.h"
#include "engine/layout/pile_layout.h"
#include "engine/model/games_file.h"
#include "engine/model/pile_string.h"
#include "engine/play/deal_placement.h"
#include "engine/play/execute_action.h"
#include "engine/model/card_code.h"
#include "render/card_drawing.h"
#include "render/pile_drawing.h"
#include "render/pile_view.h"
#include "render/table_renderer.h"

namespace velmora {
namespace {

using render_test::DrawingTable;

class RecordingSounds : public SoundEvents {
public:
    void PlayEvent(std::string_view name) override { played.emplace_back(name); }
    std::vector<std::string> played;
};

class NineGames : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        table.surfaces.Resize(1280, 800, 1280, 800);
        Engine& e = table.e();
        e.sounds = &sounds;
        ASSERT_TRUE(ReadGamesFile(std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT", games));
        LoadCatalogue(e, games);
        ChooseGame(e, GetParam());
        const LayoutInputs inputs = MainWindowInputs(1280, 800, 0, 0, 1280, 800);
        StartOptions options;
        options.deal_number = "1";
        options.rules = &rules;
        options.layout = &inputs;
        ASSERT_TRUE(StartGame(e, games, options));
    }

    DrawingTable table;
    RecordingSounds sounds;
    GamesData games;
    PlayDealRules rules;
};

TEST_P(NineGames, TheAnimatedDealEndsAsAPlainRedrawLeavesTheTable) {
    table.e().params.ParamWrite(149, 1, "Y");
    TableRenderer renderer(table.e(), table.surfaces, table.library, table.waiting);
    renderer.FullRedraw(false);
    const QImage plain = table.surfaces.Window().Image().copy();
    const QImage plain_buffer = table.surfaces.back_buffer.Image().copy();
    EXPECT_TRUE(table.waiting.waits.empty());
    EXPECT_TRUE(sounds.played.empty());
    renderer.FullRedraw(true);
    EXPECT_TRUE(table.surfaces.Window().Image() == plain);
    EXPECT_TRUE(table.surfaces.back_buffer.Image() == plain_buffer);
    EXPECT_EQ(sounds.played, std::vector<std::string>{"Shuffle"});
    // The source is shown for 100 ms before the cards fly.
    ASSERT_FALSE(table.waiting.waits.empty());
    EXPECT_EQ(table.waiting.waits.front(), 100);
}

int TopOf(const std::string& pile) { return pile.size() < 3 ? 0 : std::stoi(pile.substr(pile.size() - 3)); }

// The tableaus with a card on top (not an empty slot).
std::vector<int> TableausWithCards(const Engine& e) {
    std::vector<int> out;
    for (int t = 0; t < kTableauPiles; ++t)
        if (TopOf(e.piles.tableau[static_cast<size_t>(t)]) > 0) out.push_back(t);
    return out;
}

// Moves are carried out whether the rules allow them or not: the drawing
// must follow whatever the table does.
TEST_P(NineGames, RepaintsAfterEachMoveMatchAFullRedraw) {
    Engine& e = table.e();
    TableRenderer renderer(e, table.surfaces, table.library, table.waiting);
    e.view = &renderer;
    renderer.FullRedraw(false);
    const auto expect_as_full_redraw = [&](const char* what) {
        const QImage repainted = table.surfaces.Window().Image().copy();
        renderer.FullRedraw(false);
        EXPECT_TRUE(table.surfaces.Window().Image() == repainted) << what;
    };
    if (!e.piles.stock_area[kStockIndex].empty()) {
        ExecuteAction(e, 0, e.R(302) >= 2 ? "Mazzo_Vis" : "Mazzo_Waste");
        expect_as_full_redraw("stock");
    }
    std::vector<int> holding = TableausWithCards(e);
    ASSERT_GE(holding.size(), 2u);
    const std::string& first = e.piles.tableau[static_cast<size_t>(holding[0])];
    const int below_top = first.size() >= 6 ? std::stoi(first.substr(first.size() - 6, 3)) : TopOf(first);
    EXPECT_TRUE(ExecuteAction(e, below_top, "Fila" + std::to_string(holding[1] + 1)));
    expect_as_full_redraw("run to a tableau");
    holding = TableausWithCards(e);
    ASSERT_FALSE(holding.empty());
    const int card = TopOf(e.piles.tableau[static_cast<size_t>(holding.back())]);
    EXPECT_TRUE(ExecuteAction(e, card, e.R(303) > 0 ? "Dest1" : "Waste"));
    expect_as_full_redraw("card to a foundation or the discard");
    // A card carried by the player and brought back, then carried and
    // dropped on another tableau.
    holding = TableausWithCards(e);
    ASSERT_GE(holding.size(), 2u);
    const PileRef from{ListId::Tableau, holding[0]};
    const int top = PileCount(e.piles.tableau[static_cast<size_t>(holding[0])]) - 1;
    renderer.LiftRun(from, top);
    renderer.MoveRun(300, 400);
    renderer.ReturnRun(from, top);
    expect_as_full_redraw("run carried back");
    renderer.LiftRun(from, top);
    renderer.MoveRun(500, 300);
    EXPECT_TRUE(ExecuteAction(e, TopOf(e.piles.tableau[static_cast<size_t>(holding[0])]),
                              "Fila" + std::to_string(holding[1] + 1)));
    expect_as_full_redraw("run carried to a tableau");
    e.view = &e.quiet_view;
}

// A selected card shows an amber outline over a warm tint; unselected, it
// is drawn exactly as before, on the window and in the back buffer.
TEST_P(NineGames, UnselectingACardRestoresItExactly) {
    Engine& e = table.e();
    TableRenderer renderer(e, table.surfaces, table.library, table.waiting);
    e.view = &renderer;
    renderer.FullRedraw(false);
    const QImage window = table.surfaces.Window().Image().copy();
    const QImage buffer = table.surfaces.back_buffer.Image().copy();
    const std::vector<int> holding = TableausWithCards(e);
    ASSERT_FALSE(holding.empty());
    const int card = TopOf(e.piles.tableau[static_cast<size_t>(holding.back())]);
    const Rect r = CardRect(e, card);
    ASSERT_FALSE(r.IsEmpty());
    renderer.HighlightCard(card, true);
    const QRgb edge = table.surfaces.Window().Pixel(r.left + 1, r.top + r.Height() / 2);
    EXPECT_GT(qRed(edge), 220);
    EXPECT_LT(qBlue(edge), 60);
    EXPECT_EQ(table.surfaces.back_buffer.Pixel(r.left + 1, r.top + r.Height() / 2), edge);
    EXPECT_FALSE(table.surfaces.Window().Image() == window);
    renderer.HighlightCard(card, false);
    EXPECT_TRUE(table.surfaces.Window().Image() == window);
    EXPECT_TRUE(table.surfaces.back_buffer.Image() == buffer);
    e.view = &e.quiet_view;
}

// A fan is drawn without the parts of each card that the next card hides;
// what shows must be what drawing every card whole gives.
TEST_P(NineGames, AFanShowsWhatDrawingEveryCardWholeWould) {
    Engine& e = table.e();
    TableRenderer renderer(e, table.surfaces, table.library, table.waiting);
    renderer.FullRedraw(false);
    const Surface& drawn = table.surfaces.back_buffer;
    int fans = 0;
    for (int t : TableausWithCards(e)) {
        const PileRef pile{ListId::Tableau, t};
        const PileView view = ViewPile(e, pile, e.piles.tableau[static_cast<size_t>(t)]);
        const QRect extent = view.Extent(QSize(71, 96));
        bool alone = true;  // no other pile drawn over or under it
        for (const PileRef& other : PilesInDrawingOrder(e))
            if (!(other == pile) && PileExtent(e, other).intersects(extent)) alone = false;
        if (view.cards.size() < 2 || !alone) continue;
        ++fans;
        const Surface bare = table.surfaces.background.Part(table.surfaces.background.Bounds());
        Surface whole = bare;
        for (const PileCardView& card : view.cards) {
            const Surface& image =
                card.face_down ? table.images.Back() : table.images.Face(CardImageIndex(card.code));
            PaintCard(whole, card.rect.topLeft(), image, 71, 96, bare, card.rect.topLeft(), false);
        }
        EXPECT_EQ(render_test::PixelsOf(drawn, extent), render_test::PixelsOf(whole, extent)) << "tableau " << t;
    }
    if (GetParam() != 3 && GetParam() <= 5) {  // the fanned tableaus of the first deal
        EXPECT_GT(fans, 0);
    }
}

TEST(PileView, TheNextCardHidesAWholeEndOfTheCardBelowOnlyInsideItsCorners) {
    const QSize card(71, 96);
    const auto part = [&card](QPoint first, QPoint second, int radius = 2) {
        PileView view;
        view.cards = {{5, false, QRect(first, card)}, {6, false, QRect(second, card)}};
        return view.UncoveredPart(0, radius);
    };
    // Down, up, right and left fans keep the strip in sight and the rows or
    // columns of the next card's rounded corners.
    EXPECT_EQ(part({10, 10}, {10, 30}), QRect(0, 0, 71, 22));
    EXPECT_EQ(part({10, 30}, {10, 10}), QRect(0, 74, 71, 22));
    EXPECT_EQ(part({10, 10}, {25, 10}), QRect(0, 0, 17, 96));
    EXPECT_EQ(part({25, 10}, {10, 10}), QRect(54, 0, 17, 96));
    // A card shifted sideways in a downward fan, or one apart, hides no whole end.
    EXPECT_EQ(part({10, 10}, {12, 30}), QRect(0, 0, 71, 96));
    EXPECT_EQ(part({10, 10}, {200, 10}), QRect(0, 0, 71, 96));
    // The top card shows whole; an empty slot between hides nothing.
    PileView view;
    view.cards = {{5, false, QRect(QPoint(0, 0), card)}, {0, false, QRect(QPoint(0, 20), card)},
                  {7, true, QRect(QPoint(0, 40), card)}};
    EXPECT_EQ(view.UncoveredPart(2, 2), QRect(0, 0, 71, 96));
    EXPECT_EQ(view.UncoveredPart(0, 2), QRect(0, 0, 71, 42));
    EXPECT_TRUE(view.UncoveredPart(3, 2).isNull());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, NineGames, ::testing::Range(1, 10));

}  // namespace
}  // namespace velmora
