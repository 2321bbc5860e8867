#include <QPainterPath>
#include <algorithm>

#include "icons.h"

namespace velmora::rgfgen {

QImage PaintIcon(const std::function<void(QPainter&)>& paint) {
    QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, true);
    paint(p);
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QImage OnMask(const QImage& icon, QRgb mask) {
    QImage out(icon.size(), QImage::Format_RGB32);
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb pixel = icon.pixel(x, y);
            QRgb opaque = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            if (opaque == mask) {
                opaque = qRgb(129, 0, 0);  // never the mask colour by accident
            }
            out.setPixel(x, y, qAlpha(pixel) >= 128 ? opaque : mask);
        }
    }
    return out;
}

QImage OnGround(const QImage& icon, QColor ground) {
    QImage out(icon.size(), QImage::Format_RGB32);
    out.fill(ground);
    QPainter p(&out);
    p.drawImage(0, 0, icon);
    return out;
}

QImage Disabled(const QImage& icon) {
    // The dark parts of the drawing (outlines, arrows, lettering) in grey,
    // with a white copy one pixel down and right; light fills vanish.
    QImage ink(icon.size(), QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb pixel = icon.pixel(x, y);
            const bool dark = qAlpha(pixel) >= 96 && qGray(pixel) < 170;
            ink.setPixel(x, y, dark ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0));
        }
    }
    const auto tinted = [&ink](QColor colour) {
        QImage out = ink;
        for (int y = 0; y < out.height(); ++y) {
            for (int x = 0; x < out.width(); ++x) {
                out.setPixel(
                    x, y,
                    qRgba(colour.red(), colour.green(), colour.blue(), qAlpha(out.pixel(x, y))));
            }
        }
        return out;
    };
    QImage out(icon.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawImage(1, 1, tinted(QColor(255, 255, 255)));
    p.drawImage(0, 0, tinted(QColor(128, 128, 128)));
    return out;
}

void MiniCard(QPainter& p, const QRectF& box, bool face_up) {
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.setBrush(face_up ? QColor(255, 255, 255) : QColor(40, 80, 190));
    p.drawRoundedRect(box, 1, 1);
}

void Folder(QPainter& p, bool open) {
    const QColor edge(140, 100, 20);
    p.setPen(QPen(edge, 1.0));
    p.setBrush(QColor(230, 180, 60));
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(13.5, 5);
    back.lineTo(13.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 214, 100));
    if (open) {
        QPainterPath front;
        front.moveTo(1.5, 13.5);
        front.lineTo(4, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
        front.closeSubpath();
        p.drawPath(front);
    } else {
        p.drawRect(QRectF(1.5, 6.5, 12, 7));
    }
}

}  // namespace velmora::rgfgen
