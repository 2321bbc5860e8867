// What a press on the table does.
#include "engine/play/pointer.h"

#include <cstdlib>

#include "engine/model/card_code.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/auto_moves.h"
#include "engine/play/end_game.h"
#include "engine/play/execute_action.h"
#include "engine/play/face_up.h"
#include "engine/play/peaks.h"
#include "engine/play/pickup_rules.h"
#include "engine/play/selection.h"
#include "engine/play/stock.h"

namespace velmora {

namespace {

constexpr int kShowPartlyHiddenCard = 255;

PressResult Result(PressResult::Kind kind, int card = 0, std::string_view pile = {}) {
    return {kind, card, std::string(pile)};
}
PressResult HandledIf(bool done) { return Result(done ? PressResult::Handled : PressResult::Nothing); }
PressResult Beeped(Engine& e) {
    e.view->Beep();
    return Result(PressResult::Beep);
}

bool RightClickMoves(int special) { return special != 32 && special != 46 && special != 33; }
bool PlaysToSecondWaste(int special) { return special == 2 || special == 12 || special == 15; }
bool SelectsForSum(int special) { return special == 3 || special == 4 || special == 33; }

int PositionIn(const Engine& e, PileRef pile, int card) { return PileIndexOf(e.piles.Text(pile.list, pile.index), card); }
bool IsTopOf(const Engine& e, PileRef pile, int card) { return PileTop(e.piles.Text(pile.list, pile.index)) == card; }

PressResult Carry(Engine& e, int card, std::string_view pile) {
    e.main_game.SetField(field::kDraggedCard, card);
    return Result(PressResult::PickUp, card, pile);
}

PressResult PickUpIfAllowed(Engine& e, PileRef pile, int card, std::string_view name) {
    if (card < 1 || !CanPickUp(e, pile, PositionIn(e, pile, card))) return Result(PressResult::Nothing);
    return Carry(e, card, name);
}

// A face-up card that is not carried is shown whole while the button is down.
PressResult PeekOrNothing(const Engine& e, int card, std::string_view pile) {
    if (card < 1 || e.cards.IsFaceDown(card) || !e.params.IsYes(kShowPartlyHiddenCard))
        return Result(PressResult::Nothing);
    return Result(PressResult::Peek, card, pile);
}

// Codes 2, 12, 15 and 51: a top card (a free card of the peaks) one rank
// from the second waste's top card goes there at once; King and Ace are
// neighbours except under code 2.
bool FitsSecondWaste(const Engine& e, int card) {
    const int top = PileTop(e.piles.stock_area[kSecondWasteIndex]);
    if (top < 1) return true;
    const int a = CardRank(card);
    const int b = CardRank(top);
    if (std::abs(a - b) == 1) return true;
    return e.R(47) != 2 && ((a == 1 && b == 13) || (a == 13 && b == 1));
}

PressResult PlayToSecondWaste(Engine& e, int card) {
    if (!FitsSecondWaste(e, card)) return Beeped(e);
    const bool done = ExecuteAction(e, card, "Waste");
    if (e.flags.Get(flag::kFinished)) EndGame(e);
    return HandledIf(done);
}

// A face-up card of the peaks plays only while no card covers it.
PressResult PressPeakCard(Engine& e, PileRef pile, int card) {
    if (e.cards.IsFaceDown(card)) return Result(PressResult::Nothing);
    if (!IsPeakCardFree(e, pile.index, PositionIn(e, pile, card))) return Beeped(e);
    return PlayToSecondWaste(e, card);
}

bool TableauLocked(const Engine& e, int index) { return e.R(24) > 0 && index + 1 < e.R(24) * e.R(25); }

PressResult PressTableau(Engine& e, PileRef pile, int card, Button button, std::string_view name) {
    if (card < 1) return Result(PressResult::Nothing);
    if (button != Button::Left) return PeekOrNothing(e, card, name);
    const int special = e.R(47);
    const bool top = IsTopOf(e, pile, card);
    const bool face_down = e.cards.IsFaceDown(card);
    if (special == kPeaksRule) return PressPeakCard(e, pile, card);
    if (PlaysToSecondWaste(special) && !face_down) return top ? PlayToSecondWaste(e, card) : Beeped(e);
    if (SelectsForSum(special)) return HandledIf(SelectForSum(e, card, name));
    if (TableauLocked(e, pile.index)) return PeekOrNothing(e, card, name);
    if (face_down) {
        if (!top) return Result(PressResult::Nothing);
        TurnFaceUp(e, card, pile.index);
        return Result(PressResult::Handled);
    }
    const PressResult picked = PickUpIfAllowed(e, pile, card, name);
    return picked.kind == PressResult::PickUp ? picked : PeekOrNothing(e, card, name);
}

PressResult PressWaste(Engine& e, PileRef pile, int card, Button button, std::string_view name) {
    if (e.piles.stock_area[kWasteIndex].empty()) {
        const bool redeal = e.R(15) > 0 && e.piles.stock_area[kStockIndex].empty();
        return HandledIf(redeal && ExecuteAction(e, 0, "Mazzo_Redeal"));
    }
    if (card < 1 || e.R(7) != 0 || !IsTopOf(e, pile, card)) return Result(PressResult::Nothing);
    if (button != Button::Left) return Carry(e, card, name);
    if (e.R(47) == 4) return HandledIf(SelectForSum(e, card, name));
    return PickUpIfAllowed(e, pile, card, name);
}

PressResult PressReserve(Engine& e, PileRef pile, int card, Button button, std::string_view name) {
    if (button == Button::Right) {
        const int fan = e.R(5);
        return fan == 1 || fan == 2 ? PeekOrNothing(e, card, name) : Result(PressResult::Nothing);
    }
    return PickUpIfAllowed(e, pile, card, name);
}

PressResult PressPile(Engine& e, PileRef pile, int card, Button button, std::string_view name) {
    switch (pile.list) {
        case ListId::Stock:
            if (pile.index == kWasteIndex) return PressWaste(e, pile, card, button, name);
            return HandledIf(pile.index == kStockIndex && button == Button::Left && PressStock(e));
        case ListId::Foundation: return PickUpIfAllowed(e, pile, card, name);
        case ListId::Tableau: return PressTableau(e, pile, card, button, name);
        case ListId::Reserve: return PressReserve(e, pile, card, button, name);
    }
    return Result(PressResult::Nothing);
}

// The checks every press passes first. False when the press ends there.
bool PressMayAct(Engine& e, PressResult& ended) {
    ended = Result(PressResult::Nothing);
    if (!e.flags.Get(flag::kInProgress) || e.main_game.Field(field::kDraggedCard) != 0) return false;
    if (e.flags.Get(flag::kBusy)) {
        ended = Beeped(e);
        return false;
    }
    if (e.flags.Get(flag::kIgnoreNextPress)) {
        e.flags.Set(flag::kIgnoreNextPress, false);
        return false;
    }
    return true;
}

}  // namespace

PressResult PointerPress(Engine& e, std::string_view name, int card, Button button, bool ctrl) {
    PressResult ended;
    if (!PressMayAct(e, ended)) return ended;
    const auto pile = ParsePileName(name);
    if (!pile) return Result(PressResult::Nothing);
    if (button == Button::Right && !ctrl && RightClickMoves(e.R(47)))
        return HandledIf(card >= 1 && ClickMove(e, card, name, ClickKind::Right));
    // Click-to-move games still turn their stock by a press.
    const bool stock = pile->list == ListId::Stock && pile->index == kStockIndex;
    if (e.R(36) == 1 && !stock) return HandledIf(card >= 1 && ClickMove(e, card, name, ClickKind::Right));
    if (e.R(38) != 0) {
        const bool done = PressInPairingGame(e, card, name);
        // A removal's gaps fill at once: the window holds back the release
        // (which fills them after other moves) while the removal is shown.
        if (done && e.flags.Get(flag::kInProgress)) FillGaps(e);
        return HandledIf(done);
    }
    return PressPile(e, *pile, card, button, name);
}

PressResult PickUpToDrag(Engine& e, std::string_view name, int card) {
    PressResult ended;
    const auto pile = ParsePileName(name);
    if (!pile || !PressMayAct(e, ended)) return ended;
    return PickUpIfAllowed(e, *pile, card, name);
}

}  // namespace velmora
