// The bill window's files: open, save, recent files, the quote's export and
// print, and the cost editor.
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include "base/FileIO.h"
#include "bill/BillLexer.h"
#include "bill/CostsLine.h"
#include "bill/job/BillTextJob.h"
#include "bill/job/CustomerQuote.h"
#include "bill/ui/BillExport.h"
#include "bill/ui/BillForm.h"
#include "bill/ui/BillPricing.h"
#include "bill/ui/DuctSyntax.h"
#include "bill/ui/QuotePrint.h"
#include "costs/CostFile.h"
#include "costs/FittingsFiles.h"
#include "costs/MakerFolders.h"
#include "costs/ui/PricesDlg.h"
#include "desktop/MessageBoxSink.h"
#include "desktop/ScrivelEditor.h"
#include "desktop/SettingsKeys.h"

namespace korvane {

namespace {

const QString kRecentKey = SettingsKeys::kBillRecentFiles;
// Time enough for a window that opens on a bill to draw itself first.
constexpr int kRecentWriteDelayMs = 250;

} // namespace

TMessageSink &TBillForm::Messages() {
  if (services_.Messages)
    return *services_.Messages;
  if (!boxSink_)
    boxSink_ = std::make_unique<TMessageBoxSink>(this);
  return *boxSink_;
}

TMsgResult TBillForm::Tell(TMsgKind kind, TMsgButtons buttons, const QString &text) {
  return Messages().Show(kind, buttons, text.toStdString());
}

bool TBillForm::LoadFile(const QString &path) {
  std::string bytes;
  std::string error;
  if (!ReadFileBytes(path.toStdString(), bytes, &error, TBillLexer::kMaxBillBytes)) {
    Tell(TMsgKind::Error, TMsgButtons::Ok,
         tr("Cannot open %1: %2").arg(path, QString::fromStdString(error)));
    return false;
  }
  // Any bytes load: what is no UTF-8 shows as replacement characters.
  editor_->SetFileText(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
  editor_->setModified(false);
  restoredUnsaved_ = false;
  path_ = QFileInfo(path).absoluteFilePath();
  AddRecent(path_);
  UpdateCaption();
  priceTimer_.start();
  return true;
}

bool TBillForm::Save() {
  return path_.isEmpty() ? SaveAs() : SaveTo(path_);
}

bool TBillForm::SaveAs() {
  TFileDialogRequest request{tr("Save Bill As"), TDuctSyntax::FileFilter(), QStringLiteral("dct"),
                             path_.isEmpty() ? BillName() : path_};
  const QString chosen = DialogsOr(services_.Dialogs).SaveFileName(this, request);
  return !chosen.isEmpty() && SaveTo(chosen);
}

bool TBillForm::SaveTo(const QString &path) {
  const QByteArray bytes = editor_->text().toUtf8();
  std::string error;
  if (!AtomicWriteFile(path.toStdString(),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       &error)) {
    Tell(TMsgKind::Error, TMsgButtons::Ok,
         tr("Cannot save %1: %2").arg(path, QString::fromStdString(error)));
    return false;
  }
  const bool renamed = QFileInfo(path).absoluteFilePath() != path_;
  path_ = QFileInfo(path).absoluteFilePath();
  restoredUnsaved_ = false;
  editor_->setModified(false);
  DropRecovery();
  AddRecent(path_);
  UpdateCaption();
  if (renamed)
    Reprice(); // a Costs line resolves against the new folder
  return true;
}

bool TBillForm::ConfirmDiscard() {
  if (!Unsaved())
    return true;
  return GoOnAfterSaveQuestion(Tell(TMsgKind::Confirmation, TMsgButtons::YesNoCancel,
                                    tr("Save changes to %1?").arg(BillName())),
                               [this] { return Save(); });
}

void TBillForm::NewClick() {
  OpenWindow(services_);
}

void TBillForm::OpenClick() {
  TFileDialogRequest request{tr("Open Bill"), TDuctSyntax::FileFilter(), QStringLiteral("dct"),
                             BillDir()};
  const QString chosen = DialogsOr(services_.Dialogs).OpenFileName(this, request);
  if (chosen.isEmpty())
    return;
  OpenPath(chosen);
}

QStringList TBillForm::RecentFiles() const {
  const QSettings settings(SettingsFileOf(services_), QSettings::IniFormat);
  return WithUnwritten(settings.value(kRecentKey).toStringList());
}

QStringList TBillForm::WithUnwritten(QStringList stored) const {
  for (auto path = unwrittenRecent_.crbegin(); path != unwrittenRecent_.crend(); ++path) {
    stored.removeAll(*path);
    stored.prepend(*path);
  }
  while (stored.size() > kRecentCount)
    stored.removeLast();
  return stored;
}

void TBillForm::AddRecent(const QString &path) {
  const bool waiting = !unwrittenRecent_.isEmpty();
  unwrittenRecent_.removeAll(path);
  unwrittenRecent_.prepend(path);
  if (isVisible())
    WriteRecent();
  else if (!waiting)
    QTimer::singleShot(kRecentWriteDelayMs, this, &TBillForm::WriteRecent);
}

void TBillForm::WriteRecent() {
  if (unwrittenRecent_.isEmpty())
    return;
  // Put first in the list as it is now: another window may have changed it.
  QSettings settings(SettingsFileOf(services_), QSettings::IniFormat);
  settings.setValue(kRecentKey, WithUnwritten(settings.value(kRecentKey).toStringList()));
  unwrittenRecent_.clear();
}

void TBillForm::FillRecentMenu() {
  recentMenu_->clear();
  for (const QString &path : RecentFiles())
    recentMenu_->addAction(QDir::toNativeSeparators(path), this, [this, path] { OpenPath(path); });
  recentMenu_->setEnabled(!recentMenu_->isEmpty());
}

bool TBillForm::Export(const TJobFormat &format, const QString &path) {
  Reprice();
  const QByteArray text = editor_->text().toUtf8();
  TBillExportResult result;
  if (!ExportBill(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                  PriceRequest(), format, path, QuotePaper(SettingsFileOf(services_)), result)) {
    Tell(TMsgKind::Error, TMsgButtons::Ok,
         tr("%1 could not be written to %2:\n%3")
             .arg(QString::fromUtf8(format.Title.data(), qsizetype(format.Title.size())),
                  QDir::toNativeSeparators(path), QString::fromStdString(result.Error)));
    return false;
  }
  if (!result.Warning.empty())
    Tell(TMsgKind::Warning, TMsgButtons::Ok, QString::fromStdString(result.Warning));
  return true;
}

bool TBillForm::ExportHtml(const QString &path) {
  return Export(*FindJobFormat("html"), path);
}

bool TBillForm::ExportPdf(const QString &path) {
  return Export(*FindJobFormat("pdf"), path);
}

bool TBillForm::LayoutOn(QPagedPaintDevice &device) {
  // The printed quote is drawn from the same document as the HTML one.
  TCustomerQuote quote;
  TJobTotals totals;
  std::string fatal;
  if (!PriceInto({&quote}, totals, fatal))
    return false;
  if (const std::string_view warning = quote.Warning(); !warning.empty())
    Tell(TMsgKind::Warning, TMsgButtons::Ok,
         QString::fromUtf8(warning.data(), qsizetype(warning.size())));
  return DrawQuote(device, quote.Document());
}

QString TBillForm::AskExportPath(const TJobFormat &format) {
  const QString title = QString::fromUtf8(format.Title.data(), qsizetype(format.Title.size()));
  const QString suffix =
      QString::fromUtf8(format.Extension.data(), qsizetype(format.Extension.size()));
  // A new bill's export goes where the user's files are, never into the
  // folder the program happened to start in.
  const QString folder = path_.isEmpty() ? QDir::homePath() + '/' : BillDir();
  const QString proposed = folder + QFileInfo(BillName()).completeBaseName() + '.' + suffix;
  return DialogsOr(services_.Dialogs)
      .SaveFileName(this, {tr("Export %1").arg(title),
                           QStringLiteral("%1 (*.%2)").arg(title, suffix), suffix, proposed});
}

bool TBillForm::ConfirmLeftOut(const QString &what) {
  Reprice();
  if (summary_.Notes.empty())
    return true;
  // The first lines say enough; the rest are on the results' second page.
  constexpr std::size_t kListed = 12;
  QString list;
  for (std::size_t i = 0; i < summary_.Notes.size() && i < kListed; ++i)
    list += QString::fromStdString(summary_.Notes[i].Text) + '\n';
  if (summary_.Notes.size() > kListed)
    list += tr("and %1 more\n").arg(summary_.Notes.size() - kListed);
  return Tell(TMsgKind::Warning, TMsgButtons::YesNo,
              tr("These lines are not priced and stay out of the %1:\n\n%2\nGo on without "
                 "them?")
                  .arg(what, list)) == TMsgResult::Yes;
}

void TBillForm::ExportClick(const TJobFormat &format, bool asked) {
  if (!asked && !ConfirmLeftOut(format.Make ? tr("export") : tr("quote")))
    return;
  if (!asked && format.ForCustomer && !ReadyForQuote())
    return;
  const QString path = AskExportPath(format);
  if (!path.isEmpty() && Export(format, path))
    statusBar()->showMessage(
        tr("%1 written to %2")
            .arg(QString::fromUtf8(format.Title.data(), qsizetype(format.Title.size())),
                 QDir::toNativeSeparators(path)));
}

void TBillForm::PrintClick() {
  if (!ConfirmLeftOut(tr("quote")) || !ReadyForQuote())
    return;
  if (!PrinterAvailable(services_)) {
    if (Tell(TMsgKind::Confirmation, TMsgButtons::YesNo,
             tr("No printer is set up on this computer.\n\nExport the quote as a PDF instead?")) ==
        TMsgResult::Yes)
      ExportClick(*FindJobFormat("pdf"), true);
    return;
  }
  const std::unique_ptr<QPagedPaintDevice> printer = ChoosePrinter(services_, this, BillName());
  if (!printer)
    return;
  if (!LayoutOn(*printer))
    Tell(TMsgKind::Error, TMsgButtons::Ok, tr("Error printing the quote"));
}

int TBillForm::InsertCostsLine(const std::string &, std::string_view costFileName) {
  const QByteArray was = editor_->text().toUtf8();
  ReplaceText(
      SetCostsLine(std::string_view(was.constData(), std::size_t(was.size())), costFileName));
  SetBillModified(true);
  return 0;
}

void TBillForm::CostsClick() {
  Reprice();
  // The cost file the bill prices with: its Costs line, else the last one.
  std::string name =
      job_->Info().CostFile.empty() ? BillFallbackCostFile(services_) : job_->Info().CostFile;
  // The shipped default is named from the program's folder.
  if (name == kDefaultCostFile)
    name = services_.ProgramDir.toStdString() + name;
  // Insert writes this name into the bill, which may be saved anywhere: a
  // full path keeps the Costs line pointing at the same file.
  if (!name.empty())
    name =
        QDir::cleanPath(QFileInfo(QString::fromStdString(name)).absoluteFilePath()).toStdString();
  costFileName_ = name;
  costs_ = DefaultCosts();
  if (!costFileName_.empty() && FileExists(costFileName_))
    LoadCostFile(costFileName_, costs_, Messages());
  const std::string dataDir = services_.SharedDataDir.toStdString();
  bool ended = false;
  ReadFittingsIni(spiralPrices_, dataDir, Messages(), [&ended] { ended = true; });
  if (ended)
    return;
  TPricesWorld world{costs_,     costFileName_, spiralPrices_,
                     Messages(), [] {},         services_.ProgramDir.toStdString(),
                     dataDir};
  TPricesServices prices = TPricesServices::Desktop();
  prices.dialogs = services_.Dialogs;
  // The cost editor's scratch bill lives while the dialog is open: made here,
  // not with the window, so a window that never opens the costs leaves no
  // folder behind even when it is killed.
  const QTemporaryDir scratch;
  prices.billScratchPath = scratch.filePath(QString::fromLatin1(kBillScratchName)).toStdString();
  TPricesDlg dialog(std::move(world), std::move(prices), this);
  // Here there is a bill for Insert to write into.
  dialog.SetBillHost(this);
  dialog.InsertBtn()->setEnabled(true);
  if (services_.ExecCosts(dialog) == kPricesOk)
    Reprice();
}

} // namespace korvane
