#pragma once
// Prices a bill as a job: every item line the reader hands over goes through
// the command-line pricer (the window's own rows and solve), is added to the
// totals and handed to the writers. The cost file is opened at the first
// item, so that the bill's Costs line above it can name it.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Pricer.h"
#include "bill/job/BillReader.h"
#include "bill/job/JobTotals.h"
#include "bill/job/JobWriter.h"

namespace korvane {

class TJobPricer : public TBillHandler {
public:
  // `setup.CostFile`, when set, wins over the bill's Costs line; a Costs
  // line's relative name is taken from `billDir` (with its trailing '/';
  // empty for the current folder). Writers must outlive the pricer.
  TJobPricer(const TPricerSetup &setup, std::string billName, std::string billDir,
             std::vector<TJobWriter *> writers);
  // With a pricer already open, which prices job after job without reading
  // its files again; the bill's Costs line is then not read (as after
  // --costs). `opened` must outlive the job.
  TJobPricer(TPricer &opened, std::string billName, std::vector<TJobWriter *> writers);

  // The cost file of a bill without a Costs line when the setup names none
  // (the bill window's: the calculator's last cost file).
  void SetFallbackCostFile(std::string path) { fallback_ = std::move(path); }
  // What a line of a bill made from something else (a building model's
  // elements) came from, named after the reason when that line is in error;
  // empty for a line of its own.
  void SetLineSource(std::function<std::string_view(int line)> source) {
    source_ = std::move(source);
  }
  // The company the quotes are from, and the defaults (VAT, validity,
  // currency symbol) of a bill that names none.
  void SetCompany(TCompanyProfile company) { company_ = std::move(company); }

  void CostsLine(int line, std::string_view file) override;
  void Item(const TBillItem &item) override;
  void NotPriced(int line, int code, std::string_view reason) override;
  void Error(int line, std::string_view reason) override;
  // Something a bill was made from (an element of a building model) that is
  // not priced: `line` is the comment line that stands for it, `keyword`
  // what it is.
  void NotPricedNote(int line, std::string_view keyword, std::string_view reason);
  void Section(int line, std::string_view title) override;
  void Details(const TJobDetails &details) override { details_ = details; }

  // After the reader's Finish: opens the cost file if no item did and
  // writes the totals. False with `FatalError()` when the cost file or price
  // list cannot be read (nothing was written then) or an output failed.
  bool Finish();

  // Set once the cost file or price list failed to open: the job stops.
  const std::string &FatalError() const { return fatal_; }
  const TJobTotals &Totals() const { return totals_; }

  // The pricer the job prices with (its warnings, once it is open).
  const TPricer &Pricer() const { return pricer_; }

private:
  void ChooseTexts();
  bool Open();

  TPricerSetup setup_;
  std::string billName_;
  std::string billDir_;
  std::vector<TJobWriter *> writers_;
  std::optional<std::string> costsLine_;
  std::optional<std::string> fallback_;
  std::function<std::string_view(int)> source_;
  TCompanyProfile company_;
  TJobDetails details_;
  std::unique_ptr<TPricer> own_;
  TPricer &pricer_;
  bool open_ = false; // the pricer is open and the writers have begun
  std::string fatal_;
  std::string error_;
  TJobTotals totals_;
  TReportTexts texts_ = TReportTexts::FiguresOnly;
  bool itemCsv_ = false; // a writer reads the item's CSV columns
  std::string csv_;
};

} // namespace korvane
