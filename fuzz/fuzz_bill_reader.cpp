// The bill reader and job pricer: any bytes, fed in pieces of any size, end
// with every number line priced, not priced or in error at its own line
// number; every outcome names a line of the bill; the job's totals are the
// sums of its priced lines; and no figure is a number that is not one.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "bill/job/BillLineLexer.h"
#include "bill/job/BillReader.h"
#include "bill/job/JobPricer.h"
#include "fuzz/FuzzPricer.h"
#include "fuzz/FuzzWorld.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

struct TSeen : TJobWriter {
  std::multiset<int> lines;
  double price = 0, area = 0, weight = 0;
  std::size_t count = 0;
  void Begin(const TJobInfo &) override {}
  void Line(const TPricedLine &l) override {
    FUZZ_CHECK(std::isfinite(l.Price) && std::isfinite(l.Area) && std::isfinite(l.Weight) &&
               std::isfinite(l.InsArea));
    FUZZ_CHECK(l.Bill.Quantity >= 1 && l.Bill.Quantity <= kMaxNumberOff);
    FUZZ_CHECK(l.Extended == static_cast<double>(l.Bill.Quantity) * l.Price);
    lines.insert(l.Bill.Line);
    price += l.Extended;
    area += static_cast<double>(l.Bill.Quantity) * l.Area;
    weight += static_cast<double>(l.Bill.Quantity) * l.Weight;
    ++count;
  }
  bool End(const TJobTotals &, std::string &) override { return true; }
};

bool Near(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bill = AsText(data, size);
  // The first byte picks the size of the pieces the bill arrives in.
  const std::size_t chunk = size > 0 ? 1 + data[0] % 64 : 1;

  TSeen seen;
  TJobPricer job(FuzzPricer(), "fuzz.dct", {&seen});
  TBillOptions defaults;
  defaults.Erection = chunk % 2 == 0;
  TBillReader reader(job, defaults);
  for (std::size_t at = 0; at < bill.size(); at += chunk)
    reader.Feed(bill.substr(at, chunk));
  reader.Finish();
  FUZZ_CHECK(job.Finish());
  const TJobTotals &t = job.Totals();

  // The lines of the bill, and those that start with a number or a "-".
  int lineCount = 1;
  std::set<int> numberLines;
  TBillLineLexer lexer;
  for (std::size_t start = 0; start <= bill.size(); ++lineCount) {
    std::size_t end = bill.find('\n', start);
    if (end == std::string_view::npos)
      end = bill.size();
    const std::string_view line = bill.substr(start, end - start);
    if (line.size() <= TBillReader::kMaxLineBytes) {
      lexer.Lex(line, lineCount);
      const auto tokens = lexer.Tokens();
      if (!tokens.empty() && tokens[0].Code == btCosts)
        lexer.CloseComment(); // the reader takes the rest as a file name
      else if (!tokens.empty() && (tokens[0].Code == btNumber ||
                                   (tokens[0].Code == btIdentifier && tokens[0].Text == "-")))
        numberLines.insert(lineCount);
    }
    start = end + 1;
  }
  --lineCount;

  std::set<int> ended(seen.lines.begin(), seen.lines.end());
  for (const auto *notes : {&t.NotPriced, &t.Errors}) {
    for (const TBillNote &n : *notes) {
      FUZZ_CHECK(n.Line >= 1 && n.Line <= std::max(lineCount, 1));
      FUZZ_CHECK(!n.Reason.empty());
      ended.insert(n.Line);
    }
  }
  for (int line : seen.lines)
    FUZZ_CHECK(line >= 1 && line <= lineCount);
  for (int line : numberLines)
    FUZZ_CHECK(ended.count(line) == 1);

  FUZZ_CHECK(t.Priced == seen.count);
  FUZZ_CHECK(Near(t.Price, seen.price) && Near(t.Area, seen.area) && Near(t.Weight, seen.weight));
  double sheetArea = 0;
  for (const auto &[gauge, sheet] : t.Sheets)
    sheetArea += sheet.Area;
  FUZZ_CHECK(Near(sheetArea, t.Area));
  return 0;
}
