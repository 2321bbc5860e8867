// The tip of the day: stepping round the tips both ways, and the box that
// keeps "Tips_StartUp".
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "qt_test_app.h"
#include "storage/preference_keys.h"
#include "ui/dialogs/tip_texts.h"
#include "ui/dialogs/tips_box.h"

namespace velmora {
namespace {

class TipsBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { test::EnsureApplication(); }
    std::string Path() const { return QDir(folder_.path()).absolutePath().toStdString() + "/CFG.DAT"; }
    SettingsFile Settings(const std::string& preference_lines) {
        std::ofstream(Path()) << "[Preference]\n" << preference_lines;
        return SettingsFile(Path());
    }
    std::string Stored() const { return SettingsFile(Path()).Ini().ReadString("Preference", "Tips_StartUp", "(none)"); }

  private:
    QTemporaryDir folder_;
};

TEST_F(TipsBoxTest, StepsRoundTheTipsBothWays) {
    const size_t count = DayTips().size();
    ASSERT_GE(count, 20u);
    EXPECT_EQ(std::set<std::string_view>(DayTips().begin(), DayTips().end()).size(), count) << "no tip twice";
    TipsBox box(Settings(""), count - 1);
    EXPECT_EQ(box.lblNumber->text(), QStringLiteral("%1 of %1").arg(count));
    box.btnNext->click();
    EXPECT_EQ(box.Current(), 0u);
    EXPECT_EQ(box.lblTip->text().toStdString(), DayTips()[0]);
    box.btnPrevious->click();
    box.btnPrevious->click();
    EXPECT_EQ(box.Current(), count - 2);
    // A start past the end goes round, and every day has its tip.
    EXPECT_EQ(TipsBox(Settings(""), count + 3).Current(), 3u);
    EXPECT_EQ(TipOfDay(1), 0u);
    EXPECT_EQ(TipOfDay(static_cast<int>(count) + 1), 0u);
    EXPECT_LT(TipOfDay(366), count);
    EXPECT_EQ(TipOfDay(0), 0u);
}

TEST_F(TipsBoxTest, StartUpBoxKeepsTheSetting) {
    EXPECT_TRUE(TipsAtStartUp(Settings("")));
    EXPECT_TRUE(TipsAtStartUp(Settings("Tips_StartUp=n\n"))) << "only \"N\" switches them off";
    EXPECT_FALSE(TipsAtStartUp(Settings("TIPS_STARTUP=N\n")));

    TipsBox off(Settings("Tips_StartUp=N\n"), 0);
    EXPECT_FALSE(off.chkStartUp->isChecked());
    off.chkStartUp->click();
    EXPECT_EQ(Stored(), "Y");

    TipsBox on(Settings(""), 0);
    EXPECT_TRUE(on.chkStartUp->isChecked());
    on.chkStartUp->click();
    EXPECT_EQ(Stored(), "N");
    EXPECT_FALSE(TipsAtStartUp(SettingsFile(Path())));
}

}  // namespace
}  // namespace velmora
