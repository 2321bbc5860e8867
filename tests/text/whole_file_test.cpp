#include "text/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "scratch_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class WholeFile : public ScratchFolder {};

TEST_F(WholeFile, ReadsEveryByteOfARegularFileOrOfALinkToOne) {
    // Longer than one read of the loop, with bytes a text read would change.
    std::string contents;
    for (int i = 0; i < 200000; ++i) contents += static_cast<char>(i * 7 % 256);
    contents += std::string("\0\r\n\x1a", 4);
    const std::string path = Put("GAMES.DAT", contents);
    std::string text = "old";
    ASSERT_TRUE(ReadRegularFile(path, text));
    EXPECT_EQ(text, contents);
    std::vector<uint8_t> bytes{1, 2};
    ASSERT_TRUE(ReadRegularFile(path, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), contents);

    fs::create_symlink(path, folder / "link");
    ASSERT_TRUE(ReadRegularFile((folder / "link").string(), text));
    EXPECT_EQ(text, contents);
    ASSERT_TRUE(ReadRegularFile(Put("empty", ""), text));
    EXPECT_TRUE(text.empty());
}

TEST_F(WholeFile, RefusesEverythingThatIsNoRegularFileAndLeavesNothingInTheOutput) {
    const std::string dir = MakeFolder("GAMES.DAT");
    Put("GAMES.DAT/inside", "x");
    fs::create_directory_symlink(dir, folder / "link");
    fs::create_symlink(folder / "nowhere", folder / "dangling");
    const std::string fifo = (folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A FIFO with no writer would block an ordinary open for ever.
    for (const std::string& path : {dir, (folder / "link").string(), (folder / "dangling").string(), fifo,
                                    (folder / "missing").string(), (folder / "missing" / "x").string(),
                                    (folder / "GAMES.DAT" / "inside" / "x").string(), std::string()}) {
        SCOPED_TRACE(path);
        std::string text = "stale";
        EXPECT_FALSE(ReadRegularFile(path, text));
        EXPECT_TRUE(text.empty());
        std::vector<uint8_t> bytes{1};
        EXPECT_FALSE(ReadRegularFile(path, bytes));
        EXPECT_TRUE(bytes.empty());
    }
    EXPECT_TRUE(fs::is_regular_file(folder / "GAMES.DAT" / "inside"));
}

TEST_F(WholeFile, RefusesAFileItMayNotRead) {
    if (!PermissionsBindUs()) GTEST_SKIP() << "root reads every file";
    const std::string path = Put("CFG.DAT", "[S]\nk=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
    std::string text = "stale";
    EXPECT_FALSE(ReadRegularFile(path, text));
    EXPECT_TRUE(text.empty());
}

}  // namespace
}  // namespace velmora
