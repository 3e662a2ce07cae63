#include "desktop/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>
#include <locale.h>

namespace korvane {

namespace {

// The font configuration holds decimals ("1.2"), read as the C library's
// locale says, while the application sets the process's locale on the
// other thread: each warm-up thread reads in a "C" locale of its own.
class TThreadCLocale {
public:
  TThreadCLocale() : locale_(newlocale(LC_ALL_MASK, "C", nullptr)) {
    if (locale_)
      uselocale(locale_);
  }
  ~TThreadCLocale() {
    if (!locale_)
      return;
    uselocale(LC_GLOBAL_LOCALE);
    freelocale(locale_);
  }
  TThreadCLocale(const TThreadCLocale &) = delete;
  TThreadCLocale &operator=(const TThreadCLocale &) = delete;

private:
  locale_t locale_;
};

} // namespace

TFontWarmUp::TFontWarmUp() {
  std::promise<void> configured;
  configured_ = configured.get_future().share();
  thread_ = std::thread([done = std::move(configured)]() mutable {
    const TThreadCLocale c;
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
    const TThreadCLocale c;
    // The list itself is not wanted: asking for it fills the database.
    (void)QFontDatabase::families();
  });
}

void TFontWarmUp::Wait() const {
  configured_.wait();
}

} // namespace korvane
