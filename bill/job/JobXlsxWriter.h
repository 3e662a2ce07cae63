#pragma once
// A priced job as a spreadsheet workbook (.xlsx), for the estimator who
// goes on working on the quote: the sheet "Quote" is headed with the
// customer quote's company and job texts, then one row per priced line
// with its section subtotals, the Subtotal, Discount, VAT and Total. Every
// Amount and total is a formula over the cells above it (with the printed
// figure stored as its value), so a changed Number, Each or percentage
// carries through to the Total. "Take-off" follows, the priced lines as a
// take-off that imports back to the same figures (bill/job/JobTakeoffSheet.h),
// then "Sheet per gauge", "Insulation" and "Not priced". The quote's rows go
// to the workbook as the job is priced; the take-off keeps a few dozen bytes
// a line until the end, so a job of any length takes little memory.
#include <memory>
#include <string>
#include <vector>

#include "bill/job/JobTakeoffSheet.h"
#include "bill/job/JobWriter.h"
#include "bill/job/XlsxBook.h"

namespace korvane {

class TJobXlsxWriter : public TJobWriter {
public:
  // Appends the workbook's bytes to `out` once the job is priced. `today`
  // is the quote's date when the bill names none, YYYY-MM-DD; empty for the
  // local date.
  explicit TJobXlsxWriter(std::string &out, std::string today = {});
  ~TJobXlsxWriter() override;
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line) override;
  bool End(const TJobTotals &totals, std::string &error) override;
  // The sizes as the customer's quote writes them ("1200mm x 600mm").
  TReportTexts TextsRead() const override { return TReportTexts::All; }

private:
  struct TFormats;
  void WriteHeading(const TJobInfo &info);
  void EndSection();
  void WriteMoney(const TJobMoney &money);
  void WriteSheets(const TJobTotals &totals);

  std::string &out_;
  std::string today_;
  TCurrencyFormat currency_;
  std::unique_ptr<TXlsxBook> book_;
  std::unique_ptr<TFormats> formats_;
  TXlsxSheet *quote_ = nullptr; // null when the book could not be made
  TXlsxSheet *takeoffSheet_ = nullptr;
  std::unique_ptr<TJobTakeoffSheet> takeoff_;
  unsigned firstLineRow_ = 0;
  // The section being written: its "#" line, heading, first row and the
  // sum of its printed Amounts.
  bool inSection_ = false;
  int sectionLine_ = 0;
  std::string sectionHeading_;
  unsigned sectionRow_ = 0;
  TCents sectionCents_ = 0;
  std::vector<unsigned> subtotalRows_;
};

} // namespace korvane
