// The table's cursors come from the resource library, each read when first
// asked for: the slot's own picture and hotspot, the arrow for slot 10 and
// for a slot without a picture, and nothing of a library loaded before.

#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QPixmap>

#include <string>

#include "platform/resource_library.h"
#include "qt_test_app.h"
#include "ui/main/cursor_slots.h"

namespace velmora {
namespace {

TEST(CursorSlots, EachSlotIsReadFromTheLibraryWhenFirstAskedFor) {
    test::EnsureApplication();
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(std::string(VELMORA_PROGRAM_DIR) + "QOR.RGF"));
    CursorSlots cursors;
    EXPECT_FALSE(cursors.Slot(12)) << "no library yet";
    cursors.Load(library);

    QImage picture;
    QPoint hotspot;
    ASSERT_TRUE(library.CursorImage("CUR_RIGHT_HAND1A", &picture, &hotspot));
    const std::optional<QCursor> hand = cursors.Slot(12);
    ASSERT_TRUE(hand);
    EXPECT_EQ(hand->hotSpot(), hotspot);
    EXPECT_EQ(hand->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), picture);
    EXPECT_EQ(cursors.ForSetting(12).hotSpot(), hotspot);

    ASSERT_TRUE(library.CursorImage("CUR_LEFT_HAND2B", &picture, &hotspot));
    EXPECT_EQ(cursors.Carrying(15).hotSpot(), hotspot) << "slot 25 while a run is carried";
    EXPECT_EQ(cursors.Carrying(15).pixmap().toImage().convertToFormat(QImage::Format_ARGB32), picture);

    EXPECT_EQ(cursors.ForSetting(CursorSlots::kSystemArrow).shape(), Qt::ArrowCursor);
    EXPECT_FALSE(cursors.Slot(7));
    EXPECT_EQ(cursors.ForSetting(7).shape(), Qt::ArrowCursor);

    const ResourceLibrary none;
    cursors.Load(none);
    EXPECT_FALSE(cursors.Slot(12)) << "the cursors read before went with their library";
}

}  // namespace
}  // namespace velmora
