// The bill window's side of the customer's quote: the job's details in the
// bill, the company the quote is from, and the quote number a quote is
// given before it leaves.
#include <QByteArray>
#include <QFileInfo>

#include "bill/job/BillDetailsEdit.h"
#include "bill/ui/BillForm.h"
#include "bill/ui/CompanyDlg.h"
#include "bill/ui/JobDetailsDlg.h"
#include "desktop/ScrivelEditor.h"

namespace korvane {

namespace {

std::string_view View(const QByteArray &bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

void TBillForm::ReplaceText(std::string_view now) {
  const QByteArray was = editor_->text().toUtf8();
  const std::string_view old = View(was);
  // Only the bytes that differ are replaced, whole characters of them, so
  // the caret, the marks and the rest of the Undo history stay.
  const auto inside = [](std::string_view text, std::size_t at) {
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
  };
  std::size_t head = 0;
  while (head < old.size() && head < now.size() && old[head] == now[head])
    ++head;
  while (head > 0 && (inside(old, head) || inside(now, head)))
    --head;
  std::size_t tail = 0;
  while (tail < old.size() - head && tail < now.size() - head &&
         old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
    ++tail;
  while (tail > 0 && (inside(old, old.size() - tail) || inside(now, now.size() - tail)))
    --tail;
  if (head == old.size() && head == now.size())
    return;
  const std::string middle(now.substr(head, now.size() - head - tail));
  editor_->beginUndoAction();
  editor_->SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(head));
  editor_->SendScintilla(QsciScintillaBase::SCI_SETTARGETEND,
                         static_cast<unsigned long>(old.size() - tail));
  editor_->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET,
                         static_cast<unsigned long>(middle.size()), middle.c_str());
  editor_->endUndoAction();
}

void TBillForm::JobDetailsClick() {
  const QByteArray text = editor_->text().toUtf8();
  TJobDetailsDlg dialog(ReadBillDetails(View(text)), this);
  if (services_.ExecDialog(dialog) != QDialog::Accepted)
    return;
  ReplaceText(WithBillDetails(View(text), dialog.Details()));
  Reprice();
}

void TBillForm::LoadCompany() {
  company_ = TCompanyProfile{};
  companyProblem_.clear();
  const std::string file = services_.CompanyFile.toStdString();
  if (file.empty() || !QFileInfo::exists(services_.CompanyFile))
    return;
  std::string error;
  if (!ReadCompanyProfile(file, company_, error))
    companyProblem_ = QString::fromStdString(error);
}

void TBillForm::CompanyClick() {
  TCompanyDlg dialog(company_, DialogsOf(services_), this);
  if (services_.ExecDialog(dialog) != QDialog::Accepted)
    return;
  const TCompanyProfile profile = dialog.Profile();
  std::string error;
  if (services_.CompanyFile.isEmpty() ||
      !WriteCompanyProfile(services_.CompanyFile.toStdString(), profile, error)) {
    Tell(TMsgKind::Error, TMsgButtons::Ok,
         tr("The company profile is used until this window closes, but it could not be "
            "kept: %1")
             .arg(error.empty() ? tr("no file to keep it in") : QString::fromStdString(error)));
  }
  company_ = profile;
  companyProblem_.clear();
  Reprice();
}

bool TBillForm::ReadyForQuote() {
  // Another window may have taken a quote number since this one read it.
  LoadCompany();
  if (!companyProblem_.isEmpty()) {
    Tell(TMsgKind::Error, TMsgButtons::Ok,
         tr("%1\n\nMend it with Bill > Company... before the quote is made.").arg(companyProblem_));
    return false;
  }
  const QByteArray text = editor_->text().toUtf8();
  for (const TDetailText &d : ReadBillDetails(View(text)))
    if (d.Field == "Quote number" && !d.Value.empty())
      return true;
  const QString number =
      QString::fromStdString(QuoteNumberText(company_.QuotePattern, company_.NextQuoteNumber));
  switch (Tell(TMsgKind::Confirmation, TMsgButtons::YesNoCancel,
               tr("This bill has no quote number.\n\nGive it %1, your next quote number? It is "
                  "written into the bill's job details.")
                   .arg(number))) {
  case TMsgResult::Yes:
    break;
  case TMsgResult::No:
    return true;
  default:
    return false;
  }
  ReplaceText(WithBillDetail(View(text), "Quote number", number.toStdString()));
  TCompanyProfile next = company_;
  ++next.NextQuoteNumber;
  std::string error;
  if (!services_.CompanyFile.isEmpty() &&
      !WriteCompanyProfile(services_.CompanyFile.toStdString(), next, error))
    Tell(TMsgKind::Warning, TMsgButtons::Ok,
         tr("The next quote number could not be kept: %1").arg(QString::fromStdString(error)));
  company_ = next;
  Reprice();
  return true;
}

} // namespace korvane
