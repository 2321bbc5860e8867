#pragma once
// The six patterns of the winning animation and what they share: the card
// thrower knows the table, the clock, the pauses and the random source.

#include <cstdint>

#include "render/winning_animation.h"

namespace velmora {

class CardThrower {
public:
    CardThrower(const DrawContext& ctx, const WinningAnimationInputs& inputs, WinningAnimationHooks& hooks);

    // Random(n): 0 .. n - 1 (0 when n is below 1).
    int Random(int n);
    // A face code 1 to 51.
    int RandomCard();

    // The face on the window and into the back buffer, shown at once.
    void Throw(int code, int x, int y);

    // The pause P: half the move speed, rounded; none when it is 0.
    void PauseShort();
    // A pause of that many milliseconds; none for 0.
    void Pause(int milliseconds);
    void ProcessEvents();
    void WaitProcessing(int milliseconds);

    bool Running() const { return hooks_.Running(); }
    bool TimeOver() const;
    // Neither stopped by the player nor out of time.
    bool Going() const { return Running() && !TimeOver(); }

    // The window's drawing area, read at each use.
    int Width() const;
    int Height() const;
    // The top of the table: the bottom of the toolbar, or 5 without one.
    int Top() const;
    int CardWidth() const { return ctx_.CardWidth(); }
    int CardHeight() const { return ctx_.CardHeight(); }
    int MoveSpeed() const { return inputs_.move_speed; }
    // `x` moved left so a card there ends inside the width (never below 0).
    int FitX(int x) const;

private:
    const DrawContext& ctx_;
    const WinningAnimationInputs& inputs_;
    WinningAnimationHooks& hooks_;
    int64_t end_;
};

void ThrowOpenOrder(CardThrower& t);
void ThrowLeftToRight(CardThrower& t);
void ThrowUpToDown(CardThrower& t);
void ThrowFestoons(CardThrower& t);
void ThrowLines(CardThrower& t);
void ThrowCircles(CardThrower& t);

}  // namespace velmora
