#include "render/winning_hooks.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

#include "platform/timing.h"

namespace velmora {

namespace {

constexpr int64_t kWaitSliceMs = 10;

}  // namespace

WindowWinningHooks::WindowWinningHooks(bool& running, std::function<void()> focus)
    : running_(running), focus_(std::move(focus)) {}

int64_t WindowWinningHooks::Ticks() { return velmora::Ticks(); }

void WindowWinningHooks::Pause(int milliseconds) { velmora::Wait(milliseconds); }

void WindowWinningHooks::ProcessEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void WindowWinningHooks::WaitProcessing(int milliseconds) {
    const int64_t end = velmora::Ticks() + milliseconds;
    for (int64_t now = velmora::Ticks(); running_ && now < end; now = velmora::Ticks())
        velmora::WaitProcessing(std::min(kWaitSliceMs, end - now));
}

void WindowWinningHooks::FocusWindow() {
    if (focus_) focus_();
}

}  // namespace velmora
