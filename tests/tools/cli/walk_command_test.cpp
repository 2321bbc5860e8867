// The keyboard's walk over the table of every game: each pile on the table
// is reached once, and every card a drag could move is a card Up can choose,
// so no game has a move the keyboard cannot make.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "session.h"

namespace velmora::cli {
namespace {

// Pile name -> the positions the keyboard can choose, top first.
std::map<std::string, std::vector<int>> ReadWalk(Session& s, std::vector<std::string>& order) {
    std::map<std::string, std::vector<int>> walk;
    for (const std::string& line : s.Lines("walk")) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        order.push_back(name);
        for (int position; words >> position;) walk[name].push_back(position);
    }
    return walk;
}

int PositionIn(Session& s, const std::string& pile, int code) {
    for (const std::string& line : s.Lines("state")) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name != pile) continue;
        int i = 0;
        for (std::string unit; words >> unit; ++i)
            if (std::stoi(unit.substr(0, 3)) == code) return i;
    }
    return -1;
}

TEST(WalkCommand, EveryPileIsWalkedOnceAndEveryDraggedCardCanBeChosen) {
    Session s;
    s.Lines("autoplay off");
    for (const std::string& game : s.Lines("games")) {
        for (int deal : {1, 2}) {
            SCOPED_TRACE(game + " deal " + std::to_string(deal));
            s.Lines("new " + game.substr(0, game.find(' ')) + " " + std::to_string(deal));
            std::vector<std::string> order;
            const auto walk = ReadWalk(s, order);
            std::set<std::string> placed;
            for (const std::string& line : s.Lines("layout")) placed.insert(line.substr(0, line.find(' ')));
            EXPECT_EQ(std::set<std::string>(order.begin(), order.end()), placed);
            EXPECT_EQ(order.size(), placed.size()) << "each pile once";
            for (const std::string& move : s.Lines("moves")) {
                std::istringstream words(move);
                int code = 0;
                std::string from;
                words >> code >> from;
                const auto pile = walk.find(from);
                ASSERT_NE(pile, walk.end()) << move;
                const int position = PositionIn(s, from, code);
                EXPECT_NE(std::find(pile->second.begin(), pile->second.end(), position), pile->second.end())
                    << move << ": the keyboard cannot choose the card";
            }
        }
    }
}

}  // namespace
}  // namespace velmora::cli
