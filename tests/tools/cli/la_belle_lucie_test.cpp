// La Belle Lucie through the driver: the deal and the two redeals pressed
// on the stock's place.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/play/play_counts.h"
#include "session.h"

namespace velmora::cli {
namespace {

// The cards of the fans, each fan's count of cards, and whether all lie face up.
struct Fans {
    std::vector<int> codes;
    std::vector<int> sizes;
    bool face_up = true;
};

Fans ReadFans(Session& s) {
    Fans fans;
    for (int t = 1; t <= 18; ++t) {
        const std::string line = s.State("Fila" + std::to_string(t));
        int size = 0;
        for (size_t at = line.find(' '); at != std::string::npos; at = line.find(' ', at + 1), ++size) {
            fans.codes.push_back(std::stoi(line.substr(at + 1, 3)));
            fans.face_up = fans.face_up && line[at + 4] == '1';
        }
        fans.sizes.push_back(size);
    }
    return fans;
}

TEST(LaBelleLucie, RedealsTheFansLeftTwiceInThrees) {
    Session s;
    s.Lines("autoplay off");
    s.Lines("new 67 1");
    const Fans dealt = ReadFans(s);
    std::vector<int> sizes(17, 3);
    sizes.push_back(1);
    EXPECT_EQ(dealt.sizes, sizes);
    EXPECT_TRUE(dealt.face_up);
    EXPECT_EQ(s.State("Mazzo"), "Mazzo");
    EXPECT_EQ(RedealsLeft(s.engine()), 2);

    // Two Aces home, then the redeal: 50 cards in sixteen fans of three and one of two.
    ASSERT_EQ(s.Say("drop 27 Dest1"), "moved");
    ASSERT_EQ(s.Say("drop 1 Dest2"), "moved");
    ASSERT_EQ(s.Say("press Mazzo"), "done");
    const Fans first = ReadFans(s);
    sizes.assign(16, 3);
    sizes.push_back(2);
    sizes.push_back(0);
    EXPECT_EQ(first.sizes, sizes);
    EXPECT_TRUE(first.face_up);
    std::vector<int> before = dealt.codes;
    std::erase_if(before, [](int code) { return code == 1 || code == 27; });
    std::vector<int> after = first.codes;
    EXPECT_NE(after, before) << "shuffled";
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
    EXPECT_EQ(RedealsLeft(s.engine()), 1);

    ASSERT_EQ(s.Say("press Mazzo"), "done");
    EXPECT_EQ(RedealsLeft(s.engine()), 0);
    EXPECT_EQ(s.Say("press Mazzo"), "nothing");
}

}  // namespace
}  // namespace velmora::cli
