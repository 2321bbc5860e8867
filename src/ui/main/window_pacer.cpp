#include "ui/main/window_pacer.h"

#include "platform/surface_widget.h"
#include "platform/timing.h"

namespace velmora {

void WindowPacer::Invalidate(const QRect& rect) {
    widget_.MarkDirty(rect);
}

void WindowPacer::Update() {
    widget_.UpdateDirty();
}

void WindowPacer::Wait(int milliseconds) {
    if (milliseconds > 0) WaitProcessing(milliseconds);
}

}  // namespace velmora
