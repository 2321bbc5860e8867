#pragma once
// Drawing routines shared by the table, the dialogs and the splash window:
// the colour fade, picture tiling and loading pictures by name.

#include <QRect>
#include <QRgb>

#include <functional>
#include <string>
#include <string_view>

#include "platform/surface.h"

namespace velmora {

class ResourceLibrary;

// Fills `rect` with 256 horizontal bands fading from `top` (top band) to
// `bottom` (bottom band). Band i, counted from the bottom, covers rows
// bottom - (i+1)*h/256 up to bottom - i*h/256 and has, per channel,
// bottom + i*(top - bottom)/256 (integer arithmetic, as the palette fade
// of the table background expects).
void VerticalGradient(Surface& target, const QRect& rect, QRgb top, QRgb bottom);
// Only the part of that fade inside `clip`, painted `shift` away from where
// the whole fade would lie: pixel for pixel what the whole one holds there.
void VerticalGradientPart(Surface& target, const QRect& rect, QRgb top, QRgb bottom, const QRect& clip,
                          QPoint shift);

// Repeats `picture` along the top row of `target` until the row is wider
// than `width`, then repeats that row downwards until it is taller than
// `height` (all clipped to the target). An empty picture draws nothing.
void TilePicture(Surface& target, int width, int height, const Surface& picture);

// The bitmap of that name from the library; false (and `out` unchanged)
// when it is missing or does not decode.
bool LoadResourceBitmap(const ResourceLibrary& library, std::string_view name, Surface* out);
// The named bitmap for a surface of `scale` device pixels per table pixel:
// the library's own picture at that resolution (name + "@2") when it holds
// one, else the plain picture enlarged; a null surface when there is none.
Surface ScaledResourceBitmap(const ResourceLibrary& library, std::string_view name, int scale);
// Copies the named bitmap to (0, 0) of the target.
bool DrawResourceBitmap(const ResourceLibrary& library, std::string_view name, Surface& target);

// Told the path of a picture file that does not exist.
using MissingPicture = std::function<void(const std::string& path)>;

// The picture file `name` into `out`, which takes its size. A name without
// a folder means program folder + name + ".bmp"; a relative name with a
// folder lies below the program folder. A missing file is reported to
// `on_missing` (when given) and gives false, as does one that does not
// decode; `out` is then unchanged.
bool LoadPictureFile(Surface* out, std::string_view name, const MissingPicture& on_missing = {});
// Where LoadPictureFile looks for `name`.
std::string PictureFilePath(std::string_view name);

}  // namespace velmora
