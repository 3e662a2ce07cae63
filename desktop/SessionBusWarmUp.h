#pragma once
// Connects to the desktop's session bus on a second core while the first
// window is built. Qt's accessibility bridge asks for that connection as the
// first item view is set up and waits for it there; without a running bus
// the wait is for a failed attempt to start one. Asked ahead, the window
// finds the connection (or its failure) already made.
#include <thread>

namespace korvane {

// Once the QApplication exists. The thread must end before the application
// does.
[[nodiscard]] std::jthread ConnectSessionBusAhead();

} // namespace korvane
