// The bill window's recovery file: while the bill has unsaved changes, a copy
// of its text under the user's state folder, at most kRecoveryDelayMs after
// each change; and at start, the bills that runs now gone left there.
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QStatusBar>

#include "bill/RecoveryRecord.h"
#include "bill/ui/BillForm.h"
#include "bill/ui/BillRecovery.h"
#include "desktop/MessageBoxSink.h"
#include "desktop/ScrivelEditor.h"

namespace korvane {

namespace {

QString ChangedText(const TFoundBill &bill) {
  QDateTime when = bill.Read.Record.ChangedAt > 0
                       ? QDateTime::fromSecsSinceEpoch(bill.Read.Record.ChangedAt)
                       : QFileInfo(bill.File).lastModified();
  when = when.toLocalTime();
  const QLocale locale = QLocale::system();
  return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(when.time(), QLocale::LongFormat);
}

// "job.dct, changed 03/01/2026 14:05:09 SAST", "Untitled, changed ...".
QString OfferLine(const TFoundBill &bill) {
  const std::string &path = bill.Read.Record.BillPath;
  QString line = path.empty() || bill.Read.State != TRecoveryState::Good
                     ? QStringLiteral("Untitled")
                     : QFileInfo(QString::fromStdString(path)).fileName();
  line += QStringLiteral(", changed ") + ChangedText(bill);
  if (bill.Read.State == TRecoveryState::Damaged)
    line += QStringLiteral(" (damaged: restored as the text it holds)");
  return line;
}

} // namespace

QString TBillForm::RecoveryFile() const {
  return recoverySlot_ != 0 ? services_.Recovery->FileOf(recoverySlot_) : QString();
}

bool TBillForm::Unsaved() const {
  return restoredUnsaved_ || editor_->isModified();
}

void TBillForm::TextChanged() {
  priceTimer_.start();
  changedAt_ = QDateTime::currentSecsSinceEpoch();
  // Not restarted by every keystroke: steady typing is kept too, at most
  // one delay behind.
  if (recoverySlot_ != 0 && !recoveryTimer_.isActive())
    recoveryTimer_.start();
}

bool TBillForm::KeepRecovery() {
  recoveryTimer_.stop();
  if (recoverySlot_ == 0)
    return false;
  if (!Unsaved()) {
    DropRecovery();
    return true;
  }
  const QByteArray text = editor_->text().toUtf8();
  const TRecoveryRecord record{
      path_.toStdString(), changedAt_,
      std::string(text.constData(), static_cast<std::size_t>(text.size()))};
  QString why;
  if (services_.Recovery->Keep(recoverySlot_, record, &why))
    return true;
  statusBar()->showMessage(tr("No recovery copy of this bill can be kept: %1").arg(why));
  return false;
}

void TBillForm::DropRecovery() {
  recoveryTimer_.stop();
  if (recoverySlot_ != 0)
    services_.Recovery->Drop(recoverySlot_);
}

TBillForm *TBillForm::OpenMadeBill(const std::string &text, const QString &source) {
  // Opened as a restored bill is: new, unsaved, kept for recovery.
  const TRecoveryRecord record{{}, QDateTime::currentSecsSinceEpoch(), text};
  TBillForm *form = RestoreWindow(services_, record);
  form->untitled_ = QFileInfo(source).completeBaseName() + QStringLiteral(".dct");
  form->UpdateCaption();
  form->KeepRecovery();
  return form;
}

TBillForm *TBillForm::RestoreWindow(const TBillServices &services, const TRecoveryRecord &record) {
  auto *form = new TBillForm(services);
  // As it was kept, byte for byte: the text came from the editor itself.
  // Undo does not go back to an empty window.
  form->editor_->setText(
      QString::fromUtf8(record.Text.data(), static_cast<qsizetype>(record.Text.size())));
  form->editor_->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  form->editor_->setModified(false);
  // Unsaved until saved, whatever Undo does: closing asks first.
  form->restoredUnsaved_ = true;
  form->path_ = record.BillPath.empty() ? QString() : QString::fromStdString(record.BillPath);
  form->changedAt_ = record.ChangedAt;
  form->UpdateCaption();
  form->show();
  return form;
}

int TBillForm::OfferLeftBehind(const TBillServices &services) {
  if (!services.Recovery)
    return 0;
  TBillRecovery &recovery = *services.Recovery;
  TMessageBoxSink boxes;
  TMessageSink &sink = services.Messages ? *services.Messages : boxes;
  if (!recovery.Usable()) {
    // Said once, at start: the user then knows to save often.
    sink.Show(TMsgKind::Warning, TMsgButtons::Ok,
              QStringLiteral("Unsaved bills cannot be kept for recovery (%1): save often.")
                  .arg(recovery.Why())
                  .toStdString());
    return 0;
  }
  const std::vector<TFoundBill> found = recovery.TakeLeftBehind();
  std::vector<const TFoundBill *> offered;
  QStringList lines;
  for (const TFoundBill &bill : found) {
    if (bill.Read.State == TRecoveryState::Newer) {
      sink.Show(TMsgKind::Warning, TMsgButtons::Ok,
                QStringLiteral("%1 holds an unsaved bill kept by a newer version of "
                               "Korvane Bill; it is left for that version to restore.")
                    .arg(bill.File)
                    .toStdString());
      continue;
    }
    offered.push_back(&bill);
    lines << OfferLine(bill);
  }
  QStringList keep;
  int opened = 0;
  if (!offered.empty() && services.AskRestore && services.AskRestore(lines)) {
    for (const TFoundBill *bill : offered) {
      TRecoveryRecord record = bill->Read.Record;
      // A damaged file's path may belong to another bill: the user names it.
      if (bill->Read.State != TRecoveryState::Good)
        record.BillPath.clear();
      TBillForm *form = RestoreWindow(services, record);
      ++opened;
      if (!form->KeepRecovery())
        keep << bill->File; // the old copy stays until a new one is safe
    }
  }
  recovery.ForgetLeftBehind(keep);
  return opened;
}

} // namespace korvane
