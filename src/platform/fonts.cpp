#include "platform/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace velmora {

bool FontInstalled(std::string_view family) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    const QString wanted = QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
    if (wanted.isEmpty()) return false;
    for (const QString& name : QFontDatabase::families()) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

}  // namespace velmora
