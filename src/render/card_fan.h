#pragma once
// Card faces fanned as in a hand, for the program's own pictures (the
// splash picture and the about box): the library's faces at the big size,
// each turned about a point below the fan, on whatever the painter has
// painted before.

#include <QColor>
#include <QPainter>
#include <QPointF>

#include <vector>

namespace velmora {

class ResourceLibrary;

// The suits in the order of the card images.
inline constexpr int kFanHearts = 0, kFanDiamonds = 1, kFanClubs = 2, kFanSpades = 3;

struct FanCard {
    int suit;
    int rank;      // 1 ace .. 13 king
    double angle;  // degrees clockwise, 0 upright
};

// A shadow under each card: the card's rounded outline moved by `offset`
// and grown by `spread` on every side, in black of that alpha.
struct FanShadow {
    QPointF offset;
    double spread;
    int alpha;
};

struct FanLook {
    QPointF pivot;           // the point the cards turn about
    double pivot_below;      // from the cards' lower edge down to the pivot
    std::vector<FanShadow> shadows;  // painted in this order
    QColor outline;          // the thin line round each card
};

// Paints the cards in order, the last on top. A card the library lacks (or
// every card, without a library) is drawn plain: its rank in the corner and
// its suit large on white.
void PaintCardFan(QPainter& painter, const ResourceLibrary* library, const std::vector<FanCard>& cards,
                  const FanLook& look);

}  // namespace velmora
