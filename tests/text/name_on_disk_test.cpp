#include "text/name_on_disk.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class NameOnDisk : public ScratchFolder {};

TEST_F(NameOnDisk, AFileIsNeverFoundInAFolderOfTheSameNameNorTheOtherWayRound) {
    MakeFolder("games.dat");
    Put("GAMES.DAT", "x");
    EXPECT_EQ(SpellingOnDisk(folder, "games.dat", EntryKind::File), "GAMES.DAT");
    EXPECT_EQ(SpellingOnDisk(folder, "Games.Dat", EntryKind::File), "GAMES.DAT");
    EXPECT_EQ(SpellingOnDisk(folder, "GAMES.DAT", EntryKind::Folder), "games.dat");
    EXPECT_EQ(SpellingOnDisk(folder, "Games.Dat", EntryKind::Any), "GAMES.DAT");  // byte order
    EXPECT_EQ(SpellingOnDisk(folder, "games.dat", EntryKind::Any), "games.dat");  // exact spelling

    // Only a folder of the name: a file lookup keeps the given spelling and
    // so reads nothing; links count as what they point to.
    MakeFolder("sub/QOR.RGF");
    fs::create_symlink(folder / "GAMES.DAT", folder / "sub" / "Games.Lnk");
    EXPECT_EQ(SpellingOnDisk(folder / "sub", "qor.rgf", EntryKind::File), "qor.rgf");
    EXPECT_EQ(SpellingOnDisk(folder / "sub", "qor.rgf", EntryKind::Folder), "QOR.RGF");
    EXPECT_EQ(SpellingOnDisk(folder / "sub", "GAMES.LNK", EntryKind::File), "Games.Lnk");
}

TEST_F(NameOnDisk, TheExactSpellingWinsThenTheFirstInByteOrder) {
    Put("a.txt", "");
    Put("A.txt", "");
    Put("A.TXT", "");
    MakeFolder("DATA");
    EXPECT_EQ(SpellingOnDisk(folder, "a.txt", EntryKind::File), "a.txt");
    EXPECT_EQ(SpellingOnDisk(folder, "a.TXT", EntryKind::File), "A.TXT");
    EXPECT_EQ(SpellingOnDisk(folder, "Data", EntryKind::Folder), "DATA");
    EXPECT_EQ(SpellingOnDisk(folder, "Data", EntryKind::Any), "DATA");
}

TEST_F(NameOnDisk, NamesWithoutAMatchKeepTheirSpelling) {
    Put("CFG.DAT", "");
    EXPECT_EQ(SpellingOnDisk(folder, "STAT.DAT", EntryKind::File), "STAT.DAT");
    EXPECT_EQ(SpellingOnDisk(folder, "cfg.da", EntryKind::Any), "cfg.da");
    EXPECT_EQ(SpellingOnDisk(folder / "missing", "cfg.dat", EntryKind::File), "cfg.dat");
    EXPECT_EQ(SpellingOnDisk(folder / "CFG.DAT", "x", EntryKind::Any), "x");  // a file holds nothing
    EXPECT_EQ(SpellingOnDisk(folder, "..", EntryKind::File), "..");
    EXPECT_EQ(SpellingOnDisk(folder, "", EntryKind::Any), "");
}

}  // namespace
}  // namespace velmora
