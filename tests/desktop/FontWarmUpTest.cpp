#include <QFontDatabase>
#include <QStringList>

#include <gtest/gtest.h>

#include "desktop/FontWarmUp.h"

namespace korvane::test {
namespace {

// The ways a start can go: the window waits for the configuration and
// reads fonts while the database fills; a second copy leaves at once,
// before either step is done; the database is never asked for.
TEST(FontWarmUp, EveryOrderEndsWithTheFontsIn) {
  {
    const TFontWarmUp fonts;
    const std::jthread fill = fonts.FillDatabase();
    fonts.Wait();
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
  }
  {
    const TFontWarmUp fonts;
    const std::jthread fill = fonts.FillDatabase();
  }
  { const TFontWarmUp fonts; }
  EXPECT_FALSE(QFontDatabase::families().isEmpty());
}

} // namespace
} // namespace korvane::test
