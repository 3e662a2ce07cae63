#pragma once
// A bill window over the staged data, whose dialogs answer as the test says
// and whose message boxes are recorded.
#include <QPdfWriter>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

#include "bill/ui/BillForm.h"
#include "costs/ui/PricesDlg.h"

namespace korvane::test {

inline const QString kStage = QStringLiteral(KORVANE_STAGE_DIR);
inline const QString kExampleBill = kStage + "/Data Files/level2-office.dct";

// Every file dialog answers with the same name ("" cancels); the file each
// save dialog proposed is kept.
class TAnsweringDialogs : public TDesktopDialogs {
public:
  QString answer;
  QStringList proposed;
  QString OpenFileName(QWidget *, const TFileDialogRequest &) override { return answer; }
  QString SaveFileName(QWidget *, const TFileDialogRequest &request) override {
    proposed << request.proposed;
    return answer;
  }
  bool PrintSetup(QWidget *, QPrinter &) override { return false; }
  QColor Colour(QWidget *, const QColor &) override { return {}; }
};

// Keeps what a window says and answers as the test says.
class TSayingSink : public TMessageSink {
public:
  TSayingSink(std::vector<std::string> &said, const TMsgResult &answer)
      : said_(said), answer_(answer) {}
  TMsgResult Show(TMsgKind, TMsgButtons, const std::string &text) override {
    said_.push_back(text);
    return answer_;
  }

private:
  std::vector<std::string> &said_;
  const TMsgResult &answer_;
};

struct TBillWorld {
  std::shared_ptr<TAnsweringDialogs> dialogs = std::make_shared<TAnsweringDialogs>();
  std::vector<std::string> said;
  TMsgResult answer = TMsgResult::Ok;
  TSayingSink sink{said, answer};
  QString printTo; // the PDF the printer writes
  std::function<int(TPricesDlg &)> costs = [](TPricesDlg &) { return kPricesCancel; };
  // Job Details and Company: the test fills the dialog in and answers.
  std::function<int(QDialog &)> dialog = [](QDialog &) { return int(QDialog::Rejected); };
  QString companyFile; // empty: no profile kept

  TBillServices Services(const QString &settingsFile) {
    TBillServices s;
    s.ProgramDir = kStage + "/Korvane/";
    s.SharedDataDir = kStage + "/Common Files/";
    s.SettingsFile = settingsFile;
    s.Currency.symbol = "R";
    s.Dialogs = dialogs.get();
    s.Messages = &sink;
    s.Printer = [this](QWidget *, const QString &) -> std::unique_ptr<QPagedPaintDevice> {
      return printTo.isEmpty() ? nullptr : std::make_unique<QPdfWriter>(printTo);
    };
    s.ExecCosts = [this](TPricesDlg &dialog) { return costs(dialog); };
    s.ExecDialog = [this](QDialog &shown) { return dialog(shown); };
    s.CompanyFile = companyFile;
    return s;
  }
};

} // namespace korvane::test
