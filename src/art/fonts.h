#pragma once
// The DejaVu faces used for lettering (Debian package fonts-dejavu-core).
// Where the font configuration does not know them, they are registered from
// their files, so the cards are lettered alike on every system.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace velmora::art {

enum class Face { Sans, SansBold, SansCondensedBold, SerifBold, SerifCondensedBold };

// Makes the faces available once: the font files are registered unless the
// system knows every family already; false when one of the files is then
// missing. The generator and the program both call it, so the cards they
// draw are lettered alike. Without the files the lettering falls back to
// the system's default font: the cards still show every index.
bool LoadFonts();
// Whether `families` (as the font database lists them) holds every family
// the cards are lettered in.
bool CardFamiliesKnown(const QStringList& families);
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
