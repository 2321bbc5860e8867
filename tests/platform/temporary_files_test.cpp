#include "platform/temporary_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class TemporaryFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-tmp-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A file last changed `age` ago.
    fs::path Put(const std::string& name, fs::file_time_type::duration age) const {
        const fs::path path = folder_ / name;
        std::ofstream(path) << "x";
        fs::last_write_time(path, fs::file_time_type::clock::now() - age);
        return path;
    }
    bool Has(const std::string& name) const { return fs::exists(fs::symlink_status(folder_ / name)); }

    fs::path folder_;
};

TEST(TemporaryNames, OnlyExactlySixLettersOrDigitsAfterTheMarker) {
    EXPECT_EQ(TemporaryTemplate("CFG.DAT"), "CFG.DAT.tmp-XXXXXX");
    for (const char* name : {"CFG.DAT.tmp-a1B2c3", "x.tmp-000000", "STAT.DAT.tmp-ZZZZZZ", "a.tmp-XXXXXX"})
        EXPECT_TRUE(IsOwnTemporaryName(name)) << name;
    for (const char* name : {"CFG.DAT.tmp", "CFG.DAT.tmp-", "x.tmp-12345", "x.tmp-1234567", ".tmp-abcdef",
                             "x.tmp-ab_def", "x.tmp-abc.ef", "x.TMP-abcdef", "x.tmp_abcdef", "x.tmp-abcd\xc3\xa9",
                             "statXXXXXX.tmp", "CFG.DAT"})
        EXPECT_FALSE(IsOwnTemporaryName(name)) << name;
}

TEST(TemporaryNames, PrefixedNamesAreThePrefixSixLettersOrDigitsAndTmp) {
    for (const char* name : {"rplAb12Cd.tmp", "rpl000000.tmp"}) EXPECT_TRUE(IsPrefixedTemporaryName(name, "rpl")) << name;
    for (const char* name : {"rpl12345.tmp", "rpl1234567.tmp", "rplab_def.tmp", "RPLabcdef.tmp", "rplabcdef.TMP",
                             "xrplabcdef.tmp", "rplabcdef.tmp.x", "rpl.tmp"})
        EXPECT_FALSE(IsPrefixedTemporaryName(name, "rpl")) << name;
    EXPECT_EQ(RemoveStalePrefixedTemporaries("/nonexistent", ""), 0);
}

TEST_F(TemporaryFiles, RemovesOnlyStaleTemporariesOfOurOwn) {
    Put("CFG.DAT.tmp-a1B2c3", 2min);
    Put("STAT.DAT.tmp-XYZ789", 24h);
    Put("CFG.DAT.tmp-Fresh1", 5s);  // a second copy may be writing it now
    for (const char* name : {"CFG.DAT", "CFG.DAT.tmp", "x.tmp-12345", "x.tmp-1234567", "x.tmp-ab_def",
                             "x.TMP-abcdef"})
        Put(name, 24h);
    fs::create_directories(folder_ / "dir.tmp-abcdef");
    fs::create_directories(folder_ / "sub");
    Put("sub/CFG.DAT.tmp-a1B2c3", 24h);
    fs::create_symlink(folder_ / "CFG.DAT", folder_ / "link.tmp-abcdef");

    EXPECT_EQ(RemoveStaleTemporaries(folder_.string()), 2);
    EXPECT_FALSE(Has("CFG.DAT.tmp-a1B2c3"));
    EXPECT_FALSE(Has("STAT.DAT.tmp-XYZ789"));
    for (const char* name : {"CFG.DAT.tmp-Fresh1", "CFG.DAT", "CFG.DAT.tmp", "x.tmp-12345", "x.tmp-1234567",
                             "x.tmp-ab_def", "x.TMP-abcdef", "dir.tmp-abcdef", "sub/CFG.DAT.tmp-a1B2c3",
                             "link.tmp-abcdef"})
        EXPECT_TRUE(Has(name)) << name;
    EXPECT_TRUE(fs::is_regular_file(folder_ / "CFG.DAT"));  // the link's target too

    EXPECT_EQ(RemoveStaleTemporaries((folder_ / "missing").string()), 0);
    EXPECT_EQ(RemoveStaleTemporaries((folder_ / "CFG.DAT").string()), 0);
}

}  // namespace
}  // namespace velmora
