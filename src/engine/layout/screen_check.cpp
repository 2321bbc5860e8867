#include "engine/layout/screen_check.h"

#include <string>

#include "engine/model/engine.h"

namespace velmora {

namespace {

constexpr int kNeeds650 = 1;
constexpr int kNeeds810 = 2;
constexpr int kCardSizeChecked = 1;  // field 74 once the check kept or substituted

bool ScreenTooNarrow(int need, int screen_width) {
    return (need == kNeeds650 && screen_width < 650) || (need == kNeeds810 && screen_width < 810);
}

std::string Notice(int need, const std::string& game) {
    const std::string ending = "However, it's possible to play " + game + " " + "using a predefined cards set.";
    if (need == kNeeds650)
        return "Your video card's display is 640x480 pixels. For the best graphics display the screen "
               "resolution should be set to 800x600 pixels or higher. " + ending;
    return "Your video card's display is 800x600 pixels. For the best graphics display of this game the "
           "screen resolution should be set to 1024x768 pixels or higher. " + ending;
}

void SubstituteSmallCards(Engine& e, int need) {
    ParamRecord& p = e.params;
    if (p.ParamRead(param::kCardSize, 1) == "B") {
        p.ParamWrite(param::kSavedCardSize, 1, "B");
        p.ParamWrite(param::kSavedCardSet, 3, p.ParamRead(param::kCardSet, 3));
        p.ParamWrite(param::kSavedCardBack, 3, p.ParamRead(param::kCardBack, 3));
        p.ParamWrite(param::kCardSet, 3, kSmallScreenCardSet);
        p.ParamWrite(param::kCardSize, 1, std::string(1, kSmallScreenCardSize));
    }
    e.main_game.SetField(field::kCardSizeState, kCardSizeChecked);
    // Each notice is shown once per run of the program.
    const int shown = need == kNeeds650 ? field::kNotice640 : field::kNotice800;
    if (e.main_game.Field(shown) != 1) {
        e.main_game.SetField(shown, 1);
        e.messages->ShowInfo(Notice(need, p.ParamRead(param::kGameName, 50)));
    }
}

void RestorePlayersCards(Engine& e) {
    ParamRecord& p = e.params;
    if (p.ParamRead(param::kSavedCardSet, 3).empty()) return;
    p.ParamWrite(param::kCardSize, 1, p.ParamRead(param::kSavedCardSize, 1));
    p.ParamWrite(param::kCardSet, 3, p.ParamRead(param::kSavedCardSet, 3));
    p.ParamWrite(param::kCardBack, 3, p.ParamRead(param::kSavedCardBack, 3));
    for (const auto& [position, length] : {std::pair{param::kSavedCardSize, 1}, {param::kSavedCardSet, 3},
                                           {param::kSavedCardBack, 3}})
        p.ParamWrite(position, length, "");
    e.view->SetCustomizeCommand(true);
}

}  // namespace

bool CheckScreenForGame(Engine& e, const LayoutInputs& inputs) {
    const std::string before = e.params.ParamRead(param::kCardSize, 1);
    const int need = e.R(37);
    if (ScreenTooNarrow(need, inputs.screen_width))
        SubstituteSmallCards(e, need);
    else
        RestorePlayersCards(e);
    const std::string after = e.params.ParamRead(param::kCardSize, 1);
    if (after == before) return false;
    CardSizeForLetter(after.empty() ? ' ' : after.front(), e.geometry.card);
    e.view->ReloadCardImages();
    return true;
}

}  // namespace velmora
