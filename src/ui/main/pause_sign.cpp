#include "ui/main/pause_sign.h"

#include <QMouseEvent>
#include <QPalette>

namespace velmora {

namespace {

const QColor kCover(0, 64, 0);
constexpr int kTextPoints = 36;

}  // namespace

PauseSign::PauseSign(QWidget* table) : QLabel(table) {
    setObjectName("lblPaused");
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kCover);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    // The first line large, the hint below it in the normal size.
    setTextFormat(Qt::RichText);
    setText(QString("<div style='font-size:%1pt; font-weight:bold'>Paused</div>"
                    "<div>click here or press Ctrl+P to go on</div>")
                .arg(kTextPoints));
    setCursor(Qt::PointingHandCursor);
    hide();
}

void PauseSign::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && clicked) clicked();
}

}  // namespace velmora
