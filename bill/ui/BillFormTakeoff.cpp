// The bill window's File > Import Take-off: a spreadsheet of items read into
// the bill it stands for, opened as a new bill not yet saved, with what the
// take-off said (columns not read, rows that cannot be priced) told once.
#include <algorithm>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "bill/RecoveryRecord.h"
#include "bill/takeoff/TakeoffFile.h"
#include "bill/ui/BillForm.h"

namespace korvane {

namespace {

// At most this many notes are listed; the bill's comment lines hold them all.
constexpr int kListedNotes = 12;

QString NotesText(const TTakeoffBill &bill, const QString &file) {
  const std::size_t bad = bill.BadRows();
  QStringList lines;
  for (const TTakeoffNote &note : bill.Notes())
    if (lines.size() < kListedNotes)
      lines << QString::fromStdString(note.Said());
  const std::size_t items = bill.Items();
  QString text = QObject::tr("%1 %2 read from %3.")
                     .arg(items)
                     .arg(items == 1 ? QObject::tr("item") : QObject::tr("items"), file);
  if (bad > 0)
    text += QObject::tr("\n%1 %2 cannot be priced: each is a comment line of the bill saying why.")
                .arg(bad)
                .arg(bad == 1 ? QObject::tr("row") : QObject::tr("rows"));
  if (!lines.isEmpty())
    text += QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
  if (bill.Notes().size() > std::size_t(kListedNotes))
    text += QObject::tr("\n... and %1 more").arg(bill.Notes().size() - std::size_t(kListedNotes));
  return text;
}

} // namespace

void TBillForm::ImportTakeoffClick() {
  const TFileDialogRequest request{
      tr("Import Take-off"), tr("Take-off (*.xlsx *.csv);;All files (*)"), QString(), BillDir()};
  const QString chosen = DialogsOr(services_.Dialogs).OpenFileName(this, request);
  if (chosen.isEmpty())
    return;
  const QString file = QFileInfo(chosen).fileName();
  TTakeoffBill bill(file.toStdString());
  std::string error;
  if (!ReadTakeoffFile(QFile::encodeName(chosen).toStdString(), {}, bill, error)) {
    Tell(TMsgKind::Error, TMsgButtons::Ok, QString::fromStdString(error));
    return;
  }
  TBillForm *form = OpenMadeBill(bill.Text(), chosen);
  form->Tell(bill.BadRows() > 0 ? TMsgKind::Warning : TMsgKind::Information, TMsgButtons::Ok,
             NotesText(bill, file));
}

} // namespace korvane
