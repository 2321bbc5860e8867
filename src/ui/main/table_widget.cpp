#include "ui/main/table_widget.h"

#include <QGuiApplication>
#include <QMouseEvent>

#include "ui/main/table_input.h"

namespace velmora {

TableWidget::TableWidget(QWidget* parent) : SurfaceWidget(parent) {
    // Moves without a button matter too (the redeal mark, the hints).
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void TableWidget::Forward(const std::function<void(TableInput&)>& call) {
    if (!input_) return;
    TableInput& input = *input_;
    if (run_guarded)
        run_guarded([&] { call(input); });
    else
        call(input);
}

void TableWidget::Press(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    Forward([&](TableInput& input) {
        // A run in the hand is put down by its release, never by a press.
        if (!input.Carrying()) input.Press(button, modifiers, at.x(), at.y());
    });
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Forward([&](TableInput& input) { input.Move(at.x(), at.y()); });
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    Forward([&](TableInput& input) { input.Release(button, at.x(), at.y()); });
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    Forward([&](TableInput& input) { input.DoubleClick(button, at.x(), at.y()); });
    // The double click stands in for the second press, which still follows
    // it (the engine ignores it when the double click asked so).
    Press(event);
}

void TableWidget::focusOutEvent(QFocusEvent* event) {
    Forward([](TableInput& input) { input.Cancel(); });
    SurfaceWidget::focusOutEvent(event);
}

void TableWidget::leaveEvent(QEvent* event) {
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        Forward([](TableInput& input) { input.Cancel(); });
    SurfaceWidget::leaveEvent(event);
}

bool TableWidget::event(QEvent* event) {
    // Another window took the pointer: nothing may stay in the hand.
    if (event->type() == QEvent::WindowDeactivate)
        Forward([](TableInput& input) { input.Cancel(); });
    return SurfaceWidget::event(event);
}

void TableWidget::paintEvent(QPaintEvent* event) {
    SurfaceWidget::paintEvent(event);
    if (painted) painted();
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    SurfaceWidget::resizeEvent(event);
    if (resized) resized();
}

}  // namespace velmora
