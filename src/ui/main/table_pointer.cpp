#include "ui/main/table_pointer.h"

#include <charconv>
#include <string>
#include <utility>

#include "engine/layout/card_positions.h"
#include "engine/layout/drop_overlap.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "engine/play/player_input.h"
#include "render/card_drawing.h"
#include "render/pile_drawing.h"
#include "render/table_renderer.h"
#include "storage/preference_keys.h"
#include "ui/main/cursor_slots.h"

namespace velmora {

namespace {

// The pause that shows the redeal mark let go before the redeal runs.
constexpr int kRedealMarkPauseMs = 50;

Button ToButton(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return Button::Left;
    if (button == Qt::RightButton) return Button::Right;
    return Button::Middle;
}

// The "Cursor" setting; the system arrow when it is not a number.
int CursorSetting(const Engine& e) {
    const std::string text = e.params.ParamRead(key::kCursor.position, key::kCursor.length);
    int slot = CursorSlots::kSystemArrow;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), slot);
    return error == std::errc() && end == text.data() + text.size() ? slot : CursorSlots::kSystemArrow;
}

bool InProgress(const Engine& e) { return e.flags.Get(flag::kInProgress); }

// Where the pressed card lies in its pile; -1 when it is not there.
int PositionOf(const Engine& e, const PressResult& press, PileRef& pile) {
    const auto ref = ParsePileName(press.pile);
    if (!ref) return -1;
    pile = *ref;
    return PileIndexOf(e.piles.Text(pile.list, pile.index), press.card);
}

}  // namespace

TablePointer::TablePointer(Engine& engine, TableRenderer& renderer, PointerWindow window)
    : e_(engine), renderer_(renderer), window_(std::move(window)) {}

bool TablePointer::Carrying() const {
    return press_.kind == PressResult::PickUp && e_.main_game.Field(field::kDraggedCard) == press_.card;
}

void TablePointer::Handle(std::function<void()> handler, bool is_move) {
    if (handling_) {
        if (is_move && !waiting_.empty() && waiting_.back().is_move)
            waiting_.back().handler = std::move(handler);
        else
            waiting_.push_back({std::move(handler), is_move});
        return;
    }
    handling_ = true;
    handler();
    while (!waiting_.empty()) {
        const std::function<void()> next = std::move(waiting_.front().handler);
        waiting_.pop_front();
        next();
    }
    handling_ = false;
}

void TablePointer::Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
    Handle([=, this] { PressNow(button, modifiers, x, y); });
}

void TablePointer::Move(int x, int y) {
    Handle([=, this] { MoveNow(x, y); }, true);
}

void TablePointer::Release(Qt::MouseButton /*button*/, int /*x*/, int /*y*/) {
    // The run lands where it is shown, not under the release point.
    Handle([this] { ReleaseNow(); });
}

void TablePointer::ReleaseOn(PileRef pile) {
    Handle([=, this] { ReleaseNow(pile); });
}

void TablePointer::DoubleClick(Qt::MouseButton button, int /*x*/, int /*y*/) {
    Handle([=, this] { DoubleClickNow(button); });
}

void TablePointer::Cancel() {
    Handle([this] { CancelNow(); });
}

void TablePointer::PressChosen(const ChosenCard& card, int x, int y) {
    const CardHit hit{PileName(card.pile), card.code, card.rect};
    Handle([=, this] {
        if (InProgress(e_) && !Carrying()) PressHit(hit, Qt::LeftButton, false, x, y);
    });
}

void TablePointer::DoubleClickChosen(const ChosenCard& card) {
    const CardHit hit{PileName(card.pile), card.code, card.rect};
    Handle([=, this] {
        if (Carrying()) return;
        DoubleClickHit(hit);
        // The press that ends a double click of the mouse, which the engine
        // may have asked to ignore, so that it waits for no other press.
        if (!e_.flags.Get(flag::kIgnoreNextPress)) return;
        PressHit(hit, Qt::LeftButton, false, (hit.rect.left + hit.rect.right) / 2, (hit.rect.top + hit.rect.bottom) / 2);
        ReleaseNow();
    });
}

void TablePointer::PressNow(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
    if (!InProgress(e_) || Carrying()) return;
    PressHit(CardAt(e_, x, y), button, modifiers.testFlag(Qt::ControlModifier), x, y);
}

void TablePointer::PressHit(const CardHit& hit, Qt::MouseButton button, bool control, int x, int y) {
    HidePeek();
    // A run the engine let go of under the hand (a new deal) goes home first.
    if (press_.kind == PressResult::PickUp) ReturnRun(std::exchange(press_, PressResult{}));
    moved_ = false;
    if (!e_.flags.Get(flag::kBusy) && !e_.flags.Get(flag::kIgnoreNextPress) && window_.refresh_time)
        window_.refresh_time();
    press_at_ = QPoint(x, y);
    press_ = PointerPress(e_, hit.pile, hit.code, ToButton(button), control);
    switch (press_.kind) {
        case PressResult::PickUp: PickUp(x, y); break;
        case PressResult::Peek: ShowPeek(hit.rect); break;
        case PressResult::Handled: AfterMove(); break;
        case PressResult::Nothing:
        case PressResult::Beep: break;
    }
}

void TablePointer::PickUp(int x, int y) {
    PileRef pile;
    const int position = PositionOf(e_, press_, pile);
    renderer_.LiftRun(pile, position);
    const QPoint corner = renderer_.State().drag.rect.topLeft();
    grab_ = QPoint(x, y) - corner;
    const DrawContext ctx = renderer_.Context();
    if (!ctx.ShadowsOn()) return;
    // The run rises towards the player, its shadow falling beside it.
    const int lift = ctx.ShadowOffset() - 2;
    renderer_.MoveRun(corner.x() - lift, corner.y() - lift);
    grab_ += QPoint(lift, lift);
    PlaySound("card_up");
}

void TablePointer::MoveNow(int x, int y) {
    if (Carrying()) {
        moved_ = true;
        ShowCursor(true);
        renderer_.MoveRun(x - grab_.x(), y - grab_.y());
        return;
    }
    if (e_.play.redeal_armed && !OverRedealMark(x, y)) PointerLeftRedealMark(e_);
}

void TablePointer::ReleaseNow(std::optional<PileRef> onto) {
    ShowCursor(false);
    HidePeek();
    if (Carrying() && renderer_.Context().ShadowsOn()) PlaySound("card_down");
    const PressResult press = std::exchange(press_, PressResult{});
    const bool moved = std::exchange(moved_, false);
    if (e_.play.redeal_armed) {
        renderer_.RepaintPile(static_cast<int>(ListId::Stock), kStockIndex);
        renderer_.Wait(kRedealMarkPauseMs);
    }
    LetGo(press, moved, onto);
}

void TablePointer::LetGo(const PressResult& press, bool moved, std::optional<PileRef> onto) {
    const bool held = press.kind == PressResult::PickUp;
    const bool carried = held && e_.main_game.Field(field::kDraggedCard) == press.card;
    // A new deal or an automatic move let go of the run in the engine: its
    // picture still goes home.
    if (held && !carried) ReturnRun(press);
    // A picture that a redraw took away cannot be dropped anywhere.
    const bool drop = carried && moved && renderer_.State().drag.cards > 0;
    std::vector<DropCandidate> candidates;
    if (drop && onto) {
        candidates = DropCandidateOf(*onto);
    } else if (drop) {
        const QRect shown = renderer_.State().drag.rect;
        candidates = DropCandidatesAt(e_, shown.x(), shown.y(), press.card);
    }
    PointerRelease(e_, carried ? press : PressResult{}, candidates, drop, [&] { ReturnRun(press); });
    AfterMove();
}

void TablePointer::ReturnRun(const PressResult& press) {
    PileRef pile;
    const int position = PositionOf(e_, press, pile);
    renderer_.ReturnRun(pile, position);
}

void TablePointer::DoubleClickNow(Qt::MouseButton button) {
    if (button != Qt::LeftButton || Carrying()) return;
    DoubleClickHit(CardAt(e_, press_at_.x(), press_at_.y()));
}

void TablePointer::DoubleClickHit(const CardHit& hit) {
    if (!hit.pile.empty() && PointerDoubleClick(e_, hit.pile, hit.code)) AfterMove();
}

void TablePointer::CancelNow() {
    HidePeek();
    if (e_.play.redeal_armed) PointerLeftRedealMark(e_);
    if (press_.kind != PressResult::PickUp) return;
    moved_ = false;
    ShowCursor(false);
    LetGo(std::exchange(press_, PressResult{}), false);
}

void TablePointer::ShowPeek(const Rect& card) {
    if (card.IsEmpty()) return;
    const DrawContext ctx = renderer_.Context();
    DrawCardFace(ctx, Layer::Window, press_.card, card.left, card.top);
    ctx.pacer.Update();
    peek_ = card;
}

void TablePointer::HidePeek() {
    if (peek_.IsEmpty()) return;
    renderer_.RefreshRect(peek_);
    peek_ = Rect{};
}

// The mark is the stock's where the redeal is pressed on the stock, else
// the waste's; its edges belong to it, as to every card.
bool TablePointer::OverRedealMark(int x, int y) const {
    const PileRef pile{ListId::Stock, e_.R(8) == 1 ? kStockIndex : kWasteIndex};
    const QRect mark(PileAnchor(e_, pile), QSize(e_.geometry.card.width + 1, e_.geometry.card.height + 1));
    return mark.contains(x, y);
}

void TablePointer::ShowCursor(bool carrying) {
    if (carrying && carrying_cursor_) return;
    carrying_cursor_ = carrying;
    if (!window_.cursor) return;
    const int setting = CursorSetting(e_);
    const bool own_shape = setting != CursorSlots::kSystemArrow;
    window_.cursor->ShowCursorSlot(carrying && own_shape ? setting + CursorSlots::kCarryingOffset : setting);
}

void TablePointer::PlaySound(const char* event) { (window_.sounds ? window_.sounds : e_.sounds)->PlayEvent(event); }

void TablePointer::AfterMove() {
    if (window_.after_move) window_.after_move();
}

}  // namespace velmora
