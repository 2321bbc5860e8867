#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "qt_test_app.h"
#include "support/qt_message_boxes.h"
#include "ui/dialogs/advice_box.h"

namespace velmora {
namespace {

// Ticks the box (or not) and presses OK once the modal box is up.
void AnswerAdvice(bool tick, QString* seen) {
    QTimer::singleShot(0, [tick, seen] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* advice = static_cast<TfrmMsgAdvice*>(box);
        *seen = advice->lblMessage->text();
        advice->chkNotDisplay->setChecked(tick);
        advice->btnOK->click();
    });
}

TEST(AdviceBox, ReportsTheCheckBoxWhenClosed) {
    test::EnsureApplication();
    QtMessageBoxes boxes;
    QString seen;
    AnswerAdvice(true, &seen);
    EXPECT_TRUE(boxes.Advice("First\rSecond", 0));
    EXPECT_EQ(seen, "First\nSecond");
    AnswerAdvice(false, &seen);
    EXPECT_FALSE(boxes.Advice("Again", 1));
    // A page the notebook does not have shows the first picture.
    TfrmMsgAdvice box;
    box.ShowPage(7);
    EXPECT_EQ(box.nbkPictures->currentWidget()->objectName(), "Color");
}

}  // namespace
}  // namespace velmora
