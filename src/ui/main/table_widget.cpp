#include "ui/main/table_widget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/free_memory.h"
#include "ui/main/table_accessible.h"
#include "ui/main/table_input.h"
#include "ui/main/table_keys.h"

namespace velmora {

namespace {

// How long the table stays unpainted before it counts as settled: longer
// than any pause of an animation or of the demo between its moves.
constexpr int kSettledMs = 700;

}  // namespace

TableWidget::TableWidget(QWidget* parent) : SurfaceWidget(parent) {
    // Moves without a button matter too (the redeal mark, the hints).
    setMouseTracking(true);
    // Tab reaches the table too: it is played by keyboard as well.
    setFocusPolicy(Qt::StrongFocus);
    settled_.setSingleShot(true);
    settled_.setInterval(kSettledMs);
    connect(&settled_, &QTimer::timeout, this, [this] {
        if (settled) settled();
        ReturnFreeMemory();
    });
}

namespace {

// The focus mark: a golden frame with a dark edge, apart from the hint's cyan.
const QColor kMarkFrame(255, 200, 0);
const QColor kMarkEdge(60, 30, 0);
constexpr int kMarkOutside = 4;

}  // namespace

void TableWidget::SetInput(TableInput* input, TableKeys* keys) {
    input_ = input;
    keys_ = keys;
    RefreshFocusMark();
}

QRect TableWidget::MarkArea() const {
    if (!keys_ || !hasFocus()) return {};
    const Rect mark = keys_->Mark();
    if (mark.IsEmpty()) return {};
    return QRect(mark.left, mark.top, mark.Width(), mark.Height())
        .adjusted(-kMarkOutside, -kMarkOutside, kMarkOutside, kMarkOutside);
}

void TableWidget::RefreshFocusMark() {
    const QRect now = MarkArea();
    if (now == mark_drawn_) return;
    // The old frame goes (the surface beneath it is shown again), the new one is drawn.
    update(mark_drawn_);
    update(now);
    mark_drawn_ = now;
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
    // The mouse took over: the keyboard's mark hides until the next key.
    if (keys_ && keys_->MarkShown()) {
        keys_->HideMark();
        RefreshFocusMark();
    }
    Press(event);
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
    bool used = false;
    if (keys_ && input_ && (!keys_allowed || keys_allowed())) {
        const int key = event->key();
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        Forward([&](TableInput&) { used = keys_->Key(key, modifiers); });
    }
    if (!used) {
        SurfaceWidget::keyPressEvent(event);
        return;
    }
    RefreshFocusMark();
    event->accept();
}

void TableWidget::focusInEvent(QFocusEvent* event) {
    SurfaceWidget::focusInEvent(event);
    RefreshFocusMark();
    // A screen reader hears which pile the keys are on.
    if (accessibility_) accessibility_->FocusMoved();
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
    RefreshFocusMark();
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
    const QRect mark = MarkArea();
    if (!mark.isEmpty() && event->region().intersects(mark)) {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF edge = QRectF(mark).adjusted(2.5, 2.5, -2.5, -2.5);
        painter.setPen(QPen(kMarkEdge, 5));
        painter.drawRoundedRect(edge, 6, 6);
        painter.setPen(QPen(kMarkFrame, 3));
        painter.drawRoundedRect(edge, 6, 6);
    }
    // A move or a deal changed where the mark belongs.
    if (mark != mark_drawn_) RefreshFocusMark();
    if (painted) painted();
    settled_.start();
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    SurfaceWidget::resizeEvent(event);
    if (resized) resized();
}

}  // namespace velmora
