#pragma once
// The customize dialog's samples: a background in small, and the chosen
// card back lying on one, its corners rounded against it as on the table.

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <string>

#include "platform/surface.h"
#include "render/background.h"

namespace velmora {

class ResourceLibrary;
struct BackgroundStart;

// What a background node shows: the default table (0 or less), the custom
// colour (1), a picture (2 to 1000), a colour value (above 1000). Colours
// fade to black downwards when `fade` is set.
BackgroundChoice SampleForValue(int64_t value, int64_t custom_colour, bool fade);
// What the background in force when the dialog opens shows.
BackgroundChoice SampleForStart(const BackgroundStart& start, int64_t custom_colour, bool fade);

// The screen the table is shown on: its colours (fades need more than 256)
// and the table's size, for the pictures made for the whole table.
struct SampleScreen {
    int64_t colours = 999'999'999;
    QSize table_extent{1024, 738};
};

// A background sample of `size`. Pictures from 500 on are laid at the size
// of the table and shrunk into the sample; the rest is painted at the
// sample size (pictures tiled). A null surface when the picture is missing.
Surface PaintBackgroundSample(QSize size, const BackgroundChoice& choice,
                              const ResourceLibrary& library, const SampleScreen& screen);

// "DB" + the three-digit card back number: the card backs of the large cards.
std::string CardBackName(int back);

// The card back lying at `at` on `table`: its corner pixels (and their two
// neighbours along the edges) take the table's pixels beneath them. A null
// surface when the library has no such card back.
Surface CardBackSample(const ResourceLibrary& library, int back, const Surface& table, QPoint at);

}  // namespace velmora
