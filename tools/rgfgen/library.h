#pragma once
// The whole resource library, drawn and synthesised afresh.

#include <QImage>
#include <vector>

#include "platform/resource_format.h"

namespace velmora::rgfgen {

// Every entry of QOR.RGF in a fixed order; needs a QGuiApplication and the
// fonts (LoadFonts). The same entries on every call.
std::vector<rgf::Entry> BuildLibrary();

// All bitmaps and cursors of a library side by side, each labelled with its
// name, on a neutral ground; cursor hotspots are marked with a red cross.
QImage ContactSheet(const std::vector<rgf::Entry>& entries);

}  // namespace velmora::rgfgen
