// The steps between fanned cards for the current game and card size.
#include <array>

#include <algorithm>

#include "engine/layout/card_positions.h"
#include "engine/layout/nearest.h"
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

// A face-down card shows this much of its back at the least, at any size,
// and at the big size's width six pixels of it: behind the back's white
// edge the pattern must show, or a pile of backs cannot be counted.
constexpr int kLeastBackStep = 4;
constexpr double kBackStepPerBigCard = 6.0;

const SizeSteps* StepsFor(char letter) {
    for (const SizeSteps& s : kSizeSteps)
        if (s.letter == letter) return &s;
    return nullptr;
}

// The big card's steps scaled to a card `width` pixels wide.
SizeSteps FittedSteps(int width) {
    const double f = width / 71.0;
    const SizeSteps& big = kSizeSteps[0];
    const int back = std::max(kLeastBackStep, Nearest(kBackStepPerBigCard * f));
    return {kFitWindowLetter, std::max(back, Nearest(big.up_y * f)), back, std::max(back, Nearest(big.up_x * f)),
            back, std::max(1, Nearest(big.mode6 * f))};
}

}  // namespace

int FittedStep(int big_step, int width) { return std::max(1, Nearest(big_step * (width / 71.0))); }

void SetFanOffsets(Engine& e, char size_letter) {
    const SizeSteps fitted = FittedSteps(e.geometry.card.width);
    const SizeSteps* steps = size_letter == kFitWindowLetter ? &fitted : StepsFor(size_letter);
    // An unknown letter keeps the card size, and so the steps, as they are.
    if (steps == nullptr) return;
    const bool fit = size_letter == kFitWindowLetter;
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
    const int mode5 = fit ? std::max(kMode5Step, FittedStep(kMode5Step, e.geometry.card.width)) : kMode5Step;
    g.SetField(field::kFan5Offset, mode5);
    g.SetField(field::kFan5Second, mode5);
    g.SetField(field::kSideGap, fit ? FittedStep(kSideBySideGap, e.geometry.card.width) : kSideBySideGap);
}

}  // namespace velmora
