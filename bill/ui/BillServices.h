#pragma once
// What a bill window needs from the desktop, gathered so a test can answer
// every dialog itself: file dialogs, message boxes, the print dialog and the
// cost editor's run.
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "base/Format.h"
#include "base/MessageSink.h"
#include "desktop/DesktopDialogs.h"

class QPagedPaintDevice;
class QWidget;

namespace korvane {

class TBillRecovery;
class TPricesDlg;

struct TBillServices {
  QString ProgramDir;    // the program's folder, trailing '/'
  QString SharedDataDir; // "Fittings.ini" and "FPrice.dta", trailing '/'
  QString SettingsFile;  // recent files; the calculator's last cost file
  TCurrencyFormat Currency;
  TDesktopDialogs *Dialogs = nullptr; // null: the platform's
  // Message boxes over the given window.
  std::function<TMsgResult(QWidget *parent, TMsgKind, TMsgButtons, const std::string &)> Message;
  // A printer chosen in the print dialog; null when cancelled or none.
  std::function<std::unique_ptr<QPagedPaintDevice>(QWidget *parent, const QString &title)> Printer;
  // Shows the cost editor and returns its result.
  std::function<int(TPricesDlg &dialog)> ExecCosts;
  // Where the windows keep their unsaved bills; null: nowhere.
  std::shared_ptr<TBillRecovery> Recovery;
  // Offers the unsaved bills found at start, one line each: true restores
  // them, false discards them.
  std::function<bool(const QStringList &bills)> AskRestore;

  // The real dialogs, for a program in `programDir`.
  static TBillServices Desktop(const QString &programDir);
};

} // namespace korvane
