#include "support/splash_picture.h"

#include <QFont>
#include <QPainter>

#include "platform/resource_library.h"

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "0.0.0"
#endif

namespace velmora {

QString ProgramVersion() { return QStringLiteral(VELMORA_VERSION); }

QImage SplashPicture(const ResourceLibrary* library) {
    const QSize size(kSplashWidth, kSplashHeight);
    if (library) {
        QImage picture = library->Bitmap(kSplashPictureName);
        if (picture.size() == size) return picture;
    }
    QImage plain(size, QImage::Format_RGB32);
    plain.fill(QColor(0, 100, 36));
    QPainter painter(&plain);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(50);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(222, 190, 104));
    painter.drawText(plain.rect(), Qt::AlignCenter, QStringLiteral("Velmora"));
    return plain;
}

}  // namespace velmora
