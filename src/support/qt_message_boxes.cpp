#include "support/qt_message_boxes.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "support/message_texts.h"
#include "ui/dialogs/advice_box.h"

namespace velmora {
namespace {

QString Shown(std::string_view text) { return QString::fromStdString(ForDisplay(text)); }

void ShowBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption, std::string_view text) {
    QMessageBox box(icon, caption, Shown(text), QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace

void QtMessageBoxes::Information(std::string_view text) {
    ShowBox(owner_, QMessageBox::Information, QGuiApplication::applicationDisplayName(), text);
}

bool QtMessageBoxes::Advice(std::string_view text, int page) {
    TfrmMsgAdvice box(owner_);
    box.SetMessage(Shown(text));
    box.ShowPage(page);
    box.exec();
    box.hide();
    return box.DontShowAgain();
}

void QtMessageBoxes::Error(std::string_view text) {
    ShowBox(owner_, QMessageBox::Critical, QString::fromUtf8(text::kErrorCaption.data(),
                                                             static_cast<qsizetype>(text::kErrorCaption.size())),
            text);
}

}  // namespace velmora
