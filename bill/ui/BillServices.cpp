#include "bill/ui/BillServices.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "costs/ui/PricesDlg.h"
#include "desktop/CurrencyFormat.h"
#include "desktop/KorvaneSettings.h"
#include "desktop/MessageBoxSink.h"
#include "desktop/ProgramFolders.h"

namespace korvane {

TBillServices TBillServices::Desktop(const QString &programDir) {
  TBillServices s;
  const TProgramFolders folders = RecordProgramFolders(programDir);
  s.ProgramDir = folders.ProgramDir;
  s.SharedDataDir = folders.SharedDataDir;
  s.SettingsFile = KorvaneSettingsFile();
  s.Currency = SystemCurrencyFormat();
  s.Message = [](QWidget *parent, TMsgKind kind, TMsgButtons buttons, const std::string &text) {
    TMessageBoxSink sink(parent);
    return sink.Show(kind, buttons, text);
  };
  s.Printer = [](QWidget *parent, const QString &title) -> std::unique_ptr<QPagedPaintDevice> {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
      return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(title);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
      return nullptr;
    return printer;
  };
  s.ExecCosts = [](TPricesDlg &dialog) {
    dialog.CentreOnScreen();
    return dialog.exec();
  };
  return s;
}

} // namespace korvane
