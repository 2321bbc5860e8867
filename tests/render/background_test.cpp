#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>

#include <unistd.h>

#include <memory>

#include "platform/files.h"
#include "platform/resource_format.h"
#include "platform/resource_library.h"
#include "render/background.h"
#include "render_fixture.h"
#include "storage/preference_keys.h"

namespace velmora {
namespace {

using render_test::kBlack;
using render_test::kGreen;
using render_test::RenderTable;

constexpr int64_t kRich = 999999999;
constexpr int64_t kLow = 256;

QRgb Opaque(QRgb colour) { return colour | kBlack; }
QImage Whole(const TableBackground& background) { return background.Part(background.Bounds()).Image(); }
QRgb TilePixel(int x, int y) { return qRgb(10 * x + 1, 20 * y + 2, 99); }

QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, TilePixel(x, y));
    return image;
}

std::vector<uint8_t> Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

// The background fields of the parameter record.
struct Settings {
    std::string def = "N", picture = "0", fixed = "0", colour = "0", fade = "N", customised = "N";
};

class Background : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.LoadBytes(rgf::Serialize({{rgf::Kind::Bitmap, "B007", Png(Picture(3, 2))},
                                                      {rgf::Kind::Bitmap, "B600", Png(Picture(4, 4))}})));
    }
    void Draw(const Settings& s, int64_t colours = kRich) {
        ParamRecord& p = table->e().params;
        p.ParamWrite(key::kBackgroundDef.position, 1, s.def);
        p.ParamWrite(key::kBackgroundBmp.position, 4, s.picture);
        p.ParamWrite(key::kBackgroundFixedCol.position, 15, s.fixed);
        p.ParamWrite(key::kBackgroundCol.position, 15, s.colour);
        p.ParamWrite(key::kFadeBackground.position, 1, s.fade);
        p.ParamWrite(key::kCustomizedBackgroundSet, 1, s.customised);
        table->FillAll(0xABCDEF);
        DrawBackground(table->surfaces, table->e(), library, table->surfaces.back_buffer, false, colours);
        EXPECT_EQ(Whole(table->surfaces.background), table->surfaces.back_buffer.Image());
    }
    QRgb At(int x, int y) const { return table->surfaces.back_buffer.Pixel(x, y); }

    std::unique_ptr<RenderTable> table = std::make_unique<RenderTable>();
    ResourceLibrary library;
};

TEST_F(Background, APlainColourIsTheFixedOneAboveZeroElseTheChosenOne) {
    const QRgb button = QGuiApplication::palette().color(QPalette::Active, QPalette::Button).rgb();
    const std::string system = std::to_string(key::kSystemBackgroundColour);
    const struct {
        Settings settings;
        QRgb painted;
    } cases[] = {
        {{.fixed = "0", .colour = "16711680"}, qRgb(0, 0, 255)},  // blue in the high byte
        {{.fixed = "0", .colour = system}, button},
        {{.fixed = "", .colour = "0x0000FF"}, qRgb(0, 0, 0)},     // not numbers: 0 each
        {{.fixed = "32768", .colour = "16711680"}, qRgb(0, 128, 0)},
        {{.fixed = "-5", .colour = "26265"}, qRgb(0x99, 0x66, 0)},
        {{.def = "Y", .picture = "7", .fixed = "255", .customised = "Y"}, qRgb(0, 96, 0)},
    };
    for (const auto& c : cases) {
        Draw(c.settings);
        EXPECT_EQ(At(0, 0), Opaque(c.painted)) << c.settings.fixed << " " << c.settings.colour;
        EXPECT_EQ(At(229, 179), Opaque(c.painted));
    }
    Draw({.def = "Y"}, kLow);
    EXPECT_EQ(At(9, 9), Opaque(qRgb(0, 128, 0)));
}

TEST_F(Background, TheFadeToBlackIsDrawnOnlyOnScreensOfMoreThan256Colours) {
    Draw({.fixed = "255", .fade = "Y"}, kRich);
    const QRgb row_89 = At(5, 89);
    // 181 rows (the screen's height + 31) in 256 bands from the bottom:
    // the top band is 255/256 of the colour, the last visible row band 2.
    EXPECT_EQ(At(0, 0), Opaque(qRgb(254, 0, 0)));
    EXPECT_EQ(At(5, 179), Opaque(qRgb(1, 0, 0)));
    EXPECT_EQ(At(5, 90), Opaque(qRgb(127, 0, 0)));
    Draw({.fixed = "255", .fade = "Y"}, kLow);
    EXPECT_EQ(At(5, 179), Opaque(qRgb(255, 0, 0)));

    // A smaller window's buffers show the top of the same fade: it runs
    // down the screen, not down the buffer.
    table->surfaces = TableSurfaces{};
    table->surfaces.Resize(200, 150, 100, 60);
    ASSERT_EQ(table->surfaces.back_buffer.Height(), 90);
    Draw({.fixed = "255", .fade = "Y"}, kRich);
    EXPECT_EQ(At(0, 0), Opaque(qRgb(254, 0, 0)));
    EXPECT_EQ(At(5, 89), row_89);
}

// A redraw paints what the settings choose now: a new colour, fade or
// screen shows at once, and a background drawn on is replaced. A colour is
// painted where it is needed, never held as a picture.
TEST_F(Background, ARedrawPaintsTheChosenColourAfreshAndHoldsNoPictureForIt) {
    TableSurfaces& surfaces = table->surfaces;
    const auto redraw = [&](int64_t colours = kRich) {
        surfaces.back_buffer.Fill(surfaces.back_buffer.Bounds(), qRgb(1, 2, 3));
        DrawBackground(surfaces, table->e(), library, surfaces.back_buffer, false, colours);
        return At(0, 0);
    };
    Draw({.fixed = "255"});
    EXPECT_EQ(redraw(), Opaque(qRgb(255, 0, 0)));
    EXPECT_EQ(Whole(surfaces.background), surfaces.back_buffer.Image());
    EXPECT_FALSE(surfaces.background.HoldsPicture());
    table->e().params.ParamWrite(key::kBackgroundFixedCol.position, 15, "65280");
    EXPECT_EQ(redraw(), Opaque(qRgb(0, 255, 0)));
    table->e().params.ParamWrite(key::kFadeBackground.position, 1, "Y");
    EXPECT_EQ(At(5, 179), Opaque(qRgb(0, 255, 0)));
    redraw();
    EXPECT_EQ(At(5, 179), Opaque(qRgb(0, 1, 0)));
    EXPECT_EQ(redraw(kLow), Opaque(qRgb(0, 255, 0)));
    surfaces.background.Held().Fill(QRect(0, 0, 4, 4), qRgb(9, 9, 9));
    EXPECT_EQ(redraw(kLow), Opaque(qRgb(0, 255, 0)));
    EXPECT_EQ(surfaces.background.Pixel(0, 0), Opaque(qRgb(0, 255, 0)));
    EXPECT_FALSE(surfaces.background.HoldsPicture());
}

// Erases and card corners paint small parts of a faded table: each part is
// pixel for pixel what the whole fade holds there, also across the edges.
TEST_F(Background, EveryPartOfAFadeIsWhatTheWholeHoldsThere) {
    Draw({.fixed = "255", .fade = "Y"});
    const TableBackground& background = table->surfaces.background;
    ASSERT_FALSE(background.HoldsPicture());
    const QImage whole = Whole(background);
    for (const QRect& r : {QRect(0, 0, 71, 96), QRect(37, 61, 5, 117), QRect(200, 150, 30, 30), QRect(3, 178, 40, 2)})
        EXPECT_EQ(background.Part(r).Image(), whole.copy(r)) << r.x() << "," << r.y();
    Surface target(40, 40);
    target.Fill(target.Bounds(), qRgb(1, 2, 3));
    background.PaintOn(target, 10, 10, QRect(220, 170, 20, 20));
    EXPECT_EQ(target.Pixel(19, 19), whole.pixel(229, 179));
    EXPECT_EQ(target.Pixel(20, 20), Opaque(qRgb(1, 2, 3))) << "outside the table nothing is painted";
    EXPECT_EQ(background.Pixel(5, 179), Opaque(qRgb(1, 0, 0)));
    EXPECT_EQ(background.Pixel(-1, 0), 0u);
}

TEST_F(Background, PicturesBelow500AreTiledFrom500PlacedOnceAndMissingOnesGiveTheDefault) {
    Draw({.picture = "7", .fixed = "255"});
    for (auto [x, y] : {std::pair{0, 0}, {2, 1}, {3, 2}, {100, 77}, {229, 179}})
        EXPECT_EQ(At(x, y), Opaque(TilePixel(x % 3, y % 2))) << x << "," << y;
    Draw({.picture = "600", .fixed = "255"});
    EXPECT_EQ(At(3, 3), Opaque(TilePixel(3, 3)));
    EXPECT_EQ(At(4, 0), kBlack);  // not repeated, and no earlier table left beside it
    EXPECT_EQ(At(229, 179), kBlack);
    Draw({.picture = "8", .fixed = "255"});
    EXPECT_EQ(At(10, 10), kGreen);
    EXPECT_EQ(table->LastMessage(), "");
}

// The player's picture is tiled; one that cannot be shown, however it
// fails, gives the message, switches the settings to the default table and
// paints it.
TEST_F(Background, APlayersPictureIsTiledOrFallsBackToTheDefaultTable) {
    enum Fault { kNone, kMissing, kNotAPicture, kUnreadable, kFolder };
    for (Fault fault : {kNone, kMissing, kNotAPicture, kUnreadable, kFolder}) {
        if (fault == kUnreadable && ::geteuid() == 0) continue;  // root reads every file
        table = std::make_unique<RenderTable>();
        const std::string path = table->Folder() + "mine.bmp";
        if (fault == kNone) Picture(3, 2).save(QString::fromStdString(path), "BMP");
        if (fault == kNotAPicture || fault == kUnreadable) {
            QFile file(QString::fromStdString(path));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("BM, but no picture");
            file.setPermissions(fault == kUnreadable ? QFileDevice::Permissions() : file.permissions());
        }
        if (fault == kFolder) QDir().mkpath(QString::fromStdString(path));
        table->Settings().Write(key::kCustomizedBackground, path);
        Draw({.picture = "7", .fixed = "255", .customised = "Y"});

        SCOPED_TRACE(fault);
        const bool fails = fault != kNone;
        EXPECT_EQ(At(100, 77), fails ? kGreen : Opaque(TilePixel(100 % 3, 77 % 2)));
        EXPECT_EQ(table->LastMessage(), fails ? "Customized background image not found: " + path : "");
        EXPECT_EQ(table->e().params.ParamRead(key::kCustomizedBackgroundSet, 1), fails ? "N" : "Y");
        EXPECT_EQ(table->e().params.ParamRead(key::kBackgroundDef.position, 1), fails ? "Y" : "N");
        EXPECT_EQ(table->Settings().Read(key::kCustomizedBackground), fails ? "" : path);
        EXPECT_EQ(table->Settings().Read(key::kBackgroundDef), fails ? "Y" : "N");
    }
}

TEST_F(Background, APictureNameWithoutAFolderIsLookedForBesideTheProgram) {
    table->Settings().Write(key::kCustomizedBackground, "no_such_velmora_picture");
    Draw({.customised = "Y"});
    EXPECT_EQ(table->LastMessage(),
              "Customized background image not found: " + ProgramFolder() + "no_such_velmora_picture.bmp");
}

}  // namespace
}  // namespace velmora
