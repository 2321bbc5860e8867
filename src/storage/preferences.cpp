#include "storage/preferences.h"

#include <filesystem>
#include <initializer_list>

#include "platform/temporary_files.h"
#include "storage/game_autoplay.h"
#include "storage/players.h"
#include "storage/preference_keys.h"
#include "storage/record_settings.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr int64_t kLowColourLimit = 256;

void LoadAll(const SettingsFile& file, ParamRecord& params, std::initializer_list<const SettingKey*> keys) {
    for (const SettingKey* key : keys) LoadIntoRecord(file, params, *key);
}

void LoadToolbarAndColours(const SettingsFile& file, ParamRecord& params, SettingsView& view, bool low_colour) {
    view.ApplyToolbarLarge(file.IsYes(key::kToolBarLarge));
    view.ApplyToolbarFlat(file.IsYes(key::kToolBarFlat));
    if (low_colour) view.ShowScreenColorAdvice();
    LoadIntoRecord(file, params, key::kBackCard);
    LoadIntoRecord(file, params, key::kCard, low_colour ? 3 : 1);
    LoadAll(file, params,
            {&key::kCardSize, &key::kBackgroundBmp, &key::kBackgroundFixedCol, &key::kBackgroundCol,
             &key::kBackgroundDef, &key::kFadeBackground});
    const bool customised = !file.Read(key::kCustomizedBackground).empty();
    params.ParamWrite(key::kCustomizedBackgroundSet, 1, customised ? "Y" : "N");
}

void LoadDisplayAndBehaviour(const SettingsFile& file, ParamRecord& params) {
    LoadAll(file, params, {&key::kGame, &key::kGameName, &key::kShowTime, &key::kShowScore, &key::kCardsAnimate});
    LoadIntoRecord(file, params, key::kCardsShadowed, params.ParamRead(key::kCardsAnimate.position, 1));
    LoadAll(file, params,
            {&key::kPilesTT, &key::kAutomaticFaceUp, &key::kDealAnimation, &key::kRedealAnimation,
             &key::kLanguage, &key::kSpeedMoveCard, &key::kStatusBar, &key::kUserDefault, &key::kUndoEnabled,
             &key::kConfirmQuitGame, &key::kConfirmEnterHiScores, &key::kSoundsEnabled});
    for (const SettingKey* sound : key::SoundSwitchKeys()) LoadIntoRecord(file, params, *sound);
    LoadAll(file, params,
            {&key::kRandomBackground, &key::kRandomCard, &key::kRandomDeck, &key::kVertScrollBar,
             &key::kShowPilesSize, &key::kShowMainPopupMenu, &key::kShowPartialHiddenCard,
             &key::kRightClickToFoundations, &key::kRightClickToTableaus, &key::kDoubleClickToFoundations,
             &key::kDoubleClickToTableaus, &key::kSafeAutoplay});
    // Right-click moves are always off in this edition, whatever the file says.
    params.ParamWrite(key::kRightClickToFoundations.position, 1, "N");
    params.ParamWrite(key::kRightClickToTableaus.position, 1, "N");
}

bool ReadsAsInteger(const ParamRecord& params, const SettingKey& key, int64_t& value) {
    return ParseInt(params.ParamRead(key.position, key.length), value);
}

// Values the rest of the program cannot use are put right.
void RepairRecord(ParamRecord& params) {
    int64_t value = 0;
    // A card back number too wide for its field is stored as asterisks;
    // like 0, it names no card back.
    if (!ReadsAsInteger(params, key::kBackCard, value) || value == 0) {
        params.ParamWrite(key::kBackCard.position, key::kBackCard.length, "001");
    }
    if (ReadsAsInteger(params, key::kBackgroundCol, value) && value == 0) {
        params.ParamWrite(key::kBackgroundCol.position, key::kBackgroundCol.length,
                          std::to_string(key::kSystemBackgroundColour));
    }
    if (params.ParamRead(key::kBackgroundBmp.position, key::kBackgroundBmp.length).empty()) {
        params.ParamWrite(key::kBackgroundBmp.position, key::kBackgroundBmp.length, "0");
    }
}

int CurrentGame(const ParamRecord& params) {
    int64_t game = -1;
    if (!ReadsAsInteger(params, key::kGame, game)) return -1;
    return static_cast<int>(game);
}

void ApplyAutoplay(const SettingsFile& file, const Engine& engine, SettingsView& view) {
    const int mode = engine.main_game.Field(field::kAutoplayAllGames);
    if (mode == kAllGamesAutoplayMode) {
        if (file.IsYes(key::kAutoPlay)) view.ChooseAutoplay();
    } else if (mode == kPerGameAutoplayMode && view.AutoplayCommandEnabled()) {
        view.SetAutoplay(GameAutoplayOn(file, CurrentGame(engine.params)));
    }
}

}  // namespace

void LoadPreferences(Engine& engine, SettingsView& view) {
    SettingsFile file = OpenSettingsFile(engine.params);
    // Temporaries left by writes that were cut short, before anything is read.
    RemoveStaleTemporaries(std::filesystem::path(file.Path()).parent_path().string());
    file.Ini().CacheReads();  // about a hundred keys: parse the file once, not once per key
    ParamRecord& params = engine.params;
    TMainGame& state = engine.main_game;

    LoadIntoRecord(file, params, key::kShowToolTips);
    LoadToolbarAndColours(file, params, view, view.ScreenColorCount() <= kLowColourLimit);
    LoadDisplayAndBehaviour(file, params);
    state.SetField(field::kFastSearchType, file.ReadInt(key::kGamesFastSearchType));

    const int cursor = file.ReadInt(key::kCursor);
    view.ApplyCursor(cursor);
    params.ParamWrite(key::kCursor.position, key::kCursor.length, std::to_string(cursor));

    params.ParamWrite(param::kScoringScheme, 2, "01");
    state.SetField(field::kFoundationMarks, file.ReadInt(key::kHighLightsFoundationsMark));
    state.SetField(field::kRandomGameType, file.ReadInt(key::kRandomGameType));
    RepairRecord(params);

    view.ShowTimePanel(params.IsYes(key::kShowTime.position));
    view.ShowScorePanel(params.IsYes(key::kShowScore.position));
    EnsureDefaultPlayers(params, file);

    state.SetField(field::kAutoplayAllGames, file.ReadInt(key::kAutoPlayAllGames));
    ApplyAutoplay(file, engine, view);
    if (params.ParamRead(key::kStatusBar.position, 1) == "N") view.HideStatusBar();
}

}  // namespace velmora
