// The bill window's Insert. Whatever the bill, the result is the bill with
// "Costs = <file>" put in as a line of its own (with at most the line ends
// it needs), or with the tail of its old Costs line replaced: no other byte
// changes.
#include <cctype>

#include "bill/CostsLine.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

constexpr std::string_view kLine = "Costs = /home/est/Data Files/Shop.cst";

bool IsCostsWord(std::string_view text) {
  std::string upper(text.substr(0, 5));
  for (char &c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper == "COSTS";
}

// Whether `out` is `bill` with the line at `at` put in or put in place of a
// Costs line's tail.
bool OnlyTheLineChanged(const std::string &bill, const std::string &out, std::size_t at) {
  const std::string before = out.substr(0, at);
  const std::string after = out.substr(at + kLine.size());
  if (bill.size() >= before.size() + after.size() && bill.starts_with(before) &&
      bill.ends_with(after)) {
    const std::string old = bill.substr(before.size(), bill.size() - before.size() - after.size());
    if (IsCostsWord(old) && old.find_first_of("\r\n") == std::string::npos)
      return true;
  }
  for (const std::string eol : {"\r\n", "\r", "\n"}) {
    if (!after.starts_with(eol))
      continue;
    const std::string rest = after.substr(eol.size());
    if (bill == before + rest ||
        (before.ends_with(eol) && bill == before.substr(0, before.size() - eol.size()) + rest))
      return true;
  }
  return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string bill(AsText(data, size));
  const std::string out = SetCostsLine(bill, kLine.substr(8));
  // The bill may hold the same text elsewhere (a comment): one of the places
  // the line stands is where it was put.
  bool found = false;
  for (std::size_t at = out.find(kLine); !found && at != std::string::npos;
       at = out.find(kLine, at + 1))
    found = OnlyTheLineChanged(bill, out, at);
  FUZZ_CHECK(found);
  return 0;
}
