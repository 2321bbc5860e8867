#pragma once
// The DejaVu faces used for lettering. They are loaded from their files so
// the result never depends on what the font configuration would pick.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace velmora::art {

enum class Face { Sans, SansBold, SansCondensedBold, SerifBold, SerifCondensedBold };

// Registers the font files once; false when one of them is missing.
bool LoadFonts();

// A font of the face with the given pixel size (cap heights are about 0.73
// of it), hinted fully so small lettering stays crisp.
QFont MakeFont(Face face, int pixel_size);

// Draws `text` centred horizontally in `box` with its capitals' top on the
// box top (so all ranks share one baseline); text wider than the box is
// narrowed to fit.
void DrawIndexText(QPainter& painter, const QString& text, const QRectF& box, const QFont& font,
                   QColor colour);

}  // namespace velmora::art
