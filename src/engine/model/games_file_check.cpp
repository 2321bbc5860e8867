#include "engine/model/games_file_check.h"

#include <algorithm>
#include <filesystem>
#include <array>
#include <cstdint>
#include <limits>

#include "engine/model/games_file_format.h"
#include "engine/model/games_file_rules.h"
#include "text/fixed_text.h"
#include "text/name_on_disk.h"
#include "text/whole_file.h"

namespace velmora {
namespace {

namespace gf = games_format;

// Ids are three digits, so no catalogue lists more games than this.
constexpr size_t kMaxGames = 1000;
// Every card code of two decks and four jokers.
constexpr int kMaxCards = 108;
constexpr int kOneDeck = 52;
constexpr int kTwoDecks = 104;

struct EntryRange {
    int first_entry;
    int last_entry;
    int low;
    int high;
};

// The entries whose values the engine uses as counts or modes, with the
// values it can deal and draw.
constexpr std::array<EntryRange, 12> kRanges = {{
    {3, 5, 0, 9},              // fan modes of the tableau, foundations and reserves
    {14, 14, -1, 1000},        // passes through the stock
    {21, 21, 0, kMaxCards},    // cards turned per stock press
    {303, 303, 0, 16},         // foundations in use
    {304, 304, 0, 28},         // tableau piles in use
    {305, 305, 0, 10},         // reserves in use
    {307, 307, 1, kTwoDecks},  // cards in the game, jokers apart
    {308, 309, 0, kMaxCards},  // cards dealt to the stock and the waste
    {310, 310, 0, 4},          // jokers
    {311, 338, 0, kMaxCards},  // cards dealt to each tableau pile
    {339, 366, 0, kMaxCards},  // face-up cards of each tableau pile
    {367, 367, 0, kMaxCards},  // cards dealt to the second waste
}};

// One deck or two: the shuffle knows no other.
bool PlayableCardCount(int cards) { return cards == kTwoDecks || (cards >= 1 && cards <= kOneDeck); }

bool InRange(int entry, int value) {
    for (const EntryRange& range : kRanges) {
        if (entry < range.first_entry || entry > range.last_entry) continue;
        if (value < range.low || value > range.high) return false;
    }
    return entry != 307 || PlayableCardCount(value);
}

bool HasThreeDigitId(const std::string& decoded_line) {
    const std::string id = Columns(decoded_line, gf::kIdColumn, gf::kIdWidth);
    return id.size() == static_cast<size_t>(gf::kIdWidth) &&
           std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsEntryLine(const std::string& line, int entry) {
    int64_t number = -1;
    return ParseInt(TrimLeftSpaces(TrimRightSpaces(Columns(line, gf::kEntryColumn, gf::kEntryWidth))), number) &&
           number == entry;
}

GamesCheck CheckGame(const GamesData& data, int k) {
    for (int entry = 0; entry < gf::kGameEntries; ++entry) {
        const std::string& line = data.rules[static_cast<size_t>(entry)];
        int64_t value = 0;
        if (!DecodeRuleValue(ColumnView(line, gf::ValueColumn(k), gf::kValueWidth), value) ||
            value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
            return GamesCheck{GamesFault::kBadValue, k, entry};
        if (!InRange(entry, static_cast<int>(value))) return GamesCheck{GamesFault::kOutOfRange, k, entry};
    }
    return GamesCheck{};
}

// The file in the folder of `path` whose name matches without regard to
// case; a folder of that name is never taken for it.
std::string ResolveNoCase(const std::string& path) {
    std::filesystem::path resolved(path);
    if (!resolved.has_filename()) return path;
    return resolved
        .replace_filename(SpellingOnDisk(resolved.parent_path(), resolved.filename().string(), EntryKind::File))
        .string();
}

}  // namespace

GamesCheck CheckRulesRow(const RulesRow& row) {
    for (int entry = 0; entry < gf::kGameEntries; ++entry)
        if (!InRange(entry, row[static_cast<size_t>(entry)])) return GamesCheck{GamesFault::kOutOfRange, -1, entry};
    return GamesCheck{};
}

GamesFileResult LoadGamesFile(const std::string& path, GamesData& out) {
    out = GamesData{};
    std::string contents;
    switch (ReadRegularFileUpTo(ResolveNoCase(path), kMaxGamesFileBytes, contents)) {
        case FileRead::kRead: break;
        case FileRead::kMissing: return GamesFileResult{GamesFileStatus::kMissing, {}};
        case FileRead::kUnreadable: return GamesFileResult{GamesFileStatus::kUnreadable, {}};
        case FileRead::kTooLarge:
            return GamesFileResult{GamesFileStatus::kDamaged, GamesCheck{GamesFault::kTooLarge}};
    }
    GamesData data = ParseGamesData(contents);
    const GamesCheck check = CheckGamesData(data);
    if (!check.ok()) return GamesFileResult{GamesFileStatus::kDamaged, check};
    out = std::move(data);
    return GamesFileResult{};
}

GamesCheck CheckGamesData(const GamesData& data) {
    const std::vector<std::string> catalogue = DecodeCatalogue(data);
    if (catalogue.empty()) return GamesCheck{GamesFault::kNoGames};
    if (catalogue.size() > kMaxGames || !std::all_of(catalogue.begin(), catalogue.end(), HasThreeDigitId))
        return GamesCheck{GamesFault::kBadCatalogue};
    if (data.rules.size() < static_cast<size_t>(gf::kGameEntries)) return GamesCheck{GamesFault::kMissingRules};
    for (int entry = 0; entry < gf::kGameEntries; ++entry)
        if (!IsEntryLine(data.rules[static_cast<size_t>(entry)], entry))
            return GamesCheck{GamesFault::kMissingRules, -1, entry};
    for (int k = 0; k < static_cast<int>(catalogue.size()); ++k) {
        const GamesCheck game = CheckGame(data, k);
        if (!game.ok()) return game;
    }
    return GamesCheck{};
}

std::string DescribeGamesFault(const GamesCheck& check) {
    const std::string where = check.game >= 0 ? " (game " + std::to_string(check.game + 1) + " of the list, entry " +
                                                    std::to_string(check.entry) + ")"
                                              : std::string();
    switch (check.fault) {
        case GamesFault::kNone: return {};
        case GamesFault::kTooLarge: return "It is far too large.";
        case GamesFault::kNoGames: return "It lists no games.";
        case GamesFault::kBadCatalogue: return "Its list of games is damaged.";
        case GamesFault::kMissingRules:
            return check.entry >= 0 ? "Its rules are damaged at entry " + std::to_string(check.entry) + "."
                                    : "Its rules are incomplete.";
        case GamesFault::kBadValue: return "A rules value is not a number" + where + ".";
        case GamesFault::kOutOfRange: return "A rules value is out of range" + where + ".";
    }
    return {};
}

}  // namespace velmora
