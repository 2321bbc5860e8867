// A game of Freecell played to its win through the driver's commands: a
// small depth-first search over "moves", stepping back with "undo".
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "session.h"

namespace velmora::cli {
namespace {

// The position with free cells and tableaus in any order as one, and the
// empty piles, from "state".
std::string ReadPosition(Session& s, std::set<std::string>& empty) {
    std::vector<std::string> piles;
    for (const std::string& line : s.Lines("state")) {
        const std::string name = line.substr(0, line.find(' '));
        if (name == line) empty.insert(name);
        const bool any_order = name.rfind("Fila", 0) == 0 || name.rfind("Appogg", 0) == 0;
        piles.push_back(any_order ? name.substr(0, 1) + line.substr(name.size()) : line);
    }
    std::sort(piles.begin(), piles.end());
    std::string key;
    for (const auto& p : piles) key += p + "|";
    return key;
}

class Solver {
public:
    explicit Solver(Session& s) : s_(s) {}
    bool Search() {
        if (s_.State("over") == "over 1") return true;
        std::set<std::string> empty;
        if (++nodes_ > 5000 || !seen_.insert(ReadPosition(s_, empty)).second) return false;
        for (const std::string& move : Ordered(empty)) {
            EXPECT_EQ(s_.Say(move), "moved") << move;
            if (Search()) return true;
            EXPECT_EQ(s_.Say("undo"), "done");
        }
        return false;
    }
private:
    // Foundations first, free cells last; one empty pile of a kind is as
    // good as another, and cell to cell changes nothing.
    std::vector<std::string> Ordered(const std::set<std::string>& empty) {
        std::vector<std::pair<int, std::string>> ranked;
        std::set<std::string> tried;
        for (const std::string& line : s_.Lines("moves")) {
            std::istringstream words(line);
            std::string code, from, to;
            words >> code >> from >> to;
            const bool cell = to.rfind("Appogg", 0) == 0;
            if (cell && from.rfind("Appogg", 0) == 0) continue;
            if (empty.count(to) && !tried.insert(code + (cell ? " cell" : " pile")).second) continue;
            const int rank = to.rfind("Dest", 0) == 0 ? 0 : cell ? 3 : empty.count(to) ? 2 : 1;
            ranked.push_back({rank, "drop " + code + " " + to});
        }
        std::stable_sort(ranked.begin(), ranked.end(), [](auto& a, auto& b) { return a.first < b.first; });
        std::vector<std::string> moves;
        for (const auto& r : ranked) moves.push_back(r.second);
        return moves;
    }
    Session& s_;
    std::set<std::string> seen_;
    int nodes_ = 0;
};

TEST(FreecellThroughTheDriver, IsPlayedToAWinWithTheFullScore) {
    Session s;
    s.Lines("new 1 3");  // a deal the search solves in a few hundred positions
    EXPECT_EQ(s.Say("autoplay off"), "done");
    Solver solver(s);
    ASSERT_TRUE(solver.Search());
    EXPECT_EQ(s.State("won"), "won 1");
    EXPECT_EQ(s.State("over"), "over 1");
    EXPECT_EQ(s.State("score"), "score 208");
    EXPECT_EQ(s.Say("undo"), "nothing") << "an ended game stays ended";
}

}  // namespace
}  // namespace velmora::cli
