#pragma once
// What the main window needs from the program around it. The window is
// created by the program entry, which owns the sounds, the messages, the
// dialogs and the help viewer; they reach the window through these small
// interfaces. Every interface has a quiet default, so a test builds a
// window with only what it looks at.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialogs/game_summary.h"

class QDialog;
class QWidget;

namespace velmora {

class GamesFileAhead;
class Messages;
class ParamRecord;
class ResourceLibrary;
class SoundEvents;

// The help file's topics ("<folder>tabloria.hlp>rules", topic 3000 + game).
class HelpOpener {
  public:
    virtual ~HelpOpener() = default;
    // `help_file` is the file name with its window name after '>'.
    virtual void ShowTopic(const std::string& /*help_file*/, int /*context*/) {}
    // The contents of the help file (its finder).
    virtual void ShowContents(const std::string& /*help_file*/) {}
};

// The game the player chose in the game selection dialog, or that a saved
// game is to be opened instead.
struct ChosenGame {
    int number = 0;
    std::string name;
    std::string player;  // the current player from then on
    bool open_saved = false;
};

class GameSelection {
  public:
    virtual ~GameSelection() = default;
    // Shows the dialog modally; the chosen game, or none after Cancel.
    virtual std::optional<ChosenGame> Choose() { return std::nullopt; }
};

// The boxes, dialogs and services the entry provides.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // The product names in captions ("A&bout [Program]...").
    virtual std::string ExpandPlaceholders(std::string_view text) { return std::string(text); }
    // A start-up failure the program cannot run without: the box, then the
    // end of the program.
    virtual void FatalError(std::string_view /*text*/) {}
    // The missing-file box for a required file, then the end of the program.
    virtual void FatalMissingFile(const std::string& /*path*/) {}
    // The same for a required file that is there but cannot be read (a
    // folder, no permission) or that is damaged (`problem` says how).
    virtual void FatalUnreadableFile(const std::string& /*path*/) {}
    virtual void FatalDamagedFile(const std::string& /*path*/, std::string_view /*problem*/) {}
    // "Quit this game?" with OK and Cancel; true for OK. The default asks
    // with a message box.
    virtual bool AskQuitGame(std::string_view question);
    // The box at the end of a game, over `owner`; the default shows it.
    virtual SummaryChoice AskAfterGame(const GameSummary& summary, QWidget* owner);
    // The silenceable advice about a screen of 256 colours or fewer.
    virtual void ShowScreenColorAdvice() {}
    virtual void ShowCustomize() {}
    virtual void ShowAbout() {}
    // The tip of the day; the quiet default shows nothing.
    virtual void ShowTips() {}
    // Stops a sound that is playing (the window is closing).
    virtual void StopSound() {}
    // "Select a game number...": the number typed (1 to 13 digits), or none
    // after Cancel. The default shows the box over `owner`.
    virtual std::optional<std::string> AskDealNumber(const std::string& current, QWidget* owner);
    // The file to save the game to, or to open a saved game from; "" after
    // Cancel. The defaults show the file dialogs over `owner`.
    virtual std::string AskSaveFile(QWidget* owner);
    virtual std::string AskOpenFile(QWidget* owner);
    // "Players...": the players dialog over `owner`, which adds, renames and
    // deletes players at once; the player OK chose, or none after Cancel.
    virtual std::optional<std::string> ManagePlayers(ParamRecord& params, QWidget* owner);
    // "Favorite games...": the favorites dialog over `owner`, for the games
    // of `catalogue` (its lines); true when the favorites were stored.
    virtual bool EditFavorites(const ParamRecord& params, const std::vector<std::string>& catalogue,
                               QWidget* owner);
    // Runs one of the window's own dialogs modally; the default execs it.
    virtual void RunDialog(QDialog& dialog);
    // A question with Yes and No; true for Yes. The default asks with a
    // message box.
    virtual bool AskYesNo(std::string_view question);
    // The first activation's statistics work; true when no player has
    // statistics yet, so the game selection should open by itself.
    virtual bool PrepareStatistics() { return false; }
};

// Seconds since midnight, now.
using TimeOfDay = std::function<int()>;

struct MainWindowServices {
    Messages* messages = nullptr;  // the engine's quiet messages when null
    SoundEvents* sounds = nullptr;
    WindowHost* host = nullptr;
    HelpOpener* help = nullptr;
    GameSelection* game_selection = nullptr;
    TimeOfDay time_of_day;  // the system clock when empty
    // The resource library the entry already read for the splash: the
    // window takes it over instead of reading the file a second time when
    // it comes from the file the window would load.
    ResourceLibrary* loaded_library = nullptr;
    // The games file the entry began reading ahead: the window takes that
    // reading when it is of the file the window would read.
    GamesFileAhead* games_file_ahead = nullptr;
};

}  // namespace velmora
