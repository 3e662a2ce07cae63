#include "bill/ui/BillForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <initializer_list>

#include "bill/job/BillSections.h"
#include "bill/job/BillTextJob.h"
#include "bill/ui/BillExport.h"
#include "bill/ui/BillPricing.h"
#include "bill/ui/BillRecovery.h"
#include "bill/ui/DuctSyntax.h"
#include "bill/ui/JobTableModel.h"
#include "desktop/DeferredPage.h"
#include "desktop/ProgramVersion.h"
#include "desktop/ScrivelEditor.h"
#include "desktop/SearchDialog.h"
#include "desktop/SettingsKeys.h"
#include "desktop/WindowPlacement.h"

namespace korvane {

namespace {

// A results table of rows one line high, without row numbers, its columns
// `widthChars` digits wide (and a little room), the last taking what is left.
void SizeColumns(QTableView &view, std::initializer_list<int> widthChars) {
  view.verticalHeader()->hide();
  view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 4);
  view.horizontalHeader()->setStretchLastSection(true);
  const int charWidth = view.fontMetrics().horizontalAdvance(QLatin1Char('0'));
  int c = 0;
  for (const int chars : widthChars)
    view.setColumnWidth(c++, (chars + 2) * charWidth);
}

} // namespace

TBillForm::TBillForm(TBillServices services, QWidget *parent)
    : QMainWindow(parent), services_(std::move(services)), job_(std::make_unique<TJobTable>()) {
  setAttribute(Qt::WA_DeleteOnClose);
  BuildWindow();
  BuildMenus();
  priceTimer_.setSingleShot(true);
  priceTimer_.setInterval(kPriceDelayMs);
  connect(&priceTimer_, &QTimer::timeout, this, &TBillForm::Reprice);
  connect(editor_, &QsciScintilla::textChanged, this, &TBillForm::TextChanged);
  connect(editor_, &QsciScintilla::modificationChanged, this, &TBillForm::UpdateCaption);
  connect(editor_, &QsciScintilla::cursorPositionChanged, this, &TBillForm::ShowCaretLine);
  editor_->viewport()->installEventFilter(this);
  if (services_.Recovery && services_.Recovery->Usable()) {
    recoverySlot_ = services_.Recovery->NewSlot();
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &TBillForm::KeepRecovery);
    // Saved, or undone back to what was saved: nothing to recover.
    connect(editor_, &QsciScintilla::modificationChanged, this, [this] {
      if (!Unsaved())
        DropRecovery();
    });
  }
  LoadCompany();
  UpdateCaption();
  priceTimer_.start();
  // Where the last bill window was left; a first start leaves the place to
  // the window manager.
  QSettings settings(SettingsFileOf(services_), QSettings::IniFormat);
  if (HasWindowRect(settings, SettingsKeys::kBillWindowGroup)) {
    const TWindowPlacement design{0, 0, width(), height(), true, 0};
    RestoreWindowPlacement(*this,
                           ReadWindowPlacement(settings, SettingsKeys::kBillWindowGroup, design));
  }
}

TBillForm::~TBillForm() {
  WriteRecent();
  // The table outlives job_ (QWidget deletes its children after our members
  // are gone) and asks its model for rows while it hides.
  model_->SetRows(nullptr);
}

TBillForm *TBillForm::OpenWindow(const TBillServices &services, const QString &path) {
  if (TBillForm *open = path.isEmpty() ? nullptr : WindowOf(path)) {
    open->raise();
    open->activateWindow();
    return open;
  }
  auto *form = new TBillForm(services);
  if (!path.isEmpty() && !form->LoadFile(path)) {
    form->deleteLater();
    return nullptr;
  }
  form->show();
  return form;
}

void TBillForm::BuildWindow() {
  editor_ = new TScrivelEditor(new TDuctSyntax, this);
  editor_->SetLineNumbers(true);
  editor_->markerDefine(QsciScintilla::Circle, kBadLineMark);
  editor_->setMarkerBackgroundColor(QColor(0xd0, 0x20, 0x20), kBadLineMark);
  editor_->setMarkerForegroundColor(QColor(0x80, 0, 0), kBadLineMark);

  model_ = new TJobTableModel(this);
  table_ = new QTableView(this);
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Widths from the longest usual text: measuring 100,000 rows would stall.
  SizeColumns(*table_, {4, 15, 18, 5, 11, 12, 6, 9, 10});
  connect(table_, &QTableView::clicked, this,
          [this](const QModelIndex &index) { GoToLine(model_->BillLine(index.row())); });

  total_ = new QLabel(this);
  QFont big = total_->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  total_->setFont(big);

  tabs_ = new QTabWidget(this);
  tabs_->addTab(table_, tr("Priced lines"));
  // The other two pages are built when first chosen or asked for.
  notesPage_ = new TDeferredPage([this](QWidget *page) {
    notes_ = new QListWidget(page);
    connect(notes_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { GoToLine(item->data(Qt::UserRole).toInt()); });
    FillNotes();
    // Built late, the page would come last in the window's Tab order.
    QWidget::setTabOrder(table_, notes_);
    return notes_;
  });
  tabs_->addTab(notesPage_, tr("Not priced and bad"));
  sheetsPage_ = new TDeferredPage([this](QWidget *page) {
    sheets_ = new QTableWidget(0, 3, page);
    sheets_->setHorizontalHeaderLabels({tr("Sheet"), tr("Area"), tr("Weight")});
    sheets_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One line a row, as in the priced lines: "External 25 mm" fits.
    SizeColumns(*sheets_, {14, 11, 10});
    FillSheets();
    QWidget::setTabOrder(notes_ ? static_cast<QWidget *>(notes_) : table_, sheets_);
    return sheets_;
  });
  tabs_->addTab(sheetsPage_, tr("Sheets and insulation"));

  auto *side = new QWidget(this);
  auto *layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(total_);
  layout->addWidget(tabs_);
  costFile_ = new QLabel(this);
  statusBar()->addPermanentWidget(costFile_);

  auto *split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(editor_);
  split->addWidget(side);
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 3);
  setCentralWidget(split);
  resize(1200, 720);
}

void TBillForm::BuildMenus() {
  QMenu *file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&New"), QKeySequence::New, this, &TBillForm::NewClick);
  file->addAction(tr("&Open..."), QKeySequence::Open, this, &TBillForm::OpenClick);
  recentMenu_ = file->addMenu(tr("Open &Recent"));
  file->addAction(tr("&Import Take-off..."), this, &TBillForm::ImportTakeoffClick);
  file->addAction(tr("Import &Model..."), this, &TBillForm::ImportModelClick);
  connect(recentMenu_, &QMenu::aboutToShow, this, &TBillForm::FillRecentMenu);
  file->addAction(tr("&Save"), QKeySequence::Save, this, &TBillForm::Save);
  file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, &TBillForm::SaveAs);
  file->addSeparator();
  // One Export command a format, each with a mnemonic of its own: the first
  // free letter of the format's last word.
  QString taken = QStringLiteral("NORIMSAPC");
  for (const TJobFormat &format : JobFormats()) {
    QString caption =
        tr("Export %1...")
            .arg(QString::fromUtf8(format.Title.data(), qsizetype(format.Title.size())));
    const qsizetype word = caption.lastIndexOf(' ') + 1;
    for (qsizetype at = word; at < caption.size() && caption[at].isLetter(); ++at) {
      if (!taken.contains(caption[at].toUpper())) {
        taken += caption[at].toUpper();
        caption.insert(at, '&');
        break;
      }
    }
    file->addAction(caption, this, [this, &format] { ExportClick(format); });
  }
  file->addAction(tr("&Print Quote..."), QKeySequence::Print, this, &TBillForm::PrintClick);
  // The PDF quote's paper; a printer's comes from its own dialog.
  QMenu *paper = file->addMenu(tr("P&aper for PDF Quotes"));
  auto *papers = new QActionGroup(paper);
  const QPageSize::PageSizeId chosen = QuotePaper(SettingsFileOf(services_)).id();
  for (const QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter}) {
    QAction *action = paper->addAction(
        QPageSize::name(id), this, [this, id] { SetQuotePaper(SettingsFileOf(services_), id); });
    action->setCheckable(true);
    action->setChecked(id == chosen);
    papers->addAction(action);
  }
  file->addSeparator();
  file->addAction(tr("&Close"), QKeySequence::Close, this, &QWidget::close);

  QMenu *edit = menuBar()->addMenu(tr("&Edit"));
  edit->addAction(tr("&Undo"), QKeySequence::Undo, editor_, &QsciScintilla::undo);
  edit->addAction(tr("&Redo"), QKeySequence::Redo, editor_, &QsciScintilla::redo);
  edit->addSeparator();
  edit->addAction(tr("Cu&t"), QKeySequence::Cut, editor_, &QsciScintilla::cut);
  edit->addAction(tr("&Copy"), QKeySequence::Copy, editor_, &QsciScintilla::copy);
  edit->addAction(tr("&Paste"), QKeySequence::Paste, editor_, &QsciScintilla::paste);
  edit->addAction(tr("Paste &Item"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this,
                  &TBillForm::PasteItem);
  edit->addSeparator();
  edit->addAction(tr("&Find..."), QKeySequence::Find, this, [this] { ShowSearch(false); });
  edit->addAction(tr("Find &Next"), QKeySequence::FindNext, this, &TBillForm::FindNext);
  // Ctrl+H whatever the desktop's key scheme says Replace is.
  edit->addAction(tr("R&eplace..."), QKeySequence(Qt::CTRL | Qt::Key_H), this,
                  [this] { ShowSearch(true); });

  QMenu *bill = menuBar()->addMenu(tr("&Bill"));
  bill->addAction(tr("&Costs..."), this, &TBillForm::CostsClick);
  bill->addAction(tr("Job &Details..."), this, &TBillForm::JobDetailsClick);
  bill->addAction(tr("Co&mpany..."), this, &TBillForm::CompanyClick);
  bill->addAction(tr("&Price Now"), QKeySequence(Qt::Key_F9), this, &TBillForm::Reprice);
  bill->addSeparator();
  bill->addAction(tr("&Switch Text and Results"), QKeySequence(Qt::Key_F6), this,
                  &TBillForm::SwitchPane);
  bill->addAction(tr("&Next Results Page"), QKeySequence(Qt::CTRL | Qt::Key_Tab), this,
                  [this] { NextResultPage(1); });
  QAction *previous =
      bill->addAction(tr("P&revious Results Page"), this, [this] { NextResultPage(-1); });
  // Shift+Tab arrives as Backtab; the menu names the keys as they are pressed.
  previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
  BuildHelpMenu();
}

void TBillForm::ShowSearch(bool replace) {
  const auto mode = replace ? TSearchDialog::TMode::Replace : TSearchDialog::TMode::Find;
  if (search_ && search_->Mode() != mode)
    search_->deleteLater();
  if (!search_ || search_->Mode() != mode) {
    search_ = new TSearchDialog(mode, this);
    connect(search_, &TSearchDialog::FindNextClicked, this, &TBillForm::FindNext);
    connect(search_, &TSearchDialog::ReplaceClicked, this, [this] {
      editor_->ReplaceAndFind(search_->FindText(), search_->ReplaceText(), search_->Options());
    });
    connect(search_, &TSearchDialog::ReplaceAllClicked, this, [this] {
      editor_->ReplaceAll(search_->FindText(), search_->ReplaceText(), search_->Options());
    });
  }
  if (editor_->hasSelectedText())
    search_->SetFindText(editor_->selectedText());
  search_->show();
  search_->raise();
}

void TBillForm::FindNext() {
  if (!search_ || search_->FindText().isEmpty()) {
    ShowSearch(false);
    return;
  }
  if (!editor_->FindText(search_->FindText(), search_->Options()))
    QApplication::beep();
}

void TBillForm::UpdateCaption() {
  setWindowTitle(BillName() + (Unsaved() ? QStringLiteral("* - ") : QStringLiteral(" - ")) +
                 ProductCaption() + QStringLiteral(" Bill"));
}

QString TBillForm::BillName() const {
  return path_.isEmpty() && !untitled_.isEmpty() ? untitled_ : BillFileName(path_);
}

QString TBillForm::BillDir() const {
  return path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath() + '/';
}

TBillTextJob TBillForm::PriceRequest() const {
  return BillPriceRequest(services_, path_, company_);
}

bool TBillForm::PriceInto(const std::vector<TJobWriter *> &writers, TJobTotals &totals,
                          std::string &fatal) const {
  const QByteArray text = editor_->text().toUtf8();
  return PriceBillText(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                       PriceRequest(), writers, totals, fatal);
}

void TBillForm::Reprice() {
  priceTimer_.stop();
  // The model shows the old rows until the new ones are in place.
  auto job = std::make_unique<TJobTable>();
  TJobTotals totals;
  std::string fatal;
  if (PriceInto({job.get()}, totals, fatal))
    summary_ = job->Summary();
  else
    summary_ = FailedJobSummary(fatal);
  model_->SetRows(&job->Rows());
  job_ = std::move(job);
  ShowJob();
}

void TBillForm::ShowJob() {
  total_->setText(tr("%1   (%2)")
                      .arg(QString::fromStdString(summary_.TotalWords),
                           QString::fromStdString(summary_.Counts)));
  statusBar()->showMessage(QString::fromStdString(summary_.Status));
  costFile_->setText(CostFileText());

  FillNotes();
  FillSheets();
  MarkBadLines();
}

QListWidget *TBillForm::Notes() {
  notesPage_->Content();
  return notes_;
}

QTableWidget *TBillForm::Sheets() {
  sheetsPage_->Content();
  return sheets_;
}

void TBillForm::FillNotes() {
  if (!notes_)
    return;
  notes_->clear();
  for (const TJobNote &note : summary_.Notes) {
    auto *item = new QListWidgetItem(QString::fromStdString(note.Text), notes_);
    item->setData(Qt::UserRole, note.Line);
    if (note.Bad)
      item->setForeground(QColor(0xb0, 0, 0));
  }
}

void TBillForm::FillSheets() {
  if (!sheets_)
    return;
  sheets_->setRowCount(0);
  const auto addRows = [this](const std::vector<TJobListRow> &rows) {
    for (const TJobListRow &row : rows) {
      const int r = sheets_->rowCount();
      sheets_->insertRow(r);
      for (int c = 0; c < 3; ++c) {
        auto *cell = new QTableWidgetItem(QString::fromStdString(row[static_cast<std::size_t>(c)]));
        cell->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                      : Qt::AlignRight | Qt::AlignVCenter);
        sheets_->setItem(r, c, cell);
      }
    }
  };
  addRows(summary_.Sheets);
  addRows(summary_.Insulation);
}

void TBillForm::MarkBadLines() {
  ShowCaretLine();
  editor_->markerDeleteAll(kBadLineMark);
  for (const TJobNote &note : summary_.Notes) {
    if (note.Bad && note.Line > 0)
      editor_->markerAdd(note.Line - 1, kBadLineMark);
  }
}

void TBillForm::GoToLine(int line) {
  if (line <= 0)
    return;
  editor_->setCursorPosition(line - 1, 0);
  editor_->ensureLineVisible(line - 1);
  // The editor tells of caret moves when it next updates; say it now.
  ShowCaretLine();
  editor_->setFocus();
}

void TBillForm::PasteItem() {
  const std::string entry = PastedEntryText(ReadClipboard(services_).toUtf8().toStdString());
  if (entry.empty())
    return;
  const std::vector<std::string> lines = BillLines();
  const std::vector<std::string_view> views(lines.begin(), lines.end());
  int caretLine = 0;
  int caretIndex = 0;
  editor_->getCursorPosition(&caretLine, &caretIndex);
  const int at = SectionEndLine(views, caretLine);
  QString text = QString::fromStdString(entry);
  if (at >= editor_->lines() || (at == editor_->lines() - 1 && editor_->text(at).isEmpty())) {
    // At the end: the last line may lack its line end.
    const int last = editor_->lines() - 1;
    const QString lastText = editor_->text(last);
    if (!lastText.isEmpty() && !lastText.endsWith('\n'))
      text.prepend('\n');
    editor_->setCursorPosition(last, static_cast<int>(lastText.size()));
  } else {
    editor_->setCursorPosition(at, 0);
  }
  editor_->insert(text);
  GoToLine(at + 1);
}

std::vector<std::string> TBillForm::BillLines() const {
  const QByteArray text = editor_->text().toUtf8();
  return SplitBillLines(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

void TBillForm::SetBillLines(std::vector<std::string> lines) {
  std::string text;
  for (const std::string &line : lines)
    text += line + '\n';
  // One undo step, so the user can take the insertion back.
  editor_->beginUndoAction();
  editor_->selectAll();
  editor_->replaceSelectedText(QString::fromStdString(text));
  editor_->endUndoAction();
}

void TBillForm::SetBillModified(bool modified) {
  editor_->setModified(modified);
  UpdateCaption();
}

void TBillForm::closeEvent(QCloseEvent *event) {
  if (!ConfirmDiscard()) {
    event->ignore();
    return;
  }
  QSettings settings(SettingsFileOf(services_), QSettings::IniFormat);
  WriteWindowPlacement(settings, SettingsKeys::kBillWindowGroup, CurrentWindowPlacement(*this));
  // Saved, or the user chose to drop the changes.
  DropRecovery();
  event->accept();
}

} // namespace korvane
