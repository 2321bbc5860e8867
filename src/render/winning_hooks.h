#pragma once
// The winning animation's hooks for the real window: the platform's tick
// counter and waits, the running flag that the window owns and its message
// filter clears, and the window's focus.

#include <functional>

#include "render/winning_animation.h"

namespace velmora {

class WindowWinningHooks : public WinningAnimationHooks {
public:
    explicit WindowWinningHooks(bool& running, std::function<void()> focus = {});

    int64_t Ticks() override;
    void Pause(int milliseconds) override;
    void ProcessEvents() override;
    // In short slices, so a press during the wait ends it soon.
    void WaitProcessing(int milliseconds) override;
    bool Running() const override { return running_; }
    void SetRunning(bool running) override { running_ = running; }
    void FocusWindow() override;

private:
    bool& running_;
    std::function<void()> focus_;
};

}  // namespace velmora
