#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "customize_fixture.h"
#include "ui/dialogs/customize_trees.h"

namespace velmora::customize_test {
namespace {

using CustomizeForm = CustomizeFixture;

// The texts of a tree in tree order, each indented by its depth.
QStringList Outline(const QTreeWidget& tree) {
    QStringList lines;
    for (int i = 0; const QTreeWidgetItem* node = NodeAt(tree, i); ++i) {
        int depth = 0;
        for (const QTreeWidgetItem* up = node->parent(); up; up = up->parent()) ++depth;
        lines << QString(depth * 2, ' ') + node->text(0);
    }
    return lines;
}

TEST_F(CustomizeForm, PagesTreesAndHiddenControls) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Customize");
    EXPECT_EQ(dialog->size(), QSize(400, 301));
    QTabWidget& pages = *dialog->nbkCustomize;
    ASSERT_EQ(pages.count(), 4);
    EXPECT_EQ(QStringList({pages.tabText(0), pages.tabText(1), pages.tabText(2), pages.tabText(3)}),
              QStringList({"&General", "&Decks  ", "&Backgrounds", "&Sounds"}));
    EXPECT_TRUE(dialog->grpToolbar->isHidden());
    EXPECT_TRUE(dialog->chkWinningAnimation->isHidden());
    EXPECT_TRUE(dialog->chkWinningAnimation->isChecked());
    EXPECT_TRUE(dialog->chkConfirmOnExit->isHidden());
    EXPECT_EQ(dialog->imgDorsoEsempio->size(), QSize(71, 96));

    // Every page: nothing sticks out of its parent, no text is cut.
    for (int page = 0; page < pages.count(); ++page) {
        pages.setCurrentIndex(page);
        Settle();
        for (const QWidget* child : dialog->findChildren<QWidget*>()) {
            if (!child->isVisible() || child->objectName().isEmpty() ||
                child->parentWidget()->inherits("QStackedWidget"))
                continue;
            EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()))
                << child->objectName().toStdString();
            if (const auto* box = qobject_cast<const QCheckBox*>(child)) {
                EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
            }
        }
    }

    EXPECT_EQ(
        Outline(*dialog->trvCardBack),
        QStringList({"Animals", "  Tropical fish", "Children", "  Snowman", "Classics",
                     "  Classic blue", "Famous pictures", "  Leonardo da Vinci", "Flowers",
                     "  Roses", "Geometric", "  Plaiting 1", "  Plaiting 2", "Nature", "  Lake"}));
    EXPECT_EQ(Outline(*dialog->trvBackGround).mid(0, 11),
              QStringList({"Colors", "  Blue", "  Green", "  Navy", "  Olive", "  Teal", "  White",
                           "Over 256 colors", "  Marbles", "    Marble 1", "  Metal"}));
    EXPECT_EQ(Outline(*dialog->trvBackGround).mid(23),
              QStringList({"Under 256 colors", "  Geometricals", "    Moquette"}));
    EXPECT_EQ(NodeValue(Node(*dialog->trvCardBack, "Plaiting 1")), 11);
    EXPECT_EQ(NodeValue(Node(*dialog->trvCardBack, "Geometric")), 0);
    EXPECT_EQ(NodeValue(Node(*dialog->trvBackGround, "Teal")), 8421376);

    // Library icons, see-through where the mask colour was; folders change
    // picture while selected.
    const QIcon folder = Node(*dialog->trvBackGround, "Colors")->icon(0);
    EXPECT_NE(folder.pixmap(16, 16, QIcon::Normal).toImage(),
              folder.pixmap(16, 16, QIcon::Selected).toImage());
    const QImage back = Node(*dialog->trvCardBack, "Lake")->icon(0).pixmap(16, 16).toImage();
    EXPECT_NE(back, Node(*dialog->trvBackGround, "Blue")->icon(0).pixmap(16, 16).toImage());
    EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);

    dialog->btnAiuto->click();
    EXPECT_EQ(help_topics, std::vector<int>{1019});
}

TEST_F(CustomizeForm, ChosenBackgroundAndOk) {
    struct Case {
        const char* node;
        const char* bmp;
        const char* fixed;
        const char* use_default;
    };
    for (const Case& c : {Case{"Green", "0", "32768", "N"}, Case{"Over 256 colors", "0", "0", "Y"},
                          Case{"Meadow", "324", "0", "N"}}) {
        Open("Background_def=Y\nBackground_bmp=263\n");
        Choose(dialog->trvBackGround, c.node);
        EXPECT_EQ(dialog->lblSfondoEsempio->text(), c.node);
        QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(Key("Background_bmp"), c.bmp) << c.node;
        EXPECT_EQ(Key("Background_Fixed_Col"), c.fixed) << c.node;
        EXPECT_EQ(Key("Background_Def"), c.use_default) << c.node;
        EXPECT_EQ(Key("Background_Col"), "-2147483633") << c.node;
        EXPECT_EQ(At(43, 4) + " " + At(47, 15) + " " + At(27),
                  std::string(c.bmp) + " " + c.fixed + " " + c.use_default);
        EXPECT_EQ(closings, std::vector<bool>{false});
        closings.clear();
    }
}

TEST_F(CustomizeForm, CancelKeepsTheCardBack) {
    Open("Back_Card=14\n");
    EXPECT_EQ(Current(dialog->trvCardBack), "Roses");
    Choose(dialog->trvCardBack, "Lake");
    EXPECT_EQ(dialog->grpDeckSample->title(), "Lake");
    dialog->btnAnnulla->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(At(21, 3), "014");
    EXPECT_EQ(Key("Back_Card"), "14");
    EXPECT_EQ(closings, std::vector<bool>{true});
}

TEST_F(CustomizeForm, OpensWithTheBackgroundInForceSelected) {
    const std::pair<const char*, const char*> cases[] = {
        {"Background_def=Y\n", "Blue"},
        {"Background_Fixed_Col=8388608\n", "Navy"},
        {"Background_Fixed_Col=0\nBackground_bmp=304\n", "Brick wall 1"},
        {"", "Green"}};
    for (auto [settings, selected] : cases) {
        Open(settings);
        EXPECT_EQ(Current(dialog->trvBackGround), selected) << settings;
    }
}

// The default table opens with "Blue" selected but shown as the default
// table; OK keeps it until the player picks a node, a click on "Blue" too.
TEST_F(CustomizeForm, DefaultTableIsKeptUntilANodeIsPicked) {
    for (bool click : {false, true}) {
        Open("Background_def=Y\nFade_Background=N\n");
        EXPECT_EQ(QColor(dialog->imgSfondoEsempio->pixmap().toImage().pixel(10, 10)),
                  QColor(0, 96, 0));
        if (click) {
            const QRect place =
                dialog->trvBackGround->visualItemRect(Node(*dialog->trvBackGround, "Blue"));
            QTest::mouseClick(dialog->trvBackGround->viewport(), Qt::LeftButton, {},
                              place.center());
            EXPECT_EQ(QColor(dialog->imgSfondoEsempio->pixmap().toImage().pixel(10, 10)),
                      QColor(0, 0, 255));
        }
        dialog->btnOK->click();
        EXPECT_EQ(Key("Background_Def"), click ? "N" : "Y");
        EXPECT_EQ(Key("Background_Fixed_Col"), click ? "16711680" : "32768");
    }
}

TEST_F(CustomizeForm, TickBoxesReadAndWriteTheirSettings) {
    struct Box {
        QCheckBox* TfrmCustomize_Freeware::*box;
        const char* key;
        int position;  // 0: the file only
    };
    const Box boxes[] = {{&TfrmCustomize_Freeware::chkShowTime, "Show_Time", 66},
                         {&TfrmCustomize_Freeware::chkShowScore, "Show_Score", 136},
                         {&TfrmCustomize_Freeware::chkConfirmQuitGame, "ConfirmQuitGame", 185},
                         {&TfrmCustomize_Freeware::chkSafeAutoplay, "Safe_Autoplay", 256},
                         {&TfrmCustomize_Freeware::chkFadeBackground, "Fade_Background", 135},
                         {&TfrmCustomize_Freeware::chkTBLargeIcons, "ToolBar_Large", 0},
                         {&TfrmCustomize_Freeware::chkTBFlatBtn, "ToolBar_Flat", 0},
                         {&TfrmCustomize_Freeware::chkConfirmOnExit, "ConfirmQuit", 0},
                         {&TfrmCustomize_Freeware::chkShowWinnable, "Show_Winnable", 0},
                         {&TfrmCustomize_Freeware::chkWinnableDeals, "Winnable_Deals_Only", 0}};
    for (const std::string start : {"Y", "N"}) {
        std::string settings = "Sounds_Enabled=" + start + "\n";
        for (const Box& box : boxes) settings += std::string(box.key) + "=" + start + "\n";
        Open(settings);
        const bool ticked = start == "Y";
        for (const Box& box : boxes) {
            EXPECT_EQ((dialog.get()->*box.box)->isChecked(), ticked) << box.key << "=" << start;
            (dialog.get()->*box.box)->setChecked(!ticked);
        }
        EXPECT_EQ(dialog->chkSoundsEnabled->isChecked(), !ticked);  // "Disable all sounds"
        dialog->chkSoundsEnabled->setChecked(ticked);
        dialog->btnOK->click();
        const std::string flipped = ticked ? "N" : "Y";
        for (const Box& box : boxes) {
            EXPECT_EQ(Key(box.key), flipped) << box.key;
            if (box.position) {
                EXPECT_EQ(At(box.position), flipped) << box.key;
            }
        }
        EXPECT_EQ(Key("Sounds_Enabled") + At(141), flipped + flipped);
        EXPECT_EQ(Key("Winning_Animation"), "Y");
    }
}

}  // namespace
}  // namespace velmora::customize_test
