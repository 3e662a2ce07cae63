#pragma once
// The dialogs of a window under test, answered by the test: every file
// dialog takes the next queued name ("" cancels), and one nobody queued an
// answer for fails the test. What each dialog was asked is kept.
#include <QColor>
#include <QList>
#include <QStringList>

#include "desktop/DesktopDialogs.h"

namespace korvane::test {

class TScriptedDialogs : public TDesktopDialogs {
public:
  QStringList answers;
  QList<TFileDialogRequest> asked;
  QColor colour = QColor(255, 255, 224);
  bool printSetupAccepted = true;

  QString OpenFileName(QWidget *, const TFileDialogRequest &request) override;
  QString SaveFileName(QWidget *, const TFileDialogRequest &request) override;
  bool PrintSetup(QWidget *, QPrinter &) override { return printSetupAccepted; }
  QColor Colour(QWidget *, const QColor &) override { return colour; }

private:
  QString next(const TFileDialogRequest &request);
};

} // namespace korvane::test
