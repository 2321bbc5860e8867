#pragma once
// The main window's host: the boxes, the product names, the sound stop and
// the dialogs, as the program entry provides them.

#include <QPointer>
#include <QWidget>

#include "support/messages.h"
#include "support/sounds.h"
#include "ui/main/main_window_services.h"

namespace velmora {

class ProgramDialogs;

class ProgramHost : public WindowHost {
  public:
    // `end_program` ends the program after a fatal box (with exit code 0).
    ProgramHost(MessageService& messages, MessageBoxes& boxes, Sounds& sounds, ProgramDialogs& dialogs,
                MessageService::EndProgram end_program);

    // The window the questions belong to.
    void SetWindow(QWidget* window) { window_ = window; }

    // The splash window, hidden before a fatal box so it cannot cover it.
    void SetSplash(QWidget* splash) { splash_ = splash; }

    std::string ExpandPlaceholders(std::string_view text) override;
    void FatalError(std::string_view text) override;
    void FatalMissingFile(const std::string& path) override;
    void FatalUnreadableFile(const std::string& path) override;
    void FatalDamagedFile(const std::string& path, std::string_view problem) override;
    bool AskQuitGame(std::string_view question) override;
    void ShowScreenColorAdvice() override;
    void ShowCustomize() override;
    void ShowAbout() override;
    void ShowTips() override;
    bool PrepareStatistics() override;
    void StopSound() override;

  private:
    void HideSplash();

    MessageService& messages_;
    MessageBoxes& boxes_;
    Sounds& sounds_;
    ProgramDialogs& dialogs_;
    MessageService::EndProgram end_program_;
    QPointer<QWidget> window_;
    QPointer<QWidget> splash_;
};

}  // namespace velmora
