#include "desktop/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace korvane {

TFontWarmUp::TFontWarmUp() {
  std::promise<void> configured;
  configured_ = configured.get_future().share();
  thread_ = std::thread([done = std::move(configured)]() mutable {
    FcInit();
    done.set_value();
  });
}

TFontWarmUp::~TFontWarmUp() {
  thread_.join();
}

std::jthread TFontWarmUp::FillDatabase() const {
  return std::jthread([configured = configured_] {
    configured.wait();
    // The list itself is not wanted: asking for it fills the database.
    (void)QFontDatabase::families();
  });
}

void TFontWarmUp::Wait() const {
  configured_.wait();
}

} // namespace korvane
