// Toolbar glyphs "TB_" + button, each with a greyed "_DIS" twin. The
// glyphs keep their see-through pixels so they sit on any button face.

#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "art/fonts.h"
#include "art_names.h"
#include "icons.h"
#include "art/pips.h"
#include "resource_sink.h"
#include "art/shapes.h"

namespace velmora::rgfgen {

namespace {

using Paint = std::function<void(QPainter&)>;

const QColor kOutline(40, 40, 40);

// A bent arrow for undo (pointing left) or redo (mirrored).
void BentArrow(QPainter& p, bool to_the_right) {
    if (to_the_right) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setPen(RoundPen(QColor(20, 70, 170), 2.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath bend;
    bend.moveTo(5, 6);
    bend.lineTo(9, 6);
    bend.cubicTo(13.5, 6, 13.5, 13, 9, 13);
    bend.lineTo(6, 13);
    p.drawPath(bend);
    QPainterPath head;
    head.moveTo(1, 6);
    head.lineTo(6, 1.5);
    head.lineTo(6, 10.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 70, 170));
    p.drawPath(head);
}

void NewGame(QPainter& p) {
    MiniCard(p, QRectF(1.5, 3.5, 8, 11), false);
    MiniCard(p, QRectF(5.5, 1.5, 8, 11));
    DrawPip(p, Suit::Hearts, QRectF(7.5, 4.5, 4, 4.5), QColor(210, 0, 0));
    // A spark for "new".
    p.setPen(RoundPen(QColor(240, 170, 0), 1.2));
    p.drawLine(QPointF(13, 10), QPointF(13, 15));
    p.drawLine(QPointF(10.5, 12.5), QPointF(15.5, 12.5));
}

void OpenGame(QPainter& p) {
    Folder(p, true);
}

void Autoplay(QPainter& p) {
    MiniCard(p, QRectF(1.5, 4.5, 8, 11));
    DrawPip(p, Suit::Spades, QRectF(3.5, 8, 4, 4.5), kOutline);
    // An arrow sending the card up to the foundations.
    p.setPen(RoundPen(QColor(0, 140, 40), 2.0));
    p.drawLine(QPointF(12.5, 14), QPointF(12.5, 4));
    QPainterPath head;
    head.moveTo(12.5, 0.5);
    head.lineTo(16, 5.5);
    head.lineTo(9, 5.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 140, 40));
    p.drawPath(head);
}

void Rules(QPainter& p) {
    // A book with a question mark.
    p.setPen(RoundPen(QColor(20, 40, 100), 1.0));
    p.setBrush(QColor(60, 100, 200));
    p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1, 1);
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(QRectF(4.5, 12.5, 9, 2));
    p.setFont(MakeFont(Face::SansBold, 11));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(2.5, 0.5, 11, 12), Qt::AlignCenter, "?");
}

void Exit(QPainter& p) {
    // An open door and an arrow going out.
    p.setPen(RoundPen(kOutline, 1.0));
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(2.5, 1.5, 8, 13));
    p.setBrush(QColor(60, 40, 20));
    p.drawRect(QRectF(2.5, 1.5, 4, 13));
    p.setPen(RoundPen(QColor(200, 30, 30), 2.0));
    p.drawLine(QPointF(8, 8), QPointF(14, 8));
    p.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
    p.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
}

void Statistics(QPainter& p) {
    const double heights[] = {6, 10, 4, 12};
    const QColor colours[] = {QColor(220, 60, 50), QColor(60, 140, 220), QColor(240, 190, 40),
                              QColor(50, 170, 70)};
    p.setPen(RoundPen(kOutline, 1.0));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(1.5 + i * 3.5, 14.5 - heights[i], 2.5, heights[i]));
    }
}

void Restart(QPainter& p) {
    p.setPen(RoundPen(QColor(20, 120, 60), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 290 * 16);
    const double angle = 100 * std::numbers::pi / 180;
    const QPointF tip(8 + 5.5 * std::cos(angle), 8 - 5.5 * std::sin(angle));
    QPainterPath head;
    head.moveTo(tip + QPointF(3.5, 0));
    head.lineTo(tip + QPointF(-2, -3.5));
    head.lineTo(tip + QPointF(-2, 3.5));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 120, 60));
    p.drawPath(head);
}

void FastSearch(QPainter& p) {
    p.setPen(RoundPen(kOutline, 1.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(RoundPen(QColor(110, 70, 30), 3.0));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
}

void Save(QPainter& p) {
    p.setPen(RoundPen(QColor(20, 20, 60), 1.0));
    p.setBrush(QColor(60, 90, 190));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void Hint(QPainter& p) {
    // A lit bulb: the glass, its screw base and a few rays.
    p.setPen(RoundPen(QColor(150, 110, 0), 1.0));
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(QRectF(4, 1.5, 8, 8));
    p.drawRect(QRectF(6, 8.5, 4, 2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 130));
    p.drawRect(QRectF(6, 11.5, 4, 2));
    p.drawRect(QRectF(6.8, 14, 2.4, 1.5));
    p.setPen(RoundPen(QColor(240, 170, 0), 1.1));
    p.drawLine(QPointF(1, 5.5), QPointF(2.6, 5.5));
    p.drawLine(QPointF(13.4, 5.5), QPointF(15, 5.5));
    p.drawLine(QPointF(2.2, 1), QPointF(3.4, 2.2));
    p.drawLine(QPointF(13.8, 1), QPointF(12.6, 2.2));
}

const std::vector<std::pair<std::string, Paint>>& Glyphs() {
    static const std::vector<std::pair<std::string, Paint>> kGlyphs = {
        {"NEW", NewGame},
        {"OPEN", OpenGame},
        {"UNDO", [](QPainter& p) { BentArrow(p, false); }},
        {"REDO", [](QPainter& p) { BentArrow(p, true); }},
        {"AUTOPLAY", Autoplay},
        {"RULES", Rules},
        {"EXIT", Exit},
        {"STAT", Statistics},
        {"RESTART", Restart},
        {"FASTSEARCH", FastSearch},
        {"SAVE", Save},
        {"HINT", Hint},
    };
    return kGlyphs;
}

}  // namespace

void AddToolbarGlyphs(ResourceSink& sink) {
    for (const auto& [name, paint] : Glyphs()) {
        const QImage glyph = PaintIcon(paint);
        sink.AddBitmap("TB_" + name, glyph);
        sink.AddBitmap("TB_" + name + "_DIS", Disabled(glyph));
    }
}

}  // namespace velmora::rgfgen
