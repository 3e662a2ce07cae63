#include "bill/job/JobJsonWriter.h"

#include <cstddef>

#include "base/JsonText.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

void Member(std::string &out, std::string_view name, double value) {
  out += ",\"";
  out += name;
  out += "\":";
  AppendJsonNumber(out, value);
}

void Money(std::string &out, std::string_view name, TCents cents) {
  Member(out, name, static_cast<double>(cents) / 100.0);
}

void Text(std::string &out, std::string_view name, std::string_view value) {
  out += ",\"";
  out += name;
  out += "\":";
  AppendJsonString(out, value);
}

template <typename Notes> void AppendNotes(std::string &out, const Notes &notes, bool keyword) {
  out += '[';
  for (std::size_t i = 0; i < notes.size(); ++i) {
    out += i > 0 ? ",\n{\"line\":" : "\n{\"line\":";
    AppendJsonNumber(out, notes[i].Line);
    if (keyword) {
      out += ",\"type\":";
      AppendJsonString(out, notes[i].Keyword);
    }
    out += ",\"reason\":";
    AppendJsonString(out, notes[i].Reason);
    out += '}';
  }
  out += ']';
}

} // namespace

void TJobJsonWriter::Begin(const TJobInfo &info) {
  out_ += "{\"bill\":";
  AppendJsonString(out_, info.BillName);
  out_ += ",\"cost_file\":";
  AppendJsonString(out_, info.CostFile);
  out_ += ",\"reference_date\":";
  AppendJsonString(out_, info.ReferenceDate);
  // The job's details as the bill gives them; a field it leaves out is null.
  const TJobDetails &d = info.Details;
  out_ += ",\n\"details\":{\"customer\":";
  AppendJsonString(out_, d.Customer);
  out_ += ",\"customer_address\":[";
  for (std::size_t i = 0; i < d.CustomerAddress.size(); ++i) {
    if (i > 0)
      out_ += ',';
    AppendJsonString(out_, d.CustomerAddress[i]);
  }
  out_ += ']';
  Text(out_, "project", d.Project);
  Text(out_, "site", d.Site);
  Text(out_, "reference", d.Reference);
  Text(out_, "quote_number", d.QuoteNumber);
  Text(out_, "date", d.Date);
  Text(out_, "prepared_by", d.PreparedBy);
  out_ += ",\"valid_days\":";
  if (d.ValidDays)
    AppendJsonNumber(out_, *d.ValidDays);
  else
    out_ += "null";
  out_ += "},\n\"items\":[";
}

void TJobJsonWriter::Line(const TPricedLine &line) {
  const TBillItem &item = line.Bill;
  out_ += first_ ? "\n{\"line\":" : ",\n{\"line\":";
  first_ = false;
  AppendJsonNumber(out_, item.Line);
  out_ += ",\"type\":";
  AppendJsonString(out_, BillCanonicalName(item.Code));
  out_ += ",\"numbers\":[";
  for (std::size_t i = 0; i < item.Numbers.size(); ++i) {
    if (i > 0)
      out_ += ',';
    AppendJsonString(out_, item.Numbers[i]);
  }
  out_ += "],\"quantity\":";
  AppendJsonNumber(out_, static_cast<double>(item.Quantity));
  Member(out_, "price", line.Price);
  Member(out_, "extended_price", line.Extended);
  Member(out_, "area", line.Area);
  Member(out_, "insulation_area", line.InsArea);
  Member(out_, "weight", line.Weight);
  Member(out_, "gauge", line.Gauge);
  Money(out_, "each", line.Each);
  Money(out_, "amount", line.Amount);
  Text(out_, "section", line.SectionTitle);
  out_ += '}';
}

bool TJobJsonWriter::End(const TJobTotals &t, std::string &) {
  out_ += "],\n\"totals\":{\"price\":";
  AppendJsonNumber(out_, t.Price);
  Member(out_, "area", t.Area);
  Member(out_, "insulation_area", t.InsArea);
  Member(out_, "weight", t.Weight);
  const TJobMoney &m = t.Money;
  Money(out_, "subtotal", m.Subtotal);
  Member(out_, "discount_percent", m.DiscountPercent / 100.0);
  Money(out_, "discount", m.Discount);
  Member(out_, "vat_percent", m.VatPercent / 100.0);
  Money(out_, "vat", m.Vat);
  Money(out_, "total", m.Total);
  out_ += "},\n\"sections\":[";
  bool first = true;
  for (const TJobSection &section : t.Sections) {
    out_ += first ? "{\"title\":" : ",{\"title\":";
    first = false;
    AppendJsonString(out_, section.Title);
    Member(out_, "line", section.Line);
    Member(out_, "priced", static_cast<double>(section.Priced));
    Money(out_, "subtotal", section.Subtotal);
    out_ += '}';
  }
  out_ += "],\n\"sheets\":[";
  first = true;
  for (const auto &[gauge, sheet] : t.Sheets) {
    out_ += first ? "{\"gauge\":" : ",{\"gauge\":";
    first = false;
    AppendJsonNumber(out_, gauge);
    Member(out_, "area", sheet.Area);
    Member(out_, "weight", sheet.Weight);
    out_ += '}';
  }
  out_ += "],\n\"insulation\":[";
  first = true;
  for (const auto &[kind, area] : t.Insulation) {
    out_ += first ? "{\"kind\":" : ",{\"kind\":";
    first = false;
    AppendJsonString(out_, InsulationKindWord(kind.first));
    Member(out_, "thickness", kind.second);
    Member(out_, "area", area);
    out_ += '}';
  }
  out_ += "],\n\"not_priced\":";
  AppendNotes(out_, t.NotPriced, true);
  out_ += ",\n\"errors\":";
  AppendNotes(out_, t.Errors, false);
  out_ += ",\n\"counts\":{\"priced\":";
  AppendJsonNumber(out_, static_cast<double>(t.Priced));
  Member(out_, "not_priced", static_cast<double>(t.NotPriced.size()));
  Member(out_, "bad", static_cast<double>(t.Errors.size()));
  out_ += "}}\n";
  return true;
}

} // namespace korvane
