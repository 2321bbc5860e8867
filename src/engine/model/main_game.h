#pragma once
// TMainGame: the numeric state of the table for the current game (pile
// positions, fan offsets, scroll offset, counters, modes) and the game
// catalogue. Tableau positions are kept beside it in TableauAnchors.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// Positions below the table mark piles the layout has not placed.
constexpr int kUnplacedStockArea = -10000;
constexpr int kUnplacedFoundation = -10001;
constexpr int kUnplacedTableau = -10002;
constexpr int kUnplacedReserve = -10003;
// A pile counts as placed when its y, as the accessors return it, is at least this.
constexpr int kPlacedMinimum = -9999;
inline bool IsPlacedY(int y) { return y >= kPlacedMinimum; }

// Named fields of the integer array.
namespace field {
constexpr int kFoundationX = 0;
constexpr int kFoundationY = 17;
constexpr int kReserveX = 34;
constexpr int kReserveY = 45;
constexpr int kStockAreaX = 56;
constexpr int kStockAreaY = 60;
constexpr int kFanUpY = 64;
constexpr int kFanUpX = 65;
constexpr int kFanDownY = 66;
constexpr int kFanDownX = 67;
constexpr int kSideGap = 72;
constexpr int kPassCounter = 73;
constexpr int kCardSizeState = 74;
constexpr int kFan5Offset = 75;
constexpr int kFan5Second = 76;
constexpr int kFan6Offset = 83;
constexpr int kFan6Second = 84;
constexpr int kNotice640 = 82;
constexpr int kDealCounterA = 88;
constexpr int kDealCounterB = 89;
constexpr int kScrollOffset = 90;
constexpr int kMoveCounter = 91;
constexpr int kDraggedCard = 94;
constexpr int kRunTopCard = 95;
constexpr int kNotice800 = 98;
constexpr int kScoreCounter = 99;
constexpr int kJokerIndicator = 100;
constexpr int kFoundationMarks = 103;
constexpr int kRandomGameType = 104;
constexpr int kAutoplayAllGames = 105;
constexpr int kFastSearchType = 108;
}  // namespace field

class TMainGame {
public:
    static constexpr int kFieldCount = 122;

    // Field i, or 0 for an index outside the array.
    int Field(int i) const;
    // Stores the low 16 bits; an index outside the array is ignored.
    void SetField(int i, int value);

    int StockAreaX(int i) const;
    int StockAreaY(int i) const;
    void SetStockAreaX(int i, int value);
    void SetStockAreaY(int i, int value);
    int FoundationX(int i) const;
    int FoundationY(int i) const;
    void SetFoundationX(int i, int value);
    void SetFoundationY(int i, int value);
    int ReserveX(int i) const;
    int ReserveY(int i) const;
    void SetReserveX(int i, int value);
    void SetReserveY(int i, int value);

    std::vector<std::string>& Catalogue() { return catalogue_; }
    const std::vector<std::string>& Catalogue() const { return catalogue_; }
    std::vector<std::string>& SecondList() { return second_list_; }

private:
    // Reads field base + i for i in 0 .. count - 1, else 0.
    int Ranged(int base, int count, int i) const;
    void SetRanged(int base, int count, int i, int value);

    std::array<int16_t, kFieldCount> fields_{};
    std::vector<std::string> catalogue_;
    std::vector<std::string> second_list_;
};

// x and y of tableau piles 1 to 28 in entries 0 to 27 (30 entries each).
struct TableauAnchors {
    static constexpr int kEntries = 30;
    std::array<int16_t, kEntries> x{};
    std::array<int16_t, kEntries> y{};
};

int TableauX(const TableauAnchors& anchors, int i);
// The stored y minus the scroll offset of `game`.
int TableauY(const TableauAnchors& anchors, const TMainGame& game, int i);
void SetTableauX(TableauAnchors& anchors, int i, int value);
void SetTableauY(TableauAnchors& anchors, int i, int value);

// Moves every pile position to its unplaced marker (done when a game loads).
void MarkPilesUnplaced(TMainGame& game, TableauAnchors& anchors);

}  // namespace velmora
