#pragma once
// Placing a top-level window by its frame, the window manager's title bar
// and borders included, so that all of it lies on the screen's available
// area. Qt places a window by its client area; the frame's margins are only
// known once the window manager has framed it.

#include <QMargins>
#include <QRect>

namespace velmora {

// The frame `wanted`, moved onto `available` and, where larger, cut to it.
QRect FrameInside(const QRect& wanted, const QRect& available);

// The client area of a window whose frame lies at `frame`.
QRect ClientOfFrame(const QRect& frame, const QMargins& margins);

// The frame's margins around the client area; none while the window is
// unframed (or the frame is unknown).
QMargins FrameMargins(const QRect& frame, const QRect& client);

}  // namespace velmora
