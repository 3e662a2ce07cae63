#include "desktop/WindowPlacement.h"
#include "desktop/KorvaneSettings.h"

#include <QSettings>

#include "tests/support/UiTest.h"

namespace korvane {
namespace {

TEST(WindowPlacement, ClampKeepsTheWindowOnTheScreen) {
  const QSize screen(1024, 768);
  const struct {
    QPoint stored, restored;
  } cases[] = {
      {{10, 20}, {10, 20}},     {{-5, -1}, {0, 0}},      {{924, 668}, {924, 668}},
      {{925, 669}, {824, 568}}, {{5000, 30}, {824, 30}}, {{30, 5000}, {30, 568}},
  };
  for (const auto &c : cases) {
    const QRect r = ClampPlacement(QRect(c.stored, QSize(300, 200)), screen);
    EXPECT_EQ(r.topLeft(), c.restored) << c.stored.x() << "," << c.stored.y();
    EXPECT_EQ(r.size(), QSize(300, 200));
  }
}

TEST(KeepOnScreens, AWindowWhoseTitleBarIsOnNoScreenMovesBack) {
  const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  const QPoint home(0, 0);
  struct Case {
    QRect frame;
    bool stays;
  } cases[] = {
      {QRect(412, 199, 260, 300), true},
      {QRect(2500, 100, 260, 300), true},  // on the second screen
      {QRect(-200, 100, 260, 300), true},  // partly off, title bar reachable
      {QRect(5000, 100, 260, 300), false}, // a screen that was unplugged
      {QRect(100, -200, 260, 300), false}, // title bar above every screen
      {QRect(-250, 100, 260, 300), false}, // only 10 pixels left on screen
  };
  for (const Case &c : cases) {
    const QRect placed = KeepOnScreens(c.frame, screens, home);
    EXPECT_EQ(placed.size(), c.frame.size());
    EXPECT_EQ(placed.topLeft(), c.stays ? c.frame.topLeft() : home)
        << c.frame.x() << ',' << c.frame.y();
  }
}

class WindowPlacementStore : public test::TUiTest {};

TEST_F(WindowPlacementStore, UnreadableValuesFallBackToTheDesignValues) {
  TWindowPlacement design;
  design.left = 1;
  design.top = 2;
  design.width = 503;
  design.height = 334;
  QSettings settings(File("korvane.conf"), QSettings::IniFormat);
  settings.setValue("ScrivelForm/Left", "junk");
  settings.setValue("ScrivelForm/Top", 70);
  settings.setValue("ScrivelForm/Width", 0);
  const TWindowPlacement p = ReadWindowPlacement(settings, "ScrivelForm", design);
  EXPECT_EQ(p.left, 1);
  EXPECT_EQ(p.top, 70);
  EXPECT_EQ(p.width, 503);
  EXPECT_EQ(p.height, 334);
}

TEST_F(WindowPlacementStore, SettingsFileFollowsTheConfigurationFolder) {
  EXPECT_EQ(KorvaneSettingsFile(), Dir() + "/Tarnwell/korvane.conf");
}

} // namespace
} // namespace korvane
