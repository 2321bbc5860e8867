#pragma once
// The player's hand on the table: the table widget turns its Qt mouse
// events into these calls, in table coordinates (the window's client area
// below the toolbar row is not shifted: the table is drawn from the
// window's top-left corner, as the layout places it).

#include <Qt>

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
};

}  // namespace velmora
