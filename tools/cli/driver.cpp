#include "driver.h"

#include <exception>
#include <istream>
#include <ostream>

#include "engine/play/deal_placement.h"
#include "engine/play/scoring.h"

namespace velmora::cli {

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == '\r') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

namespace {

std::optional<GamesData> ReadGames(const std::string& games_file) {
    GamesData games;
    if (!ReadGamesFile(games_file, games)) return std::nullopt;
    return games;
}

}  // namespace

Driver::Driver(std::string program_folder, std::string games_file)
    : Driver(std::move(program_folder), games_file, ReadGames(games_file)) {}

Driver::Driver(std::string program_folder, GamesData games)
    : Driver(std::move(program_folder), std::string(), std::move(games)) {}

Driver::Driver(std::string program_folder, std::string games_file, std::optional<GamesData> games)
    : engine_(EngineInit(program_folder)), program_folder_(program_folder), games_file_(std::move(games_file)) {
    static const PlayDealRules kPlayRules;
    deal_rules = &kPlayRules;
    score_hook = RecomputeScore;
    PrepareTable(*engine_);
    WriteDefaultSettings(*engine_);
    UseDefaultTable(*engine_);
    games_loaded_ = games.has_value();
    if (games) {
        games_ = std::move(*games);
        LoadCatalogue(*engine_, games_);
    }
    RegisterCommands();
}

void Driver::Register(const std::string& name, Handler handler) { commands_[name] = std::move(handler); }

void Driver::RegisterCommands() {
    Register("quit", [this](Driver&, const Args& args) {
        if (!args.empty()) return Reply::Fail("quit takes no arguments");
        quit_ = true;
        return Reply{};
    });
    RegisterTableCommands(commands_);
    RegisterGameCommands(commands_);
    RegisterPlayCommands(commands_);
    RegisterHistoryCommands(commands_);
    RegisterSessionCommands(commands_);
    RegisterOptionCommands(commands_);
    RegisterLayoutCommands(commands_);
    RegisterGeometryCommands(commands_);
    RegisterShotCommands(commands_);
    RegisterPreviewCommands(commands_);
    RegisterCelebrateCommands(commands_);
    RegisterResultsCommands(commands_);
    RegisterSolverCommands(commands_);
}

namespace {

// What a paused table does not take: every command that plays on it.
bool PlaysOnTable(const std::string& name) {
    for (const char* command : {"drop", "press", "click", "undo", "redo", "bookmark", "goto-bookmark"})
        if (name == command) return true;
    return false;
}

}  // namespace

Reply Driver::Call(const std::string& name, const Args& args) {
    auto it = commands_.find(name);
    if (it == commands_.end()) return Reply::Fail("unknown command '" + name + "'");
    if (paused && PlaysOnTable(name)) return Reply::Fail("the game is paused");
    return it->second(*this, args);
}

bool Driver::Execute(const std::string& line, std::ostream& out) {
    const Args words = SplitWords(line);
    Reply reply;
    if (words.empty()) {
        reply = Reply::Fail("empty command");
    } else {
        try {
            reply = Call(words[0], Args(words.begin() + 1, words.end()));
        } catch (const std::exception& ex) {
            // A last guard: the driver answers, whatever went wrong inside.
            reply = Reply::Fail(std::string("internal: ") + ex.what());
        }
    }
    for (const std::string& l : reply.lines) out << l << '\n';
    out << (reply.error.empty() ? "ok" : "error: " + reply.error) << '\n';
    out.flush();
    return !quit_;
}

void Driver::Run(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line))
        if (!Execute(line, out)) break;
}

}  // namespace velmora::cli
