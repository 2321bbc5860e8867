#pragma once
// The preview of the game selection dialog: the game's picture from the
// resource library, see-through where it has the colour of its top-left
// pixel, at the top of a green fade and centred across it.

#include <QSize>

#include <cstdint>

#include "platform/surface.h"

namespace velmora::open_game {

// Colour value 32768: the table green the fade rises to.
inline constexpr int64_t kPreviewGreen = 32768;

// The fade from black at the bottom to the table green at the top.
Surface PreviewBackground(QSize size);

// Where a picture `bitmap_width` wide starts: half the spare width, rounded
// to the nearest whole pixel (halves to the even one).
int PreviewLeft(int preview_width, int bitmap_width);

// The preview area: plain green on a screen of 256 colours or fewer, else
// `background`; then `game` (when not null) drawn see-through over it.
Surface PaintPreview(const Surface& background, const Surface& game, int64_t screen_colours);

}  // namespace velmora::open_game
