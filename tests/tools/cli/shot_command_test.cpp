#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <vector>
#include <string>

#include "platform/resource_format.h"
#include "platform/resource_library.h"
#include "text/whole_file.h"
#include "session.h"

namespace velmora::cli {
namespace {

TEST(ShotCommand, WritesWhatTheWindowShowsAsPng) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/table.png";
    Session s;
    s.Lines("new 2 1");
    s.Lines("shot " + path);
    QImage picture(QString::fromStdString(path));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(1280, 800));
    // The window size follows the "window" command.
    s.Lines("window 800 600");
    s.Lines("shot " + path);
    picture.load(QString::fromStdString(path));
    EXPECT_EQ(picture.size(), QSize(800, 600));
    // The stock shows a card at its anchor; the table's far edge on the
    // same row is bare.
    int x = -1;
    int y = -1;
    for (const std::string& line : s.Lines("layout"))
        if (line.rfind("Mazzo ", 0) == 0) sscanf(line.c_str(), "Mazzo %d %d", &x, &y);
    ASSERT_GE(x, 0);
    EXPECT_NE(picture.pixel(x + 30, y + 40), picture.pixel(picture.width() - 2, y + 40));
    // For a screen of twice the resolution: twice the pixels, the same table.
    s.Lines("shot " + path + " 2");
    QImage sharp(QString::fromStdString(path));
    EXPECT_EQ(sharp.size(), QSize(1600, 1200));
    const int edge = picture.width() - 2;
    EXPECT_EQ(sharp.pixel(2 * edge + 1, 2 * y + 81), picture.pixel(edge, y + 40));
    EXPECT_NE(sharp.pixel(2 * x + 60, 2 * y + 80), sharp.pixel(2 * edge, 2 * y + 80));
}

TEST(ShotCommand, RefusesWhatItCannotDo) {
    Session s;
    const std::string usage = "error: usage: shot <file.png> [1|2]";
    EXPECT_EQ(s.Raw("shot").back(), usage);
    EXPECT_EQ(s.Raw("shot a.png b.png").back(), usage);
    EXPECT_EQ(s.Raw("shot a.png 3").back(), usage);
    EXPECT_EQ(s.Raw("shot /no/such/folder/x.png").back(), "error: cannot write /no/such/folder/x.png");
    // Without a game the table is bare, and still drawn.
    QTemporaryDir dir;
    EXPECT_EQ(s.Raw("shot " + dir.path().toStdString() + "/bare.png").back(), "ok");
}

}  // namespace
}  // namespace velmora::cli

namespace velmora::cli {
namespace {

// The previews of the program's library: one per game of the catalogue, the
// size of the game selection's picture, cards on a see-through table whose
// colour the top-left pixel carries; the rest of the library is kept.
TEST(PreviewsCommand, AddsADealtTableOfEveryGame) {
    QTemporaryDir dir;
    const std::string out = dir.path().toStdString() + "/with_previews.rgf";
    Session s;
    s.Lines("previews " VELMORA_PROGRAM_DIR "QOR.RGF " + out);
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(out));
    EXPECT_FALSE(library.Bitmap("CB001S").isNull());
    // Made afresh from the program's library, which has them already.
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadRegularFile(out, bytes));
    int previews = 0;
    const std::optional<std::vector<rgf::Entry>> entries = rgf::Parse(bytes);
    ASSERT_TRUE(entries.has_value());
    for (const rgf::Entry& entry : *entries) previews += entry.name.rfind("GAME", 0) == 0;
    EXPECT_EQ(previews, static_cast<int>(s.Lines("games").size()));
    for (const std::string& line : s.Lines("games")) {
        char name[16];
        std::snprintf(name, sizeof name, "GAME%04d", std::stoi(line));
        const QImage preview = library.Bitmap(name);
        ASSERT_EQ(preview.size(), QSize(300, 185)) << name;
        const QRgb see_through = preview.pixel(0, 0);
        int card_pixels = 0;
        for (int y = 0; y < preview.height(); ++y)
            for (int x = 0; x < preview.width(); ++x) card_pixels += preview.pixel(x, y) != see_through;
        EXPECT_GT(card_pixels, 300 * 185 / 10) << name;
    }
    EXPECT_EQ(s.Raw("previews /no/such.rgf " + out).back().rfind("error: cannot read /no/such.rgf", 0), 0u);
}

}  // namespace
}  // namespace velmora::cli
