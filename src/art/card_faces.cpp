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

// One pip of `width` in device pixels, centred on a transparent image (the
// same upside down is the image turned half round).
QImage PipStamp(Suit suit, double width, QColor ink, double scale) {
    const QRectF box = PipBox(QPointF(0, 0), width * scale);
    const QSize size(static_cast<int>(std::ceil(box.width())) + 2, static_cast<int>(std::ceil(box.height())) + 2);
    QImage stamp(size, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    DrawPip(painter, suit, box.translated(size.width() / 2.0, size.height() / 2.0), ink);
    return stamp;
}

// Filling a suit's outline is the costliest part of a face, so the pip is
// filled once and its picture set on each spot, on whole device pixels (at
// most half a pixel from where the spot lies).
void DrawPipField(QImage& card, const FaceLayout& layout, const CardSet& set, Suit suit, int rank) {
    const double scale = PixelScale(card);
    const QImage upright = PipStamp(suit, layout.pip_width, InkFor(set, suit), scale);
    const QImage turned = upright.mirrored(true, true);
    QPainter painter(&card);
    painter.setTransform(QTransform::fromScale(1 / scale, 1 / scale));  // device pixels
    const QRectF& field = layout.pip_field;
    for (const PipSpot& spot : PipSpots(rank)) {
        const QPointF centre((field.left() + spot.column * field.width()) * scale,
                             (field.top() + spot.row * field.height()) * scale);
        const QPoint corner(static_cast<int>(std::lround(centre.x() - upright.width() / 2.0)),
                            static_cast<int>(std::lround(centre.y() - upright.height() / 2.0)));
        painter.drawImage(corner, spot.row > 0.5 ? turned : upright);
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
// They are lettered on a picture of the corner alone, in device pixels, so
// the turned copy costs a corner's pixels, not a card's.
void DrawIndices(QImage& card, const FaceLayout& layout, const CardSet& set, Suit suit, int rank) {
    const double scale = PixelScale(card);
    // Room round the index for antialiasing and the letters' overhang.
    const QRectF index = layout.rank_box.united(layout.suit_box);
    const double room = index.height() / 4;
    const QSize size = QSize(static_cast<int>(std::ceil((index.right() + room) * scale)),
                             static_cast<int>(std::ceil((index.bottom() + room) * scale)))
                           .boundedTo(card.size());
    QImage corner(size, QImage::Format_ARGB32_Premultiplied);
    corner.fill(Qt::transparent);
    corner.setDevicePixelRatio(card.devicePixelRatio());
    {
        QPainter painter(&corner);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const QColor ink = InkFor(set, suit);
        DrawIndexText(painter, RankText(rank), layout.rank_box,
                      MakeFont(set.index_face, layout.rank_pixels), ink);
        DrawPip(painter, suit, layout.suit_box, ink);
    }
    corner.setDevicePixelRatio(1);
    QPainter painter(&card);
    painter.setTransform(QTransform::fromScale(1 / scale, 1 / scale));  // device pixels
    painter.drawImage(0, 0, corner);
    painter.drawImage(card.width() - size.width(), card.height() - size.height(), corner.mirrored(true, true));
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
    // Painted premultiplied, where QPainter blends fastest; the see-through
    // corners are made again after.
    QImage card = BlankCard(size, set.paper, set.edge, scale).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (rank == 1) {
        DrawAce(card, size, layout, set, suit);
    } else if (rank <= 10) {
        DrawPipField(card, layout, set, suit, rank);
    } else {
        DrawCourt(card, set, layout, suit, rank);
    }
    DrawIndices(card, layout, set, suit, rank);
    card.convertTo(QImage::Format_ARGB32);
    // Lettering may reach the edge; the outline always stays whole.
    DrawCardFrame(card, set.edge);
    ClearCorners(card, size);
    return card;
}

}  // namespace velmora::art
