// A take-off's XLSX: bytes starting "PK" are the zip (its parts found,
// unpacked under their caps, read as XML); any other bytes are one sheet's
// XML with a few shared strings. Either ends in a bill that reads without an
// error, or in an error; never a crash, never more than the caps.
#include "bill/takeoff/TakeoffFile.h"
#include "bill/takeoff/XlsxSheet.h"
#include "fuzz/TakeoffCheck.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

constexpr std::string_view kStrings =
    R"(<sst><si><t>Item</t></si><si><t>Width</t></si><si><r><t>Hei</t></r><r><t>ght</t></r></si>)"
    R"(<si><t>StraightRect</t></si><si><t>Length (m)</t></si><si><t>Qty</t></si></sst>)";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes = AsText(data, size);
  TTakeoffBill bill("fuzz.xlsx");
  std::string error;
  bool ok = false;
  if (bytes.starts_with("PK")) {
    ok = ReadTakeoffBytes(bytes, "fuzz.xlsx", {}, bill, error);
    FUZZ_CHECK(ok || error.starts_with("take-off 'fuzz.xlsx': "));
  } else {
    TXlsxStrings strings;
    FUZZ_CHECK(strings.Read(kStrings, error) && strings.Count() == 6 && strings.At(2) == "Height");
    ok = ReadXlsxSheet(bytes, strings, bill, error) && bill.Finish(error);
  }
  FUZZ_CHECK(ok || !error.empty());
  if (ok)
    CheckTakeoffBill(bill);
  return 0;
}
