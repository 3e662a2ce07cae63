#include "bill/job/JobTable.h"

#include <cstdint>

#include "base/NumberText.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

constexpr std::array<std::string_view, kJobColumnCount> kTitles = {
    "Line", "Item", "Sizes", "Number", "Each", "Amount", "Gauge", "Area m²", "Weight kg"};

Variant Int(std::size_t n) {
  return Variant(static_cast<std::int32_t>(n));
}

} // namespace

std::string_view JobColumnTitle(TJobColumn column) {
  return kTitles[static_cast<int>(column)];
}

bool JobColumnIsNumber(TJobColumn column) {
  return column != TJobColumn::Item && column != TJobColumn::Sizes;
}

void TJobTable::Begin(const TJobInfo &info) {
  info_ = info;
}

void TJobTable::Line(const TPricedLine &line) {
  TJobRow &row = rows_.emplace_back();
  row.Line = line.Bill.Line;
  row.Section = line.SectionLine;
  auto cell = [&row](TJobColumn c) -> std::string & { return row.Cells[static_cast<int>(c)]; };
  cell(TJobColumn::Line) = std::to_string(line.Bill.Line);
  cell(TJobColumn::Item) = BillCanonicalName(line.Bill.Code);
  AppendSizes(cell(TJobColumn::Sizes), line.Bill);
  cell(TJobColumn::Number) = std::to_string(line.Bill.Quantity);
  // The figures a quote prints, so that the window's Amounts add up too.
  cell(TJobColumn::Each) = MoneyText(line.Each, info_.Currency);
  cell(TJobColumn::Amount) = MoneyText(line.Amount, info_.Currency);
  AppendFixed(cell(TJobColumn::Gauge), line.Gauge, 1);
  AppendFormatted(cell(TJobColumn::Area), "%0.2n", {line.Area});
  AppendFormatted(cell(TJobColumn::Weight), "%0.1n", {line.Weight});
}

void TJobTable::AddQuoteRows(const TJobTotals &t) {
  const auto money = [this](TJobRowKind kind, int line, std::string label, TCents cents) {
    TJobRow row;
    row.Kind = kind;
    row.Line = line;
    row.Cells[static_cast<int>(TJobColumn::Item)] = std::move(label);
    if (kind != TJobRowKind::Section)
      row.Cells[static_cast<int>(TJobColumn::Amount)] = MoneyText(cents, info_.Currency);
    return row;
  };
  // A bill with titled sections shows each under its title, with its
  // subtotal, as its quote does.
  const bool titled =
      !t.Sections.empty() && (t.Sections.size() > 1 || !t.Sections[0].Title.empty());
  if (titled) {
    std::vector<TJobRow> rows;
    rows.reserve(rows_.size() + 2 * t.Sections.size());
    auto item = rows_.begin();
    for (const TJobSection &section : t.Sections) {
      if (!section.Title.empty())
        rows.push_back(money(TJobRowKind::Section, section.Line, section.Title, 0));
      while (item != rows_.end() && item->Section == section.Line)
        rows.push_back(std::move(*item++));
      rows.push_back(money(TJobRowKind::Subtotal, section.Line,
                           section.Title.empty() ? "Subtotal" : "Subtotal: " + section.Title,
                           section.Subtotal));
    }
    // Lines in no section the totals know stay, never dropped.
    for (; item != rows_.end(); ++item)
      rows.push_back(std::move(*item));
    rows_ = std::move(rows);
  }
  const TJobMoney &m = t.Money;
  if (!titled && m.Discount == 0 && m.Vat == 0)
    return;
  rows_.push_back(money(TJobRowKind::Money, 0, "Subtotal", m.Subtotal));
  if (m.Discount != 0)
    rows_.push_back(
        money(TJobRowKind::Money, 0, "Discount " + PercentText(m.DiscountPercent), -m.Discount));
  if (m.Vat != 0)
    rows_.push_back(money(TJobRowKind::Money, 0, "VAT " + PercentText(m.VatPercent), m.Vat));
  rows_.push_back(money(TJobRowKind::Money, 0, "Total", m.Total));
}

bool TJobTable::End(const TJobTotals &t, std::string &) {
  AddQuoteRows(t);
  TJobSummary &s = summary_;
  s = {};
  s.Total = MoneyText(t.Money.Total, info_.Currency);
  s.TotalWords = "Total " + s.Total;
  if (t.Money.Vat != 0)
    s.TotalWords += " incl. VAT " + MoneyText(t.Money.Vat, info_.Currency);
  AppendFormatted(s.Sheet, "%0.2n m²  %0.1n kg", {t.Area, t.Weight});
  for (const auto &[gauge, sheet] : t.Sheets)
    s.Sheets.push_back({Format("%0.1f mm", {gauge}), Format("%0.2n m²", {sheet.Area}),
                        Format("%0.1n kg", {sheet.Weight})});
  for (const auto &[kind, area] : t.Insulation)
    s.Insulation.push_back(
        {Format("%s %d mm", {Variant(std::string(InsulationKindWord(kind.first))),
                             Variant(static_cast<std::int32_t>(kind.second))}),
         Format("%0.2n m²", {area}), std::string()});
  s.Notes = JobNotes(t);
  s.Counts = Format("%d priced, %d not priced, %d bad",
                    {Int(t.Priced), Int(t.NotPriced.size()), Int(t.Errors.size())});
  s.Status = s.TotalWords + "   " + s.Counts;
  return true;
}

std::vector<TJobNote> JobNotes(const TJobTotals &t) {
  std::vector<TJobNote> notes;
  // Both lists come in line order; merged, the notes read down the bill.
  auto notPriced = t.NotPriced.begin();
  auto bad = t.Errors.begin();
  while (notPriced != t.NotPriced.end() || bad != t.Errors.end()) {
    const bool takeBad =
        notPriced == t.NotPriced.end() || (bad != t.Errors.end() && bad->Line < notPriced->Line);
    const TBillNote &n = takeBad ? *bad++ : *notPriced++;
    std::string text = "line " + std::to_string(n.Line) + ": ";
    if (!takeBad)
      text += "not priced: " + n.Keyword + ": ";
    text += n.Reason;
    notes.push_back({n.Line, takeBad, std::move(text)});
  }
  return notes;
}

TJobSummary FailedJobSummary(std::string_view reason) {
  TJobSummary s;
  s.Total = "not priced";
  s.TotalWords = "Total not priced";
  s.Notes.push_back({0, true, std::string(reason)});
  s.Status = "Not priced: " + std::string(reason);
  return s;
}

} // namespace korvane
