// The bill window's File > Import Model: a building model's ductwork made
// into a bill by korvane-price in a process of its own, opened as a new bill
// not yet saved, with what the model left unpriced told once.
#include <QDateTime>
#include <QFileInfo>

#include "bill/RecoveryRecord.h"
#include "bill/ui/BillForm.h"
#include "bill/ui/PricerProcess.h"

namespace korvane {

void TBillForm::ImportModelClick() {
  const TFileDialogRequest request{tr("Import Model"), tr("Building model (*.ifc);;All files (*)"),
                                   QString(), BillDir()};
  const QString chosen = DialogsOr(services_.Dialogs).OpenFileName(this, request);
  if (chosen.isEmpty())
    return;
  const TPricerRun run =
      RunPricerForBill(this, services_.ProgramDir + QStringLiteral("korvane-price"),
                       {QStringLiteral("--ifc"), chosen}, services_.ModelTimeLimitMs);
  if (!run.Made) {
    Tell(TMsgKind::Error, TMsgButtons::Ok,
         tr("No bill was made from %1.\n\n%2").arg(QFileInfo(chosen).fileName(), run.Said));
    return;
  }
  TBillForm *form = OpenMadeBill(run.BillText, chosen);
  if (!run.Said.isEmpty())
    form->Tell(TMsgKind::Warning, TMsgButtons::Ok,
               tr("From %1:\n\n%2").arg(QFileInfo(chosen).fileName(), run.Said));
}

} // namespace korvane
