#pragma once
// The bill window: the bill's text in the editor component, coloured by the
// bill highlighter, priced again a moment after every edit, with the priced
// lines, the lines left out, the sheet list and the total beside it. Each
// open bill has a window of its own; it deletes itself when closed.
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <memory>

#include "bill/BillInsertion.h"
#include "bill/job/BillTextJob.h"
#include "bill/job/CompanyProfile.h"
#include "bill/job/JobFormats.h"
#include "bill/job/JobTable.h"
#include "bill/ui/BillServices.h"
#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"

class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace korvane {

class TDeferredPage;
class TJobTableModel;
class TPricesDlg;
class TScrivelEditor;
class TSearchDialog;
struct TRecoveryRecord;

class TBillForm : public QMainWindow, public TBillHost {
  Q_OBJECT
public:
  // The pause after a keystroke before the bill is priced again.
  static constexpr int kPriceDelayMs = 150;
  static constexpr int kBadLineMark = 11;
  static constexpr int kRecentCount = 8;
  // An unsaved change is in the recovery file this long after it, at most.
  static constexpr int kRecoveryDelayMs = 1000;

  explicit TBillForm(TBillServices services, QWidget *parent = nullptr);
  ~TBillForm() override;

  // A new window, shown, on the bill at `path` (empty for a new bill).
  // Null when the file could not be read (the user was told).
  static TBillForm *OpenWindow(const TBillServices &services, const QString &path = QString());
  // The window that has `path` open, or null.
  static TBillForm *WindowOf(const QString &path);
  // At start: offers the unsaved bills that runs now gone left in their
  // recovery files; Restore opens each in a window of its own, Discard
  // deletes them. Returns the number of windows opened.
  static int OfferLeftBehind(const TBillServices &services);
  // A new window, shown, on a bill from a recovery file: its text, marked
  // modified, to be saved where it came from (nowhere yet when it had no
  // file). Its own recovery file is written at once.
  static TBillForm *RestoreWindow(const TBillServices &services, const TRecoveryRecord &record);

  TScrivelEditor *Editor() const { return editor_; }
  QTableView *Table() const { return table_; }
  TJobTableModel *TableModel() const { return model_; }
  // The hidden pages are built when asked for.
  QListWidget *Notes();
  QTableWidget *Sheets();
  QLabel *TotalLabel() const { return total_; }
  QTabWidget *ResultTabs() const { return tabs_; }
  // The cost file the bill is priced with and its reference date.
  QString CostFileText() const;
  const TJobTable &Job() const { return *job_; }
  const TJobSummary &Summary() const { return summary_; }
  const QString &Path() const { return path_; }
  bool PricePending() const { return priceTimer_.isActive(); }
  // Changes not saved yet: typed, or restored from a recovery file.
  bool Unsaved() const;
  // This window's recovery file (kept while the bill has unsaved changes);
  // empty when the window keeps none.
  QString RecoveryFile() const;

  // Reads a bill into this window; false (told) when it cannot be read.
  bool LoadFile(const QString &path);
  bool Save();
  bool SaveAs();
  // Writes the text to `path` atomically and makes it this window's file.
  bool SaveTo(const QString &path);
  // True when there is nothing unsaved, or the user chose to save or drop it.
  bool ConfirmDiscard();

  void NewClick();
  void OpenClick();
  void ImportTakeoffClick();
  // File > Import Model...: korvane-price --ifc makes the bill, out of this
  // process.
  void ImportModelClick();
  void Reprice();
  void CostsClick();
  void PasteItem();
  // Puts the caret at the start of a 1-based bill line.
  void GoToLine(int line);
  // Opens `path` here when this window is empty and untouched, else brings
  // forward the window that has it open, else opens a window of its own.
  void OpenPath(const QString &path);
  // F6: from the text to the results and back.
  void SwitchPane();
  // Ctrl+Tab, Ctrl+Shift+Tab: the next or the previous page of the results.
  void NextResultPage(int step);
  void HelpClick();
  void AboutClick();
  // Job Details...: edits the bill's detail lines and no other byte.
  void JobDetailsClick();
  // Company...: edits the profile the quotes are from and saves it.
  void CompanyClick();
  const TCompanyProfile &Company() const { return company_; }

  // Writes the priced bill to `path` in `format`; false, having said why,
  // when it cannot.
  bool Export(const TJobFormat &format, const QString &path);
  bool ExportHtml(const QString &path);
  bool ExportPdf(const QString &path);
  // Asks for the file; first, unless `asked`, whether to go on when lines
  // are left out and, for the customer's quote, its quote number.
  void ExportClick(const TJobFormat &format, bool asked = false);
  void PrintClick();

  QStringList RecentFiles() const;

  // TBillHost: the cost editor's Insert works on this bill.
  std::vector<std::string> BillLines() const override;
  void SetBillLines(std::vector<std::string> lines) override;
  void SetBillModified(bool modified) override;
  // Changes the Costs line alone, in place: every other byte, the caret and
  // the marks stay, and Undo takes the change back in one step.
  int InsertCostsLine(const std::string &scratchPath, std::string_view costFileName) override;

protected:
  void closeEvent(QCloseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildWindow();
  void BuildMenus();
  void BuildHelpMenu();
  void ShowCaretLine();
  // The reason line `line` (1-based) is bad, or an empty text.
  QString BadLineReason(int line) const;
  // Before an export or print: true when every line is priced, or the user
  // chose to go on without the lines it lists.
  bool ConfirmLeftOut(const QString &what);
  void ShowSearch(bool replace);
  void FindNext();
  void UpdateCaption();
  void ShowJob();
  // The hidden pages show the last pricing once they are built.
  void FillNotes();
  void FillSheets();
  void MarkBadLines();
  // Puts `path` first in the recent bills. A window not yet shown writes the
  // list a quarter of a second later, time enough to draw itself: the write
  // waits for the disk, and the first frame should not.
  void AddRecent(const QString &path);
  void WriteRecent();
  // `stored` with the paths not yet written put first.
  QStringList WithUnwritten(QStringList stored) const;
  void FillRecentMenu();
  QString BillName() const;
  QString BillDir() const;
  TBillTextJob PriceRequest() const;
  bool PriceInto(const std::vector<TJobWriter *> &writers, TJobTotals &totals,
                 std::string &fatal) const;
  QString AskExportPath(const TJobFormat &format);
  // The services' message sink, else message boxes over this window.
  TMessageSink &Messages();
  TMsgResult Tell(TMsgKind kind, TMsgButtons buttons, const QString &text);
  bool LayoutOn(QPagedPaintDevice &device);
  void TextChanged();
  // Reads the company profile file; a file that does not load is kept as
  // the problem an export or print tells.
  void LoadCompany();
  // Before a customer's quote: true when the bill names its quote number,
  // or the user took the next one (now in the bill) or chose to go on
  // without; false when cancelled or the profile does not load.
  bool ReadyForQuote();
  // Makes the editor's text `now`, replacing only the bytes that differ, in
  // one Undo step.
  void ReplaceText(std::string_view now);
  bool KeepRecovery();
  void DropRecovery();
  // A new window on the bill made from the take-off or model `source`.
  TBillForm *OpenMadeBill(const std::string &text, const QString &source);

  TBillServices services_;
  TScrivelEditor *editor_ = nullptr;
  QTableView *table_ = nullptr;
  TJobTableModel *model_ = nullptr;
  TDeferredPage *notesPage_ = nullptr;
  QListWidget *notes_ = nullptr; // once its page is built
  TDeferredPage *sheetsPage_ = nullptr;
  QTableWidget *sheets_ = nullptr; // once its page is built
  QLabel *total_ = nullptr;
  QTabWidget *tabs_ = nullptr;
  QLabel *costFile_ = nullptr; // the status bar's cost file
  QMenu *recentMenu_ = nullptr;
  QPointer<TSearchDialog> search_;
  QTimer priceTimer_;
  QTimer recoveryTimer_;
  int recoverySlot_ = 0;         // 0: no recovery file
  bool restoredUnsaved_ = false; // restored text is unsaved whatever Undo does
  std::int64_t changedAt_ = 0;   // the last change, seconds since 1970
  std::unique_ptr<TJobTable> job_;
  TJobSummary summary_;
  QString path_;
  QStringList unwrittenRecent_; // newest first
  // A new bill made from a take-off or a model is offered under that file's
  // name ("harbour-road.dct") until it is saved.
  QString untitled_;
  TCompanyProfile company_;
  QString companyProblem_; // why the profile file did not load

  // The cost editor's world: the bill's own cost file, not the calculator's.
  TCostRec costs_{};
  std::string costFileName_;
  TSpiralPriceTable spiralPrices_{};
  std::unique_ptr<TMessageSink> boxSink_; // message boxes over the window
};

} // namespace korvane
