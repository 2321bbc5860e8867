// Dragging a card over the table through the driver: a card let go squarely
// over a pile lands as dropping it on that pile does, a card let go over no
// pile stays where it was, and a card let go over two piles that both take
// it goes to the one it covers most. Every game of the catalogue is played
// at more than one table and card size.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/layout/card_positions.h"
#include "engine/model/pile_names.h"
#include "session.h"

namespace velmora::cli {
namespace {

struct Table {
    int width;
    int height;
    const char* size;
};
constexpr Table kTables[] = {{1280, 800, "B"}, {1024, 768, "M"}, {800, 600, "L"}};

void PrintTo(const Table& t, std::ostream* out) {
    *out << t.width << "x" << t.height << " " << t.size;
}

std::string Point(int x, int y) {
    return std::to_string(x) + " " + std::to_string(y);
}

// A position to play from, set up the same way in as many sessions as a
// comparison needs.
struct Position {
    int game = 0;
    std::string deal;
    Table table{};
    std::vector<std::string> setup;  // commands played after the deal
    bool autoplay = true;

    void SetUp(Session& s) const {
        const std::string w = std::to_string(table.width);
        const std::string h = std::to_string(table.height);
        s.Lines("window " + w + " " + h + " " + w + " " + h);
        s.Lines(std::string("size ") + table.size);
        if (!autoplay) s.Lines("autoplay off");
        s.Lines("new " + std::to_string(game) + " " + deal);
        for (const std::string& command : setup) s.Lines(command);
    }
};

// What one command does to a fresh copy of the position.
struct Outcome {
    std::string answer;
    std::vector<std::string> state;
};

Outcome Play(const Position& at, const std::string& command) {
    Session s;
    at.SetUp(s);
    Outcome out;
    out.answer = s.Say(command);
    out.state = s.Lines("state");
    return out;
}

// Where a card laid on the pile would lie, and the rectangle of its top card
// (its anchor when empty): the places the drop geometry measures.
std::string NextCardPlace(const Engine& e, const std::string& pile) {
    const int index = ParsePileName(pile)->index;
    return Point(CardX(e, pile, index, 0, true), CardY(e, pile, 0, true));
}

Rect TopCardRect(const Engine& e, const std::string& pile) {
    const int x = CardX(e, pile, ParsePileName(pile)->index, 0, false);
    const int y = CardY(e, pile, 0, false);
    return {x, y, x + e.geometry.card.width, y + e.geometry.card.height};
}

struct Lying {
    int card;
    std::string pile;
};

// The face-up cards of a "state" answer outside the stock, which no drag
// starts from.
std::vector<Lying> FaceUpCards(const std::vector<std::string>& state) {
    std::vector<Lying> cards;
    for (const std::string& line : state) {
        const auto words = SplitWords(line);
        if (words.empty() || words[0] == "Mazzo" || !ParsePileName(words[0])) continue;
        for (size_t i = 1; i < words.size(); ++i) {
            const int code = std::stoi(words[i].substr(0, 3));
            if (code > 0 && words[i][3] == '1') cards.push_back({code, words[0]});
        }
    }
    return cards;
}

// A place near a bottom corner of the window where a dragged card (and any
// run below it) covers no pile of the table.
std::string ClearPlace(Session& s, const Table& table) {
    const CardSize card = s.engine().geometry.card;
    const auto piles = ReadLayout(s);
    for (const int x : {table.width - card.width - 2, 2}) {
        const Rect reach{x, table.height - card.height - 2, x + card.width + 1, 30000};
        const auto covers = [&reach](const Rect& r) { return r.Intersects(reach); };
        const bool clear = std::none_of(piles.begin(), piles.end(), [&](const PlacedPile& p) {
            return covers(p.anchor) || std::any_of(p.cards.begin(), p.cards.end(), covers);
        });
        if (clear) return Point(reach.left, reach.top);
    }
    ADD_FAILURE() << "no clear corner on the table";
    return Point(-30000, -30000);
}

std::string Where(const Position& at) {
    return "game " + std::to_string(at.game) + " deal " + at.deal + " at " +
           std::to_string(at.table.width) + "x" + std::to_string(at.table.height) + " " +
           at.table.size;
}

// Every drop of every face-up card on every placed pile, each against the
// drag of that card let go squarely where it would lie on that pile, and
// against a drag let go over no pile. Returns the drops that moved, as the
// driver lists moves ("<code> <from> <to>").
std::set<std::string> CompareDragWithDrop(const Position& at) {
    SCOPED_TRACE(Where(at));
    Session probe;
    at.SetUp(probe);
    const std::vector<std::string> before = probe.Lines("state");
    const auto piles = ReadLayout(probe);
    const std::string clear = ClearPlace(probe, at.table);
    std::set<std::string> legal;
    for (const auto& [card, from] : FaceUpCards(before)) {
        const std::string code = std::to_string(card);
        std::vector<std::vector<std::string>> landings;  // what the moving drops of this card leave
        std::vector<std::string> refused;
        for (const PlacedPile& pile : piles) {
            if (pile.name == from) continue;
            const Outcome dropped = Play(at, "drop " + code + " " + pile.name);
            if (dropped.answer != "moved") {
                EXPECT_EQ(dropped.answer, "refused");
                EXPECT_EQ(dropped.state, before)
                    << "refused drop of " << code << " on " << pile.name;
                refused.push_back(pile.name);
                continue;
            }
            legal.insert(code + " " + from + " " + pile.name);
            landings.push_back(dropped.state);
            const Outcome dragged =
                Play(at, "drag " + code + " " + NextCardPlace(probe.engine(), pile.name));
            EXPECT_EQ(dragged.answer, "moved") << code << " over " << pile.name;
            EXPECT_EQ(dragged.state, dropped.state) << code << " over " << pile.name;
        }
        // Over a pile that refuses the card, a drag may still reach a pile
        // it covers less that takes it, but never a place no drop reaches.
        for (const std::string& name : refused) {
            const Outcome dragged =
                Play(at, "drag " + code + " " + NextCardPlace(probe.engine(), name));
            if (dragged.answer == "moved")
                EXPECT_NE(std::find(landings.begin(), landings.end(), dragged.state),
                          landings.end())
                    << code << " over " << name;
            else
                EXPECT_EQ(dragged.state, before) << code << " over " << name;
        }
        const Outcome away = Play(at, "drag " + code + " " + clear);
        EXPECT_EQ(away.answer, "refused") << code << " let go over no pile";
        EXPECT_EQ(away.state, before) << code << " let go over no pile";
    }
    return legal;
}

class DragOnEveryGame : public ::testing::TestWithParam<std::tuple<int, Table>> {};

// The drops that move are exactly the moves the driver lists, so the drags
// above covered every move of the position. The selection games list none
// and take no drop: their cards are played by presses.
TEST_P(DragOnEveryGame, LandsAsDropDoes) {
    const auto& [game, table] = GetParam();
    // Ticking Autoplay plays what it would have played after the deal, so
    // the position is the one a player gets to drag in.
    const std::vector<std::string> settle{"autoplay off", "autoplay on"};
    std::vector<Position> positions{{game, "1", table, settle}};
    // A second position with a card turned from the stock, where there is one.
    Session s;
    positions[0].SetUp(s);
    if (s.State("Mazzo") != "Mazzo") {
        positions.push_back(positions[0]);
        positions.back().setup.push_back("press Mazzo");
    }
    for (const Position& at : positions) {
        Session listed;
        at.SetUp(listed);
        const auto moves = listed.Lines("moves");
        EXPECT_EQ(CompareDragWithDrop(at), std::set<std::string>(moves.begin(), moves.end()))
            << Where(at);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DragOnEveryGame,
                         ::testing::Combine(::testing::Range(1, 10), ::testing::ValuesIn(kTables)),
                         [](const auto& info) {
                             const Table& t = std::get<1>(info.param);
                             return "game" + std::to_string(std::get<0>(info.param)) + "_" +
                                    std::to_string(t.width) + "x" + std::to_string(t.height) +
                                    t.size;
                         });

// A card that two neighbouring piles both take, let go between them.
struct Between {
    int game;
    const char* deal;
    int card;
    const char* left;  // the pile on the left
    const char* right;
};
constexpr Between kBetween[] = {
    {1, "193", 43, "Fila3", "Fila4"},      // tableau columns: a black four on two red fives
    {1, "193", 43, "Appogg2", "Appogg3"},  // free cells
    {2, "1", 1, "Dest2", "Dest3"},         // foundations above the tableau
    {5, "1", 66, "Dest4", "Dest5"},        // the eight foundations of a two-deck game
};

void PrintTo(const Between& b, std::ostream* out) {
    *out << "game " << b.game << " deal " << b.deal << " card " << b.card << " between " << b.left
         << " and " << b.right;
}

class DragBetweenPiles : public ::testing::TestWithParam<std::tuple<Between, Table>> {};

// Nearer the left pile the card goes there; a little further right, to the
// right pile. The height is halfway between the two top cards, so only the
// sideways position decides. Without automatic play the aces stay where
// they were dealt, free to start any foundation.
TEST_P(DragBetweenPiles, GoesToThePileCoveredMost) {
    const auto& [pair, table] = GetParam();
    const Position at{pair.game, pair.deal, table, {}, false};
    SCOPED_TRACE(Where(at));
    Session probe;
    at.SetUp(probe);
    const Rect left = TopCardRect(probe.engine(), pair.left);
    const Rect right = TopCardRect(probe.engine(), pair.right);
    // The left edges that put the card over both piles.
    const int lowest = right.left - left.Width() + 1;
    const int highest = left.right - 1;
    ASSERT_GE(highest - lowest, 2) << "the piles lie too far apart to share a card";
    const int y = (left.top + right.top) / 2;
    const std::string code = std::to_string(pair.card);
    const Outcome on_left = Play(at, "drop " + code + " " + pair.left);
    const Outcome on_right = Play(at, "drop " + code + " " + pair.right);
    ASSERT_EQ(on_left.answer, "moved");
    ASSERT_EQ(on_right.answer, "moved");
    ASSERT_NE(on_left.state, on_right.state);
    const int quarter = (highest - lowest) / 4;
    const Outcome nearer_left = Play(at, "drag " + code + " " + Point(lowest + quarter, y));
    EXPECT_EQ(nearer_left.answer, "moved");
    EXPECT_EQ(nearer_left.state, on_left.state);
    const Outcome nearer_right = Play(at, "drag " + code + " " + Point(highest - quarter, y));
    EXPECT_EQ(nearer_right.answer, "moved");
    EXPECT_EQ(nearer_right.state, on_right.state);
}

INSTANTIATE_TEST_SUITE_P(NeighbourPiles, DragBetweenPiles,
                         ::testing::Combine(::testing::ValuesIn(kBetween),
                                            ::testing::ValuesIn(kTables)),
                         [](const auto& info) {
                             const Between& b = std::get<0>(info.param);
                             const Table& t = std::get<1>(info.param);
                             return "game" + std::to_string(b.game) + "_" + b.left + "_" + b.right +
                                    "_" + std::to_string(t.width) + t.size;
                         });

}  // namespace
}  // namespace velmora::cli
