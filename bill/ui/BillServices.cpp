#include "bill/ui/BillServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "app/ui/CurrencyFormat.h"
#include "app/ui/ProgramFolders.h"
#include "bill/ui/BillRecovery.h"
#include "costs/ui/PricesDlg.h"
#include "desktop/KorvaneSettings.h"
#include "desktop/MessageBoxSink.h"

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
  s.Recovery = std::make_shared<TBillRecovery>();
  s.AskRestore = [](const QStringList &bills) {
    QMessageBox box(QMessageBox::Question,
                    QApplication::applicationName() + QStringLiteral(" Bill"),
                    QStringLiteral("These bills were not saved when Korvane Bill last ended:"));
    box.setInformativeText(bills.join(QLatin1Char('\n')) +
                           QStringLiteral("\n\nRestore opens each in its window; Discard "
                                          "deletes them."));
    QPushButton *restore = box.addButton(QStringLiteral("&Restore"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    // Escape keeps the work: only a deliberate Discard throws it away.
    box.setDefaultButton(restore);
    box.setEscapeButton(restore);
    box.exec();
    return box.clickedButton() == restore;
  };
  return s;
}

} // namespace korvane
