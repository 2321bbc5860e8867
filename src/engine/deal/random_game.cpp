#include "engine/deal/random_game.h"

#include <vector>

#include "engine/model/random_draw.h"
#include "text/fixed_text.h"

namespace velmora {

int DrawRandomGame(Engine& e, int current) {
    std::vector<int> others;
    bool current_listed = false;
    for (const std::string& line : e.main_game.Catalogue()) {
        int64_t id = 0;
        if (!ParseInt(Columns(line, 5, 3), id)) continue;
        if (id == current)
            current_listed = true;
        else
            others.push_back(static_cast<int>(id));
    }
    if (others.empty()) return current_listed ? current : -1;
    return others[static_cast<size_t>(RandomBelow(e.random, static_cast<int>(others.size())))];
}

}  // namespace velmora
