#include "render/pile_drawing.h"

#include "art/card_size.h"
#include "engine/layout/card_positions.h"
#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "engine/play/move_log.h"
#include "engine/play/selection_pile.h"
#include "render/card_drawing.h"
#include "render/card_images.h"
#include "render/deck_drawing.h"
#include "render/empty_pile_marks.h"
#include "render/pile_count.h"

namespace velmora {

namespace {

// Room the stock's thickness takes above and left of its anchor.
constexpr int kThicknessRoom = 15;

// The bottom card's corners lie on the bare table unless the pile lies
// over a pile drawn before it (the rows of a pyramid): there they keep the
// card beneath.
bool LiesOnBareTable(const Engine& e, PileRef pile, const QRect& bottom) {
    for (const PileRef& other : PilesInDrawingOrder(e)) {
        if (other == pile) return true;
        if (PileExtent(e, other).intersects(bottom)) return false;
    }
    return true;
}

// The bottom card, just drawn, takes its four corners from the table (a
// tableau's at the tableau's x, whatever its hand-laid shift).
void BottomCardCorners(const DrawContext& ctx, Layer layer, PileRef pile, QPoint place) {
    const int x = pile.list == ListId::Tableau ? PileAnchor(ctx.engine, pile).x() : place.x();
    if (LiesOnBareTable(ctx.engine, pile, ctx.CardAt(x, place.y()))) CornersFromBackground(ctx, layer, x, place.y());
}

void DrawEmptyPile(const DrawContext& ctx, Layer layer, PileRef pile) {
    const QPoint anchor = PileAnchor(ctx.engine, pile);
    // A pile without a mark must not keep the picture of its last card.
    RestoreBackground(ctx, layer, ctx.CardAt(anchor.x(), anchor.y()));
    DrawMark(ctx, layer, EmptyPileMark(ctx.engine, pile), anchor.x(), anchor.y());
    DrawPileCount(ctx, layer, pile);
}

}  // namespace

std::string DrawnPileText(const Engine& e, PileRef pile) {
    if (pile.list == ListId::Foundation && pile.index == 0 && KeepsSelection(e)) return SelectionPileCards(e);
    return e.piles.Text(pile.list, pile.index);
}

QPoint PileAnchor(const Engine& e, PileRef pile) {
    const TMainGame& g = e.main_game;
    switch (pile.list) {
        case ListId::Stock: return {g.StockAreaX(pile.index), g.StockAreaY(pile.index)};
        case ListId::Foundation: return {g.FoundationX(pile.index), g.FoundationY(pile.index)};
        case ListId::Tableau: return {TableauX(e.tableau_anchors, pile.index), TableauY(e.tableau_anchors, g, pile.index)};
        case ListId::Reserve: return {g.ReserveX(pile.index), g.ReserveY(pile.index)};
    }
    return {};
}

bool IsPilePlaced(const Engine& e, PileRef pile) {
    const QPoint anchor = PileAnchor(e, pile);
    return !IsUnsetPoint(anchor.x(), anchor.y());
}

std::vector<QPoint> PileCardPlaces(const Engine& e, PileRef pile) {
    const std::string name = PileName(pile);
    const int count = PileCount(e.piles.Text(pile.list, pile.index));
    std::vector<QPoint> places;
    places.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int skip = count - 1 - i;
        places.emplace_back(CardX(e, name, pile.index, skip, false), CardY(e, name, skip, false));
    }
    return places;
}

QRect PileExtent(const Engine& e, PileRef pile) {
    if (!IsPilePlaced(e, pile)) return {};
    const QSize card(e.geometry.card.width, e.geometry.card.height);
    if (pile.list == ListId::Stock)
        return QRect(PileAnchor(e, pile), card)
            .adjusted(-kThicknessRoom, -kThicknessRoom, DeckFanReach(e, pile.index), 0)
            .united(PileCountArea(e, pile));
    return ViewPile(e, pile, e.piles.Text(pile.list, pile.index)).Extent(card).united(PileCountArea(e, pile));
}

std::vector<PileRef> PilesInDrawingOrder(const Engine& e) {
    std::vector<PileRef> order;
    const auto add = [&](ListId list, int count) {
        for (int i = 0; i < count; ++i)
            if (IsPilePlaced(e, {list, i})) order.push_back({list, i});
    };
    add(ListId::Stock, kStockAreaPiles);
    add(ListId::Foundation, kFoundationPiles);
    add(ListId::Reserve, kReservePiles);
    add(ListId::Tableau, kTableauPiles);
    return order;
}

void DrawPileCard(const DrawContext& ctx, Layer layer, PileRef pile, int position) {
    const std::string name = PileName(pile);
    const std::string& text = ctx.engine.piles.Text(pile.list, pile.index);
    const int skip = PileCount(text) - 1 - position;
    if (skip < 0 || position < 0) return;
    const int x = CardX(ctx.engine, name, pile.index, skip, false);
    const int y = CardY(ctx.engine, name, skip, false);
    DrawCardAsItLies(ctx, layer, PileCodeAt(text, position), x, y);
    if (skip == 0) DrawPileCount(ctx, layer, pile);
}

void DrawPile(const DrawContext& ctx, Layer layer, PileRef pile, bool force) {
    if (!IsPilePlaced(ctx.engine, pile)) return;
    if (pile.list == ListId::Stock) {
        DrawDeckPile(ctx, layer, pile.index, force);
        return;
    }
    DrawPileView(ctx, layer, ViewPile(ctx.engine, pile, DrawnPileText(ctx.engine, pile)));
}

void DrawPileView(const DrawContext& ctx, Layer layer, const PileView& view) {
    if (!view.placed) return;
    if (view.Empty()) {
        DrawEmptyPile(ctx, layer, view.pile);
        return;
    }
    const int radius = art::CornerRadius(ctx.CardWidth());
    for (size_t i = 0; i < view.cards.size(); ++i) {
        const PileCardView& card = view.cards[i];
        if (card.code < 1) continue;
        // What the next card hides is not drawn: in a long fan that is most
        // of every card.
        const QRect part = view.UncoveredPart(i, radius);
        if (card.face_down)
            DrawCardImage(ctx, layer, ctx.images.Back(), card.rect.x(), card.rect.y(), false, part);
        else if (card.code <= kLastCard)
            DrawCardImage(ctx, layer, ctx.FaceOf(card.code), card.rect.x(), card.rect.y(), false,
                          part);
        if (i == 0) BottomCardCorners(ctx, layer, view.pile, card.rect.topLeft());
    }
    DrawPileCount(ctx, layer, view.pile);
}

}  // namespace velmora
