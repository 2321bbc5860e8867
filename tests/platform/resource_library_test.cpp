#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

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

}  // namespace
}  // namespace velmora
