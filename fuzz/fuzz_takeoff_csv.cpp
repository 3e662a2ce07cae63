// A take-off's CSV: any bytes, fed whole or in pieces of any size, read to the
// same bill or the same error; the bill reads without an error.
#include "bill/takeoff/TakeoffColumns.h"
#include "bill/takeoff/TakeoffCsv.h"
#include "fuzz/TakeoffCheck.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

struct TRead {
  bool ok = false;
  std::string error;
  std::string text;
};

TRead Read(std::string_view csv, std::size_t chunk) {
  TTakeoffBill bill("fuzz.csv");
  TTakeoffCsvReader reader(bill, IsTakeoffHeader);
  TRead r;
  r.ok = true;
  for (std::size_t at = 0; r.ok && at < csv.size(); at += chunk)
    r.ok = reader.Feed(csv.substr(at, chunk), r.error);
  r.ok = r.ok && reader.Finish(r.error) && bill.Finish(r.error);
  r.text = bill.Text();
  if (r.ok)
    CheckTakeoffBill(bill);
  return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view csv = AsText(data, size);
  const TRead whole = Read(csv, csv.size() + 1);
  const TRead pieces = Read(csv, size > 0 ? 1 + data[0] % 16 : 1);
  FUZZ_CHECK(whole.ok == pieces.ok);
  FUZZ_CHECK(whole.error == pieces.error);
  FUZZ_CHECK(whole.text == pieces.text);
  return 0;
}
