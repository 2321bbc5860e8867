#include "storage/statistics_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/model/engine.h"
#include "program_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "[Version]\r\nVersion=0300\r\n\r\n";
const std::string kOldFlags = "[Preference]\r\nCards_Animate=S\r\nConfirmQuit=S\r\nShow_Time=S\r\n";
const std::string kRepairedFlags = "[Preference]\r\nCards_Animate=Y\r\nConfirmQuit=Y\r\nShow_Time=S\r\n";

class StatisticsFiles : public ::testing::Test {
protected:
    StatisticsFiles() : engine(EngineInit(folder.Folder())) { fs::create_directories(Data()); }

    fs::path Data() const { return folder.Path() / "DATA"; }
    void Put(const std::string& name, const std::string& contents) const {
        std::ofstream(Data() / name, std::ios::binary) << contents;
    }
    std::string Get(const std::string& name) const {
        std::ifstream in(Data() / name, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    int FilesInData() const {
        return static_cast<int>(std::distance(fs::directory_iterator(Data()), fs::directory_iterator()));
    }
    bool Upgrade() { return UpgradeScoreFile(engine->params, messages); }

    testing_support::ProgramFolder folder;
    std::unique_ptr<Engine> engine;
    QuietMessages messages;
};

TEST(ReadTextSection, KeysOfTheSectionOnly) {
    testing_support::ProgramFolder folder;
    const std::string path = (folder.Path() / "T.DAT").string();
    std::ofstream(path, std::ios::binary) << "Alpha=0\r\n[Other]\r\nAlpha=1\r\n[Main] trailing\r\nAlphabet=2\r\n"
                                             "Beta\r\nAlpha=x=y\r\n[Next]\r\nGamma=3\r\n";
    struct Case {
        std::vector<std::string> keys;
        std::vector<std::string> values;
        bool all_found;
    };
    const Case cases[] = {
        // "Alphabet" fits the key "Alpha", and the search stops there.
        {{"Alpha"}, {"2"}, true},
        {{"Beta", "Alpha"}, {"Beta", "2"}, true},
        // A later line gives "Alpha" again; "Gamma" lies past the section's end.
        {{"Alpha", "Gamma"}, {"x=y", "g"}, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> values;
        EXPECT_EQ(ReadTextSection(path, "Main", c.keys, {"a", "g"}, values), c.all_found) << c.keys.front();
        EXPECT_EQ(values, c.values) << c.keys.front();
    }
    std::vector<std::string> values;
    EXPECT_FALSE(ReadTextSection(path + "x", "Main", {"Alpha"}, {"d"}, values));
    EXPECT_EQ(values, std::vector<std::string>{"d"});
}

TEST_F(StatisticsFiles, AFileWithoutVersionIsUpgraded) {
    const std::string record(89, '7');
    struct Line {
        std::string old_line;
        std::string new_line;
    };
    const Line lines[] = {
        {"0", "0" + std::string(88, ' ') + " x"},
        {"0123 abc", "0123 abc" + std::string(81, ' ') + " x"},
        {"0" + record, "0" + record.substr(0, 88) + " x"},
        {"0" + record + "tail", "0" + record.substr(0, 88) + " x"},
        {"1 not a score line", "1 not a score line"},
        {"", ""},
        {" 0 begins with a blank", " 0 begins with a blank"},
    };
    std::string old_file;
    std::string expected = kHeader;
    for (const Line& line : lines) {
        old_file += line.old_line + "\n";  // old files may end lines with LF only
        expected += line.new_line + "\r\n";
        if (line.new_line.starts_with('0')) {
            EXPECT_EQ(line.new_line.size(), 91u);
        }
    }
    Put("stat_scr.dat", old_file);  // any case on disk
    folder.PutSettings(kOldFlags);

    EXPECT_TRUE(Upgrade());
    EXPECT_EQ(Get("stat_scr.dat"), expected);
    EXPECT_EQ(folder.Settings(), kRepairedFlags);
    EXPECT_EQ(FilesInData(), 2);  // no temporary left beside it
    EXPECT_EQ(messages.last, "");
}

TEST_F(StatisticsFiles, AnOldHeaderIsReplacedByExactlyOne) {
    Put("STAT_SCR.DAT", "[Version]\r\nVersion=0200\r\n012\r\n[Version]\r\nVersion=0250\r\n");
    EXPECT_TRUE(Upgrade());
    EXPECT_EQ(Get("STAT_SCR.DAT"), kHeader + "012" + std::string(86, ' ') + " x\r\n");
}

TEST_F(StatisticsFiles, OnlyOlderVersionsAreRewrittenButOldFlagsAreAlwaysRepaired) {
    struct Case {
        std::string version;
        bool upgraded;
    };
    // Compared character by character, as text.
    const Case cases[] = {{"0300", false}, {"0301", false}, {"1", false}, {"0299", true}, {"", true}};
    for (const Case& c : cases) {
        const std::string old_file = "[Version]\r\nVersion=" + c.version + "\r\n\r\n05\r\n";
        Put("STAT_SCR.DAT", old_file);
        folder.PutSettings(kOldFlags);
        EXPECT_EQ(Upgrade(), c.upgraded) << c.version;
        EXPECT_EQ(Get("STAT_SCR.DAT") == old_file, !c.upgraded) << c.version;
        EXPECT_EQ(folder.Settings(), kRepairedFlags) << c.version;
    }
}

TEST_F(StatisticsFiles, AMissingScoreFileChangesNothing) {
    folder.PutSettings(kOldFlags);
    EXPECT_FALSE(Upgrade());
    EXPECT_EQ(folder.Settings(), kOldFlags);
    EXPECT_EQ(FilesInData(), 1);
}

// A score file that cannot be read is never replaced, and the failure is no success.
TEST_F(StatisticsFiles, AFailedCopyKeepsTheScoreFile) {
    fs::create_symlink("/proc/self/mem", Data() / "STAT_SCR.DAT");  // reading it fails with EIO
    folder.PutSettings(kOldFlags);
    EXPECT_FALSE(Upgrade());
    EXPECT_TRUE(fs::is_symlink(Data() / "STAT_SCR.DAT"));
    EXPECT_EQ(messages.last, "Error in copying the file: " + (Data() / "STAT_SCR.DAT").string());
    EXPECT_EQ(folder.Settings(), kRepairedFlags);
}

// The new copy cannot be written (a full disk): the score file stays whole
// and no temporary is left; while it was being written the old file was
// still in place under its name.
TEST_F(StatisticsFiles, ACopyThatCannotBeWrittenLeavesTheOldFileWholeAndNoTemporary) {
    const std::string old_file = "0123 old record\r\nnote\r\n";
    Put("STAT_SCR.DAT", old_file);
    folder.PutSettings(kOldFlags);
    bool old_in_place = false;
    const FileWriter full_disk = [&](const std::string& path, std::string_view contents) {
        old_in_place = Get("STAT_SCR.DAT") == old_file;
        std::ofstream(path, std::ios::binary) << contents.substr(0, contents.size() / 2);
        return false;
    };
    EXPECT_FALSE(UpgradeScoreFile(engine->params, messages, full_disk));
    EXPECT_TRUE(old_in_place);
    EXPECT_EQ(Get("STAT_SCR.DAT"), old_file);
    EXPECT_EQ(messages.last, "Error in copying the file: " + (Data() / "STAT_SCR.DAT").string());
    EXPECT_EQ(FilesInData(), 2) << "the score and settings files only";

    // Written in full, the copy replaces the file and keeps its permissions.
    fs::permissions(Data() / "STAT_SCR.DAT", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const FileWriter working = [&](const std::string& path, std::string_view contents) {
        old_in_place = Get("STAT_SCR.DAT") == old_file;
        std::ofstream(path, std::ios::binary) << contents;
        return true;
    };
    old_in_place = false;
    EXPECT_TRUE(UpgradeScoreFile(engine->params, messages, working));
    EXPECT_TRUE(old_in_place);
    EXPECT_TRUE(Get("STAT_SCR.DAT").starts_with(kHeader));
    EXPECT_EQ(fs::status(Data() / "STAT_SCR.DAT").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesInData(), 2);
}

// An upgrade killed before its rename leaves "rpl??????.tmp": swept at the
// next start once it is old enough not to be another copy's upgrade.
TEST_F(StatisticsFiles, LeftoverUpgradeTemporariesAreSwept) {
    const auto put_aged = [&](const std::string& name, std::chrono::minutes age) {
        Put(name, "half a copy");
        fs::last_write_time(Data() / name, fs::file_time_type::clock::now() - age);
    };
    put_aged("rplAb12Cd.tmp", std::chrono::minutes(10));
    put_aged("rplXyZ789.tmp", std::chrono::minutes(0));  // may be being written now
    put_aged("rpl12345.tmp", std::chrono::minutes(10));  // not a name of ours
    put_aged("STAT_SCR.DAT", std::chrono::minutes(10));
    EXPECT_EQ(RemoveStaleScoreUpgrades(engine->params), 1);
    EXPECT_FALSE(fs::exists(Data() / "rplAb12Cd.tmp"));
    EXPECT_TRUE(fs::exists(Data() / "rplXyZ789.tmp"));
    EXPECT_TRUE(fs::exists(Data() / "rpl12345.tmp"));
    EXPECT_TRUE(fs::exists(Data() / "STAT_SCR.DAT"));
}

TEST_F(StatisticsFiles, PlayerStatisticsNeedTwoDigits) {
    struct Case {
        std::vector<std::string> files;
        bool found;
    };
    const Case cases[] = {
        {{}, false},
        {{"Stat_e5.dat", "Stat_e100.dat", "Stat_eAB.dat", "Stat_e07.dat.bak"}, false},
        {{"Stat_e07.dat"}, true},
        {{"STAT_E99.DAT"}, true},
    };
    for (const Case& c : cases) {
        fs::remove_all(Data());
        fs::create_directories(Data());
        for (const std::string& name : c.files) Put(name, "");
        EXPECT_EQ(HasPlayerStatistics(engine->params), c.found) << ::testing::PrintToString(c.files);
    }
    // A folder of that name is no file; a "data" folder is the DATA folder.
    fs::remove_all(Data());
    fs::create_directories(folder.Path() / "data" / "Stat_e01.dat");
    EXPECT_FALSE(HasPlayerStatistics(engine->params));
    std::ofstream(folder.Path() / "data" / "stat_e02.DAT") << "";
    EXPECT_TRUE(HasPlayerStatistics(engine->params));
}

}  // namespace
}  // namespace velmora
