// The layout through the driver: the commands that lay the table out, the
// screen check of "new", and the nine games on common windows and every
// card size, with no pile outside the window and none on another.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/layout/fit_window.h"
#include "engine/layout/table_geometry.h"
#include "session.h"

namespace velmora::cli {
namespace {

TEST(LayoutCommands, NewLaysTheGameOutForTheDefaultWindow) {
    Session s;
    s.Lines("autoplay off");  // the foundations as dealt: empty
    s.Lines("new 1 1");
    const auto lines = s.Lines("layout");
    ASSERT_EQ(lines.size(), 16u);  // 4 foundations, 8 tableaus, 4 free cells
    EXPECT_EQ(lines[0], "Dest1 649 15");
    EXPECT_EQ(lines[4].rfind("Fila1 285 121 285 121 356 217 285 139 356 235 ", 0), 0u) << lines[4];
    EXPECT_EQ(lines[15], "Appogg4 558 15");
    const auto fila1 = ReadLayout(s)[4];
    EXPECT_EQ(fila1.cards.size(), 7u);
    EXPECT_EQ(fila1.cards.back(), (Rect{285, 229, 356, 325}));
}

TEST(LayoutCommands, WindowAndSizeLayTheCurrentGameOutAgain) {
    Session s;
    s.Lines("new 2 1");
    s.Lines("window 1024 768");
    EXPECT_EQ(s.Lines("layout")[0].rfind("Mazzo 202 30 ", 0), 0u);
    s.Lines("size M");
    EXPECT_EQ(s.engine().geometry.card, (CardSize{59, 80}));
    const auto piles = ReadLayout(s);
    EXPECT_EQ(piles[0].cards[0], (Rect{piles[0].anchor.left, 30, piles[0].anchor.left + 59, 110}));
    // The fans follow the card size: 4 after a face-down medium card.
    const PlacedPile& fila2 = piles[7];
    ASSERT_EQ(fila2.name, "Fila2");
    EXPECT_EQ(fila2.cards[1].top - fila2.cards[0].top, 4);
    // A deal of the same game keeps the table.
    s.Lines("new 2 5");
    EXPECT_EQ(ReadLayout(s)[0].anchor, piles[0].anchor);
}

// Untidy piles: each deal shifts Klondike's tableau cards sideways by its own
// few pixels, and never when the player keeps the piles tidy.
TEST(LayoutCommands, UntidyPilesChangeWithEveryDeal) {
    Session s;
    const auto columns = [&s] {
        std::vector<int> lefts;
        for (const PlacedPile& pile : ReadLayout(s))
            if (pile.name.rfind("Fila", 0) == 0)
                for (const Rect& card : pile.cards) lefts.push_back(card.left - pile.anchor.left);
        return lefts;
    };
    s.Lines("new 2 5");
    const std::vector<int> tidy = columns();
    EXPECT_TRUE(std::all_of(tidy.begin(), tidy.end(), [](int dx) { return dx == 0; }));
    s.Lines("set 179 1 Y");
    s.Lines("new 2 5");
    const std::vector<int> first = columns();
    s.Lines("new 2 5");
    const std::vector<int> second = columns();
    EXPECT_NE(first, tidy);
    EXPECT_NE(first, second);
    for (int dx : first) EXPECT_TRUE(dx >= -2 && dx <= 3) << dx;
}

TEST(LayoutCommands, RefuseWhatTheyCannotUse) {
    Session s;
    for (const char* command : {"window", "window 800", "window 0 600", "window 800 600 1024", "window a b",
                                "window 40000 600", "size", "size X", "size f", "size B M", "layout now"})
        EXPECT_EQ(s.Raw(command).back().rfind("error: ", 0), 0u) << command;
    // Without a game there is nothing to show, and the settings wait for one.
    EXPECT_TRUE(s.Lines("window 800 600 800 600").empty());
    EXPECT_TRUE(s.Lines("size L").empty());
    EXPECT_TRUE(s.Lines("layout").empty());
}

TEST(LayoutCommands, NarrowScreensGetTheMediumSetWithOneNotice) {
    Session s;
    s.Lines("window 800 600 800 600");
    s.Lines("new 5 1");  // Forty Thieves asks for 810 pixels
    EXPECT_EQ(s.engine().params.ParamRead(param::kCardSize, 1), "M");
    EXPECT_EQ(s.engine().params.ParamRead(param::kCardSet, 3), "003");
    EXPECT_EQ(s.engine().quiet_messages.last.rfind("Your video card's display is 800x600 pixels.", 0), 0u);
    s.engine().quiet_messages.last.clear();
    s.Lines("new 8 1");  // Black Hole asks for the same: no second notice
    EXPECT_EQ(s.engine().quiet_messages.last, "");
    s.Lines("new 6 1");  // Pyramid fits 800 pixels: the player's cards return
    EXPECT_EQ(s.engine().params.ParamRead(param::kCardSize, 1), "B");
    s.Lines("window 1280 800 1280 800");
    s.Lines("new 5 1");
    EXPECT_EQ(s.engine().geometry.card, (CardSize{71, 96}));
}

// The piles a game lays on each other on purpose: the rows of the pyramid.
bool MeantToOverlap(int game, const PlacedPile& a, const PlacedPile& b) {
    constexpr int kPyramid = 6;
    return game == kPyramid && a.name.rfind("Fila", 0) == 0 && b.name.rfind("Fila", 0) == 0;
}

Rect Extent(const PlacedPile& pile) {
    Rect all = pile.anchor;
    for (const Rect& r : pile.cards)
        all = {std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
               std::max(all.bottom, r.bottom)};
    return all;
}

// Every pile the deal put cards on is on the table.
void ExpectEveryDealtPilePlaced(Session& s, const std::vector<PlacedPile>& piles, const std::string& where) {
    std::set<std::string> placed;
    for (const PlacedPile& pile : piles) placed.insert(pile.name);
    for (const std::string& line : s.Lines("state")) {
        const std::string name = line.substr(0, line.find(' '));
        const bool pile = name.rfind("Mazzo", 0) == 0 || name.rfind("Dest", 0) == 0 || name.rfind("Fila", 0) == 0 ||
                          name.rfind("Appogg", 0) == 0;
        const bool holds_cards = line.find(' ') != std::string::npos;
        EXPECT_TRUE(!pile || !holds_cards || placed.count(name) == 1) << where << ": " << name;
    }
}

// A maximised window on screens of common sizes: every game and card size
// keeps its dealt piles inside the window and apart from each other. On the
// 800 pixel screen the games that ask for more get the medium set.
TEST(LayoutCommands, EveryGameFitsCommonScreensAtEveryCardSize) {
    const std::pair<int, int> screens[] = {{800, 600}, {1024, 768}, {1280, 800}, {1920, 1080}};
    for (int game = 1; game <= 9; ++game) {
        Session s;
        for (const auto& [w, h] : screens) {
            for (const char* size : {"B", "M", "L"}) {
                const std::string where = "game " + std::to_string(game) + " on " + std::to_string(w) + "x" +
                                          std::to_string(h) + " size " + size;
                s.Lines("window " + std::to_string(w) + " " + std::to_string(h) + " " + std::to_string(w) + " " +
                        std::to_string(h));
                s.Lines(std::string("size ") + size);
                s.Lines("new " + std::to_string(game) + " 1");
                const std::vector<PlacedPile> piles = ReadLayout(s);
                ExpectEveryDealtPilePlaced(s, piles, where);
                const Rect window{0, 0, w, h};
                for (const PlacedPile& pile : piles) {
                    const Rect extent = Extent(pile);
                    EXPECT_TRUE(extent.left >= 0 && extent.top >= 0 && extent.right <= window.right &&
                                extent.bottom <= window.bottom)
                        << where << ": " << pile.name << " reaches " << extent.right << ", " << extent.bottom;
                }
                for (size_t i = 0; i < piles.size(); ++i) {
                    for (size_t j = i + 1; j < piles.size(); ++j) {
                        const bool overlap = Extent(piles[i]).Intersects(Extent(piles[j]));
                        EXPECT_FALSE(overlap && !MeantToOverlap(game, piles[i], piles[j]))
                            << where << ": " << piles[i].name << " and " << piles[j].name;
                    }
                }
            }
        }
    }
}

// Every placed pile inside the window and none on another (the pyramid's
// rows aside), every dealt pile placed.
void ExpectTableFits(Session& s, int game, int w, int h, const std::string& where) {
    const std::vector<PlacedPile> piles = ReadLayout(s);
    ExpectEveryDealtPilePlaced(s, piles, where);
    for (const PlacedPile& pile : piles) {
        const Rect extent = Extent(pile);
        EXPECT_TRUE(extent.left >= 0 && extent.top >= 0 && extent.right <= w && extent.bottom <= h)
            << where << ": " << pile.name << " reaches " << extent.left << ", " << extent.top << " to "
            << extent.right << ", " << extent.bottom;
    }
    for (size_t i = 0; i < piles.size(); ++i)
        for (size_t j = i + 1; j < piles.size(); ++j)
            EXPECT_FALSE(Extent(piles[i]).Intersects(Extent(piles[j])) && !MeantToOverlap(game, piles[i], piles[j]))
                << where << ": " << piles[i].name << " and " << piles[j].name;
}

// The driver starts as the program does for a new player: cards that follow
// the window, large on a large one.
TEST(LayoutCommands, CardsFollowTheWindowByDefault) {
    Session s(true);
    EXPECT_EQ(s.engine().params.ParamRead(param::kCardSize, 1), "F");
    s.Lines("window 1920 1040");
    s.Lines("new 1 1");
    const int large = s.engine().geometry.card.width;
    for (const PlacedPile& pile : ReadLayout(s))
        for (const Rect& card : pile.cards) EXPECT_GE(card.Width(), 110) << pile.name;
    s.Lines("window 800 600");
    EXPECT_LT(s.engine().geometry.card.width, large);
    s.Lines("size B");
    EXPECT_EQ(s.engine().geometry.card, (CardSize{71, 96}));
    s.Lines("size F");
    EXPECT_EQ(s.engine().geometry.card, CardSizeForWidth(s.engine().geometry.card.width));
    EXPECT_NE(s.engine().geometry.card.width, 71);
}

// Fitted cards on windows from the smallest the program allows to large,
// tall and wide ones: every game keeps its piles inside and apart.
TEST(LayoutCommands, EveryGameFitsEveryWindowWithFittedCards) {
    const std::pair<int, int> windows[] = {{640, 480},   {800, 600},   {1024, 768}, {1280, 800},
                                           {1920, 1080}, {2560, 1440}, {700, 1150}, {2300, 530}};
    for (int game = 1; game <= 9; ++game) {
        Session s(true);
        for (const auto& [w, h] : windows) {
            const std::string where = "game " + std::to_string(game) + " on " + std::to_string(w) + "x" +
                                      std::to_string(h);
            s.Lines("window " + std::to_string(w) + " " + std::to_string(h) + " " + std::to_string(w) + " " +
                    std::to_string(h));
            s.Lines("new " + std::to_string(game) + " 1");
            ExpectTableFits(s, game, w, h, where);
            EXPECT_LE(s.engine().geometry.card.width, kFitLargestWidth) << where;
        }
    }
}

}  // namespace
}  // namespace velmora::cli
