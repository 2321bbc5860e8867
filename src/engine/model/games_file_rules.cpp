#include "engine/model/games_file_rules.h"

#include <algorithm>
#include <array>

#include "engine/model/engine.h"
#include "engine/model/games_file_format.h"
#include "text/fixed_text.h"
#include "text/sections.h"

namespace velmora {

namespace gf = games_format;

namespace {

constexpr int kGameIdWidth = 4;
constexpr int kGameNameWidth = 50;

// Game k's stored value in a rules line. A game that is not in the catalogue
// (k = -1) reads columns 6 .. 15, which hold no value in a well-formed file,
// so its loading stops at the first line.
std::string StoredValue(const std::string& line, int k) {
    return Columns(line, gf::ValueColumn(k), gf::kValueWidth);
}

bool EntryNumber(const std::string& line, int64_t& entry) {
    return ParseInt(TrimLeftSpaces(TrimRightSpaces(Columns(line, gf::kEntryColumn, gf::kEntryWidth))), entry);
}

RulesLoadResult Unreadable(Engine& engine) {
    engine.rules.ClearGameEntries();
    engine.rules.SaveDealEntries();
    return RulesLoadResult{RulesStatus::kUnreadableFile, 0, -1};
}

void StoreGame(Engine& engine, int id, const GamesData& data) {
    engine.params.ParamWrite(param::kGameId, kGameIdWidth, ZeroPad(id, kGameIdWidth));
    engine.params.ParamWrite(param::kGameName, kGameNameWidth, GameName(engine.main_game, data, id));
}

// A variant's row is whole and checked when it was loaded.
RulesLoadResult LoadCustomRules(Engine& engine, const CustomGame& game) {
    for (size_t n = 0; n < game.entries.size(); ++n) engine.rules.Set(static_cast<int>(n), game.entries[n]);
    engine.rules.SaveDealEntries();
    return RulesLoadResult{RulesStatus::kOk, static_cast<int>(game.entries.size()), -1};
}

}  // namespace

bool DecodeRuleValue(std::string_view stored, int64_t& value) {
    // Every value of every game is decoded at each start: a value (a few
    // characters) is decoded on the stack.
    std::array<char, 32> decoded{};
    if (stored.size() > decoded.size()) return ParseInt(TrimRightSpaces(ShiftText(stored)), value);
    std::transform(stored.begin(), stored.end(), decoded.begin(), ShiftChar);
    const std::string_view text(decoded.data(), stored.size());
    return ParseInt(text.substr(0, text.find_last_not_of(' ') + 1), value);
}

RulesLoadResult LoadRules(Engine& engine, const GamesData& data) {
    engine.rules.ClearGameEntries();
    const int id = CurrentGameId(engine.params);
    if (const CustomGame* custom = FindCustomGame(data, id)) return LoadCustomRules(engine, *custom);
    const int k = CatalogueIndex(engine.main_game, id);
    RulesLoadResult result;
    for (const std::string& line : data.rules) {
        int64_t entry = 0;
        int64_t value = 0;
        if (!EntryNumber(line, entry) || !DecodeRuleValue(StoredValue(line, k), value)) {
            result.status = RulesStatus::kConversionError;
            result.failed_line = result.lines_read;
            break;
        }
        engine.rules.Set(static_cast<int>(entry), value);
        ++result.lines_read;
    }
    engine.rules.SaveDealEntries();
    return result;
}

RulesLoadResult LoadRules(Engine& engine) {
    GamesData data;
    if (!ReadGamesFile(GamesFilePath(engine.params), data)) return Unreadable(engine);
    return LoadRules(engine, data);
}

std::vector<int> ReadRuleValues(const TMainGame& game, const GamesData& data, int id,
                                const std::vector<int>& line_numbers) {
    const int k = CatalogueIndex(game, id);
    const CustomGame* custom = FindCustomGame(data, id);
    std::vector<int> values;
    values.reserve(line_numbers.size());
    for (int n : line_numbers) {
        if (custom) {
            const bool listed = n >= 0 && static_cast<size_t>(n) < custom->entries.size();
            values.push_back(listed ? custom->entries[static_cast<size_t>(n)] : kMissingRuleValue);
            continue;
        }
        int64_t value = 0;
        const bool present = n >= 0 && static_cast<size_t>(n) < data.rules.size() &&
                             DecodeRuleValue(StoredValue(data.rules[static_cast<size_t>(n)], k), value);
        values.push_back(present ? static_cast<int16_t>(value) : kMissingRuleValue);
    }
    return values;
}

std::vector<int> ReadRuleValues(const Engine& engine, int id, const std::vector<int>& line_numbers) {
    GamesData data;
    ReadGamesFile(GamesFilePath(engine.params), data);  // an unreadable file gives no lines
    return ReadRuleValues(engine.main_game, data, id, line_numbers);
}

RulesLoadResult SelectGame(Engine& engine, int id, const GamesData& data) {
    StoreGame(engine, id, data);
    return LoadRules(engine, data);
}

RulesLoadResult SelectGame(Engine& engine, int id) {
    StoreGame(engine, id, GamesData{});
    return LoadRules(engine);
}

int CurrentGameId(const ParamRecord& params) {
    int64_t id = -1;
    return ParseInt(params.ParamRead(param::kGameId, kGameIdWidth), id) ? static_cast<int>(id) : -1;
}

}  // namespace velmora
