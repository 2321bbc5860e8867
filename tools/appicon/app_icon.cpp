#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <optional>

#include "art/fonts.h"
#include "art_names.h"
#include "noise.h"
#include "art/pips.h"

namespace velmora::appicon {

namespace {

using rgfgen::Suit;

const QColor kPaper(253, 252, 246);
const QColor kCardEdge(70, 70, 70);
const QColor kRed(204, 22, 38);
const QColor kBlack(22, 22, 28);
const QColor kBackBlue(36, 78, 172);
const QColor kFeltLight(58, 160, 86);
const QColor kFeltDark(18, 96, 46);
const QColor kRim(10, 58, 28);

// Below this size the fan's turned edges blur: the small picture is used.
constexpr int kFanFromSize = 32;

QImage Canvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Slight irregularity of the felt's colour, only where it can be seen.
void AddGrain(QImage& image) {
    const rgfgen::TilingFractal noise(8, 8, 4, 0.5, 0x5eedfe17ULL);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double factor =
                0.9 + 0.1 * noise.At(double(x) / image.width(), double(y) / image.height());
            const QRgb pixel = line[x];
            const auto scaled = [factor](int channel) {
                return int(std::lround(channel * factor));
            };
            line[x] = qRgba(scaled(qRed(pixel)), scaled(qGreen(pixel)), scaled(qBlue(pixel)),
                            qAlpha(pixel));
        }
    }
}

// The round felt with its dark rim, lit from the top left.
void DrawFelt(QPainter& p, int size) {
    const double s = size;
    const QPointF centre(s / 2, s / 2);
    const double radius = s / 2 - (size >= 64 ? s * 0.02 : 0);
    const double rim = std::max(1.0, s * 0.03);
    QImage felt = Canvas(size);
    {
        QPainter fp(&felt);
        fp.setRenderHint(QPainter::Antialiasing);
        fp.setPen(Qt::NoPen);
        fp.setBrush(kRim);
        fp.drawEllipse(centre, radius, radius);
        QRadialGradient light(QPointF(s * 0.4, s * 0.35), s * 0.62);
        light.setColorAt(0, kFeltLight);
        light.setColorAt(1, kFeltDark);
        fp.setBrush(light);
        fp.drawEllipse(centre, radius - rim, radius - rim);
    }
    if (size >= 64) AddGrain(felt);
    p.drawImage(0, 0, felt);
}

struct CardLook {
    Suit suit;
    bool face_up;
    bool index;                         // the corner index, where it can be read
    double line;                        // outline width in pixels
    QPointF shadow;                     // offset of the shadow
    std::optional<QPointF> pip_centre;  // where the pip goes, if not in the middle
};

QColor InkOf(Suit suit) {
    return rgfgen::IsRed(suit) ? kRed : kBlack;
}

// A card back: a blue field with a light lattice inside a white border.
void DrawBack(QPainter& p, const QRectF& card, double radius) {
    const double border = card.width() * 0.09;
    const QRectF field = card.adjusted(border, border, -border, -border);
    QPainterPath clip;
    clip.addRoundedRect(field, radius * 0.6, radius * 0.6);
    p.save();
    p.setClipPath(clip);
    p.fillRect(field, kBackBlue);
    p.setPen(QPen(QColor(120, 160, 230), std::max(1.0, card.width() * 0.03)));
    const double step = card.width() * 0.16;
    for (double d = -card.height(); d < card.width() + card.height(); d += step) {
        p.drawLine(QPointF(field.left() + d, field.top()),
                   QPointF(field.left() + d - field.height(), field.bottom()));
        p.drawLine(QPointF(field.left() + d - field.height(), field.top()),
                   QPointF(field.left() + d, field.bottom()));
    }
    p.restore();
}

// The ace's face: a large pip (in the middle unless told where) and, where
// there is room to read it, the index in the top left corner.
void DrawAceFace(QPainter& p, const QRectF& card, Suit suit, bool index, QPointF pip_centre) {
    const QColor ink = InkOf(suit);
    const double pip = card.width() * (index ? 0.5 : 0.72);
    rgfgen::DrawPip(p, suit, rgfgen::PipBox(pip_centre, pip), ink);
    if (!index) return;
    const double margin = card.width() * 0.08;
    const int letter = std::max(6, int(std::lround(card.width() * 0.26)));
    const QRectF rank_box(card.left() + margin * 0.5, card.top() + margin, letter, letter);
    rgfgen::DrawIndexText(p, "A", rank_box, rgfgen::MakeFont(rgfgen::Face::SansBold, letter), ink);
    const QPointF suit_centre(rank_box.center().x(), rank_box.top() + letter * 1.25);
    rgfgen::DrawPip(p, suit, rgfgen::PipBox(suit_centre, letter * 0.62), ink);
}

// One card in the painter's current coordinates, with its shadow.
void DrawCard(QPainter& p, const QRectF& card, const CardLook& look) {
    const double radius = card.width() * 0.1;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(card.translated(look.shadow), radius, radius);
    p.setPen(QPen(kCardEdge, look.line));
    p.setBrush(kPaper);
    p.drawRoundedRect(card, radius, radius);
    if (look.face_up) {
        DrawAceFace(p, card, look.suit, look.index, look.pip_centre.value_or(card.center()));
    } else {
        DrawBack(p, card, radius);
    }
}

// Three cards fanned from a point below the felt's centre.
void DrawFan(QPainter& p, int size) {
    const double s = size;
    const double width = s * 0.36;
    const double height = width * 1.4;
    const QRectF card(-width / 2, -height, width, height);
    const QPointF pivot(s * 0.5, s * 0.92);
    const double lift = s * 0.1;
    const double line = std::max(1.0, s / 128);
    const bool index = size >= 64;
    const QPointF shadow(line * 1.2, line * 1.5);
    struct Placed {
        double angle;
        Suit suit;
        bool face_up;
    };
    for (const Placed& placed : {Placed{-26, Suit::Clubs, false}, Placed{0, Suit::Hearts, true},
                                 Placed{26, Suit::Spades, true}}) {
        p.save();
        p.translate(pivot);
        p.rotate(placed.angle);
        p.translate(0, -lift);
        DrawCard(p, card, {placed.suit, placed.face_up, index, line, shadow, {}});
        p.restore();
    }
}

// Two upright cards on whole pixels, filling the felt: a red heart behind a
// black spade, each pip where it shows whole.
void DrawPair(QPainter& p, int size) {
    const int width = int(std::lround(size * 0.5));
    const int height = int(std::lround(width * 1.4));
    const int step_x = int(std::lround(size * 0.38));
    const int step_y = int(std::lround(size * 0.2));
    const int left = (size - width - step_x) / 2;
    const int top = (size - height - step_y) / 2;
    // A one-pixel pen sits on pixel centres when the rectangle is offset by half.
    const QRectF back(left + 0.5, top + 0.5, width - 1, height - 1);
    const QRectF front = back.translated(step_x, step_y);
    const QPointF heart(left + step_x / 2.0, back.center().y());
    DrawCard(p, back, {Suit::Hearts, true, false, 1.0, {1, 1}, heart});
    DrawCard(p, front, {Suit::Spades, true, false, 1.0, {1, 1}, {}});
}

}  // namespace

QImage DrawAppIcon(int size) {
    QImage image = Canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawFelt(p, size);
    if (size >= kFanFromSize) {
        DrawFan(p, size);
    } else {
        DrawPair(p, size);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace velmora::appicon
