#include "ui/dialogs/tab_order.h"

#include <QWidget>

namespace velmora {

void ChainTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace velmora
