#pragma once
// Widget tests run under the offscreen platform with their own settings
// folder, and fail fast instead of hanging when a modal dialog appears.
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace korvane::test {

class TUiTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Called with any modal window that opens; the default fails the test and
  // closes the window so the test can go on.
  std::function<void(QWidget *)> onModal;

  QString ConfigHome() const { return configHome_.path(); }

private:
  QTemporaryDir configHome_;
  QByteArray savedConfigHome_;
  bool hadConfigHome_ = false;
  std::unique_ptr<QTimer> modalWatch_;
};

} // namespace korvane::test
