#pragma once
// A game's rules row read once into plain values for the compiled model:
// the build rules of each kind of pile, what an empty pile takes, the run
// limits, the stock's turning and passes, the free cells, the automatic play
// and the settings that steer it. Only rows whose every value that matters
// is one the compiled model plays exactly are accepted.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/model/engine.h"
#include "engine/play/safe_autoplay.h"
#include "solver/card_codes.h"

namespace velmora::solver {

// Pile numbering of the compiled position: the stock, the waste, then the
// foundations, the tableau piles and the reserves in use, in the table's order.
constexpr int kCompiledStock = 0;
constexpr int kCompiledWaste = 1;
constexpr int kMaxCompiledPiles = 2 + 16 + 28 + 10;

// The empty rule of a tableau that takes a reserve card while a reserve
// holds cards and a waste card after.
constexpr int kEmptyFromReserveThenWaste = '`';
// Empty rule: a space takes no card.
constexpr int kEmptyNothing = 'R';
// Empty rule: only a card from the waste.
constexpr int kEmptyFromWaste = 'W';
// Foundation empty rule: the rank the started foundations began with, any
// rank while every one is empty; automatic play starts none of them.
constexpr int kBaseOfStartedHomes = '\\';

// Tableau build codes beside the suit filters: nothing is placed on a pile;
// a card only onto an empty pile (by its empty rule); any card from the
// waste and none from another pile.
constexpr int kTableauTakesNothing = 4;
constexpr int kTableauSpacesOnly = 6;
constexpr int kTableauFromWaste = 19;

struct CompiledRules {
    int foundations = 0;
    int tableaus = 0;
    int reserves = 0;

    // Foundations: up from their base rank by `foundation_step` ranks, in
    // suit or, where `foundation_any_suit`, in any suit, or where
    // `foundation_alternate`, in alternate colours. By one, the King is
    // followed by the Ace unless the base is the Ace; by two to four the
    // count goes round past the King. A step of 0: the foundation takes
    // nothing.
    std::array<int, 16> foundation_base{};
    std::array<uint8_t, 16> foundation_step{};
    std::array<bool, 16> foundation_any_suit{};
    std::array<bool, 16> foundation_alternate{};  // up by one in alternate colours
    // Four foundations of one suit each in any order of ranks: the first
    // takes any card of its suit, each other a card of its suit whose rank
    // lies on the foundation before it; an empty one takes a card of its
    // base rank of a suit no other has begun.
    bool rank_seen_homes = false;
    // Foundations of complete suit runs: they take nothing by hand; a run of
    // thirteen cards of one suit, King down to Ace, lying complete on top of
    // a tableau pile goes to the first empty one as part of the move or deal
    // that completed it.
    bool suit_run_homes = false;
    int foundation_capacity = 13;
    int foundation_pickup = 0;  // 0 never, 1 the top card, 2 the top card of two or more

    // Tableau piles, all alike.
    int tableau_filter = 0;     // 0 same suit, 1 same colour, 3 alternate colours, 21 another suit,
                                // or one of the tableau build codes above; else any
    int tableau_direction = 0;  // 0 down, 1 up, 2 either
    int tableau_wrap = 0;       // 0 none, 1 wrap, 2 end reversal
    int tableau_empty = -1;     // -1 any card, 1-13 a rank, kEmptyNothing, or kEmptyFromReserveThenWaste
    int tableau_base = 0;       // the base rank the tableau rules compare with
    bool runs_must_fit = true;  // every card of a run fits the card below it
    int run_filter = 0;         // by this filter (the tableau's, or 0: in suit)
    int run_limit = -1;         // the run length rule as the row holds it

    std::array<bool, 10> reserve_closed{};  // nothing is dropped there
    // Any face-up reserve card may be taken, and it leaves alone: the cards
    // lying over it stay (a bouquet of loose cards).
    bool reserve_cards_loose = false;

    // Stock and waste.
    bool stock_pressable = false;  // the stock is on the table and a press turns cards
    int turn_count = 1;
    int passes = 0;                // -1 unlimited
    bool stock_face_down = true;   // how the gathered waste lies in the stock
    bool turns_onto_empty_waste = false;  // a press turns cards only while the waste is empty
    bool fill_from_reserve = false;  // an emptied tableau takes the first reserve's top card at once
    // An emptied tableau takes the waste's top card at once, or the stock's
    // while the waste is empty.
    bool fill_from_waste_then_stock = false;
    // A press deals the stock's top cards face up, one to each receiving
    // tableau pile (or reserve, when `deals_to_reserves`) in order while the
    // stock lasts (no waste); refused while some tableau pile is empty when
    // `deal_needs_no_gaps`.
    bool deals_to_tableaus = false;
    bool deals_to_reserves = false;
    bool deal_needs_no_gaps = false;
    std::array<bool, 28> deal_receives{};
    // Redeal mode 7: the press on the empty stock (the only stock there is)
    // gathers the tableau, shuffles it for the pass and deals it again in
    // piles of `redeal_pile_size`; the shuffle reads the deal number.
    bool redeals_tableau = false;
    int redeal_pile_size = 3;
    std::string deal_number;

    bool twin_cards = false;  // two decks: each card has a twin that plays alike
    bool face_up_exposed = false;  // uncovered tableau cards turn up (by automatic play when it runs)
    bool autoplay = true;          // automatic play runs after every release
    bool click_to_foundations = false;  // a double click sends a card home (or to a free cell)

    // Which cards automatic play sends home, and how many cards of each suit
    // and rank the game holds (for safe play: a rank is in play while fewer
    // of its cards are home).
    HomeRule home_rule = HomeRule::Greedy;
    std::array<std::array<uint8_t, 14>, 4> cards_in_game{};
    // Of each suit, the ranks (bit r for rank r) with at least one card in
    // the game, and with at least two; whether some card is there thrice.
    std::array<uint16_t, 4> ranks_once{};
    std::array<uint16_t, 4> ranks_twice{};
    bool cards_thrice = false;

    // The suit each suit plays and shows as (decks of fewer suits).
    std::array<uint8_t, 4> shown_suit{0, 1, 2, 3};
    int Suit(int code) const { return shown_suit[static_cast<size_t>(SuitOf(code))]; }
    bool Red(int code) const { return Suit(code) < 2; }

    // Foundations that play alike in any order: the same build from the
    // same base, none reading another foundation.
    bool FoundationsAlike() const;
    // The tableau piles play alike in any order, unless a redeal is left
    // (it gathers them pile by pile).
    bool TableausAlikeAt(int passes_made) const;
    // The reserves are free cells alike (none is closed).
    bool CellsAlike() const;
    // The first pile of the piles that `pile` plays alike with in any order
    // (by the three rules above), or `pile` itself when it has none: the
    // search holds positions that differ by such piles' order as one.
    int AlikeGroupStart(int pile, int passes_made) const;

    int Foundation(int i) const { return 2 + i; }
    int Tableau(int t) const { return 2 + foundations + t; }
    int Reserve(int r) const { return 2 + foundations + tableaus + r; }
    int Piles() const { return 2 + foundations + tableaus + reserves; }
    bool IsFoundation(int p) const { return p >= 2 && p < Tableau(0); }
    bool IsTableau(int p) const { return p >= Tableau(0) && p < Reserve(0); }
    bool IsReserve(int p) const { return p >= Reserve(0) && p < Piles(); }
};

// The compiled rules of the game on `e`, when the compiled model plays it
// exactly; nothing otherwise.
std::optional<CompiledRules> CompileRules(const Engine& e);

}  // namespace velmora::solver
