#include "render/pile_count.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "engine/layout/pile_fan.h"
#include "engine/model/engine.h"
#include "engine/play/play_counts.h"
#include "platform/fonts.h"

namespace velmora {

namespace {

constexpr int kReserveDealt = 368;  // R[368 + r]: cards dealt to reserve r
constexpr int kTableauRedeal = 7;   // R[15]: a press on the empty stock redeals the tableau
constexpr int kGap = 2;             // between the card and its label

const QColor kLabelColour(24, 32, 40);
const QColor kTextColour(255, 255, 255);

// Readable at every card size, and never larger than the card's index.
QFont LabelFont(int card_width) {
    QFont font(FontInstalled("DejaVu Sans Condensed") ? "DejaVu Sans Condensed" : "DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::clamp(card_width / 6, 9, 12));
    return font;
}

}  // namespace

bool ShowsPileCount(const Engine& e, PileRef pile) {
    // The stock that only redeals the tableau counts the redeals left.
    const bool redeals = pile == PileRef{ListId::Stock, kStockIndex} && e.R(15) == kTableauRedeal;
    if (!redeals && (pile.list != ListId::Reserve || e.R(kReserveDealt + pile.index) < 2)) return false;
    const PileFan fan = DescribePile(e, pile);
    return fan.Placed() && fan.axis == FanAxis::Squared;
}

int PileCountShown(const Engine& e, PileRef pile) {
    if (pile.list == ListId::Stock) return RedealsLeft(e).value_or(0);
    return DescribePile(e, pile).Count();
}

QRect PileCountArea(const Engine& e, PileRef pile) {
    if (!ShowsPileCount(e, pile)) return {};
    const PileFan fan = DescribePile(e, pile);
    const QFontMetrics metrics(LabelFont(e.geometry.card.width));
    return {fan.x, fan.y + e.geometry.card.height + kGap, e.geometry.card.width, metrics.height()};
}

QRect PileCountRect(const QRect& area, int count, int card_width) {
    const QFontMetrics metrics(LabelFont(card_width));
    const int width = std::min(area.width(), metrics.horizontalAdvance(QString::number(count)) + area.height());
    return {area.x() + (area.width() - width) / 2, area.y(), width, area.height()};
}

void DrawPileCount(const DrawContext& ctx, Layer layer, PileRef pile) {
    const QRect area = PileCountArea(ctx.engine, pile);
    if (area.isEmpty()) return;
    RestoreBackground(ctx, layer, area);
    const int count = PileCountShown(ctx.engine, pile);
    if (count < 1) return;
    const QRect label = PileCountRect(area, count, ctx.CardWidth()).translated(0, ctx.Shift(layer));
    QPainter painter(&ctx.On(layer).Image());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLabelColour);
    const double radius = label.height() / 2.0;
    painter.drawRoundedRect(QRectF(label), radius, radius);
    painter.setFont(LabelFont(ctx.CardWidth()));
    painter.setPen(kTextColour);
    painter.drawText(label, Qt::AlignCenter, QString::number(count));
    ctx.Touched(layer, area);
}

}  // namespace velmora
