#pragma once
// The main window: the item type list, the Dimensions and Options grids, the
// Details report, the tool bar and the status bar. It turns every change the
// user makes into a solve of the core and shows what the solve wrote; it
// prices nothing itself.
//
//   TKorvaneWorld world;                      // start-up fills it
//   TFormKorvane form(world, services);       // FormCreate runs here
//   form.show();
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

#include "app/KorvaneWorld.h"
#include "app/SolveItem.h"
#include "base/MessageSink.h"
#include "base/Variant.h"
#include "desktop/ContactDetails.h"
#include "desktop/DesktopServices.h"
#include "desktop/UrlOpener.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace korvane {

class TAboutBoxDlg;
class TEntryGrid;
class TDeferredPage;
class TDesktopDialogs;
class TMapiControl;

class TFormKorvane;

// The Cost File row's property editor: may change `Value` (and the world's
// cost file and costs); returns 1 (OK) to store `Value` in the row or 2
// (Cancel) to keep the row as it was.
using TCostFileEditor = std::function<int(TFormKorvane &form, Variant &Value)>;

// What the window uses from outside: the services every window shares, and
// its own. Every member has a working default; a test replaces the ones that
// would show a dialog or touch the desktop.
struct TFormKorvaneServices : TDesktopServices {
  QString ProgramDir;               // the program's folder (the help page lives there)
  QStringList Arguments;            // the command line without the program
  TContactDetails Contact;          // the maker's, for the enquiry and about box
  TCostFileEditor CostFileEditor;   // empty: choose a cost file in a file dialog
  bool WriteSettingsOnClose = true; // false for a copy that must leave no trace
};

class TFormKorvane : public QMainWindow {
  Q_OBJECT
public:
  // Design size of the client area; the window never gets smaller than
  // its minimum, which fits the platform's font.
  static constexpr int kDesignClientWidth = 242;
  static constexpr int kDesignClientHeight = 276;
  static constexpr int kMinWidth = 250;
  static constexpr int kMinHeight = 300;

  TFormKorvane(TKorvaneWorld &world, TFormKorvaneServices services, QWidget *parent = nullptr);
  ~TFormKorvane() override;

  TKorvaneWorld &World() { return world_; }
  const TSolveReport &Report() const { return report_; }
  TMessageSink &Messages() { return *messages_; }
  TDesktopDialogs &Dialogs() { return *dialogs_; }
  const TContactDetails &Contact() const { return services_.Contact; }

  // The components, named as on the form.
  QToolBar *ToolBar1 = nullptr;
  QAction *ActionOpen = nullptr;
  QAction *ActionSave = nullptr;
  QAction *ActionCopy = nullptr;
  QAction *ActionSolve = nullptr;
  QAction *ActionReport = nullptr;
  QAction *HelpAction = nullptr;
  QAction *ActionClose = nullptr;
  QAction *ButtonSolveAction = nullptr; // the Solve button's own click
  QToolButton *ButtonOpen = nullptr;
  QToolButton *ButtonSave = nullptr;
  QToolButton *ButtonCopy = nullptr;
  QToolButton *ButtonSolve = nullptr;
  QToolButton *ButtonReport = nullptr;
  QToolButton *ToolButton1 = nullptr;
  QToolButton *ButtonClose = nullptr;
  QMenu *PopupMenu1 = nullptr;
  QAction *Help1 = nullptr;
  QAction *emailTarnwell1 = nullptr;
  QAction *About1 = nullptr;
  QWidget *Panel1 = nullptr;
  QComboBox *ComboDuctType = nullptr;
  QTabWidget *PageControl1 = nullptr;
  QWidget *TabSheet1 = nullptr;
  QWidget *TabSheet2 = nullptr;
  QWidget *TabSheet3 = nullptr;
  TEntryGrid *GridDimensions = nullptr;
  QStatusBar *StatusBar1 = nullptr;
  QLabel *StatusPanel = nullptr; // the status bar's one simple panel
  // The Options grid and the Details report, built when asked for or their
  // page is first chosen.
  TEntryGrid *GridOptions();
  QPlainTextEdit *Memo1();

  // Event handlers.
  void FormCreate();
  void FormActivate();
  void FormClose();
  void ComboDuctTypeChange() { ShowCurrentType(); }
  void ShowCurrentType();
  void SolveItem();
  void GridDimensionsDoSetData(int ACol, int ARow);
  void GridOptionsDoSetData(int ACol, int ARow);
  int EditCostFile(Variant &Value);
  void ActionSolveExecute() { SolveItem(); }
  void ButtonSolveClick();
  void ActionCloseExecute();
  void ActionOpenExecute();
  void ActionSaveExecute();
  void ActionCopyExecute();
  void HelpActionExecute();
  void EmailTarnwellExecute();
  void AboutExecute();

  // Ends an edit left open in either grid, so what the window shows is what
  // it stores, prices, saves and copies.
  void CommitEdits();

  // The window's text in the status bar and its hint (the rates).
  QString StatusText() const;
  QString StatusHint() const;

protected:
  void closeEvent(QCloseEvent *e) override;
  bool eventFilter(QObject *watched, QEvent *e) override;
  void changeEvent(QEvent *e) override;

private:
  void createActions();
  // Runs `handler` for `action`, after any open edit was committed.
  void onTriggered(QAction *action, void (TFormKorvane::*handler)());
  void createToolBar();
  void createPages();
  void configureGrid(TEntryGrid &grid);
  TEntryGrid *buildOptions(QWidget *sheet); // the Options page's grid
  QSize designSize() const;
  void applyFormSettings();
  bool loadCostFile();
  void showReport();
  void showDetails(); // into the Details report, once it is built
  // The value column takes the room the other columns leave.
  void fitValueColumn(TEntryGrid &grid);

  TKorvaneWorld &world_;
  TFormKorvaneServices services_;
  std::unique_ptr<TMessageSink> boxSink_; // message boxes, unless a sink was given
  TMessageSink *messages_ = nullptr;
  TDesktopDialogs *dialogs_ = nullptr;
  TSolveReport report_;
  TAboutBoxDlg *about_ = nullptr; // made on first use
  TMapiControl *mapi_ = nullptr;  // made on first use
  TDeferredPage *optionsPage_ = nullptr;
  TEntryGrid *optionsGrid_ = nullptr; // once the Options page is built
  TDeferredPage *detailsPage_ = nullptr;
  QPlainTextEdit *memo_ = nullptr; // once the Details page is built
  bool created_ = false;
};

} // namespace korvane
