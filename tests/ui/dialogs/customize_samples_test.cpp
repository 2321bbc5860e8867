#include "ui/dialogs/customize_samples.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include "customize_fixture.h"
#include "platform/resource_format.h"
#include "render/card_corners.h"

namespace velmora::customize_test {
namespace {

using CustomizeSamples = CustomizeFixture;

QImage Shown(const QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

// The card back lies on the background sample; its rounded corners show
// the sample's pixels beneath them, the rest is the library's card back.
TEST_F(CustomizeSamples, CardBackCornersShowTheBackgroundBeneath) {
    Open("Back_Card=11\nBackground_Fixed_Col=8388608\nFade_Background=Y\n");
    const QImage card = Shown(dialog->imgDorsoEsempio);
    const QImage table = Shown(dialog->imgSfondoEsempio2);
    const QImage back = library.Bitmap("DB011");
    ASSERT_EQ(card.size(), QSize(71, 96));
    ASSERT_EQ(table.size(), dialog->imgSfondoEsempio2->size());
    const QPoint at = dialog->imgDorsoEsempio->pos();
    int changed = 0;
    for (const QPoint& p : CornerPixels(71, 96)) {
        EXPECT_EQ(card.pixel(p), table.pixel(at + p)) << p.x() << "," << p.y();
        changed += back.pixel(p) != table.pixel(at + p);
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(card.pixel(35, 48), back.pixel(35, 48));

    // Another card back, another background: the corners follow both.
    Choose(dialog->trvCardBack, "Snowman");
    Choose(dialog->trvBackGround, "White");
    const QImage snowman = Shown(dialog->imgDorsoEsempio);
    EXPECT_EQ(snowman.pixel(35, 48), library.Bitmap("DB003").pixel(35, 48));
    EXPECT_EQ(snowman.pixel(70, 0), Shown(dialog->imgSfondoEsempio2).pixel(at + QPoint(70, 0)));
    EXPECT_EQ(dialog->grpDeckSample->title(), "Snowman");
}

TEST_F(CustomizeSamples, FadeBoxRepaintsAColourAtOnce) {
    Open("Fade_Background=N\n");
    Choose(dialog->trvBackGround, "White");
    QImage sample = Shown(dialog->imgSfondoEsempio);
    const int bottom = sample.height() - 2;
    EXPECT_EQ(QColor(sample.pixel(20, 2)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(sample.pixel(20, bottom)), QColor(255, 255, 255));
    dialog->chkFadeBackground->setChecked(true);
    sample = Shown(dialog->imgSfondoEsempio);
    EXPECT_GT(qRed(sample.pixel(20, 2)), 240);
    EXPECT_LT(qRed(sample.pixel(20, bottom)), 16);

    // A picture does not fade.
    Choose(dialog->trvBackGround, "Parquet");
    const QImage parquet = Shown(dialog->imgSfondoEsempio);
    dialog->chkFadeBackground->setChecked(false);
    EXPECT_EQ(Shown(dialog->imgSfondoEsempio), parquet);
}

TEST_F(CustomizeSamples, PicturesAreTiledAtTheSampleSize) {
    Open();
    Choose(dialog->trvBackGround, "Brick wall 1");
    const QImage sample = Shown(dialog->imgSfondoEsempio);
    const QImage tile = library.Bitmap("B304");
    ASSERT_FALSE(tile.isNull());
    ASSERT_LT(tile.width(), sample.width());
    for (const QPoint& p : {QPoint(0, 0), QPoint(5, 7), QPoint(tile.width() + 5, 7)})
        EXPECT_EQ(sample.pixel(p), tile.pixel(p.x() % tile.width(), p.y() % tile.height()));
}

// Pictures from 500 on are made for the whole table: laid once at the
// table's size (black where they end) and shrunk into the sample.
TEST(CustomizeSampleArt, WholeTablePicturesAreShrunkIntoTheSample) {
    test::EnsureApplication();
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 200; ++y)
        for (int x = 150; x < 300; ++x) picture.setPixel(x, y, qRgb(0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    rgf::Entry entry;
    entry.name = "B600";
    entry.payload.assign(png.begin(), png.end());
    ResourceLibrary library;
    ASSERT_TRUE(library.LoadBytes(rgf::Serialize({entry})));

    SampleScreen screen;
    screen.table_extent = QSize(600, 400);
    const Surface sample =
        PaintBackgroundSample(QSize(60, 40), SampleForValue(600, 0, false), library, screen);
    ASSERT_EQ(sample.Bounds(), QRect(0, 0, 60, 40));
    EXPECT_EQ(sample.Pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(sample.Pixel(22, 12), qRgb(0, 0, 255));
    EXPECT_EQ(sample.Pixel(45, 5), qRgb(0, 0, 0));
    EXPECT_EQ(sample.Pixel(5, 30), qRgb(0, 0, 0));

    // Missing pictures leave the samples empty.
    EXPECT_TRUE(PaintBackgroundSample(QSize(60, 40), SampleForValue(601, 0, false), library, screen)
                    .IsNull());
    EXPECT_TRUE(PaintBackgroundSample(QSize(60, 40), SampleForValue(304, 0, false), library, screen)
                    .IsNull());
    EXPECT_TRUE(CardBackSample(library, 11, sample, QPoint(0, 0)).IsNull());
}

}  // namespace
}  // namespace velmora::customize_test
