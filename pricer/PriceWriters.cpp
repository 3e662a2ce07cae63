#include "pricer/PriceWriters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "app/PricedValues.h"
#include "app/ReportLabels.h"
#include "base/AsciiText.h"
#include "base/JsonText.h"
#include "bill/BillLine.h"

namespace korvane {

namespace {

// A value as the solve read it: numbers as numbers, a cell that does not read
// as one as its text.
void AppendJsonValue(std::string &out, const Variant &value) {
  switch (value.kind()) {
  case Variant::Kind::Double:
    AppendJsonNumber(out, value.asDouble());
    break;
  case Variant::Kind::Int:
    AppendJsonNumber(out, value.asInt());
    break;
  case Variant::Kind::Bool:
    out += value.asBool() ? "true" : "false";
    break;
  case Variant::Kind::Text:
    AppendJsonString(out, value.text());
    break;
  case Variant::Kind::Empty:
    out += "null";
    break;
  }
}

// A text the failed solve never reached is null rather than empty.
void AppendKeptText(std::string &out, const TPricer &pricer, const std::string &text) {
  if (!Priced(pricer) && text.empty())
    out += "null";
  else
    AppendJsonString(out, text);
}

// Per type, the JSON text from "type" to the opening of "values", and each
// property's key with its ':' (and the ',' before all but the first): the
// same for every item of the type, so escaped once.
struct TJsonLayout {
  std::array<std::string, kTypeCount> head;
  std::array<std::vector<std::string>, kTypeCount> keys;

  TJsonLayout() {
    for (int t = 0; t < kTypeCount; ++t) {
      const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(t)];
      std::string &h = head[static_cast<std::size_t>(t)];
      h = "\"type\":";
      AppendJsonString(h, rec.Key);
      h += ",\"values\":{";
      for (int k = 0; k < rec.PropCount(); ++k) {
        std::string key = k > 0 ? "," : "";
        AppendJsonString(key, rec.Props[static_cast<std::size_t>(k)]);
        key += ':';
        keys[static_cast<std::size_t>(t)].push_back(std::move(key));
      }
    }
  }
};

const TJsonLayout &JsonLayout() {
  static const TJsonLayout layout;
  return layout;
}

} // namespace

void AppendTextReport(std::string &out, const TPricer &pricer) {
  const TSolveReport &r = pricer.Report();
  for (const std::string &line : r.Details) {
    out += line;
    out += '\n';
  }
  out += '\n';
  out += r.StatusText;
  out += '\n';
  if (r.Failed)
    return;
  out += r.RatesText;
  out += '\n';
  AppendBillText(out, pricer.Type(), r, "\n");
}

void AppendJsonReport(std::string &out, const TPricer &pricer, std::size_t line) {
  const TSolveReport &r = pricer.Report();
  const int type = pricer.Type();
  const TJsonLayout &layout = JsonLayout();
  out += '{';
  if (line > 0) {
    out += "\"line\":";
    AppendCount(out, line);
    out += ',';
  }
  out += layout.head[static_cast<std::size_t>(type)];
  const std::vector<std::string> &keys = layout.keys[static_cast<std::size_t>(type)];
  for (std::size_t k = 0; k < keys.size(); ++k) {
    out += keys[k];
    AppendJsonValue(out, RowValue(pricer, static_cast<int>(k) + 1));
  }
  // The figures, written in one buffer and appended at once.
  static constexpr std::string_view kFigureNames[] = {
      "},\"price\":", ",\"area\":",          ",\"insulation_area\":",
      ",\"weight\":", ",\"centre_length\":", ",\"gauge\":"};
  const double figures[] = {
      r.Price,  r.Area,         r.InsArea,
      r.Weight, r.CentreLength, Priced(pricer) ? pricer.Engine().outputs.GaugeUsed : std::nan("")};
  char buf[std::size(kFigureNames) * (24 + kMaxJsonNumber)];
  char *p = buf;
  for (std::size_t i = 0; i < std::size(figures); ++i) {
    p = std::copy(kFigureNames[i].begin(), kFigureNames[i].end(), p);
    p = WriteJsonNumber(p, figures[i]); // not a number: null
  }
  out.append(buf, p);
  out += ",\"flange\":";
  if (Priced(pricer) && !IsRoundType(type))
    AppendJsonString(out, FlangeWord(pricer));
  else
    out += "null";
  out += ",\"details\":[";
  for (std::size_t i = 0; i < r.Details.size(); ++i) {
    if (i > 0)
      out += ',';
    AppendJsonString(out, r.Details[i]);
  }
  out += "],\"status\":";
  AppendJsonString(out, r.StatusText);
  out += ",\"rates\":";
  AppendKeptText(out, pricer, r.RatesText);
  out += ",\"summary\":";
  AppendKeptText(out, pricer, r.SummaryLine);
  out += ",\"bill\":";
  if (Priced(pricer)) {
    out += '"';
    AppendJsonEscaped(out, BillKeyword(type, r.VanesFlag));
    out += " (";
    AppendJsonEscaped(out, r.BillOptions);
    out += ")\\r\\n\\t-\\t";
    AppendJsonEscaped(out, r.SummaryLine);
    out += "\\r\\n\"";
  } else {
    out += "null";
  }
  if (!pricer.Warnings().empty()) {
    out += ",\"warnings\":[";
    for (std::size_t i = 0; i < pricer.Warnings().size(); ++i) {
      if (i > 0)
        out += ',';
      AppendJsonString(out, pricer.Warnings()[i]);
    }
    out += ']';
  }
  out += "}\n";
}

void AppendJsonError(std::string &out, std::size_t line, std::string_view error) {
  out += "{\"line\":";
  AppendCount(out, line);
  out += ",\"error\":";
  AppendJsonString(out, error);
  out += "}\n";
}

} // namespace korvane
