#pragma once
// Placing a dialog's control: its object name (the name the program and the
// tests know it by) and its rectangle in the parent.

#include <QRect>
#include <QString>

namespace velmora {

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const QRect& place) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

}  // namespace velmora
