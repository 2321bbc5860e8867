#pragma once
// A QGuiApplication on the offscreen platform, created once for the
// harnesses that decode pictures or build cursors.

#include <QByteArray>
#include <QGuiApplication>

namespace velmora::fuzz {

inline void StartOffscreenApplication(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* application = new QGuiApplication(*argc, *argv);  // lives until exit
    (void)application;
}

}  // namespace velmora::fuzz
