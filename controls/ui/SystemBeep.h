#pragma once
// The system beep of refused keys and clamped values. Tests swap the handler
// for a counter and put the previous one back.
#include <functional>

namespace korvane {

using TBeepHandler = std::function<void()>;

void SystemBeep();
// Installs `handler` (an empty one restores QApplication::beep) and returns
// the handler that was in place.
TBeepHandler SetBeepHandler(TBeepHandler handler);

} // namespace korvane
