#include "ui/dialogs/about_box.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>

#include <string>

#include "platform/resource_library.h"
#include "qt_test_app.h"

namespace velmora {
namespace {

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }
};

TEST_F(AboutBox, TextsFitTheFixedSize) {
    TfrmAbout about(nullptr, QStringLiteral("0.1.0"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Velmora"));
    EXPECT_EQ(about.lblProgram->text(), QStringLiteral("Velmora"));
    EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Version 0.1.0"));
    EXPECT_EQ(about.lblDescription->text(), QStringLiteral("Solitaire card games"));
    EXPECT_EQ(about.lblCopyright->text(), QStringLiteral("Copyright (C) 2026 the Velmora developers"));
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.minimumSize(), QSize(TfrmAbout::kWidth, TfrmAbout::kHeight));
    EXPECT_EQ(about.maximumSize(), about.minimumSize());
    for (const QWidget* child : about.findChildren<QWidget*>()) {
        // Nothing is cut by the window's edge, and no label cuts its text.
        EXPECT_TRUE(about.rect().contains(child->geometry())) << child->objectName().toStdString();
        if (const auto* label = qobject_cast<const QLabel*>(child); label && label->pixmap().isNull()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
            EXPECT_LE(label->sizeHint().height(), label->height()) << label->text().toStdString();
        }
    }
}

TEST_F(AboutBox, OkAndEscapeCloseIt) {
    TfrmAbout about(nullptr, QStringLiteral("1"));
    EXPECT_TRUE(about.btnOK->isDefault());
    about.show();
    about.btnOK->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);

    about.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&about, &escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Rejected);
}

TEST_F(AboutBox, TheSoundPlaysOnceEachTimeItOpens) {
    int played = 0;
    TfrmAbout about(nullptr, QStringLiteral("1"), [&played] { ++played; });
    EXPECT_EQ(played, 0);
    about.show();
    EXPECT_EQ(played, 1);
    about.btnOK->click();
    about.show();
    EXPECT_EQ(played, 2);
    about.hide();

    TfrmAbout silent(nullptr, QStringLiteral("1"));  // no sound given: opens all the same
    silent.show();
    EXPECT_TRUE(silent.isVisible());
}

TEST_F(AboutBox, ThePictureTakesTheLibrarysCards) {
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(std::string(VELMORA_PROGRAM_DIR) + "QOR.RGF"));
    const QImage plain = DrawAboutPicture(nullptr);
    const QImage cards = DrawAboutPicture(&library);
    EXPECT_EQ(cards.size(), QSize(150, 184));
    EXPECT_EQ(qAlpha(cards.pixel(0, 0)), 0);  // rounded corners show the dialog behind
    EXPECT_NE(cards, plain);
}

}  // namespace
}  // namespace velmora
