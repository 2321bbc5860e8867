#pragma once
// The program's dialogs and help windows as the main window reaches them:
// the game selection (made at its first showing, after the first painted
// table), the customize dialog, the about box, the help windows and the
// statistics work of the first activation.

#include <memory>
#include <optional>
#include <string>

#include "ui/main/main_window_services.h"

namespace velmora {

struct Engine;
class HelpWindows;
class MessageService;
class Sounds;
class TfrmMain;
class TfrmOpenGame;

class ProgramDialogs : public HelpOpener, public GameSelection {
  public:
    ProgramDialogs(Engine& engine, MessageService& messages, Sounds& sounds);
    ~ProgramDialogs() override;
    ProgramDialogs(const ProgramDialogs&) = delete;
    ProgramDialogs& operator=(const ProgramDialogs&) = delete;

    // The window the dialogs belong to; null before it exists and after.
    void SetWindow(TfrmMain* window);

    void ShowTopic(const std::string& help_file, int context) override;
    void ShowContents(const std::string& help_file) override;
    std::optional<ChosenGame> Choose() override;

    void ShowCustomize();
    void ShowAbout();
    // The tip of the day, starting at today's tip.
    void ShowTips();
    // Upgrades the score file; true when no player has statistics yet.
    bool PrepareStatistics();

  private:
    HelpWindows& Help();

    Engine& engine_;
    MessageService& messages_;
    Sounds& sounds_;
    TfrmMain* window_ = nullptr;
    std::unique_ptr<HelpWindows> help_;
    std::unique_ptr<TfrmOpenGame> open_game_;
};

}  // namespace velmora
