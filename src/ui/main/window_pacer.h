#pragma once
// The pacer of the real window: what the drawing changed on the window
// surface goes to the table widget's front image and is repainted at once
// when asked, so the busy-wait animations show every step; waits let
// pending events run.

#include "render/table_surfaces.h"

namespace velmora {

class SurfaceWidget;

class WindowPacer : public Pacer {
  public:
    WindowPacer(SurfaceWidget& widget, TableSurfaces& surfaces)
        : widget_(widget), surfaces_(surfaces) {}

    void Invalidate(const QRect& rect) override;
    void Update() override;
    void Wait(int milliseconds) override;

  private:
    SurfaceWidget& widget_;
    TableSurfaces& surfaces_;
};

}  // namespace velmora
