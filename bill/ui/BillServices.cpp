#include "bill/ui/BillServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "bill/job/CompanyProfile.h"
#include "bill/ui/BillRecovery.h"
#include "costs/ui/PricesDlg.h"
#include "desktop/CurrencyFormat.h"
#include "desktop/KorvaneSettings.h"
#include "desktop/ProgramFolders.h"

namespace korvane {

TBillServices TBillServices::Batch(const QString &programDir) {
  TBillServices s;
  const TProgramFolders folders = RecordProgramFolders(programDir);
  s.ProgramDir = folders.ProgramDir;
  s.SharedDataDir = folders.SharedDataDir;
  s.SettingsFile = KorvaneSettingsFile();
  s.Currency = SystemCurrencyFormat();
  s.CompanyFile = QString::fromStdString(UserCompanyProfileFile());
  return s;
}

TBillServices TBillServices::Desktop(const QString &programDir) {
  TBillServices s = Batch(programDir);
  s.ExecCosts = [](TPricesDlg &dialog) {
    dialog.CentreOnScreen();
    return dialog.exec();
  };
  s.ExecDialog = [](QDialog &dialog) { return dialog.exec(); };
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
