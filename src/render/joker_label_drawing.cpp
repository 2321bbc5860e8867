#include "render/joker_label_drawing.h"

#include <QFont>
#include <QRect>

#include <array>

#include "engine/layout/nearest.h"
#include "engine/model/engine.h"
#include "engine/model/piles.h"
#include "platform/drawing.h"
#include "platform/fonts.h"
#include "platform/resource_library.h"
#include "platform/surface.h"
#include "render/table_surfaces.h"

namespace velmora {
namespace {

constexpr int kTextX = 2;
constexpr int kTextY = 1;
constexpr int kSymbolX = 48;
constexpr int kSymbolY = 2;
constexpr int kAboveFoundations = 18;
constexpr int kHalfLabel = 29;
// A small label face: the condensed sans at 10 pixels keeps the widest text,
// "Joker = Q", two pixels clear of the suit symbol, and its capitals line up
// with the symbol.
constexpr int kFontPixels = 10;

constexpr std::array<std::string_view, 4> kSuitSymbols = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS",
                                                          "SUIT_SPADES"};

std::string RankText(int rank) {
    switch (rank) {
        case 1: return "A";
        case 11: return "J";
        case 12: return "Q";
        case 13: return "K";
        default: return std::to_string(rank);
    }
}

QFont LabelFont() {
    QFont font(FontInstalled("DejaVu Sans Condensed") ? "DejaVu Sans Condensed" : "DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    return font;
}

bool FoundationPlaced(const Engine& engine, int foundation) {
    return foundation >= 0 && foundation < kFoundationPiles && IsPlacedY(engine.main_game.FoundationY(foundation));
}

void PaintLabel(Surface& target, int x, int y, const std::string& text, const Surface& symbol) {
    const int w = kJokerLabelWidth;
    const int h = kJokerLabelHeight;
    target.Fill(QRect(x, y, w - 1, h - 1), qRgb(255, 255, 255));
    target.Fill(QRect(x, y + h - 1, w, 1), qRgb(0, 0, 0));
    target.Fill(QRect(x + w - 1, y, 1, h), qRgb(0, 0, 0));
    target.DrawText(x + kTextX, y + kTextY, QString::fromStdString(text), LabelFont(), qRgb(0, 0, 0));
    target.Copy(x + kSymbolX, y + kSymbolY, symbol, symbol.Bounds());
}

}  // namespace

std::string JokerLabelText(int rank) {
    const std::string rank_text = RankText(rank);
    return (rank_text.size() == 2 ? "Joker=" : "Joker = ") + rank_text;
}

Rect JokerLabelBox(const Engine& engine, int foundation) {
    const int half_card = Nearest(engine.geometry.card.width / 2.0);
    const int x = engine.main_game.FoundationX(foundation) + half_card - kHalfLabel;
    const int y = engine.main_game.FoundationY(0) - kAboveFoundations;
    return {x, y, x + kJokerLabelWidth, y + kJokerLabelHeight};
}

void DrawJokerLabel(TableSurfaces& surfaces, const Engine& engine, const ResourceLibrary& library, Pacer& pacer,
                    int foundation, int y, int suit, int rank) {
    if (!FoundationPlaced(engine, foundation)) return;
    const int x = JokerLabelBox(engine, foundation).left;
    const int table_y = y + surfaces.scroll;
    const QRect box(x, y, kJokerLabelWidth, kJokerLabelHeight);
    if (rank <= 0 || rank > 13) {
        const QRect from(x, table_y, kJokerLabelWidth, kJokerLabelHeight);
        surfaces.background.PaintOn(surfaces.Window(), x, y, from);
        surfaces.background.PaintOn(surfaces.back_buffer, x, table_y, from);
        pacer.Invalidate(box);
        return;
    }
    Surface symbol;
    if (suit >= 0 && suit < static_cast<int>(kSuitSymbols.size())) {
        symbol = ScaledResourceBitmap(library, kSuitSymbols[static_cast<size_t>(suit)], surfaces.scale);
    }
    const std::string text = JokerLabelText(rank);
    PaintLabel(surfaces.Window(), x, y, text, symbol);
    PaintLabel(surfaces.back_buffer, x, table_y, text, symbol);
    pacer.Invalidate(box);
    pacer.Update();
}

void ShowJokerLabel(TableSurfaces& surfaces, const Engine& engine, const ResourceLibrary& library, Pacer& pacer,
                    int foundation, int rank, int suit) {
    const int y = engine.main_game.FoundationY(0) - kAboveFoundations;
    const int used = FoundationsInUse(engine);
    for (int f = 0; f < used; ++f) {
        if (f != foundation) DrawJokerLabel(surfaces, engine, library, pacer, f, y, 0, 0);
    }
    DrawJokerLabel(surfaces, engine, library, pacer, foundation, y, suit, rank);
}

}  // namespace velmora
