#pragma once
// The program's icon for the desktop's menus and docks: a fan of cards on a
// round green felt, drawn at any pixel size. Small sizes get a simpler
// picture laid on whole pixels so that it stays crisp.

#include <QImage>
#include <array>

namespace velmora::appicon {

// The sizes of the desktop's icon theme that the program ships.
inline constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The icon, size x size pixels, see-through outside the felt (ARGB32).
// Needs a QGuiApplication for the lettering.
QImage DrawAppIcon(int size);

}  // namespace velmora::appicon
