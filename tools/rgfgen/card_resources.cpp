#include "card_resources.h"

#include <QPainter>
#include <QString>

#include "art/card_backs.h"
#include "art/pile_marks.h"
#include "art/pixel_scale.h"
#include "resource_sink.h"

namespace velmora::rgfgen {

namespace {

std::string ThreeDigits(int number) {
    return QString("%1").arg(number, 3, 10, QChar('0')).toStdString();
}

QImage SuitSymbol(Suit suit, int scale) {
    // The label box is 14 pixels high with the symbol 2 pixels down and
    // its bottom line at 13: 10 x 10 fits and leaves a white margin.
    QImage image = ScaledImage(QSize(10, 10), QImage::Format_RGB32, scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawPip(painter, suit, QRectF(0.5, 0.2, 9, 9.6),
            IsRed(suit) ? QColor(210, 0, 0) : QColor(0, 0, 0));
    return image;
}

}  // namespace

QImage SuitSheet(const CardSize& size, const CardSet& set, Suit suit, double scale) {
    QImage sheet =
        ScaledImage(QSize(size.width * 5, size.height * 3), QImage::Format_ARGB32, scale);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int rank = 1; rank <= 13; ++rank) {
        const int slot = rank - 1;
        painter.drawImage((slot % 5) * size.width, (slot / 5) * size.height,
                          DrawCardFace(size, set, suit, rank, scale));
    }
    return sheet;
}

void AddCardFaces(ResourceSink& sink) {
    for (const CardSet* set : {&ClassicSet(), &PlainSet()}) {
        for (const CardSize& size : kCardSizes) {
            for (Suit suit : kSuits) {
                const std::string name =
                    "C" + size.tag() + ThreeDigits(set->number) + SuitLetter(suit);
                sink.AddBitmapTwins(name,
                                    [&](int scale) { return SuitSheet(size, *set, suit, scale); });
            }
        }
    }
}

void AddJokers(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        sink.AddBitmapTwins("JOKER_" + size.tag(),
                            [&](int scale) { return DrawJoker(size, scale); });
    }
}

void AddCardBacks(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        for (int number : kCardBackNumbers) {
            const std::string name = "D" + size.tag() + ThreeDigits(number);
            sink.AddBitmapTwins(name, [&](int scale) { return DrawCardBack(size, number, scale); });
        }
    }
}

void AddPileMarks(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        for (const char* code : kMarkCodes) {
            sink.AddBitmapTwins("W" + size.tag() + code,
                                [&](int scale) { return DrawPileMark(size, code, scale); });
        }
    }
}

void AddShadowStrips(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        for (const bool right : {true, false}) {
            sink.AddBitmapTwins("SHADOW_" + size.tag() + (right ? "1" : "2"),
                                [&](int scale) { return ShadowStrip(size, right, scale); });
        }
    }
}

void AddStockBorders(ResourceSink& sink) {
    for (const CardSize& size : kCardSizes) {
        for (const bool right : {true, false}) {
            sink.AddBitmapTwins("3D_BORDER_" + size.tag() + (right ? "1" : "2"),
                                [&](int scale) { return StockBorderStrip(size, right, scale); });
        }
    }
}

void AddSuitSymbols(ResourceSink& sink) {
    static constexpr const char* kNames[] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS",
                                             "SUIT_SPADES"};
    for (Suit suit : kSuits) {
        sink.AddBitmapTwins(kNames[static_cast<int>(suit)],
                            [suit](int scale) { return SuitSymbol(suit, scale); });
    }
}

}  // namespace velmora::rgfgen
