// The steps between fanned cards for the current game and card size.
#include <array>

#include "engine/layout/card_positions.h"
#include "engine/model/engine.h"

namespace velmora {

namespace {

struct SizeSteps {
    char letter;
    int up_y;    // after a face-up card in a vertical fan
    int down_y;  // after a face-down card
    int up_x;    // the same sideways
    int down_x;
    int mode6;   // fan mode 6
};

constexpr std::array<SizeSteps, 3> kSizeSteps{{
    {'B', 18, 4, 12, 4, 7},
    {'M', 14, 4, 10, 4, 5},
    {'L', 3, 3, 3, 3, 3},
}};

constexpr int kMode5Step = 3;
constexpr int kSideBySideGap = 6;

const SizeSteps* StepsFor(char letter) {
    for (const SizeSteps& s : kSizeSteps)
        if (s.letter == letter) return &s;
    return nullptr;
}

}  // namespace

void SetFanOffsets(Engine& e, char size_letter) {
    const SizeSteps* steps = StepsFor(size_letter);
    // An unknown letter keeps the card size, and so the steps, as they are.
    if (steps == nullptr) return;
    TMainGame& g = e.main_game;
    const int tableau = e.R(3);
    const int reserve = e.R(5);
    const bool vertical = tableau == 1 || tableau == 7 || reserve == 1;
    const bool sideways = tableau == 2 || reserve == 2;
    g.SetField(field::kFanUpY, vertical ? steps->up_y : 0);
    g.SetField(field::kFanDownY, vertical ? steps->down_y : 0);
    g.SetField(field::kFanUpX, sideways ? steps->up_x : 0);
    g.SetField(field::kFanDownX, sideways ? steps->down_x : 0);
    if (tableau == 6) {
        g.SetField(field::kFan6Offset, steps->mode6);
        g.SetField(field::kFan6Second, steps->mode6);
    }
    g.SetField(field::kFan5Offset, kMode5Step);
    g.SetField(field::kFan5Second, kMode5Step);
    g.SetField(field::kSideGap, kSideBySideGap);
}

}  // namespace velmora
