#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QUuid>
#include <QWidget>

#include "app/ui/SingleInstance.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

// A name no real copy of the program and no other test run uses.
QString UniqueName() {
  return QStringLiteral("Tarnwell-korvane-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

class TSingleInstanceTest : public TUiTest {};

TEST_F(TSingleInstanceTest, ASecondCopyFindsTheFirstAndAsksItToComeForward) {
  const QString name = UniqueName();
  TSingleInstance first(name, ConfigHome());
  ASSERT_TRUE(first.Claim());
  EXPECT_TRUE(first.IsFirst());
  int activations = 0;
  QObject::connect(&first, &TSingleInstance::Activate, [&] { ++activations; });

  TSingleInstance second(name, ConfigHome());
  EXPECT_FALSE(second.Claim());
  EXPECT_FALSE(second.IsFirst());
  EXPECT_TRUE(second.SignalFirst(2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 1; }, 2000));

  // Another copy later does it again.
  TSingleInstance third(name, ConfigHome());
  EXPECT_FALSE(third.Claim());
  EXPECT_TRUE(third.SignalFirst(2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 2; }, 2000));
}

TEST_F(TSingleInstanceTest, TheNameIsFreeAgainOnceTheFirstCopyHasGone) {
  const QString name = UniqueName();
  {
    TSingleInstance first(name, ConfigHome());
    ASSERT_TRUE(first.Claim());
  }
  TSingleInstance next(name, ConfigHome());
  EXPECT_TRUE(next.Claim());
}

TEST_F(TSingleInstanceTest, SignallingWithNoFirstCopyGivesUp) {
  TSingleInstance lonely(UniqueName(), ConfigHome());
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(lonely.SignalFirst(200));
  EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(TSingleInstanceTest, AnUnusableLockFolderDoesNotStopTheProgram) {
  TSingleInstance guard(UniqueName(), ConfigHome() + QStringLiteral("/missing/folder"));
  EXPECT_TRUE(guard.Claim());
}

TEST_F(TSingleInstanceTest, BringingToFrontRestoresAMinimisedWindow) {
  QWidget window;
  window.showMinimized();
  ASSERT_TRUE(window.isMinimized());
  BringToFront(&window);
  EXPECT_FALSE(window.isMinimized());
  EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace korvane::test
