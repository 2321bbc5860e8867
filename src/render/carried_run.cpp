// The run the player carries with the pointer, as the table renderer shows
// it: lifted off its pile, moved, flown back when no pile takes it.
#include "engine/model/engine.h"
#include "engine/play/pickup_rules.h"
#include "render/card_flight.h"
#include "render/drag_image.h"
#include "render/pile_drawing.h"
#include "render/table_renderer.h"

namespace velmora {

void TableRenderer::LiftRun(PileRef pile, int position) {
    std::string* text = engine_.piles.Pile(pile.list, pile.index);
    if (!text || position < 0 || 3 * static_cast<size_t>(position) >= text->size()) return;
    BuildRunDragImage(Context(), pile, position);
    // The pile is drawn as it looks without the run (or the lone card), then
    // keeps its cards until a move takes them.
    const std::string whole = *text;
    if (LeavesAlone(engine_, pile))
        text->erase(3 * static_cast<size_t>(position), 3);
    else
        text->resize(3 * static_cast<size_t>(position));
    Repaint(pile, false);
    *text = whole;
    ShowDragImage(Context());
    pacer_.Update();
}

void TableRenderer::MoveRun(int x, int y) { MoveDragImage(Context(), x, y, false); }

void TableRenderer::ReturnRun(PileRef pile, int position) {
    const DrawContext ctx = Context();
    const std::vector<QPoint> places = PileCardPlaces(engine_, pile);
    if (state_.drag.cards > 0 && position >= 0 && position < static_cast<int>(places.size()))
        FlyDragImage(ctx, places[static_cast<size_t>(position)], {.fast = false, .shadow = ctx.ShadowsOn()});
    PutDownCarriedRun();
    Repaint(pile);
}

void TableRenderer::PutDownCarriedRun() {
    const DrawContext ctx = Context();
    if (state_.drag.cards == 0) return;
    HideDragImage(ctx);
    DropDragImage(ctx);
}

}  // namespace velmora
