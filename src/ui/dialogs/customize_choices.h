#pragma once
// What the customize dialog does to the parameter record and the settings
// file, apart from its widgets: the values it copies when it opens, the
// state its controls start in, the writes of OK and the record work of
// closing (putting the copies back after Cancel, storing the choices again
// after OK).

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

class ParamRecord;
class SettingsFile;

// The record fields the dialog may change, copied when it opens so Cancel
// can put them back: card size, card set, fade, card back, picture, custom
// colour, fixed colour, default table, untidy piles.
struct CustomizeSnapshot {
    std::array<std::string, 9> values;
};

CustomizeSnapshot TakeCustomizeSnapshot(const ParamRecord& params);
void RestoreCustomizeSnapshot(ParamRecord& params, const CustomizeSnapshot& snapshot);

// The custom background colour: the record's, or the button face
// (0x8000000F) when the record holds 0.
int64_t CustomColour(const ParamRecord& params);

// The background in force when the dialog opens, as the dialog shows it.
enum class BackgroundStartKind { Default, FixedColour, Picture, CustomColour };
struct BackgroundStart {
    BackgroundStartKind kind = BackgroundStartKind::Default;
    // The colour or picture number; 1 for the custom colour, 0 for the default.
    int64_t value = 0;
};
BackgroundStart StartingBackground(const ParamRecord& params);

// A background node value as the record keeps it: 0 or less the default
// table, 1 the custom colour, 2 to 1000 a picture number, above 1000 a
// colour value.
struct BackgroundFields {
    std::string picture;       // "0" for none
    int64_t fixed_colour = 0;  // 0 for none
    bool use_default = false;
};
BackgroundFields FieldsForBackground(int64_t value);

// The dialog's controls as values.
struct CustomizeChoices {
    int card_back = 0;  // the chosen card-back node's value; 0 for none or a folder
    // The background node the player chose; none keeps the background in force.
    std::optional<int64_t> background;
    bool fade = false;
    bool sounds_disabled = false;
    bool toolbar_large = false;
    bool toolbar_flat = true;
    bool show_time = true;
    bool show_score = true;
    bool confirm_quit_game = true;
    bool confirm_on_exit = false;
    bool winning_animation = true;
    // The solver's help: the winnable verdict in the status bar, and new
    // deals drawn until one can be won.
    bool show_winnable = false;
    bool winnable_deals_only = false;
    // Automatic play keeps back the cards the tableau could still need.
    bool safe_autoplay = true;
    // The card-size letter: "F" cards that follow the window, or the fixed
    // "B", "M" and "L".
    char card_size = 'F';
};

// The card sizes the dialog offers, in the order it lists them.
struct CardSizeOption {
    char letter;
    const char* text;
};
inline constexpr std::array<CardSizeOption, 4> kCardSizeOptions = {
    {{'F', "Fit the window"}, {'B', "Big"}, {'M', "Medium"}, {'L', "Small"}}};

// How the controls start: from the record, and from the settings file for
// the toolbar and exit boxes. No card back and no background chosen yet.
CustomizeChoices StartingChoices(const ParamRecord& params, const SettingsFile& settings);

// OK: every record store and settings write, in order. The time and score
// panels are the caller's to show or hide from positions 66 and 136.
void ApplyCustomizeOk(ParamRecord& params, SettingsFile& settings, const CustomizeChoices& choices,
                      int64_t custom_colour);

// The record part of closing: after Cancel the copied values go back; after
// OK the fade flag, the card back and the background are stored once more.
void ApplyCustomizeClosing(ParamRecord& params, const CustomizeChoices& choices,
                           const CustomizeSnapshot& snapshot, bool cancelled,
                           int64_t custom_colour);

}  // namespace velmora
