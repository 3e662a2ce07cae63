#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include "app/ui/StartUp.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

class TStartUpTest : public TUiTest {
protected:
  // Start-up makes the user's documents folder: a test's own home takes it.
  void SetUp() override {
    TUiTest::SetUp();
    savedHome_ = qgetenv("HOME");
    qputenv("HOME", ConfigHome().toLocal8Bit());
  }
  void TearDown() override {
    qputenv("HOME", savedHome_);
    TUiTest::TearDown();
  }

  // A program folder under a "Tarnwell" folder of the test's own, with the
  // shared data folder beside it.
  QString MakeInstall(const QString &fittingsFromStage) {
    const QString root = ConfigHome() + QStringLiteral("/opt/Tarnwell");
    EXPECT_TRUE(QDir().mkpath(root + QStringLiteral("/Korvane")));
    EXPECT_TRUE(QDir().mkpath(root + QStringLiteral("/Common Files")));
    if (!fittingsFromStage.isEmpty()) {
      const QString from = QStringLiteral(KORVANE_STAGE_DIR "/Common Files/") + fittingsFromStage;
      EXPECT_TRUE(QFile::copy(from, root + QStringLiteral("/Common Files/") + fittingsFromStage));
    }
    return root + QStringLiteral("/Korvane");
  }

private:
  QByteArray savedHome_;
};

TEST_F(TStartUpTest, ReadsThePricesBesideTheProgramAndBuildsTheCatalogue) {
  const QString program = MakeInstall(QStringLiteral("Fittings.ini"));
  TKorvaneWorld world;
  TStartUp start;
  TRecordingSink sink;
  ASSERT_TRUE(RunModuleStartUp(program, world, start, sink));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(start.Folders.SharedDataDir,
            QFileInfo(program).path() + QStringLiteral("/Common Files/"));
  EXPECT_GT(world.SpiralPriceTable.Price(fcElbow10D, 0), 0.0);
  EXPECT_EQ(world.Catalogue.ItemValues[dtStraightRect].size(), 6u);
  EXPECT_FALSE(start.Contact.email.isEmpty());
  // The bill highlighter is offered by the editor component from the start.
  const THighlighter *bill = start.Highlighters.Find(QStringLiteral("DuctSyntax"));
  ASSERT_NE(bill, nullptr);
  EXPECT_EQ(bill->fileFilter, QStringLiteral("Brisvantore Files (*.dct)|*.dct"));
}

TEST_F(TStartUpTest, AnUnreadablePriceFileEndsTheStartAfterItsMessage) {
  const QString program = MakeInstall(QString());
  // A folder where the price file should be cannot be read as one.
  ASSERT_TRUE(
      QDir().mkpath(QFileInfo(program).path() + QStringLiteral("/Common Files/Fittings.ini")));
  TKorvaneWorld world;
  TStartUp start;
  TRecordingSink sink;
  EXPECT_FALSE(RunModuleStartUp(program, world, start, sink));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, TMsgKind::Error);
}

// The real program, twice, under the offscreen platform: the second copy
// finds the first, hands over and ends at once without writing settings.
TEST_F(TStartUpTest, ASecondProgramHandsOverToTheFirstAndLeavesNoTrace) {
  const QString folder = QStringLiteral(KORVANE_STAGE_DIR "/Korvane");
  const QString runtime = ConfigHome() + QStringLiteral("/runtime");
  ASSERT_TRUE(QDir().mkpath(runtime));
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), ConfigHome());
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
  env.insert(QStringLiteral("HOME"), ConfigHome()); // its documents folder goes here
  auto start = [&](QProcess &p) {
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(folder + QStringLiteral("/korvane"), {});
    return p.waitForStarted(5000);
  };
  QProcess first;
  ASSERT_TRUE(start(first));
  const QString socket = runtime + QStringLiteral("/Tarnwell-korvane");
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000))
      << "the first copy never listened";

  QProcess second;
  ASSERT_TRUE(start(second));
  EXPECT_TRUE(second.waitForFinished(5000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running) << "the first copy carries on";
  EXPECT_FALSE(QFileInfo::exists(ConfigHome() + QStringLiteral("/Tarnwell/korvane.conf")));

  first.kill();
  first.waitForFinished(5000);
}

} // namespace
} // namespace korvane::test
