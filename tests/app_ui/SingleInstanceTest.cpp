#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QTest>
#include <QUuid>
#include <QWidget>

#include "app/ui/SingleInstance.h"
#include "base/FileLock.h"
#include "tests/support/UiTest.h"

#include <sys/wait.h>
#include <unistd.h>

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

// Earlier versions judged the lock by the process its file names: one of
// those must see a running copy's lock as held, and the file a copy leaves
// when it ends as free, never as held for ever.
TEST_F(TSingleInstanceTest, AnEarlierVersionSeesTheLockHeldOnlyWhileACopyRuns) {
  const QString path = TSingleInstance(UniqueName(), ConfigHome()).LockFilePath();
  int ready[2], done[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t copy = ::fork();
  ASSERT_GE(copy, 0);
  if (copy == 0) {
    TFileLock lock;
    char byte = lock.TryLock(QFile::encodeName(path).toStdString(), false) == TFileLock::TTry::Taken
                    ? 'y'
                    : 'n';
    static_cast<void>(::write(ready[1], &byte, 1) + ::read(done[0], &byte, 1));
    ::_exit(0); // no clean-up, as when a copy is killed
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ASSERT_EQ(byte, 'y');
  QLockFile earlier(path);
  earlier.setStaleLockTime(0);
  EXPECT_FALSE(earlier.tryLock(0));
  ASSERT_EQ(::write(done[1], &byte, 1), 1);
  ::waitpid(copy, nullptr, 0);
  EXPECT_TRUE(earlier.tryLock(0));
  for (const int fd : {ready[0], ready[1], done[0], done[1]})
    ::close(fd);
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
