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

TEST(CardSizeHint, ASizeReadsBackAsItWasWritten) {
    const FittedKey key{143, 199, 2, 3, 14};
    EXPECT_EQ(FormatCardSizeHint(key), "cards 143 199 2 3 14\n");
    EXPECT_EQ(ParseCardSizeHint(FormatCardSizeHint(key)), key);
}

TEST(CardSizeHint, AnythingButOneWholeDrawableSizeIsNoSize) {
    for (const char* text : {"", "cards\n", "cards 120 162 1 1\n", "cards 120 162 1 1 11", "cards 120 162 1 1 11\nx",
                             "cards 120 162 1 1 11 12\n", "cards  120 162 1 1 11\n", "Cards 120 162 1 1 11\n",
                             "cards 120x 162 1 1 11\n", "cards +120 162 1 1 11\n", "cards 99999999999 162 1 1 11\n",
                             "cards 5 162 1 1 11\n", "cards 120 9000 1 1 11\n", "cards 120 162 0 1 11\n",
                             "cards -120 162 1 1 11\n", "cards 120 162 9 1 11\n"})
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
    ProgramFolder folder;
    Put(folder, "cards 120 162 1 1 11\n");
    const FittedKey kept{120, 162, 1, 1, 11};
    CardSizeHint hint(folder.Folder(), ReadCardSizeHint(folder.Folder()));
    // The file is written over behind the hint's back: the same size again
    // does not touch it.
    Put(folder, "changed\n");
    hint.KeepNow(kept);
    EXPECT_EQ(Contents(folder), "changed\n");
    // Nor does a size the art does not draw (a table not laid out yet).
    hint.KeepNow(FittedKey{0, 0, 1, 1, 11});
    EXPECT_EQ(Contents(folder), "changed\n");
    const FittedKey larger{150, 203, 1, 1, 11};
    hint.KeepSoon(larger);
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(ReadCardSizeHint(folder.Folder()), larger);
    hint.KeepNow(kept);
    EXPECT_EQ(ReadCardSizeHint(folder.Folder()), kept);
}

}  // namespace
}  // namespace velmora
