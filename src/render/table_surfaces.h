#pragma once
// The bitmaps the table is drawn on. The back buffer holds the table in
// table coordinates (y not scrolled); the background gives the bare table
// and is the source of every erase; the window surface is what the window
// shows, scrolled by `scroll`: the back buffer with whatever flies, is
// carried or marks a hint over it. While nothing lies over the table the
// window surface is let go and the window shows the back buffer itself (a
// window-sized image less); drawing on the window makes it again.
//
// The table's background is laid out for the whole screen + 30 each way (a
// fade runs down the screen's height, a large picture is made for the
// screen), so it looks the same at every window size. Back buffer and
// background hold only the part of it a window shows, its size + 30 each
// way within the extent: they grow, with some room to spare, when the
// window grows beyond them, and are kept when it shrinks.

#include <QRect>
#include <QSize>
#include <QRgb>

#include <cstdint>

#include "platform/surface.h"
#include "render/table_background.h"

namespace velmora {

struct TableSurfaces {
    Surface back_buffer;
    TableBackground background;
    int scroll = 0;  // the vertical scroll position of the table
    // Device pixels per table pixel of the screen the table is shown on (2 on
    // a high-resolution screen); every table surface is made at this scale.
    int scale = 1;
    // The screen + 30 each way, in table pixels: what the background is
    // painted for (its part inside the back buffer is what gets painted).
    QSize extent{1, 1};

    // A surface of the table's scale.
    Surface Make(int width, int height) const { return Surface(width, height, scale); }

    // The window surface to draw on; made from the back buffer when it was
    // let go.
    Surface& Window();
    bool HasWindow() const { return !window_.IsNull(); }
    QRect WindowBounds() const { return {QPoint(0, 0), window_size_}; }
    // What the window shows now: the window surface, or the back buffer
    // while the window surface is let go.
    Surface& Shown();
    // Lets the window surface go when it shows just what the back buffer
    // does (nothing lies over the table) and the table is not scrolled;
    // true when it went. Only between drawings.
    bool ReleasePlainWindow();

    // The extent for a screen of this size; back buffer and background at
    // least the window's size + 30, the window surface exactly its size.
    // Surfaces large enough and of the right scale are kept as they are.
    void Resize(int screen_width, int screen_height, int window_width, int window_height);

private:
    Surface window_;
    QSize window_size_{1, 1};
};

// What drawing needs from the window: to show a changed part at once (a
// synchronous repaint, so busy-wait animations show every step) and to wait.
// Offscreen drawing uses QuietPacer: nothing shown, no wait.
class Pacer {
public:
    virtual ~Pacer() = default;
    // The window surface changed in `rect` (window coordinates).
    virtual void Invalidate(const QRect& /*rect*/) {}
    // Repaints what was invalidated now.
    virtual void Update() {}
    // Busy wait on the tick counter (pending window events may run).
    virtual void Wait(int /*milliseconds*/) {}
};

using QuietPacer = Pacer;

}  // namespace velmora
