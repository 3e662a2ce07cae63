#pragma once
// Widget tests of the entry controls: one QApplication on the offscreen
// platform for the whole run, settings in a temporary folder, every beep
// counted, and a watchdog that fails the test and closes any modal dialog
// instead of letting it block the run.
#include <QString>
#include <QTimer>
#include <QWidget>
#include <Qt>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "base/Variant.h"
#include "controls/ui/SystemBeep.h"

// Readable failure messages for the values these tests compare.
inline void PrintTo(const QString &s, std::ostream *os) {
  *os << '"' << s.toStdString() << '"';
}

namespace korvane {
inline void PrintTo(const Variant &v, std::ostream *os) {
  static const char *const kinds[] = {"empty", "text", "double", "int", "bool"};
  *os << kinds[static_cast<int>(v.kind())] << " " << v.toText();
}
} // namespace korvane

namespace korvane::test {

class UiFixture : public ::testing::Test {
protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Shows `w` as the active window so its children can hold the focus.
  static void ShowActive(QWidget &w);
  // Keys go where the keyboard focus is, as the user's would.
  static QWidget *Focus();
  static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
  static void Type(const QString &text);
  // Runs posted events (queued focus changes and the like).
  static void Settle();

  int beeps = 0;

private:
  TBeepHandler savedBeep_;
  std::unique_ptr<QTimer> modalWatch_;
};

} // namespace korvane::test
