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

// The table on the screen. The engine says what changed; the window draws
// it. Every call has a quiet default, so a view implements what it shows.
// Pile arguments are a list and a 0-based index as in PileLists.
class TableView {
public:
    virtual ~TableView() = default;
    virtual void RepaintPile(int /*list*/, int /*index*/) {}
    virtual void RepaintTable() {}
    // A card flies from one pile to another (after the piles changed).
    virtual void AnimateCard(int /*card*/, int /*from_list*/, int /*from_index*/, int /*to_list*/,
                             int /*to_index*/) {}
    virtual void RepaintEmptyStock() {}
    virtual void ShowScore(std::string_view /*score*/) {}
    virtual void HighlightCard(int /*card*/, bool /*on*/) {}
    virtual void Beep() {}
    // Keyboard and mouse input held back while `hold` is set.
    virtual void HoldInput(bool /*hold*/) {}
    virtual void Wait(int /*milliseconds*/) {}
    virtual void SetUndoButtons(bool /*enabled*/) {}
    virtual void SetAutoplayButtons(bool /*enabled*/) {}
    // "&Save...", "Insert &bookmark", "&Hold and exit..." and their buttons.
    virtual void SetSaveCommands(bool /*enabled*/) {}
    virtual void SetCustomizeCommand(bool /*enabled*/) {}
    // The card size letter changed: the card pictures of the new size.
    virtual void ReloadCardImages() {}
    // The end of a won game: the winning animation, then the game selection.
    virtual void RunWinningAnimation() {}
    virtual void OpenGameSelection() {}
    // The joker label above the foundations: every other label box cleared,
    // then the label of `foundation` drawn (rank 1-13) or cleared (any other).
    virtual void ShowJokerLabel(int /*foundation*/, int /*rank*/, int /*suit*/) {}
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
