#include "platform/surface_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace velmora {

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
    // The front image covers every pixel; Qt need not clear the background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    front_.Resize(width(), height());
}

void SurfaceWidget::ShowSurface(Surface* surface) {
    shown_ = surface;
    front_ = surface ? Surface() : Surface(width(), height());
    update();
}

void SurfaceWidget::MarkDirty(const QRect& rect) {
    QRect r = rect.intersected(Front().Bounds());
    if (r.isEmpty()) return;
    dirty_ += r;
    update(r);
}

void SurfaceWidget::UpdateRect(const QRect& rect) {
    QRect r = rect.intersected(this->rect());
    if (!r.isEmpty()) repaint(r);
}

void SurfaceWidget::UpdateDirty() {
    if (!dirty_.isEmpty()) repaint(dirty_);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage& image = Front().Image();
    for (const QRect& r : event->region()) painter.drawImage(r.topLeft(), image, r);
    dirty_ -= event->region();
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    if (!shown_) front_.Resize(event->size().width(), event->size().height());
    QWidget::resizeEvent(event);
}

}  // namespace velmora
