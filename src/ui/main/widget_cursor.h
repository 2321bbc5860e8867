#pragma once
// The table pointer's shape on a widget, from the program's cursor slots.

#include <QWidget>

#include "ui/main/cursor_slots.h"
#include "ui/main/table_pointer.h"

namespace velmora {

class WidgetCursor : public PointerCursor {
public:
    WidgetCursor(QWidget& widget, const CursorSlots& cursor_slots) : widget_(widget), slots_(cursor_slots) {}
    void ShowCursorSlot(int slot) override { widget_.setCursor(slots_.ForSetting(slot)); }

private:
    QWidget& widget_;
    const CursorSlots& slots_;
};

}  // namespace velmora
