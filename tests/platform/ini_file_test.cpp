#include "platform/ini_file.h"
#include "ini_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public IniFixture {};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("Preference", "Game_name", "Freecell"), "Freecell");
    EXPECT_EQ(ini.ReadInteger("Preference", "Game", 1), 1);
    EXPECT_FALSE(ini.HasKey("Preference", "Game"));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(ini.WriteInteger("Preference", "Game", 7));
    EXPECT_EQ(Contents(), "[Preference]\nGame=7\n");
    EXPECT_EQ(EntriesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(IniFileTest, NamesIgnoreCaseAndBlanks) {
    Put("[preference]\n  background_DEF =  Y  \nGame_Name=Klondike Deluxe\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("Preference", "Background_def", "N"), "Y");
    EXPECT_EQ(ini.ReadString(" PREFERENCE ", "game_name", ""), "Klondike Deluxe");
    EXPECT_TRUE(ini.HasKey("Preference", "BACKGROUND_DEF"));
    EXPECT_FALSE(ini.HasKey("Settings", "Background_def"));
}

TEST_F(IniFileTest, IntegersFallBackUnlessWholeNumbers) {
    Put("[S]\na=12\nb= -7 \nc=+3\nd=12a\ne=\nf=1.5\ng=0x10\nh=99999999999\ni=+-5\nj=-2147483648\nk=--1\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("S", "a", 0), 12);
    EXPECT_EQ(ini.ReadInteger("S", "b", 0), -7);
    EXPECT_EQ(ini.ReadInteger("S", "c", 0), 3);
    EXPECT_EQ(ini.ReadInteger("S", "j", 0), -2147483648);
    for (const char* key : {"d", "e", "f", "g", "h", "i", "k", "missing"}) {
        EXPECT_EQ(ini.ReadInteger("S", key, 55), 55) << key;
    }
}

TEST_F(IniFileTest, FirstOccurrenceOfSectionAndKeyIsReadAndWritten) {
    Put("[A]\nk=first\nk=second\n[B]\nk=b\n[a]\nk=third\nnew=x\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "first");
    EXPECT_EQ(ini.ReadString("A", "new", "none"), "none");  // only in the second [a]
    ASSERT_TRUE(ini.WriteString("A", "k", "1"));
    ASSERT_TRUE(ini.WriteString("A", "new", "2"));
    EXPECT_EQ(Contents(), "[A]\nk=1\nk=second\nnew=2\n[B]\nk=b\n[a]\nk=third\nnew=x\n");
}

TEST_F(IniFileTest, KeysOutsideSectionsAndNonKeyLinesAreNeverRead) {
    Put("top=1\n[S]\n; k=comment\n# k=hash\nk\n[x=1\n");
    IniFile ini(path);
    EXPECT_FALSE(ini.HasKey("S", "top"));
    EXPECT_FALSE(ini.HasKey("S", "k"));
    EXPECT_FALSE(ini.HasKey("S", "; k"));
    EXPECT_FALSE(ini.HasKey("S", "x"));  // "[x=1" opens a section named "x=1"
    EXPECT_EQ(ini.ReadString("x=1", "a", "-"), "-");
}

TEST_F(IniFileTest, WriteChangesOneLineAndKeepsEverythingElse) {
    const std::string before =
        "; settings\r\n[Preference]\r\nGame = 5\r\n  odd line  \r\n\r\nback_card=11 ; note\r\n"
        "[Show_Messages]\r\nScreen_Under_256_Colors=Y\r\n";
    Put(before);
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString("preference", "GAME", "12"));
    EXPECT_EQ(Contents(),
              "; settings\r\n[Preference]\r\nGame =12\r\n  odd line  \r\n\r\nback_card=11 ; note\r\n"
              "[Show_Messages]\r\nScreen_Under_256_Colors=Y\r\n");
    // A new key goes after the section's last key, in the file's CRLF style.
    ASSERT_TRUE(ini.WriteString("Preference", "Card", "3"));
    EXPECT_EQ(Contents(),
              "; settings\r\n[Preference]\r\nGame =12\r\n  odd line  \r\n\r\nback_card=11 ; note\r\n"
              "Card=3\r\n[Show_Messages]\r\nScreen_Under_256_Colors=Y\r\n");
    ASSERT_TRUE(ini.WriteString("Users", "User001", "Player 1"));
    EXPECT_EQ(ini.ReadString("Users", "User001", ""), "Player 1");
    EXPECT_TRUE(Contents().ends_with("back_card=11 ; note\r\nCard=3\r\n[Show_Messages]\r\n"
                                     "Screen_Under_256_Colors=Y\r\n[Users]\r\nUser001=Player 1\r\n"));
}

TEST_F(IniFileTest, InsertsBeforeTrailingBlankLinesAndEndsUnterminatedLines) {
    Put("[A]\na=1\n\n; about B\n[B]\nb=2");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString("A", "c", "3"));
    ASSERT_TRUE(ini.WriteString("B", "d", "4"));
    EXPECT_EQ(Contents(), "[A]\na=1\nc=3\n\n; about B\n[B]\nb=2\nd=4\n");
    Put("[A]");
    ASSERT_TRUE(ini.WriteString("A", "x", "1"));
    EXPECT_EQ(Contents(), "[A]\nx=1\n");
    Put("junk");
    ASSERT_TRUE(ini.WriteString("A", "x", "1"));
    EXPECT_EQ(Contents(), "junk\n[A]\nx=1\n");
}

TEST_F(IniFileTest, RefusedWritesLeaveTheFileAlone) {
    const std::string before = "[S]\nk=v\n";
    Put(before);
    IniFile ini(path);
    EXPECT_FALSE(ini.WriteString("S", "k", "two\nlines"));
    EXPECT_FALSE(ini.WriteString("S", "k", "cr\rhere"));
    EXPECT_FALSE(ini.WriteString("S", "a=b", "v"));
    EXPECT_FALSE(ini.WriteString("S", "  ", "v"));
    EXPECT_FALSE(ini.WriteString("S", ";k", "v"));
    EXPECT_FALSE(ini.WriteString("S", "[k", "v"));
    EXPECT_FALSE(ini.WriteString("S]x", "k", "v"));
    EXPECT_FALSE(ini.WriteString("", "k", "v"));
    EXPECT_EQ(Contents(), before);
    // A folder that does not exist, and a path that is a folder.
    EXPECT_FALSE(IniFile((folder / "missing" / "CFG.DAT").string()).WriteString("S", "k", "v"));
    EXPECT_FALSE(IniFile(folder.string()).WriteString("S", "k", "v"));
    EXPECT_EQ(IniFile(folder.string()).ReadString("S", "k", "d"), "d");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(IniFileTest, HugeValuesAndBinaryContentsSurvive) {
    const std::string huge(1 << 20, 'x');
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString("S", "big", huge));
    EXPECT_EQ(ini.ReadString("S", "big", ""), huge);

    const char raw[] = "\x00\xff[S]\x01\n[S]\nk=\x00\x80v\n\x7f\x00garbage\x00\x00\r\r\n";
    const std::string binary(raw, sizeof raw - 1);
    Put(binary);
    EXPECT_EQ(ini.ReadString("S", "k", ""), std::string("\x00\x80v", 3));
    ASSERT_TRUE(ini.WriteString("S", "k2", "n"));
    const std::string after = Contents();
    const size_t inserted = binary.find("v\n") + 2;
    EXPECT_EQ(after, binary.substr(0, inserted) + "k2=n\n" + binary.substr(inserted));
}

TEST_F(IniFileTest, ReplacingKeepsPermissionsAndSymlinks) {
    Put("[S]\nk=1\n");
    ::chmod(path.c_str(), 0640);
    const std::string link = (folder / "link.dat").string();
    fs::create_symlink(path, link);
    ASSERT_TRUE(IniFile(link).WriteString("S", "k", "2"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(), "[S]\nk=2\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(IniFileTest, OnlyAChangedValueReplacesTheFile) {
    Put("[S]\nk=1\n");
    auto inode = [this] {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_ino;
    };
    const auto before = inode();
    ASSERT_TRUE(IniFile(path).WriteString("s", "K", "1"));
    EXPECT_EQ(inode(), before);
    ASSERT_TRUE(IniFile(path).WriteString("s", "K", "2"));
    EXPECT_NE(inode(), before);  // a new file was renamed into place
}

TEST_F(IniFileTest, CachedReadsParseOnceYetSeeEveryChange) {
    std::string big = "[Preference]\nGame=3\n";
    for (int i = 0; i < 2000; ++i) big += "[Filler" + std::to_string(i) + "]\nk=v\n";
    Put(big);
    IniFile ini(path);
    ini.CacheReads();
    for (int i = 0; i < 100; ++i) EXPECT_EQ(ini.ReadInteger("preference", "game", 0), 3);
    EXPECT_TRUE(ini.HasKey("Filler1999", "K"));
    EXPECT_EQ(ini.FileReads(), 1u);

    // Another writer replaces the file: the next read sees it.
    IniFile(path).WriteString("Preference", "Game", "4");
    EXPECT_EQ(ini.ReadInteger("Preference", "Game", 0), 4);
    // So does a change in place, and the object's own write.
    Put("[Preference]\nGame=5\n");
    EXPECT_EQ(ini.ReadInteger("Preference", "Game", 0), 5);
    ASSERT_TRUE(ini.WriteString("Preference", "Game", "6"));
    EXPECT_EQ(ini.ReadString("Preference", "Game", ""), "6");
    fs::remove(path);
    EXPECT_EQ(ini.ReadString("Preference", "Game", "gone"), "gone");
}

TEST_F(IniFileTest, UncachedReadsReadTheFileEachTime) {
    Put("[S]\nk=1\n");
    IniFile ini(path);
    ini.ReadString("S", "k", "");
    ini.ReadString("S", "k", "");
    EXPECT_EQ(ini.FileReads(), 2u);
}

}  // namespace
}  // namespace velmora
