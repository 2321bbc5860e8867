#include "render/table_renderer.h"

#include <algorithm>

#include "engine/layout/card_positions.h"
#include "engine/layout/pile_fan.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "platform/free_memory.h"
#include "platform/resource_library.h"
#include "engine/play/selection_pile.h"
#include "render/card_flight.h"
#include "render/deck_drawing.h"
#include "render/drag_image.h"
#include "render/erase_cards.h"
#include "render/full_redraw.h"
#include "render/highlights.h"
#include "render/joker_label_drawing.h"
#include "render/pile_drawing.h"
#include "render/selection_marks.h"
#include "storage/preference_keys.h"

namespace velmora {

namespace {

// The game whose stock is drawn again after anything left a pile.
constexpr int kStockRedrawnGame = 3;

// Faces kept after a whole table is drawn: the few asked for last. A card
// picked up later has its face drawn again (a fraction of a millisecond),
// and kept until the next whole redraw.
constexpr size_t kFacesKept = 4;

PileRef RefOf(int list, int index) { return {static_cast<ListId>(list), index}; }

bool ValidPile(int list, int index) {
    return list >= 0 && list <= static_cast<int>(ListId::Reserve) && index >= 0 &&
           index < ListSize(static_cast<ListId>(list));
}

int GameNumber(const Engine& e) {
    const std::string id = e.params.ParamRead(param::kGameId, 4);
    int number = 0;
    for (char c : id) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

// A card of a deck pile as it lies in `text` (its top card when the card
// is not there): at its fan slot, up and left by the pile's thickness.
QPoint DeckCardPlace(const Engine& e, PileRef pile, const std::string& text, int card) {
    PileFan fan = DescribePile(e, pile);
    fan.codes = PileCodes(text);
    const int at = PileIndexOf(text, card);
    const Point place = CardPlace(e, fan, at >= 0 ? at : fan.Count() - 1);
    const int depth = StockDepth(fan.Count(), e.geometry.inputs.preview);
    return {place.x - depth, place.y - depth};
}

QPoint NextPlace(const Engine& e, PileRef pile) {
    const std::string name = PileName(pile);
    return {CardX(e, name, pile.index, 0, true), CardY(e, name, 0, true)};
}

}  // namespace

TableRenderer::TableRenderer(Engine& engine, TableSurfaces& surfaces, const ResourceLibrary& library, Pacer& pacer)
    : engine_(engine), surfaces_(surfaces), library_(library), pacer_(pacer) {
    LoadCardImages(true);
}

DrawContext TableRenderer::Context() { return {engine_, surfaces_, images_, library_, pacer_, state_}; }

bool TableRenderer::LoadCardImages(bool force) {
    CardImageChoice choice = ChosenCardImages(engine_.params);
    choice.scale = surfaces_.scale;
    // Cards that follow the window are drawn at the size the layout found.
    if (choice.size_letter == kFitWindowLetter) choice.size = engine_.geometry.card;
    if (!force) return images_.Load(library_, choice);
    images_.Reload(library_, choice);
    return true;
}

void TableRenderer::FullRedraw(bool animate) {
    LoadCardImages();
    state_.deck = {};
    DropDragImage(Context());
    velmora::FullRedraw(Context(), animate);
    marked_.clear();
    if (RedrawsSelections(engine_))
        for (int card : SelectedCards(engine_)) marked_.insert(card);
    for (int n = 0; n < kAllPiles; ++n) *drawn_.Flat(n) = *engine_.piles.Flat(n);
    drawn_.foundations[0] = DrawnPileText(engine_, {ListId::Foundation, 0});
    // The back buffer now shows every face the table holds; a move needs
    // only the few it picks up, drawn again when not among those kept. The
    // library's pages read for the pictures are read again when needed.
    images_.ForgetFaces(kFacesKept);
    library_.ReleasePages();
    ReturnFreeMemory();
}

void TableRenderer::RefreshWindow() { velmora::RefreshWindow(Context()); }

void TableRenderer::RefreshRect(const Rect& rect) {
    velmora::RefreshRect(Context(), QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void TableRenderer::Remember(PileRef pile) { *drawn_.Pile(pile.list, pile.index) = DrawnPileText(engine_, pile); }

void TableRenderer::Repaint(PileRef pile, bool show) {
    const DrawContext ctx = Context();
    const std::string old_text = drawn_.Text(pile.list, pile.index);
    const std::string new_text = DrawnPileText(engine_, pile);
    const QRect erased = EraseRemovedCards(ctx, Layer::BackBuffer, pile, old_text, new_text);
    const std::vector<PileRef> redrawn = RedrawAround(ctx, Layer::BackBuffer, pile, erased);
    if (!erased.isEmpty() && GameNumber(engine_) == kStockRedrawnGame)
        DrawDeckPile(ctx, Layer::BackBuffer, kStockIndex, false);
    Remember(pile);
    for (const PileRef& p : redrawn) {
        Remember(p);
        if (p.list == ListId::Foundation) HighlightFoundations(surfaces_, engine_, pacer_, p.index);
    }
    MarkAgain(redrawn);
    FlushToWindow(ctx);
    if (show) pacer_.Update();
}

void TableRenderer::MarkAgain(const std::vector<PileRef>& redrawn) {
    for (auto it = marked_.begin(); it != marked_.end();) {
        if (!IsSelected(engine_, *it)) {
            it = marked_.erase(it);
            continue;
        }
        const auto pile = PileHolding(engine_, *it);
        if (pile && std::find(redrawn.begin(), redrawn.end(), *pile) != redrawn.end())
            MarkSelection(surfaces_, pacer_, CardRect(engine_, *it), false);
        ++it;
    }
}

QPoint TableRenderer::PlaceBefore(PileRef pile, int card) const {
    const std::string& before = drawn_.Text(pile.list, pile.index);
    const int at = PileIndexOf(before, card);
    if (pile.list == ListId::Stock) return DeckCardPlace(engine_, pile, before, card);
    if (at < 0) return NextPlace(engine_, pile);
    PileFan fan = DescribePile(engine_, pile);
    fan.codes = PileCodes(before);
    const Point place = CardPlace(engine_, fan, at);
    return {place.x, place.y};
}

QPoint TableRenderer::PlaceNow(PileRef pile, int card) const {
    const std::string& text = engine_.piles.Text(pile.list, pile.index);
    if (pile.list == ListId::Stock) return DeckCardPlace(engine_, pile, text, card);
    const int at = PileIndexOf(text, card);
    if (at < 0) return NextPlace(engine_, pile);
    const std::string name = PileName(pile);
    const int skip = PileCount(text) - 1 - at;
    return {CardX(engine_, name, pile.index, skip, false), CardY(engine_, name, skip, false)};
}

void TableRenderer::BuildFlightImage(PileRef to, int card, QPoint start) {
    const DrawContext ctx = Context();
    const std::string& text = engine_.piles.Text(to.list, to.index);
    const int at = PileIndexOf(text, card);
    if (to.list != ListId::Stock && at >= 0 && at < PileCount(text) - 1) {
        BuildRunDragImage(ctx, to, at);
        state_.drag.rect.moveTopLeft(start);
        return;
    }
    const bool back = engine_.cards.IsFaceDown(card) || (to == PileRef{ListId::Stock, kStockIndex} && engine_.R(6) != 0);
    BuildCardDragImage(ctx, back ? -1 : card, start);
}

void TableRenderer::AnimateCard(int card, int from_list, int from_index, int to_list, int to_index) {
    if (!ValidPile(from_list, from_index) || !ValidPile(to_list, to_index)) return;
    const PileRef from = RefOf(from_list, from_index);
    const PileRef to = RefOf(to_list, to_index);
    const bool animated = engine_.params.ParamRead(key::kCardsAnimate.position, 1) != "N";
    if (!animated || !IsPilePlaced(engine_, from) || !IsPilePlaced(engine_, to)) {
        Repaint(from);
        Repaint(to);
        PutDownCarriedRun();
        return;
    }
    // A run the player carries flies on from where it was let go.
    if (state_.drag.cards == 0) BuildFlightImage(to, card, PlaceBefore(from, card));
    Repaint(from, false);
    const DrawContext ctx = Context();
    ShowDragImage(ctx);
    pacer_.Update();
    FlyDragImage(ctx, PlaceNow(to, card));
    DropDragImage(ctx);
    Repaint(to);
}

void TableRenderer::RepaintPile(int list, int index) {
    if (ValidPile(list, index)) Repaint(RefOf(list, index));
}

void TableRenderer::RepaintTable() { FullRedraw(false); }

void TableRenderer::RepaintEmptyStock() { Repaint({ListId::Stock, kStockIndex}); }

void TableRenderer::HighlightCard(int card, bool on) {
    if (card < 1) return;
    if (!on) {
        if (marked_.erase(card) == 0) return;
        if (const auto pile = PileHolding(engine_, card)) Repaint(*pile);
        return;
    }
    const Rect rect = CardRect(engine_, card);
    if (marked_.count(card) != 0 || rect.IsEmpty()) return;
    MarkSelection(surfaces_, pacer_, rect);
    marked_.insert(card);
    pacer_.Update();
}

void TableRenderer::Wait(int milliseconds) {
    if (milliseconds > 0) pacer_.Wait(milliseconds);
}

void TableRenderer::ShowJokerLabel(int foundation, int rank, int suit) {
    velmora::ShowJokerLabel(surfaces_, engine_, library_, pacer_, foundation, rank, suit);
}

}  // namespace velmora
