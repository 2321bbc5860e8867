#pragma once
// What the table shows where a pile is empty, and the strips drawn beside
// cards: shadows of lifted cards and the thickness of the stock.

#include <QImage>
#include <string>
#include <string_view>

#include "art/card_size.h"

namespace velmora::art {

// The codes of the empty-pile marks "W" + size + code.
inline constexpr const char* kMarkCodes[] = {
    "001", "003", "004", "005", "006", "008", "009", "010", "011", "012",    "013",
    "014", "015", "016", "017", "018", "019", "020", "021", "022", "_WASTE", "_TABLEAU"};

// Whether the art has an empty-pile mark of that code.
inline bool IsMarkCode(std::string_view code) {
    for (const char* known : kMarkCodes)
        if (code == known) return true;
    return false;
}

QImage DrawPileMark(const CardSize& size, const std::string& code, double scale);

// "SHADOW_" + size + "1" (right) and "2" (bottom); white is see-through.
// The strips are pixel patterns: at a `scale` of 2 each of their pixels is
// a block of 2 x 2, so the table finds the see-through colour in the same
// places.
QImage ShadowStrip(const CardSize& size, bool right, double scale);

// "3D_BORDER_" + size + "1" (right) and "2" (bottom); pure blue is
// see-through. Row (or column) 15 - depth onwards shows a stock `depth`
// cards thick.
QImage StockBorderStrip(const CardSize& size, bool right, double scale);

// Offset of a lifted card's shadow, as the table draws it.
inline constexpr int kShadowDepth = 7;

}  // namespace velmora::art
