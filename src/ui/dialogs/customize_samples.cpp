#include "ui/dialogs/customize_samples.h"

#include <algorithm>

#include "platform/drawing.h"
#include "render/card_corners.h"
#include "render/colour_value.h"
#include "text/fixed_text.h"
#include "ui/dialogs/customize_choices.h"

namespace velmora {
namespace {

constexpr int64_t kCustomColourValue = 1;
constexpr int64_t kLastPicture = 1000;
constexpr int kFirstTablePicture = 500;

BackgroundChoice Colour(int64_t value, bool fade) {
    BackgroundChoice choice;
    choice.kind = BackgroundKind::Colour;
    choice.colour = ColourFromValue(value);
    choice.fade = fade;
    return choice;
}

BackgroundChoice Picture(int64_t number) {
    BackgroundChoice choice;
    choice.kind = BackgroundKind::Picture;
    choice.picture = static_cast<int>(number);
    return choice;
}

}  // namespace

BackgroundChoice SampleForValue(int64_t value, int64_t custom_colour, bool fade) {
    if (value <= 0) return BackgroundChoice{};
    if (value == kCustomColourValue) return Colour(custom_colour, fade);
    if (value <= kLastPicture) return Picture(value);
    return Colour(value, fade);
}

BackgroundChoice SampleForStart(const BackgroundStart& start, int64_t custom_colour, bool fade) {
    switch (start.kind) {
        case BackgroundStartKind::Default:
            return BackgroundChoice{};
        case BackgroundStartKind::FixedColour:
            return Colour(start.value, fade);
        case BackgroundStartKind::Picture:
            return Picture(std::min<int64_t>(start.value, 9999));
        case BackgroundStartKind::CustomColour:
            break;
    }
    return Colour(custom_colour, fade);
}

Surface PaintBackgroundSample(QSize size, const BackgroundChoice& choice,
                              const ResourceLibrary& library, const SampleScreen& screen) {
    Surface sample(size.width(), size.height());
    const bool whole_table =
        choice.kind == BackgroundKind::Picture && choice.picture >= kFirstTablePicture;
    if (!whole_table)
        return PaintBackground(sample, size, choice, library, screen.colours) ? sample : Surface();
    Surface table(screen.table_extent.width(), screen.table_extent.height());
    if (!PaintBackground(table, screen.table_extent, choice, library, screen.colours))
        return Surface();
    sample.CopyStretched(sample.Bounds(), table, table.Bounds(), StretchMode::Smooth);
    return sample;
}

std::string CardBackName(int back) {
    return "DB" + ZeroPad(back, 3);
}

Surface CardBackSample(const ResourceLibrary& library, int back, const Surface& table, QPoint at) {
    Surface card;
    if (!LoadResourceBitmap(library, CardBackName(back), &card)) return Surface();
    RestoreCorners(card, 0, 0, card.Width(), card.Height(), table, at.x(), at.y());
    return card;
}

}  // namespace velmora
