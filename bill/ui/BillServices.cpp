#include "bill/ui/BillServices.h"

#include "costs/ui/PricesDlg.h"
#include "desktop/CurrencyFormat.h"
#include "desktop/KorvaneSettings.h"
#include "desktop/ProgramFolders.h"

namespace korvane {

TBillServices TBillServices::Desktop(const QString &programDir) {
  TBillServices s;
  const TProgramFolders folders = RecordProgramFolders(programDir);
  s.ProgramDir = folders.ProgramDir;
  s.SharedDataDir = folders.SharedDataDir;
  s.SettingsFile = KorvaneSettingsFile();
  s.Currency = SystemCurrencyFormat();
  s.ExecCosts = [](TPricesDlg &dialog) {
    dialog.CentreOnScreen();
    return dialog.exec();
  };
  return s;
}

} // namespace korvane
