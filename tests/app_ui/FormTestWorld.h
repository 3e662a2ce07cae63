#pragma once
// A main window under test: a world priced with the staged data, messages
// recorded instead of shown, file dialogs answered by the test, and the
// current folder set to the staged program folder, so the default cost file
// "../Data Files/Default.cst" resolves as it does for the real program.
#include <QDir>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

#include "app/KorvaneWorld.h"
#include "app/ui/FormKorvane.h"
#include "base/MessageSink.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/UiTest.h"

namespace korvane::test {

class TFormTest : public TUiTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // A new window over a fresh world, as a new run of the program.
  TFormKorvane &Start(const QStringList &arguments = {}, TCostFileEditor costEditor = {});
  // Closes the window as the user does, which writes the settings.
  void Close();

  static QString StageDir() { return QStringLiteral(KORVANE_STAGE_DIR); }
  static QString DefaultCostPath() {
    return StageDir() + QStringLiteral("/Data Files/Default.cst");
  }
  // A file in the test's own folder.
  QString TempFile(const QString &name) const { return ConfigHome() + QLatin1Char('/') + name; }
  QString SettingsFile() const;

  TFormKorvane &Form() { return *form_; }
  TKorvaneWorld &World() { return *world_; }
  std::string Details(std::size_t line) const;

  TRecordingSink messages;
  bool realMessageBoxes = false; // message boxes shown, not recorded
  TScriptedDialogs dialogs;
  QList<QUrl> opened; // what the window asked the desktop to open

private:
  QString savedDir_;
  std::unique_ptr<TKorvaneWorld> world_;
  std::unique_ptr<TFormKorvane> form_;
};

} // namespace korvane::test
