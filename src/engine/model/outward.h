#pragma once
// What the engine needs from the world outside it, as small interfaces the
// engine owns. The window implements them; tests and the headless driver use
// the quiet defaults, which show, play and wait for nothing.

#include <string>
#include <string_view>

namespace velmora {

class Messages {
public:
    virtual ~Messages() = default;
    // An information box with one OK button.
    virtual void ShowInfo(std::string_view text) = 0;
};

class SoundEvents {
public:
    virtual ~SoundEvents() = default;
    // Plays the named sound event ("Foundation", "Tableau", ...).
    virtual void PlayEvent(std::string_view name) = 0;
};

class QuietMessages : public Messages {
public:
    void ShowInfo(std::string_view text) override { last = std::string(text); }
    std::string last;  // the last text "shown", for tests
};

class QuietSounds : public SoundEvents {
public:
    void PlayEvent(std::string_view) override {}
};

}  // namespace velmora
