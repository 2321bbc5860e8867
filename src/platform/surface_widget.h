#pragma once
// A window area whose contents are a front surface. Drawing "on the window"
// means drawing into Front() and then telling the widget which rectangle
// changed; UpdateRect shows it at once, so busy-wait animations show every
// step without going back to the event loop.

#include <QRegion>
#include <functional>
#include <QWidget>

#include "platform/surface.h"

namespace velmora {

class SurfaceWidget : public QWidget {
public:
    explicit SurfaceWidget(QWidget* parent = nullptr);

    Surface& Front() { return source_ ? source_() : front_; }
    const Surface& Front() const { return source_ ? source_() : front_; }

    // Shows whichever surface `source` gives at each paint (kept by its
    // owner, who sizes it with the widget); an empty one goes back to the
    // widget's own surface.
    void ShowSource(std::function<Surface&()> source);

    // The rectangle of Front() changed; it is shown at the next repaint.
    void MarkDirty(const QRect& rect);
    // Repaints the rectangle now (and whatever else is marked in it).
    void UpdateRect(const QRect& rect);
    // Repaints everything marked since the last repaint, now.
    void UpdateDirty();
    QRegion Dirty() const { return dirty_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Surface front_;
    std::function<Surface&()> source_;
    QRegion dirty_;
};

}  // namespace velmora
