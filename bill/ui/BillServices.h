#pragma once
// What a bill window needs from outside: the services every window shares
// (dialogs, message boxes, printer, clipboard, settings file), and its own:
// the program's folders, the currency and the cost editor's run, so a test
// can answer every dialog itself.
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "base/Format.h"
#include "base/MessageSink.h"
#include "desktop/DesktopServices.h"

class QDialog;
class QPagedPaintDevice;
class QWidget;

namespace korvane {

class TBillRecovery;
class TPricesDlg;

struct TBillServices : TDesktopServices {
  QString ProgramDir;    // the program's folder, trailing '/'
  QString SharedDataDir; // "Fittings.ini" and "FPrice.dta", trailing '/'
  TCurrencyFormat Currency;
  // Shows the cost editor and returns its result.
  std::function<int(TPricesDlg &dialog)> ExecCosts;
  // Shows one of the window's own dialogs (Job Details, Company) and
  // returns its result.
  std::function<int(QDialog &dialog)> ExecDialog;
  // How long korvane-price may take to make a bill of a building model.
  int ModelTimeLimitMs = 300'000;
  // The company profile the quotes are from, which the Company dialog
  // edits; empty: none.
  QString CompanyFile;
  // Where the windows keep their unsaved bills; null: nowhere.
  std::shared_ptr<TBillRecovery> Recovery;
  // Offers the unsaved bills found at start, one line each: true restores
  // them, false discards them.
  std::function<bool(const QStringList &bills)> AskRestore;

  // The real dialogs, for a program in `programDir`.
  static TBillServices Desktop(const QString &programDir);
  // The folders, settings, currency and company alone, for pricing with no
  // window (korvane-bill --export): no dialogs, no recovery files.
  static TBillServices Batch(const QString &programDir);
};

} // namespace korvane
