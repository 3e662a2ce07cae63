#include <QImage>

#include <gtest/gtest.h>

#include "desktop/ChevronStyle.h"

namespace korvane::test {
namespace {

// Only the bars' overflow chevron is drawn by code, and the bars take it;
// every other icon is the chosen style's own.
TEST(ChevronStyle, DrawsOnlyTheBarsChevron) {
  TChevronStyle style(QStringLiteral("Fusion"));
  const QIcon chevron = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
  const QImage drawn = chevron.pixmap(QSize(16, 16)).toImage();
  int inked = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      inked += qAlpha(drawn.pixel(x, y)) > 0;
  EXPECT_GT(inked, 10);
  EXPECT_FALSE(style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
  EXPECT_NE(style.standardIcon(QStyle::SP_MessageBoxWarning).pixmap(QSize(16, 16)).toImage(),
            drawn);
  EXPECT_EQ(style.baseStyle()->name().toLower(), QStringLiteral("fusion"));
}

} // namespace
} // namespace korvane::test
