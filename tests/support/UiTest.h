#pragma once
// Every widget test runs on the offscreen platform with one QApplication
// for the whole run, its own settings folder (XDG_CONFIG_HOME points at a
// temporary folder that also holds the files the test writes), and a
// watchdog that fails the test and closes any modal window nobody expected,
// so a stray dialog never hangs the run.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <Qt>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Readable failure messages for the texts these tests compare.
inline void PrintTo(const QString &s, std::ostream *os) {
  *os << '"' << s.toStdString() << '"';
}

namespace korvane::test {

class TUiTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Called with any modal window that opens; the default fails the test and
  // closes the window so the test can go on. A test that opens one on
  // purpose replaces it.
  std::function<void(QWidget *)> onModal;

  // The test's own folder, which is also its settings folder.
  QString ConfigHome() const { return configHome_.path(); }
  QString Dir() const { return configHome_.path(); }
  QString File(const QString &name) const { return configHome_.filePath(name); }

  // Shows `w` as the active window so its children can hold the focus.
  static void ShowActive(QWidget &w);
  // Keys go where the keyboard focus is, as the user's would.
  static QWidget *Focus();
  static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
  static void Type(const QString &text);
  // Runs posted events (queued focus changes and the like).
  static void Settle();

private:
  QTemporaryDir configHome_;
  QByteArray savedConfigHome_;
  bool hadConfigHome_ = false;
  std::unique_ptr<QTimer> modalWatch_;
};

// A file's bytes (empty when it cannot be read), and a file written whole.
QByteArray ReadAll(const QString &path);
void WriteAll(const QString &path, const QByteArray &bytes);

} // namespace korvane::test
