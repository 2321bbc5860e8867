// The joker: a jester with a belled cap, "JOKER" spelt down the corners.

#include <QPainterPath>
#include <cmath>

#include "art/card_faces.h"
#include "art/pixel_scale.h"
#include "art/shapes.h"

namespace velmora::art {

namespace {

const QColor kJesterRed(204, 30, 40);
const QColor kJesterGreen(30, 140, 70);
const QColor kJesterYellow(240, 196, 40);
const QColor kJesterBlue(40, 80, 180);
const QColor kSkin(250, 216, 176);

// A cap lobe from the brow out to a bell at `tip`.
QPainterPath CapLobe(QPointF from, QPointF to, QPointF tip) {
    QPainterPath lobe;
    lobe.moveTo(from);
    lobe.quadTo((from + tip) / 2 + QPointF(0, -14), tip);
    lobe.quadTo((to + tip) / 2 + QPointF(0, -2), to);
    lobe.closeSubpath();
    return lobe;
}

// The jester in a 100 x 100 box.
void DrawJester(QPainter& p) {
    // Ruff of alternating colours.
    const QColor ruff[] = {kJesterRed, kJesterYellow, kJesterGreen, kJesterBlue};
    for (int i = 0; i < 7; ++i) {
        FillPath(p, Ellipse(QPointF(23 + i * 9, 78 + (i % 2) * 3), 8, 8), ruff[i % 4],
                 InkOutline(p));
    }
    // Body below the ruff, split in two colours.
    QPainterPath left;
    left.moveTo(20, 101);
    left.lineTo(26, 84);
    left.lineTo(50, 84);
    left.lineTo(50, 101);
    left.closeSubpath();
    FillPath(p, left, kJesterGreen, InkOutline(p));
    QPainterPath right;
    right.moveTo(50, 84);
    right.lineTo(74, 84);
    right.lineTo(80, 101);
    right.lineTo(50, 101);
    right.closeSubpath();
    FillPath(p, right, kJesterRed, InkOutline(p));
    // Face.
    FillPath(p, Ellipse(QPointF(50, 58), 15, 15), kSkin, InkOutline(p));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 60));
    p.drawEllipse(QPointF(44, 55), 2, 2.2);
    p.drawEllipse(QPointF(56, 55), 2, 2.2);
    p.setBrush(QColor(220, 60, 60));
    p.drawEllipse(QPointF(50, 60), 2.6, 2.6);
    QPen smile(QColor(150, 30, 40), PixelWidth(p));
    smile.setCosmetic(true);
    p.setPen(smile);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(42, 58, 16, 10), 200 * 16, 140 * 16);
    // Three-pointed cap with bells.
    FillPath(p, CapLobe({36, 46}, {46, 42}, {10, 30}), kJesterRed, InkOutline(p));
    FillPath(p, CapLobe({64, 46}, {54, 42}, {90, 30}), kJesterGreen, InkOutline(p));
    FillPath(p, CapLobe({42, 44}, {58, 44}, {50, 8}), kJesterBlue, InkOutline(p));
    QPainterPath band;
    band.addRoundedRect(QRectF(34, 42, 32, 7), 3, 3);
    FillPath(p, band, kJesterYellow, InkOutline(p));
    for (QPointF bell : {QPointF(10, 30), QPointF(90, 30), QPointF(50, 8)}) {
        FillPath(p, Ellipse(bell, 4.5, 4.5), kJesterYellow, InkOutline(p));
    }
}

void DrawCornerWord(QImage& card, const CardSize& size) {
    // The library's sizes have their lettering set by hand; a fitted card
    // grows the big card's with its width.
    const bool big = size.letter == 'B';
    const double grow = size.width / 71.0;
    const double letter = size.letter == 'F' ? 7.0 * grow : (big ? 7.0 : 6.0);
    const QFont font =
        MakeFont(Face::SansCondensedBold,
                 size.letter == 'F' ? static_cast<int>(std::lround(10 * grow)) : (big ? 10 : 8));
    QImage corner = TransparentLike(card);
    {
        QPainter p(&corner);
        const QString word = "JOKER";
        for (int i = 0; i < word.size(); ++i) {
            DrawIndexText(p, word.mid(i, 1), QRectF(1.5, 3 + i * (letter + 2), letter + 1, letter),
                          font, i % 2 ? QColor(20, 20, 20) : QColor(204, 0, 16));
        }
    }
    QPainter p(&card);
    p.drawImage(0, 0, corner);
    p.drawImage(0, 0, corner.mirrored(true, true));
}

}  // namespace

QImage DrawJoker(const CardSize& size, double scale) {
    const CardSet& set = ClassicSet();
    QImage card = BlankCard(size, set.paper, set.edge, scale);
    {
        QPainter p(&card);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (size.compact()) {
            const double sx = size.width / 25.0;
            const double sy = size.height / 32.0;
            p.translate(2 * sx, 5 * sy);
            p.scale(21 * sx / 100.0, 24 * sy / 100.0);
        } else {
            const double margin = size.width * 0.15;
            p.translate(margin, size.height * 0.16);
            p.scale((size.width - 2 * margin) / 100.0, size.height * 0.66 / 100.0);
        }
        DrawJester(p);
    }
    if (!size.compact()) {
        DrawCornerWord(card, size);
    }
    ClearCorners(card, size);
    return card;
}

}  // namespace velmora::art
