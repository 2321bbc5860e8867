#pragma once
// GAMES.DAT text built by hand, independently of the encoding tool.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/games_file_format.h"
#include "text/fixed_text.h"
#include "text/sections.h"

namespace velmora::games_text {

// A stored catalogue line.
inline std::string CatalogueLine(int id, std::string_view name, char availability = '0') {
    return ShiftText("004 " + ZeroPad(id, 3) + availability + " 1" + PadRight(name, 50));
}

// A stored rules line: the entry, then one value per game.
inline std::string RulesLine(int entry, const std::vector<std::string>& values) {
    std::string line = ZeroPad(entry, 4) + Spaces(12);
    for (const std::string& value : values) line += ShiftText(PadRight(value, 10)) + " ";
    return line;
}

inline std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

struct Game {
    int id;
    std::string name;
    std::map<int, std::string> values;  // entries left out are 0, the card count 52
};

// A whole file the engine can play: every entry 0 .. 400 for every game.
inline std::vector<std::string> PlayableLines(const std::vector<Game>& games) {
    std::vector<std::string> lines = {"[Sect1]"};
    for (const Game& game : games) lines.push_back(CatalogueLine(game.id, game.name));
    lines.push_back("[Sect2]");
    for (int entry = 0; entry < games_format::kGameEntries; ++entry) {
        std::vector<std::string> values;
        for (const Game& game : games) {
            const auto set = game.values.find(entry);
            values.push_back(set != game.values.end() ? set->second : entry == 307 ? "52" : "0");
        }
        lines.push_back(RulesLine(entry, values));
    }
    return lines;
}

inline std::string PlayableText(const std::vector<Game>& games) { return Join(PlayableLines(games)); }

}  // namespace velmora::games_text
