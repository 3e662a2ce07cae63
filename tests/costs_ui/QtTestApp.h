#pragma once
// The widget tests' world: one QApplication for the whole run on the
// offscreen platform, and a temporary folder per test that stands in for the
// user's configuration folder and holds the files a test writes.
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvane::test {

class TCostsUiTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  QString Dir() const { return folder_.path(); }
  QString File(const QString &name) const { return folder_.filePath(name); }

private:
  QTemporaryDir folder_;
  QByteArray savedConfigHome_;
  bool hadConfigHome_ = false;
};

QByteArray ReadAll(const QString &path);
void WriteAll(const QString &path, const QByteArray &bytes);

} // namespace korvane::test
