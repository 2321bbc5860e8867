#pragma once
// The headless driver: reads commands one per line and answers each with
// zero or more lines and a final "ok" or "error: <reason>". It plays on one
// engine context with the quiet outward interfaces, so it draws, plays and
// waits for nothing.

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/deal/deal_rules.h"
#include "engine/model/engine.h"
#include "engine/model/games_file.h"
#include "engine/results/game_record.h"
#include "storage/result_recorder.h"

namespace velmora::cli {

// What a command produced: its answer lines, or an error reason.
struct Reply {
    std::vector<std::string> lines;
    std::string error;  // empty on success

    static Reply Fail(std::string reason) {
        Reply r;
        r.error = std::move(reason);
        return r;
    }
};

class Driver {
public:
    using Args = std::vector<std::string>;
    using Handler = std::function<Reply(Driver&, const Args&)>;

    // `program_folder` ends with '/'; GAMES.DAT is read from `games_file`.
    Driver(std::string program_folder, std::string games_file);
    // The same with game definitions already read (or made up by a caller).
    Driver(std::string program_folder, GamesData games);

    // Runs a command as if it had been typed.
    Reply Call(const std::string& name, const Args& args);

    // How new deals consult the move rules and compute their score: the
    // play engine's rules and score unless a caller sets others.
    const DealRules* deal_rules = nullptr;
    ScoreHook score_hook;
    // While paused, the commands that play on the table are refused; a new
    // deal or a loaded game ends the pause.
    bool paused = false;

    // Answers one command line; false once "quit" was given.
    bool Execute(const std::string& line, std::ostream& out);
    // Reads commands until the end of input or "quit".
    void Run(std::istream& in, std::ostream& out);

    // Keeps the results of ended games below `data_folder` (its DATA folder),
    // as the program does; until then nothing is recorded.
    void KeepResults(const std::string& data_folder);
    bool KeepsResults() const { return recorder_ != nullptr; }
    // A new deal is on the table: its clock starts.
    void GameDealt();
    // The game in hand is left (a new deal) or given up: recorded when it
    // counts (results_commands.cpp).
    void GameLeft(GameResult leaving);
    // The engine found the game won.
    void GameWon();

    Engine& engine() { return *engine_; }
    const std::string& program_folder() const { return program_folder_; }
    const std::string& games_file() const { return games_file_; }
    // The game definitions; false when GAMES.DAT could not be read.
    bool games_loaded() const { return games_loaded_; }
    const GamesData& games() const { return games_; }
    // The player's own variants, dealt by `new` beside the catalogue.
    void SetCustomGames(std::vector<CustomGame> games) { games_.custom = std::move(games); }

private:
    // `games` is empty when the game definitions could not be read.
    Driver(std::string program_folder, std::string games_file, std::optional<GamesData> games);
    void Register(const std::string& name, Handler handler);
    void RegisterCommands();

    std::unique_ptr<Engine> engine_;
    std::string program_folder_;
    std::string games_file_;
    GamesData games_;
    bool games_loaded_ = false;
    std::map<std::string, Handler> commands_;
    bool quit_ = false;
    std::unique_ptr<ResultRecorder> recorder_;
    std::unique_ptr<TableView> results_view_;
    int64_t dealt_at_ = 0;  // seconds of the steady clock at the deal
};

// Splits a command line at runs of spaces and tabs.
std::vector<std::string> SplitWords(const std::string& line);

// The parameter record as an empty settings file leaves it (autoplay on,
// double clicks to the foundations, automatic face-up, no right clicks).
void WriteDefaultSettings(Engine& e);

// Deals the chosen game (a new random deal number when none is given), as
// the window does, and answers with the table ("state").
Reply DealCurrentGame(Driver& d, std::optional<std::string> deal_number);

// Command groups, each in its own file.
void RegisterTableCommands(std::map<std::string, Driver::Handler>& table);
void RegisterGameCommands(std::map<std::string, Driver::Handler>& table);
void RegisterPlayCommands(std::map<std::string, Driver::Handler>& table);
void RegisterHistoryCommands(std::map<std::string, Driver::Handler>& table);
// restart, save, load, pause, bookmark, goto-bookmark.
void RegisterSessionCommands(std::map<std::string, Driver::Handler>& table);
void RegisterOptionCommands(std::map<std::string, Driver::Handler>& table);
void RegisterLayoutCommands(std::map<std::string, Driver::Handler>& table);
void RegisterGeometryCommands(std::map<std::string, Driver::Handler>& table);
// "shot": the table drawn as the window would show it (starts Qt's GUI part).
void RegisterShotCommands(std::map<std::string, Driver::Handler>& table);
void RegisterPreviewCommands(std::map<std::string, Driver::Handler>& table);
// "celebrate": the winning animation over the table, as a picture.
void RegisterCelebrateCommands(std::map<std::string, Driver::Handler>& table);
// "solve" and "winnability": the solver on the table and on many deals.
void RegisterSolverCommands(std::map<std::string, Driver::Handler>& table);
// "stats" and "give-up": the player's results.
void RegisterResultsCommands(std::map<std::string, Driver::Handler>& table);

// The table the driver lays games out on until "window" says otherwise: a
// 1280 by 800 window on a 1280 by 800 screen.
void UseDefaultTable(Engine& e);

}  // namespace velmora::cli
