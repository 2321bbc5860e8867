#pragma once
// What the game selection dialog shows, as plain values: the game list (one
// fixed-column entry per catalogue game, sorted by name), the class texts
// and icon names of the information panel, decks and redeals, the tree's
// image list names and the icon of each game type.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class TMainGame;
struct GamesData;

namespace open_game {

// The identities the tree nodes carry: games their number, categories
// negative.
inline constexpr int kPlaceholderNode = -1;
inline constexpr int kFavoritesRoot = -10;
inline constexpr int kAllGamesRoot = -30;
inline constexpr int kCustomGamesRoot = -40;  // the player's own games

// A game list entry: columns 1-50 the name padded with spaces, 51-53 the
// game type, 54-56 the game number, 57 the new-game flag ("1" = new).
std::string GameListEntry(std::string_view catalogue_line);
// One entry per catalogue line, sorted by the whole entry without regard to
// case (so by name).
std::vector<std::string> BuildGameList(const std::vector<std::string>& catalogue);

struct GameListItem {
    std::string name;  // trailing spaces removed
    int type = 0;      // 0 when the column holds no number
    int number = -1;   // -1 when the column holds no number
    bool is_new = false;
};
GameListItem ReadGameListEntry(std::string_view entry);
// The player's own games as tree items, by name, with their group's icon.
std::vector<GameListItem> CustomGameItems(const GamesData& data);

// The class texts; empty for a class outside its list.
std::string_view GameTimeText(int game_time);     // 0 long .. 2 quick
std::string_view DifficultyText(int difficulty);  // 0 easy .. 2 hard
std::string_view ChanceText(int chance);          // 0 very high .. 4 very low
std::string_view SkillText(int skill);            // 0 difficult .. 4 chance only

// The class icons' bitmap names; empty for a class outside its list.
std::string_view GameTimeIcon(int game_time);
std::string_view DifficultyIcon(int difficulty);
std::string_view ChanceIcon(int chance);
std::string_view SkillIcon(int skill);

// The chance text, followed by " (about X in Y)" when Y is not 0.
std::string WinningText(int chance, int about_x, int in_y);
// Cards / 52 to the nearest whole number, halves to the even one.
std::string DecksText(int cards);
// Passes through the stock as redeals: -1 "Unlimited", 0 "0", else one less.
std::string RedealsText(int passes);

// The values the information panel reads from the game definitions.
struct GameFacts {
    int game_time = 0;
    int difficulty = 0;
    int skill = 0;
    int chance = 0;
    int about_x = 0;
    int in_y = 0;
    int passes = 0;
    int cards = 0;
};
GameFacts ReadGameFacts(const TMainGame& game, const GamesData& data, int number);

// The panel's texts and icon names for one game.
struct GameDescription {
    std::string decks;
    std::string game_time;
    std::string difficulty;
    std::string winning;
    std::string skill;
    std::string redeals;
    std::string_view game_time_icon;
    std::string_view difficulty_icon;
    std::string_view winning_icon;
    std::string_view skill_icon;
};
GameDescription DescribeGame(const GameFacts& facts);

// The bitmap of a game type's tree icon; empty for a type without one.
std::string_view TypeBitmapName(int type);
// The tree image list index of a game type's icon; 0 for a type without one.
int TypeIcon(int type);
// The tree image list, in order: the icon numbers index it.
const std::vector<std::string>& GameTreeImageNames();

// The help topic of a game's rules; none for numbers of 8000 and above.
std::optional<int> RulesTopic(int number);
// The preview bitmap of a game: "GAME" and its four-digit number; a game of
// the player's own shows the one of the game it was made from.
std::string PreviewBitmapName(const GamesData& games, int number);

}  // namespace open_game
}  // namespace velmora
