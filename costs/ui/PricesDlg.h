#pragma once
// The cost editor: a modal dialog over the live cost record, one value field
// per rate, cost and factor on six pages, the reference date, buttons to open
// and save cost files, the spiral fittings price list tools, and Insert,
// which puts the cost file name into a host's bill. One instance lives for
// the whole run; each showing takes a backup that Cancel, Escape and the
// close box put back.
//
// The main window shows it like this:
//   CostFileName = value;
//   dlg->InsertBtn()->setEnabled(false);
//   dlg->CentreOnScreen();
//   const int result = dlg->exec(); // 1 OK, 2 Cancel
//   dlg->InsertBtn()->setEnabled(true);
#include <QDialog>
#include <QPagedPaintDevice>
#include <QPointer>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/MessageSink.h"
#include "bill/BillInsertion.h"
#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"
#include "costs/ui/SpiralPriceListPrint.h"
#include "desktop/DesktopDialogs.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace korvane {

class TCostValueEdit;
class TRefDatePicker;
class TScrivelForm;
class TSpiralFittingsForm;
struct TCostField;

inline constexpr int kPricesOk = 1;
inline constexpr int kPricesCancel = 2;

inline constexpr const char *kSaveCostsFirst = "Save costs file first.";
inline constexpr const char *kErrorInsertingCosts = "Error inserting costs file name.";
inline constexpr const char *kSaveCostsAsOwn = "Save the costs in a file of your own?";

// What the dialog edits and works on; all of it outlives the dialog.
struct TPricesWorld {
  TCostRec &CurrentCosts;
  std::string &CostFileName;
  TSpiralPriceTable &SpiralPriceTable;
  TMessageSink &Sink;
  TEndProgram EndProgram;
  std::string ProgramDir;    // the program's folder, with its trailing '/'
  std::string SharedDataDir; // home of "Fittings.ini" and "FPrice.dta", trailing '/'
};

// Everything that would open a window of its own or leave the dialog, so a
// test answers in code.
struct TPricesServices {
  // File dialogs; null: the platform's.
  TDesktopDialogs *dialogs = nullptr;
  // Shows a window modally and returns when it has closed (the fittings view).
  std::function<void(QDialog &dialog)> execModal;
  TOpenPrintDevice openPrintDevice = OpenDefaultPrinter;
  // Opens "Fittings.ini" of the folder in the INI editor and returns when
  // the editor has closed. Empty: no editor, the button is disabled.
  std::function<void(const QString &sharedDataDir)> editFittingsIni;
  // Where the bill goes for the cost-file insertion; relative names resolve
  // against the current folder.
  std::string billScratchPath = kBillScratchName;

  static TPricesServices Desktop();
};

enum class TSpiralButton { View, Print, Edit, Read, Reset };
inline constexpr int kSpiralButtonCount = 5;

class TPricesDlg : public QDialog {
  Q_OBJECT
public:
  explicit TPricesDlg(TPricesWorld world, TPricesServices services = TPricesServices::Desktop(),
                      QWidget *parent = nullptr);
  ~TPricesDlg() override;

  // The INI editor the "Edit Fittings Price List" button opens.
  void SetIniEditor(TScrivelForm *form);
  // The window whose bill Insert works on; none by default.
  void SetBillHost(TBillHost *host) { billHost_ = host; }
  TPricesServices &Services() { return services_; }

  QPushButton *InsertBtn() const { return insertBtn_; }
  QPushButton *OkBtn() const { return okBtn_; }
  QPushButton *CancelBtn() const { return cancelBtn_; }
  QPushButton *OpenBtn() const { return openBtn_; }
  QPushButton *SaveBtn() const { return saveBtn_; }
  QToolButton *SpiralBtn(TSpiralButton which) const;
  TCostValueEdit *Field(std::string_view name) const;
  TRefDatePicker *RefDatePicker() const { return refDate_; }
  QTabWidget *Pages() const { return pages_; }
  TSpiralFittingsForm *FittingsView() const { return fittingsView_; }

  void CentreOnScreen();

  // The buttons' actions.
  void OkClick();
  void CancelClick();
  void OpenClick();
  void SaveClick();
  void InsertClick();
  void ViewFittingsClick();
  void PrintFittingsClick();
  void EditFittingsClick();
  void ReadFittingsClick();
  void ResetFittingsClick();

  // Cancel, Escape and the close box: the backup goes back, result 2.
  void reject() override;

protected:
  void showEvent(QShowEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildLayout();
  QWidget *BuildPage(int page);
  QWidget *BuildSpiralButtons();
  void InstallKeyHandler();
  bool HandleKey(QWidget *focused, int key);

  void FillFields();
  // One field's number; false (with a message, the field focused) when its
  // text is no number.
  bool FieldValue(std::size_t index, double &value);
  // The date and every field over a copy of CurrentCosts.
  bool FieldValues(TCostRec &out);
  bool ReadFields();
  bool StoreFittingFactor();
  void UpdateCaption();
  QString StartFolder() const;
  // A cost file's name as the file system takes it: relative names start in
  // the program's folder.
  std::string OnDisk(const std::string &name) const;
  // Writes CurrentCosts to `name`. When that fails, says why and offers a
  // file in the user's own data folder. True once the costs are in a file,
  // which is then CostFileName.
  bool SaveOrOfferOwnFile(const std::string &name);
  // The Save dialog in $XDG_DATA_HOME/Tarnwell/Data Files/, made when missing.
  bool SaveInOwnFolder(const std::string &name);

  TPricesWorld world_;
  TPricesServices services_;
  TBillHost *billHost_ = nullptr;
  QPointer<TScrivelForm> iniEditor_;

  TCostRec backupCosts_{};
  std::string backupFileName_;

  TRefDatePicker *refDate_ = nullptr;
  QTabWidget *pages_ = nullptr;
  std::vector<TCostValueEdit *> fields_; // in the order of CostFields()
  std::array<QToolButton *, kSpiralButtonCount> spiralBtns_{};
  QPushButton *okBtn_ = nullptr;
  QPushButton *cancelBtn_ = nullptr;
  QPushButton *openBtn_ = nullptr;
  QPushButton *saveBtn_ = nullptr;
  QPushButton *insertBtn_ = nullptr;
  TSpiralFittingsForm *fittingsView_ = nullptr;
};

} // namespace korvane
