#include "storage/settings_writers.h"

#include "storage/game_autoplay.h"
#include "storage/preference_keys.h"

namespace velmora {

bool WriteClosingSettings(SettingsFile& file, const TMainGame& game_state, bool autoplay_on) {
    bool ok = true;
    if (game_state.Field(field::kAutoplayAllGames) == kAllGamesAutoplayMode) {
        ok = file.WriteFlag(key::kAutoPlay, autoplay_on);
    }
    return file.WriteInt(key::kRandomGameType, game_state.Field(field::kRandomGameType)) && ok;
}

bool WriteGameChoice(SettingsFile& file, int game, std::string_view name, int tree_category,
                     bool open_preview) {
    bool ok = file.WriteInt(key::kGame, game);
    ok = file.Write(key::kGameName, name) && ok;
    ok = file.WriteInt(key::kGameTreeNum, tree_category) && ok;
    return file.WriteFlag(key::kOpenPreviewGame, open_preview) && ok;
}

bool AdviceSilenced(const SettingsFile& file, std::string_view message_key) {
    return file.Ini().ReadString(key::kShowMessages, message_key, "Y") == "N";
}

bool SilenceAdvice(SettingsFile& file, std::string_view message_key) {
    return file.WriteOther(key::kShowMessages, message_key, "N");
}

}  // namespace velmora
