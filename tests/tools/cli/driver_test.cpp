#include "driver.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "session.h"

namespace velmora::cli {
namespace {

constexpr const char* kFolder = VELMORA_PROGRAM_DIR;

// Runs the lines through a driver and returns everything it answered.
std::vector<std::string> Talk(Driver& driver, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    driver.Run(in, out);
    return AnswerLines(out.str());
}

Driver MakeDriver() { return Driver(kFolder, std::string(kFolder) + "GAMES.DAT"); }

TEST(Driver, ListsTheCatalogue) {
    Driver driver = MakeDriver();
    const auto lines = Talk(driver, "games\n");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front(), "1 Freecell");
    EXPECT_EQ(lines.back(), "ok");
}

TEST(Driver, DealsFreecellFromTheGivenNumber) {
    Driver driver = MakeDriver();
    const auto lines = Talk(driver, "new 1 0000000000000\n");
    ASSERT_EQ(lines.size(), 3u + 4 + 8 + 4 + 5);
    EXPECT_EQ(lines[0], "Mazzo");
    EXPECT_EQ(lines[3], "Dest1");
    // The shuffle of thirteen zeros, dealt row by row onto the piles.
    EXPECT_EQ(lines[7], "Fila1 0021 0431 0041 0201 0271 0451 0291");
    EXPECT_EQ(lines[14], "Fila8 0091 0181 0341 0511 0371 0411");
    EXPECT_EQ(lines[15], "Appogg1");
    EXPECT_EQ(lines[19], "deal 0000000000000");
    EXPECT_EQ(lines[20], "score -52");
    EXPECT_EQ(lines[21], "won 0");
    EXPECT_EQ(lines[22], "over 0");
    EXPECT_EQ(lines.back(), "ok");
    std::multiset<std::string> cards;
    for (int i = 7; i <= 14; ++i) {
        std::istringstream words(lines[static_cast<size_t>(i)]);
        std::string word;
        words >> word;
        while (words >> word) {
            EXPECT_EQ(word.back(), '1') << "every Freecell card lies face up";
            cards.insert(word.substr(0, 3));
        }
    }
    EXPECT_EQ(cards.size(), 52u);
    EXPECT_EQ(std::set<std::string>(cards.begin(), cards.end()).size(), 52u);
}

TEST(Driver, SameNumberSameDealAndShortNumbersArePadded) {
    Driver driver = MakeDriver();
    const auto first = Talk(driver, "new 1 42\n");
    const auto again = Talk(driver, "new 1 0000000000042\n");
    EXPECT_EQ(first, again);
    EXPECT_EQ(first[first.size() - 5], "deal 0000000000042");
    const auto random = Talk(driver, "new 1\n");
    EXPECT_EQ(random.back(), "ok");
    EXPECT_EQ(random[random.size() - 5].size(), 5u + 13);
}

TEST(Driver, RefusesBadInputWithAReason) {
    Driver driver = MakeDriver();
    for (const char* line : {"", "   ", "fly", "new", "new 999", "new x", "new 1 12a4", "new 1 12345678901234",
                             "new 8000", "new -1", "state now", "shuffle 52 0", "shuffle 53 5 1", "quit now",
                             "drop 0 Fila1", "drop 1 Fila01", "drop 1", "press", "press Heap", "press Fila1 x",
                             "click Fila8", "click Fila8 109", "undo 1", "autoplay yes", "set 247 1",
                             "set 0 1 Y", "set 247 300 Y", "moves 1"}) {
        const auto lines = Talk(driver, std::string(line) + "\n");
        ASSERT_EQ(lines.size(), 1u) << line;
        EXPECT_EQ(lines[0].rfind("error: ", 0), 0u) << line << " -> " << lines[0];
    }
}

TEST(Driver, ShufflesWithoutTouchingTheGame) {
    Driver driver = MakeDriver();
    Talk(driver, "new 1 7\n");
    const auto before = Talk(driver, "state\n");
    const auto lines = Talk(driver, "shuffle 52 2 0000000000000\n");
    ASSERT_EQ(lines.size(), 2u);
    std::istringstream words(lines[0]);
    std::set<std::string> codes;
    for (std::string w; words >> w;) codes.insert(w);
    EXPECT_EQ(codes.size(), 54u);
    EXPECT_TRUE(codes.count("105") && codes.count("106"));
    EXPECT_EQ(Talk(driver, "state\n"), before);
}

TEST(Driver, MissingGameDefinitionsAreReported) {
    Driver driver(kFolder, "/nonexistent/GAMES.DAT");
    const auto lines = Talk(driver, "games\nnew 1\nquit\nstate\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("error: cannot read", 0), 0u);
    EXPECT_EQ(lines[1].rfind("error: cannot read", 0), 0u);
    EXPECT_EQ(lines[2], "ok");  // quit answers, and nothing after it runs
}

}  // namespace
}  // namespace velmora::cli

namespace velmora::cli {
namespace {

// On a fresh Freecell deal the only moves are the eight top cards into the
// free cells and the two of spades onto the three of diamonds: no ace is
// free and no other top card fits another.
TEST(Driver, FreshFreecellDealListsExactlyItsMoves) {
    Driver driver = MakeDriver();
    Talk(driver, "new 1 0000000000000\n");
    const auto lines = Talk(driver, "moves\n");
    std::vector<std::string> expected;
    for (const char* move : {"29 Fila1", "12 Fila2", "49 Fila3", "42 Fila4", "46 Fila5", "23 Fila6", "16 Fila7"})
        for (int cell = 1; cell <= 4; ++cell) expected.push_back(std::string(move) + " Appogg" + std::to_string(cell));
    expected.push_back("41 Fila8 Fila7");
    for (int cell = 1; cell <= 4; ++cell) expected.push_back("41 Fila8 Appogg" + std::to_string(cell));
    expected.push_back("ok");
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace velmora::cli
