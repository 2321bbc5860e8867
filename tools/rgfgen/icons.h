#pragma once
// Small pictures of the dialogs and toolbars: tree icons, the game
// information icons and the toolbar glyphs.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <functional>

namespace velmora::rgfgen {

class ResourceSink;

inline constexpr int kIconSize = 16;

// The tree views mask their icons with this colour (colour value 128).
inline constexpr QRgb kTreeMask = qRgb(128, 0, 0);

// A 16 x 16 drawing on a see-through canvas, antialiased.
QImage PaintIcon(const std::function<void(QPainter&)>& paint);

// The drawing set hard on the mask colour: pixels at least half covered
// become opaque, the rest the mask, so no dark red fringe shows.
QImage OnMask(const QImage& icon, QRgb mask);

// The drawing blended onto an opaque ground.
QImage OnGround(const QImage& icon, QColor ground);

// The greyed, embossed look of a disabled toolbar button.
QImage Disabled(const QImage& icon);

// Shared pieces.
void MiniCard(QPainter& p, const QRectF& box, bool face_up = true);
void Folder(QPainter& p, bool open);

// The tree icons: folders, card back and background nodes, and one icon
// per game type in three states (plain, won, not yet won).
void AddTreeIcons(ResourceSink& sink);
void AddInfoIcons(ResourceSink& sink);
void AddToolbarGlyphs(ResourceSink& sink);

}  // namespace velmora::rgfgen
