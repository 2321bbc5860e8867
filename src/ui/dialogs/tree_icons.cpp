#include "ui/dialogs/tree_icons.h"

#include <QBitmap>

namespace velmora {

namespace {

constexpr QRgb kMaskColour = qRgb(128, 0, 0);

}  // namespace

QPixmap MaskedTreeBitmap(const QImage& bitmap) {
    QPixmap image = QPixmap::fromImage(bitmap);
    if (!image.isNull()) image.setMask(QBitmap::fromImage(bitmap.createMaskFromColor(kMaskColour)));
    return image;
}

QPixmap TreeImage(const std::vector<QPixmap>& images, int index) {
    return index >= 0 && static_cast<size_t>(index) < images.size() ? images[static_cast<size_t>(index)]
                                                                    : QPixmap();
}

QIcon TreeIcon(const QPixmap& normal, const QPixmap& selected) {
    QIcon icon;
    if (!normal.isNull()) icon.addPixmap(normal, QIcon::Normal);
    if (!selected.isNull()) icon.addPixmap(selected, QIcon::Selected);
    return icon;
}

}  // namespace velmora
