#include "games_dat_writer.h"

#include <gtest/gtest.h>

#include "engine/model/engine.h"
#include "engine/model/games_file_rules.h"
#include "text/fixed_text.h"

namespace velmora::gamesdat {
namespace {

GameDefinition Game(int id, std::string name, int availability, int seed) {
    GameDefinition game;
    game.id = id;
    game.name = std::move(name);
    game.type = 4;
    game.availability = availability;
    for (int n = 0; n < games_format::kGameEntries; ++n)
        game.entries[static_cast<size_t>(n)] = static_cast<int16_t>((n * 37 + seed) % 2000 - 1000);
    game.entries[1] = -32768;
    game.entries[2] = 32767;
    return game;
}

// What the tool writes comes back, value for value, through the engine's reader.
TEST(GamesDatWriter, EveryValueComesBackThroughTheEngine) {
    const std::vector<GameDefinition> games = {Game(1, "Old Oak O", 0, 1), Game(2, "Withdrawn", 1, 2),
                                               Game(40, "zigzag ~{}", 2, 3)};
    const GamesData data = ParseGamesData(EncodeGamesDat(games));
    auto engine = EngineInit("/nowhere/");
    LoadCatalogue(*engine, data);
    ASSERT_EQ(engine->main_game.Catalogue().size(), 2u);
    EXPECT_EQ(CatalogueIndex(engine->main_game, 2), -1);
    EXPECT_EQ(Columns(engine->main_game.Catalogue()[1], 1, 10), "004 0402 0");
    ASSERT_EQ(data.rules.size(), static_cast<size_t>(games_format::kGameEntries));
    for (const GameDefinition* game : {&games[0], &games[2]}) {
        engine->rules.Set(401, 555);
        ASSERT_TRUE(SelectGame(*engine, game->id, data).ok()) << game->name;
        EXPECT_EQ(engine->params.ParamRead(param::kGameName, 50), game->name);
        for (int n = 0; n < games_format::kGameEntries; ++n)
            ASSERT_EQ(engine->rules[n], game->entries[static_cast<size_t>(n)]) << game->name << " entry " << n;
        EXPECT_EQ(engine->rules[401], 555);
    }
}

}  // namespace
}  // namespace velmora::gamesdat
