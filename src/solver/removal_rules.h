#pragma once
// The rules row of a removal game read once into plain values for the
// removal model: the pyramid (free cards adding to 13 go to the discard
// pile), the discard games (a top card one rank from the discard's top card
// goes there), the peaks (a free card one rank from the discard's top card
// goes there), the cells (number cards adding to 11, or a Jack, a Queen and
// a King; or number cards adding to 10, or four of a rank from Ten up, go to
// the discard pile and the gaps fill from the stock), the touching grid (two
// cards of a rank in touching cells go; the stock closes the gaps up and
// refills them) and the outranked piles (a top card goes while another
// pile's top card of its suit outranks it, a space takes any top card and
// the stock deals a card onto every pile). Only rows and settings whose
// every relevant value the model plays exactly are accepted.

#include <array>
#include <cstdint>
#include <optional>

#include "engine/model/engine.h"

namespace velmora::solver {

enum class RemovalKind : uint8_t { Pyramid, Discard, Peaks, Cells, Touching, Outranked };

// The most tableau piles (a grid of five rows of five) and the most cards
// a pile holds (a card and a deal of twelve onto it).
constexpr int kMaxRemovalPiles = 25;
constexpr int kMaxPileCards = 13;

struct RemovalRules {
    RemovalKind kind = RemovalKind::Discard;
    int tableaus = 0;
    bool wrap = false;           // discard games: King and Ace are neighbours
    bool stock_turns = false;    // a stock press turns the top card (to the waste or the discard)
    bool stock_face_down = true; // how the gathered waste lies in the stock
    int passes = 0;              // pyramid: passes through the stock, -1 unlimited
    // The cells: the highest number card, the sum two number cards make,
    // and whether the courts go as four of a rank (from the first rank
    // above the numbers) rather than one Jack, one Queen and one King.
    int highest_number = 0;
    int pair_sum = 0;
    bool four_of_a_rank = false;
    int columns = 0;             // the touching grid: cells to a row
    int discard_capacity = 0;    // the outranked piles: the most cards the discard takes
    bool discard_on_foundation = false;  // the discard is foundation 1, not the second waste
    // Piles that take presses: those placed on the table.
    bool stock_placed = false;
    bool waste_placed = false;
    bool discard_placed = false;
    // The pyramid's deck: the waste from its bottom card up, then the stock
    // from its top card down. Turning and gathering keep this order, so the
    // cards left and the waste's length say where each one lies. Each
    // card's place in the order of the starting position, -1 elsewhere.
    std::array<int8_t, 53> deck_place{};
};

// The most cards the pyramid's deck and its rows hold.
constexpr int kMostDeckCards = 24;
constexpr int kMostPyramidRows = 7;
constexpr int kMostPyramidSlots = kMostPyramidRows * (kMostPyramidRows + 1) / 2;
// The most slots the rows of the peaks have.
constexpr int kMostPeakSlots = 32;

// The removal rules of the game on `e`, when the removal model plays it
// exactly from the position on the table; nothing otherwise.
std::optional<RemovalRules> CompileRemovalRules(const Engine& e);

}  // namespace velmora::solver
