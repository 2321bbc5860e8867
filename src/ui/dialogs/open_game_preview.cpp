#include "ui/dialogs/open_game_preview.h"

#include "engine/layout/nearest.h"
#include "platform/drawing.h"
#include "render/colour_value.h"

namespace velmora::open_game {
namespace {

// Screens of this many colours or fewer get the plain colour, not the fade.
constexpr int64_t kPaletteScreenColours = 256;

}  // namespace

Surface PreviewBackground(QSize size) {
    Surface background(size.width(), size.height());
    VerticalGradient(background, background.Bounds(), ColourFromValue(kPreviewGreen), qRgb(0, 0, 0));
    return background;
}

int PreviewLeft(int preview_width, int bitmap_width) {
    return Nearest((preview_width - bitmap_width) / 2.0);
}

Surface PaintPreview(const Surface& background, const Surface& game, int64_t screen_colours) {
    Surface preview = background;
    if (screen_colours <= kPaletteScreenColours)
        preview.Fill(preview.Bounds(), ColourFromValue(kPreviewGreen));
    if (!game.IsNull())
        preview.CopyTransparent(PreviewLeft(preview.Width(), game.Width()), 0, game, game.Bounds(),
                                game.Pixel(0, 0));
    return preview;
}

}  // namespace velmora::open_game
