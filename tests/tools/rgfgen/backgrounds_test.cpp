// The table repeats each background across and down, so a tile must run on
// into itself without a visible seam.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <set>
#include <string>

#include "library_fixture.h"

namespace velmora::rgfgen::testing {
namespace {

constexpr const char* kBackgrounds[] = {"B263", "B287", "B277", "B324", "B302",
                                        "B296", "B304", "B311", "B102"};

int Difference(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Mean colour change between neighbouring columns `x` and `x + 1` (the
// last column wrapping to the first), or between rows.
double ColumnStep(const QImage& tile, int x) {
    double sum = 0;
    for (int y = 0; y < tile.height(); ++y) {
        sum += Difference(tile.pixel(x, y), tile.pixel((x + 1) % tile.width(), y));
    }
    return sum / tile.height();
}

double RowStep(const QImage& tile, int y) {
    double sum = 0;
    for (int x = 0; x < tile.width(); ++x) {
        sum += Difference(tile.pixel(x, y), tile.pixel(x, (y + 1) % tile.height()));
    }
    return sum / tile.width();
}

TEST(Backgrounds, TileWithoutSeams) {
    for (const char* name : kBackgrounds) {
        const QImage tile = Picture(name);
        ASSERT_FALSE(tile.isNull()) << name;
        ASSERT_GE(tile.width(), 16) << name;
        EXPECT_EQ(tile.pixel(0, 0) >> 24, 0xFFu) << name << " must be opaque";
        // The wrap-around step may be no rougher than the roughest step
        // inside the tile.
        double inside_x = 0;
        double inside_y = 0;
        for (int i = 0; i + 1 < tile.width(); ++i) {
            inside_x = std::max(inside_x, ColumnStep(tile, i));
        }
        for (int i = 0; i + 1 < tile.height(); ++i) {
            inside_y = std::max(inside_y, RowStep(tile, i));
        }
        EXPECT_LE(ColumnStep(tile, tile.width() - 1), inside_x + 1) << name;
        EXPECT_LE(RowStep(tile, tile.height() - 1), inside_y + 1) << name;
    }
}

TEST(Backgrounds, TheOneForFewColoursUsesAHandful) {
    const QImage tile = Picture("B102");
    std::set<QRgb> colours;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            colours.insert(tile.pixel(x, y));
        }
    }
    EXPECT_LE(colours.size(), 16u);
    EXPECT_GE(colours.size(), 2u);
}

}  // namespace
}  // namespace velmora::rgfgen::testing
