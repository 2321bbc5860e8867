#include "render/full_redraw.h"

#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "engine/model/suit_map.h"
#include "engine/play/joker_labels.h"
#include "render/background.h"
#include "render/card_drawing.h"
#include "render/card_images.h"
#include "render/deal_animation.h"
#include "render/deck_drawing.h"
#include "render/fitted_pictures.h"
#include "render/empty_pile_marks.h"
#include "render/highlights.h"
#include "render/joker_label_drawing.h"
#include "render/pile_drawing.h"
#include "render/selection_marks.h"

namespace velmora {

namespace {

constexpr int kSideBySideMode = 4;

void DrawReservesAndTableaus(const DrawContext& ctx) {
    for (int r = 0; r < kReservePiles; ++r) DrawPile(ctx, Layer::BackBuffer, {ListId::Reserve, r});
    for (int t = 0; t < kTableauPiles; ++t) DrawPile(ctx, Layer::BackBuffer, {ListId::Tableau, t});
}

// The background painted over the joker label: show it again.
void RestoreJokerLabel(const DrawContext& ctx) {
    const JokerLabel label = ComputeJokerLabel(ctx.engine);
    ctx.engine.main_game.SetField(field::kJokerIndicator, label.Shows() ? label.key : -1);
    if (label.Shows())
        ShowJokerLabel(ctx.surfaces, ctx.engine, ctx.library, ctx.pacer, label.foundation, label.rank, label.suit);
}

// What is drawn over the cards: completed foundations, the selection, the
// joker label.
void DrawOverlays(const DrawContext& ctx) {
    HighlightFoundations(ctx.surfaces, ctx.engine, ctx.pacer, -1);
    RedrawSelections(ctx.surfaces, ctx.engine, ctx.pacer, [&ctx](int code, const Rect& rect) {
        DrawCardFace(ctx, Layer::BackBuffer, code, rect.left, rect.top);
        DrawCardFace(ctx, Layer::Window, code, rect.left, rect.top);
    });
    RestoreJokerLabel(ctx);
}

// Draws at once the fitted pictures the table is about to show: the faces
// lying face up and the back if a card lies face down.
void PreparePictures(const DrawContext& ctx) {
    const FittedPictures* fitted = ctx.images.Fitted();
    if (!fitted) return;
    std::vector<int> faces;
    bool back = false;
    for (const PileRef& pile : PilesInDrawingOrder(ctx.engine)) {
        for (int code : PileCodes(ctx.engine.piles.Text(pile.list, pile.index))) {
            if (code < 1 || code > kLastCard) continue;
            if (ctx.engine.cards.IsFaceDown(code))
                back = true;
            else
                faces.push_back(CardImageIndex(ShownCard(ctx.engine, code)));
        }
    }
    fitted->Prepare(faces, back);
}

}  // namespace

void DrawEmptyTableauMarks(const DrawContext& ctx, Layer layer) {
    for (ListId list : {ListId::Tableau, ListId::Reserve}) {
        for (int i = 0; i < ListSize(list); ++i) {
            const PileRef pile{list, i};
            if (!IsPilePlaced(ctx.engine, pile)) continue;
            const QPoint anchor = PileAnchor(ctx.engine, pile);
            DrawMark(ctx, layer, EmptyPileMark(ctx.engine, pile), anchor.x(), anchor.y());
        }
    }
}

void FullRedraw(const DrawContext& ctx, bool animate) {
    Engine& e = ctx.engine;
    ctx.surfaces.scroll = 0;
    e.play.lowest_painted_y = 0;
    DrawBackground(ctx.surfaces, e, ctx.library, ctx.surfaces.back_buffer);
    if (!e.flags.Get(flag::kInProgress)) {
        RefreshWindow(ctx);
        ctx.pacer.Update();
        return;
    }
    PreparePictures(ctx);
    if (animate && e.R(3) != kSideBySideMode) {
        DrawEmptyTableauMarks(ctx, Layer::Window);
        DrawEmptyTableauMarks(ctx, Layer::BackBuffer);
    }
    DrawDeckPilesAndFoundations(ctx, Layer::BackBuffer);
    const auto source = animate && HasCardsToDeal(e) ? ChooseDealSource(e) : std::nullopt;
    if (source)
        AnimateDeal(ctx, *source);
    else
        DrawReservesAndTableaus(ctx);
    RefreshWindow(ctx);
    DrawOverlays(ctx);
    ctx.pacer.Update();
}

}  // namespace velmora
