// The card size kept for the next start: written and read back, written
// only when it changed, and anything in its file but a whole drawable size
// taken for no size at all.

#include <gtest/gtest.h>

#include <QThreadPool>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "program_folder.h"
#include "qt_test_app.h"
#include "support/pictures_ahead.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing_support::ProgramFolder;

fs::path HintFile(const ProgramFolder& folder) { return folder.Path() / "DATA" / "CARDSIZE.DAT"; }

void Put(const ProgramFolder& folder, const std::string& text) {
    fs::create_directories(folder.Path() / "DATA");
    std::ofstream(HintFile(folder), std::ios::binary) << text;
}

std::string Contents(const ProgramFolder& folder) {
    std::ifstream in(HintFile(folder), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(CardSizeHint, ASizeAndItsMarksReadBackAsTheyWereWritten) {
    const TablePictures plain{{143, 199, 2, 3, 14}, {}};
    EXPECT_EQ(FormatCardSizeHint(plain), "cards 143 199 2 3 14\n");
    EXPECT_EQ(ParseCardSizeHint(FormatCardSizeHint(plain)), plain);
    const TablePictures marked{{100, 135, 1, 1, 11}, {"001", "_WASTE", "010"}};
    EXPECT_EQ(FormatCardSizeHint(marked), "cards 100 135 1 1 11 001 _WASTE 010\n");
    EXPECT_EQ(ParseCardSizeHint(FormatCardSizeHint(marked)), marked);
}

TEST(CardSizeHint, AnythingButOneWholeDrawableSizeIsNoSize) {
    for (const char* text : {"", "cards\n", "cards 120 162 1 1\n", "cards 120 162 1 1 11", "cards 120 162 1 1 11\nx",
                             "cards 120 162 1 1 11 12\n", "cards  120 162 1 1 11\n", "Cards 120 162 1 1 11\n",
                             "cards 120x 162 1 1 11\n", "cards +120 162 1 1 11\n", "cards 99999999999 162 1 1 11\n",
                             "cards 5 162 1 1 11\n", "cards 120 9000 1 1 11\n", "cards 120 162 0 1 11\n",
                             "cards -120 162 1 1 11\n", "cards 120 162 9 1 11\n", "cards 120 162 1 1 11 \n",
                             "cards 120 162 1 1 11 001  010\n", "cards 120 162 1 1 11 002\n",
                             "cards 120 162 1 1 11 _waste\n", "cards 120 162 1 1 11 001\n010\n"})
        EXPECT_FALSE(ParseCardSizeHint(text)) << text;
    // A set or back the art lacks is still a size: its pictures come out blank.
    EXPECT_TRUE(ParseCardSizeHint("cards 120 162 1 -4 0\n"));
}

TEST(CardSizeHint, AMissingHugeOrStrangeFileIsNoSize) {
    ProgramFolder folder;
    EXPECT_FALSE(ReadCardSizeHint(folder.Folder()));
    Put(folder, "cards 120 162 1 1 11\n" + std::string(1 << 20, ' '));
    EXPECT_FALSE(ReadCardSizeHint(folder.Folder()));
    fs::remove(HintFile(folder));
    fs::create_directories(HintFile(folder));
    EXPECT_FALSE(ReadCardSizeHint(folder.Folder()));
}

TEST(CardSizeHint, TheTablesSizeIsWrittenOnlyWhenItChanged) {
    test::EnsureApplication();  // the pictures kept with the size are drawn
    ProgramFolder folder;
    Put(folder, "cards 120 162 1 1 11\n");
    const TablePictures kept{{120, 162, 1, 1, 11}, {}};
    CardSizeHint hint(folder.Folder(), ReadCardSizeHint(folder.Folder()));
    // The file is written over behind the hint's back: the same size again
    // does not touch it.
    Put(folder, "changed\n");
    hint.KeepNow(kept);
    EXPECT_EQ(Contents(folder), "changed\n");
    // Nor does a size the art does not draw (a table not laid out yet).
    hint.KeepNow(TablePictures{{0, 0, 1, 1, 11}, {}});
    EXPECT_EQ(Contents(folder), "changed\n");
    const TablePictures larger{{150, 203, 1, 1, 11}, {}};
    hint.KeepSoon(larger);
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(ReadCardSizeHint(folder.Folder()), larger);
    hint.KeepNow(kept);
    EXPECT_EQ(ReadCardSizeHint(folder.Folder()), kept);
    // Other marks on a table of the same size are a change too.
    const TablePictures marked{{120, 162, 1, 1, 11}, {"_TABLEAU"}};
    hint.KeepNow(marked);
    EXPECT_EQ(ReadCardSizeHint(folder.Folder()), marked);
}

}  // namespace
}  // namespace velmora
