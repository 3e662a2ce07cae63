#include "desktop/FontWarmUp.h"

#include <QFontDatabase>
#include <QFontMetrics>
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

std::jthread TFontWarmUp::FillDatabase(QList<QFont> ahead) const {
  return std::jthread([configured = configured_, ahead = std::move(ahead)] {
    configured.wait();
    // The list itself is not wanted: asking for it fills the database.
    (void)QFontDatabase::families();
    for (const QFont &font : ahead)
      (void)QFontMetrics(font).height();
  });
}

void TFontWarmUp::Wait() const {
  configured_.wait();
}

} // namespace korvane
