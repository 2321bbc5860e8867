#include "card_sheet.h"

#include <QPainter>
#include <cmath>

#include "art/card_backs.h"
#include "art/card_faces.h"
#include "art/pile_marks.h"
#include "art_names.h"

namespace velmora::rgfgen {

QImage CardSheet(int width, double scale, int card_set) {
    const CardSet* set = CardSetNumbered(card_set);
    if (width < 10 || width > 1000 || scale <= 0 || !set) {
        return {};
    }
    const CardSize size = FittedCard(width, static_cast<int>(std::lround(width * 96 / 71.0)));
    const int gap = 6;
    const int columns = 13;
    QImage sheet(QSize(columns * (size.width + gap) + gap, 5 * (size.height + gap) + gap) * scale,
                 QImage::Format_RGB32);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(QColor(0, 96, 0));
    QPainter p(&sheet);
    const auto place = [&](int slot, const QImage& card) {
        p.drawImage(QPoint(gap + (slot % columns) * (size.width + gap), gap + (slot / columns) * (size.height + gap)),
                    card);
    };
    for (Suit suit : kSuits) {
        for (int rank = 1; rank <= 13; ++rank) {
            place(static_cast<int>(suit) * 13 + rank - 1, DrawCardFace(size, *set, suit, rank, scale));
        }
    }
    int slot = 52;
    place(slot++, DrawJoker(size, scale));
    for (int number : kCardBackNumbers) {
        place(slot++, DrawCardBack(size, number, scale));
    }
    for (const char* code : {"010", "011", "022", "008"}) {
        place(slot++, DrawPileMark(size, code, scale));
    }
    return sheet;
}

}  // namespace velmora::rgfgen
