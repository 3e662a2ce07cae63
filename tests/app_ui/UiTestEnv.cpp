#include "tests/app_ui/UiTestEnv.h"

#include <QApplication>

namespace korvane::test {

namespace {

class TQtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[16] = "test_app_ui";
  char *argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

// gtest owns registered environments.
[[maybe_unused]] ::testing::Environment *const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

} // namespace

void TUiTest::SetUp() {
  ASSERT_TRUE(configHome_.isValid());
  hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", configHome_.path().toLocal8Bit());
  onModal = [](QWidget *w) {
    ADD_FAILURE() << "unexpected modal window: " << w->windowTitle().toStdString();
    w->close();
  };
  modalWatch_ = std::make_unique<QTimer>();
  modalWatch_->setInterval(20);
  QObject::connect(modalWatch_.get(), &QTimer::timeout, [this] {
    if (QWidget *w = QApplication::activeModalWidget())
      onModal(w);
  });
  modalWatch_->start();
}

void TUiTest::TearDown() {
  modalWatch_.reset();
  for (QWidget *w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible() && w->isModal())
        << "modal window left open: " << w->windowTitle().toStdString();
  if (hadConfigHome_)
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  else
    qunsetenv("XDG_CONFIG_HOME");
}

} // namespace korvane::test
