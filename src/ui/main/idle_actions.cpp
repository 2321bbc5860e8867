// Actions that wait for a quiet moment: the game selection at the first
// activation or after a win, and anything else that opens a dialog. The
// window manager may activate the window while the deal still flies, with
// the input held; a dialog opened there would never hear a click or key.
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "ui/main/main_window.h"

namespace velmora {

void TfrmMain::WhenIdle(std::function<void()> action) {
    idle_actions_.push_back(std::move(action));
    ScheduleIdleActions();
}

void TfrmMain::ScheduleIdleActions() {
    if (idle_scheduled_ || idle_actions_.empty()) return;
    idle_scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        idle_scheduled_ = false;
        RunIdleActions();
    });
}

void TfrmMain::RunIdleActions() {
    if (closing_ || close_pending_) {
        idle_actions_.clear();
        return;
    }
    // The end of the hold or of the outer action schedules them again.
    if (hold_depth_ > 0 || guard_depth_ > 0 || winning_running_) return;
    std::vector<std::function<void()>> actions;
    actions.swap(idle_actions_);
    for (const std::function<void()>& action : actions) Guarded(action);
}

bool TfrmMain::OutsideWindow(QObject* target) const {
    if (const auto* widget = qobject_cast<const QWidget*>(target)) return widget->window() != this;
    if (const auto* window = qobject_cast<const QWindow*>(target)) return window != windowHandle();
    return false;
}

}  // namespace velmora
