#include "ui/dialogs/customize_choices.h"

#include "engine/model/param_record.h"
#include "render/colour_value.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

// The fields of the snapshot, in the order the dialog copies them.
constexpr std::array<const SettingKey*, 9> kCopiedFields = {
    &key::kCardSize,           &key::kCard,          &key::kFadeBackground,
    &key::kBackCard,           &key::kBackgroundBmp, &key::kBackgroundCol,
    &key::kBackgroundFixedCol, &key::kBackgroundDef, &key::kPilesTT};

constexpr int64_t kLastPicture = 1000;

std::string Flag(bool yes) {
    return yes ? "Y" : "N";
}

std::string Read(const ParamRecord& params, const SettingKey& key) {
    return params.ParamRead(key.position, key.length);
}

void Store(ParamRecord& params, const SettingKey& key, std::string_view value) {
    params.ParamWrite(key.position, key.length, value);
}

int64_t Number(const ParamRecord& params, const SettingKey& key) {
    return DecimalField(Read(params, key));
}

void StoreCardBack(ParamRecord& params, int card_back) {
    if (card_back > 0) Store(params, key::kBackCard, ZeroPad(card_back, key::kBackCard.length));
}

// The custom colour is kept in every case, so a later opening still finds
// the player's colour (a "0" there would be read back as the button face).
void StoreBackground(ParamRecord& params, const std::optional<int64_t>& chosen,
                     int64_t custom_colour) {
    Store(params, key::kBackgroundCol, std::to_string(custom_colour));
    if (!chosen) return;
    const BackgroundFields fields = FieldsForBackground(*chosen);
    Store(params, key::kBackgroundBmp, fields.picture);
    Store(params, key::kBackgroundFixedCol, std::to_string(fields.fixed_colour));
    Store(params, key::kBackgroundDef, Flag(fields.use_default));
}

void WriteBackgroundKeys(const ParamRecord& params, SettingsFile& settings, int64_t custom_colour) {
    settings.Write(key::kBackgroundBmp, Read(params, key::kBackgroundBmp));
    settings.Write(key::kBackgroundCol, std::to_string(custom_colour));
    settings.Write(key::kBackgroundFixedCol,
                   std::to_string(Number(params, key::kBackgroundFixedCol)));
    settings.WriteFlag(key::kBackgroundDef, params.IsYes(key::kBackgroundDef.position));
}

// While the small-screen set stands in for the player's cards, the player's
// own size waits at its save position.
int PlayersCardSizePosition(const ParamRecord& params) {
    return params.ParamRead(param::kSavedCardSize, 1).empty() ? key::kCardSize.position : param::kSavedCardSize;
}

// A new card size replaces the player's; the table takes it at once unless
// the small-screen set stands in, and then when that set gives way.
void StoreCardSize(ParamRecord& params, SettingsFile& settings, char letter) {
    const std::string size(1, letter);
    const int position = PlayersCardSizePosition(params);
    if (params.ParamRead(position, 1) == size) return;
    params.ParamWrite(position, 1, size);
    settings.Write(key::kCardSize, size);
}

void WriteControlKeys(SettingsFile& settings, const CustomizeChoices& choices) {
    settings.WriteFlag(key::kFadeBackground, choices.fade);
    settings.WriteFlag(key::kToolBarLarge, choices.toolbar_large);
    settings.WriteFlag(key::kToolBarFlat, choices.toolbar_flat);
    settings.WriteFlag(key::kShowTime, choices.show_time);
    settings.WriteFlag(key::kShowScore, choices.show_score);
    settings.WriteFlag(key::kConfirmQuit, choices.confirm_on_exit);
    settings.WriteFlag(key::kConfirmQuitGame, choices.confirm_quit_game);
    settings.WriteFlag(key::kSafeAutoplay, choices.safe_autoplay);
    settings.WriteFlag(key::kWinningAnimation, choices.winning_animation);
    settings.WriteFlag(key::kShowWinnable, choices.show_winnable);
    settings.WriteFlag(key::kWinnableDealsOnly, choices.winnable_deals_only);
}

}  // namespace

CustomizeSnapshot TakeCustomizeSnapshot(const ParamRecord& params) {
    CustomizeSnapshot snapshot;
    for (size_t i = 0; i < kCopiedFields.size(); ++i)
        snapshot.values[i] = Read(params, *kCopiedFields[i]);
    return snapshot;
}

void RestoreCustomizeSnapshot(ParamRecord& params, const CustomizeSnapshot& snapshot) {
    for (size_t i = 0; i < kCopiedFields.size(); ++i)
        Store(params, *kCopiedFields[i], snapshot.values[i]);
}

int64_t CustomColour(const ParamRecord& params) {
    const int64_t colour = Number(params, key::kBackgroundCol);
    return colour == 0 ? key::kSystemBackgroundColour : colour;
}

BackgroundStart StartingBackground(const ParamRecord& params) {
    if (params.IsYes(key::kBackgroundDef.position)) return {BackgroundStartKind::Default, 0};
    if (const int64_t fixed = Number(params, key::kBackgroundFixedCol); fixed != 0)
        return {BackgroundStartKind::FixedColour, fixed};
    if (const int64_t picture = Number(params, key::kBackgroundBmp); picture != 0)
        return {BackgroundStartKind::Picture, picture};
    return {BackgroundStartKind::CustomColour, 1};
}

BackgroundFields FieldsForBackground(int64_t value) {
    if (value <= 0) return {"0", 0, true};
    if (value == 1) return {"0", 0, false};
    if (value <= kLastPicture) return {std::to_string(value), 0, false};
    return {"0", value, false};
}

CustomizeChoices StartingChoices(const ParamRecord& params, const SettingsFile& settings) {
    auto not_no = [&](const SettingKey& key) { return Read(params, key) != "N"; };
    CustomizeChoices choices;
    choices.fade = params.IsYes(key::kFadeBackground.position);
    choices.sounds_disabled = !params.IsYes(key::kSoundsEnabled.position);
    choices.toolbar_large = settings.IsYes(key::kToolBarLarge);
    choices.toolbar_flat = settings.IsYes(key::kToolBarFlat);
    choices.confirm_on_exit = settings.IsYes(key::kConfirmQuit);
    choices.show_time = not_no(key::kShowTime);
    choices.show_score = not_no(key::kShowScore);
    choices.confirm_quit_game = not_no(key::kConfirmQuitGame);
    choices.safe_autoplay = not_no(key::kSafeAutoplay);
    choices.show_winnable = settings.IsYes(key::kShowWinnable);
    choices.winnable_deals_only = settings.IsYes(key::kWinnableDealsOnly);
    const std::string size = params.ParamRead(PlayersCardSizePosition(params), 1);
    // A letter the dialog does not offer shows as the default.
    for (const CardSizeOption& option : kCardSizeOptions)
        if (size.size() == 1 && size[0] == option.letter) choices.card_size = option.letter;
    return choices;
}

void ApplyCustomizeOk(ParamRecord& params, SettingsFile& settings, const CustomizeChoices& choices,
                      int64_t custom_colour) {
    settings.WriteFlag(key::kSoundsEnabled, !choices.sounds_disabled);
    StoreCardBack(params, choices.card_back);
    settings.Write(key::kBackCard, std::to_string(Number(params, key::kBackCard)));
    StoreBackground(params, choices.background, custom_colour);
    Store(params, key::kFadeBackground, Flag(choices.fade));
    Store(params, key::kSoundsEnabled, Flag(!choices.sounds_disabled));
    WriteBackgroundKeys(params, settings, custom_colour);
    WriteControlKeys(settings, choices);
    Store(params, key::kShowTime, Flag(choices.show_time));
    Store(params, key::kShowScore, Flag(choices.show_score));
    Store(params, key::kConfirmQuitGame, Flag(choices.confirm_quit_game));
    Store(params, key::kSafeAutoplay, Flag(choices.safe_autoplay));
    StoreCardSize(params, settings, choices.card_size);
}

void ApplyCustomizeClosing(ParamRecord& params, const CustomizeChoices& choices,
                           const CustomizeSnapshot& snapshot, bool cancelled,
                           int64_t custom_colour) {
    if (cancelled) {
        RestoreCustomizeSnapshot(params, snapshot);
        return;
    }
    Store(params, key::kFadeBackground, Flag(choices.fade));
    StoreCardBack(params, choices.card_back);
    StoreBackground(params, choices.background, custom_colour);
}

}  // namespace velmora
