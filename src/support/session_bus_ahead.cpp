#include "support/session_bus_ahead.h"

#include <QDBusConnection>
#include <QThreadPool>

namespace velmora {

void ConnectSessionBusAhead() {
    // Qt keeps the connection (or the failure) for every later caller.
    QThreadPool::globalInstance()->start([] { QDBusConnection::sessionBus(); });
}

}  // namespace velmora
