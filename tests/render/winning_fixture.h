#pragma once
// A table for the winning animation: the drawing table resized to a window
// of the test's choice (the table all green), a clock that stands still
// unless a test moves it, and hooks that write down every card, pause,
// event run and wait in order. A "key press" after a given card clears the
// running flag.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "drawing_fixture.h"
#include "render/winning_animation.h"

namespace velmora::render_test {

struct Thrown {
    int code = 0;
    int x = 0;
    int y = 0;
    bool operator==(const Thrown&) const = default;
};

class FakeHooks : public WinningAnimationHooks {
public:
    int64_t Ticks() override { return now; }
    void Pause(int milliseconds) override { events.push_back("pause " + std::to_string(milliseconds)); }
    void ProcessEvents() override {
        events.push_back("events");
        now += ms_per_event;
    }
    void WaitProcessing(int milliseconds) override {
        events.push_back("wait " + std::to_string(milliseconds));
        if (press_during_waits) running = false;
    }
    bool Running() const override { return running; }
    void SetRunning(bool on) override {
        running = on;
        if (on) ++runs;
    }
    void CardThrown(int code, int x, int y) override {
        thrown.push_back({code, x, y});
        events.push_back("card");
        now += ms_per_card;
        if (static_cast<int>(thrown.size()) == press_after) running = false;
    }

    // The pauses alone, in order.
    std::vector<int> Pauses() const {
        std::vector<int> out;
        for (const std::string& e : events)
            if (e.rfind("pause ", 0) == 0) out.push_back(std::stoi(e.substr(6)));
        return out;
    }

    int64_t now = 0;
    int64_t ms_per_card = 0;
    int64_t ms_per_event = 0;
    int press_after = 5000;  // no test should run away
    bool press_during_waits = false;
    bool running = false;
    int runs = 0;
    std::vector<Thrown> thrown;
    std::vector<std::string> events;
};

class WinningTable : public DrawingTable {
public:
    explicit WinningTable(int width = 600, int height = 400, int top = 30) {
        Window(width, height);
        e().geometry.inputs.top = top;
    }
    void Window(int width, int height) {
        surfaces.Resize(width, height, width, height);
        FillAll(kTableGreen);
    }
    // Runs the animation; the generator is seeded with `seed` first and a
    // copy of it is left in `expected` for the test's own draws.
    const std::vector<Thrown>& Run(const std::string& pattern, uint64_t seed = 7, int seconds = 30) {
        e().random.seed(seed);
        expected = e().random;
        inputs.pattern = pattern;
        inputs.seconds = seconds;
        RunWinningAnimation(Context(), inputs, hooks);
        return hooks.thrown;
    }
    // Random(n) on the copy, as the animation draws it.
    int Expected(int n) { return std::uniform_int_distribution<int>(0, n - 1)(expected); }

    WinningAnimationInputs inputs;
    FakeHooks hooks;
    std::mt19937_64 expected;
};

}  // namespace velmora::render_test
