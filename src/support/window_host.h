#pragma once
// The main window's host: the boxes, the product names, the sound stop and
// the about box, as the program entry provides them.

#include <QPointer>
#include <QWidget>

#include "support/messages.h"
#include "support/sounds.h"
#include "ui/main/main_window_services.h"

namespace velmora {

class ResourceLibrary;

class ProgramHost : public WindowHost {
  public:
    // `end_program` ends the program after a fatal box (with exit code 0).
    ProgramHost(MessageService& messages, MessageBoxes& boxes, Sounds& sounds,
                MessageService::EndProgram end_program);

    // The window the questions and the about box belong to, and the library
    // the about box takes its cards from (may be null).
    void SetWindow(QWidget* window, const ResourceLibrary* library) {
        window_ = window;
        library_ = library;
    }

    // The splash window, hidden before a fatal box so it cannot cover it.
    void SetSplash(QWidget* splash) { splash_ = splash; }

    std::string ExpandPlaceholders(std::string_view text) override;
    void FatalError(std::string_view text) override;
    void FatalMissingFile(const std::string& path) override;
    bool AskQuitGame(std::string_view question) override;
    void ShowScreenColorAdvice() override;
    void ShowAbout() override;
    void StopSound() override;

  private:
    void HideSplash();

    MessageService& messages_;
    MessageBoxes& boxes_;
    Sounds& sounds_;
    MessageService::EndProgram end_program_;
    QPointer<QWidget> window_;
    QPointer<QWidget> splash_;
    const ResourceLibrary* library_ = nullptr;
};

}  // namespace velmora
