// Tree and information icons, toolbar glyphs, suit symbols and cursors.

#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "library_fixture.h"

namespace velmora::rgfgen::testing {
namespace {

const QRgb kMask = qRgb(128, 0, 0);

int Count(const QImage& image, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

TEST(Icons, TreeIconsAreSixteenSquareOnTheMaskColour) {
    int checked = 0;
    for (const rgf::Entry& entry : Library()) {
        const bool tree = entry.name.find("TREE") != std::string::npos;
        if (!tree) {
            continue;
        }
        const QImage icon = Picture(entry.name);
        ASSERT_EQ(icon.size(), QSize(16, 16)) << entry.name;
        const int masked =
            Count(icon, [](QRgb p) { return (p | 0xFF000000) == (kMask | 0xFF000000); });
        EXPECT_GT(masked, 0) << entry.name << " shows no background";
        EXPECT_LT(masked, 16 * 16 - 30) << entry.name << " is nearly empty";
        EXPECT_EQ(Count(icon, [](QRgb p) { return qAlpha(p) != 255; }), 0) << entry.name;
        ++checked;
    }
    EXPECT_EQ(checked, 84);  // the game tree's whole image list
}

TEST(Icons, InformationIconsAndSuitSymbolsSitOnWhite) {
    for (const char* name :
         {"PROG_TIME_LONG", "PROG_DIFF_HARD", "PROG_CHAN_MEDIUM", "PROG_SKILL_MODERATE"}) {
        const QImage icon = Picture(name);
        ASSERT_EQ(icon.size(), QSize(16, 16)) << name;
        EXPECT_EQ(icon.pixel(0, 0) | 0xFF000000, qRgb(255, 255, 255)) << name;
    }
    // The joker label is 14 pixels high with the symbol 2 pixels down and
    // 48 pixels in, in a box 59 wide.
    for (const char* name : {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"}) {
        const QImage symbol = Picture(name);
        ASSERT_FALSE(symbol.isNull()) << name;
        EXPECT_LE(symbol.width(), 10) << name;
        EXPECT_LE(symbol.height(), 11) << name;
        EXPECT_EQ(symbol.pixel(0, 0) | 0xFF000000, qRgb(255, 255, 255)) << name;
    }
}

TEST(Icons, DisabledGlyphsAreGreyAndEnabledOnesAreNot) {
    for (const char* name :
         {"TB_UNDO", "TB_REDO", "TB_AUTOPLAY", "TB_NEW", "TB_OPEN", "TB_RULES", "TB_EXIT"}) {
        const QImage glyph = Picture(name);
        const QImage disabled = Picture(std::string(name) + "_DIS");
        ASSERT_EQ(glyph.size(), QSize(16, 16)) << name;
        ASSERT_EQ(disabled.size(), QSize(16, 16)) << name;
        const auto coloured = [](QRgb p) {
            return qAlpha(p) > 0 && (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p));
        };
        EXPECT_GT(Count(glyph, coloured), 10) << name;
        EXPECT_EQ(Count(disabled, coloured), 0) << name;
        EXPECT_GT(Count(disabled, [](QRgb p) { return qAlpha(p) == 255 && qGray(p) == 128; }), 10)
            << name;
        // See-through around the drawing, so it sits on any button face.
        EXPECT_GT(Count(glyph, [](QRgb p) { return qAlpha(p) == 0; }), 20) << name;
    }
}

TEST(Cursors, PointWithAnOpaqueHotspotAndLeftHandsMirrorRightHands) {
    for (const rgf::Entry& entry : Library()) {
        if (entry.kind != rgf::Kind::Cursor) {
            continue;
        }
        const QImage cursor = Picture(entry.name);
        ASSERT_EQ(cursor.size(), QSize(32, 32)) << entry.name;
        ASSERT_TRUE(cursor.rect().contains(entry.hotspot_x, entry.hotspot_y)) << entry.name;
        EXPECT_GT(qAlpha(cursor.pixel(entry.hotspot_x, entry.hotspot_y)), 128) << entry.name;
        EXPECT_EQ(cursor.pixel(31, 31) >> 24, 0u) << entry.name << " fills the whole square";
    }
    for (const char* variant : {"1A", "1B", "2A", "2B"}) {
        const rgf::Entry* right = Find(std::string("CUR_RIGHT_HAND") + variant);
        const rgf::Entry* left = Find(std::string("CUR_LEFT_HAND") + variant);
        ASSERT_TRUE(right && left);
        EXPECT_EQ(Picture(left->name), Picture(right->name).mirrored(true, false)) << variant;
        EXPECT_EQ(left->hotspot_x, 31 - right->hotspot_x) << variant;
        EXPECT_EQ(left->hotspot_y, right->hotspot_y) << variant;
    }
    // Arrows point with their tip at the top left.
    EXPECT_LE(Find("CUR_ARROW1A")->hotspot_x, 2);
    EXPECT_LE(Find("CUR_ARROW1A")->hotspot_y, 2);
}

}  // namespace
}  // namespace velmora::rgfgen::testing
