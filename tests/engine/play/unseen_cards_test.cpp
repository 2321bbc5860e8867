#include "engine/play/unseen_cards.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/deal/start_game.h"
#include "engine/model/games_file.h"
#include "engine/model/pile_string.h"
#include "engine/play/deal_placement.h"
#include "engine/play/stock.h"
#include "engine/play/undo_redo.h"
#include "play_table.h"

namespace velmora::play_test {
namespace {

constexpr int kKlondike = 2;
constexpr int kFreecell = 1;
constexpr int kFortyThieves = 5;

// A real deal of a shipped game.
class ShippedDeal {
  public:
    explicit ShippedDeal(int game) : engine_(EngineInit("/t/")) {
        read_ = ReadGamesFile(std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT", games_);
        PrepareTable(*engine_);
        LoadCatalogue(*engine_, games_);
        ChooseGame(*engine_, game);
        StartOptions options;
        options.deal_number = "1";
        options.rules = &rules_;
        dealt_ = read_ && StartGame(*engine_, games_, options);
    }
    bool Dealt() const { return dealt_; }
    Engine& e() { return *engine_; }
    int Count(ListId list, int index) { return PileCount(e().piles.Text(list, index)); }

  private:
    std::unique_ptr<Engine> engine_;
    GamesData games_;
    PlayDealRules rules_;
    bool read_ = false;
    bool dealt_ = false;
};

// Every rank of every suit is no more than `decks` times unseen, and the
// totals of the rows, the columns and the whole agree.
void ExpectConsistent(const UnseenCards& u, int decks) {
    int by_ranks = u.jokers;
    int by_suits = u.jokers;
    for (int rank = 1; rank <= UnseenCards::kRanks; ++rank) {
        by_ranks += u.RankTotal(rank);
        for (int suit = 0; suit < UnseenCards::kSuits; ++suit) {
            EXPECT_GE(u.At(rank, suit), 0);
            EXPECT_LE(u.At(rank, suit), decks) << "rank " << rank << " suit " << suit;
        }
    }
    for (int suit = 0; suit < UnseenCards::kSuits; ++suit) by_suits += u.SuitTotal(suit);
    EXPECT_EQ(by_ranks, u.Total());
    EXPECT_EQ(by_suits, u.Total());
}

TEST(UnseenCards, KlondikeDealHidesTheStockAndTheCardsUnderTheTableauTops) {
    ShippedDeal deal(kKlondike);
    ASSERT_TRUE(deal.Dealt());
    Engine& e = deal.e();
    const UnseenCards dealt = CountUnseenCards(e);
    EXPECT_EQ(dealt.Total(), 24 + 21);  // the stock, and 0 + 1 + .. + 6 under the tops
    ExpectConsistent(dealt, 1);
    for (int t = 0; t < 7; ++t) {
        const int top = PileTop(e.piles.tableau[static_cast<size_t>(t)]);
        EXPECT_EQ(dealt.At(CardRank(top), CardSuit(top)), 0) << "the top of tableau " << t + 1 << " is seen";
    }

    // Turning the stock shows cards; undo hides them again, redo shows them.
    ASSERT_TRUE(PressStock(e));
    ReleaseStock(e);
    const int turned = deal.Count(ListId::Stock, kWasteIndex);
    ASSERT_GT(turned, 0);
    const UnseenCards after_turn = CountUnseenCards(e);
    EXPECT_EQ(after_turn.Total(), dealt.Total() - turned);
    const int shown = PileTop(e.piles.stock_area[kWasteIndex]);
    EXPECT_EQ(after_turn.At(CardRank(shown), CardSuit(shown)), 0);
    ASSERT_TRUE(Undo(e));
    EXPECT_EQ(CountUnseenCards(e), dealt);
    ASSERT_TRUE(Redo(e));
    EXPECT_EQ(CountUnseenCards(e), after_turn);
}

TEST(UnseenCards, TwoDeckAndOpenGames) {
    ShippedDeal forty(kFortyThieves);
    ASSERT_TRUE(forty.Dealt());
    const UnseenCards two_decks = CountUnseenCards(forty.e());
    ExpectConsistent(two_decks, 2);
    // The stock is face down, the tableau dealt face up.
    EXPECT_EQ(two_decks.Total(), forty.Count(ListId::Stock, kStockIndex));
    EXPECT_EQ(two_decks.Total(), 64);
    int seen_twice_unseen = 0;
    for (int rank = 1; rank <= UnseenCards::kRanks; ++rank)
        for (int suit = 0; suit < UnseenCards::kSuits; ++suit) seen_twice_unseen += two_decks.At(rank, suit) == 2;
    EXPECT_GT(seen_twice_unseen, 0) << "both copies of a card in the stock count";

    ShippedDeal freecell(kFreecell);
    ASSERT_TRUE(freecell.Dealt());
    EXPECT_EQ(CountUnseenCards(freecell.e()).Total(), 0);
}

TEST(UnseenCards, JokersApartAndEachCardOnce) {
    Table t;
    t.Put("Fila1", {105, H(5), 106, S(K)}).FaceDown(105).FaceDown(H(5)).FaceDown(106);
    t.Put("Mazzo", {D(2), 52 + D(2)}).FaceDown(D(2)).FaceDown(52 + D(2));
    const UnseenCards u = CountUnseenCards(t.e());
    EXPECT_EQ(u.jokers, 2);
    EXPECT_EQ(u.At(5, 0), 1);
    EXPECT_EQ(u.At(2, 1), 2);
    EXPECT_EQ(u.At(K, 3), 0);
    EXPECT_EQ(u.RankTotal(2), 2);
    EXPECT_EQ(u.SuitTotal(1), 2);
    EXPECT_EQ(u.Total(), 5);

    // A selection game's selection names cards that still lie on their piles.
    t.Rule(38, 1).Put("Dest1", {H(5)});
    t.FaceDown(H(5));
    EXPECT_EQ(CountUnseenCards(t.e()).Total(), 5);

    Table empty;
    EXPECT_EQ(CountUnseenCards(empty.e()), UnseenCards{});
}

}  // namespace
}  // namespace velmora::play_test
