#include "tests/costs_ui/QtTestApp.h"

#include <QApplication>
#include <QFile>

#include <memory>

namespace korvane::test {

namespace {

class TQtApp : public ::testing::Environment {
public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[24] = "test_costs_ui";
  char *argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment *const kQtApp =
    ::testing::AddGlobalTestEnvironment(new TQtApp);

} // namespace

void TCostsUiTest::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
}

void TCostsUiTest::TearDown() {
  if (hadConfigHome_)
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  else
    qunsetenv("XDG_CONFIG_HOME");
}

QByteArray ReadAll(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

} // namespace korvane::test
