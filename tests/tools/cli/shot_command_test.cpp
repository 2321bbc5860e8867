#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "session.h"

namespace velmora::cli {
namespace {

TEST(ShotCommand, WritesWhatTheWindowShowsAsPng) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/table.png";
    Session s;
    s.Lines("new 2 1");
    s.Lines("shot " + path);
    QImage picture(QString::fromStdString(path));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(1280, 800));
    // The window size follows the "window" command.
    s.Lines("window 800 600");
    s.Lines("shot " + path);
    picture.load(QString::fromStdString(path));
    EXPECT_EQ(picture.size(), QSize(800, 600));
    // The stock shows a card at its anchor; the table's far edge on the
    // same row is bare.
    int x = -1;
    int y = -1;
    for (const std::string& line : s.Lines("layout"))
        if (line.rfind("Mazzo ", 0) == 0) sscanf(line.c_str(), "Mazzo %d %d", &x, &y);
    ASSERT_GE(x, 0);
    EXPECT_NE(picture.pixel(x + 30, y + 40), picture.pixel(picture.width() - 2, y + 40));
}

TEST(ShotCommand, RefusesWhatItCannotDo) {
    Session s;
    EXPECT_EQ(s.Raw("shot").back(), "error: usage: shot <file.png>");
    EXPECT_EQ(s.Raw("shot a.png b.png").back(), "error: usage: shot <file.png>");
    EXPECT_EQ(s.Raw("shot /no/such/folder/x.png").back(), "error: cannot write /no/such/folder/x.png");
    // Without a game the table is bare, and still drawn.
    QTemporaryDir dir;
    EXPECT_EQ(s.Raw("shot " + dir.path().toStdString() + "/bare.png").back(), "ok");
}

}  // namespace
}  // namespace velmora::cli
