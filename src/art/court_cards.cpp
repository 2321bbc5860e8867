// Kings, queens and jacks: a double-headed figure in a frame, each suit in
// its own robe colours. The figure is designed in a 100 x 100 box that
// covers the top half of the frame; the bottom half is the same turned round.

#include <QPainterPath>

#include "art/card_faces.h"
#include "art/pixel_scale.h"
#include "art/shapes.h"

namespace velmora::art {

namespace {

struct Robe {
    QColor main;
    QColor trim;
    QColor accent;
};

Robe RobeFor(Suit suit) {
    switch (suit) {
        case Suit::Hearts:
            return {QColor(196, 28, 40), QColor(238, 190, 50), QColor(40, 72, 170)};
        case Suit::Diamonds:
            return {QColor(232, 150, 24), QColor(190, 24, 36), QColor(40, 72, 170)};
        case Suit::Clubs:
            return {QColor(30, 130, 60), QColor(238, 190, 50), QColor(196, 28, 40)};
        case Suit::Spades:
            return {QColor(36, 64, 160), QColor(238, 190, 50), QColor(196, 28, 40)};
    }
    return {};
}

const QColor kSkin(250, 216, 176);
const QColor kGold(236, 188, 44);
const QColor kSteel(176, 184, 196);

void Outlined(QPainter& p, const QPainterPath& path, QColor colour) {
    FillPath(p, path, colour, InkOutline(p));
}

void DrawRobe(QPainter& p, const Robe& robe) {
    QPainterPath body;
    body.moveTo(-1, 101);
    body.lineTo(-1, 76);
    body.cubicTo(2, 68, 14, 64, 32, 62);
    body.lineTo(68, 62);
    body.cubicTo(86, 64, 98, 68, 101, 76);
    body.lineTo(101, 101);
    body.closeSubpath();
    Outlined(p, body, robe.main);
    // Sleeves, a trimmed front panel and a row of buttons.
    QPen sleeve(robe.accent, 3.0);
    sleeve.setCapStyle(Qt::FlatCap);
    p.setPen(sleeve);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(24, 66), QPointF(24, 101));
    p.drawLine(QPointF(76, 66), QPointF(76, 101));
    Outlined(p, Polygon({{40, 63}, {60, 63}, {64, 101}, {36, 101}}), robe.trim);
    p.setPen(Qt::NoPen);
    p.setBrush(robe.accent);
    for (double y = 74; y < 100; y += 9) {
        p.drawEllipse(QPointF(50, y), 2.8, 2.8);
    }
    // A white ruff round the neck.
    QPainterPath collar;
    collar.moveTo(30, 64);
    collar.cubicTo(38, 76, 62, 76, 70, 64);
    collar.cubicTo(62, 58, 38, 58, 30, 64);
    Outlined(p, collar, QColor(252, 252, 252));
}

void DrawFace(QPainter& p) {
    QPainterPath face;
    face.addEllipse(QPointF(50, 43), 13, 15);
    Outlined(p, face, kSkin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 60));
    p.drawEllipse(QPointF(45, 41), 1.9, 2.1);
    p.drawEllipse(QPointF(55, 41), 1.9, 2.1);
    p.setPen(InkOutline(p));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(50, 43), QPointF(49, 48));
    QPen mouth(QColor(190, 40, 50), 2.2);
    mouth.setCapStyle(Qt::RoundCap);
    p.setPen(mouth);
    p.drawLine(QPointF(47, 52), QPointF(53, 52));
}

void DrawKingHead(QPainter& p, const Robe& robe) {
    // Beard first, so the face sits on it.
    QPainterPath beard;
    beard.moveTo(36, 42);
    beard.cubicTo(35, 66, 44, 74, 50, 76);
    beard.cubicTo(56, 74, 65, 66, 64, 42);
    beard.closeSubpath();
    Outlined(p, beard, QColor(238, 238, 238));
    DrawFace(p);
    p.setPen(InkOutline(p));
    p.setBrush(QColor(238, 238, 238));
    QPainterPath moustache;
    moustache.moveTo(41, 51);
    moustache.cubicTo(45, 46, 55, 46, 59, 51);
    moustache.cubicTo(55, 49, 45, 49, 41, 51);
    p.drawPath(moustache);
    // Crown: a jewelled band with five points.
    Outlined(p,
             Polygon({{35, 31},
                      {34, 12},
                      {40, 21},
                      {44, 4},
                      {50, 18},
                      {56, 4},
                      {60, 21},
                      {66, 12},
                      {65, 31}}),
             kGold);
    Outlined(p, Polygon({{34, 25}, {66, 25}, {66, 32}, {34, 32}}), kGold);
    p.setPen(Qt::NoPen);
    p.setBrush(robe.accent);
    p.drawEllipse(QPointF(50, 28.5), 2.6, 2.6);
    p.setBrush(QColor(200, 30, 40));
    p.drawEllipse(QPointF(40.5, 28.5), 2.0, 2.0);
    p.drawEllipse(QPointF(59.5, 28.5), 2.0, 2.0);
}

void DrawQueenHead(QPainter& p, const Robe& robe) {
    QPainterPath hair;
    hair.moveTo(35, 44);
    hair.cubicTo(30, 18, 70, 18, 65, 44);
    hair.cubicTo(68, 54, 70, 60, 74, 66);
    hair.lineTo(26, 66);
    hair.cubicTo(30, 60, 32, 54, 35, 44);
    hair.closeSubpath();
    Outlined(p, hair, QColor(230, 172, 40));
    DrawFace(p);
    // A small crown with pearl tips.
    Outlined(p, Polygon({{38, 30}, {37, 16}, {43, 22}, {50, 11}, {57, 22}, {63, 16}, {62, 30}}),
             kGold);
    p.setPen(InkOutline(p));
    p.setBrush(robe.accent == QColor(40, 72, 170) ? QColor(250, 250, 250) : robe.accent);
    for (QPointF tip : {QPointF(37, 15), QPointF(50, 10), QPointF(63, 15)}) {
        p.drawEllipse(tip, 2.5, 2.5);
    }
}

void DrawJackHead(QPainter& p, const Robe& robe) {
    QPainterPath hair;
    hair.moveTo(36, 44);
    hair.cubicTo(32, 30, 68, 30, 64, 44);
    hair.cubicTo(68, 52, 67, 58, 63, 62);
    hair.lineTo(37, 62);
    hair.cubicTo(33, 58, 32, 52, 36, 44);
    hair.closeSubpath();
    Outlined(p, hair, QColor(124, 72, 32));
    DrawFace(p);
    // A cap with a brim and a feather standing up from it.
    QPainterPath feather;
    feather.moveTo(58, 24);
    feather.cubicTo(60, 14, 66, 6, 74, 2);
    feather.cubicTo(72, 10, 68, 18, 63, 26);
    feather.closeSubpath();
    Outlined(p, feather, robe.accent);
    QPainterPath cap;
    cap.moveTo(34, 33);
    cap.cubicTo(32, 12, 68, 10, 66, 33);
    cap.closeSubpath();
    Outlined(p, cap, robe.main);
    Outlined(p, Polygon({{30, 30}, {70, 30}, {70, 35}, {30, 35}}), robe.trim);
}

QPainterPath Hand(QPointF centre) {
    QPainterPath hand;
    hand.addEllipse(centre, 5.5, 4.5);
    return hand;
}

void DrawKingEmblem(QPainter& p) {
    // An upright sword on the right.
    Outlined(p, Polygon({{84, 2}, {88, 8}, {88, 74}, {80, 74}, {80, 8}}), kSteel);
    Outlined(p, Polygon({{74, 74}, {94, 74}, {94, 79}, {74, 79}}), kGold);
    Outlined(p, Polygon({{81, 79}, {87, 79}, {87, 92}, {81, 92}}), QColor(110, 60, 30));
    Outlined(p, Hand({84, 88}), kSkin);
}

void DrawQueenEmblem(QPainter& p) {
    // A rose on a long stem on the left.
    QPen stem(QColor(30, 110, 40), 3.0);
    p.setPen(stem);
    p.drawLine(QPointF(17, 90), QPointF(17, 34));
    QPainterPath leaf;
    leaf.moveTo(17, 62);
    leaf.cubicTo(8, 58, 5, 52, 7, 48);
    leaf.cubicTo(13, 50, 16, 54, 17, 62);
    Outlined(p, leaf, QColor(40, 140, 50));
    QPainterPath bloom;
    bloom.addEllipse(QPointF(17, 28), 10, 9);
    Outlined(p, bloom, QColor(212, 30, 60));
    p.setPen(InkOutline(p));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(17, 28), 4.5, 4);
    Outlined(p, Hand({18, 86}), kSkin);
}

void DrawJackEmblem(QPainter& p) {
    // A halberd on the left.
    Outlined(p, Polygon({{14, 14}, {19, 14}, {19, 101}, {14, 101}}), QColor(140, 90, 40));
    Outlined(p, Polygon({{16.5, 1}, {22, 14}, {11, 14}}), kSteel);
    QPainterPath blade;
    blade.moveTo(19, 16);
    blade.cubicTo(32, 15, 35, 24, 33, 32);
    blade.lineTo(19, 29);
    blade.closeSubpath();
    Outlined(p, blade, kSteel);
    Outlined(p, Hand({17, 84}), kSkin);
}

// Paints the top half with `paint_half` and repeats it turned half round
// for the bottom half, as on double-headed cards.
template <typename PaintHalf>
void PaintDoubleHeaded(QImage& card, const QRect& area, PaintHalf paint_half) {
    const int half_height = (area.height() + 1) / 2;
    QImage half = ScaledImage(QSize(area.width(), half_height), QImage::Format_ARGB32_Premultiplied,
                              PixelScale(card));
    half.fill(Qt::transparent);
    {
        QPainter painter(&half);
        painter.setRenderHint(QPainter::Antialiasing, true);
        paint_half(painter, QSizeF(area.width(), area.height() / 2.0));
    }
    QPainter painter(&card);
    painter.drawImage(area.topLeft(), half);
    painter.drawImage(QPoint(area.left(), area.bottom() + 1 - half_height),
                      half.mirrored(true, true));
}

void DrawFigureHalf(QPainter& p, QSizeF half, const CardSet& set, Suit suit, int rank) {
    const Robe robe = RobeFor(suit);
    p.scale(half.width() / 100.0, half.height() / 100.0);
    DrawRobe(p, robe);
    switch (rank) {
        case 13:
            DrawKingHead(p, robe);
            DrawKingEmblem(p);
            break;
        case 12:
            DrawQueenHead(p, robe);
            DrawQueenEmblem(p);
            break;
        default:
            DrawJackHead(p, robe);
            DrawJackEmblem(p);
            break;
    }
    // The suit beside the head, on the side away from the emblem.
    const double x = rank == 13 ? 14 : 86;
    DrawPip(p, suit, QRectF(x - 9, 4, 18, 20), InkFor(set, suit));
}

void DrawLetterHalf(QPainter& p, QSizeF half, const CardSet& set, Suit suit, int rank) {
    const QColor ink = InkFor(set, suit);
    const double letter_height = half.height() * 0.52;
    const QFont font = MakeFont(Face::SansBold, static_cast<int>(letter_height / 0.73 + 0.5));
    DrawIndexText(p, RankText(rank),
                  QRectF(0, half.height() * 0.12, half.width() * 0.62, letter_height), font, ink);
    const double pip = half.width() * 0.3;
    DrawPip(p, suit, PipBox(QPointF(half.width() * 0.78, half.height() * 0.36), pip), ink);
}

// The one-pixel outline just inside `box`, filled rather than stroked so
// that it covers whole card pixels at any scale.
void OutlineBox(QPainter& p, const QRect& box, QColor colour) {
    p.fillRect(QRect(box.left(), box.top(), box.width(), 1), colour);
    p.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), colour);
    p.fillRect(QRect(box.left(), box.top(), 1, box.height()), colour);
    p.fillRect(QRect(box.right(), box.top(), 1, box.height()), colour);
}

void DrawFrame(QImage& card, const QRect& frame, QColor outer, QColor inner) {
    QPainter p(&card);
    OutlineBox(p, frame, outer);
    OutlineBox(p, frame.adjusted(1, 1, -1, -1), inner);
    const int middle = frame.top() + frame.height() / 2;
    p.fillRect(QRect(frame.left() + 1, middle, frame.width() - 2, 1), outer);
}

}  // namespace

void DrawCourt(QImage& card, const CardSet& set, const FaceLayout& layout, Suit suit, int rank) {
    const QRect frame = layout.court_frame.toRect();
    const QRect inside = frame.adjusted(2, 2, -2, -2);
    if (set.pictured_courts) {
        PaintDoubleHeaded(card, inside, [&](QPainter& p, QSizeF half) {
            DrawFigureHalf(p, half, set, suit, rank);
        });
        DrawFrame(card, frame, InkFor(set, suit), kGold);
    } else {
        PaintDoubleHeaded(card, inside, [&](QPainter& p, QSizeF half) {
            DrawLetterHalf(p, half, set, suit, rank);
        });
        DrawFrame(card, frame, InkFor(set, suit), set.paper);
    }
}

}  // namespace velmora::art
