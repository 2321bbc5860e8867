// Freecell won through the driver with safe automatic play, the default: the
// solver's line sends home by hand the cards safe play leaves on the table,
// and replayed command by command it wins the deal.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "session.h"

namespace velmora::cli {
namespace {

// The solver's winning line for the deal on the table, one command a line.
std::vector<std::string> WinningLine(Session& s) {
    const std::vector<std::string> answer = s.Lines("solve");
    EXPECT_FALSE(answer.empty());
    if (answer.empty() || answer.front() != "won") return {};
    return {answer.begin() + 1, answer.end()};
}

// Drops onto a foundation of cards above the twos.
int HandDropsHome(const std::vector<std::string>& line) {
    int drops = 0;
    for (const std::string& command : line) {
        std::istringstream words(command);
        std::string verb, to;
        int code = 0;
        words >> verb >> code >> to;
        if (verb == "drop" && to.starts_with("Dest") && (code - 1) % 13 + 1 >= 3) ++drops;
    }
    return drops;
}

TEST(SafeAutoplayThroughTheDriver, FreecellIsWonByReplayingTheSolversLine) {
    for (const std::string kind : {"safe", "greedy"}) {
        Session s;
        s.Lines("autoplay " + kind);
        s.Lines("new 1 5");
        const std::vector<std::string> line = WinningLine(s);
        ASSERT_FALSE(line.empty()) << kind;
        if (kind == "safe") {
            EXPECT_GT(HandDropsHome(line), 0) << "safe play leaves some cards for the player to send";
        }
        s.Lines("new 1 5");
        for (const std::string& command : line) {
            const std::string answer = s.Say(command);
            ASSERT_TRUE(answer == "moved" || answer == "done") << kind << ": " << command << " -> " << answer;
        }
        EXPECT_EQ(s.State("won"), "won 1") << kind;
        EXPECT_EQ(s.State("over"), "over 1") << kind;
    }
}

TEST(SafeAutoplayThroughTheDriver, ChoiceGoesToTheSettingAndMisspellingsAreRefused) {
    Session s;
    EXPECT_EQ(s.Raw("autoplay careful").back(), "error: usage: autoplay on|off|safe|greedy");
    s.Lines("autoplay greedy");
    EXPECT_EQ(s.engine().params.ParamRead(param::kSafeAutoplay, 1), "N");
    s.Lines("autoplay safe");
    EXPECT_EQ(s.engine().params.ParamRead(param::kSafeAutoplay, 1), "Y");
}

}  // namespace
}  // namespace velmora::cli
