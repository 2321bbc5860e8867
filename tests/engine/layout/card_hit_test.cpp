#include <gtest/gtest.h>

#include <vector>

#include "layout_table.h"

namespace velmora::layout_test {
namespace {

struct Probe {
    int x, y;
    std::string pile;  // "" for no hit
    int code;
    Rect rect;
};

void Check(LayoutTable& t, const std::vector<Probe>& probes, const std::string& what) {
    for (const Probe& p : probes) {
        const CardHit hit = CardAt(t.e(), p.x, p.y);
        const std::string at = what + " at " + std::to_string(p.x) + "," + std::to_string(p.y);
        EXPECT_EQ(hit.pile, p.pile) << at;
        EXPECT_EQ(hit.code, p.code) << at;
        EXPECT_EQ(hit.rect, p.rect) << at;
    }
}

TEST(CardAt, ACoveredCardOwnsItsVisibleBandAndTheTopCardItsWholeFace) {
    LayoutTable t;
    t.At("Fila1", 100, 50).Put("Fila1", {1, 2, 3}).At("Fila2", 200, 50);
    Check(t,
          {
              {110, 60, "Fila1", 1, Big(100, 50)},
              {110, 67, "Fila1", 1, Big(100, 50)},
              {110, 68, "Fila1", 2, Big(100, 68)},
              {110, 86, "Fila1", 3, Big(100, 86)},
              {171, 182, "Fila1", 3, Big(100, 86)} /* right and bottom edges belong to the card */,
              {172, 100, "", 0, {}},
              {110, 183, "", 0, {}},
              {210, 60, "Fila2", 0, Big(200, 50)} /* an empty pile */,
              {210, 150, "", 0, {}} /* below the empty pile */,
          },
          "fan");
    t.e().main_game.SetField(field::kScrollOffset, 20);
    Check(t, {{110, 47, "Fila1", 1, Big(100, 30)}, {110, 48, "Fila1", 2, Big(100, 48)}}, "scrolled");
}

TEST(CardAt, SquaredAndSidewaysTableaus) {
    LayoutTable t;
    t.Fans(3, 3, 3).At("Fila1", 100, 50).Put("Fila1", {1, 2, 3});
    Check(t, {{101, 51, "Fila1", 3, Big(100, 50)}, {171, 146, "Fila1", 3, Big(100, 50)}}, "mode 3");

    t.Fans(2, 3, 3).At("Fila1", 10, 10);
    Check(t,
          {
              {15, 50, "Fila1", 1, Big(10, 10)},
              {33, 50, "Fila1", 2, Big(22, 10)},
              {105, 106, "Fila1", 3, Big(34, 10)},
              {106, 50, "", 0, {}},
          },
          "mode 2");
}

TEST(CardAt, SideBySideRowsTheLaterRowCoversTheEarlier) {
    LayoutTable t;
    t.Fans(4, 3, 3).At("Fila1", 100, 10).Put("Fila1", {1}).At("Fila2", 62, 62).Put("Fila2", {2, 3});
    Check(t,
          {
              {120, 30, "Fila1", 1, Big(100, 10)},
              {120, 80, "Fila2", 2, Big(62, 62)},
              {150, 80, "Fila2", 3, Big(139, 62)},
              {135, 100, "Fila2", 2, Big(62, 62)} /* the gap before the next card */,
          },
          "rows");
    t.Put("Fila2", {0, 3});
    Check(t, {{120, 80, "Fila2", 0, Big(62, 62)}}, "an empty slot stops the scan over the row above");
}

TEST(CardAt, FoundationsReservesAndTheStockArea) {
    LayoutTable t;
    t.Fans(2, 2, 5).At("Dest1", 300, 10).Put("Dest1", {1, 2, 3}).At("Dest2", 400, 10);
    t.At("Appogg1", 500, 10).Put("Appogg1", {4, 5});
    t.At("Mazzo", 100, 50).Put("Mazzo", {40}).At("Fila1", 100, 50).Put("Fila1", {6});
    t.At("Mazzo_Vis", 180, 50);
    Check(t,
          {
              {305, 20, "Dest1", 3, Big(324, 10)} /* a sideways foundation answers with its top card */,
              {395, 106, "Dest1", 3, Big(324, 10)},
              {410, 20, "Dest2", 0, Big(400, 10)},
              {510, 12, "Appogg1", 4, Big(500, 10)},
              {510, 13, "Appogg1", 5, Big(500, 13)},
              {110, 60, "Mazzo", 40, Big(100, 50)} /* the stock area is looked at first */,
              {190, 60, "Mazzo_Vis", 0, Big(180, 50)},
          },
          "kinds");
    t.Fans(2, 3, 5);
    Check(t, {{305, 20, "Dest1", 3, Big(300, 10)}, {380, 20, "", 0, {}}}, "a squared foundation");
}

TEST(CardAt, ArrangedTableausAnswerAtTheirAnchors) {
    LayoutTable t;
    t.Fans(8, 3, 3).At("Fila1", 100, 100).Put("Fila1", {1, 2}).At("Fila2", 130, 100).Put("Fila2", {3});
    Check(t,
          {
              {110, 110, "Fila1", 2, Big(100, 100)},
              {140, 110, "Fila2", 3, Big(130, 100)} /* the later pile lies on top */,
              {110, 197, "", 0, {}} /* no fan below the anchor */,
          },
          "mode 8");
}

TEST(CardAt, AGapBesideAHandLaidCardHitsThePileButNoCard) {
    LayoutTable t;
    t.e().geometry.displacement[0][1] = 2;
    t.At("Fila1", 100, 50).Put("Fila1", {1, 2});
    Check(t, {{101, 100, "Fila1", 0, {}}, {173, 100, "", 0, {}}, {103, 100, "Fila1", 2, Big(102, 68)}}, "shifted");
}

}  // namespace
}  // namespace velmora::layout_test
