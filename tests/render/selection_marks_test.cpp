#include <gtest/gtest.h>

#include <vector>

#include "engine/model/card_code.h"
#include "render/card_corners.h"
#include "render/selection_marks.h"
#include "render_fixture.h"

namespace velmora {
namespace {

using render_test::kBlack;
using render_test::kGreen;
using render_test::kWhite;
using render_test::RenderTable;

// A white card with rounded corners on the green table, window and back buffer.
void LayCard(RenderTable& table, const Rect& r) {
    table.FillAll(kGreen);
    TableSurfaces& s = table.surfaces;
    for (auto [surface, dy] : {std::pair{&s.Window(), 0}, {&s.back_buffer, s.scroll}}) {
        surface->Fill(QRect(r.left, r.top + dy, r.Width(), r.Height()), kWhite);
        RestoreCorners(*surface, r.left, r.top + dy, r.Width(), r.Height(), s.background.Part(s.background.Bounds()),
                       r.left, r.top + s.scroll);
    }
}

// Amber: strong red, some green, little blue.
bool IsOutline(QRgb p) { return qRed(p) > 220 && qGreen(p) > 100 && qGreen(p) < 190 && qBlue(p) < 60; }

TEST(SelectionMarks, TheCardIsTintedAndOutlinedWithinItsRoundedEdge) {
    RenderTable table;
    for (int width : {71, 25}) {
        table.surfaces.scroll = width == 25 ? 7 : 0;
        const Rect r{30, 40, 30 + width, 40 + 96};
        LayCard(table, r);
        MarkSelection(table.surfaces, table.pacer, r);
        SCOPED_TRACE(width);
        const QRgb inside = table.Shown(r.left + width / 2, r.top + 48);
        EXPECT_NE(inside, kWhite);  // tinted, warm, the card still light
        EXPECT_EQ(qRed(inside), 255);
        EXPECT_GT(qGreen(inside), 200);
        EXPECT_LT(qBlue(inside), 200);
        EXPECT_TRUE(IsOutline(table.Shown(r.left, r.top + 48)));
        EXPECT_TRUE(IsOutline(table.Shown(r.right - 1, r.top + 48)));
        EXPECT_TRUE(IsOutline(table.Shown(r.left + width / 2, r.bottom - 1)));
        EXPECT_EQ(table.Shown(r.left, r.top), kGreen);  // the rounded-off corner keeps the table
        EXPECT_EQ(table.Shown(r.left - 1, r.top + 48), kGreen);  // nothing outside the card
        EXPECT_EQ(table.Shown(r.left + width / 2, r.bottom), kGreen);
        // The back buffer is marked the same way.
        EXPECT_EQ(table.surfaces.back_buffer.Pixel(r.left + width / 2, r.top + 48 + table.surfaces.scroll), inside);
    }
    table.surfaces.scroll = 0;
    LayCard(table, Rect{30, 40, 101, 136});
    MarkSelection(table.surfaces, table.pacer, Rect{30, 40, 101, 136}, false);
    EXPECT_EQ(table.surfaces.Window().Pixel(40, 50), kWhite);  // the window left as it was
    EXPECT_NE(table.surfaces.back_buffer.Pixel(40, 50), kWhite);
}

// Whatever lies around the card (here a dark card above it), every
// rounded-off corner keeps exactly what lay there.
TEST(SelectionMarks, EveryRoundedOffCornerKeepsWhatLayThere) {
    RenderTable table;
    const Rect r{30, 40, 101, 136};
    LayCard(table, r);
    for (Surface* s : {&table.surfaces.Window(), &table.surfaces.back_buffer}) s->Fill(QRect(0, 0, 200, 40), kBlack);
    const std::vector<QPoint> corners = CornerPixels(r.Width(), r.Height());
    std::vector<QRgb> before;
    for (const QPoint& p : corners) before.push_back(table.Shown(r.left + p.x(), r.top + p.y()));
    MarkSelection(table.surfaces, table.pacer, r);
    for (size_t i = 0; i < corners.size(); ++i)
        EXPECT_EQ(table.Shown(r.left + corners[i].x(), r.top + corners[i].y()), before[i])
            << corners[i].x() << "," << corners[i].y();
}

TEST(SelectionMarks, AFullRedrawMarksTheSelectionAgainInTheSelectionGamesOnly) {
    RenderTable table;
    Engine& e = table.e();
    e.rules.Set(304, 2);
    e.rules.Set(3, 3);  // squared tableaus
    SetTableauX(e.tableau_anchors, 0, 30);
    SetTableauY(e.tableau_anchors, 0, 40);
    e.piles.tableau[0] = CardCodeText(5);
    e.piles.foundations[0] = CardCodeText(5);  // card 5 is selected
    const Rect card{30, 40, 101, 136};
    const struct {
        int code47, entry38;
        bool redraws;
    } cases[] = {{3, 0, true}, {4, 0, true}, {33, 0, true}, {0, 1, true}, {12, 0, false}, {0, 0, false}};
    for (const auto& c : cases) {
        e.rules.Set(47, c.code47);
        e.rules.Set(38, c.entry38);
        LayCard(table, card);
        std::vector<int> drawn;
        RedrawSelections(table.surfaces, e, table.pacer, [&](int code, const Rect& r) {
            drawn.push_back(code);
            EXPECT_EQ(r, card);
        });
        EXPECT_EQ(drawn, c.redraws ? std::vector<int>{5} : std::vector<int>{});
        EXPECT_EQ(table.Shown(60, 60) != kWhite, c.redraws) << c.code47 << " " << c.entry38;
    }
}

}  // namespace
}  // namespace velmora
