#include "engine/model/custom_games.h"

#include <algorithm>

#include "engine/model/games_file.h"
#include "engine/model/games_file_rules.h"

namespace velmora {

const CustomGame* FindCustomGame(const GamesData& data, int id) {
    const auto found = std::find_if(data.custom.begin(), data.custom.end(),
                                    [id](const CustomGame& g) { return g.id == id; });
    return found == data.custom.end() ? nullptr : &*found;
}

int NextCustomGameId(const GamesData& data, const std::vector<int>& taken) {
    for (int id = kFirstCustomGame; id <= kLastCustomGame; ++id)
        if (!FindCustomGame(data, id) && std::find(taken.begin(), taken.end(), id) == taken.end()) return id;
    return -1;
}

bool ReadRulesRow(const TMainGame& game, const GamesData& data, int id, RulesRow& row) {
    if (const CustomGame* custom = FindCustomGame(data, id)) {
        row = custom->entries;
        return true;
    }
    if (CatalogueIndex(game, id) < 0) return false;
    std::vector<int> lines(row.size());
    for (size_t n = 0; n < lines.size(); ++n) lines[n] = static_cast<int>(n);
    const std::vector<int> values = ReadRuleValues(game, data, id, lines);
    for (size_t n = 0; n < row.size(); ++n) {
        if (values[n] == kMissingRuleValue) return false;
        row[n] = static_cast<int16_t>(values[n]);
    }
    return true;
}

std::string GameName(const TMainGame& game, const GamesData& data, int id) {
    if (const CustomGame* custom = FindCustomGame(data, id)) return custom->name;
    return CatalogueName(game, id);
}

int RulesTopicGame(const GamesData& data, int id) {
    const CustomGame* custom = FindCustomGame(data, id);
    return custom ? custom->base : id;
}

}  // namespace velmora
