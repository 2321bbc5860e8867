// Random play through the driver never loses, doubles or garbles a card,
// and undo walks back to the dealt position, in every game of the catalogue,
// also under rules values that no game of the catalogue has.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "card_census.h"
#include "engine/play/move_log.h"
#include "engine/play/selection_pile.h"
#include "hostile_rules.h"
#include "session.h"

namespace velmora::cli {
namespace {

using Piles = std::map<std::string, std::vector<std::string>>;  // pile name -> card codes

// The pile lines of "state", which come before its "deal" line.
Piles ReadPiles(Session& s) {
    Piles piles;
    for (const std::string& line : s.Lines("state")) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name == "deal") break;
        auto& codes = piles[name];
        for (std::string unit; words >> unit; codes.push_back(unit.substr(0, 3)))
            EXPECT_TRUE(unit.size() == 4 && (unit[3] == '0' || unit[3] == '1')) << name << " " << unit;
    }
    return piles;
}

// A drag from "moves", a press, a double click, undo or redo.
std::string RandomAction(Session& s, std::mt19937& random) {
    auto pick = [&random](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    const size_t kind = pick(10);
    const auto moves = s.Lines("moves");
    if (kind < 4 && !moves.empty()) {
        const std::string& move = moves[pick(moves.size())];
        return "drop " + move.substr(0, move.find(' ')) + move.substr(move.rfind(' '));
    }
    if (kind == 7 || kind == 8) return kind == 7 ? "undo" : "redo";
    const Piles piles = ReadPiles(s);
    auto pile = std::next(piles.begin(), static_cast<long>(pick(piles.size())));
    const std::string card = pile->second.empty() ? "000" : pile->second[pick(pile->second.size())];
    if (card == "000") return "press " + pile->first;
    return (kind == 9 ? "click " : "press ") + pile->first + " " + std::to_string(std::stoi(card));
}

// Deals `game` and plays `actions` random commands: after each, the table
// holds the dealt cards, each once; then undoing everything gives back the
// dealt position. A selection left over is no step of the game: then only
// the position as the move log keeps it is compared.
// `changes` counts the commands that changed the table.
void PlayAndUndoAll(Session& s, const std::string& game, int deal, std::mt19937& random, int actions, int& changes) {
    // Dealt without automatic play, so the dealt position is the one undo
    // returns to; automatic play then joins the random play.
    s.Lines("autoplay off");
    s.Lines("new " + game.substr(0, game.find(' ')) + " " + std::to_string(deal));
    const std::vector<std::string> start = s.Lines("state");
    const std::vector<std::string> start_position = LogSnapshot(s.engine());
    s.Lines("autoplay on");
    const CardCensus dealt = TakeCensus(s.engine());
    ASSERT_EQ(dealt.fault, "") << game << " deal " << deal;
    changes = 0;
    for (int n = 0; n < actions; ++n) {
        const std::string action = RandomAction(s, random);
        const auto answer = s.Raw(action);
        ASSERT_EQ(answer.size(), 2u) << game << ": " << action;
        ASSERT_EQ(answer[1], "ok") << game << ": " << action;
        changes += answer[0] == "moved" || answer[0] == "done";
        ASSERT_EQ(CompareCensus(dealt, TakeCensus(s.engine())), "") << game << " after " << action;
    }
    if (s.State("over") == "over 1") return;  // an ended game keeps its end
    while (s.Say("undo") == "done") {
    }
    EXPECT_EQ(LogSnapshot(s.engine()), start_position) << game << " deal " << deal;
    if (SelectedCards(s.engine()).empty()) {
        EXPECT_EQ(s.Lines("state"), start) << game << " deal " << deal;
    }
}

TEST(CardConservation, RandomPlayKeepsEveryCardAndUndoReturnsToTheDeal) {
    Session s;
    std::mt19937 random(20240607);
    for (const std::string& game : s.Lines("games")) {
        for (int deal = 1; deal <= 3; ++deal) {
            int changes = 0;
            PlayAndUndoAll(s, game, deal * 7919, random, 700, changes);
            ASSERT_FALSE(HasFatalFailure());
            // Games with few moves (single cards, spaces never filled) play
            // about one random action in ten.
            EXPECT_GT(changes, 40) << game << ": the random play hardly played";
        }
    }
}

// The same on rules rows no game of the catalogue has: a selection kept on
// foundation 1 by games that also play cards there, and other games'
// special rules. Some games hardly move under them; none may lose a card.
TEST(CardConservation, HostileRulesRowsKeepEveryCardThroughUndoAndRedo) {
    const std::vector<RulesRow> rows{{{38, 1}},  {{38, -32768}}, {{47, 3}},
                                     {{47, 4}},  {{47, 26}},     {{47, 49}},
                                     {{38, 1}, {47, 3}},         {{38, -32768}, {47, 4}}};
    std::mt19937 random(8086);
    for (const RulesRow& row : rows) {
        SCOPED_TRACE(DescribeRow(row));
        Session s(ShippedGamesWith(row));
        for (const std::string& game : s.Lines("games")) {
            int changes = 0;
            PlayAndUndoAll(s, game, 104729, random, 300, changes);
            ASSERT_FALSE(HasFatalFailure());
        }
    }
}

}  // namespace
}  // namespace velmora::cli
