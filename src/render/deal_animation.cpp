#include "render/deal_animation.h"

#include "engine/layout/card_positions.h"
#include "engine/layout/nearest.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "render/card_drawing.h"
#include "render/card_flight.h"
#include "render/drag_image.h"
#include "render/pile_drawing.h"
#include "storage/preference_keys.h"

namespace velmora {

namespace {

constexpr int kDealFromLeftCode = 46;

bool Placed(const Engine& e, PileRef pile) { return IsPilePlaced(e, pile); }

int Count(const Engine& e, PileRef pile) { return PileCount(e.piles.Text(pile.list, pile.index)); }

// One card from the source to its place: shown at the source, covered by
// the source's back again, shown a little below and right, then flown.
void DealCard(const DrawContext& ctx, const DealSource& source, PileRef pile, int position) {
    const Engine& e = ctx.engine;
    const int code = PileCodeAt(e.piles.Text(pile.list, pile.index), position);
    if (code < 1) return;
    const QPoint start = source.at + QPoint(Nearest(ctx.CardWidth() / 7.0), Nearest(ctx.CardHeight() / 7.0));
    DrawCardAsItLies(ctx, Layer::Window, code, source.at.x(), source.at.y());
    DrawCardBack(ctx, Layer::Window, source.at.x(), source.at.y());
    DrawCardAsItLies(ctx, Layer::Window, code, start.x(), start.y());
    ctx.pacer.Update();
    ctx.pacer.Wait(2);
    ctx.pacer.Wait(1);
    const std::string name = PileName(pile);
    const int skip = Count(e, pile) - 1 - position;
    const QPoint place(CardX(e, name, pile.index, skip, false), CardY(e, name, skip, false));
    // The card lands on what lies there now: its top corners show that,
    // not the table the flying picture was built over.
    const QRect landing = ctx.CardAt(place.x(), place.y()).translated(0, ctx.surfaces.scroll);
    Surface under = ctx.surfaces.Make(landing.width(), landing.height());
    under.Copy(0, 0, ctx.surfaces.back_buffer, landing);
    BuildCardDragImage(ctx, e.cards.IsFaceDown(code) ? -1 : code, start);
    FlyDragImage(ctx, place, {.fast = true, .shadow = false});
    ctx.surfaces.back_buffer.Copy(landing.x(), landing.y(), under, under.Bounds());
    DrawPileCard(ctx, Layer::BackBuffer, pile, position);
}

void DealPile(const DrawContext& ctx, const DealSource& source, PileRef pile) {
    for (int i = 0; i < Count(ctx.engine, pile); ++i) DealCard(ctx, source, pile, i);
}

bool Skipped(const Engine& e, const DealSource& source, PileRef pile) {
    return !Placed(e, pile) || (source.pile && *source.pile == pile);
}

void DealTableaus(const DrawContext& ctx, const DealSource& source) {
    const Engine& e = ctx.engine;
    if (e.R(23) != 0) {
        for (int t = 0; t < kTableauPiles; ++t)
            if (!Skipped(e, source, {ListId::Tableau, t})) DealPile(ctx, source, {ListId::Tableau, t});
        return;
    }
    const int layers = LongestTableau(e);
    for (int r = 0; r < layers; ++r) {
        for (int t = 0; t < kTableauPiles; ++t) {
            const PileRef pile{ListId::Tableau, t};
            if (!Skipped(e, source, pile) && r < Count(e, pile)) DealCard(ctx, source, pile, r);
        }
    }
}

// The source's picture before the deal: a back, shown on the window.
void ShowSource(const DrawContext& ctx, const DealSource& source) {
    const Engine& e = ctx.engine;
    DrawCardBack(ctx, Layer::BackBuffer, source.at.x(), source.at.y());
    RefreshWindow(ctx);
    const bool stock_with_cards = source.pile && *source.pile == PileRef{ListId::Stock, kStockIndex} &&
                                  Count(e, *source.pile) > 0;
    if (!stock_with_cards) CornersFromBackground(ctx, Layer::Window, source.at.x(), source.at.y());
    ctx.pacer.Update();
    ctx.pacer.Wait(100);
    if (e.params.IsYes(key::kSoundsShuffle.position)) ctx.engine.sounds->PlayEvent("Shuffle");
}

}  // namespace

std::optional<DealSource> ChooseDealSource(const Engine& e) {
    if (e.R(47) == kDealFromLeftCode) return DealSource{QPoint(-Nearest(1.1 * e.geometry.card.width), 0), std::nullopt};
    const PileRef stock{ListId::Stock, kStockIndex};
    const PileRef waste{ListId::Stock, kWasteIndex};
    const PileRef reserve{ListId::Reserve, 0};
    const bool stock_gives_way = !Placed(e, stock) || (Count(e, stock) == 0 && Count(e, waste) > 0);
    std::optional<PileRef> chosen;
    if (!stock_gives_way)
        chosen = stock;
    else if (Placed(e, waste))
        chosen = waste;
    else if (Placed(e, reserve) && Count(e, reserve) <= 1)
        chosen = reserve;
    else
        for (PileRef p : {PileRef{ListId::Stock, kSecondWasteIndex}, PileRef{ListId::Foundation, 0}, PileRef{ListId::Tableau, 0}})
            if (!chosen && Placed(e, p)) chosen = p;
    if (!chosen) return std::nullopt;
    return DealSource{PileAnchor(e, *chosen), chosen};
}

bool HasCardsToDeal(const Engine& e) {
    for (int t = 0; t < kTableauPiles; ++t)
        if (!e.piles.tableau[static_cast<size_t>(t)].empty()) return true;
    for (int r = 0; r < kReservePiles; ++r)
        if (!e.piles.reserves[static_cast<size_t>(r)].empty()) return true;
    return false;
}

void AnimateDeal(const DrawContext& ctx, const DealSource& source) {
    ShowSource(ctx, source);
    for (int r = 0; r < kReservePiles; ++r)
        if (!Skipped(ctx.engine, source, {ListId::Reserve, r})) DealPile(ctx, source, {ListId::Reserve, r});
    DealTableaus(ctx, source);
    DropDragImage(ctx);
    if (source.pile) DrawPile(ctx, Layer::BackBuffer, *source.pile, true);
}

}  // namespace velmora
