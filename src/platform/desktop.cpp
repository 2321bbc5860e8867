#include "platform/desktop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace velmora {

int64_t ScreenColorCount(int bits, int planes) {
    if (bits > 24) return 999'999'999;
    const int64_t exponent = int64_t{std::max(bits, 0)} * std::max(planes, 0);
    // Too many colours to count: as many as the type holds.
    if (exponent >= 63) return std::numeric_limits<int64_t>::max();
    return int64_t{1} << exponent;
}

int64_t ScreenColorCount() {
    QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                          ? QGuiApplication::primaryScreen()
                          : nullptr;
    return ScreenColorCount(screen ? screen->depth() : 32, 1);
}

void Beep() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

}  // namespace velmora
