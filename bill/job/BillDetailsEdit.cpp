#include "bill/job/BillDetailsEdit.h"

#include <algorithm>

#include "bill/job/BillReader.h"

namespace korvane {

namespace {

// Which lines the bill reader takes for detail lines: only it knows where
// the first item is, and which lines a "{ }" comment hides.
class TDetailLineFinder : public TBillHandler {
public:
  std::vector<int> Lines; // 1-based

  void CostsLine(int, std::string_view) override {}
  void Item(const TBillItem &) override {}
  void NotPriced(int, int, std::string_view) override {}
  void Error(int, std::string_view) override {}
  void DetailLine(int line) override { Lines.push_back(line); }
};

struct TLineSpan {
  std::size_t Begin = 0;
  std::size_t End = 0; // past the line end
};

std::vector<TLineSpan> DetailLineSpans(std::string_view bill) {
  TDetailLineFinder finder;
  TBillReader reader(finder, TBillOptions{});
  reader.Feed(bill);
  reader.Finish();
  std::vector<TLineSpan> spans;
  std::size_t at = 0;
  int line = 1;
  for (const int wanted : finder.Lines) {
    for (; line < wanted && at < bill.size(); ++line)
      at = std::min(bill.find('\n', at), bill.size() - 1) + 1;
    const std::size_t nl = bill.find('\n', at);
    spans.push_back({at, nl == std::string_view::npos ? bill.size() : nl + 1});
  }
  return spans;
}

std::string_view LineEnd(std::string_view bill) {
  const std::size_t nl = bill.find('\n');
  return nl != std::string_view::npos && nl > 0 && bill[nl - 1] == '\r' ? "\r\n" : "\n";
}

} // namespace

std::vector<TDetailText> ReadBillDetails(std::string_view bill) {
  std::vector<TDetailText> details;
  for (const TLineSpan &span : DetailLineSpans(bill)) {
    std::string_view line = bill.substr(span.Begin, span.End - span.Begin);
    if (!line.empty() && line.back() == '\n')
      line.remove_suffix(1);
    if (auto text = SplitJobDetailLine(line))
      details.push_back(std::move(*text));
  }
  return details;
}

std::string WithBillDetails(std::string_view bill, std::span<const TDetailText> details) {
  const std::vector<TLineSpan> spans = DetailLineSpans(bill);
  const std::string_view end = LineEnd(bill);
  std::string block;
  for (const TDetailText &d : details)
    if (!d.Value.empty())
      block.append("; ").append(d.Field).append(": ").append(d.Value).append(end);
  const std::size_t insertAt = spans.empty() ? 0 : spans.front().Begin;
  std::string out;
  out.reserve(bill.size() + block.size());
  std::size_t at = 0;
  for (const TLineSpan &span : spans) {
    out.append(bill.substr(at, span.Begin - at));
    if (span.Begin == insertAt)
      out += block;
    at = span.End;
  }
  if (spans.empty())
    out += block;
  // The bill's last line was a detail line without a line end: the text
  // written loses its final line end in turn, that of whatever now ends it,
  // the block or a line kept from between the details (a blank one, say).
  if (!spans.empty() && spans.back().End == bill.size() && bill.back() != '\n' && !out.empty() &&
      out.back() == '\n' && at == bill.size()) {
    out.pop_back();
    if (!out.empty() && out.back() == '\r')
      out.pop_back();
  }
  out.append(bill.substr(at));
  return out;
}

std::string WithBillDetail(std::string_view bill, std::string_view field, std::string_view value) {
  std::vector<TDetailText> details = ReadBillDetails(bill);
  const auto named = [&](const TDetailText &d) { return d.Field == field; };
  const auto first = std::find_if(details.begin(), details.end(), named);
  if (first == details.end()) {
    details.push_back({field, std::string(value)});
  } else {
    first->Value = value;
    details.erase(std::remove_if(first + 1, details.end(), named), details.end());
  }
  return WithBillDetails(bill, details);
}

} // namespace korvane
