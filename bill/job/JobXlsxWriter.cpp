#include "bill/job/JobXlsxWriter.h"

#include <algorithm>
#include <cstdint>

#include "bill/job/CustomerQuote.h"
#include "bill/job/QuoteBuilder.h"
#include "bill/job/QuoteTexts.h"

namespace korvane {

namespace {

// The quote sheet's columns, A to H.
enum TColumn { cLine, cSection, cItem, cSizes, cDescription, cNumber, cEach, cAmount };

// The longest formula a spreadsheet takes, in characters.
constexpr std::size_t kMaxFormula = 8192;

double Money(TCents cents) {
  return static_cast<double>(cents) / 100.0;
}

double Percent(TPercent100 percent) {
  return percent / 10000.0;
}

std::string Formatted(std::string_view format, double value) {
  std::string text;
  AppendFormatted(text, format, {value});
  return text;
}

// The text of a number format: `text` shown as it is, whatever it holds.
std::string Literal(const std::string &text) {
  std::string quoted = "\"";
  for (const char c : text)
    quoted += c == '"' ? std::string(R"("\"")") : std::string(1, c);
  return quoted + '"';
}

// Two decimals with the currency's symbol in its place.
std::string MoneyFormat(const TCurrencyFormat &currency) {
  constexpr std::string_view kNumber = "#,##0.00";
  const std::string symbol = CellText(currency.symbol);
  if (symbol.empty())
    return std::string(kNumber);
  const std::string space = currency.spaced ? " " : "";
  return currency.symbolAfter ? std::string(kNumber) + Literal(space + symbol)
                              : Literal(symbol + space) + std::string(kNumber);
}

std::string SumOf(int column, unsigned first, unsigned end) {
  if (first == end)
    return "=0";
  return "=SUM(" + TXlsxSheet::Cell(column, first) + ":" + TXlsxSheet::Cell(column, end - 1) + ")";
}

// The columns' titles, kept in sight as the rows below them scroll.
void HeaderRow(TXlsxSheet &sheet, std::initializer_list<const char *> titles, lxw_format *bold) {
  int column = 0;
  for (const char *title : titles)
    sheet.Text(column++, title, bold);
  sheet.NextRow();
  sheet.FreezeAbove();
}

} // namespace

struct TJobXlsxWriter::TFormats {
  lxw_format *Bold, *Money, *MoneyBold, *Percent, *WholePercent;
  lxw_format *Gauge, *Area, *AreaBold, *Weight, *WeightBold;
};

TJobXlsxWriter::TJobXlsxWriter(std::string &out, std::string today)
    : out_(out), today_(today.empty() ? LocalDateText() : std::move(today)) {}

TJobXlsxWriter::~TJobXlsxWriter() = default;

void TJobXlsxWriter::Begin(const TJobInfo &info) {
  currency_ = info.Currency;
  quote_ = nullptr;
  inSection_ = false;
  subtotalRows_.clear();
  book_ = std::make_unique<TXlsxBook>();
  if (!book_->Error().empty())
    return;
  TXlsxBook &b = *book_;
  const std::string money = MoneyFormat(currency_);
  formats_ = std::make_unique<TFormats>(
      TFormats{b.AddFormat(true), b.AddFormat(false, money), b.AddFormat(true, money),
               b.AddFormat(false, "0.00%"), b.AddFormat(false, "0%"), b.AddFormat(false, "0.0"),
               b.AddFormat(false, "#,##0.00"), b.AddFormat(true, "#,##0.00"),
               b.AddFormat(false, "#,##0.0"), b.AddFormat(true, "#,##0.0")});
  quote_ = &b.AddSheet("Quote");
  takeoffSheet_ = &b.AddSheet("Take-off");
  takeoff_ = std::make_unique<TJobTakeoffSheet>(info.Details);
  WriteHeading(info);
}

void TJobXlsxWriter::WriteHeading(const TJobInfo &info) {
  TQuoteDocument heading;
  SetQuoteHeading(heading, info, today_);
  TXlsxSheet &q = *quote_;
  lxw_format *bold = formats_->Bold;
  q.Text(cSection, heading.Title, bold);
  q.NextRow(2);
  // Each block's heading beside its first line, each fact's name beside
  // its value.
  for (const TQuoteBlock &block : heading.Blocks) {
    q.Text(cSection, block.Heading, bold);
    for (const std::string &line : block.Lines) {
      q.Text(cItem, line);
      q.NextRow();
    }
    if (block.Lines.empty())
      q.NextRow();
  }
  for (const auto &[name, value] : heading.Facts) {
    q.Text(cSection, name, bold);
    q.Text(cItem, value);
    q.NextRow();
  }
  q.NextRow();
  HeaderRow(q, {"Line", "Section", "Item", "Sizes", "Description", "Number", "Each", "Amount"},
            bold);
  firstLineRow_ = q.Row();
}

void TJobXlsxWriter::Line(const TPricedLine &line) {
  if (!quote_)
    return;
  if (!inSection_ || line.SectionLine != sectionLine_) {
    if (inSection_)
      EndSection();
    inSection_ = true;
    sectionLine_ = line.SectionLine;
    sectionHeading_ = line.SectionTitle.empty() ? "Items" : std::string(line.SectionTitle);
    sectionRow_ = quote_->Row();
    sectionCents_ = 0;
  }
  TXlsxSheet &q = *quote_;
  const TBillItem &item = line.Bill;
  const unsigned row = q.Row();
  q.Number(cLine, item.Line, nullptr, std::to_string(item.Line));
  q.Text(cSection, sectionHeading_);
  q.Text(cItem, QuoteItemName(item));
  if (!line.Description.empty()) {
    q.Text(cSizes, line.Description);
  } else {
    std::string sizes;
    AppendSizes(sizes, item);
    q.Text(cSizes, sizes);
  }
  q.Text(cDescription, IncludedWords(line));
  q.Number(cNumber, static_cast<double>(item.Quantity), nullptr, std::to_string(item.Quantity));
  q.Number(cEach, Money(line.Each), formats_->Money, MoneyText(line.Each, currency_));
  q.Formula(cAmount, "=" + TXlsxSheet::Cell(cNumber, row) + "*" + TXlsxSheet::Cell(cEach, row),
            Money(line.Amount), formats_->Money, MoneyText(line.Amount, currency_));
  sectionCents_ += line.Amount;
  q.NextRow();
  takeoff_->Add(line);
}

void TJobXlsxWriter::EndSection() {
  TXlsxSheet &q = *quote_;
  q.Text(cSection, "Subtotal " + sectionHeading_, formats_->Bold);
  q.Formula(cAmount, SumOf(cAmount, sectionRow_, q.Row()), Money(sectionCents_),
            formats_->MoneyBold, MoneyText(sectionCents_, currency_));
  subtotalRows_.push_back(q.Row());
  q.NextRow();
  inSection_ = false;
}

void TJobXlsxWriter::WriteMoney(const TJobMoney &m) {
  TXlsxSheet &q = *quote_;
  const TFormats &f = *formats_;
  q.NextRow();
  const unsigned sub = q.Row(), discount = sub + 1, vat = sub + 2;
  const auto cell = [](int column, unsigned row) { return TXlsxSheet::Cell(column, row); };
  std::string subtotal;
  for (const unsigned row : subtotalRows_)
    subtotal += (subtotal.empty() ? "=" : "+") + cell(cAmount, row);
  if (subtotal.empty())
    subtotal = "=0";
  // With more sections than one formula can name, the column from the first
  // line down holds every Amount once and every section's subtotal (their
  // sum) once: half of it is the Subtotal.
  if (subtotal.size() > kMaxFormula)
    subtotal = "=SUM(" + cell(cAmount, firstLineRow_) + ":" + cell(cAmount, sub - 1) + ")/2";
  const auto percent = [&](TPercent100 value) {
    q.Number(cEach, Percent(value), value % 100 == 0 ? f.WholePercent : f.Percent,
             PercentText(value));
  };

  q.Text(cSection, "Subtotal", f.Bold);
  q.Formula(cAmount, subtotal, Money(m.Subtotal), f.Money, MoneyText(m.Subtotal, currency_));
  q.NextRow();
  q.Text(cSection, "Discount", f.Bold);
  percent(m.DiscountPercent);
  q.Formula(cAmount, "=ROUND(" + cell(cAmount, sub) + "*" + cell(cEach, discount) + ",2)",
            Money(m.Discount), f.Money, MoneyText(m.Discount, currency_));
  q.NextRow();
  q.Text(cSection, "VAT", f.Bold);
  percent(m.VatPercent);
  q.Formula(cAmount,
            "=ROUND((" + cell(cAmount, sub) + "-" + cell(cAmount, discount) + ")*" +
                cell(cEach, vat) + ",2)",
            Money(m.Vat), f.Money, MoneyText(m.Vat, currency_));
  q.NextRow();
  q.Text(cSection, "Total", f.Bold);
  q.Formula(cAmount,
            "=" + cell(cAmount, sub) + "-" + cell(cAmount, discount) + "+" + cell(cAmount, vat),
            Money(m.Total), f.MoneyBold, MoneyText(m.Total, currency_));
  q.NextRow();
}

void TJobXlsxWriter::WriteSheets(const TJobTotals &t) {
  const TFormats &f = *formats_;
  TXlsxSheet &sheets = book_->AddSheet("Sheet per gauge");
  HeaderRow(sheets, {"Gauge (mm)", "Sheet area (m²)", "Weight (kg)"}, f.Bold);
  const unsigned firstGauge = sheets.Row();
  TSheetTotal all;
  for (const auto &[gauge, sheet] : t.Sheets) {
    sheets.Number(0, gauge, f.Gauge, Formatted("%0.1f", gauge));
    sheets.Number(1, sheet.Area, f.Area, Formatted("%0.2n", sheet.Area));
    sheets.Number(2, sheet.Weight, f.Weight, Formatted("%0.1n", sheet.Weight));
    sheets.NextRow();
    all.Area += sheet.Area;
    all.Weight += sheet.Weight;
  }
  sheets.Text(0, "Total", f.Bold);
  sheets.Formula(1, SumOf(1, firstGauge, sheets.Row()), all.Area, f.AreaBold,
                 Formatted("%0.2n", all.Area));
  sheets.Formula(2, SumOf(2, firstGauge, sheets.Row()), all.Weight, f.WeightBold,
                 Formatted("%0.1n", all.Weight));

  TXlsxSheet &insulation = book_->AddSheet("Insulation");
  HeaderRow(insulation, {"Kind", "Thickness (mm)", "Area (m²)"}, f.Bold);
  const unsigned firstKind = insulation.Row();
  double insulated = 0;
  for (const auto &[kind, area] : t.Insulation) {
    insulation.Text(0, InsulationKindWord(kind.first));
    insulation.Number(1, kind.second, nullptr, std::to_string(kind.second));
    insulation.Number(2, area, f.Area, Formatted("%0.2n", area));
    insulation.NextRow();
    insulated += area;
  }
  insulation.Text(0, "Total", f.Bold);
  insulation.Formula(2, SumOf(2, firstKind, insulation.Row()), insulated, f.AreaBold,
                     Formatted("%0.2n", insulated));

  // The lines not priced and the bad ones, together in the bill's order.
  TXlsxSheet &left = book_->AddSheet("Not priced");
  HeaderRow(left, {"Line", "Reason"}, f.Bold);
  std::vector<const TBillNote *> notes;
  for (const auto *list : {&t.NotPriced, &t.Errors})
    for (const TBillNote &note : *list)
      notes.push_back(&note);
  std::stable_sort(notes.begin(), notes.end(),
                   [](const TBillNote *a, const TBillNote *b) { return a->Line < b->Line; });
  for (const TBillNote *note : notes) {
    left.Number(0, note->Line, nullptr, std::to_string(note->Line));
    left.Text(1, NoteText(*note));
    left.NextRow();
  }
}

bool TJobXlsxWriter::End(const TJobTotals &totals, std::string &error) {
  if (!book_) {
    error = "the workbook was never begun";
    return false;
  }
  if (quote_) {
    if (inSection_)
      EndSection();
    WriteMoney(totals.Money);
    takeoff_->Write(*book_, *takeoffSheet_, formats_->Bold);
    WriteSheets(totals);
  }
  const bool written = book_->Close(out_, error);
  book_.reset();
  quote_ = nullptr;
  takeoff_.reset();
  return written;
}

} // namespace korvane
