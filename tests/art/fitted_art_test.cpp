// The card art drawn at sizes of the table's choosing: every picture at
// exactly the size asked times the scale, corners rounded with a radius
// that grows with the card and see-through exactly where the table puts
// the table back, and the right ink on each face.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <cmath>
#include <string>

#include "art/card_backs.h"
#include "art/card_faces.h"
#include "art/card_size.h"
#include "art/fonts.h"
#include "art/pile_marks.h"
#include "art/pixel_scale.h"
#include "qt_test_app.h"

namespace velmora::art {
namespace {

// Lettering needs the application; the fonts are loaded as the program does.
class FittedArt : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureApplication();
        }
};

CardSize Fitted(int width) { return FittedCard(width, static_cast<int>(std::lround(width * 96 / 71.0))); }

QSize DeviceSize(int width, int height, double scale) {
    return {static_cast<int>(std::lround(width * scale)), static_cast<int>(std::lround(height * scale))};
}

TEST_F(FittedArt, EveryPictureIsTheSizeAskedTimesTheScale) {
    for (int width : {25, 40, 71, 100, 170}) {
        const CardSize size = Fitted(width);
        for (double scale : {1.0, 1.25, 2.0}) {
            SCOPED_TRACE(std::to_string(width) + " at " + std::to_string(scale));
            const QSize card = DeviceSize(size.width, size.height, scale);
            EXPECT_EQ(DrawCardFace(size, ClassicSet(), Suit::Spades, 12, scale).size(), card);
            EXPECT_EQ(DrawCardFace(size, PlainSet(), Suit::Hearts, 7, scale).size(), card);
            EXPECT_EQ(DrawJoker(size, scale).size(), card);
            EXPECT_EQ(DrawCardBack(size, 7, scale).size(), card);
            EXPECT_EQ(DrawCardBack(size, 1, scale).size(), card);
            EXPECT_EQ(DrawPileMark(size, "022", scale).size(), card);
            EXPECT_EQ(ShadowStrip(size, true, scale).size(), DeviceSize(kShadowDepth, size.height, scale));
            EXPECT_EQ(ShadowStrip(size, false, scale).size(),
                      DeviceSize(size.width - kShadowDepth - 1, kShadowDepth, scale));
            EXPECT_EQ(StockBorderStrip(size, true, scale).size(), DeviceSize(16, size.height + 13, scale));
            EXPECT_EQ(StockBorderStrip(size, false, scale).size(), DeviceSize(size.width + 11, 16, scale));
        }
    }
}

TEST(CardRounding, GrowsWithTheCardAndKeepsTheLibrarySizesRule) {
    EXPECT_EQ(CornerRadius(25), 1);
    EXPECT_EQ(CornerRadius(59), 2);
    EXPECT_EQ(CornerRadius(71), 2);
    EXPECT_LT(CornerRadius(100), CornerRadius(170));
    EXPECT_GE(CornerRadius(170), 5);
    for (int width = 25; width <= 180; ++width) EXPECT_LE(CornerRadius(width), CornerRadius(width + 1)) << width;
    // The library's sizes: the corner pixel alone, or with its two neighbours.
    const auto corner = [](int width, int height) {
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) n += IsOutsideCorner(width, height, x, y);
        return n;
    };
    EXPECT_EQ(corner(25, 32), 4);
    EXPECT_EQ(corner(59, 80), 12);
    EXPECT_EQ(corner(71, 96), 12);
    EXPECT_GT(corner(170, 230), 12);
    // Outside only in the corner squares, and symmetric.
    EXPECT_FALSE(IsOutsideCorner(170, 230, CornerRadius(170), 0));
    EXPECT_EQ(IsOutsideCorner(170, 230, 1, 0), IsOutsideCorner(170, 230, 168, 229));
}

// Corner pixels are see-through exactly where the table restores them, at
// every scale; the outline runs right next to them.
TEST_F(FittedArt, CornersAreSeeThroughExactlyOutsideTheRounding) {
    for (int width : {40, 100, 170}) {
        const CardSize size = Fitted(width);
        for (double scale : {1.0, 2.0}) {
            SCOPED_TRACE(std::to_string(width) + " at " + std::to_string(scale));
            const QImage card = DrawCardFace(size, ClassicSet(), Suit::Clubs, 13, scale);
            const QImage mark = DrawPileMark(size, "010", scale);
            for (int y = 0; y < size.height; ++y) {
                for (int x = 0; x < size.width; ++x) {
                    const QPoint device(static_cast<int>(x * scale), static_cast<int>(y * scale));
                    const bool outside = IsOutsideCorner(size, x, y);
                    ASSERT_EQ(qAlpha(card.pixel(device)), outside ? 0 : 255) << x << "," << y;
                    ASSERT_EQ(qAlpha(mark.pixel(device)), outside ? 0 : 255) << x << "," << y;
                }
            }
            const int r = CornerRadius(width);
            const QRgb edge = card.pixel(card.width() / 2, 0);
            EXPECT_EQ(card.pixel(static_cast<int>(r * scale), 0), edge) << "the outline starts at the rounding";
            EXPECT_LT(qGray(edge), 80);
        }
    }
}

// A blank card holds the outline colour on exactly the outline pixels, is
// see-through outside the rounding and paper everywhere else: every device
// pixel, on narrow cards whose corners meet and at a fractional scale.
TEST(BlankCardOutline, EveryPixelIsOutlinePaperOrSeeThrough) {
    const QRgb paper = qRgb(250, 250, 240);
    const QRgb border = qRgb(10, 20, 30);
    for (const CardSize size : {FittedCard(3, 4), FittedCard(6, 9), Fitted(25), Fitted(71), Fitted(130)}) {
        for (double scale : {1.0, 1.25, 2.0}) {
            SCOPED_TRACE(std::to_string(size.width) + " at " + std::to_string(scale));
            const QImage card = BlankCard(size, QColor(paper), QColor(border), scale);
            for (int y = 0; y < size.height; ++y) {
                for (int x = 0; x < size.width; ++x) {
                    const QRect block = DeviceRect(QRect(x, y, 1, 1), scale);
                    ASSERT_FALSE(block.isEmpty());
                    const QRgb pixel = card.pixel(block.bottomRight());
                    ASSERT_EQ(card.pixel(block.topLeft()), pixel) << x << "," << y;
                    if (IsOutsideCorner(size, x, y))
                        ASSERT_EQ(qAlpha(pixel), 0) << x << "," << y;
                    else
                        ASSERT_EQ(pixel, IsOnOutline(size.width, size.height, x, y) ? border : paper) << x << "," << y;
                }
            }
        }
    }
}

// The ink at the index under the rank, and at the middle pip of a three.
TEST_F(FittedArt, RedSuitsAreInkedRedAndBlackSuitsBlack) {
    // Ink inside the outline and its rounding.
    const auto count = [](const QImage& card, bool red) {
        const int r = CornerRadius(card.width());
        int n = 0;
        for (int y = r; y < card.height() - r; ++y) {
            for (int x = r; x < card.width() - r; ++x) {
                const QRgb p = card.pixel(x, y);
                n += red ? (qRed(p) > 150 && qGreen(p) < 60 && qBlue(p) < 60)
                         : (qAlpha(p) == 255 && qGray(p) < 60 && std::abs(qRed(p) - qBlue(p)) < 20);
            }
        }
        return n;
    };
    for (int width : {30, 100, 170}) {
        const CardSize size = Fitted(width);
        for (Suit suit : kSuits) {
            SCOPED_TRACE(std::to_string(width) + SuitLetter(suit));
            const QImage three = DrawCardFace(size, ClassicSet(), suit, 3, 1.0);
            const QRgb middle = three.pixel(size.width / 2, size.height / 2);
            if (size.compact()) {
                EXPECT_GT(count(three, IsRed(suit)), width * 2);
            } else {
                EXPECT_EQ(qRed(middle) > 150 && qGreen(middle) < 60, IsRed(suit)) << std::hex << middle;
                EXPECT_EQ(qGray(middle) < 60, !IsRed(suit)) << std::hex << middle;
            }
            EXPECT_EQ(count(three, !IsRed(suit)), 0) << "no ink of the other colour";
        }
    }
}

// Bigger cards get bigger indices: the rank's ink grows with the card.
TEST_F(FittedArt, IndicesGrowWithTheCard) {
    const auto index_height = [](int width) {
        const CardSize size = Fitted(width);
        const QImage card = DrawCardFace(size, ClassicSet(), Suit::Spades, 2, 1.0);
        const int column = static_cast<int>(size.width * 0.1);
        int top = -1;
        int bottom = -1;
        for (int y = 1; y < size.height / 3; ++y) {
            if (qGray(card.pixel(column, y)) < 100) {
                if (top < 0) top = y;
                bottom = y;
            }
        }
        return bottom - top;
    };
    EXPECT_GT(index_height(130), index_height(71));
    EXPECT_GT(index_height(170), index_height(130));
}

// The system's DejaVu families stand for the files only when every one the
// cards use is there; after loading, all of them are.
TEST(FontFamilies, KnownOnlyWhenEveryCardFamilyIsListed) {
    const QStringList all = {"DejaVu Sans", "DejaVu Sans Condensed", "DejaVu Serif", "DejaVu Serif Condensed",
                             "Noto Sans"};
    EXPECT_TRUE(CardFamiliesKnown(all));
    EXPECT_TRUE(CardFamiliesKnown({"dejavu sans", "DEJAVU SANS CONDENSED", "DejaVu serif", "DejaVu Serif Condensed"}));
    EXPECT_FALSE(CardFamiliesKnown({"DejaVu Sans", "DejaVu Serif", "DejaVu Serif Condensed"}));
    EXPECT_FALSE(CardFamiliesKnown({"DejaVu Sans Mono", "DejaVu Sans Condensed", "DejaVu Serif",
                                    "DejaVu Serif Condensed"}));
    EXPECT_FALSE(CardFamiliesKnown({}));
    test::EnsureApplication();
    ASSERT_TRUE(LoadFonts());
    EXPECT_TRUE(CardFamiliesKnown(QFontDatabase::families()));
}

// Without the font files the lettering falls back to a default font: the
// cards still carry their indices.
TEST(FontFallback, MissingFontFilesAreReportedAndTheIndicesStillShow) {
    test::EnsureApplication();
    EXPECT_FALSE(LoadFontsFrom("/nonexistent-font-folder/"));
    const CardSize size = Fitted(100);
    const QImage card = DrawCardFace(size, PlainSet(), Suit::Hearts, 10, 1.0);
    int ink = 0;
    for (int y = 2; y < size.height / 6; ++y)
        for (int x = 2; x < size.width / 5; ++x) ink += qRed(card.pixel(x, y)) > 150 && qGreen(card.pixel(x, y)) < 80;
    EXPECT_GT(ink, 10);
}

}  // namespace
}  // namespace velmora::art
