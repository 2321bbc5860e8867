#pragma once
// The DejaVu faces used for lettering (Debian package fonts-dejavu-core).
// They are loaded from their files so the result never depends on what the
// font configuration would pick.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace velmora::art {

enum class Face { Sans, SansBold, SansCondensedBold, SerifBold, SerifCondensedBold };

// Registers the font files once; false when one of them is missing. The
// generator and the program both call it, so the cards they draw are
// lettered alike. Without the files the lettering falls back to the
// system's default font: the cards still show every index.
bool LoadFonts();
// Registers the font files of `folder` (ending in '/'); false when one of
// them is missing there.
bool LoadFontsFrom(const QString& folder);

// A font of the face with the given pixel size (cap heights are about 0.73
// of it), hinted fully so small lettering stays crisp.
QFont MakeFont(Face face, int pixel_size);

// Draws `text` centred horizontally in `box` with its capitals' top on the
// box top (so all ranks share one baseline); text wider than the box is
// narrowed to fit.
void DrawIndexText(QPainter& painter, const QString& text, const QRectF& box, const QFont& font,
                   QColor colour);

}  // namespace velmora::art
