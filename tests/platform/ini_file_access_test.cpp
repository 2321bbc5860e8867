// Settings files that are there but cannot be used: reads give the
// defaults, writes are refused, and nothing on disk is touched.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ini_fixture.h"
#include "platform/ini_file.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class IniFileAccess : public IniFixture {};

TEST_F(IniFileAccess, AFolderNamedLikeTheFileReadsEmptyAndIsNeverWritten) {
    fs::create_directory(path);
    std::ofstream(fs::path(path) / "keep", std::ios::binary) << "[S]\nk=1\n";
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "k", "default"), "default");
    EXPECT_EQ(ini.ReadInteger("S", "k", 7), 7);
    EXPECT_FALSE(ini.HasKey("S", "k"));
    EXPECT_FALSE(ini.WriteString("S", "k", "2"));
    EXPECT_FALSE(ini.WriteInteger("S", "n", 3));
    EXPECT_TRUE(fs::is_directory(path));
    std::ifstream kept(fs::path(path) / "keep", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "[S]\nk=1\n");
    EXPECT_EQ(EntriesInFolder(), 1u);  // no temporary left beside it
}

TEST_F(IniFileAccess, AFileItMayNotReadIsNeitherReadNorReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file whatever its permissions";
    Put("[S]\nk=1\n");
    fs::permissions(path, fs::perms::owner_write);
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "k", "default"), "default");
    EXPECT_FALSE(ini.WriteString("S", "k", "2"));  // a write would lose every other key
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Contents(), "[S]\nk=1\n");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

}  // namespace
}  // namespace velmora
