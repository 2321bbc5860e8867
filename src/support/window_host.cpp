#include "support/window_host.h"

#include <QMessageBox>
#include <QPixmap>

#include "support/message_texts.h"
#include "support/placeholders.h"
#include "support/splash_picture.h"
#include "ui/dialogs/advanced_form.h"

namespace velmora {

namespace {

constexpr int kAboutPictureWidth = 262;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ProgramHost::ProgramHost(MessageService& messages, MessageBoxes& boxes, Sounds& sounds,
                         MessageService::EndProgram end_program)
    : messages_(messages), boxes_(boxes), sounds_(sounds), end_program_(std::move(end_program)) {}

std::string ProgramHost::ExpandPlaceholders(std::string_view text) {
    return velmora::ExpandPlaceholders(text);
}

void ProgramHost::FatalError(std::string_view text) {
    HideSplash();
    boxes_.Error(text);
    end_program_(0);
}

// Also when the file is there but unreadable: either way the program cannot
// run without it, and the box tells where it belongs.
void ProgramHost::FatalMissingFile(const std::string& path) {
    HideSplash();
    boxes_.Error(text::MissingFile(path));
    end_program_(0);
}

bool ProgramHost::AskQuitGame(std::string_view question) {
    const QMessageBox::StandardButton answer =
        QMessageBox::question(window_, FromUtf8(ExpandPlaceholders("[Program]")), FromUtf8(question),
                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer == QMessageBox::Ok;
}

void ProgramHost::ShowScreenColorAdvice() {
    messages_.ShowAdvice(text::kScreenUnder256Colors, text::kScreenUnder256ColorsKey,
                         text::kScreenUnder256ColorsPage);
}

void ProgramHost::ShowAbout() {
    const QString name = FromUtf8(ExpandPlaceholders("[Program]"));
    QMessageBox about(window_);
    about.setWindowTitle(QStringLiteral("About ") + name);
    about.setIconPixmap(QPixmap::fromImage(SplashPicture(library_))
                            .scaledToWidth(kAboutPictureWidth, Qt::SmoothTransformation));
    about.setText(QStringLiteral("<b>%1</b><br>Patience for Linux<br>Version %2").arg(name, ProgramVersion()));
    about.setStandardButtons(QMessageBox::Ok);
    ApplyAdvancedFormFont(about);
    about.exec();
}

void ProgramHost::HideSplash() {
    if (splash_) splash_->hide();
}

void ProgramHost::StopSound() { sounds_.StopSound(); }

}  // namespace velmora
