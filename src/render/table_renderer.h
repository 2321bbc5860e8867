#pragma once
// The table on the screen, as the engine sees it: every engine action
// (moves, automatic play, stock actions, selections, undo and redo) tells
// this view what changed, and it draws that into the back buffer and shows
// it on the window through the pacer. It remembers each pile as it last
// drew it, so a pile that lost cards can be erased where they lay.
//
// The window's own calls (beep, input hold, buttons, score, the winning
// animation) keep the quiet defaults; the main window overrides them.

#include <set>

#include "engine/layout/table_geometry.h"
#include "engine/model/outward.h"
#include "engine/model/pile_lists.h"
#include "engine/model/pile_names.h"
#include "render/card_images.h"
#include "render/draw_context.h"

namespace velmora {

class TableRenderer : public TableView {
public:
    TableRenderer(Engine& engine, TableSurfaces& surfaces, const ResourceLibrary& library, Pacer& pacer);

    // Loads the card pictures the settings choose, when they changed (or
    // always with `force`); true when it loaded. (Named apart from the
    // engine's ReloadCardImages(), which the window's view maps onto it.)
    bool LoadCardImages(bool force = false);
    // The whole table again, with the deal animation when `animate`.
    void FullRedraw(bool animate);
    // The window's paint: the back buffer shown whole, or one rectangle.
    void RefreshWindow();
    void RefreshRect(const Rect& rect);

    // The run the player carries: `LiftRun` takes the cards of `pile` from
    // `position` up off the table into the drag image (the pile keeps
    // them), `MoveRun` moves it, `ReturnRun` flies it back and draws the
    // pile whole again. A move the engine makes while a run is carried
    // flies the carried run on from where it is.
    void LiftRun(PileRef pile, int position);
    void MoveRun(int x, int y);
    void ReturnRun(PileRef pile, int position);

    DrawContext Context();
    const CardImages& Images() const { return images_; }
    // See CardImages::OfferAhead.
    void OfferPicturesAhead(std::unique_ptr<PictureBatch> ahead) { images_.OfferAhead(std::move(ahead)); }
    RenderState& State() { return state_; }

    void RepaintPile(int list, int index) override;
    void RepaintTable() override;
    void AnimateCard(int card, int from_list, int from_index, int to_list, int to_index) override;
    void RepaintEmptyStock() override;
    void HighlightCard(int card, bool on) override;
    void Wait(int milliseconds) override;
    void ShowJokerLabel(int foundation, int rank, int suit) override;

private:
    // Erases what left the pile, draws it and the piles lying over that
    // part again, and shows the change (the window is updated with `show`).
    void Repaint(PileRef pile, bool show = true);
    // Where the card lay on `pile` as last drawn; the pile's next place
    // when it was not there.
    QPoint PlaceBefore(PileRef pile, int card) const;
    // Where the card lies on `pile` now.
    QPoint PlaceNow(PileRef pile, int card) const;
    void BuildFlightImage(PileRef to, int card, QPoint start);
    // The marks of selected cards on piles just drawn again.
    void MarkAgain(const std::vector<PileRef>& redrawn);
    void Remember(PileRef pile);
    // Gives the window back what a carried run covered, and forgets it.
    void PutDownCarriedRun();

    Engine& engine_;
    TableSurfaces& surfaces_;
    const ResourceLibrary& library_;
    Pacer& pacer_;
    CardImages images_;
    RenderState state_;
    PileLists drawn_;      // every pile as last drawn
    std::set<int> marked_;  // cards shown selected (inverted)
};

}  // namespace velmora
