// TFormKorvane: what the window does when the user acts.
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QToolButton>

#include "app/ItemFile.h"
#include "app/ui/AboutBoxDlg.h"
#include "app/ui/FormKorvane.h"
#include "app/ui/FormSettings.h"
#include "app/ui/HelpMenu.h"
#include "app/ui/MapiControl.h"
#include "bill/BillLine.h"
#include "controls/ui/EntryGrid.h"
#include "costs/CostFile.h"
#include "desktop/DesktopDialogs.h"
#include "desktop/KorvaneSettings.h"

namespace korvane {

namespace {

const QString kItemOpenFilter = QStringLiteral("Korvane file (*.kvd)");
const QString kItemSaveFilter = QStringLiteral("Korvane File (*.kvd)");
const QString kCostFilter = QStringLiteral("Cost file (*.cst)");

bool IsOn(const TEntryGrid &grid, int row) {
  try {
    return grid.GetData(1, row).toInt() != 0;
  } catch (const std::exception &) {
    return false;
  }
}

} // namespace

// ---- showing a type and solving ------------------------------------------------

void TFormKorvane::ShowCurrentType() {
  const int index = ComboDuctType->currentIndex();
  if (index < 0 || index >= kTypeCount)
    return;
  try {
    TCatalogue &catalogue = world_.Catalogue;
    catalogue.CurrentType = index;
    GridDimensions->SetLines(catalogue.RowSpecs[static_cast<std::size_t>(index)]);
    const TMyVarArray &values = catalogue.ItemValues[static_cast<std::size_t>(index)];
    for (int r = 1; r <= static_cast<int>(values.size()) && r < GridDimensions->RowCount(); ++r)
      GridDimensions->SetData(1, r, values[static_cast<std::size_t>(r - 1)]);
    SolveItem();
  } catch (const std::exception &) {
    // A type that cannot be shown leaves the window as it is.
  }
}

void TFormKorvane::SolveItem() {
  korvane::SolveItem({world_.Engine, world_.CostFileName, world_.Currency},
                     world_.Catalogue.CurrentType, GridDimensions->Rows(), report_);
  showReport();
}

void TFormKorvane::showReport() {
  showDetails();
  StatusPanel->setText(QString::fromStdString(report_.StatusText));
  const QString hint = QString::fromStdString(report_.RatesText);
  StatusPanel->setToolTip(hint);
  StatusBar1->setToolTip(hint);
}

void TFormKorvane::showDetails() {
  if (!memo_)
    return;
  std::string details = report_.Details.Joined("\n");
  if (!details.empty() && details.back() == '\n')
    details.pop_back();
  memo_->setPlainText(QString::fromStdString(details));
}

QString TFormKorvane::StatusText() const {
  return StatusPanel->text();
}

QString TFormKorvane::StatusHint() const {
  return StatusBar1->toolTip();
}

void TFormKorvane::GridDimensionsDoSetData(int, int ARow) {
  TMyVarArray &values =
      world_.Catalogue.ItemValues[static_cast<std::size_t>(world_.Catalogue.CurrentType)];
  if (ARow >= 1 && ARow <= static_cast<int>(values.size()))
    values[static_cast<std::size_t>(ARow - 1)] = GridDimensions->GetData(1, ARow);
  SolveItem();
}

void TFormKorvane::GridOptionsDoSetData(int, int ARow) {
  switch (ARow) {
  case 1:
    world_.CostFileName = optionsGrid_->GetData(1, 1).toText();
    if (!loadCostFile()) {
      world_.CostFileName = world_.LastCostFile;
      loadCostFile();
      optionsGrid_->SetData(1, 1, Variant(world_.CostFileName));
    }
    world_.LastCostFile = world_.CostFileName;
    break;
  case 2:
    world_.Engine.settings.ErectionIncluded = IsOn(*optionsGrid_, 2);
    break;
  case 3:
    world_.Engine.settings.BracketsIncluded = IsOn(*optionsGrid_, 3);
    break;
  default:
    break;
  }
  SolveItem();
}

int TFormKorvane::EditCostFile(Variant &Value) {
  world_.CostFileName = Value.toText();
  int result = mrCancel;
  if (services_.CostFileEditor) {
    result = services_.CostFileEditor(*this, Value);
  } else {
    // Until the cost editor takes this row over, the row chooses a file.
    const QString chosen = dialogs_->OpenFileName(
        this, {QStringLiteral("Cost File"), kCostFilter, QStringLiteral("cst"),
               QString::fromStdString(world_.CostFileName)});
    if (!chosen.isEmpty()) {
      world_.CostFileName = chosen.toStdString();
      result = mrOk;
    }
  }
  Value = Variant(world_.CostFileName);
  SolveItem();
  return result;
}

void TFormKorvane::ButtonSolveClick() {
  // The tool bar's Solve also takes up changes made to the cost file on disk.
  loadCostFile();
  SolveItem();
}

void TFormKorvane::ActionCloseExecute() {
  close();
}

// ---- item files and the clipboard ----------------------------------------------

void TFormKorvane::ActionOpenExecute() {
  const QString name =
      dialogs_->OpenFileName(this, {QStringLiteral("Open"), kItemOpenFilter, QStringLiteral("kvd"),
                                    QString::fromStdString(world_.ItemFileName)});
  if (name.isEmpty())
    return;
  world_.ItemFileName = name.toStdString();
  LoadItemFile(world_.ItemFileName, world_.Catalogue.ItemValues, *messages_);
  ShowCurrentType();
}

void TFormKorvane::ActionSaveExecute() {
  const QString name = dialogs_->SaveFileName(this, {QStringLiteral("Save As"), kItemSaveFilter,
                                                     QStringLiteral("kvd"),
                                                     QString::fromStdString(world_.ItemFileName)});
  if (name.isEmpty())
    return;
  world_.ItemFileName = name.toStdString();
  const QLocale locale = QLocale::system();
  const QString when = locale.toString(QDate::currentDate(), QLocale::ShortFormat) +
                       QLatin1Char(' ') +
                       locale.toString(QTime::currentTime(), QLocale::LongFormat);
  SaveItemFile(world_.ItemFileName, world_.Catalogue.ItemValues,
               MakeItemFileStamp(when.toStdString()), *messages_);
}

void TFormKorvane::ActionCopyExecute() {
  const std::string text = BillClipboardText(world_.Catalogue.CurrentType, report_);
  WriteClipboard(services_, QString::fromStdString(text));
}

// ---- the Help drop-down -----------------------------------------------------------

void TFormKorvane::HelpActionExecute() {
  OpenHelp(services_.ProgramDir, services_.UrlOpener);
}

void TFormKorvane::EmailTarnwellExecute() {
  if (!mapi_)
    mapi_ = new TMapiControl(this);
  SendEnquiry(*mapi_, services_.Contact);
}

void TFormKorvane::AboutExecute() {
  if (!about_) {
    // Made on first use: the picture and fonts cost time the start need not pay.
    about_ = new TAboutBoxDlg(this);
    ConfigureKorvaneAboutBox(*about_, services_.Contact);
    about_->UrlOpener = services_.UrlOpener;
    about_->SettingsFile = services_.SettingsFile;
  }
  about_->Execute(this);
}

// ---- activation and closing ----------------------------------------------------------

void TFormKorvane::FormActivate() {
  ActionReport->setVisible(false);
  ActionClose->setVisible(true);
  PageControl1->setCurrentIndex(0);
  GridDimensions->setFocus(Qt::ActiveWindowFocusReason);
  if (GridDimensions->RowCount() > 1)
    GridDimensions->FocusCell(GridDimensions->Col(), 1);
}

void TFormKorvane::changeEvent(QEvent *e) {
  QMainWindow::changeEvent(e);
  // Every activation, also the return from one of the window's own dialogs.
  if (e->type() == QEvent::ActivationChange && isActiveWindow())
    FormActivate();
}

void TFormKorvane::FormClose() {
  if (!services_.WriteSettingsOnClose)
    return;
  TFormSettings settings;
  const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
  const QRect place = normal ? QRect(pos(), size()) : normalGeometry();
  settings.Left = place.left();
  settings.Top = place.top();
  settings.Width = place.width();
  settings.Height = place.height();
  settings.LastCostFile = QString::fromStdString(world_.LastCostFile);
  WriteFormSettings(SettingsFileOf(services_), settings);
}

void TFormKorvane::CommitEdits() {
  GridDimensions->CommitEditor();
  if (optionsGrid_)
    optionsGrid_->CommitEditor();
}

void TFormKorvane::closeEvent(QCloseEvent *e) {
  CommitEdits();
  FormClose();
  e->accept();
}

} // namespace korvane
