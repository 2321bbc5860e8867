// Card faces, backs, marks and the strips beside cards: sizes, the sheet
// layout the table cuts, the rounded corners and the see-through colours.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "art/card_size.h"
#include "art_names.h"
#include "library_fixture.h"

namespace velmora::rgfgen::testing {
namespace {

constexpr const char* kSuitLetters[] = {"H", "D", "C", "S"};

std::string SheetName(const CardSize& size, const char* set, const char* suit) {
    return "C" + size.tag() + set + suit;
}

QImage Slot(const QImage& sheet, const CardSize& size, int index) {
    return sheet.copy((index % 5) * size.width, (index / 5) * size.height, size.width, size.height);
}

// Corner pixels the table replaces are see-through; every other pixel of
// the card is opaque, and one outline runs round the edge right next to
// the corner, set off from the inside.
void ExpectRoundedCard(const QImage& card, const CardSize& size, const std::string& what) {
    ASSERT_EQ(card.size(), QSize(size.width, size.height)) << what;
    int outside = 0;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const int alpha = qAlpha(card.pixel(x, y));
            if (IsOutsideCorner(size, x, y)) {
                ++outside;
                EXPECT_EQ(alpha, 0) << what << " at " << x << "," << y;
            } else {
                ASSERT_EQ(alpha, 255) << what << " at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(outside, size.small() ? 4 : 12) << what;
    const int inner = size.small() ? 1 : 2;
    const QRgb outline = card.pixel(size.width / 2, 0);
    EXPECT_EQ(card.pixel(inner, 0), outline) << what << ": the outline starts at the rounding";
    EXPECT_EQ(card.pixel(0, inner), outline) << what;
    EXPECT_EQ(card.pixel(size.width - 1, size.height / 2), outline) << what;
    EXPECT_EQ(card.pixel(size.width - 1 - inner, size.height - 1), outline) << what;
    // Just inside, a light margin sets the outline off.
    EXPECT_GT(std::abs(qGray(card.pixel(1, size.height / 2)) - qGray(outline)), 60) << what;
}

bool HasRed(const QImage& card) {
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            const QRgb p = card.pixel(x, y);
            if (qRed(p) > 150 && qGreen(p) < 60 && qBlue(p) < 60) {
                return true;
            }
        }
    }
    return false;
}

TEST(CardSheets, AreFiveCardsWideAndThreeHighWithTwoEmptySlots) {
    for (const CardSize& size : kCardSizes) {
        for (const char* set : {"001", "003"}) {
            for (const char* suit : kSuitLetters) {
                const std::string name = SheetName(size, set, suit);
                const QImage sheet = Picture(name);
                ASSERT_EQ(sheet.size(), QSize(5 * size.width, 3 * size.height)) << name;
                for (int index = 0; index < 13; ++index) {
                    ExpectRoundedCard(Slot(sheet, size, index), size,
                                      name + " card " + std::to_string(index + 1));
                }
                for (int index : {13, 14}) {
                    const QImage unused = Slot(sheet, size, index);
                    EXPECT_EQ(qAlpha(unused.pixel(size.width / 2, size.height / 2)), 0) << name;
                }
            }
        }
    }
}

TEST(CardSheets, EveryCardOfASetLooksDifferentAndCarriesItsSuitColour) {
    for (const CardSize& size : kCardSizes) {
        for (const char* set : {"001", "003"}) {
            std::set<QByteArray> faces;
            for (const char* suit : kSuitLetters) {
                const QImage sheet = Picture(SheetName(size, set, suit));
                const bool red = suit[0] == 'H' || suit[0] == 'D';
                for (int index = 0; index < 13; ++index) {
                    const QImage card = Slot(sheet, size, index);
                    faces.insert(QByteArray(reinterpret_cast<const char*>(card.constBits()),
                                            static_cast<int>(card.sizeInBytes())));
                    if (index < 10) {  // court robes may use red in any suit
                        EXPECT_EQ(HasRed(card), red)
                            << SheetName(size, set, suit) << " card " << index + 1;
                    }
                }
            }
            EXPECT_EQ(faces.size(), 52u) << size.tag() << set;
        }
    }
}

TEST(CardSheets, IndicesAreRepeatedTurnedRound) {
    // The bottom-right index is the top-left one rotated half a turn.
    for (const CardSize& size : {kBigCard, kMediumCard}) {
        const QImage sheet = Picture(SheetName(size, "001", "S"));
        for (int index : {0, 6, 9, 12}) {
            const QImage card = Slot(sheet, size, index);
            const QImage turned = card.mirrored(true, true);
            const QRect corner(1, 2, 11, 22);
            EXPECT_EQ(card.copy(corner), turned.copy(corner))
                << size.tag() << " card " << index + 1;
        }
    }
}

// Pixels of printed ink (anything clearly darker or more coloured than the
// white paper).
bool Ink(QRgb p) {
    return qAlpha(p) == 255 && (qGray(p) < 200 || qRed(p) - qBlue(p) > 80);
}

// Separate blobs of ink inside `area` (4-connected).
int Blobs(const QImage& card, const QRect& area) {
    std::vector<char> seen(static_cast<size_t>(card.width() * card.height()), 0);
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[static_cast<size_t>(y * card.width() + x)] || !Ink(card.pixel(x, y))) {
                continue;
            }
            ++blobs;
            std::vector<QPoint> stack{{x, y}};
            while (!stack.empty()) {
                const QPoint at = stack.back();
                stack.pop_back();
                if (!area.contains(at) ||
                    seen[static_cast<size_t>(at.y() * card.width() + at.x())] ||
                    !Ink(card.pixel(at))) {
                    continue;
                }
                seen[static_cast<size_t>(at.y() * card.width() + at.x())] = 1;
                stack.insert(stack.end(), {at + QPoint(1, 0), at - QPoint(1, 0), at + QPoint(0, 1),
                                           at - QPoint(0, 1)});
            }
        }
    }
    return blobs;
}

TEST(CardSheets, PipCardsShowAsManySeparatePipsAsTheirRank) {
    // Between the two index columns only the pips are printed; pips that
    // touched each other or an index would merge into fewer blobs.
    for (const CardSize& size : {kBigCard, kMediumCard}) {
        const int margin = size.letter == 'B' ? 13 : 12;
        const QRect field(margin, 1, size.width - 2 * margin, size.height - 2);
        for (const char* set : {"001", "003"}) {
            for (const char* suit : kSuitLetters) {
                const QImage sheet = Picture(SheetName(size, set, suit));
                // The classic ace of spades is ornamented; it starts at the two.
                const int first = suit[0] == 'S' && set[2] == '1' ? 2 : 1;
                for (int rank = first; rank <= 10; ++rank) {
                    EXPECT_EQ(Blobs(Slot(sheet, size, rank - 1), field), rank)
                        << SheetName(size, set, suit) << " card " << rank;
                }
            }
        }
    }
}

TEST(CardPictures, EveryMarkOfASizeIsDistinct) {
    for (const CardSize& size : kCardSizes) {
        std::set<QByteArray> marks;
        int count = 0;
        for (const rgf::Entry& entry : Library()) {
            if (entry.name.rfind("W" + size.tag(), 0) == 0 && !entry.name.ends_with("@2")) {
                const QImage mark = Picture(entry.name);
                marks.insert(QByteArray(reinterpret_cast<const char*>(mark.constBits()),
                                        static_cast<int>(mark.sizeInBytes())));
                ++count;
            }
        }
        EXPECT_EQ(count, 22) << size.tag();
        EXPECT_EQ(marks.size(), 22u) << size.tag();
    }
}

TEST(CardPictures, JokersBacksAndMarksAreRoundedCards) {
    for (const CardSize& size : kCardSizes) {
        ExpectRoundedCard(Picture("JOKER_" + size.tag()), size, "JOKER_" + size.tag());
        for (const char* back : {"001", "003", "006", "007", "011", "014", "019", "020"}) {
            ExpectRoundedCard(Picture("D" + size.tag() + back), size, "D" + size.tag() + back);
        }
        for (const char* mark : {"001", "004", "008", "010", "011", "022", "_WASTE", "_TABLEAU"}) {
            ExpectRoundedCard(Picture("W" + size.tag() + mark), size, "W" + size.tag() + mark);
        }
    }
}

TEST(CardPictures, BacksCanBeToldApart) {
    std::set<QByteArray> backs;
    for (const char* back : {"001", "003", "006", "007", "011", "014", "019", "020"}) {
        const QImage image = Picture(std::string("DB") + back);
        backs.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                static_cast<int>(image.sizeInBytes())));
    }
    EXPECT_EQ(backs.size(), 8u);
}

// The shadow of a lifted card: a strip 7 wide beside it and 7 high under
// it, stippled black on see-through white.
TEST(TableStrips, ShadowsFitBesideAndUnderTheCard) {
    for (const CardSize& size : kCardSizes) {
        const QImage right = Picture("SHADOW_" + size.tag() + "1");
        const QImage bottom = Picture("SHADOW_" + size.tag() + "2");
        EXPECT_EQ(right.size(), QSize(7, size.height)) << size.tag();
        EXPECT_EQ(bottom.size(), QSize(size.width - 8, 7)) << size.tag();
        for (const QImage* strip : {&right, &bottom}) {
            int black = 0;
            for (int y = 0; y < strip->height(); ++y) {
                for (int x = 0; x < strip->width(); ++x) {
                    const QRgb p = strip->pixel(x, y) & 0xFFFFFF;
                    EXPECT_TRUE(p == 0 || p == 0xFFFFFF) << size.tag();
                    black += p == 0;
                }
            }
            const int area = strip->width() * strip->height();
            EXPECT_GT(black, area / 3);
            EXPECT_LT(black, area * 2 / 3);
        }
    }
}

// The stock's thickness: row (column) 15 - depth onwards of a 16-deep
// strip, see-through pure blue outside the cards.
TEST(TableStrips, StockBordersHoldSixteenLayers) {
    for (const CardSize& size : kCardSizes) {
        const QImage right = Picture("3D_BORDER_" + size.tag() + "1");
        const QImage bottom = Picture("3D_BORDER_" + size.tag() + "2");
        ASSERT_EQ(right.size(), QSize(16, size.height + 13)) << size.tag();
        ASSERT_EQ(bottom.size(), QSize(size.width + 11, 16)) << size.tag();
        const QRgb blue = qRgb(0, 0, 255);
        // The top-left of each strip lies outside the stack, the far end
        // of the deepest layer inside it.
        EXPECT_EQ(right.pixel(15, 0), blue);
        EXPECT_EQ(bottom.pixel(0, 15), blue);
        EXPECT_NE(right.pixel(0, size.height / 2), blue);
        EXPECT_NE(right.pixel(15, size.height + 12 - 3), blue);
        EXPECT_NE(bottom.pixel(size.width / 2, 0), blue);
        EXPECT_NE(bottom.pixel(size.width + 10 - 3, 15), blue);
    }
}

}  // namespace
}  // namespace velmora::rgfgen::testing
