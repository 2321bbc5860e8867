// The twins of the table's pictures for screens of twice the density: the
// table draws them in place of the 1x pictures, replacing the same corner
// pixels and keying out the same colours, so they must line up exactly.

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <string>
#include <vector>

#include "library_fixture.h"

namespace velmora::rgfgen::testing {
namespace {

const std::string kTwin = "@2";

// Card faces, jokers, backs, empty-pile marks, shadow and stock strips and
// the joker labels' suit symbols; backgrounds, icons and the like have no twin.
bool WholeMatch(const char* pattern, const std::string& name) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern))
        .match(QString::fromStdString(name))
        .hasMatch();
}

bool TableCardPicture(const std::string& name) {
    return WholeMatch(
        "C[BML]\\d{3}[HDCS]|JOKER_[BML]|D[BML]\\d{3}|W[BML](\\d{3}|_WASTE|_TABLEAU)|"
        "SHADOW_[BML][12]|3D_BORDER_[BML][12]|SUIT_(HEARTS|DIAMONDS|CLUBS|SPADES)",
        name);
}

bool IsTwin(const std::string& name) {
    return name.size() > kTwin.size() && name.ends_with(kTwin);
}

std::vector<std::string> PicturesWithTwins() {
    std::vector<std::string> names;
    for (const rgf::Entry& entry : Library()) {
        if (entry.kind == rgf::Kind::Bitmap && TableCardPicture(entry.name)) {
            names.push_back(entry.name);
        }
    }
    return names;
}

// Device pixels of the twin that break the 1x picture's rules: see-through
// exactly where the 1x pixel is, opaque elsewhere; for the strips, the key
// colour exactly where the 1x strip has it; each card's outline round its
// edge repeated in the whole 2 x 2 block.
int Misplaced(const std::string& name, const QImage& single, const QImage& twin) {
    const bool strip = name.starts_with("SHADOW_") || name.starts_with("3D_BORDER_");
    const QRgb key = name.starts_with("SHADOW_") ? qRgb(255, 255, 255) : qRgb(0, 0, 255);
    const bool framed = !strip && !name.starts_with("SUIT_");
    // A suit's sheet holds its cards in rows of 5, 5 and 3.
    const bool sheet = WholeMatch("C[BML]\\d{3}[HDCS]", name);
    const int card_width = sheet ? single.width() / 5 : single.width();
    const int card_height = sheet ? single.height() / 3 : single.height();
    int misplaced = 0;
    for (int y = 0; y < single.height(); ++y) {
        for (int x = 0; x < single.width(); ++x) {
            const QRgb one = single.pixel(x, y);
            const int cx = x % card_width;
            const int cy = y % card_height;
            const bool edge = cx == 0 || cy == 0 || cx == card_width - 1 || cy == card_height - 1;
            for (int d = 0; d < 4; ++d) {
                const QRgb two = twin.pixel(2 * x + d % 2, 2 * y + d / 2);
                misplaced += qAlpha(two) != (qAlpha(one) == 0 ? 0 : 255);
                misplaced += strip && (one == key) != (two == key);
                misplaced += framed && edge && qAlpha(one) == 255 && two != one;
            }
        }
    }
    return misplaced;
}

TEST(HighDensity, EveryTablePictureHasATwinOfTwiceItsSizeAndNothingElseHasOne) {
    const std::vector<std::string> names = PicturesWithTwins();
    // 24 face sheets, 3 jokers, 24 backs, 66 marks, 12 strips, 4 symbols.
    EXPECT_EQ(names.size(), 133u);
    for (const std::string& name : names) {
        const QImage single = Picture(name);
        const QImage twin = Picture(name + kTwin);
        ASSERT_FALSE(twin.isNull()) << name << kTwin << " is missing";
        EXPECT_EQ(twin.size(), single.size() * 2) << name;
    }
    for (const rgf::Entry& entry : Library()) {
        if (IsTwin(entry.name)) {
            const std::string single = entry.name.substr(0, entry.name.size() - kTwin.size());
            EXPECT_TRUE(TableCardPicture(single)) << entry.name << " has no place on the table";
        }
    }
}

// The table replaces the see-through corner pixels in 1x units and keys
// out the strips' colours, so the twins keep both in the same places; the
// one-pixel outline becomes two device pixels wide where it was.
TEST(HighDensity, TwinsKeepTheSeeThroughPixelsOutlinesAndKeyColoursInPlace) {
    for (const std::string& name : PicturesWithTwins()) {
        const QImage single = Picture(name);
        const QImage twin = Picture(name + kTwin);
        ASSERT_EQ(twin.size(), single.size() * 2) << name;
        EXPECT_EQ(Misplaced(name, single, twin), 0) << name;
    }
}

TEST(HighDensity, TwinsAreDrawnAtTheirOwnResolutionNotEnlarged) {
    for (const char* name :
         {"CB001S", "CM003H", "CL001D", "JOKER_B", "DB001", "DM011", "WB010", "SUIT_CLUBS"}) {
        const QImage single = Picture(name);
        EXPECT_NE(Picture(name + kTwin), single.scaled(single.size() * 2)) << name;
    }
}

}  // namespace
}  // namespace velmora::rgfgen::testing
