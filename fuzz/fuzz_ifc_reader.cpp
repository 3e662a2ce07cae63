// The building model reader: any bytes, fed in pieces of any size, read as
// they read whole; a model refused is refused with the file named, and a
// model read becomes a bill whose every number line the bill reader reads as
// an item (none in error), whose notes stand at their own comment lines and
// whose lines a bill reader never refuses for their length.
#include <string>

#include "bill/job/BillReader.h"
#include "bill/model/IfcEntities.h"
#include "bill/model/IfcTakeoff.h"
#include "bill/model/ModelFile.h"
#include "bill/model/StepFile.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

struct TCount : TBillHandler {
  std::size_t items = 0, errors = 0, notPriced = 0;
  void CostsLine(int, std::string_view) override {}
  void Item(const TBillItem &) override { ++items; }
  void NotPriced(int, int, std::string_view) override { ++notPriced; }
  void Error(int, std::string_view) override { ++errors; }
};

std::string_view LineAt(std::string_view text, int line) {
  for (int i = 1; i < line; ++i) {
    const std::size_t nl = text.find('\n');
    if (nl == std::string_view::npos)
      return {};
    text.remove_prefix(nl + 1);
  }
  return text.substr(0, text.find('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text = AsText(data, size);
  const std::size_t chunk = size > 0 ? 1 + data[0] % 97 : 1;

  TModelBill whole;
  std::string wholeError;
  const bool read = ReadModelText(text, "fuzz.ifc", whole, wholeError);

  TStepFile step("fuzz.ifc", IfcEntityNames());
  for (std::size_t at = 0; at < text.size(); at += chunk)
    step.Feed(text.substr(at, chunk));
  std::string error;
  TModelTakeoff takeoff;
  const bool pieces = step.Finish(error) && ReadIfcTakeoff(step, takeoff, error);
  FUZZ_CHECK(pieces == read);
  if (!read) {
    FUZZ_CHECK(wholeError.starts_with("'fuzz.ifc' "));
    return 0;
  }
  FUZZ_CHECK(WriteModelBill(takeoff, "fuzz.ifc").Text == whole.Text);

  TCount count;
  TBillReader reader(count, TBillOptions{});
  reader.Feed(whole.Text);
  reader.Finish();
  FUZZ_CHECK(count.errors == 0);
  FUZZ_CHECK(count.notPriced == 0);
  FUZZ_CHECK(count.items == whole.Lines);
  for (const TModelNote &note : whole.Notes) {
    const std::string_view line = LineAt(whole.Text, note.BillLine);
    FUZZ_CHECK(line.starts_with(note.NotPriced ? "; not priced: " : "; "));
    FUZZ_CHECK(line.size() < TBillReader::kMaxLineBytes);
  }
  return 0;
}
