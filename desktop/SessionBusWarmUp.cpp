#include "desktop/SessionBusWarmUp.h"

#include <QDBusConnection>

namespace korvane {

std::jthread ConnectSessionBusAhead() {
  // Qt keeps the one session connection for every thread that asks.
  return std::jthread([] { (void)QDBusConnection::sessionBus(); });
}

} // namespace korvane
