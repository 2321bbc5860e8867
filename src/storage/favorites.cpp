#include "storage/favorites.h"

#include <algorithm>
#include <string>

#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr std::string_view kFavoritesSection = "Favorites";
constexpr std::string_view kGamesKey = "Games";
// Game numbers have four digits at most.
constexpr int64_t kLastGameNumber = 9999;

void SortUnique(std::vector<int>& games) {
    std::ranges::sort(games);
    games.erase(std::unique(games.begin(), games.end()), games.end());
}

}  // namespace

std::vector<int> ReadFavoriteGames(const SettingsFile& file) {
    const std::string value = file.Ini().ReadString(kFavoritesSection, kGamesKey, "");
    std::vector<int> games;
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find(',', start);
        if (end == std::string::npos) end = value.size();
        int64_t number = -1;
        const std::string item = TrimLeftSpaces(TrimRightSpaces(std::string_view(value).substr(start, end - start)));
        if (ParseInt(item, number) && number >= 0 && number <= kLastGameNumber)
            games.push_back(static_cast<int>(number));
        start = end + 1;
    }
    SortUnique(games);
    return games;
}

bool WriteFavoriteGames(SettingsFile& file, std::vector<int> games) {
    std::erase_if(games, [](int game) { return game < 0 || game > kLastGameNumber; });
    SortUnique(games);
    std::string value;
    for (const int game : games) {
        if (!value.empty()) value += ',';
        value += std::to_string(game);
    }
    return file.WriteOther(kFavoritesSection, kGamesKey, value);
}

bool IsFavoriteGame(const SettingsFile& file, int game) {
    return std::ranges::binary_search(ReadFavoriteGames(file), game);
}

bool SetFavoriteGame(SettingsFile& file, int game, bool favorite) {
    std::vector<int> games = ReadFavoriteGames(file);
    if (favorite) {
        games.push_back(game);
    } else {
        std::erase(games, game);
    }
    return WriteFavoriteGames(file, std::move(games));
}

}  // namespace velmora
