#pragma once
// The player's hand on the table: the table widget turns its Qt mouse
// events into these calls, in table coordinates (the window's client area
// below the toolbar row is not shifted: the table is drawn from the
// window's top-left corner, as the layout places it).

#include <Qt>

#include <string>

#include "engine/layout/pile_walk.h"

namespace velmora {

class TableInput {
public:
    virtual ~TableInput() = default;
    virtual void Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) = 0;
    virtual void Move(int x, int y) = 0;
    virtual void Release(Qt::MouseButton button, int x, int y) = 0;
    virtual void DoubleClick(Qt::MouseButton button, int x, int y) = 0;
    // The window lost the pointer (focus or grab lost, the pointer left
    // while nothing was pressed ...): a carried run goes back to its pile.
    virtual void Cancel() = 0;
    // True while a run is carried (the window then ignores presses).
    virtual bool Carrying() const = 0;

    // The keyboard's hand: a press of the left button on a chosen card at
    // (x, y) inside it, with no search for what lies under the point (piles
    // laid over each other would hide it), and the double click that sends
    // the chosen card home.
    virtual void PressChosen(const ChosenCard& card, int x, int y) = 0;
    virtual void DoubleClickChosen(const ChosenCard& card) = 0;
    // Puts a carried run down on the pile the keyboard chose, whatever else
    // its picture overlaps; refused, it flies back.
    virtual void ReleaseOn(PileRef pile) = 0;
};

}  // namespace velmora
