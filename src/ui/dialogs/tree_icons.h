#pragma once
// The pictures of the dialogs' trees: bitmaps of the resource library drawn
// on dark red (colour value 128), which is made see-through.

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <string_view>
#include <vector>

namespace velmora {

class ResourceLibrary;

// The bitmap with its dark red see-through; a null picture for a null one.
QPixmap MaskedTreeBitmap(const QImage& bitmap);

// The named bitmaps of the library, masked, in order (a missing one null).
template <typename Names>
std::vector<QPixmap> TreeImages(const ResourceLibrary& library, const Names& names);

// Picture `index` of the list; a null picture outside it.
QPixmap TreeImage(const std::vector<QPixmap>& images, int index);

// `selected` is shown while the node is selected; without one the normal
// picture stays, so the view never tints it.
QIcon TreeIcon(const QPixmap& normal, const QPixmap& selected);

}  // namespace velmora

#include "platform/resource_library.h"

namespace velmora {

template <typename Names>
std::vector<QPixmap> TreeImages(const ResourceLibrary& library, const Names& names) {
    std::vector<QPixmap> images;
    for (const auto& name : names) images.push_back(MaskedTreeBitmap(library.Bitmap(name)));
    return images;
}

}  // namespace velmora
