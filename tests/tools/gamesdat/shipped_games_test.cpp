// The shipped data/games.txt and the GAMES.DAT the build generated from it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "engine/model/engine.h"
#include "engine/model/games_file_rules.h"
#include "games_source.h"

namespace velmora::gamesdat {
namespace {

GamesSource ShippedSource() {
    std::ifstream in(VELMORA_GAMES_SOURCE, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ParseGamesSource(text);
}

TEST(ShippedGames, GeneratedFileHoldsEveryValueOfTheSource) {
    const GamesSource source = ShippedSource();
    for (const SourceError& error : source.errors) ADD_FAILURE() << FormatError(VELMORA_GAMES_SOURCE, error);
    ASSERT_FALSE(source.games.empty());
    GamesData data;
    ASSERT_TRUE(ReadGamesFile(VELMORA_GAMES_DAT, data));
    auto engine = EngineInit("/nowhere/");
    LoadCatalogue(*engine, data);
    for (const GameDefinition& game : source.games) {
        if (game.availability == 1) continue;
        ASSERT_TRUE(SelectGame(*engine, game.id, data).ok()) << game.name;
        EXPECT_EQ(CatalogueName(engine->main_game, game.id), game.name);
        for (int n = 0; n < games_format::kGameEntries; ++n)
            EXPECT_EQ(engine->rules[n], game.entries[static_cast<size_t>(n)]) << game.name << " entry " << n;
    }
}

// Checks that catch faulty definitions: pile counts within the table, no
// cards dealt to piles the game does not use, no more cards dealt than the
// deck holds, and dialog values inside the dialog's lists.
TEST(ShippedGames, DefinitionsAreConsistent) {
    const std::set<int> dialog_types = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 800};
    for (const GameDefinition& game : ShippedSource().games) {
        SCOPED_TRACE(game.name);
        auto R = [&](int n) { return static_cast<int>(game.entries[static_cast<size_t>(n)]); };
        EXPECT_TRUE(R(307) == 52 || R(307) == 104);
        EXPECT_TRUE(R(303) >= 0 && R(303) <= 16 && R(304) >= 0 && R(304) <= 28 && R(305) >= 0 && R(305) <= 10);
        int dealt = R(308) + R(309) + R(367);
        for (int t = 0; t < 28; ++t) {
            const int count = R(311 + t);
            if (t >= R(304)) {
                EXPECT_EQ(count, 0) << "tableau " << t + 1;
            }
            if (count <= 1000) dealt += count;
        }
        for (int r = 0; r < 10; ++r) {
            if (r >= R(305)) {
                EXPECT_EQ(R(368 + r), 0) << "reserve " << r + 1;
            }
            EXPECT_LE(R(378 + r), R(368 + r)) << "reserve " << r + 1;
            dealt += R(368 + r);
        }
        EXPECT_LE(dealt, R(307) + (R(43) == 1 ? R(310) : 0));
        EXPECT_TRUE(dialog_types.count(game.type));
        EXPECT_TRUE(R(395) >= 0 && R(395) <= 2 && R(396) >= 0 && R(396) <= 2);
        EXPECT_TRUE(R(397) >= 0 && R(397) <= 4 && R(398) >= 0 && R(398) <= 4);
        EXPECT_TRUE(R(400) == 0 || (R(399) >= 0 && R(399) <= R(400)));
    }
}

}  // namespace
}  // namespace velmora::gamesdat
