#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

#include "session.h"

namespace velmora::cli {
namespace {

TEST(CelebrateCommand, ThrowsCardsOverTheTableAndWritesTheBackBuffer) {
    QTemporaryDir dir;
    const std::string bare = dir.path().toStdString() + "/bare.png";
    const std::string thrown = dir.path().toStdString() + "/thrown.png";
    Session s;
    s.Lines("new 2 1");
    s.Lines("shot " + bare);
    // A name of several words; the sweeping patterns stop at the step.
    EXPECT_EQ(s.Lines("celebrate Left to right 40 " + thrown), (std::vector<std::string>{"thrown 40"}));
    QImage before(QString::fromStdString(bare));
    QImage after(QString::fromStdString(thrown));
    ASSERT_EQ(after.size(), QSize(1280, 800));
    // The first row runs along the top from the left; below the cards the
    // table is as it was.
    EXPECT_NE(after.pixel(100, 60), before.pixel(100, 60));
    EXPECT_EQ(after.pixel(100, 700), before.pixel(100, 700));
    // A festoon under way when the steps run out is finished.
    const std::vector<std::string> festoon = s.Lines("celebrate Festoons 1 " + thrown);
    ASSERT_EQ(festoon.size(), 1u);
    EXPECT_GT(std::stoi(festoon[0].substr(7)), 1);
    EXPECT_EQ(s.Lines("celebrate Spirals 5 " + thrown), (std::vector<std::string>{"thrown 0"}));
}

TEST(CelebrateCommand, RefusesWhatItCannotDo) {
    Session s;
    const std::string usage = "error: usage: celebrate <pattern> <steps> <file.png>";
    EXPECT_EQ(s.Raw("celebrate").back(), usage);
    EXPECT_EQ(s.Raw("celebrate Lines x.png").back(), usage);
    EXPECT_EQ(s.Raw("celebrate Lines 0 x.png").back(), usage);
    EXPECT_EQ(s.Raw("celebrate Lines many x.png").back(), usage);
    EXPECT_EQ(s.Raw("celebrate Lines 3 /no/such/folder/x.png").back(), "error: cannot write /no/such/folder/x.png");
}

}  // namespace
}  // namespace velmora::cli
