#include "support/program_dialogs.h"

#include <QDate>

#include "engine/model/engine.h"
#include "engine/model/param_record.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"
#include "storage/statistics_files.h"
#include "support/messages.h"
#include "support/sounds.h"
#include "support/splash_picture.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/customize_form.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/open_game_form.h"
#include "ui/dialogs/tip_texts.h"
#include "ui/dialogs/tips_box.h"
#include "ui/main/main_window.h"

namespace velmora {

namespace {

constexpr int kAboutSoundSwitch = 142;

}  // namespace

ProgramDialogs::ProgramDialogs(Engine& engine, MessageService& messages, Sounds& sounds)
    : engine_(engine), messages_(messages), sounds_(sounds) {}

ProgramDialogs::~ProgramDialogs() = default;

void ProgramDialogs::SetWindow(TfrmMain* window) {
    if (window == window_) return;
    // The dialogs belong to the window they were made for.
    open_game_.reset();
    help_.reset();
    window_ = window;
}

HelpWindows& ProgramDialogs::Help() {
    if (!help_) {
        help_ = std::make_unique<HelpWindows>(window_);
        help_->SetInform([this](const QString& text) { messages_.ShowInfo(text.toStdString()); });
    }
    return *help_;
}

void ProgramDialogs::ShowTopic(const std::string& help_file, int context) { Help().ShowTopic(help_file, context); }

void ProgramDialogs::ShowContents(const std::string& help_file) { Help().ShowContents(help_file); }

std::optional<ChosenGame> ProgramDialogs::Choose() {
    if (!window_) return std::nullopt;
    if (!open_game_) {
        open_game_ = std::make_unique<TfrmOpenGame>(
            engine_.params, OpenSettingsFile(engine_.params), engine_.main_game, window_->Games(),
            window_->Library(), [this](const std::string& file, int topic) { ShowTopic(file, topic); },
            [this](const std::string& text) { messages_.ShowInfo(text); }, window_);
        open_game_->SetStatisticsCommand([this](int game, QWidget* owner) {
            if (window_) window_->ShowGameStatistics(game, owner);
        });
        open_game_->SetDeleteCommand([this](int game) { return window_ && window_->DeleteCustomGame(game); });
    }
    const std::optional<OpenGameChoice> choice = open_game_->Choose();
    window_->update();
    if (!choice) return std::nullopt;
    return ChosenGame{choice->number, choice->name, choice->player, choice->open_saved};
}

void ProgramDialogs::ShowCustomize() {
    if (!window_) return;
    const std::string help_file = engine_.params.ParamRead(param::kProgramFolder, 200) + "tabloria.hlp>proc";
    TfrmCustomize_Freeware dialog(
        engine_.params, OpenSettingsFile(engine_.params), window_->Library(),
        [this, help_file](int topic) { ShowTopic(help_file, topic); },
        [this](bool /*cancelled*/) { window_->RebuildTableAfterCustomize(); }, window_);
    dialog.exec();
}

void ProgramDialogs::ShowAbout() {
    if (!window_) return;
    const bool sound = engine_.params.IsYes(kAboutSoundSwitch);
    TfrmAbout about(&window_->Library(), ProgramVersion(),
                    [this, sound] { sounds_.PlaySoundAsync("About", sound); }, window_);
    about.exec();
}

void ProgramDialogs::ShowTips() {
    if (!window_) return;
    TipsBox tips(OpenSettingsFile(engine_.params), TipOfDay(QDate::currentDate().dayOfYear()), window_);
    tips.exec();
}

bool ProgramDialogs::PrepareStatistics() {
    UpgradeScoreFile(engine_.params, messages_);
    return !HasPlayerStatistics(engine_.params);
}

}  // namespace velmora
