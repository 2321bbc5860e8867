#include "games_source.h"

#include <gtest/gtest.h>

namespace velmora::gamesdat {
namespace {

std::vector<int> ErrorLines(const GamesSource& source) {
    std::vector<int> lines;
    for (const SourceError& error : source.errors) lines.push_back(error.line);
    return lines;
}

TEST(GamesSource, ReadsBlocksWithCatalogueFieldsEntriesAndCharacterValues) {
    const GamesSource source = ParseGamesSource(
        "# comment line\n"
        "[game 12]\n"
        "name      = Baker's Row   # apostrophes are fine\n"
        "type = 13\n"
        "new=1\n"
        "available = 2\n"
        "\t304 = 8\n"
        "048 = 'Q'   # leading zeros name the same entry\n"
        "400 = -32768\n"
        "[game 3]\r\n"
        "name = Other\r\n");
    ASSERT_TRUE(source.errors.empty()) << FormatError("games.txt", source.errors.front());
    ASSERT_EQ(source.games.size(), 2u);
    const GameDefinition& game = source.games[0];
    EXPECT_EQ(game.id, 12);
    EXPECT_EQ(game.name, "Baker's Row");
    EXPECT_EQ(game.type, 13);
    EXPECT_EQ(game.new_flag, 1);
    EXPECT_EQ(game.availability, 2);
    EXPECT_EQ(game.line, 2);
    EXPECT_EQ(game.entries[304], 8);
    EXPECT_EQ(game.entries[48], 81);
    EXPECT_EQ(game.entries[400], -32768);
    EXPECT_EQ(game.entries[0], 0);
    EXPECT_EQ(source.games[1].id, 3);
    EXPECT_EQ(source.games[1].type, 0);
}

TEST(GamesSource, ReportsEveryFaultWithItsLine) {
    const GamesSource source = ParseGamesSource(
        "304 = 8\n"                  // 1: outside a block
        "[game 1]\n"                 // 2
        "name = A\n"
        "304 = 8\n"
        "304 = 9\n"                  // 5: set twice
        "401 = 1\n"                  // 6: not a game entry
        "305 = 40000\n"              // 7: out of 16 bits
        "306 = 3x\n"                 // 8: not a number
        "colour = red\n"             // 9: unknown key
        "available = 3\n"            // 10: out of range
        "just text\n"                // 11: no '='
        "[game 1]\n"                 // 12: id defined twice
        "name = B\n"
        "[game 1000]\n"              // 14: id too wide
        "[game 2]\n"                 // 15: no name (reported when the block ends)
        "type = 4\n"
        "[game 3]\n"
        "name = " + std::string(51, 'x') + "\n");  // 18: name too long
    EXPECT_EQ(ErrorLines(source), (std::vector<int>{1, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 18}));
    EXPECT_EQ(FormatError("data/games.txt", source.errors[1]), "data/games.txt:5: entry 304 is set twice in this game");
    // A faulty block is dropped; the sound one stays.
    ASSERT_EQ(source.games.size(), 1u);
    EXPECT_EQ(source.games[0].name, "A");
}

// A variant starts from an earlier game's entries and type and names only
// what it changes; like must name a game above it and come first.
TEST(GamesSource, AVariantTakesTheEntriesOfTheGameItIsLike) {
    const GamesSource source = ParseGamesSource(
        "[game 2]\nname = Base\ntype = 5\nnew = 1\n21 = 1\n14 = -1\n304 = 7\n"
        "[game 10]\nlike = 2\nname = By threes\n21 = 3\n"
        "[game 11]\nname = Early\nlike = 12\n"    // 14: not defined above
        "[game 12]\nname = Late\n21 = 1\nlike = 2\n"  // 18: after an entry
        "[game 13]\nlike = 2\nlike = 2\nname = Twice\n");  // 21: set twice
    EXPECT_EQ(ErrorLines(source), (std::vector<int>{14, 18, 21}));
    ASSERT_GE(source.games.size(), 2u);
    const GameDefinition& variant = source.games[1];
    EXPECT_EQ(variant.name, "By threes");
    EXPECT_EQ(variant.type, 5);
    EXPECT_EQ(variant.new_flag, 0);
    EXPECT_EQ(variant.entries[21], 3);
    EXPECT_EQ(variant.entries[14], -1);
    EXPECT_EQ(variant.entries[304], 7);
    EXPECT_EQ(source.games[0].entries[21], 1);
}

}  // namespace
}  // namespace velmora::gamesdat
