#include "tests/controls_ui/UiFixture.h"

#include <QApplication>
#include <QDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace korvane::test {

namespace {

// The application lives from the first test to the end of the run and goes
// before the process exits, while Qt's own globals still stand.
class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override { App(); }
  void TearDown() override { app().reset(); }

  static QApplication &App() {
    if (!app()) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      qputenv("XDG_CONFIG_HOME", configHome().path().toLocal8Bit());
      QStandardPaths::setTestModeEnabled(true);
      app() = std::make_unique<QApplication>(argc_, argv_);
    }
    return *app();
  }

private:
  static std::unique_ptr<QApplication> &app() {
    static std::unique_ptr<QApplication> instance;
    return instance;
  }
  static QTemporaryDir &configHome() {
    static QTemporaryDir dir;
    return dir;
  }
  static inline int argc_ = 1;
  static inline char name_[] = "test_controls_ui";
  static inline char *argv_[] = {name_, nullptr};
};

// gtest owns the environments it is given.
[[maybe_unused]] ::testing::Environment *const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

QApplication &App() {
  return QtEnvironment::App();
}

} // namespace

void UiFixture::SetUpTestSuite() {
  App();
}

void UiFixture::SetUp() {
  App();
  savedBeep_ = SetBeepHandler([this] { ++beeps; });
  modalWatch_ = std::make_unique<QTimer>();
  modalWatch_->setInterval(20);
  QObject::connect(modalWatch_.get(), &QTimer::timeout, [] {
    if (QWidget *w = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "unexpected modal dialog: " << w->windowTitle().toStdString();
      if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->reject();
      else
        w->close();
    }
  });
  modalWatch_->start();
}

void UiFixture::TearDown() {
  modalWatch_.reset();
  SetBeepHandler(savedBeep_);
  Settle();
}

void UiFixture::ShowActive(QWidget &w) {
  w.show();
  w.activateWindow();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

QWidget *UiFixture::Focus() {
  QWidget *w = QApplication::focusWidget();
  EXPECT_NE(w, nullptr) << "no widget holds the keyboard focus";
  return w;
}

void UiFixture::Key(Qt::Key key, Qt::KeyboardModifiers mods) {
  if (QWidget *w = Focus())
    QTest::keyClick(w, key, mods);
}

void UiFixture::Type(const QString &text) {
  for (QChar ch : text)
    if (QWidget *w = Focus())
      QTest::keyClicks(w, QString(ch));
}

void UiFixture::Settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

} // namespace korvane::test
