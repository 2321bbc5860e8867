#pragma once

namespace velmora {

// Starts connecting to the desktop's session bus on a helper thread. The
// first window shown asks for the bus (the accessibility bridge does) and
// waits until it is connected, or until the bus is found missing, which
// takes milliseconds; begun early, that wait overlaps the start-up's own work.
void ConnectSessionBusAhead();

}  // namespace velmora
