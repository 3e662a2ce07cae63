#include "tests/support/UiTest.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>

namespace korvane::test {

namespace {

class TQtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  // The application goes before the process exits, while Qt's own globals
  // still stand.
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[16] = "korvane_test";
  char *argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

// gtest owns registered environments. This file is always linked: every
// widget test derives from TUiTest.
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
    if (auto *dialog = qobject_cast<QDialog *>(w))
      dialog->reject();
    else
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
  Settle();
  for (QWidget *w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible() && w->isModal())
        << "modal window left open: " << w->windowTitle().toStdString();
  if (hadConfigHome_)
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  else
    qunsetenv("XDG_CONFIG_HOME");
}

void TUiTest::ShowActive(QWidget &w) {
  w.show();
  w.activateWindow();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

QWidget *TUiTest::Focus() {
  QWidget *w = QApplication::focusWidget();
  EXPECT_NE(w, nullptr) << "no widget holds the keyboard focus";
  return w;
}

void TUiTest::Key(Qt::Key key, Qt::KeyboardModifiers mods) {
  if (QWidget *w = Focus())
    QTest::keyClick(w, key, mods);
}

void TUiTest::Type(const QString &text) {
  for (QChar ch : text)
    if (QWidget *w = Focus())
      QTest::keyClicks(w, QString(ch));
}

void TUiTest::Settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
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
