#pragma once
// The soft shadow a carried run casts on the table: the cards' rounded
// outline moved down and right, its edge blurred, laid over the table as a
// translucent darkening. The outline and the shadow are made once when the
// drag image is built; each move of the pointer only blends them.

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace velmora {

class Surface;

// Where the cards of a drag image lie in it, in table pixels relative to
// its top-left corner.
using CardPlaces = std::vector<QRect>;

// The cards' outline at the image's device resolution: 255 where a card
// lies, 0 on its rounded-off corners and between cards (Format_Alpha8).
QImage CardCoverage(const QSize& size, const CardPlaces& cards, int scale);

// How the shadow sits for a card of this width: its offset and blur, in
// table pixels, and its darkest alpha.
struct ShadowShape {
    QPoint offset;
    int blur = 0;
    int strength = 0;  // 0-255
};
ShadowShape ShadowShapeFor(int card_width);

// A blurred shadow picture: alpha per device pixel, and where its top-left
// lies relative to the drag image's top-left (table pixels).
struct SoftShadow {
    QImage alpha;  // Format_Alpha8; null when there is no shadow
    QPoint origin;
    bool IsNull() const { return alpha.isNull(); }
    // The window rectangle the shadow covers for a drag image at `at`.
    QRect RectAt(QPoint at, int scale) const;
};
SoftShadow MakeSoftShadow(const QImage& coverage, const ShadowShape& shape, int scale);

// Draws the drag picture `image` (its cards where `coverage` says) with
// its shadow (may be null) at `at` onto `target` within `area` (table
// pixels of `target`); every pixel of `area` not covered by a card is
// taken from `beneath` (`beneath_shift` rows lower), darkened by the
// shadow. `target` and `beneath` may be the same surface.
void ComposeDrag(Surface& target, const QRect& area, const Surface& beneath, int beneath_shift, const Surface& image,
                 const QImage& coverage, const SoftShadow& shadow, QPoint at);

}  // namespace velmora
