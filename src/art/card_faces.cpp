#include "art/card_faces.h"

#include <QPainter>
#include <cmath>
#include <vector>

#include "art/pixel_scale.h"

namespace velmora::art {

namespace {

struct PipSpot {
    double column;  // 0 left, 0.5 middle, 1 right
    double row;     // 0 top .. 1 bottom
};

// Pip positions as printed on real cards; pips below the middle stand on
// their heads.
const std::vector<PipSpot>& PipSpots(int rank) {
    static const std::vector<PipSpot> kLayouts[11] = {
        {},
        {{0.5, 0.5}},
        {{0.5, 0}, {0.5, 1}},
        {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
        {{0, 0},
         {1, 0},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0.5, 0.5},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0, 1},
         {1, 1}},
        {{0, 0},
         {1, 0},
         {0.5, 1.0 / 6},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0.5, 5.0 / 6},
         {0, 1},
         {1, 1}},
    };
    return kLayouts[rank];
}

void DrawPipField(QImage& card, const FaceLayout& layout, const CardSet& set, Suit suit, int rank) {
    QPainter painter(&card);
    const QRectF& field = layout.pip_field;
    for (const PipSpot& spot : PipSpots(rank)) {
        const QPointF centre(field.left() + spot.column * field.width(),
                             field.top() + spot.row * field.height());
        DrawPip(painter, suit, PipBox(centre, layout.pip_width), InkFor(set, suit), spot.row > 0.5);
    }
}

void DrawAce(QImage& card, const CardSize& size, const FaceLayout& layout, const CardSet& set,
             Suit suit) {
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre(size.width / 2.0, size.height / 2.0);
    const bool showpiece = suit == Suit::Spades && set.pictured_courts;
    const double width = showpiece ? layout.ace_width * 1.25 : layout.ace_width;
    const QRectF box = PipBox(centre, width);
    if (showpiece) {
        // The ace of spades carries an ornament: an outlined pip in a ring.
        painter.setPen(QPen(set.black, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, width * 0.62, width * 0.66);
        DrawPip(painter, suit, box.adjusted(-1.2, -1.2, 1.2, 1.2), set.black);
        DrawPip(painter, suit, box.adjusted(0.2, 0.2, -0.2, -0.2), set.paper);
        DrawPip(painter, suit, box.adjusted(1.6, 1.6, -1.6, -1.6), set.black);
        return;
    }
    DrawPip(painter, suit, box, InkFor(set, suit));
}

// Rank and suit in the top-left corner, repeated turned round bottom right.
void DrawIndices(QImage& card, const FaceLayout& layout, const CardSet& set, Suit suit, int rank) {
    QImage corner = TransparentLike(card);
    {
        QPainter painter(&corner);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const QColor ink = InkFor(set, suit);
        DrawIndexText(painter, RankText(rank), layout.rank_box,
                      MakeFont(set.index_face, layout.rank_pixels), ink);
        DrawPip(painter, suit, layout.suit_box, ink);
    }
    QPainter painter(&card);
    painter.drawImage(0, 0, corner);
    painter.drawImage(0, 0, corner.mirrored(true, true));
}

// The small cards only have room for the rank and one suit symbol.
QImage DrawSmallFace(const CardSize& size, const CardSet& set, Suit suit, int rank, double scale) {
    QImage card = BlankCard(size, set.paper, set.edge, scale);
    const QColor ink = InkFor(set, suit);
    QPainter painter(&card);
    if (rank > 10) {
        // A tinted ground tells court cards apart at a glance.
        painter.fillRect(QRect(1, 1, size.width - 2, size.height - 2),
                         set.pictured_courts ? QColor(255, 236, 170) : QColor(226, 226, 226));
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const FaceLayout layout = LayoutFor(size, set);
    DrawIndexText(painter, RankText(rank), layout.rank_box,
                  MakeFont(set.index_face, layout.rank_pixels), ink);
    DrawPip(painter, suit, PipBox(layout.pip_field.center(), layout.pip_width), ink);
    painter.end();
    DrawCardFrame(card, set.edge);
    ClearCorners(card, size);
    return card;
}

const CardSet kClassic{1,
                       QColor(204, 0, 16),
                       QColor(20, 20, 20),
                       QColor(255, 255, 255),
                       QColor(32, 32, 32),
                       Face::SansCondensedBold,
                       true};
const CardSet kPlain{3,
                     QColor(228, 0, 0),
                     QColor(0, 0, 0),
                     QColor(255, 255, 255),
                     QColor(0, 0, 0),
                     Face::SansBold,
                     false};

// A fitted card takes the layout of the library size it is drawn like,
// stretched to its own width and height.
FaceLayout FittedLayout(const CardSize& size, const CardSet& set) {
    const CardSize& model = size.compact() ? kSmallCard : kBigCard;
    const FaceLayout from = LayoutFor(model, set);
    const double sx = static_cast<double>(size.width) / model.width;
    const double sy = static_cast<double>(size.height) / model.height;
    const auto stretch = [sx, sy](const QRectF& r) {
        return QRectF(r.left() * sx, r.top() * sy, r.width() * sx, r.height() * sy);
    };
    return {stretch(from.rank_box),
            stretch(from.suit_box),
            static_cast<int>(std::lround(from.rank_pixels * sy)),
            stretch(from.pip_field),
            from.pip_width * sx,
            from.ace_width * sx,
            stretch(from.court_frame)};
}

}  // namespace

const CardSet& ClassicSet() {
    return kClassic;
}
const CardSet& PlainSet() {
    return kPlain;
}
const CardSet* CardSetNumbered(int number) {
    for (const CardSet* set : {&kClassic, &kPlain}) {
        if (set->number == number) {
            return set;
        }
    }
    return nullptr;
}

QColor InkFor(const CardSet& set, Suit suit) {
    return IsRed(suit) ? set.red : set.black;
}

QString RankText(int rank) {
    switch (rank) {
        case 1:
            return "A";
        case 11:
            return "J";
        case 12:
            return "Q";
        case 13:
            return "K";
        default:
            return QString::number(rank);
    }
}

FaceLayout LayoutFor(const CardSize& size, const CardSet& set) {
    if (size.letter == 'F') {
        return FittedLayout(size, set);
    }
    const bool plain = !set.pictured_courts;
    switch (size.letter) {
        case 'B':
            return plain ? FaceLayout{{1.5, 3, 12.5, 11},
                                      {2, 17, 11, 12},
                                      16,
                                      {22, 15, 27, 66},
                                      12,
                                      32,
                                      {16, 8, 39, 80}}
                         : FaceLayout{
                               {1.5, 3, 11, 10}, {2.5, 15.5, 9, 10}, 14, {20.5, 14, 30, 68}, 12, 30,
                               {14, 8, 43, 80}};
        case 'M':
            return plain ? FaceLayout{{1.5, 2, 10.5, 9},
                                      {1.5, 13, 9, 10},
                                      13,
                                      {18.5, 12, 22, 56},
                                      10,
                                      26,
                                      {13, 6, 33, 68}}
                         : FaceLayout{
                               {1.5, 2, 9.5, 8}, {2, 12, 7, 8}, 11, {17.5, 11.5, 24, 57}, 10, 24,
                               {12, 6, 35, 68}};
        default:
            return plain ? FaceLayout{{1, 2, 12, 10}, {}, 14, {11, 14, 6, 12}, 12, 12, {}}
                         : FaceLayout{{1, 2, 11, 9}, {}, 12, {11.5, 15, 6, 12}, 11, 11, {}};
    }
}

QImage DrawCardFace(const CardSize& size, const CardSet& set, Suit suit, int rank, double scale) {
    if (size.compact()) {
        return DrawSmallFace(size, set, suit, rank, scale);
    }
    const FaceLayout layout = LayoutFor(size, set);
    QImage card = BlankCard(size, set.paper, set.edge, scale);
    if (rank == 1) {
        DrawAce(card, size, layout, set, suit);
    } else if (rank <= 10) {
        DrawPipField(card, layout, set, suit, rank);
    } else {
        DrawCourt(card, set, layout, suit, rank);
    }
    DrawIndices(card, layout, set, suit, rank);
    // Lettering may reach the edge; the outline always stays whole.
    DrawCardFrame(card, set.edge);
    ClearCorners(card, size);
    return card;
}

}  // namespace velmora::art
