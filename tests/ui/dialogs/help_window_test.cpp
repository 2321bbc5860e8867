// The help window on a small help file of its own: the rules and proc
// styles, links followed by a real click and undone with Back, and the
// message instead of an empty window for a missing topic or a bad file.

#include "ui/dialogs/help_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDialog>
#include <QWindow>
#include <QTest>
#include <QTextCursor>

#include <cstdio>
#include <fstream>

#include "platform/help_format.h"
#include "ui/dialogs/window_fit.h"
#include "qt_test_app.h"

namespace velmora {
namespace {

const hlp::HelpBook kBook = {
    1,
    {{1, "Velmora games",
      "<h1>Velmora games</h1><ul><li><a href=\"3002.html\">Klondike</a></li></ul>"},
     {3002, "Klondike",
      "<h1>Klondike</h1><p>Like <a href=\"3003.html\">Canfield</a>, but see "
      "<a href=\"3010.html\">Nowhere</a>.</p>"},
     {3003, "Canfield", "<h1>Canfield</h1><p>Three at a time.</p>"}}};

class HelpWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureApplication();
        // One file per test and process: the tests run side by side.
        path_ = ::testing::TempDir() + "help_window_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".hlp";
        Write(hlp::Serialize(kBook));
    }
    void TearDown() override { std::remove(path_.c_str()); }

    void Write(const std::vector<uint8_t>& bytes) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    // Clicks the link whose text is `text` as the player would.
    static void ClickLink(TfrmHelp& window, const QString& text) {
        HelpBrowser& browser = *window.txtTopic;
        const QTextCursor found = browser.document()->find(text);
        ASSERT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor inside(browser.document());
        inside.setPosition(found.selectionStart() + 1);
        const QPoint at = browser.cursorRect(inside).center() + QPoint(2, 0);
        ASSERT_FALSE(browser.anchorAt(at).isEmpty()) << "no link under the pointer";
        QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, at);
    }

    std::string path_;
    std::vector<QString> messages_;
    HelpInform inform_ = [this](const QString& text) { messages_.push_back(text); };
};

TEST_F(HelpWindowTest, RulesStyleShowsTheTopicAndFollowsALinkAndBack) {
    TfrmHelp window(HelpStyle::Rules);
    window.SetInform(inform_);
    ASSERT_TRUE(window.ShowTopic(path_, 3002));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.CurrentTopic(), 3002u);
    EXPECT_EQ(window.windowTitle(), "Velmora Rules - Klondike");
    EXPECT_TRUE(window.txtTopic->toPlainText().startsWith("Klondike"));
    EXPECT_FALSE(window.btnContents->isVisible());
    EXPECT_FALSE(window.lstTopics->isVisible());
    EXPECT_GT(window.height(), window.width()) << "a tall narrow window";
    EXPECT_FALSE(window.btnBack->isEnabled());

    ClickLink(window, "Canfield");
    EXPECT_EQ(window.CurrentTopic(), 3003u);
    EXPECT_EQ(window.windowTitle(), "Velmora Rules - Canfield");
    ASSERT_TRUE(window.btnBack->isEnabled());
    QTest::mouseClick(window.btnBack, Qt::LeftButton);
    EXPECT_EQ(window.CurrentTopic(), 3002u);
    EXPECT_TRUE(window.btnForward->isEnabled());
    EXPECT_TRUE(messages_.empty());
}

TEST_F(HelpWindowTest, ALinkToNoTopicGivesTheMessageAndStays) {
    TfrmHelp window(HelpStyle::Rules);
    window.SetInform(inform_);
    ASSERT_TRUE(window.ShowTopic(path_, 3002));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ClickLink(window, "Nowhere");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].contains("no topic")) << messages_[0].toStdString();
    EXPECT_EQ(window.CurrentTopic(), 3002u);
}

TEST_F(HelpWindowTest, AMissingTopicOrABadFileGivesTheMessageInsteadOfAWindow) {
    TfrmHelp window(HelpStyle::Rules);
    window.SetInform(inform_);
    EXPECT_FALSE(window.ShowTopic(path_, 3099));
    EXPECT_FALSE(window.ShowTopic(path_, -5));
    std::vector<uint8_t> truncated = hlp::Serialize(kBook);
    truncated.resize(truncated.size() / 2);
    Write(truncated);
    EXPECT_FALSE(window.ShowTopic(path_, 3002));
    EXPECT_FALSE(window.ShowContents(path_ + ".missing"));
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(messages_.size(), 4u);
    EXPECT_TRUE(messages_[0].contains("has no topic 3099")) << messages_[0].toStdString();
    EXPECT_TRUE(messages_[1].contains("has no topic -5"));
    for (const QString& message : {messages_[2], messages_[3]}) {
        EXPECT_TRUE(message.startsWith("Cannot open the help file")) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromStdString(path_)));
    }
}

TEST_F(HelpWindowTest, TheWindowNamePicksTheStyleAndProcListsTheTopics) {
    QWidget owner;
    HelpWindows windows(&owner);
    windows.SetInform(inform_);
    windows.ShowContents(path_ + ">proc");
    TfrmHelp& proc = windows.Window(HelpStyle::Proc);
    EXPECT_TRUE(proc.isVisible());
    EXPECT_EQ(proc.CurrentTopic(), 1u);
    EXPECT_EQ(proc.windowTitle(), "Velmora Help - Velmora games");
    EXPECT_TRUE(proc.btnContents->isVisible());
    ASSERT_EQ(proc.lstTopics->count(), 3);
    EXPECT_EQ(proc.lstTopics->item(0)->text(), "Velmora games");
    EXPECT_EQ(proc.lstTopics->item(2)->text(), "Canfield");
    proc.lstTopics->setCurrentRow(2);
    EXPECT_EQ(proc.CurrentTopic(), 3003u);
    QTest::mouseClick(proc.btnContents, Qt::LeftButton);
    EXPECT_EQ(proc.CurrentTopic(), 1u);
    EXPECT_EQ(proc.lstTopics->currentRow(), 0) << "the list follows the page shown";

    windows.ShowTopic(path_ + ">rules", 3003);
    TfrmHelp& rules = windows.Window(HelpStyle::Rules);
    EXPECT_NE(&rules, &proc);
    EXPECT_TRUE(rules.isVisible());
    EXPECT_EQ(rules.CurrentTopic(), 3003u);
    EXPECT_GT(proc.width(), rules.width());
    EXPECT_TRUE(messages_.empty());
}

// The frame, title bar and borders included, goes where the window was
// wanted, moved onto the screen's available area and cut to it where it is
// larger; the client area lies inside the frame by its margins.
TEST(WindowFit, TheFrameLiesInsideTheAvailableAreaAndTheClientInsideTheFrame) {
    const QRect available(0, 24, 1280, 776);  // a panel takes the top 24 rows
    const QRect inside(852, 32, 420, 760);
    EXPECT_EQ(FrameInside(inside, available), inside) << "a frame already inside stays";
    EXPECT_EQ(FrameInside(QRect(900, 0, 420, 760), available), QRect(860, 24, 420, 760));
    EXPECT_EQ(FrameInside(QRect(-50, 500, 420, 900), available), QRect(0, 24, 420, 776));
    const QRect frame(852, 32, 420, 760);
    const QMargins margins(1, 23, 1, 4);  // a title bar 23 high, thin borders
    const QRect client = ClientOfFrame(frame, margins);
    EXPECT_EQ(client, QRect(853, 55, 418, 733));
    EXPECT_EQ(FrameMargins(frame, client), margins);
    EXPECT_TRUE(FrameMargins(client, client).isNull()) << "an unframed window";
    EXPECT_TRUE(FrameMargins(client, frame).isNull()) << "nonsense from a window system is no frame";
}

// Opened while a modal dialog runs (the Rules button of the game
// selection), the help window is that dialog's own window, so the dialog
// does not block it and it stands in front; when the dialog ends it goes
// back to the window it was made for and stays open.
TEST_F(HelpWindowTest, OpenedFromAModalDialogItStandsInFrontOfItAndOutlivesIt) {
    QWidget owner;
    owner.show();
    HelpWindows windows(&owner);
    windows.SetInform(inform_);
    QDialog dialog(&owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    windows.ShowTopic(path_ + ">rules", 3003);
    TfrmHelp& rules = windows.Window(HelpStyle::Rules);
    EXPECT_EQ(rules.parentWidget(), &dialog);
    EXPECT_TRUE(rules.isWindow());
    EXPECT_TRUE(rules.isVisible());
    ASSERT_TRUE(rules.windowHandle());
    EXPECT_EQ(rules.windowHandle()->transientParent(), dialog.windowHandle()) << "kept above the dialog";
    const QRect place = rules.geometry();
    dialog.done(QDialog::Rejected);
    EXPECT_EQ(rules.parentWidget(), &owner);
    EXPECT_TRUE(rules.isVisible());
    EXPECT_EQ(rules.geometry(), place);
    windows.ShowTopic(path_ + ">rules", 3002);
    EXPECT_EQ(rules.parentWidget(), &owner) << "without a modal dialog it keeps its owner";
    EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace velmora
