#pragma once
// The player's hand on the table. Presses, moves, releases and double
// clicks of the table widget go to the engine's pointer decisions (which
// pile and card, what the press does, where a dropped run lands); this
// class does the part only the window can: the carried run following the
// pointer, the cursor while carrying, the partly hidden card shown whole,
// the held redeal mark, and putting a run back whenever the window loses it.

#include <QPoint>

#include <deque>
#include <functional>
#include <optional>

#include "engine/layout/card_positions.h"
#include "engine/layout/table_geometry.h"
#include "engine/play/pointer.h"
#include "ui/main/table_input.h"

namespace velmora {

class SoundEvents;
class TableRenderer;
struct Engine;

// The pointer's shape over the table, by the slot numbers of the "Cursor"
// setting: 10 the system arrow, the setting + 10 its carrying variant.
class PointerCursor {
public:
    virtual ~PointerCursor() = default;
    virtual void ShowCursorSlot(int slot) = 0;
};

// What only the window has. Everything may be left empty.
struct PointerWindow {
    PointerCursor* cursor = nullptr;  // none: the shape never changes
    SoundEvents* sounds = nullptr;    // none: the engine's sounds
    // The time display, refreshed at every press during a game.
    std::function<void()> refresh_time;
    // After a press, release or double click that the engine acted on.
    std::function<void()> after_move;
};

class TablePointer : public TableInput {
public:
    TablePointer(Engine& engine, TableRenderer& renderer, PointerWindow window = {});

    void Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void Move(int x, int y) override;
    void Release(Qt::MouseButton button, int x, int y) override;
    void DoubleClick(Qt::MouseButton button, int x, int y) override;
    void Cancel() override;
    bool Carrying() const override;
    void PressChosen(const ChosenCard& card, int x, int y) override;
    void DoubleClickChosen(const ChosenCard& card) override;
    void ReleaseOn(PileRef pile) override;

private:
    void PressNow(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void PressHit(const CardHit& hit, Qt::MouseButton button, bool control, int x, int y);
    void MoveNow(int x, int y);
    // With a pile, the run goes there and nowhere else.
    void ReleaseNow(std::optional<PileRef> onto = std::nullopt);
    void DoubleClickNow(Qt::MouseButton button);
    void DoubleClickHit(const CardHit& hit);
    void CancelNow();

    // Animations let the window's events run: an event that arrives while
    // another is being handled waits for it, so the engine never runs
    // inside itself. Consecutive waiting moves keep only the last.
    void Handle(std::function<void()> handler, bool is_move = false);

    void PickUp(int x, int y);
    // Ends a press: a carried run that moved is dropped where its picture
    // lies, or goes back; then the engine's release follows.
    void LetGo(const PressResult& press, bool moved, std::optional<PileRef> onto = std::nullopt);
    void ReturnRun(const PressResult& press);
    // The pressed card drawn whole on the window at `card`, its rectangle.
    void ShowPeek(const Rect& card);
    void HidePeek();
    bool OverRedealMark(int x, int y) const;
    void ShowCursor(bool carrying);
    void PlaySound(const char* event);
    void AfterMove();

    Engine& e_;
    TableRenderer& renderer_;
    PointerWindow window_;

    PressResult press_;  // the press whose release is awaited
    bool moved_ = false;
    QPoint press_at_;    // where the last press was, for the double click
    QPoint grab_;        // the pointer less the carried picture's top-left
    Rect peek_;          // the card shown whole until the release; empty when none
    bool carrying_cursor_ = false;

    bool handling_ = false;
    struct Waiting {
        std::function<void()> handler;
        bool is_move = false;
    };
    std::deque<Waiting> waiting_;
};

}  // namespace velmora
