// Random play through the driver never loses, doubles or garbles a card,
// and undo walks back to the dealt position, in every game of the catalogue.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "engine/play/move_log.h"
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

// The cards on the piles; a selection game's selection (foundation 1) names
// cards that lie on their piles too.
std::multiset<std::string> Cards(Session& s, const Piles& piles) {
    std::multiset<std::string> cards;
    for (const auto& [name, codes] : piles)
        for (const std::string& code : codes)
            if (code != "000" && !(name == "Dest1" && KeepsSelection(s.engine()))) cards.insert(code);
    return cards;
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

TEST(CardConservation, RandomPlayKeepsEveryCardAndUndoReturnsToTheDeal) {
    Session s;
    std::mt19937 random(20240607);
    for (const std::string& game : s.Lines("games")) {
        for (int deal = 1; deal <= 3; ++deal) {
            s.Lines("new " + game.substr(0, game.find(' ')) + " " + std::to_string(deal * 7919));
            const std::vector<std::string> start = s.Lines("state");
            const auto dealt = Cards(s, ReadPiles(s));
            int changes = 0;
            for (int n = 0; n < 700; ++n) {
                const std::string action = RandomAction(s, random);
                const auto answer = s.Raw(action);
                ASSERT_EQ(answer.size(), 2u) << game << ": " << action;
                ASSERT_EQ(answer[1], "ok") << game << ": " << action;
                changes += answer[0] == "moved" || answer[0] == "done";
                ASSERT_EQ(Cards(s, ReadPiles(s)), dealt) << game << " after " << action;
            }
            EXPECT_GT(changes, 70) << game << ": the random play hardly played";
            if (s.State("over") == "over 1") continue;  // an ended game keeps its end
            while (s.Say("undo") == "done") {
            }
            EXPECT_EQ(s.Lines("state"), start) << game << " deal " << deal;
        }
    }
}

}  // namespace
}  // namespace velmora::cli
