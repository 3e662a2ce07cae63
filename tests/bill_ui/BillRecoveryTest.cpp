// Unsaved bills survive the end of the program that held them: each window
// keeps a copy under the user's state folder shortly after every change,
// saving or closing takes it away, and the next start offers back what a run
// now gone left behind, never what a running copy of the program holds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "bill/RecoveryRecord.h"
#include "bill/ui/BillRecovery.h"
#include "desktop/ScrivelEditor.h"
#include "tests/bill_ui/BillWorld.h"
#include "tests/hardening/ChildProcess.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

// Typed text with what a bill may hold beyond plain ASCII.
const QString kTyped = QStringLiteral("; Caf\u00e9 job\tfloor 2\nNipple\n 500 1\n");

class BillRecoveryTest : public TUiTest {
protected:
  void SetUp() override {
    TUiTest::SetUp();
    QSettings(File("korvane.conf"), QSettings::IniFormat)
        .setValue("Settings/LastCostFile", kStage + "/Data Files/Default.cst");
    folder = File("state/Tarnwell/korvane-bill/recovery");
  }
  void TearDown() override {
    for (QWidget *w : QApplication::topLevelWidgets())
      if (auto *form = qobject_cast<TBillForm *>(w))
        form->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    TUiTest::TearDown();
  }

  TBillServices Services(std::shared_ptr<TBillRecovery> run) {
    TBillServices s = world.Services(File("korvane.conf"));
    s.Recovery = std::move(run);
    s.AskRestore = [this](const QStringList &bills) {
      offered = bills;
      return restore;
    };
    return s;
  }

  // A window whose bill the user has typed into, its copy kept.
  TBillForm *Typed(const std::shared_ptr<TBillRecovery> &run, const QString &text,
                   const QString &path = QString()) {
    auto *form = new TBillForm(Services(run));
    if (!path.isEmpty()) {
      EXPECT_TRUE(form->LoadFile(path));
    }
    form->Editor()->append(text);
    EXPECT_TRUE(WaitFor(form->RecoveryFile()));
    return form;
  }

  // A run that ends without closing its windows, as a crash or a lost
  // session ends it: its files stay, its lock goes.
  static void EndWithoutClosing(std::shared_ptr<TBillRecovery> &run,
                                std::initializer_list<TBillForm *> forms) {
    for (TBillForm *form : forms)
      delete form;
    run.reset();
  }

  static bool WaitFor(const QString &file, int ms = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(file)) {
      if (clock.elapsed() > ms)
        return false;
      QTest::qWait(10);
    }
    return true;
  }

  QStringList Files(const QString &pattern) const {
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden);
  }

  static TBillForm *Restored(int index) {
    std::vector<TBillForm *> forms;
    for (QWidget *w : QApplication::topLevelWidgets())
      if (auto *form = qobject_cast<TBillForm *>(w); form && form->isVisible())
        forms.push_back(form);
    std::sort(forms.begin(), forms.end(),
              [](TBillForm *a, TBillForm *b) { return a->RecoveryFile() < b->RecoveryFile(); });
    return index < int(forms.size()) ? forms[std::size_t(index)] : nullptr;
  }

  TBillWorld world;
  QString folder;
  QStringList offered;
  bool restore = true;
};

TEST_F(BillRecoveryTest, AChangeIsKeptWithinTwoSecondsAndGoesOnSaveAndClose) {
  qputenv("XDG_STATE_HOME", File("state").toLocal8Bit());
  EXPECT_EQ(TBillRecovery::DefaultFolder(), folder);
  qunsetenv("XDG_STATE_HOME");
  auto run = std::make_shared<TBillRecovery>(folder);
  ASSERT_TRUE(run->Usable()) << run->Why().toStdString();
  ASSERT_TRUE(QDir().mkpath(File("jobs")));
  WriteAll(File("jobs/job.dct"), "Elbow\n 500 750 90 1\n");
  auto *form = new TBillForm(Services(run));
  ASSERT_TRUE(form->LoadFile(File("jobs/job.dct")));
  QTest::qWait(TBillForm::kRecoveryDelayMs + 100);
  EXPECT_FALSE(QFileInfo::exists(form->RecoveryFile())) << "nothing unsaved, nothing kept";

  form->Editor()->append(kTyped);
  EXPECT_FALSE(QFileInfo::exists(form->RecoveryFile())) << "written after the keystroke, not in it";
  ASSERT_TRUE(WaitFor(form->RecoveryFile(), 2000));
  const QFileInfo kept(form->RecoveryFile());
  EXPECT_EQ(kept.absolutePath(), QDir(folder).absolutePath());
  EXPECT_EQ(QDir(File("jobs")).entryList(QDir::Files | QDir::Hidden), QStringList{"job.dct"});
  namespace fs = std::filesystem;
  EXPECT_EQ(fs::status(kept.filePath().toStdString()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(fs::status(folder.toStdString()).permissions() & fs::perms::all, fs::perms::owner_all);
  const TRecoveryRead read = ReadRecoveryBytes(ReadAll(form->RecoveryFile()).toStdString());
  EXPECT_EQ(read.State, TRecoveryState::Good);
  EXPECT_EQ(read.Record.BillPath, File("jobs/job.dct").toStdString());
  EXPECT_EQ(QString::fromStdString(read.Record.Text), form->Editor()->text());
  EXPECT_NEAR(double(read.Record.ChangedAt), double(QDateTime::currentSecsSinceEpoch()), 5);

  ASSERT_TRUE(form->Save());
  EXPECT_FALSE(QFileInfo::exists(form->RecoveryFile()));

  // Typing on keeps a new copy; Cancel on close keeps it, No drops it.
  form->Editor()->append("Nipple\n 600 1\n");
  ASSERT_TRUE(WaitFor(form->RecoveryFile()));
  const QString file = form->RecoveryFile();
  world.answer = TMsgResult::Cancel;
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(QFileInfo::exists(file));
  world.answer = TMsgResult::No;
  EXPECT_TRUE(form->close());
  EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(BillRecoveryTest, ACrashedRunsBillsComeBackByteForByte) {
  auto run = std::make_shared<TBillRecovery>(folder);
  ASSERT_TRUE(QDir().mkpath(File("jobs")));
  WriteAll(File("jobs/job.dct"), "Elbow\n 500 750 90 1\n");
  TBillForm *saved = Typed(run, kTyped, File("jobs/job.dct"));
  TBillForm *untitled = Typed(run, QStringLiteral("Spiral\n\t-\t500  3.0\n"));
  const QString savedText = saved->Editor()->text();
  const QString untitledText = untitled->Editor()->text();
  EndWithoutClosing(run, {saved, untitled});
  ASSERT_EQ(Files("*.kvr").size(), 2);

  auto next = std::make_shared<TBillRecovery>(folder);
  EXPECT_EQ(TBillForm::OfferLeftBehind(Services(next)), 2);
  ASSERT_EQ(offered.size(), 2);
  EXPECT_TRUE(offered.filter(QRegularExpression("^job\\.dct, changed .+")).size() == 1)
      << offered.join('|').toStdString();
  EXPECT_TRUE(offered.filter(QRegularExpression("^Untitled, changed .+")).size() == 1);
  int found = 0;
  for (int i = 0; i < 2; ++i) {
    TBillForm *form = Restored(i);
    ASSERT_NE(form, nullptr);
    const bool isSaved = !form->Path().isEmpty();
    found += isSaved ? 1 : 10;
    EXPECT_EQ(form->Editor()->text().toUtf8(), (isSaved ? savedText : untitledText).toUtf8());
    EXPECT_EQ(form->Path(), isSaved ? File("jobs/job.dct") : QString());
    EXPECT_TRUE(form->Unsaved());
    EXPECT_TRUE(form->windowTitle().contains("* - "));
    // Its own copy is kept at once; Undo does not make it saved.
    EXPECT_TRUE(QFileInfo::exists(form->RecoveryFile()));
    form->Editor()->undo();
    EXPECT_TRUE(form->Unsaved());
  }
  EXPECT_EQ(found, 11);
  // The old run's files and lock are gone; the new run's copies are there.
  EXPECT_EQ(Files("*.kvr").size(), 2);
  EXPECT_EQ(Files("*.lock"), QStringList{next->Run() + ".lock"});
  EXPECT_EQ(ReadAll(File("jobs/job.dct")), "Elbow\n 500 750 90 1\n");
}

TEST_F(BillRecoveryTest, AKilledRunsFilesAreFoundButALiveRunsNever) {
  // A copy of the program killed outright: its lock file stays, naming a
  // process that is gone.
  const std::string died = InChild([this] {
    TBillRecovery run(folder);
    run.Keep(run.NewSlot(), {"", 1767225600, "Nipple\n 500 1\n"});
    std::raise(SIGKILL);
    return std::string("not killed");
  });
  ASSERT_EQ(died, "signal 9");
  ASSERT_EQ(Files("*.lock").size(), 1);

  // A copy running beside it, with a bill of its own.
  auto running = std::make_shared<TBillRecovery>(folder);
  TBillForm *busy = Typed(running, QStringLiteral("Elbow\n 500 750 90 1\n"));
  const QString busyFile = busy->RecoveryFile();

  auto started = std::make_shared<TBillRecovery>(folder);
  restore = false;
  EXPECT_EQ(TBillForm::OfferLeftBehind(Services(started)), 0);
  ASSERT_EQ(offered.size(), 1);
  EXPECT_TRUE(offered[0].startsWith("Untitled, changed ")) << offered[0].toStdString();
  // Discard deleted the killed run's bill and lock; the running copy's stay.
  EXPECT_EQ(Files("*.kvr"), QStringList{QFileInfo(busyFile).fileName()});
  EXPECT_EQ(Files("*.lock").size(), 2);
  EXPECT_TRUE(running->TakeLeftBehind().empty()) << "the running copy finds the new one alive";
  offered.clear();
  EXPECT_EQ(TBillForm::OfferLeftBehind(Services(std::make_shared<TBillRecovery>(folder))), 0);
  EXPECT_TRUE(offered.isEmpty());
  EXPECT_TRUE(QFileInfo::exists(busyFile));
}

TEST_F(BillRecoveryTest, AKilledRunWithNothingToKeepLeavesNoLockForLong) {
  ASSERT_EQ(InChild([this] {
              TBillRecovery run(folder);
              std::raise(SIGKILL);
              return std::string("not killed");
            }),
            "signal 9");
  TBillRecovery running(folder);
  ASSERT_EQ(Files("*.lock").size(), 2);
  TBillRecovery started(folder);
  EXPECT_TRUE(started.TakeLeftBehind().empty());
  // The killed run's lock is gone; the two live runs keep theirs.
  EXPECT_EQ(Files("*.lock").size(), 2);
  EXPECT_TRUE(running.TakeLeftBehind().empty());
  EXPECT_EQ(Files("*.lock").size(), 2);
}

TEST_F(BillRecoveryTest, DamagedFilesComeBackAsTextAndNewerOnesAreLeftWithAMessage) {
  ASSERT_TRUE(QDir().mkpath(folder));
  const QByteArray damaged =
      "Korvane bill recovery 1\nPath: /etc/passwd\nLength: 999\n\nNipple\n 5";
  WriteAll(folder + "/bill-7-dead-1.kvr", damaged);
  WriteAll(folder + "/bill-7-dead-2.kvr", "no header at all\n");
  WriteAll(folder + "/bill-7-dead-3.kvr", "Korvane bill recovery 2\nWhatever: the new way\n\n");
  WriteAll(folder + "/notes.txt", "not ours");

  auto run = std::make_shared<TBillRecovery>(folder);
  EXPECT_EQ(TBillForm::OfferLeftBehind(Services(run)), 2);
  ASSERT_EQ(offered.size(), 2);
  for (const QString &line : offered)
    EXPECT_TRUE(line.startsWith("Untitled, changed ") && line.contains("damaged"))
        << line.toStdString();
  ASSERT_EQ(world.said.size(), 1u);
  EXPECT_NE(world.said[0].find("bill-7-dead-3.kvr"), std::string::npos);
  EXPECT_NE(world.said[0].find("newer version"), std::string::npos);
  QStringList texts;
  for (int i = 0; i < 2; ++i) {
    ASSERT_NE(Restored(i), nullptr);
    EXPECT_TRUE(Restored(i)->Path().isEmpty()) << "a damaged file's path is not trusted";
    texts << Restored(i)->Editor()->text();
  }
  texts.sort();
  EXPECT_EQ(texts, QStringList({"Nipple\n 5", "no header at all\n"}));
  EXPECT_TRUE(QFileInfo::exists(folder + "/bill-7-dead-3.kvr"));
  EXPECT_FALSE(QFileInfo::exists(folder + "/bill-7-dead-1.kvr"));
  EXPECT_TRUE(QFileInfo::exists(folder + "/notes.txt"));

  // A recovery folder that cannot be made: the user is told at start, and
  // the windows work on without copies.
  WriteAll(File("state/file"), "not a folder");
  auto none = std::make_shared<TBillRecovery>(File("state/file/recovery"));
  EXPECT_FALSE(none->Usable());
  world.said.clear();
  EXPECT_EQ(TBillForm::OfferLeftBehind(Services(none)), 0);
  ASSERT_EQ(world.said.size(), 1u);
  EXPECT_EQ(world.said[0].rfind("Unsaved bills cannot be kept for recovery (", 0), 0u);
  auto *form = new TBillForm(Services(none));
  form->Editor()->append("Nipple\n 500 1\n");
  EXPECT_TRUE(form->RecoveryFile().isEmpty());
}

} // namespace
} // namespace korvane::test
