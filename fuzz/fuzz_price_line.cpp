// The command-line pricer's item lines: any line parses to an item, a blank
// or an error with a message; an item names a type and only its keys, with
// values that are pieces of the line; and pricing it either refuses a value
// with a message or solves to a price or "Bad data...", never to "nan" or
// "inf".
#include "app/ItemLine.h"
#include "app/Pricer.h"
#include "fuzz/FuzzPricer.h"
#include "fuzz/FuzzWorld.h"

using namespace korvane;
using namespace korvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view line = AsText(data, size);
  TItemLine item;
  std::string error;
  const TItemParse parse = ParseItemLine(line, item, error);
  if (parse == TItemParse::Error) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  if (parse == TItemParse::Blank)
    return 0;

  FUZZ_CHECK(item.Type >= 0 && item.Type < kTypeCount);
  const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(item.Type)];
  FUZZ_CHECK(item.Count <= static_cast<std::size_t>(rec.PropCount()));
  for (std::size_t k = 0; k < item.Count; ++k) {
    const TItemAssignment &a = item.Values[k];
    FUZZ_CHECK(a.Prop >= 0 && a.Prop < rec.PropCount());
    FUZZ_CHECK(!a.Value.empty());
    FUZZ_CHECK(a.Value.data() >= line.data() &&
               a.Value.data() + a.Value.size() <= line.data() + line.size());
  }

  TPricer &pricer = FuzzPricer();
  if (!pricer.Price(item, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  CheckReport(pricer.Report(), !pricer.Report().Failed);
  return 0;
}
