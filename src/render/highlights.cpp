#include "render/highlights.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/layout/card_positions.h"
#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "engine/model/piles.h"
#include "platform/surface.h"
#include "render/card_corners.h"
#include "render/table_surfaces.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"

namespace velmora {
namespace {

constexpr std::array<QRgb, 15> kHighlightColours = {
    qRgb(0, 0, 0),     qRgb(0, 0, 255),     qRgb(0, 255, 255),   qRgb(0, 255, 0),  qRgb(255, 185, 220),
    qRgb(255, 70, 70), qRgb(255, 255, 128), qRgb(0, 0, 160),     qRgb(0, 128, 128), qRgb(0, 128, 64),
    qRgb(255, 128, 255), qRgb(128, 0, 64),  qRgb(128, 128, 0),   qRgb(128, 0, 0),  qRgb(192, 192, 192),
};

// The dotted mark that lets the card show through: every second pixel along
// both diagonals, laid out from the mark's own corner so that the window and
// the back buffer get the same dots. Its corner pixels stay clear (one per
// corner on 59-pixel-wide cards), so the mark keeps the card's round corners.
void DrawDiagonalDots(Surface& target, const QRect& area, int card_width, QRgb colour) {
    std::vector<QPoint> clear = CornerPixels(area.width(), area.height(), card_width == 59);
    for (int dy = 0; dy < area.height(); ++dy) {
        for (int dx = 0; dx < area.width(); ++dx) {
            if ((dx + dy) % 2 != 0) continue;
            if (std::find(clear.begin(), clear.end(), QPoint(dx, dy)) != clear.end()) continue;
            target.SetPixel(area.x() + dx, area.y() + dy, colour);
        }
    }
}

bool FoundationPlaced(const Engine& engine, int index) {
    return IsPlacedY(engine.main_game.FoundationY(index));
}

void MarkFoundation(TableSurfaces& surfaces, const Engine& engine, Pacer& pacer, int index, int style,
                    int colour_number) {
    const std::string& pile = engine.piles.foundations[static_cast<size_t>(index)];
    const int count = static_cast<int>(pile.size() / 3);
    if (count == 0 || count != FoundationTarget(engine, index) || !FoundationPlaced(engine, index)) return;
    const std::string name = PileName({ListId::Foundation, index});
    const int x = CardX(engine, name, index, 0, false);
    const int y = CardY(engine, name, 0, false);
    const CardSize card = engine.geometry.card;
    DrawHighlight(surfaces.back_buffer, x, y + surfaces.scroll, card.width, card.height, true, colour_number,
                  style);
    DrawHighlight(surfaces.Window(), x, y, card.width, card.height, true, colour_number, style);
    pacer.Invalidate(QRect(x, y, card.width, card.height));
}

}  // namespace

QRgb HighlightColour(int number) {
    if (number < 0 || number >= static_cast<int>(kHighlightColours.size())) return kHighlightColours[0];
    return kHighlightColours[static_cast<size_t>(number)];
}

void DrawHighlight(Surface& target, int x, int y, int width, int height, bool inset, int colour_number,
                   int style) {
    const QRect area = inset ? QRect(x + 1, y + 1, width - 2, height - 2) : QRect(x, y, width, height);
    if (area.isEmpty()) return;
    const QRgb colour = HighlightColour(colour_number);
    switch (style) {
        case kHighlightDiagonalDots: DrawDiagonalDots(target, area, width, colour); break;
        case kHighlightSolid: target.Fill(area, colour); break;
        case kHighlightRising: target.FillHatch(area, colour, Hatch::RisingDiagonal); break;
        case kHighlightCross: target.FillHatch(area, colour, Hatch::Cross); break;
        case kHighlightDiagonalCross: target.FillHatch(area, colour, Hatch::DiagonalCross); break;
        default: break;
    }
}

int FoundationTarget(const Engine& engine, int index) {
    const int target = engine.R(112 + index);
    return target == -1 ? engine.R(31) : target;
}

void HighlightFoundations(TableSurfaces& surfaces, const Engine& engine, Pacer& pacer, int foundation) {
    const int style = engine.main_game.Field(field::kFoundationMarks);
    if (style == kHighlightNone) return;
    const int colour_number = OpenSettingsFile(engine.params).ReadInt(key::kHighLightsFoundationsColor);
    const int used = FoundationsInUse(engine);
    if (foundation >= 0) {
        if (foundation < used) MarkFoundation(surfaces, engine, pacer, foundation, style, colour_number);
        return;
    }
    for (int f = 0; f < used; ++f) MarkFoundation(surfaces, engine, pacer, f, style, colour_number);
}

}  // namespace velmora
