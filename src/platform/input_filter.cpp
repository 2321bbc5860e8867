#include "platform/input_filter.h"

#include <QCoreApplication>
#include <QEvent>

#include <utility>

namespace velmora {
namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: return true;
        default: return false;
    }
}

bool IsPress(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
           type == QEvent::MouseButtonDblClick;
}

}  // namespace

InputFilter::InputFilter(std::function<void()> on_stop_request)
    : on_stop_request_(std::move(on_stop_request)) {}

InputFilter::~InputFilter() {
    if (installed_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void InputFilter::Install() {
    QCoreApplication* app = QCoreApplication::instance();
    if (installed_ || !app) return;
    stop_requested_ = false;
    app->installEventFilter(this);
    installed_ = true;
}

void InputFilter::Remove() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!installed_ || !app) return;
    QCoreApplication::processEvents();
    app->removeEventFilter(this);
    installed_ = false;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(event->type()) || (passes_ && passes_(watched)))
        return QObject::eventFilter(watched, event);
    if (IsPress(event->type())) {
        // The animation only needs to hear of the first press.
        if (!stop_requested_ && on_stop_request_) on_stop_request_();
        stop_requested_ = true;
    }
    return true;
}

}  // namespace velmora
