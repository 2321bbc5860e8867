#pragma once
// The pacer of the real window: the table widget shows the window surface
// itself; what the drawing changed on it is repainted at once when asked,
// so the busy-wait animations show every step; waits let pending events
// run.

#include "render/table_surfaces.h"

namespace velmora {

class SurfaceWidget;

class WindowPacer : public Pacer {
  public:
    explicit WindowPacer(SurfaceWidget& widget) : widget_(widget) {}

    void Invalidate(const QRect& rect) override;
    void Update() override;
    void Wait(int milliseconds) override;

  private:
    SurfaceWidget& widget_;
};

}  // namespace velmora
