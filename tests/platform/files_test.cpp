#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <set>

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

}  // namespace
}  // namespace velmora
