// The eight games beside Freecell, through the driver: each deals its own
// shape for many deal numbers, refuses what its rules forbid, and is played
// to a win by a small depth-first search over the actions a player has.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/main_game.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "session.h"

namespace velmora::cli {
namespace {

enum Game {
    kKlondike = 2,
    kCanfield,
    kYukon,
    kFortyThieves,
    kPyramid,
    kGolf,
    kBlackHole,
    kElevens
};

struct Card {
    int code = 0;
    bool up = false;
};

// The answer of "state": the piles by name, the score and the end flags.
struct Table {
    std::map<std::string, std::vector<Card>> piles;
    std::vector<std::string> pile_order;
    int score = 0;
    bool won = false;
    bool over = false;

    const std::vector<Card>& Pile(const std::string& name) const {
        static const std::vector<Card> kNone;
        const auto it = piles.find(name);
        return it == piles.end() ? kNone : it->second;
    }
    int Top(const std::string& name) const {
        return Pile(name).empty() ? 0 : Pile(name).back().code;
    }
    size_t Size(const std::string& name) const { return Pile(name).size(); }
};

Table Read(Session& s) {
    Table t;
    for (const std::string& line : s.Lines("state")) {
        std::istringstream words(line);
        std::string name;
        std::string value;
        words >> name;
        if (name == "deal") continue;
        if (name == "score" || name == "won" || name == "over") {
            words >> value;
            if (name == "score") t.score = std::stoi(value);
            if (name == "won") t.won = value == "1";
            if (name == "over") t.over = value == "1";
            continue;
        }
        t.pile_order.push_back(name);
        auto& pile = t.piles[name];
        for (std::string unit; words >> unit;)
            pile.push_back({std::stoi(unit.substr(0, 3)), unit[3] == '1'});
    }
    return t;
}

bool TopUp(const Table& t, const std::string& pile) {
    return !t.Pile(pile).empty() && t.Pile(pile).back().up;
}

std::string Tableau(int n) {
    return "Fila" + std::to_string(n);
}
int Rank(int code) {
    return CardRank(code);
}
std::string Code(int code) {
    return std::to_string(code);
}

// Lays cards, bottom first and written as the table writes them ("0131" is
// the King of hearts face up), on a pile, taking each from wherever the deal
// put it. The pile's own cards go to the bottom of the stock, face down.
void Lay(Session& s, const std::string& pile_name, const std::string& units) {
    Engine& e = s.engine();
    const auto pile = ParsePileName(pile_name);
    ASSERT_TRUE(pile) << pile_name;
    std::string& text = *e.piles.Pile(pile->list, pile->index);
    std::string& stock = e.piles.stock_area[kStockIndex];
    ASSERT_NE(&text, &stock) << "the stock takes what the other piles give up";
    for (size_t at = 0; at + 3 <= text.size(); at += 3)
        e.cards.SetFaceState(std::stoi(text.substr(at, 3)), kFaceDown);
    stock = text + stock;
    text.clear();
    std::istringstream words(units);
    for (std::string unit; words >> unit;) {
        const int code = std::stoi(unit.substr(0, 3));
        FindCardKind(e, code, kFindRemove);
        PileAppend(e, pile->list, pile->index, code, unit[3]);
    }
}

// --- Deals -------------------------------------------------------------------

// What a game deals: every pile it shows with its number of cards and of
// face-up cards on top (all other cards face down), and the score.
struct Shape {
    int game = 0;
    int cards = 52;
    std::map<std::string, std::pair<size_t, size_t>> piles;  // name -> (cards, face up on top)
    int score = -52;
};

Shape ShapeOf(int game) {
    Shape shape{game, 52, {{"Mazzo", {0, 0}}, {"Mazzo_Vis", {0, 0}}, {"Mazzo_Waste", {0, 0}}}, -52};
    auto tableau = [&](int n, size_t cards, size_t up) { shape.piles[Tableau(n)] = {cards, up}; };
    auto foundations = [&](int n) {
        for (int f = 1; f <= n; ++f) shape.piles["Dest" + std::to_string(f)] = {0, 0};
    };
    switch (game) {
        case kKlondike:
            foundations(4);
            for (int t = 1; t <= 7; ++t) tableau(t, static_cast<size_t>(t), 1);
            shape.piles["Mazzo"] = {24, 0};
            break;
        case kCanfield:
            foundations(4);
            shape.piles["Dest1"] = {1, 1};
            for (int t = 1; t <= 4; ++t) tableau(t, 1, 1);
            shape.piles["Appogg1"] = {13, 13};
            shape.piles["Mazzo"] = {34, 0};
            shape.score = -47;
            break;
        case kYukon:
            foundations(4);
            tableau(1, 1, 1);
            for (int t = 2; t <= 7; ++t) tableau(t, static_cast<size_t>(t + 4), 5);
            break;
        case kFortyThieves:
            shape.cards = 104;
            shape.score = -104;
            foundations(8);
            for (int t = 1; t <= 10; ++t) tableau(t, 4, 4);
            shape.piles["Mazzo"] = {64, 0};
            break;
        case kPyramid:
            for (int t = 1; t <= 7; ++t) tableau(t, static_cast<size_t>(t), static_cast<size_t>(t));
            shape.piles["Mazzo"] = {24, 0};
            break;
        case kGolf:
            for (int t = 1; t <= 7; ++t) tableau(t, 5, 5);
            shape.piles["Mazzo"] = {16, 0};
            shape.piles["Mazzo_Waste"] = {1, 1};
            shape.score = -47;
            break;
        case kBlackHole:
            for (int t = 1; t <= 17; ++t) tableau(t, 3, 3);
            shape.piles["Mazzo_Waste"] = {1, 1};
            shape.score = -47;
            break;
        case kElevens:
            for (int t = 1; t <= 9; ++t) tableau(t, 1, 1);
            shape.piles["Mazzo"] = {43, 0};
            break;
    }
    return shape;
}

TEST(GameCatalogue, ListsTheGamesInTheOrderOfTheFile) {
    Session s;
    const std::vector<std::string> games = s.Lines("games");
    ASSERT_GE(games.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(games.begin(), games.begin() + 9),
              (std::vector<std::string>{"1 Freecell", "2 Klondike", "3 Canfield", "4 Yukon", "5 Forty Thieves",
                                        "6 Pyramid", "7 Golf", "8 Black Hole", "9 Elevens"}));
    for (size_t i = 1; i < games.size(); ++i) EXPECT_LT(std::stoi(games[i - 1]), std::stoi(games[i])) << games[i];
}

TEST(GameDeals, EveryGameDealsItsShapeWithEveryCardOnce) {
    Session s;
    s.Lines("autoplay off");  // the deal itself, before any card goes home
    for (int game = kKlondike; game <= kElevens; ++game) {
        const Shape shape = ShapeOf(game);
        for (int deal = 1; deal <= 400; deal += 13) {
            SCOPED_TRACE("game " + std::to_string(game) + " deal " + std::to_string(deal));
            s.Lines("new " + std::to_string(game) + " " + std::to_string(deal));
            const Table t = Read(s);
            std::set<std::string> names(t.pile_order.begin(), t.pile_order.end());
            std::set<std::string> expected_names;
            for (const auto& [name, counts] : shape.piles) expected_names.insert(name);
            ASSERT_EQ(names, expected_names);
            std::multiset<int> codes;
            for (const auto& [name, counts] : shape.piles) {
                const auto& pile = t.Pile(name);
                ASSERT_EQ(pile.size(), counts.first) << name;
                for (size_t i = 0; i < pile.size(); ++i) {
                    EXPECT_EQ(pile[i].up, i + counts.second >= pile.size())
                        << name << " card " << i;
                    codes.insert(pile[i].code);
                }
            }
            // Every card of the deck or decks lies on a shown pile exactly once.
            ASSERT_EQ(codes.size(), static_cast<size_t>(shape.cards));
            EXPECT_EQ(std::set<int>(codes.begin(), codes.end()).size(), codes.size());
            EXPECT_EQ(*codes.begin(), 1);
            EXPECT_EQ(*codes.rbegin(), shape.cards);
            EXPECT_EQ(t.score, shape.score);
            EXPECT_FALSE(t.won || t.over);

            const Engine& e = s.engine();
            if (game == kCanfield) {
                // The first foundation card sets the base rank of all four.
                for (int f = 0; f < 4; ++f) EXPECT_EQ(e.R(48 + f), Rank(t.Top("Dest1")));
            }
            if (game == kBlackHole) {
                EXPECT_EQ(t.Top("Mazzo_Waste"), 40) << "the Ace of spades starts the hole";
            }
        }
    }
}

// --- Rules -------------------------------------------------------------------

// A card as the table writes it, face up or face down.
std::string Up(int code) {
    return CardCodeText(code) + "1";
}
std::string Down(int code) {
    return CardCodeText(code) + "0";
}

TEST(KlondikeRules, OnlyAKingFillsASpaceAndFoundationCardsComeBack) {
    Session s;
    s.Lines("new 2 5");
    s.Say("autoplay off");
    Lay(s, "Fila1", "");
    Lay(s, "Fila2", Up(51));                                 // Queen of spades
    Lay(s, "Fila3", Down(9) + " " + Up(13) + " " + Up(38));  // King of hearts, Queen of clubs
    EXPECT_EQ(s.Say("drop 51 Fila1"), "refused") << "a Queen on a space";
    EXPECT_EQ(s.Say("drop 13 Fila1"), "moved") << "the run headed by the King";
    const Table t = Read(s);
    EXPECT_EQ(t.Size("Fila1"), 2u);
    EXPECT_TRUE(TopUp(t, "Fila3")) << "the card under the King turned up";

    // The Ace of hearts comes back from its foundation onto the two of spades.
    Lay(s, "Dest1", Up(1));
    Lay(s, "Fila4", Up(41));
    EXPECT_EQ(s.Say("drop 1 Fila4"), "moved");
    EXPECT_EQ(Read(s).Size("Dest1"), 0u);
}

TEST(CanfieldRules, FoundationsFollowSuitAndBaseAndSpacesFillFromTheReserve) {
    Session s;
    // A deal whose base card is a seven, so that the wrap shows.
    bool seven = false;
    for (int deal = 1; deal < 500 && !seven; ++deal) {
        s.Lines("new 3 " + std::to_string(deal));
        seven = Rank(Read(s).Top("Dest1")) == 7;
    }
    ASSERT_TRUE(seven);
    s.Say("autoplay off");
    // Aces: of the base suit, of the other suit of its colour, and of the two
    // suits of the other colour.
    const int ace = Read(s).Top("Dest1") - 6;
    const int twin = ace == 1 ? 14 : ace == 14 ? 1 : ace == 27 ? 40 : 27;
    const int other1 = CardIsRed(ace) ? 27 : 1;
    const int other2 = CardIsRed(ace) ? 40 : 14;
    Lay(s, "Fila1", Up(other1 + 7));  // an eight of another suit
    Lay(s, "Fila2", Up(ace + 8));     // the nine of the base suit
    EXPECT_EQ(s.Say("drop " + Code(other1 + 7) + " Dest1"), "refused") << "wrong suit";
    EXPECT_EQ(s.Say("drop " + Code(ace + 8) + " Dest1"), "refused") << "wrong rank";
    EXPECT_EQ(s.Say("drop " + Code(ace + 8) + " Dest2"), "refused")
        << "an empty foundation takes a seven";

    // After the King of the base suit comes its Ace.
    std::string seven_to_king;
    for (int rank = 7; rank <= 13; ++rank) seven_to_king += Up(ace + rank - 1) + " ";
    Lay(s, "Dest1", seven_to_king);
    Lay(s, "Fila3", Up(ace));
    EXPECT_EQ(s.Say("drop " + Code(ace) + " Dest1"), "moved") << "Ace on King";

    // The tableau builds on a seven, the base rank, like on any card; only
    // the top card or the whole pile moves.
    Lay(s, "Fila2", Up(other1 + 6));
    Lay(s, "Fila3", Up(ace + 5));
    EXPECT_EQ(s.Say("drop " + Code(ace + 5) + " Fila2"), "moved") << "a six on a seven";
    Lay(s, "Fila3", Up(other1 + 4));
    EXPECT_EQ(s.Say("drop " + Code(other1 + 4) + " Fila2"), "moved");
    Lay(s, "Fila4", Up(other2 + 6));
    EXPECT_EQ(s.Say("drop " + Code(ace + 5) + " Fila4"), "refused") << "six and five off the seven";
    Lay(s, "Fila1", Up(twin + 7));
    EXPECT_EQ(s.Say("drop " + Code(other1 + 6) + " Fila1"), "moved") << "the whole pile";
    EXPECT_EQ(Read(s).Size("Fila1"), 4u);

    // A King goes on an Ace, and the space it leaves is filled from the
    // reserve at once.
    Lay(s, "Fila4", Up(other1));
    Lay(s, "Fila3", Up(twin + 12));
    const std::vector<Card> reserve = Read(s).Pile("Appogg1");
    ASSERT_FALSE(reserve.empty());
    EXPECT_EQ(s.Say("drop " + Code(twin + 12) + " Fila4"), "moved") << "King on Ace";
    Table t = Read(s);
    EXPECT_EQ(t.Top("Fila3"), reserve.back().code) << "the reserve's top card filled the space";
    EXPECT_EQ(t.Size("Appogg1"), reserve.size() - 1);

    // Once the reserve is empty a space takes a waste card, not a tableau
    // card. The stock turns three cards at a time.
    Lay(s, "Appogg1", "");
    Lay(s, "Fila3", "");
    EXPECT_EQ(s.Say("press Mazzo"), "done");
    t = Read(s);
    EXPECT_EQ(t.Size("Mazzo_Vis"), 3u);
    EXPECT_EQ(s.Say("drop " + Code(twin + 12) + " Fila3"), "refused")
        << "the King from the tableau";
    EXPECT_EQ(s.Say("drop " + Code(t.Top("Mazzo_Vis")) + " Fila3"), "moved");
}

TEST(YukonRules, AnyFaceUpCardMovesWithTheCardsOnItButOnlyKingsFillSpaces) {
    Session s;
    s.Lines("new 4 3");
    s.Say("autoplay off");
    // The seven of clubs under the Queen and two of hearts, on a face-down
    // card; the eight of hearts alone.
    Lay(s, "Fila1", Down(44) + " " + Up(33) + " " + Up(12) + " " + Up(2));
    Lay(s, "Fila2", Up(8));
    Lay(s, "Fila3", "");
    EXPECT_EQ(s.Say("drop 12 Fila3"), "refused") << "a Queen on a space";
    EXPECT_EQ(s.Say("drop 44 Fila2"), "refused") << "a face-down card";
    EXPECT_EQ(s.Say("drop 33 Fila2"), "moved") << "the seven with the unordered cards on it";
    const Table t = Read(s);
    ASSERT_EQ(t.Size("Fila2"), 4u);
    EXPECT_EQ(t.Pile("Fila2")[1].code, 33);
    EXPECT_EQ(t.Top("Fila2"), 2);
    EXPECT_TRUE(TopUp(t, "Fila1")) << "the uncovered card turned up";
}

TEST(FortyThievesRules, OneCardAtATimeInSuitAndNoRedeal) {
    Session s;
    s.Lines("new 5 2");
    s.Say("autoplay off");
    Lay(s, "Fila1", Up(8) + " " + Up(7));  // eight and seven of hearts
    Lay(s, "Fila2", Up(61));               // nine of hearts of the second deck
    Lay(s, "Fila3", Up(47));               // eight of spades
    EXPECT_EQ(s.Say("drop 8 Fila2"), "refused") << "a two-card move";
    EXPECT_EQ(s.Say("drop 7 Fila3"), "refused") << "a seven of hearts on a spade";
    EXPECT_EQ(s.Say("drop 7 Fila2"), "refused") << "a seven on a nine";
    Lay(s, "Fila4", "");
    EXPECT_EQ(s.Say("drop 7 Fila4"), "moved") << "any card fills a space";
    EXPECT_EQ(s.Say("drop 8 Fila2"), "moved") << "now a single card";

    // The stock is turned once, card by card, and never comes back.
    const size_t stock = Read(s).Size("Mazzo");
    for (size_t n = 1; n <= stock; ++n) ASSERT_EQ(s.Say("press Mazzo"), "done");
    const Table t = Read(s);
    EXPECT_EQ(t.Size("Mazzo_Vis"), stock);
    EXPECT_EQ(s.Say("press Mazzo"), "nothing") << "no redeal";
    EXPECT_EQ(Read(s).Size("Mazzo_Vis"), stock);
}

TEST(PyramidRules, FreeCardsAddingToThirteenGoAndNothingElse) {
    Session s;
    s.Lines("new 6 1");
    const Engine& e = s.engine();
    const Table dealt = Read(s);
    const std::vector<Card>& row6 = dealt.Pile("Fila6");
    const std::vector<Card>& row7 = dealt.Pile("Fila7");
    // Deal 1's last row: 3, 8, 5, 7, Jack, 10 and Ace; the row above it is
    // covered.
    ASSERT_EQ(row7[0].code, 29);
    ASSERT_EQ(row7[1].code, 47);
    ASSERT_EQ(row7[2].code, 31);
    EXPECT_EQ(s.Say("press Fila6 " + Code(row6[0].code)), "nothing") << "a covered card";
    EXPECT_EQ(s.Say("press Fila7 29"), "done");
    EXPECT_EQ(s.Say("press Fila7 47"), "done") << "selected, but 3 and 8 are no 13";
    EXPECT_EQ(Read(s).Size("Mazzo_Waste"), 0u);
    EXPECT_EQ(s.Say("press Fila7 31"), "nothing") << "a third card";
    EXPECT_EQ(s.Say("press Fila7 47"), "done") << "a second press takes it out again";
    EXPECT_EQ(s.Say("press Fila7 29"), "done");
    EXPECT_EQ(PileCount(e.piles.foundations[0]), 0) << "nothing is selected";

    // A King goes alone; a free card and the waste card adding up to 13 go
    // together; two free cards likewise. Their slots stay behind empty.
    Lay(s, "Mazzo_Vis", Up(39));  // King of clubs
    EXPECT_EQ(s.Say("press Mazzo_Vis 39"), "done");
    Lay(s, "Mazzo_Vis", Up(49));  // ten of spades
    EXPECT_EQ(s.Say("press Fila7 29"), "done");
    EXPECT_EQ(s.Say("press Mazzo_Vis 49"), "done");
    EXPECT_EQ(s.Say("press Fila7 47"), "done");
    EXPECT_EQ(s.Say("press Fila7 31"), "done") << "8 and 5";
    Table t = Read(s);
    EXPECT_EQ(t.Pile("Fila7")[0].code, 0);
    EXPECT_EQ(t.Pile("Fila7")[2].code, 0);
    EXPECT_EQ(t.Size("Fila7"), 7u);
    EXPECT_EQ(t.Size("Mazzo_Waste"), 5u);
    EXPECT_EQ(t.score, -27);

    // Row 6's first card is free now and pairs with the stock's top card once
    // the stock is turned to a card that makes 13 with it.
    const int free_card = row6[0].code;
    while (!t.Pile("Mazzo").empty() && Rank(t.Top("Mazzo")) + Rank(free_card) != 13) {
        ASSERT_EQ(s.Say("press Mazzo"), "done");
        t = Read(s);
    }
    ASSERT_FALSE(t.Pile("Mazzo").empty());
    const int stock_card = t.Top("Mazzo");
    EXPECT_EQ(s.Say("press Fila6 " + Code(free_card)), "done");
    EXPECT_EQ(s.Say("press Mazzo " + Code(stock_card)), "done");
    t = Read(s);
    EXPECT_EQ(t.Pile("Fila6")[0].code, 0);
    EXPECT_NE(t.Top("Mazzo"), stock_card);
    EXPECT_EQ(t.Top("Mazzo_Waste"), stock_card);
}

TEST(DiscardGames, GolfStopsAtTheKingWhileTheBlackHoleWraps) {
    Session s;
    for (int game : {kGolf, kBlackHole}) {
        SCOPED_TRACE(game == kGolf ? "Golf" : "Black Hole");
        s.Lines("new " + std::to_string(game) + " 4");
        Lay(s, "Mazzo_Waste", Up(13));  // the King of hearts on the discard
        Lay(s, "Fila1", Up(27));        // the Ace of clubs
        Lay(s, "Fila2", Up(49));        // the ten of spades
        Lay(s, "Fila3", Up(12));        // the Queen of hearts
        EXPECT_EQ(s.Say("press Fila2"), "nothing") << "a ten on a King";
        EXPECT_EQ(s.Say("press Fila1"), game == kBlackHole ? "done" : "nothing")
            << "an Ace on a King";
        EXPECT_EQ(s.Say("press Fila3"), game == kGolf ? "done" : "nothing")
            << "a Queen on the King, or on the Ace";
        EXPECT_EQ(s.Lines("moves").size(), 0u) << "nothing is built on the piles";
    }
    // Golf's stock turns one card onto the discard at a time, once.
    s.Lines("new 7 4");
    const size_t stock = Read(s).Size("Mazzo");
    for (size_t n = 1; n <= stock; ++n) {
        ASSERT_EQ(s.Say("press Mazzo"), "done");
        EXPECT_EQ(Read(s).Size("Mazzo_Waste"), n + 1);
    }
    EXPECT_EQ(s.Say("press Mazzo"), "nothing");
}

TEST(ElevensRules, NumberCardsToElevenOrJackQueenKingAndTheGapsRefill) {
    Session s;
    s.Lines("new 9 2");
    // Cards from deal 2's stock onto the first six cells.
    Lay(s, "Fila1", Up(11));  // Jack of hearts
    Lay(s, "Fila2", Up(1));   // Ace of hearts
    Lay(s, "Fila3", Up(23));  // Queen of diamonds
    Lay(s, "Fila4", Up(52));  // King of spades
    Lay(s, "Fila5", Up(10));  // ten of hearts
    Lay(s, "Fila6", Up(12));  // Queen of hearts
    const std::vector<Card> stock = Read(s).Pile("Mazzo");
    EXPECT_EQ(s.Say("press Fila1 11"), "done");
    EXPECT_EQ(s.Say("press Fila2 1"), "nothing") << "a number card with a Jack";
    EXPECT_EQ(s.Say("press Fila6 12"), "done");
    EXPECT_EQ(s.Say("press Fila3 23"), "nothing") << "a second Queen";
    EXPECT_EQ(s.Say("press Fila4 52"), "done") << "Jack, Queen and King go";
    Table t = Read(s);
    EXPECT_EQ(t.Size("Mazzo_Waste"), 3u);
    // The gaps took the stock's top cards in pile order, face up.
    EXPECT_EQ(t.Top("Fila1"), stock[stock.size() - 1].code);
    EXPECT_EQ(t.Top("Fila4"), stock[stock.size() - 2].code);
    EXPECT_EQ(t.Top("Fila6"), stock[stock.size() - 3].code);
    EXPECT_TRUE(TopUp(t, "Fila6"));
    EXPECT_EQ(s.Say("press Fila2 1"), "done");
    EXPECT_EQ(s.Say("press Fila5 10"), "done") << "Ace and ten make eleven";
    EXPECT_EQ(Read(s).Size("Mazzo_Waste"), 5u);
    EXPECT_EQ(s.Say("press Mazzo"), "nothing") << "the stock only fills gaps";
}

// --- Winning -----------------------------------------------------------------

// One thing a player does: a drop, or presses that together remove cards.
using Action = std::vector<std::string>;

bool Changed(const std::string& answer) {
    return answer == "moved" || answer == "done";
}

// True when `card` lies on `below` as the game builds its tableau, so that
// moving it to another tableau pile only shuffles a built sequence.
bool Built(int game, int below, int card) {
    const bool next = Rank(below) == Rank(card) + 1 ||
                      (game == kCanfield && Rank(below) == 1 && Rank(card) == 13);
    if (game == kFortyThieves) return next && CardSuit(below) == CardSuit(card);
    return next && CardIsRed(below) != CardIsRed(card);
}

// The drags "moves" lists, best first: to a foundation, then moves that
// uncover a card or empty a pile, then the rest. Left out: a whole pile onto
// a space, the same card onto a second space, a card taken off the sequence
// it is built on, and foundation cards. The stock press comes last.
std::vector<Action> DragActions(int game, Session& s, const Table& t) {
    std::vector<std::pair<int, Action>> ranked;
    std::set<int> to_space;
    for (const std::string& line : s.Lines("moves")) {
        std::istringstream words(line);
        std::string code, from, to;
        words >> code >> from >> to;
        const int card = std::stoi(code);
        if (from.rfind("Dest", 0) == 0) continue;
        const auto& source = t.Pile(from);
        size_t at = 0;
        while (at < source.size() && source[at].code != card) ++at;
        const bool to_empty = t.Size(to) == 0;
        if (to_empty && (at == 0 || !to_space.insert(card).second)) continue;
        const bool from_tableau = from.rfind("Fila", 0) == 0;
        const bool to_foundation = to.rfind("Dest", 0) == 0;
        if (from_tableau && !to_foundation && at > 0 && source[at - 1].up &&
            Built(game, source[at - 1].code, card))
            continue;
        int rank = 3;
        if (to_foundation)
            rank = 0;
        else if (at == 0 || !source[at - 1].up || !from_tableau)
            rank = 1;
        else if (to_empty)
            rank = 2;
        ranked.push_back({rank, {"drop " + code + " " + to}});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Action> actions;
    for (auto& r : ranked) actions.push_back(r.second);
    if (t.Size("Mazzo") + t.Size("Mazzo_Vis") > 0) actions.push_back({"press Mazzo"});
    return actions;
}

// The discard games: every top card one rank from the discard's top card,
// from the fuller piles first, then the stock.
std::vector<Action> DiscardActions(const Table& t, bool wrap) {
    const int top = Rank(t.Top("Mazzo_Waste"));
    std::vector<std::pair<size_t, std::string>> piles;
    for (const std::string& name : t.pile_order) {
        if (name.rfind("Fila", 0) != 0 || t.Size(name) == 0) continue;
        const int d = std::abs(Rank(t.Top(name)) - top);
        if (d == 1 || (wrap && d == 12)) piles.push_back({t.Size(name), name});
    }
    std::stable_sort(piles.begin(), piles.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Action> actions;
    for (const auto& p : piles) actions.push_back({"press " + p.second});
    if (t.Size("Mazzo") > 0) actions.push_back({"press Mazzo"});
    return actions;
}

// Where a selectable card lies and how a press names it.
struct Selectable {
    int code;
    std::string press;
};

// Pyramid: Kings alone and pairs to 13 among the free cards and the waste's
// top card; a pair with the stock's top card is pressed stock last. Then a
// turn of the stock (or the redeal).
std::vector<Action> PyramidActions(const Table& t) {
    std::vector<Selectable> cards;
    for (int row = 1; row <= 7; ++row) {
        const auto& cells = t.Pile(Tableau(row));
        const auto& below = t.Pile(Tableau(row + 1));
        bool below_empty = true;
        for (int r = row + 1; r <= 7; ++r)
            for (const Card& c : t.Pile(Tableau(r))) below_empty = below_empty && c.code == 0;
        for (size_t k = 0; k < cells.size(); ++k) {
            const bool free =
                below_empty || (row < 7 && below[k].code == 0 && below[k + 1].code == 0);
            if (cells[k].code != 0 && free)
                cards.push_back(
                    {cells[k].code, "press " + Tableau(row) + " " + Code(cells[k].code)});
        }
    }
    if (t.Size("Mazzo_Vis") > 0)
        cards.push_back({t.Top("Mazzo_Vis"), "press Mazzo_Vis " + Code(t.Top("Mazzo_Vis"))});
    std::vector<Action> actions;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (Rank(cards[i].code) == 13) actions.push_back({cards[i].press});
        for (size_t j = i + 1; j < cards.size(); ++j)
            if (Rank(cards[i].code) + Rank(cards[j].code) == 13)
                actions.push_back({cards[i].press, cards[j].press});
        if (t.Size("Mazzo") > 0 && Rank(cards[i].code) + Rank(t.Top("Mazzo")) == 13)
            actions.push_back({cards[i].press, "press Mazzo " + Code(t.Top("Mazzo"))});
    }
    if (t.Size("Mazzo") > 0 || t.Size("Mazzo_Vis") > 1) actions.push_back({"press Mazzo"});
    return actions;
}

// Elevens: two number cards of the grid adding up to 11, or a Jack, a Queen
// and a King.
std::vector<Action> ElevensActions(const Table& t) {
    std::vector<Selectable> cards;
    for (int cell = 1; cell <= 9; ++cell)
        if (t.Size(Tableau(cell)) > 0)
            cards.push_back({t.Top(Tableau(cell)),
                             "press " + Tableau(cell) + " " + Code(t.Top(Tableau(cell)))});
    std::vector<Action> actions;
    std::map<int, std::string> courts;
    for (size_t i = 0; i < cards.size(); ++i) {
        const int rank = Rank(cards[i].code);
        if (rank > 10) courts.emplace(rank, cards[i].press);
        for (size_t j = i + 1; j < cards.size(); ++j)
            if (rank <= 10 && rank + Rank(cards[j].code) == 11)
                actions.push_back({cards[i].press, cards[j].press});
    }
    if (courts.size() == 3) actions.push_back({courts[11], courts[12], courts[13]});
    return actions;
}

std::vector<Action> ActionsOf(int game, Session& s, const Table& t) {
    switch (game) {
        case kPyramid:
            return PyramidActions(t);
        case kGolf:
            return DiscardActions(t, false);
        case kBlackHole:
            return DiscardActions(t, true);
        case kElevens:
            return ElevensActions(t);
        default:
            return DragActions(game, s, t);
    }
}

// Depth-first over the actions, stepping back with undo, never visiting a
// position twice; bounded by the number of positions.
class Solver {
  public:
    Solver(Session& s, int game, int max_positions) : s_(s), game_(game), max_(max_positions) {}

    bool Search() {
        const Table t = Read(s_);
        if (t.over) return t.won;
        if (++positions_ > max_ || !seen_.insert(Key(t)).second) return false;
        for (const Action& action : ActionsOf(game_, s_, t)) {
            const int steps = s_.engine().undo.Steps();
            bool done = true;
            for (const std::string& press : action) done = done && Changed(s_.Say(press));
            if (s_.engine().undo.Steps() == steps) {
                // The stock had nothing left to give; anything else must act.
                EXPECT_EQ(action, Action{"press Mazzo"}) << "an action the rules allow did nothing";
                continue;
            }
            EXPECT_TRUE(done) << action.back();
            path.push_back(action);
            if (Search()) return true;
            path.pop_back();
            while (s_.engine().undo.Steps() > steps && s_.Say("undo") == "done") {
            }
        }
        return false;
    }
    int positions() const { return positions_; }
    std::vector<Action> path;

  private:
    // In the drag games tableau piles in any order are one position.
    std::string Key(const Table& t) const {
        const bool drag = game_ <= kFortyThieves;
        std::string key = std::to_string(s_.engine().main_game.Field(field::kPassCounter));
        std::vector<std::string> tableaus;
        for (const auto& [name, cards] : t.piles) {
            std::string pile;
            for (const Card& c : cards) pile += " " + std::to_string(c.code) + (c.up ? "u" : "d");
            if (drag && name.rfind("Fila", 0) == 0)
                tableaus.push_back(pile);
            else
                key += "|" + name + pile;
        }
        std::sort(tableaus.begin(), tableaus.end());
        for (const std::string& pile : tableaus) key += "|" + pile;
        return key;
    }

    Session& s_;
    int game_;
    int max_;
    int positions_ = 0;
    std::set<std::string> seen_;
};

// Plays `path` into a fresh driver; the same deal and the same actions win
// again.
void Replay(int game, int deal, const std::vector<Action>& path, int score) {
    Session s;
    s.Say("autoplay off");
    s.Lines("new " + std::to_string(game) + " " + std::to_string(deal));
    for (const Action& action : path)
        for (const std::string& press : action) ASSERT_TRUE(Changed(s.Say(press))) << press;
    EXPECT_EQ(s.State("won"), "won 1");
    EXPECT_EQ(s.State("over"), "over 1");
    EXPECT_EQ(s.State("score"), "score " + std::to_string(score));
}

TEST(GameWins, EveryGameIsPlayedToAWinBySearch) {
    struct Win {
        int game;
        int deal;  // a deal the search wins within a few hundred positions
    };
    for (const Win& w : {Win{kKlondike, 24}, Win{kCanfield, 97}, Win{kYukon, 10}, Win{kPyramid, 3},
                         Win{kGolf, 25}, Win{kBlackHole, 21}, Win{kElevens, 4}}) {
        SCOPED_TRACE("game " + std::to_string(w.game) + " deal " + std::to_string(w.deal));
        Session s;
        s.Say("autoplay off");
        s.Lines("new " + std::to_string(w.game) + " " + std::to_string(w.deal));
        Solver solver(s, w.game, 2000);
        ASSERT_TRUE(solver.Search()) << "searched " << solver.positions() << " positions";
        EXPECT_EQ(s.State("won"), "won 1");
        EXPECT_EQ(s.State("score"), "score 208") << "every card scored";
        EXPECT_EQ(s.Say("undo"), "nothing") << "an ended game stays ended";
        Replay(w.game, w.deal, solver.path, 208);
    }
}

// Forty Thieves deal 25, won once by a best-first search outside the tests
// and kept here: "S" turns the stock, "cDn" drops card c on foundation n and
// "cFn" on tableau pile n.
constexpr const char* kFortyThievesWin = R"(
40D1 93D1 42D1 95D1 44D1 27D2 S S 53D3 S 33F10 S S S 45D1 S S S S 22F2 21F2 98D1 47D1 2D3 S S S S
55D3 56D3 S S 57D3 S S S 32F10 S S S 92D4 S S S S S 20F2 S 74F9 S 48D1 101D1 50D1 S S S S 28D2 81D2
31F10 78F1 73F9 103D1 14D5 52D1 84F3 67D5 68D5 6D3 43F5 S 94F5 S S S 19F2 70F2 29F6 79D6 S 72F9 S
69D5 70D5 19D5 20D5 21D5 22D5 75D5 24D5 S S 96F4 S S 1D7 S 30D2 31D2 32D2 33D2 34D2 87D2 96F10 94F4
43F10 94F10 104F4 46F5 51F4 S 77D5 78D5 8F1 102F4 S 80D6 29D6 85F6 84F6 65F3 41D4 94D4 43D4 96D4
97D4 46D4 18F5 71F9 18F9 89F5 8F8 S S 36D2 89D2 S 49F4 S 38D2 39D2 8F1 9F5 8F5 64F3 66D8 58F1 11F3
26F8 25F8 12F10 99D4 S 15D8 S 10F3 61F3 60F3 63F10 S 100D4 49D4 102D4 51D4 104D4 S 82D6 4F4 62F10
16D8 S 3F4 S S 86F2 S 59D3 60D3 61D3 10D3 11D3 64D3 65D3 S 7F5 58F5 S S 54D7 3D7 4D7 S 17D8 18D8
71D8 72D8 73D8 74D8 23D8 S 5D7 58D7 7D7 8D7 9D7 62D7 63D7 12D7 S 13D7 37F1 76D8 25D8 26D8 90F3 37F3
88F3 91F1 83D6 84D6 85D6 86D6 35D6 88D6 37D6 90D6 91D6
)";

TEST(GameWins, FortyThievesIsPlayedToAWinFromAKeptMoveList) {
    std::vector<Action> path;
    std::istringstream tokens(kFortyThievesWin);
    for (std::string t; tokens >> t;) {
        const size_t at = t.find_first_of("DF");
        if (t == "S")
            path.push_back({"press Mazzo"});
        else
            path.push_back({"drop " + t.substr(0, at) + (t[at] == 'D' ? " Dest" : " Fila") +
                            t.substr(at + 1)});
    }
    ASSERT_GT(path.size(), 104u + 63u);
    Replay(kFortyThieves, 25, path, 416);
}

}  // namespace
}  // namespace velmora::cli
