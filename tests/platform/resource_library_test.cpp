#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <fstream>

#include "platform/resource_library.h"
#include "test_waves.h"

namespace velmora {
namespace {

std::vector<uint8_t> Png(QImage image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

// Toolbar glyphs keep their see-through pixels; the table's bitmaps do not.
TEST(ResourceLibrary, GlyphsKeepWhatIsSeeThrough) {
    QImage glyph(2, 1, QImage::Format_ARGB32);
    glyph.setPixel(0, 0, qRgba(0, 0, 0, 0));
    glyph.setPixel(1, 0, qRgba(20, 70, 170, 255));
    ResourceLibrary library;
    ASSERT_TRUE(library.LoadBytes(rgf::Serialize({{rgf::Kind::Bitmap, "TB_UNDO", Png(glyph), 0, 0}})));
    const QImage shown = library.Glyph("tb_undo");
    ASSERT_EQ(shown.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(1, 0), qRgba(20, 70, 170, 255));
    EXPECT_EQ(qAlpha(library.Bitmap("TB_UNDO").pixel(0, 0)), 255);
    EXPECT_TRUE(library.Glyph("TB_REDO").isNull());
}

TEST(ResourceLibrary, FindsEntriesByKindWithoutRegardToCase) {
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(qRgb(200, 10, 20));
    ResourceLibrary library;
    ASSERT_TRUE(library.LoadBytes(rgf::Serialize({
        {rgf::Kind::Bitmap, "CBS001H", Png(picture), 0, 0},
        {rgf::Kind::Bitmap, "Broken", {0x89, 'P', 'N', 'G', 1, 2, 3}, 0, 0},
        {rgf::Kind::Cursor, "CUR_ARROW1A", Png(QImage(16, 16, QImage::Format_ARGB32)), 5, 40},
        {rgf::Kind::Wave, "Won", test::MakeWave(1, 8000, 8, 10), 0, 0},
    })));
    QImage bitmap = library.Bitmap("cbs001h");
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB32);
    EXPECT_EQ(bitmap.pixel(3, 2), qRgb(200, 10, 20));
    EXPECT_TRUE(library.Bitmap("CUR_ARROW1A").isNull());  // a cursor, not a bitmap
    EXPECT_TRUE(library.Bitmap("Broken").isNull());       // does not decode: null, no crash
    EXPECT_EQ(library.Wave("WON").size(), 10u + 44u);
    EXPECT_TRUE(library.Wave("_tmp_stop_").empty());
    QImage cursor;
    QPoint hotspot;
    ASSERT_TRUE(library.CursorImage("cur_arrow1a", &cursor, &hotspot));
    EXPECT_EQ(hotspot, QPoint(5, 15));  // kept inside the picture

    std::string error;
    EXPECT_FALSE(library.Load("/nonexistent/QOR.RGF", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(library.Bitmap("CBS001H").isNull());  // the old contents are gone
}

// A library on disk: read when it is a readable file, reported (never
// thrown about) when the name is a folder or the file may not be read.
class ResourceLibraryFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-rgf-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        const std::vector<uint8_t> bytes = rgf::Serialize({{rgf::Kind::Wave, "Won", test::MakeWave(1, 8000, 8, 10), 0, 0}});
        std::ofstream(folder_ / "QOR.RGF", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                      static_cast<std::streamsize>(bytes.size()));
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

TEST_F(ResourceLibraryFile, ReadsAFileAndRefusesAFolder) {
    ResourceLibrary library;
    ASSERT_TRUE(library.Load((folder_ / "QOR.RGF").string()));
    EXPECT_EQ(library.Wave("won").size(), 10u + 44u);

    std::filesystem::create_directories(folder_ / "sub" / "QOR.RGF");
    std::string error;
    EXPECT_FALSE(library.Load((folder_ / "sub" / "QOR.RGF").string(), &error));
    EXPECT_NE(error.find("QOR.RGF"), std::string::npos);
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_TRUE(library.Wave("won").empty());
}

TEST_F(ResourceLibraryFile, RefusesAFileItMayNotRead) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file whatever its permissions";
    std::filesystem::permissions(folder_ / "QOR.RGF", std::filesystem::perms::owner_write);
    ResourceLibrary library;
    std::string error;
    EXPECT_FALSE(library.Load((folder_ / "QOR.RGF").string(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(library.IsLoaded());
}

}  // namespace
}  // namespace velmora
