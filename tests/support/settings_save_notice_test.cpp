// Settings that cannot be saved are told to the player once per run, and
// the file on disk stays whole. The failing disk is simulated: a data
// "folder" that is a file, or a file size limit standing in for a full disk.
#include "support/settings_save_notice.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <vector>

#include "program_folder.h"
#include "qt_test_app.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class CountingMessages : public Messages {
public:
    void ShowInfo(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

class SettingsSaveNoticeTest : public ::testing::Test {
protected:
    SettingsSaveNoticeTest() { test::EnsureApplication(); }
    static void RunLoop() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    testing_support::ProgramFolder folder;
    CountingMessages messages;
    SettingsSaveNotice notice{messages};
};

TEST_F(SettingsSaveNoticeTest, EveryKindOfWriteFailsButThePlayerIsToldOnceWhenTheLoopRuns) {
    std::ofstream(folder.Path() / "DATA") << "a file where the folder should be";
    const std::string path = (folder.Path() / "DATA" / "CFG.DAT").string();
    SettingsFile file(path);
    {
        ScopedSettingsSaveListener listening(notice);
        EXPECT_FALSE(file.Write(key::kShowTime, "N"));
        EXPECT_TRUE(messages.shown.empty()) << "not from inside the write: it may come from a paint";
        EXPECT_FALSE(file.WriteInt(key::kBackCard, 3));
        EXPECT_FALSE(file.WriteOther("Show_Messages", "Some_Advice", "N"));
        RunLoop();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_NE(messages.shown[0].find("cannot be saved"), std::string::npos);
        EXPECT_NE(messages.shown[0].find(path), std::string::npos);
        EXPECT_FALSE(file.Write(key::kShowScore, "N"));
        RunLoop();
        EXPECT_EQ(messages.shown.size(), 1u) << "once per run";
    }
    EXPECT_FALSE(file.Write(key::kShowScore, "Y"));  // nobody listens any more: only the result tells
    RunLoop();
    EXPECT_EQ(messages.shown.size(), 1u);
}

// A value that cannot be stored is a refusal, not a disk that fails.
TEST_F(SettingsSaveNoticeTest, ARefusedValueIsNoSavingFailure) {
    ScopedSettingsSaveListener listening(notice);
    SettingsFile file(folder.SettingsPath());
    folder.PutSettings("[Preference]\n");
    EXPECT_FALSE(file.WriteOther("Preference", "Game_name", "two\nlines"));
    notice.ShowPending();
    EXPECT_TRUE(messages.shown.empty());
}

// Past the end of the loop the waiting notice is shown by ShowPending, once.
TEST_F(SettingsSaveNoticeTest, ANoticeWaitingWhenTheLoopEndsIsShownByShowPending) {
    notice.SettingsNotSaved("/x/DATA/CFG.DAT");
    notice.ShowPending();
    RunLoop();
    notice.ShowPending();
    EXPECT_EQ(messages.shown.size(), 1u);
}

// A full disk: the new copy cannot be written past the limit, so the
// settings file keeps every byte it had.
TEST_F(SettingsSaveNoticeTest, AFullDiskKeepsTheOldFileWhole) {
    const std::string old_settings = "[Preference]\nShow_Time=Y\n" + std::string(200, ';') + "\n";
    folder.PutSettings(old_settings);
    ScopedSettingsSaveListener listening(notice);
    SettingsFile file(folder.SettingsPath());

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const sighandler_t old_handler = ::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = file.Write(key::kShowTime, "N");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(written);
    EXPECT_EQ(folder.Settings(), old_settings);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() / "DATA"), fs::directory_iterator()), 1)
        << "no temporary is left";
    notice.ShowPending();
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace velmora
