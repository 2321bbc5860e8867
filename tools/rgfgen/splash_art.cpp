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

#include <array>
#include <cstdint>

#include "platform/resource_library.h"
#include "render/card_images.h"
#include "resource_sink.h"
#include "support/splash_picture.h"

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "0.0.0"
#endif

namespace velmora::rgfgen {
namespace {

constexpr int kRanks = 13;
constexpr int kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3;  // the card images' suit order
constexpr double kCardRadius = 4.0;
const QColor kGold(222, 190, 104);
const QColor kCream(252, 242, 212);

struct FanCard {
    int suit;
    int rank;  // 1 ace .. 13 king
};

// Left to right; the ace lies on top.
constexpr std::array<FanCard, 5> kFan = {{
    {kHearts, 10}, {kSpades, 11}, {kDiamonds, 12}, {kClubs, 13}, {kSpades, 1}}};
constexpr double kFanStepDegrees = 15.0;
const QPointF kFanPivot(kSplashWidth / 2.0, 172.0);
constexpr double kPivotBelowCards = 56.0;

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

// A card without pictures: white, with its suit large in the middle.
QImage PlainCard(const CardSize& size, int suit) {
    static constexpr std::array<const char16_t*, 4> kSymbols = {u"\u2665", u"\u2666", u"\u2663", u"\u2660"};
    QImage card(size.width, size.height, QImage::Format_RGB32);
    card.fill(QColor(250, 250, 246));
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(suit == kHearts || suit == kDiamonds ? QColor(200, 20, 30) : QColor(20, 20, 20));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size.height / 2);
    painter.setFont(font);
    painter.drawText(card.rect(), Qt::AlignCenter, QString::fromUtf16(kSymbols[static_cast<size_t>(suit)]));
    return card;
}

void PaintCard(QPainter& painter, const QImage& face, double angle) {
    const QRectF card(-face.width() / 2.0, -kPivotBelowCards - face.height(), face.width(), face.height());
    painter.save();
    painter.translate(kFanPivot);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    for (const auto& [spread, alpha] : {std::pair{3.0, 28}, std::pair{1.5, 45}}) {
        painter.setBrush(QColor(0, 0, 0, alpha));
        painter.drawRoundedRect(card.translated(2, 3).adjusted(-spread, -spread, spread, spread),
                                kCardRadius + spread, kCardRadius + spread);
    }
    QPainterPath outline;
    outline.addRoundedRect(card, kCardRadius, kCardRadius);
    painter.setClipPath(outline);
    painter.drawImage(card.topLeft(), face);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 60, 60, 150), 0.8));
    painter.drawPath(outline);
    painter.restore();
}

void PaintFan(QPainter& painter, const ResourceLibrary* library) {
    CardImages images;
    if (library) images.Load(*library, CardImageChoice{});
    const double first_angle = -kFanStepDegrees * (kFan.size() - 1) / 2.0;
    for (size_t i = 0; i < kFan.size(); ++i) {
        const FanCard& c = kFan[i];
        QImage face = images.Face(c.suit * kRanks + c.rank - 1).Image();
        if (face.isNull()) face = PlainCard(CardSize{}, c.suit);
        PaintCard(painter, face, first_angle + kFanStepDegrees * static_cast<double>(i));
    }
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
    PaintFan(painter, library);
    PaintTexts(painter);
    PaintFrame(painter);
    return picture;
}

}  // namespace

void AddSplashPicture(ResourceSink& sink) {
    ResourceLibrary faces;
    faces.LoadBytes(rgf::Serialize(sink.entries()));
    sink.AddBitmap(kSplashPictureName, DrawSplashPicture(&faces));
}

}  // namespace velmora::rgfgen
