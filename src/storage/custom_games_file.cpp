#include "storage/custom_games_file.h"

#include <algorithm>
#include <map>

#include "engine/model/games_file_check.h"
#include "games_source.h"
#include "platform/durable_files.h"
#include "platform/files.h"
#include "text/sections.h"
#include "text/whole_file.h"

namespace velmora {
namespace {

// Far above what a player makes (a variant takes a few kilobytes).
constexpr size_t kLargestFile = 4u << 20;
constexpr std::string_view kSetAsideEnding = ".bad";
constexpr std::string_view kHeading =
    "# Velmora: the player's own variants of the catalogue games.\n"
    "# Written by the program; a block that does not read is left out.\n";

std::string Quoted(const gamesdat::GameDefinition& game) {
    return "Game " + std::to_string(game.id) + (game.name.empty() ? "" : " \"" + game.name + "\"");
}

// The line of the block header each line of the text falls under (0 before
// the first header).
std::vector<int> BlockOfLines(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    std::vector<int> block(lines.size() + 2, 0);
    int current = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t first = lines[i].find_first_not_of(" \t");
        if (first != std::string::npos && lines[i][first] == '[') current = static_cast<int>(i) + 1;
        block[i + 1] = current;
    }
    return block;
}

CustomGame ToCustomGame(const gamesdat::GameDefinition& game) {
    CustomGame custom;
    custom.id = game.id;
    custom.base = game.base;
    custom.name = game.name;
    custom.entries = game.entries;
    return custom;
}

// A name "file.bad", "file.bad2", ... that no file carries yet.
std::string FreeSetAsideName(const std::string& path) {
    const std::string stem = path + std::string(kSetAsideEnding);
    std::string name = stem;
    for (int n = 2; FileExists(name) || DirectoryExists(name); ++n) name = stem + std::to_string(n);
    return name;
}

}  // namespace

std::string CustomGamesPath(const ParamRecord& params) {
    return FindPath(params.DataFolder(), kCustomGamesName, EntryKind::File);
}

CustomGamesFile ParseCustomGames(std::string_view text, const std::string& path) {
    CustomGamesFile file;
    file.path = path;
    const gamesdat::GamesSource source =
        gamesdat::ParseGamesSource(text, gamesdat::SourceIds{kFirstCustomGame, kLastCustomGame});
    const std::vector<int> block = BlockOfLines(text);
    std::map<int, std::string> faults;  // by block header line: the first fault of the block
    for (const gamesdat::SourceError& error : source.errors) {
        const size_t at = std::min(static_cast<size_t>(std::max(error.line, 0)), block.size() - 1);
        const int header = block[at];
        if (!faults.count(header)) faults[header] = "line " + std::to_string(error.line) + ": " + error.message;
    }
    for (const gamesdat::GameDefinition& game : source.games) {
        auto fault = faults.find(game.line);
        if (fault == faults.end()) {
            const GamesCheck check = CheckRulesRow(game.entries);
            if (check.ok()) {
                file.games.push_back(ToCustomGame(game));
                continue;
            }
            faults[game.line] = "rules entry " + std::to_string(check.entry) + " holds a value the game cannot be played with";
            fault = faults.find(game.line);
        }
        file.refused_ids.push_back(game.id);
        file.problems.push_back(Quoted(game) + " is left out: " + fault->second + ".");
        faults.erase(fault);
    }
    // Faults of blocks that never became a game (a bad header, a missing name).
    for (const auto& [header, fault] : faults) file.problems.push_back("A block is left out: " + fault + ".");
    // An empty file reads as "no game defined": that is no damage.
    if (file.games.empty() && source.games.empty() && text.find('[') == std::string_view::npos) file.problems.clear();
    file.damaged = !file.problems.empty();
    return file;
}

CustomGamesFile ReadCustomGames(const std::string& path) {
    std::string text;
    switch (ReadRegularFileUpTo(path, kLargestFile, text)) {
        case FileRead::kRead: return ParseCustomGames(text, path);
        case FileRead::kMissing: break;
        case FileRead::kUnreadable:
        case FileRead::kTooLarge: {
            CustomGamesFile file;
            file.path = path;
            file.unreadable = true;
            file.problems.push_back("The file cannot be read.");
            return file;
        }
    }
    CustomGamesFile file;
    file.path = path;
    return file;
}

std::string FormatCustomGames(const std::vector<CustomGame>& games) {
    std::string text(kHeading);
    for (const CustomGame& game : games) {
        text += "\n[game " + std::to_string(game.id) + "]\n";
        text += "name = " + game.name + "\n";
        text += "type = " + std::to_string(kCustomGameType) + "\n";
        text += "base = " + std::to_string(game.base) + "\n";
        for (size_t n = 0; n < game.entries.size(); ++n)
            if (game.entries[n] != 0) text += std::to_string(n) + " = " + std::to_string(game.entries[n]) + "\n";
    }
    return text;
}

bool IsValidVariantName(std::string_view name) {
    if (name.empty() || name.size() > static_cast<size_t>(games_format::kNameWidth)) return false;
    if (name.front() == ' ' || name.back() == ' ') return false;
    return std::all_of(name.begin(), name.end(), [](char c) { return c >= ' ' && c <= '~' && c != '#'; });
}

bool WriteCustomGames(CustomGamesFile& file, const std::vector<CustomGame>& games, std::string& why) {
    if (file.unreadable) {
        why = "The file " + file.path + " cannot be read, so it is not written over.";
        return false;
    }
    if (file.damaged && FileExists(file.path)) {
        const std::string aside = FreeSetAsideName(file.path);
        if (!RenameFile(file.path, aside)) {
            why = "The damaged file " + file.path + " could not be renamed to " + aside + ".";
            return false;
        }
    }
    file.damaged = false;
    file.problems.clear();
    if (!ReplaceFileContents(file.path, FormatCustomGames(games))) {
        why = "The file " + file.path + " could not be written.";
        return false;
    }
    file.games = games;
    return true;
}

bool AddCustomGame(CustomGamesFile& file, const CustomGame& game, std::string& why) {
    std::vector<CustomGame> games = file.games;
    games.push_back(game);
    return WriteCustomGames(file, games, why);
}

bool DeleteCustomGame(CustomGamesFile& file, int id, std::string& why) {
    std::vector<CustomGame> games = file.games;
    std::erase_if(games, [id](const CustomGame& g) { return g.id == id; });
    return WriteCustomGames(file, games, why);
}

std::string DescribeCustomGameProblems(const CustomGamesFile& file) {
    if (file.problems.empty()) return {};
    std::string text = "Some of your own games could not be loaded from " + file.path + ":";
    for (const std::string& problem : file.problems) text += "\n" + problem;
    if (file.unreadable) return text + "\nYour own games are not available, and the file is left as it is.";
    return text + "\nThe file is kept: before it is next written it is renamed with the ending \".bad\".";
}

}  // namespace velmora
