#include "ui/dialogs/window_fit.h"

#include <algorithm>

namespace velmora {

QRect FrameInside(const QRect& wanted, const QRect& available) {
    const int width = std::min(wanted.width(), available.width());
    const int height = std::min(wanted.height(), available.height());
    const int left = std::clamp(wanted.left(), available.left(), available.right() + 1 - width);
    const int top = std::clamp(wanted.top(), available.top(), available.bottom() + 1 - height);
    return {left, top, width, height};
}

QRect ClientOfFrame(const QRect& frame, const QMargins& margins) { return frame.marginsRemoved(margins); }

QMargins FrameMargins(const QRect& frame, const QRect& client) {
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    const bool sane = margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0;
    return sane ? margins : QMargins();
}

}  // namespace velmora
