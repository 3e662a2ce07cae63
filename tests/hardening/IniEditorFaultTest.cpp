// The INI editor's save against the same failures as the core writers: the
// user hears "Cannot create file" with the path and the reason, the file on
// disk stays as it was, and no temporary file is left where the editor
// could remove it.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

#include "costs/ui/ScrivelForm.h"
#include "desktop/ScrivelEditor.h"
#include "tests/hardening/ChildProcess.h"
#include "tests/support/UiTest.h"

namespace korvane {
namespace {

const QByteArray kOld = "[Nipple]\r\nd100=12.5\r\n";

class IniEditorFaultTest : public test::TUiTest {
protected:
  void SetUp() override {
    test::TUiTest::SetUp();
    ASSERT_TRUE(QDir(Dir()).mkpath("data"));
    folder = File("data");
    path = folder + "/Fittings.ini";
  }

  // The editor on the old file, its text changed and not yet saved.
  std::unique_ptr<TScrivelForm> EditedForm() {
    TScrivelServices s;
    s.Messages = &sink;
    auto form = std::make_unique<TScrivelForm>(s, File("korvane.conf"));
    test::WriteAll(path, kOld);
    form->SetFileName(path);
    EXPECT_TRUE(form->Load());
    form->Editor()->setText("[Nipple]\nd100=99\n");
    return form;
  }

  // What is wrong after a save that had to fail ("" when nothing is).
  std::string AfterFailure(bool saved, bool oldFileThere, const QString &listing) {
    std::string problems;
    if (saved)
      problems += "the save reported success; ";
    const std::string told = "Cannot create file \"" + path.toStdString() + "\". ";
    if (sink.messages.size() != 1 || sink.messages[0].text.rfind(told, 0) != 0)
      problems += "told " + std::to_string(sink.messages.size()) + " messages; ";
    if (oldFileThere && test::ReadAll(path) != kOld)
      problems += "the old file now holds \"" + test::ReadAll(path).toStdString() + "\"; ";
    const QString left =
        QDir(folder)
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                       QDir::Name | QDir::IgnoreCase)
            .join(' ');
    if (left != listing)
      problems += "the folder holds [" + left.toStdString() + "]; ";
    return problems;
  }

  QString folder, path;
  TRecordingSink sink;
};

TEST_F(IniEditorFaultTest, MissingFolderAndFolderInsteadOfFile) {
  auto form = EditedForm();
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QDir(Dir()).rmdir("data"));
  EXPECT_EQ(AfterFailure(form->Save(), false, ""), "");
  sink.messages.clear();
  ASSERT_TRUE(QDir(folder).mkpath("Fittings.ini"));
  EXPECT_EQ(AfterFailure(form->Save(), false, "Fittings.ini"), "");
  EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(IniEditorFaultTest, ReadOnlyFolderAndReadOnlyFile) {
  for (const bool folderReadOnly : {true, false}) {
    auto form = EditedForm();
    sink.messages.clear();
    const QByteArray f = QFile::encodeName(folder), p = QFile::encodeName(path);
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(f.constData(), test::kNobody, test::kNobody), 0);
      ASSERT_EQ(::chown(p.constData(), test::kNobody, test::kNobody), 0);
      // The parent folder must let the unprivileged user through.
      ::chmod(QFile::encodeName(Dir()).constData(), 0755);
    }
    ::chmod(p.constData(), folderReadOnly ? 0644 : 0444);
    ::chmod(f.constData(), folderReadOnly ? 0555 : 0755);
    const std::string result = test::InChild([&] {
      if (!test::DropPrivileges())
        return std::string("skip: cannot become an unprivileged user");
      return AfterFailure(form->Save(), true, "Fittings.ini");
    });
    ::chmod(f.constData(), 0755);
    ::chmod(p.constData(), 0644);
    if (result.starts_with("skip:"))
      GTEST_SKIP() << result;
    EXPECT_EQ(result, "") << (folderReadOnly ? "read-only folder" : "read-only file");
  }
}

TEST_F(IniEditorFaultTest, RealDiskThatIsFull) {
  auto form = EditedForm();
  sink.messages.clear();
  const std::string result = test::InChild([&] {
    std::string why;
    if (!test::MountTinyDisk(folder.toStdString(), 64, why))
      return "skip: " + why;
    test::WriteAll(path, kOld);
    test::FillDisk(folder.toStdString());
    return AfterFailure(form->Save(), true, "filler Fittings.ini");
  });
  if (result.starts_with("skip:"))
    GTEST_SKIP() << result;
  EXPECT_EQ(result, "");
}

TEST_F(IniEditorFaultTest, KilledBeforeTheRenameKeepsTheOldFile) {
  auto form = EditedForm();
  const std::string result = test::InChild([&] {
    test::KillAtNextRename(true);
    form->Save();
    return std::string("the save was not interrupted");
  });
  EXPECT_EQ(result, "exit " + std::to_string(test::kKilledBeforeRename));
  EXPECT_EQ(test::ReadAll(path), kOld);
  // The next save succeeds whatever the killed one left.
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(test::ReadAll(path), "[Nipple]\r\nd100=99\r\n");
  const QStringList left =
      QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  if (left.size() > 1)
    std::printf("note: the killed save of the INI editor left %s\n",
                left.join(' ').toLocal8Bit().constData());
}

} // namespace
} // namespace korvane
