// Pictures drawn by helpers ahead of the table: only those still wanted,
// each as drawing it alone makes it, taken over by the table of their own
// size and by no other, and a batch given up while its helpers draw ends
// cleanly.

#include <gtest/gtest.h>

#include <QThreadPool>

#include <numeric>
#include <string>
#include <vector>

#include "drawing_fixture.h"
#include "qt_test_app.h"
#include "render/card_images.h"
#include "render/picture_batch.h"

namespace velmora {
namespace {

using render_test::DrawingTable;

constexpr FittedKey kKey{120, 162, 1, 1, 11};

CardImageChoice FittedChoice(const FittedKey& key) {
    CardImageChoice choice{'F', "001", "011", key.scale};
    choice.size = {key.width, key.height};
    return choice;
}

std::unique_ptr<PictureBatch> WholeDeckAhead(const FittedKey& key) {
    std::vector<int> faces(52);
    std::iota(faces.begin(), faces.end(), 0);
    auto batch = std::make_unique<PictureBatch>(key, faces, true);
    batch->AddHelpers(1);
    return batch;
}

TEST(PictureBatch, DrawsOnlyThePicturesStillWantedEachAsDrawnAlone) {
    test::EnsureApplication();
    // Narrowing leaves the marks wanted.
    PictureBatch batch(kKey, {0, 11, 25, 40}, true, {"004", "_WASTE"});
    batch.Narrow({40, 11, 7}, false);
    EXPECT_EQ(batch.Untaken(), 4);
    batch.AddHelpers(2);
    batch.Wait();
    EXPECT_EQ(batch.Untaken(), 0);
    const std::vector<PictureBatch::Drawn> drawn = batch.Take();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].face, 11);
    EXPECT_EQ(drawn[1].face, 40);
    EXPECT_EQ(drawn[2].mark, "004");
    EXPECT_EQ(drawn[3].mark, "_WASTE");
    for (const PictureBatch::Drawn& picture : drawn) {
        const QImage alone =
            picture.mark.empty() ? DrawFittedFace(kKey, picture.face) : DrawFittedMark(kKey, picture.mark);
        EXPECT_FALSE(alone.isNull());
        EXPECT_TRUE(picture.image == alone.convertToFormat(QImage::Format_RGB32)) << picture.face << picture.mark;
        EXPECT_EQ(picture.face >= 0, picture.mark.empty());
    }
    EXPECT_TRUE(batch.Take().empty());  // handed over once
}

TEST(PictureBatch, ABatchGivenUpWhileItsHelpersDrawEndsCleanly) {
    test::EnsureApplication();
    for (int helpers : {1, 2}) {
        auto batch = WholeDeckAhead(kKey);
        batch->AddHelpers(helpers - 1);
        batch.reset();
    }
    QThreadPool::globalInstance()->waitForDone();
}

// The table of the size drawn ahead keeps just the pictures it shows, the
// same as those it would draw itself.
TEST(PictureBatch, TheTableOfItsSizeTakesOverWhatItShows) {
    DrawingTable table;
    CardImages ahead;
    CardImages alone;
    std::vector<int> faces(52);
    std::iota(faces.begin(), faces.end(), 0);
    auto batch = std::make_unique<PictureBatch>(kKey, faces, true, std::vector<std::string>{"001", "_TABLEAU"});
    batch->AddHelpers(1);
    ahead.OfferAhead(std::move(batch));
    ahead.Load(table.library, FittedChoice(kKey));
    alone.Load(table.library, FittedChoice(kKey));
    ahead.Fitted()->Prepare({3, 16, 29, 42}, true);
    EXPECT_EQ(ahead.Fitted()->FacesHeld(), 4);
    EXPECT_EQ(ahead.Fitted()->Drawn(), 7);
    EXPECT_EQ(ahead.Fitted()->MarkCodes(), (std::vector<std::string>{"001", "_TABLEAU"}));
    for (int index : {3, 16, 29, 42})
        EXPECT_TRUE(ahead.Face(index).Image() == alone.Face(index).Image()) << index;
    EXPECT_TRUE(ahead.Back().Image() == alone.Back().Image());
    for (const char* code : {"001", "_TABLEAU"})
        EXPECT_TRUE(ahead.Mark(code).Image() == alone.Mark(code).Image()) << code;
    EXPECT_EQ(ahead.Fitted()->Drawn(), 7);
    EXPECT_EQ(alone.Fitted()->MarkCodes(), (std::vector<std::string>{"001", "_TABLEAU"}));
    // Once the table is drawn, the marks it did not ask for go, and with
    // them what the next start is told to draw ahead.
    ahead.Fitted()->ForgetFaces(4);
    EXPECT_EQ(ahead.Fitted()->MarkCodes(), (std::vector<std::string>{"001", "_TABLEAU"}));
    (void)ahead.Mark("_TABLEAU");
    ahead.Fitted()->ForgetFaces(4);
    EXPECT_EQ(ahead.Fitted()->MarkCodes(), std::vector<std::string>{"_TABLEAU"});
    ahead.Fitted()->ForgetFaces(4);
    EXPECT_TRUE(ahead.Fitted()->MarkCodes().empty());
    EXPECT_FALSE(ahead.Mark("001").IsNull()) << "drawn again when asked for";
    EXPECT_EQ(ahead.Fitted()->Drawn(), 8);
}

// A table of another size draws its own pictures, the same as without a
// batch; a table not laid out yet leaves the batch waiting.
TEST(PictureBatch, ATableOfAnotherSizeDrawsItsOwn) {
    DrawingTable table;
    CardImages images;
    images.OfferAhead(WholeDeckAhead(kKey));
    images.Load(table.library, FittedChoice({0, 0, 1, 1, 11}));
    const FittedKey other{100, 135, 1, 1, 11};
    images.Load(table.library, FittedChoice(other));
    images.Fitted()->Prepare({1, 2}, true);
    EXPECT_EQ(images.Fitted()->Drawn(), 3);
    CardImages alone;
    alone.Load(table.library, FittedChoice(other));
    EXPECT_TRUE(images.Face(1).Image() == alone.Face(1).Image());
    EXPECT_TRUE(images.Back().Image() == alone.Back().Image());
    QThreadPool::globalInstance()->waitForDone();
}

}  // namespace
}  // namespace velmora
