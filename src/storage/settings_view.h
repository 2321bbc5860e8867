#pragma once
// What loading the preferences does to the main window. The main window
// implements it; the headless driver uses QuietSettingsView.

#include <cstdint>

namespace velmora {

class SettingsView {
public:
    virtual ~SettingsView() = default;

    // Toolbar buttons large / flat (applied without writing back).
    virtual void ApplyToolbarLarge(bool large) = 0;
    virtual void ApplyToolbarFlat(bool flat) = 0;
    // Colours of the screen: (2 to the bits per pixel) to the planes, or
    // 999999999 above 24 bits per pixel.
    virtual int64_t ScreenColorCount() const = 0;
    // The advice box "Screen_Under_256_Colors" (silenceable).
    virtual void ShowScreenColorAdvice() = 0;
    // The pointer cursor: the default arrow for 10, else the cursor
    // registered under that number (10-15, 20-25); any other number should
    // leave the default arrow.
    virtual void ApplyCursor(int number) = 0;
    virtual void ShowTimePanel(bool shown) = 0;
    virtual void ShowScorePanel(bool shown) = 0;
    // The Autoplay command, exactly as if the player had chosen it.
    virtual void ChooseAutoplay() = 0;
    // Whether the Autoplay command is enabled, and putting autoplay into a
    // state without toggling (per-game switches).
    virtual bool AutoplayCommandEnabled() const = 0;
    virtual void SetAutoplay(bool on) = 0;
    virtual void HideStatusBar() = 0;
};

// Applies nothing; reports a true-colour screen and an enabled Autoplay command.
class QuietSettingsView : public SettingsView {
public:
    void ApplyToolbarLarge(bool) override {}
    void ApplyToolbarFlat(bool) override {}
    int64_t ScreenColorCount() const override { return 999999999; }
    void ShowScreenColorAdvice() override {}
    void ApplyCursor(int) override {}
    void ShowTimePanel(bool) override {}
    void ShowScorePanel(bool) override {}
    void ChooseAutoplay() override { autoplay = !autoplay; }
    bool AutoplayCommandEnabled() const override { return true; }
    void SetAutoplay(bool on) override { autoplay = on; }
    void HideStatusBar() override {}

    bool autoplay = false;
};

}  // namespace velmora
