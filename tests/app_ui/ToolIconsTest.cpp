#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "app/ui/ToolIcons.h"

namespace korvane::test {
namespace {

int InkedPixels(const QPixmap &pixmap) {
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  int inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      inked += qAlpha(image.pixel(x, y)) > 0;
  return inked;
}

// The glyphs are drawn when painted, at the size asked for: a 32-pixel
// button gets a glyph drawn at 32 pixels, not a blank or a 16-pixel one,
// and a disabled button its greyed form.
TEST(ToolIcons, DrawnAtTheSizeAndInTheStateAsked) {
  for (const TToolGlyph glyph : {TToolGlyph::Open, TToolGlyph::Save, TToolGlyph::Copy,
                                 TToolGlyph::Solve, TToolGlyph::Help, TToolGlyph::Close}) {
    const QIcon icon = ToolIcon(glyph);
    const QPixmap small = icon.pixmap(QSize(16, 16));
    const QPixmap large = icon.pixmap(QSize(32, 32));
    ASSERT_EQ(small.size(), QSize(16, 16));
    ASSERT_EQ(large.size(), QSize(32, 32));
    EXPECT_GT(InkedPixels(small), 10);
    EXPECT_GT(InkedPixels(large), 3 * InkedPixels(small));
    EXPECT_NE(icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage(), small.toImage());
  }
}

} // namespace
} // namespace korvane::test
