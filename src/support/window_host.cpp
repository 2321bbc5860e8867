#include "support/window_host.h"

#include <QMessageBox>

#include "support/message_texts.h"
#include "support/placeholders.h"
#include "support/program_dialogs.h"
#include "ui/dialogs/advanced_form.h"

namespace velmora {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ProgramHost::ProgramHost(MessageService& messages, MessageBoxes& boxes, Sounds& sounds, ProgramDialogs& dialogs,
                         MessageService::EndProgram end_program)
    : messages_(messages), boxes_(boxes), sounds_(sounds), dialogs_(dialogs), end_program_(std::move(end_program)) {}

std::string ProgramHost::ExpandPlaceholders(std::string_view text) {
    return velmora::ExpandPlaceholders(text);
}

void ProgramHost::FatalError(std::string_view text) {
    HideSplash();
    boxes_.Error(text);
    end_program_(0);
}

void ProgramHost::FatalMissingFile(const std::string& path) { FatalError(text::MissingFile(path)); }

void ProgramHost::FatalUnreadableFile(const std::string& path) { FatalError(text::UnreadableFile(path)); }

void ProgramHost::FatalDamagedFile(const std::string& path, std::string_view problem) {
    FatalError(text::DamagedFile(path, problem));
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

void ProgramHost::ShowCustomize() { dialogs_.ShowCustomize(); }

void ProgramHost::ShowAbout() { dialogs_.ShowAbout(); }

void ProgramHost::ShowTips() { dialogs_.ShowTips(); }

bool ProgramHost::PrepareStatistics() { return dialogs_.PrepareStatistics(); }

void ProgramHost::HideSplash() {
    if (splash_) splash_->hide();
}

void ProgramHost::StopSound() { sounds_.StopSound(); }

}  // namespace velmora
