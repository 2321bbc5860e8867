#include "ui/main/window_table_view.h"

#include "platform/desktop.h"

namespace velmora {

void WindowTableView::Beep() {
    velmora::Beep();
}

}  // namespace velmora
