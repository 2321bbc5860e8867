#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/data_folder.h"
#include "platform/durable_files.h"
#include "platform/files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern + "/";
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Touch(const std::string& name) { std::ofstream(dir_ + name) << "x"; }

    std::string dir_;
};

// The score file's upgrade is written this way: a full disk is a failure,
// never a cut-short copy taken for a whole one.
TEST_F(Files, ADurableWriteFailsOnAFullDiskAndOtherwiseHoldsExactlyTheContents) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    EXPECT_FALSE(WriteFileDurably("/dev/full", "a record"));
    Touch("scores");
    EXPECT_TRUE(WriteFileDurably(dir_ + "scores", "new"));
    std::string text;
    std::getline(std::ifstream(dir_ + "scores"), text);
    EXPECT_EQ(text, "new");
    EXPECT_FALSE(WriteFileDurably(dir_ + "missing", "x")) << "only an existing file is written";
}

TEST_F(Files, TempFileNamesAreNewFilesAndNeverRepeat) {
    std::set<std::string> names;
    std::string name;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(TempFileName(dir_, "stat", &name));
        EXPECT_TRUE(name.starts_with(dir_ + "stat") && FileExists(name));
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 200u);
    ASSERT_TRUE(TempFileName("", "vlm", &name));
    EXPECT_EQ(fs::path(name).parent_path(), fs::temp_directory_path());
    fs::remove(name);
    EXPECT_FALSE(TempFileName(dir_ + "missing", "x", &name));
    EXPECT_FALSE(TempFileName(dir_, "../escape", &name));
}

TEST_F(Files, FindsExistingNamesWhateverTheirCase) {
    fs::create_directories(dir_ + "DATA/Sub");
    Touch("DATA/Sub/CFG.DAT");
    EXPECT_EQ(FindPath(dir_, "Data\\sub\\cfg.dat"), dir_ + "DATA/Sub/CFG.DAT");
    EXPECT_EQ(FindPath(dir_, "data\\New\\STAT.DAT"), dir_ + "DATA/New/STAT.DAT");  // new parts as given
    EXPECT_EQ(FindPath("/unused", dir_ + "data"), dir_ + "DATA");
    Touch("a.txt");
    Touch("A.TXT");
    EXPECT_EQ(FindPath(dir_, "a.txt"), dir_ + "a.txt");  // the exact spelling wins
    EXPECT_EQ(FindPath(dir_, "A.txt"), dir_ + "A.TXT");  // else the first in byte order
}

TEST_F(Files, AFolderIsNeverTakenForAFileNorAFileForAFolder) {
    fs::create_directories(dir_ + "games.dat");
    Touch("GAMES.DAT");
    EXPECT_EQ(FindPath(dir_, "games.dat", EntryKind::File), dir_ + "GAMES.DAT");
    EXPECT_EQ(FindPath(dir_, "Games.dat", EntryKind::Folder), dir_ + "games.dat");
    EXPECT_EQ(FindPath(dir_, "games.dat"), dir_ + "games.dat");  // any kind: the exact name
    // The leading parts of a name can only be folders.
    fs::create_directories(dir_ + "data");
    Touch("DATA");
    EXPECT_EQ(FindPath(dir_, "DATA\\CFG.DAT", EntryKind::File), dir_ + "data/CFG.DAT");
    Touch("data/Cfg.Dat");
    EXPECT_EQ(FindPath(dir_, "DATA\\CFG.DAT", EntryKind::File), dir_ + "data/Cfg.Dat");
}

TEST_F(Files, RenameNeverReplacesAFile) {
    Touch("old");
    Touch("taken");
    EXPECT_FALSE(RenameFile(dir_ + "old", dir_ + "taken"));
    EXPECT_TRUE(RenameFile(dir_ + "old", dir_ + "new"));
    EXPECT_FALSE(FileExists(dir_ + "old"));
    EXPECT_TRUE(FileExists(dir_ + "new"));
    EXPECT_TRUE(FileExists(ProgramFolder() + "platform_tests"));
}

TEST_F(Files, PlayerFilesStayBesideAWritableProgramAndGoToTheUserDataFolderOtherwise) {
    const DataFolderEnvironment env{dir_ + "xdg", dir_ + "home"};
    EXPECT_EQ(DataFolderFor(dir_, env), dir_);
    fs::create_directory(dir_ + "Data");
    EXPECT_EQ(DataFolderFor(dir_, env), dir_);
    // A folder the program cannot write in (here: one that is not there).
    const std::string installed = dir_ + "usr/lib/velmora/";
    EXPECT_EQ(DataFolderFor(installed, env), dir_ + "xdg/velmora/");
    EXPECT_TRUE(DirectoryExists(dir_ + "xdg/velmora"));
    EXPECT_EQ(DataFolderFor(installed, {"relative/xdg", dir_ + "home"}), dir_ + "home/.local/share/velmora/");
    EXPECT_EQ(DataFolderFor(installed, {"", ""}), installed);
    // An installed copy, even where this user could write.
    Touch(kInstalledMark);
    EXPECT_EQ(DataFolderFor(dir_, env), dir_ + "xdg/velmora/");
}

}  // namespace
}  // namespace velmora
