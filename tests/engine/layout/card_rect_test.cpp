#include <gtest/gtest.h>

#include "layout_table.h"

namespace velmora::layout_test {
namespace {

struct Expect {
    int code;
    Rect rect;
};

void Check(LayoutTable& t, std::initializer_list<Expect> cases, const std::string& what) {
    for (const Expect& c : cases) EXPECT_EQ(CardRect(t.e(), c.code), c.rect) << what << ", card " << c.code;
}

TEST(CardRect, FindsCardsWhereTheHitTestFindsThem) {
    LayoutTable t;
    t.At("Mazzo", 10, 10).Put("Mazzo", {40, 41});
    t.At("Dest1", 300, 10).Put("Dest1", {1, 2});
    t.At("Fila1", 100, 150).Put("Fila1", {3, 4, 5}).Put("Fila2", {7});
    t.At("Appogg1", 500, 10).Put("Appogg1", {6, 8});
    Check(t,
          {
              {40, Big(10, 10)} /* anywhere in the stock */,
              {2, Big(300, 10)},
              {1, {}} /* under the foundation's top card */,
              {5, Big(100, 186)},
              {4, {}} /* covered in a fan */,
              {8, Big(500, 10)},
              {7, {}} /* on an unplaced pile */,
              {50, {}} /* nowhere */,
              {0, {}},
          },
          "fan 1, squared foundations and reserves");

    t.Fans(4, 2, 2);
    Check(t, {{3, Big(100, 150)}, {4, Big(177, 150)}, {5, Big(254, 150)}, {2, Big(312, 10)}, {8, Big(512, 10)}},
          "side by side, sideways foundations and reserves");
    t.Fans(2, 3, 1);
    Check(t, {{5, Big(124, 150)}, {4, {}}, {8, Big(500, 28)}}, "sideways tableaus, fanned reserves");
    t.Fans(8, 3, 3);
    Check(t, {{5, Big(100, 150)}, {4, {}}}, "arranged");
}

}  // namespace
}  // namespace velmora::layout_test
