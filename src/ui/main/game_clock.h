#pragma once
// The playing time of the current game, in seconds. It starts with the
// player's first move (not at the deal), stops when the game ends, and
// stands still while a dialog keeps the player from the table; the
// stretches it ran add up. Times are seconds since midnight, so a stretch
// may pass midnight.

#include "ui/main/clock_text.h"

namespace velmora {

class GameClock {
public:
    // A new deal: nothing counted, not running.
    void Reset() {
        counted_ = 0;
        running_ = false;
    }
    void Start(int now) {
        if (running_) return;
        since_ = now;
        running_ = true;
    }
    void Stop(int now) {
        if (!running_) return;
        counted_ += ElapsedSeconds(since_, now);
        running_ = false;
    }
    bool Running() const { return running_; }
    int Seconds(int now) const { return counted_ + (running_ ? ElapsedSeconds(since_, now) : 0); }
    // A resumed game goes on from the time it had.
    void SetSeconds(int seconds) { counted_ = seconds < 0 ? 0 : seconds; }

private:
    int counted_ = 0;
    int since_ = 0;
    bool running_ = false;
};

}  // namespace velmora
