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

void SurfaceWidget::ShowSource(std::function<Surface&()> source) {
    source_ = std::move(source);
    front_ = source_ ? Surface() : Surface(width(), height());
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
    // The front surface may hold several device pixels per widget pixel: each
    // rectangle is taken from its device pixels, unscaled on such a screen.
    const Surface& front = Front();
    // On a screen between the scales (1.5 shows a surface of scale 2) the
    // pixels are resampled smoothly, so no line drops out; an enlargement
    // keeps its pixels square.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatioF() < front.Scale());
    for (const QRect& r : event->region()) painter.drawImage(r, front.Image(), front.DeviceRect(r));
    dirty_ -= event->region();
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    if (!source_) front_.Resize(event->size().width(), event->size().height());
    QWidget::resizeEvent(event);
}

}  // namespace velmora
