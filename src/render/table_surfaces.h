#pragma once
// The bitmaps the table is drawn on. The back buffer holds the whole table
// in table coordinates (y not scrolled); the background image holds the bare
// table and is the source of every erase; the window surface is what the
// window shows (the table widget's front image, or a plain surface when
// drawing offscreen), scrolled by `scroll`. Back buffer and background are
// the screen size + 30 each way.

#include <QRect>
#include <QRgb>

#include <cstdint>

#include "platform/surface.h"

namespace velmora {

// What the background image was last painted with, so that a redraw with
// the same plain or fading colour copies it instead of painting it again.
struct PaintedBackground {
    qint64 image_key = 0;  // the background image's cache key after painting; 0: nothing kept
    QRgb colour = 0;
    bool fade = false;
    int64_t screen_colours = 0;
};

struct TableSurfaces {
    Surface window;
    Surface back_buffer;
    Surface background;
    int scroll = 0;  // the vertical scroll position of the table
    // Device pixels per table pixel of the screen the table is shown on (2 on
    // a high-resolution screen); every table surface is made at this scale.
    int scale = 1;
    PaintedBackground painted;

    // A surface of the table's scale.
    Surface Make(int width, int height) const { return Surface(width, height, scale); }

    // New back buffer and background for a screen of this size (+ 30); the
    // window surface takes the window's size. Surfaces of the right size and
    // scale are kept as they are.
    void Resize(int screen_width, int screen_height, int window_width, int window_height);
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
