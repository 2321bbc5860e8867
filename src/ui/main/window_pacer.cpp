#include "ui/main/window_pacer.h"

#include "platform/surface_widget.h"
#include "platform/timing.h"

namespace velmora {

void WindowPacer::Invalidate(const QRect& rect) {
    const QRect shown = rect.intersected(widget_.Front().Bounds());
    if (shown.isEmpty()) return;
    widget_.Front().Copy(shown.x(), shown.y(), surfaces_.window, shown);
    widget_.MarkDirty(shown);
}

void WindowPacer::Update() {
    widget_.UpdateDirty();
}

void WindowPacer::Wait(int milliseconds) {
    if (milliseconds > 0) WaitProcessing(milliseconds);
}

}  // namespace velmora
