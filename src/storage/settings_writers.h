#pragma once
// The writers that change more than one key, or keys outside the key table.
// Single keys are written with SettingsFile::Write / WriteFlag / WriteInt and
// the key table (preference_keys.h); record-backed flags with WriteRecordFlag.

#include <string_view>

#include "engine/model/main_game.h"
#include "storage/settings_file.h"

namespace velmora {

// On closing the main window: AutoPlay from the Autoplay command (only when
// one switch serves all games) and Settings/Random_Game_Type.
bool WriteClosingSettings(SettingsFile& file, const TMainGame& game_state, bool autoplay_on);

// The game chosen in the game selection dialog.
bool WriteGameChoice(SettingsFile& file, int game, std::string_view name, int tree_category,
                     bool open_preview);

// Whether the player asked not to see an advice message again
// (Show_Messages/<message key> is "N"), and recording that request.
bool AdviceSilenced(const SettingsFile& file, std::string_view message_key);
bool SilenceAdvice(SettingsFile& file, std::string_view message_key);

}  // namespace velmora
