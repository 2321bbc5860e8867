#pragma once
// The order Tab takes through a window's controls, where the order they
// were made in differs from the order a player reads them in.

#include <initializer_list>

class QWidget;

namespace velmora {

// Tab goes from each control to the next one listed.
void ChainTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace velmora
