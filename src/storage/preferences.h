#pragma once
// Loading the preferences at start-up: every key is read once, in a fixed
// order (some defaults come from keys read before them), and copied into the
// parameter record or the per-game state; what concerns the main window goes
// to the SettingsView.

#include "engine/model/engine.h"
#include "storage/settings_view.h"

namespace velmora {

// Runs after the parameter record has been created and before the card table
// is built. A missing settings file gives every default. First removes from
// the settings file's folder (DATA) the temporaries that writes cut short
// left there.
void LoadPreferences(Engine& engine, SettingsView& view);

}  // namespace velmora
