// What a release and a double click on the table do.
#include "engine/model/pile_names.h"
#include "engine/play/auto_moves.h"
#include "engine/play/end_game.h"
#include "engine/play/pointer.h"
#include "engine/play/stock.h"

namespace velmora {

namespace {

constexpr int kDoubleClickToFoundations = 249;
constexpr int kDoubleClickToTableaus = 251;

// The carried run goes to the first candidate that takes it.
bool DropCarriedRun(Engine& e, const PressResult& press, const std::vector<DropCandidate>& candidates, bool moved,
                    const std::function<void()>& put_back) {
    bool dropped = false;
    if (moved) {
        dropped = TryDropAt(e, press.card, candidates, false);
        if (!dropped) e.view->Beep();
    }
    e.main_game.SetField(field::kDraggedCard, 0);
    if (!dropped && put_back) put_back();
    if (dropped && e.flags.Get(flag::kFinished)) EndGame(e);
    return dropped;
}

}  // namespace

bool PointerRelease(Engine& e, const PressResult& press, const std::vector<DropCandidate>& candidates, bool moved,
                    const std::function<void()>& put_back) {
    bool done = false;
    if (e.play.redeal_armed) done = ReleaseStock(e);
    if (press.kind == PressResult::PickUp) done = DropCarriedRun(e, press, candidates, moved, put_back) || done;
    if (e.flags.Get(flag::kInProgress)) AfterRelease(e);
    return done;
}

void PointerLeftRedealMark(Engine& e) { e.play.redeal_armed = false; }

bool PointerDoubleClick(Engine& e, std::string_view name, int card) {
    if (!e.flags.Get(flag::kInProgress) || e.flags.Get(flag::kBusy)) return false;
    const auto pile = ParsePileName(name);
    if (!pile) return false;
    if (pile->list == ListId::Stock && pile->index == kStockIndex) {
        e.flags.Set(flag::kIgnoreNextPress, false);
        return false;
    }
    const bool wanted = e.params.IsYes(kDoubleClickToFoundations) || e.params.IsYes(kDoubleClickToTableaus);
    return wanted && card >= 1 && ClickMove(e, card, name, ClickKind::Double);
}

}  // namespace velmora
