// The card pictures kept drawn between starts: read back exactly as drawn,
// only for the pictures and art they were drawn for, and anything damaged
// taken for no pictures at all.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThreadPool>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "program_folder.h"
#include "qt_test_app.h"
#include "render/picture_batch.h"
#include "support/pictures_kept.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing_support::ProgramFolder;

// Small cards, quick to draw, with two marks.
const TablePictures kTable{{30, 40, 1, 1, 11}, {"001", "010"}};
constexpr uint64_t kArt = 0x1234;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Put(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

class KeptPictures : public testing::Test {
  protected:
    void SetUp() override {
        test::EnsureApplication();
        path_ = KeptPicturesPath(folder_.Folder());
        fs::create_directories(fs::path(path_).parent_path());
        drawn_ = DrawTablePictures(kTable);
        file_ = FormatKeptPictures(kTable, kArt, drawn_);
    }
    ProgramFolder folder_;
    std::string path_;
    std::vector<QImage> drawn_;
    std::string file_;
};

TEST_F(KeptPictures, ReadBackAsDrawnOnlyForTheirTableAndArt) {
    ASSERT_EQ(drawn_.size(), 52u + 1u + 2u);
    Put(path_, file_);
    const auto read = ReadKeptPictures(path_, kTable, kArt);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), drawn_.size());
    for (size_t i = 0; i < drawn_.size(); ++i) EXPECT_EQ((*read)[i], drawn_[i]) << "picture " << i;
    EXPECT_TRUE(KeptPicturesNamed(path_, kTable, kArt));
    // Another size, back, set of marks or art is not what the file holds.
    for (TablePictures other : {TablePictures{{31, 40, 1, 1, 11}, kTable.marks},
                                TablePictures{{30, 40, 1, 1, 12}, kTable.marks}, TablePictures{kTable.key, {"001"}}}) {
        EXPECT_FALSE(ReadKeptPictures(path_, other, kArt));
        EXPECT_FALSE(KeptPicturesNamed(path_, other, kArt));
    }
    EXPECT_FALSE(ReadKeptPictures(path_, kTable, kArt + 1));
}

TEST_F(KeptPictures, ADamagedOrStrangeFileHoldsNoPictures) {
    const auto refused = [this](const std::string& bytes) {
        Put(path_, bytes);
        return !ReadKeptPictures(path_, kTable, kArt);
    };
    EXPECT_TRUE(refused(file_.substr(0, file_.size() - 1)));  // cut short
    EXPECT_TRUE(refused(file_ + '\0'));                         // grown
    std::string changed = file_;
    changed[file_.size() / 2] ^= 1;  // one pixel's bit
    EXPECT_TRUE(refused(changed));
    // A picture's width made huge, then made to disagree with its height.
    const size_t sizes = file_.find("count 55\n") + 9;
    changed = file_;
    changed[sizes + 3] = '\x7f';
    EXPECT_TRUE(refused(changed));
    changed = file_;
    changed.replace(sizes, 4, std::string(4, '\0'));
    EXPECT_TRUE(refused(changed));
    EXPECT_TRUE(refused(""));
    fs::remove(path_);
    EXPECT_FALSE(ReadKeptPictures(path_, kTable, kArt));
    // A folder or a pipe in its place is refused without waiting on it.
    fs::create_directories(path_);
    EXPECT_FALSE(ReadKeptPictures(path_, kTable, kArt));
    fs::remove(path_);
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    EXPECT_FALSE(ReadKeptPictures(path_, kTable, kArt));
    EXPECT_FALSE(KeptPicturesNamed(path_, kTable, kArt));
}

TEST_F(KeptPictures, KeptOnceAndADamagedFileIsWrittenAnew) {
    KeepTablePictures(folder_.Folder(), kTable);
    const std::string kept = Contents(path_);
    const auto taken = TakeKeptPictures(path_, kTable);
    ASSERT_TRUE(taken);
    for (size_t i = 0; i < drawn_.size(); ++i) EXPECT_EQ((*taken)[i], drawn_[i]) << "picture " << i;
    // The same pictures again: the file is left as it is.
    std::string marked = kept;
    marked[marked.size() - 20] ^= 1;
    Put(path_, marked);
    KeepTablePictures(folder_.Folder(), kTable);
    EXPECT_EQ(Contents(path_), marked);
    // Taking that damaged file removes it, and the next keeping writes it whole.
    EXPECT_FALSE(TakeKeptPictures(path_, kTable));
    EXPECT_FALSE(fs::exists(path_));
    KeepTablePictures(folder_.Folder(), kTable);
    EXPECT_EQ(Contents(path_), kept);
    // A file for other pictures is neither taken nor removed.
    const TablePictures other{{40, 54, 1, 1, 11}, {}};
    EXPECT_FALSE(TakeKeptPictures(path_, other));
    EXPECT_TRUE(fs::exists(path_));
}

TEST_F(KeptPictures, TheSizeKeptAtTheStartKeepsItsPicturesAMomentLater) {
    CardSizeHint hint(folder_.Folder(), std::nullopt);
    hint.KeepSoon(kTable);
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_FALSE(fs::exists(path_));  // not while the first table is painted
    const QDeadlineTimer deadline(5000);
    while (!fs::exists(path_) && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThreadPool::globalInstance()->waitForDone();
    const auto taken = TakeKeptPictures(path_, kTable);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->back(), drawn_.back());
}

TEST_F(KeptPictures, ABatchTakesThemFromTheFileOrDrawsThem) {
    std::vector<int> faces(52);
    for (int i = 0; i < 52; ++i) faces[static_cast<size_t>(i)] = i;
    // Pictures a batch could never draw show they came from the store.
    std::vector<QImage> stored(drawn_.size(), QImage(3, 3, QImage::Format_RGB32));
    for (QImage& image : stored) image.fill(Qt::red);
    PictureBatch from_store(kTable.key, faces, true, kTable.marks);
    from_store.LookFirstIn([&stored] { return std::optional(stored); });
    from_store.AddHelpers(2);
    from_store.Wait();
    const auto taken = from_store.Take();
    ASSERT_EQ(taken.size(), stored.size());
    for (const auto& picture : taken) EXPECT_EQ(picture.image, stored.front());
    EXPECT_EQ(taken.back().mark, "010");

    // A store without them, or with the wrong number, leaves the drawing.
    for (std::optional<std::vector<QImage>> none : {std::optional<std::vector<QImage>>(),
                                                    std::optional(std::vector<QImage>(3))}) {
        PictureBatch drawn(kTable.key, faces, true, kTable.marks);
        drawn.LookFirstIn([none] { return none; });
        drawn.AddHelpers(1);
        drawn.Wait();
        const auto pictures = drawn.Take();
        ASSERT_EQ(pictures.size(), drawn_.size());
        EXPECT_EQ(pictures.front().image, drawn_.front());
    }
}

}  // namespace
}  // namespace velmora
