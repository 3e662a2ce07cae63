#include "controls/ui/SystemBeep.h"

#include <QApplication>
#include <utility>

namespace korvane {

namespace {
TBeepHandler &Handler() {
  static TBeepHandler handler;
  return handler;
}
} // namespace

void SystemBeep() {
  if (Handler())
    Handler()();
  else
    QApplication::beep();
}

TBeepHandler SetBeepHandler(TBeepHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

} // namespace korvane
