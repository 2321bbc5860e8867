#include "render/card_fan.h"

#include <QPainterPath>

#include <array>

#include "engine/layout/table_geometry.h"
#include "platform/resource_library.h"
#include "render/card_images.h"

namespace velmora {
namespace {

constexpr int kRanks = 13;
constexpr double kCardRadius = 4.0;

QString RankText(int rank) {
    if (rank == 1) return QStringLiteral("A");
    if (rank > 10) return QString(QLatin1Char("JQK"[rank - 11]));
    return QString::number(rank);
}

QImage PlainFace(int suit, int rank) {
    static constexpr std::array<char16_t, 4> kSymbols = {u'\u2665', u'\u2666', u'\u2663', u'\u2660'};
    const CardSize size;
    QImage face(size.width, size.height, QImage::Format_RGB32);
    face.fill(QColor(252, 252, 248));
    QPainter painter(&face);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(suit == kFanHearts || suit == kFanDiamonds ? QColor(196, 24, 32) : QColor(24, 24, 24));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.drawText(QRect(4, 3, 20, 18), Qt::AlignHCenter | Qt::AlignTop, RankText(rank));
    font.setBold(false);
    font.setPixelSize(size.height / 2);
    painter.setFont(font);
    painter.drawText(face.rect(), Qt::AlignCenter, QString(QChar(kSymbols[static_cast<size_t>(suit)])));
    return face;
}

void PaintFannedCard(QPainter& painter, const QImage& face, double angle, const FanLook& look) {
    const QRectF card(-face.width() / 2.0, -look.pivot_below - face.height(), face.width(), face.height());
    painter.save();
    painter.translate(look.pivot);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    for (const FanShadow& shadow : look.shadows) {
        const double s = shadow.spread;
        painter.setBrush(QColor(0, 0, 0, shadow.alpha));
        painter.drawRoundedRect(card.translated(shadow.offset).adjusted(-s, -s, s, s), kCardRadius + s,
                                kCardRadius + s);
    }
    QPainterPath outline;
    outline.addRoundedRect(card, kCardRadius, kCardRadius);
    painter.setClipPath(outline);
    painter.drawImage(card.topLeft(), face);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(look.outline, 0.8));
    painter.drawPath(outline);
    painter.restore();
}

}  // namespace

void PaintCardFan(QPainter& painter, const ResourceLibrary* library, const std::vector<FanCard>& cards,
                  const FanLook& look) {
    CardImages images;
    if (library) images.Load(*library, CardImageChoice{});
    for (const FanCard& card : cards) {
        QImage face = images.Face(card.suit * kRanks + card.rank - 1).Image();
        if (face.isNull()) face = PlainFace(card.suit, card.rank);
        PaintFannedCard(painter, face, card.angle, look);
    }
}

}  // namespace velmora
