#include "app/PriceCsv.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/PricedValues.h"
#include "base/AsciiText.h"
#include "base/JsonText.h"

namespace korvane {

namespace {

// The distinct property keys of all types and, per type, the data row of each.
struct TCsvLayout {
  std::vector<std::string_view> keys;
  std::array<std::vector<int>, kTypeCount> rowOf; // 0: the type has no such key

  TCsvLayout() : keys(CatalogueProps()) {
    for (int t = 0; t < kTypeCount; ++t)
      for (std::string_view key : keys)
        rowOf[static_cast<std::size_t>(t)].push_back(FindPropKey(t, key) + 1);
  }
};

const TCsvLayout &CsvLayout() {
  static const TCsvLayout layout;
  return layout;
}

} // namespace

void AppendCsvHeader(std::string &out) {
  AppendCsvHeaderColumns(out);
  out += "\r\n";
}

void AppendCsvHeaderColumns(std::string &out) {
  out += "line,type";
  for (std::string_view key : CsvLayout().keys) {
    out += ',';
    out += key;
  }
  out += ",price,area,insulation_area,weight,gauge_used,flange_used,status,warnings";
}

void AppendCsvRow(std::string &out, const TPricer &pricer, std::size_t line) {
  AppendCsvColumns(out, pricer, line);
  out += "\r\n";
}

void AppendCsvColumns(std::string &out, const TPricer &pricer, std::size_t line) {
  const TSolveReport &r = pricer.Report();
  const int type = pricer.Type();
  const std::string_view key = DuctTypes[static_cast<std::size_t>(type)].Key;
  const std::vector<int> &rows = CsvLayout().rowOf[static_cast<std::size_t>(type)];
  AppendCount(out, line);
  out += ',';
  out += key;
  // The columns up to the flange are numbers: built in one buffer and
  // appended at once (a text value, which may need quoting, is appended on
  // its own). Room for every column at its longest.
  char buf[(kMaxProps * 2 + 6) * (1 + kMaxJsonNumber)];
  char *p = buf;
  for (int row : rows) {
    if (static_cast<std::size_t>(buf + sizeof buf - p) < 1 + kMaxJsonNumber) {
      out.append(buf, p); // more columns than the buffer was sized for
      p = buf;
    }
    *p++ = ',';
    if (row <= 0)
      continue;
    const Variant value = RowValue(pricer, row);
    switch (value.kind()) {
    case Variant::Kind::Double:
      p = WriteJsonNumber(p, value.asDouble());
      break;
    case Variant::Kind::Int:
      p = WriteJsonNumber(p, value.asInt());
      break;
    case Variant::Kind::Bool:
      p = value.asBool() ? std::copy_n("true", 4, p) : std::copy_n("false", 5, p);
      break;
    case Variant::Kind::Text:
      out.append(buf, p);
      AppendCsvField(out, value.text());
      p = buf;
      break;
    case Variant::Kind::Empty:
      break;
    }
  }
  for (double number : {r.Price, r.Area, r.InsArea, r.Weight}) {
    *p++ = ',';
    p = WriteJsonNumber(p, number);
  }
  *p++ = ',';
  if (Priced(pricer))
    p = WriteJsonNumber(p, pricer.Engine().outputs.GaugeUsed);
  *p++ = ',';
  out.append(buf, p);
  if (Priced(pricer) && !IsRoundType(type))
    AppendCsvField(out, FlangeWord(pricer));
  out += ',';
  AppendCsvField(out, r.StatusText);
  out += ',';
  AppendCsvField(out, pricer.WarningsText());
}

void AppendCsvError(std::string &out, std::size_t line, std::string_view error) {
  AppendCount(out, line);
  // Every column but the status is empty.
  out.append(CsvLayout().keys.size() + 8, ',');
  std::string status = "error: ";
  status.append(error);
  AppendCsvField(out, status);
  out += ",\r\n";
}

} // namespace korvane
