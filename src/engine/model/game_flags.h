#pragma once
// The game state flags, numbered 1 to 12. All start cleared except flag 4
// (the main window has not been activated yet) and flag 7 (no stock deal to
// the tableaus or reserves is running).

#include <array>

namespace velmora {

namespace flag {
constexpr int kBusy = 1;             // a press on the table only beeps
constexpr int kInProgress = 2;       // a game is in progress
constexpr int kClockRunning = 3;
constexpr int kNotActivated = 4;     // the main window has not been activated yet
constexpr int kIgnoreNextPress = 5;
constexpr int kWinAnimation = 6;     // clearing it stops the animation
constexpr int kStockDealDone = 7;    // 0 while a stock deal runs
constexpr int kFinished = 8;         // the game is won
constexpr int kStopAutoplay = 9;
}  // namespace flag

class GameFlags {
public:
    static constexpr int kCount = 12;

    GameFlags() { Reset(); }
    void Reset() {
        values_.fill(false);
        values_[flag::kNotActivated] = true;
        values_[flag::kStockDealDone] = true;
    }
    // Flags outside 1 .. 12 read as cleared and ignore writes.
    bool Get(int n) const { return n >= 1 && n <= kCount && values_[static_cast<size_t>(n)]; }
    void Set(int n, bool value) {
        if (n >= 1 && n <= kCount) values_[static_cast<size_t>(n)] = value;
    }

private:
    std::array<bool, kCount + 1> values_{};
};

}  // namespace velmora
