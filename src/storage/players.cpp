#include "storage/players.h"

#include "storage/preference_keys.h"

namespace velmora {

void EnsureDefaultPlayers(ParamRecord& params, SettingsFile& file) {
    if (!params.ParamRead(kCurrentPlayer, kCurrentPlayerLength).empty()) return;
    file.Write(key::kUserDefault, "Player 1");
    file.Write(key::kUser001, "Player 1");
    file.Write(key::kUser002, "Player 2");
    file.Write(key::kUser003, "Player 3");
    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "Player 1");
}

bool SetCurrentPlayer(ParamRecord& params, SettingsFile& file, std::string_view name) {
    if (name == params.ParamRead(kCurrentPlayer, kCurrentPlayerLength)) return false;
    params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, name);
    // Write what the record holds, so the next start-up loads the same name.
    file.Write(key::kUserDefault, params.ParamRead(kCurrentPlayer, kCurrentPlayerLength));
    return true;
}

}  // namespace velmora
