#include "ui/dialogs/open_game_list.h"

#include <algorithm>
#include <array>

#include "engine/layout/nearest.h"
#include "engine/model/custom_games.h"
#include "engine/model/games_file.h"
#include "engine/model/games_file_format.h"
#include "engine/model/games_file_rules.h"
#include "text/ascii_case.h"
#include "text/fixed_text.h"

namespace velmora::open_game {
namespace {

namespace gf = games_format;

// Columns of a game list entry.
constexpr int kEntryNameColumn = 1;
constexpr int kEntryTypeColumn = kEntryNameColumn + gf::kNameWidth;
constexpr int kEntryNumberColumn = kEntryTypeColumn + gf::kTypeWidth;
constexpr int kEntryNewColumn = kEntryNumberColumn + gf::kIdWidth;

constexpr int kCardsPerDeck = 52;
constexpr int kUnlimitedPasses = -1;
constexpr int kRulesTopicBase = 3000;

// The game definition entries the panel reads, in GameFacts order.
const std::vector<int> kFactLines = {395, 396, 397, 398, 399, 400, 14, 307};

constexpr std::array<std::string_view, 3> kGameTimes = {"Long", "Medium", "Quick"};
constexpr std::array<std::string_view, 3> kDifficulties = {"Easy", "Medium", "Hard"};
constexpr std::array<std::string_view, 5> kChances = {"Very high", "High", "Medium", "Low",
                                                      "Very low"};
constexpr std::array<std::string_view, 5> kSkills = {"Difficult", "Mostly skill", "Moderate",
                                                     "Mostly chance", "Chance only"};

constexpr std::array<std::string_view, 3> kGameTimeIcons = {"PROG_TIME_LONG", "PROG_TIME_MEDIUM",
                                                            "PROG_TIME_QUICK"};
constexpr std::array<std::string_view, 3> kDifficultyIcons = {"PROG_DIFF_EASY", "PROG_DIFF_MEDIUM",
                                                              "PROG_DIFF_HARD"};
constexpr std::array<std::string_view, 5> kChanceIcons = {
    "PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW",
    "PROG_CHAN_VERYLOW"};
constexpr std::array<std::string_view, 5> kSkillIcons = {
    "PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE",
    "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY"};

struct GameType {
    int type;
    std::string_view bitmap;
    int icon;
};

constexpr int kFirstType = 2;
constexpr int kLastType = 22;

// Types 2 to 22 in order, then the customised games.
constexpr std::array<GameType, 22> kGameTypes = {{
    {2, "TREE5_CANFIELD_TYPE", 11},
    {3, "TREE5_FORTYTHIEVES_TYPE", 13},
    {4, "TREE5_FREECELL_TYPE", 14},
    {5, "TREE5_KLONDIKE_TYPE", 15},
    {6, "TREE5_PAIRING_TYPE", 16},
    {7, "TREE5_SIMPLEGAMES_TYPE", 17},
    {8, "TREE5_SPIDER_TYPE", 18},
    {9, "TREE5_1DECK_TYPE", 19},
    {10, "TREE5_2DECK_TYPE", 20},
    {11, "TREE5_FAN_TYPE", 12},
    {12, "TREE5_BAKERSDOZEN_TYPE", 25},
    {13, "TREE5_ROW_TYPE", 34},
    {14, "TREE5_PUZZLE_TYPE", 30},
    {15, "TREE5_ADDITION_TYPE", 31},
    {16, "TREE5_MEMORY_TYPE", 32},
    {17, "TREE5_BELEAGUEREDCASTLE_TYPE", 33},
    {18, "TREE5_QUEENOFITALY_TYPE", 36},
    {19, "TREE5_YUKON_TYPE", 24},
    {20, "TREE5_MATHEMATICAL_TYPE", 37},
    {21, "TREE5_SIRTOMMY_TYPE", 38},
    {22, "TREE5_NONBUILDERS_TYPE", 39},
    {kCustomGameType, "TREE5_CUSTOMIZED_GAMES", 23},
}};

const GameType* FindType(int type) {
    const auto found = std::find_if(kGameTypes.begin(), kGameTypes.end(),
                                    [type](const GameType& t) { return t.type == type; });
    return found == kGameTypes.end() ? nullptr : &*found;
}

template <size_t N>
std::string_view Listed(const std::array<std::string_view, N>& list, int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? list[static_cast<size_t>(index)]
                                                         : std::string_view();
}

// A class value outside its list (an unset one arrives as -99) reads as a
// dash, so the row never looks broken.
template <size_t N>
std::string_view ListedText(const std::array<std::string_view, N>& list, int index) {
    const std::string_view text = Listed(list, index);
    return text.empty() ? std::string_view("-") : text;
}

// The fixed columns of a line, padded so a short line keeps the entry's shape.
std::string Field(std::string_view line, int column, int width) {
    return PadRight(Columns(line, column, width), width);
}

int NumberIn(std::string_view text, int fallback) {
    int64_t value = 0;
    return ParseInt(TrimLeftSpaces(TrimRightSpaces(text)), value) ? static_cast<int>(value)
                                                                   : fallback;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

std::vector<std::string> MakeImageNames() {
    std::vector<std::string> names = {"TREE1",   "TREE2",   "N_TREE3", "N_TREE4",
                                      "N_TREE5", "F_TREE1", "F_TREE2", "S_TREE1",
                                      "S_TREE2", "D_TREE1", "D_TREE2"};
    for (int type : {2, 11, 3, 4, 5, 6, 7, 8, 9, 10}) names.emplace_back(TypeBitmapName(type));
    names.insert(names.end(), {"C_TREE1", "C_TREE2", "TREE5_CUSTOMIZED_GAMES"});
    for (int type : {19, 12}) names.emplace_back(TypeBitmapName(type));
    names.insert(names.end(), {"T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2"});
    for (int type : {14, 15, 16, 17, 13}) names.emplace_back(TypeBitmapName(type));
    names.emplace_back("TREE5_ORIGINAL_TYPE");
    for (int type : {18, 20, 21, 22}) names.emplace_back(TypeBitmapName(type));
    names.insert(names.end(), {"TREE5_CUSTOMIZED_GAMES_WIN", "TREE5_CUSTOMIZED_GAMES_NOWIN"});
    for (std::string_view suffix : {"_WIN", "_NOWIN"}) {
        for (int type = kFirstType; type <= kLastType; ++type)
            names.push_back(std::string(TypeBitmapName(type)) + std::string(suffix));
    }
    return names;
}

}  // namespace

std::string GameListEntry(std::string_view catalogue_line) {
    return Field(catalogue_line, gf::kNameColumn, gf::kNameWidth) +
           Field(catalogue_line, gf::kTypeColumn, gf::kTypeWidth) +
           Field(catalogue_line, gf::kIdColumn, gf::kIdWidth) +
           Field(catalogue_line, gf::kNewFlagColumn, 1);
}

std::vector<std::string> BuildGameList(const std::vector<std::string>& catalogue) {
    std::vector<std::string> list;
    list.reserve(catalogue.size());
    for (const std::string& line : catalogue) list.push_back(GameListEntry(line));
    std::stable_sort(list.begin(), list.end(), LessIgnoringCase);
    return list;
}

GameListItem ReadGameListEntry(std::string_view entry) {
    GameListItem item;
    item.name = TrimRightSpaces(Columns(entry, kEntryNameColumn, gf::kNameWidth));
    item.type = NumberIn(Columns(entry, kEntryTypeColumn, gf::kTypeWidth), 0);
    item.number = NumberIn(Columns(entry, kEntryNumberColumn, gf::kIdWidth), -1);
    item.is_new = Columns(entry, kEntryNewColumn, 1) == "1";
    return item;
}

std::string_view GameTimeText(int game_time) { return ListedText(kGameTimes, game_time); }
std::string_view DifficultyText(int difficulty) { return ListedText(kDifficulties, difficulty); }
std::string_view ChanceText(int chance) { return ListedText(kChances, chance); }
std::string_view SkillText(int skill) { return ListedText(kSkills, skill); }

std::string_view GameTimeIcon(int game_time) { return Listed(kGameTimeIcons, game_time); }
std::string_view DifficultyIcon(int difficulty) { return Listed(kDifficultyIcons, difficulty); }
std::string_view ChanceIcon(int chance) { return Listed(kChanceIcons, chance); }
std::string_view SkillIcon(int skill) { return Listed(kSkillIcons, skill); }

std::string WinningText(int chance, int about_x, int in_y) {
    std::string text(ChanceText(chance));
    if (in_y != 0)
        text += " (about " + std::to_string(about_x) + " in " + std::to_string(in_y) + ")";
    return text;
}

std::string DecksText(int cards) { return std::to_string(NearestRatio(cards, kCardsPerDeck)); }

std::string RedealsText(int passes) {
    if (passes == kUnlimitedPasses) return "Unlimited";
    if (passes == 0) return "0";
    return std::to_string(passes - 1);
}

GameFacts ReadGameFacts(const TMainGame& game, const GamesData& data, int number) {
    const std::vector<int> v = ReadRuleValues(game, data, number, kFactLines);
    return GameFacts{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
}

GameDescription DescribeGame(const GameFacts& facts) {
    GameDescription d;
    d.decks = DecksText(facts.cards);
    d.game_time = GameTimeText(facts.game_time);
    d.difficulty = DifficultyText(facts.difficulty);
    d.winning = WinningText(facts.chance, facts.about_x, facts.in_y);
    d.skill = SkillText(facts.skill);
    d.redeals = RedealsText(facts.passes);
    d.game_time_icon = GameTimeIcon(facts.game_time);
    d.difficulty_icon = DifficultyIcon(facts.difficulty);
    d.winning_icon = ChanceIcon(facts.chance);
    d.skill_icon = SkillIcon(facts.skill);
    return d;
}

std::string_view TypeBitmapName(int type) {
    const GameType* found = FindType(type);
    return found ? found->bitmap : std::string_view();
}

int TypeIcon(int type) {
    const GameType* found = FindType(type);
    return found ? found->icon : 0;
}

const std::vector<std::string>& GameTreeImageNames() {
    static const std::vector<std::string> names = MakeImageNames();
    return names;
}

std::vector<GameListItem> CustomGameItems(const GamesData& data) {
    std::vector<GameListItem> items;
    for (const CustomGame& game : data.custom) items.push_back(GameListItem{game.name, kCustomGameType, game.id, false});
    std::stable_sort(items.begin(), items.end(), [](const GameListItem& a, const GameListItem& b) {
        return LessIgnoringCase(a.name, b.name);
    });
    return items;
}

std::optional<int> RulesTopic(int number) {
    if (number >= gf::kFirstNonCatalogueId) return std::nullopt;
    return kRulesTopicBase + number;
}

std::string PreviewBitmapName(const GamesData& games, int number) {
    if (const CustomGame* custom = FindCustomGame(games, number)) number = custom->base;
    return "GAME" + ZeroPad(number, 4);
}

}  // namespace velmora::open_game
