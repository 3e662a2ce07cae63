#include "costs/ui/PricesDlg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

#include <cerrno>

#include "base/UserFolders.h"
#include "costs/CostFields.h"
#include "costs/CostFile.h"
#include "costs/FittingsFiles.h"
#include "costs/MakerFolders.h"
#include "costs/ui/CostValueEdit.h"
#include "costs/ui/RefDatePicker.h"
#include "costs/ui/ScrivelForm.h"
#include "costs/ui/SpiralFittingsForm.h"

namespace korvane {

namespace {

const QString kCostsFilter = QStringLiteral("Costs file (*.cst)");

// A memo that takes Return for itself, a grid or a list: keys are theirs.
bool OwnsReturn(const QWidget *w) {
  if (qobject_cast<const QAbstractItemView *>(w))
    return true;
  if (const auto *memo = qobject_cast<const QPlainTextEdit *>(w))
    return !memo->isReadOnly();
  if (const auto *memo = qobject_cast<const QTextEdit *>(w))
    return !memo->isReadOnly();
  return false;
}

bool OwnsArrows(const QWidget *w) {
  return qobject_cast<const QComboBox *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
         qobject_cast<const QTextEdit *>(w);
}

std::string Str(const QString &s) {
  return s.toStdString();
}

} // namespace

TPricesServices TPricesServices::Desktop() {
  TPricesServices s;
  s.execModal = [](QDialog &dialog) { dialog.exec(); };
  return s;
}

TPricesDlg::TPricesDlg(TPricesWorld world, TPricesServices services, QWidget *parent)
    : QDialog(parent), world_(std::move(world)), services_(std::move(services)) {
  BuildLayout();
  fittingsView_ = new TSpiralFittingsForm(world_.SpiralPriceTable, world_.CurrentCosts, this);
  SpiralBtn(TSpiralButton::Edit)->setEnabled(static_cast<bool>(services_.editFittingsIni));
  InstallKeyHandler();
}

TPricesDlg::~TPricesDlg() = default;

void TPricesDlg::SetIniEditor(TScrivelForm *form) {
  iniEditor_ = form;
  services_.editFittingsIni = [this](const QString &sharedDataDir) {
    if (iniEditor_)
      EditFittingsIni(*iniEditor_, sharedDataDir);
  };
  SpiralBtn(TSpiralButton::Edit)->setEnabled(form != nullptr);
}

TCostValueEdit *TPricesDlg::Field(std::string_view name) const {
  const std::span<const TCostField> all = CostFields();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i].name == name)
      return fields_[i];
  return nullptr;
}

void TPricesDlg::CentreOnScreen() {
  const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  adjustSize();
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

// ---- showing and the fields ------------------------------------------------

void TPricesDlg::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (event->spontaneous())
    return; // the window came back from being minimised: same showing
  UpdateCaption();
  FillFields();
  SpiralBtn(TSpiralButton::Edit)->setEnabled(static_cast<bool>(services_.editFittingsIni));
  backupCosts_ = world_.CurrentCosts;
  backupFileName_ = world_.CostFileName;
}

void TPricesDlg::UpdateCaption() {
  setWindowTitle(QStringLiteral("Costs : ") + QString::fromStdString(world_.CostFileName));
}

void TPricesDlg::FillFields() {
  refDate_->SetRefDate(world_.CurrentCosts.RefDate);
  const std::span<const TCostField> all = CostFields();
  for (std::size_t i = 0; i < all.size(); ++i) {
    fields_[i]->SetValue(Variant(world_.CurrentCosts.*all[i].member));
    fields_[i]->setModified(false);
  }
}

bool TPricesDlg::FieldValue(std::size_t index, double &value) {
  TCostValueEdit *edit = fields_[index];
  edit->CommitValue();
  const Variant read = edit->GetValue();
  if (read.kind() == Variant::Kind::Double) {
    value = read.asDouble();
    return true;
  }
  const TCostField &field = CostFields()[index];
  pages_->setCurrentIndex(static_cast<int>(field.page));
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
  world_.Sink.Show(TMsgKind::Error, TMsgButtons::Ok,
                   "'" + Str(edit->text()) + "' is not a valid number for " +
                       std::string(field.label) + " (" + std::string(field.group) + ").");
  return false;
}

bool TPricesDlg::FieldValues(TCostRec &out) {
  // Nothing is stored until every field reads as a number.
  out = world_.CurrentCosts;
  out.RefDate = refDate_->RefDate();
  const std::span<const TCostField> all = CostFields();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (!FieldValue(i, out.*all[i].member))
      return false;
  return true;
}

bool TPricesDlg::ReadFields() {
  TCostRec values{};
  if (!FieldValues(values))
    return false;
  world_.CurrentCosts = values;
  return true;
}

// ---- buttons ---------------------------------------------------------------

void TPricesDlg::OkClick() {
  if (!ReadFields())
    return;
  if (!world_.CostFileName.empty() && !SaveOrOfferOwnFile(world_.CostFileName))
    return; // the user may try another name
  done(kPricesOk);
}

void TPricesDlg::CancelClick() {
  // Reloading tells the user now when the file has become unreadable.
  if (!world_.CostFileName.empty())
    LoadCostFile(OnDisk(world_.CostFileName), world_.CurrentCosts, world_.Sink);
  reject();
}

std::string TPricesDlg::OnDisk(const std::string &name) const {
  return FromProgramDir(world_.ProgramDir, name);
}

bool TPricesDlg::SaveOrOfferOwnFile(const std::string &name) {
  std::string why;
  const std::string path = OnDisk(name);
  if (WriteCostFile(path, world_.CurrentCosts, why)) {
    world_.CostFileName = name;
    UpdateCaption();
    return true;
  }
  // The shipped file under /opt is read-only for the user: the edits go to
  // a file of the user's own rather than nowhere. The file is named as the
  // user knows it: ".../Tarnwell/Data Files/...", not ".../Korvane/../...".
  const std::string shown = Str(QDir::cleanPath(QString::fromStdString(path)));
  const TMsgResult answer =
      world_.Sink.Show(TMsgKind::Confirmation, TMsgButtons::YesNo,
                       CostFileNotWrittenText(shown, why) + "\r\n\r\n" + kSaveCostsAsOwn);
  return answer == TMsgResult::Yes && SaveInOwnFolder(name);
}

bool TPricesDlg::SaveInOwnFolder(const std::string &name) {
  const QString folder = QString::fromStdString(UserDataFilesFolder());
  QDir().mkpath(folder);
  QString file = QFileInfo(QString::fromStdString(name)).fileName();
  if (file.isEmpty())
    file = QStringLiteral("Default.cst");
  const QString chosen = DialogsOr(services_.dialogs)
                             .SaveFileName(this, {QStringLiteral("Save costs file"), kCostsFilter,
                                                  QStringLiteral("cst"), folder + file});
  return !chosen.isEmpty() && SaveOrOfferOwnFile(Str(chosen));
}

void TPricesDlg::reject() {
  world_.CurrentCosts = backupCosts_;
  world_.CostFileName = backupFileName_;
  done(kPricesCancel);
}

QString TPricesDlg::StartFolder() const {
  const QString name = QString::fromStdString(OnDisk(world_.CostFileName));
  const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
  if (slash == 0)
    return QStringLiteral("/");
  if (slash > 0)
    return name.left(slash);
  return QString::fromStdString(world_.ProgramDir) + QStringLiteral("../Data Files");
}

void TPricesDlg::OpenClick() {
  const QString chosen = DialogsOr(services_.dialogs)
                             .OpenFileName(this, {QStringLiteral("Open costs file"), kCostsFilter,
                                                  QStringLiteral("cst"), StartFolder()});
  if (chosen.isEmpty())
    return;
  const std::string oldName = world_.CostFileName;
  world_.CostFileName = Str(chosen);
  if (LoadCostFile(world_.CostFileName, world_.CurrentCosts, world_.Sink)) {
    FillFields();
    UpdateCaption();
  } else {
    world_.CostFileName = oldName;
  }
}

void TPricesDlg::SaveClick() {
  // A field that is no number is reported before a name is asked for.
  TCostRec values{};
  if (!FieldValues(values))
    return;
  const QString name = QString::fromStdString(world_.CostFileName);
  QString start = StartFolder();
  // A folder the user may not write in (the shipped one) is no place to
  // start: the user's own data folder is.
  if (!QFileInfo(start).isWritable()) {
    start = QString::fromStdString(UserDataFilesFolder());
    QDir().mkpath(start);
  }
  if (!name.isEmpty())
    start += QLatin1Char('/') + name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
  // The file is replaced without a question: the dialog is about this file.
  const QString chosen = DialogsOr(services_.dialogs)
                             .SaveFileName(this, {QStringLiteral("Save costs file"), kCostsFilter,
                                                  QStringLiteral("cst"), start, false});
  if (chosen.isEmpty())
    return;
  world_.CurrentCosts = values;
  SaveOrOfferOwnFile(Str(chosen));
}

void TPricesDlg::InsertClick() {
  if (world_.CostFileName.empty()) {
    world_.Sink.Show(TMsgKind::Warning, TMsgButtons::Ok, kSaveCostsFirst);
    return;
  }
  // The costs are saved first, so the bill names the file they went to (a
  // file of the user's own when the old one was read-only) and is left as it
  // was when they could not be saved at all.
  if (!ReadFields() || !SaveOrOfferOwnFile(world_.CostFileName))
    return;
  const int rc = billHost_
                     ? billHost_->InsertCostsLine(services_.billScratchPath, world_.CostFileName)
                     : EINVAL;
  if (rc != 0)
    world_.Sink.Show(TMsgKind::Warning, TMsgButtons::Ok, kErrorInsertingCosts);
  done(kPricesOk);
}

// ---- the Spiral page -------------------------------------------------------

bool TPricesDlg::StoreFittingFactor() {
  const TCostField *factor = FindCostField("CSpiralFittingFact");
  double value = 0.0;
  if (!FieldValue(static_cast<std::size_t>(factor - CostFields().data()), value))
    return false;
  world_.CurrentCosts.SpiralFittingFact = value;
  return true;
}

void TPricesDlg::ViewFittingsClick() {
  if (StoreFittingFactor() && services_.execModal)
    services_.execModal(*fittingsView_);
}

void TPricesDlg::PrintFittingsClick() {
  if (StoreFittingFactor())
    PrintSpiralPriceList(world_.SpiralPriceTable, world_.CurrentCosts, world_.Sink,
                         services_.openPrintDevice);
}

void TPricesDlg::EditFittingsClick() {
  if (!services_.editFittingsIni)
    return;
  services_.editFittingsIni(QString::fromStdString(world_.SharedDataDir));
  ReadFittingsClick();
}

void TPricesDlg::ReadFittingsClick() {
  ReadFittingsIni(world_.SpiralPriceTable, world_.SharedDataDir, world_.Sink, world_.EndProgram);
}

void TPricesDlg::ResetFittingsClick() {
  if (ReadFactoryPrices(world_.SpiralPriceTable, world_.SharedDataDir, world_.Sink,
                        world_.EndProgram))
    WriteFittingsIni(world_.SpiralPriceTable, world_.SharedDataDir, world_.Sink, world_.EndProgram);
}

// ---- keys ------------------------------------------------------------------

void TPricesDlg::InstallKeyHandler() {
  // The dialog sees each key before the control that has the focus.
  for (QWidget *w : findChildren<QWidget *>())
    w->installEventFilter(this);
}

bool TPricesDlg::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
    auto *w = static_cast<QWidget *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (w->window() == this && mods == Qt::NoModifier && HandleKey(w, key->key()))
      return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TPricesDlg::HandleKey(QWidget *focused, int key) {
  if (OwnsReturn(focused))
    return false;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    focusNextChild();
    return true;
  }
  if (OwnsArrows(focused))
    return false;
  if (key == Qt::Key_Down) {
    focusNextChild();
    return true;
  }
  if (key == Qt::Key_Up) {
    focusPreviousChild();
    return true;
  }
  return false;
}

} // namespace korvane
