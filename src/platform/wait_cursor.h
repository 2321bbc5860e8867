#pragma once
// The hourglass while a command works; the cursor comes back when the
// scope ends.

#include <QCursor>
#include <QGuiApplication>

namespace velmora {

class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace velmora
