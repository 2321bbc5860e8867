#include "storage/game_autoplay.h"

#include "storage/preference_keys.h"

namespace velmora {
namespace {

constexpr int kFirstCustomGame = 8000;

std::string CustomKey(int game) {
    std::string digits = std::to_string(game);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return "Cust_" + digits;
}

}  // namespace

bool GameAutoplayOn(const SettingsFile& file, int game) {
    if (game < 0) return true;
    if (game >= kFirstCustomGame) {
        return file.Ini().ReadString(key::kAutoplaySection, CustomKey(game), "Y").substr(0, 1) != "N";
    }
    const std::string games = file.Read(key::kAutoplayGames);
    const size_t index = static_cast<size_t>(game);
    return index >= games.size() || games[index] != 'N';
}

std::string WithGameSwitch(std::string games, int game, char state) {
    if (game < 0) return games;
    const size_t index = static_cast<size_t>(game);
    if (index + 1 >= games.size()) games.resize(index + 10, 'Y');
    games[index] = state;
    return games;
}

bool WriteGameAutoplay(SettingsFile& file, int game, bool on) {
    if (game < 0) return false;
    const char state = on ? 'Y' : 'N';
    if (game >= kFirstCustomGame) {
        return file.WriteOther(key::kAutoplaySection, CustomKey(game), std::string(1, state));
    }
    return file.Write(key::kAutoplayGames, WithGameSwitch(file.Read(key::kAutoplayGames), game, state));
}

}  // namespace velmora
