#include "bill/job/JobPricer.h"

#include <algorithm>
#include <utility>

#include "app/PriceCsv.h"
#include "app/ReportLabels.h"
#include "bill/BillKeywords.h"

namespace korvane {

TJobPricer::TJobPricer(const TPricerSetup &setup, std::string billName, std::string billDir,
                       std::vector<TJobWriter *> writers)
    : setup_(setup), billName_(std::move(billName)), billDir_(std::move(billDir)),
      writers_(std::move(writers)), own_(std::make_unique<TPricer>()), pricer_(*own_) {
  ChooseTexts();
  totals_.Sections.emplace_back();
}

TJobPricer::TJobPricer(TPricer &opened, std::string billName, std::vector<TJobWriter *> writers)
    : setup_{}, billName_(std::move(billName)), writers_(std::move(writers)), pricer_(opened) {
  ChooseTexts();
  totals_.Sections.emplace_back();
}

void TJobPricer::ChooseTexts() {
  // The enumeration runs from all texts to the figures alone.
  for (const TJobWriter *writer : writers_) {
    texts_ = std::min(texts_, writer->TextsRead());
    itemCsv_ = itemCsv_ || writer->ReadsItemCsv();
  }
}

void TJobPricer::CostsLine(int, std::string_view file) {
  costsLine_ = std::string(file);
}

bool TJobPricer::Open() {
  if (open_ || !fatal_.empty())
    return open_;
  if (own_) {
    TPricerSetup setup = setup_;
    if (!setup.CostFile && costsLine_)
      setup.CostFile = costsLine_->front() == '/' ? *costsLine_ : billDir_ + *costsLine_;
    if (!setup.CostFile && fallback_)
      setup.CostFile = fallback_;
    if (!pricer_.Open(setup, fatal_))
      return false;
  }
  open_ = true;
  TJobInfo info{billName_,
                pricer_.CostFileName(),
                RefDateText(pricer_.Costs().RefDate),
                pricer_.Currency(),
                details_,
                company_};
  if (!company_.Currency.empty())
    info.Currency.symbol = company_.Currency;
  for (TJobWriter *writer : writers_)
    writer->Begin(info);
  return true;
}

void TJobPricer::Item(const TBillItem &item) {
  if (!Open())
    return;
  pricer_.SetErectionAndBrackets(item.Erection, item.Brackets);
  if (!pricer_.Price(item.Item, error_, texts_)) {
    Error(item.Line, error_);
    return;
  }
  const TSolveReport &r = pricer_.Report();
  if (r.Failed) {
    Error(item.Line, std::string(kBadData) + " the calculator has no price for these values");
    return;
  }
  const TEngine &engine = pricer_.Engine();
  TPricedLine line{item,
                   r.Price,
                   static_cast<double>(item.Quantity) * r.Price,
                   r.Area,
                   r.InsArea,
                   r.Weight,
                   engine.outputs.GaugeUsed,
                   CentsOf(r.Price),
                   0,
                   totals_.Sections.back().Line,
                   totals_.Sections.back().Title,
                   engine.settings,
                   {},
                   {},
                   {}};
  line.Amount = line.Each * item.Quantity;
  if (texts_ == TReportTexts::All && r.Details.size() > 2) {
    line.Description = r.Details[1];
    line.Options = r.Details[2];
  }
  if (itemCsv_) {
    csv_.clear();
    AppendCsvColumns(csv_, pricer_, static_cast<std::size_t>(item.Line));
    line.ItemCsv = csv_;
  }
  totals_.Add(item.Quantity, r.Price, r.Area, r.InsArea, r.Weight, engine.outputs.GaugeUsed,
              engine.settings.InsulationKind, engine.settings.InsulThickness);
  TJobSection &section = totals_.Sections.back();
  ++section.Priced;
  section.Subtotal += line.Amount;
  for (TJobWriter *writer : writers_)
    writer->Line(line);
}

void TJobPricer::NotPriced(int line, int code, std::string_view reason) {
  totals_.NotPriced.push_back({line, std::string(BillCanonicalName(code)), std::string(reason)});
}

void TJobPricer::NotPricedNote(int line, std::string_view keyword, std::string_view reason) {
  totals_.NotPriced.push_back({line, std::string(keyword), std::string(reason)});
}

void TJobPricer::Error(int line, std::string_view reason) {
  std::string said(reason);
  if (const std::string_view from = source_ ? source_(line) : std::string_view(); !from.empty())
    said += " (" + std::string(from) + ")";
  totals_.Errors.push_back({line, {}, std::move(said)});
}

void TJobPricer::Section(int line, std::string_view title) {
  totals_.Sections.push_back({line, std::string(title), 0, 0});
}

bool TJobPricer::Finish() {
  if (!Open())
    return false;
  TCents subtotal = 0;
  for (const TJobSection &section : totals_.Sections)
    subtotal += section.Subtotal;
  totals_.Money =
      JobMoney(subtotal, details_.Discount.value_or(0), details_.Vat.value_or(company_.VatPercent));
  if (totals_.Sections.front().Priced == 0)
    totals_.Sections.erase(totals_.Sections.begin());
  // An unclosed comment is only known at the end, and reported at its start.
  const auto byLine = [](const TBillNote &a, const TBillNote &b) { return a.Line < b.Line; };
  std::stable_sort(totals_.Errors.begin(), totals_.Errors.end(), byLine);
  std::stable_sort(totals_.NotPriced.begin(), totals_.NotPriced.end(), byLine);
  bool ok = true;
  for (TJobWriter *writer : writers_) {
    std::string error;
    if (!writer->End(totals_, error) && ok) {
      fatal_ = error;
      ok = false;
    }
  }
  return ok;
}

} // namespace korvane
