#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QImage>
#include <algorithm>
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
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(folder_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

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

// The file is mapped, not read: a picture comes from it when asked for. A
// copy put in its place by renaming (as an update installs) leaves the
// loaded library as it was, also after its pages were given back.
TEST_F(ResourceLibraryFile, PicturesComeFromTheFileWhenAskedFor) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    const std::vector<uint8_t> bytes = rgf::Serialize({{rgf::Kind::Bitmap, "B001", Png(picture), 0, 0},
                                                       {rgf::Kind::Wave, "Won", test::MakeWave(1, 8000, 8, 10), 0, 0}});
    Write("QOR.RGF", bytes);
    ResourceLibrary library;
    ASSERT_TRUE(library.Load((folder_ / "QOR.RGF").string()));
    EXPECT_EQ(library.LoadedFrom(), (folder_ / "QOR.RGF").string());
    Write("new.RGF", rgf::Serialize({}));
    std::filesystem::rename(folder_ / "new.RGF", folder_ / "QOR.RGF");
    EXPECT_EQ(library.Bitmap("b001").pixel(2, 1), qRgb(1, 2, 3));
    const std::span<const uint8_t> wave = library.Wave("WON");
    ASSERT_EQ(wave.size(), 54u);
    EXPECT_TRUE(std::equal(wave.begin(), wave.end(), test::MakeWave(1, 8000, 8, 10).begin()));
    // Pages given back are read again from the same file, not its successor.
    library.ReleasePages();
    EXPECT_EQ(library.Bitmap("b001").pixel(2, 1), qRgb(1, 2, 3));
    EXPECT_TRUE(std::equal(wave.begin(), wave.end(), test::MakeWave(1, 8000, 8, 10).begin()));
}

// Cut anywhere, empty, or a pipe: a reason, never a crash or a wait.
TEST_F(ResourceLibraryFile, RefusesATruncatedOrEmptyFileAndAPipe) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(9, 8, 7));
    const std::vector<uint8_t> bytes = rgf::Serialize({{rgf::Kind::Bitmap, "B001", Png(picture), 0, 0}});
    for (size_t cut : {size_t{0}, size_t{5}, size_t{20}, bytes.size() - 1}) {
        Write("QOR.RGF", std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
        ResourceLibrary library;
        std::string error;
        EXPECT_FALSE(library.Load((folder_ / "QOR.RGF").string(), &error)) << cut;
        EXPECT_FALSE(error.empty()) << cut;
        EXPECT_FALSE(library.IsLoaded());
        EXPECT_TRUE(library.Bitmap("B001").isNull());
    }
    ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
    ResourceLibrary library;
    std::string error;
    EXPECT_FALSE(library.Load((folder_ / "pipe").string(), &error));
    EXPECT_NE(error.find("pipe"), std::string::npos);
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
