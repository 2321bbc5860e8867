// The product picture of the splash window: the table's green felt, a fan
// of cards from the library's own faces and the program's name, line and
// version. Drawn here, when the library is made, so that the program only
// decodes it at start-up.
#include "splash_art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>
#include <vector>

#include "platform/resource_library.h"
#include "render/card_fan.h"
#include "resource_sink.h"
#include "support/splash_picture.h"

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "0.0.0"
#endif

namespace velmora::rgfgen {
namespace {

const QColor kGold(222, 190, 104);
const QColor kCream(252, 242, 212);

// Left to right, 15 degrees apart round the upright middle card; the ace
// lies on top.
const std::vector<FanCard> kFan = {{kFanHearts, 10, -30.0},
                                   {kFanSpades, 11, -15.0},
                                   {kFanDiamonds, 12, 0.0},
                                   {kFanClubs, 13, 15.0},
                                   {kFanSpades, 1, 30.0}};
const FanLook kFanLook{QPointF(kSplashWidth / 2.0, 172.0), 56.0,
                       {{QPointF(2, 3), 3.0, 28}, {QPointF(2, 3), 1.5, 45}}, QColor(60, 60, 60, 150)};

// The table's green, lit from above the fan, with a fine grain like felt.
void PaintFelt(QImage& image) {
    QPainter painter(&image);
    QRadialGradient light(QPointF(kSplashWidth / 2.0, 110.0), kSplashWidth * 0.72);
    light.setColorAt(0.0, QColor(22, 134, 58));
    light.setColorAt(0.55, QColor(6, 96, 36));
    light.setColorAt(1.0, QColor(0, 44, 16));
    painter.fillRect(image.rect(), light);
    painter.end();
    uint32_t seed = 12345;  // the same grain every time
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 29) - 4;  // -4 .. 3
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain / 2, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain / 2, 255));
        }
    }
}

void PaintFrame(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 24, 8), 2.0));
    painter.drawRect(QRectF(1, 1, kSplashWidth - 2, kSplashHeight - 2));
    QColor gold = kGold;
    gold.setAlpha(190);
    painter.setPen(QPen(gold, 1.2));
    painter.drawRoundedRect(QRectF(7.5, 7.5, kSplashWidth - 15, kSplashHeight - 15), 6, 6);
}

QFont Font(const char* family, int pixels, QFont::Weight weight, QFont::StyleHint hint) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

// The name in gold letters with a soft shadow, centred on `baseline`.
void PaintName(QPainter& painter, double baseline) {
    const QFont font = Font("DejaVu Serif", 50, QFont::Bold, QFont::Serif);
    const QString name = QStringLiteral("Velmora");
    const double width = QFontMetricsF(font).horizontalAdvance(name);
    QPainterPath letters;
    letters.addText(QPointF((kSplashWidth - width) / 2.0, baseline), font, name);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(letters.translated(2, 3));
    QLinearGradient gold(0, baseline - 38, 0, baseline + 4);
    gold.setColorAt(0.0, QColor(255, 246, 210));
    gold.setColorAt(0.5, kGold);
    gold.setColorAt(1.0, QColor(170, 128, 46));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(70, 48, 10, 200), 0.9));
    painter.drawPath(letters);
}

void PaintCentred(QPainter& painter, const QString& text, const QFont& font, const QColor& colour, double top) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRectF(0, top, kSplashWidth, QFontMetricsF(font).height() + 2), Qt::AlignHCenter, text);
}

void PaintTexts(QPainter& painter) {
    PaintName(painter, 224);
    QColor line = kGold;
    line.setAlpha(170);
    painter.setPen(QPen(line, 1.0));
    painter.drawLine(QPointF(126, 238.5), QPointF(kSplashWidth - 126, 238.5));
    PaintCentred(painter, QStringLiteral("Patience for Linux"), Font("DejaVu Sans", 16, QFont::Normal, QFont::SansSerif),
                 kCream, 244);
    PaintCentred(painter, QStringLiteral("Version " VELMORA_VERSION),
                 Font("DejaVu Sans", 11, QFont::Normal, QFont::SansSerif), QColor(178, 212, 178), 280);
}

QImage DrawSplashPicture(const ResourceLibrary* library) {
    QImage picture(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    PaintFelt(picture);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    PaintCardFan(painter, library, kFan, kFanLook);
    PaintTexts(painter);
    PaintFrame(painter);
    return picture;
}

}  // namespace

void AddSplashPicture(ResourceSink& sink) {
    ResourceLibrary faces;
    faces.LoadBytes(rgf::Serialize(sink.entries()));
    sink.AddPlainBitmap(kSplashPictureName, DrawSplashPicture(&faces));
}

}  // namespace velmora::rgfgen
