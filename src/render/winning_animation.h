#pragma once
// The end of a won game: card faces chosen at random are thrown across the
// table in one of six patterns until the set time is over or the player
// presses a key or a mouse button. Every card thrown goes onto the window
// and into the back buffer and stays there until the table is drawn again.
//
// The clock, the waits and the running flag come through hooks, so the
// window runs it on the real tick counter and its message filter, and tests
// and the headless driver on a clock of their own without waiting.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "render/draw_context.h"

namespace velmora {

enum class WinningPattern { None, OpenOrder, LeftToRight, UpToDown, Festoons, Lines, Circles };

// The pattern a setting names: one of "Open order", "Left to right",
// "Up to down", "Festoons", "Lines", "Circles" exactly; "(Random)" for one
// of the first three with equal chance, drawn from `random`; None (nothing
// is drawn) for any other text.
WinningPattern ChooseWinningPattern(std::string_view name, std::mt19937_64& random);

struct WinningAnimationInputs {
    std::string pattern = "(Random)";  // "Winning_Animations"
    int seconds = 30;                  // "Winning_Animations_Time"
    int move_speed = 10;               // "Speed_Move_Card", milliseconds
};

// The settings as they stand at this win: the two animation keys read from
// the settings file now, the move speed from the parameter record.
WinningAnimationInputs ReadWinningAnimationInputs(const Engine& e);

class WinningAnimationHooks {
public:
    virtual ~WinningAnimationHooks() = default;
    // The millisecond tick counter; only differences count.
    virtual int64_t Ticks() = 0;
    // A pause that lets no event run.
    virtual void Pause(int milliseconds) = 0;
    // Lets the pending events run once.
    virtual void ProcessEvents() = 0;
    // Lets events run for that long, ending early once the running flag is
    // cleared.
    virtual void WaitProcessing(int milliseconds) = 0;
    // The running flag: set for the whole animation; the window's message
    // filter clears it on any key or button press, which ends the animation
    // at its next step.
    virtual bool Running() const = 0;
    virtual void SetRunning(bool running) = 0;
    virtual void FocusWindow() {}
    // A card was thrown: its face code and place (window coordinates).
    virtual void CardThrown(int /*code*/, int /*x*/, int /*y*/) {}
};

// Sets the running flag, focuses the window, throws cards in the pattern the
// inputs name until the time is over or the flag is cleared (the time is
// checked after each card of the sweeping patterns and after each whole
// throw of festoons, lines and circles), then clears the flag. The window
// size is read from the window surface at each use; the top of the table
// below the toolbar and the card size come from the last layout; the random
// draws come from the engine's generator.
void RunWinningAnimation(const DrawContext& ctx, const WinningAnimationInputs& inputs, WinningAnimationHooks& hooks);

}  // namespace velmora
