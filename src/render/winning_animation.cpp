#include "render/winning_animation.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/layout/nearest.h"
#include "engine/model/engine.h"
#include "engine/model/random_draw.h"
#include "render/card_drawing.h"
#include "render/card_flight.h"
#include "render/winning_patterns.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"

namespace velmora {

namespace {

constexpr int kCardChoices = 51;  // faces 1 to 51: the last king never shows
constexpr int kRandomChoices = 3;  // "(Random)" picks among the first three

constexpr std::array<std::pair<std::string_view, WinningPattern>, 6> kPatternNames = {{
    {"Open order", WinningPattern::OpenOrder},
    {"Left to right", WinningPattern::LeftToRight},
    {"Up to down", WinningPattern::UpToDown},
    {"Festoons", WinningPattern::Festoons},
    {"Lines", WinningPattern::Lines},
    {"Circles", WinningPattern::Circles},
}};

void RunPattern(WinningPattern pattern, CardThrower& t) {
    switch (pattern) {
        case WinningPattern::OpenOrder: ThrowOpenOrder(t); break;
        case WinningPattern::LeftToRight: ThrowLeftToRight(t); break;
        case WinningPattern::UpToDown: ThrowUpToDown(t); break;
        case WinningPattern::Festoons: ThrowFestoons(t); break;
        case WinningPattern::Lines: ThrowLines(t); break;
        case WinningPattern::Circles: ThrowCircles(t); break;
        case WinningPattern::None: break;
    }
}

}  // namespace

WinningPattern ChooseWinningPattern(std::string_view name, std::mt19937_64& random) {
    if (name == "(Random)") return kPatternNames[static_cast<size_t>(RandomBelow(random, kRandomChoices))].second;
    for (const auto& [text, pattern] : kPatternNames)
        if (name == text) return pattern;
    return WinningPattern::None;
}

WinningAnimationInputs ReadWinningAnimationInputs(const Engine& e) {
    const SettingsFile file = OpenSettingsFile(e.params);
    WinningAnimationInputs inputs;
    inputs.pattern = file.Read(key::kWinningAnimations);
    inputs.seconds = file.ReadInt(key::kWinningAnimationsTime);
    inputs.move_speed = FlightDelay(e, false);
    return inputs;
}

CardThrower::CardThrower(const DrawContext& ctx, const WinningAnimationInputs& inputs, WinningAnimationHooks& hooks)
    : ctx_(ctx), inputs_(inputs), hooks_(hooks), end_(hooks.Ticks() + int64_t{inputs.seconds} * 1000) {}

int CardThrower::Random(int n) { return RandomBelow(ctx_.engine.random, n); }

int CardThrower::RandomCard() { return Random(kCardChoices) + 1; }

void CardThrower::Throw(int code, int x, int y) {
    DrawCardFace(ctx_, Layer::Window, code, x, y);
    DrawCardFace(ctx_, Layer::BackBuffer, code, x, y);
    ctx_.pacer.Update();
    hooks_.CardThrown(code, x, y);
}

void CardThrower::PauseShort() { Pause(Nearest(inputs_.move_speed / 2.0)); }

void CardThrower::Pause(int milliseconds) {
    if (milliseconds > 0) hooks_.Pause(milliseconds);
}

void CardThrower::ProcessEvents() { hooks_.ProcessEvents(); }

void CardThrower::WaitProcessing(int milliseconds) { hooks_.WaitProcessing(milliseconds); }

bool CardThrower::TimeOver() const { return hooks_.Ticks() >= end_; }

int CardThrower::Width() const { return ctx_.surfaces.WindowBounds().width(); }

int CardThrower::Height() const { return ctx_.surfaces.WindowBounds().height(); }

int CardThrower::Top() const { return ctx_.engine.geometry.inputs.top; }

int CardThrower::FitX(int x) const { return std::max(0, std::min(x, Width() - CardWidth())); }

void RunWinningAnimation(const DrawContext& ctx, const WinningAnimationInputs& inputs, WinningAnimationHooks& hooks) {
    const WinningPattern pattern = ChooseWinningPattern(inputs.pattern, ctx.engine.random);
    hooks.SetRunning(true);
    hooks.FocusWindow();
    // Window and back buffer get every card together: nothing is left to
    // copy afterwards, and the thrown cards do not widen the scroll range.
    const QRect dirty = ctx.state.dirty;
    const int lowest = ctx.engine.play.lowest_painted_y;
    CardThrower thrower(ctx, inputs, hooks);
    RunPattern(pattern, thrower);
    ctx.state.dirty = dirty;
    ctx.engine.play.lowest_painted_y = lowest;
    hooks.SetRunning(false);
}

}  // namespace velmora
