// The Job Details dialog's edit of a bill: whatever the bill, the details
// written back read as given, writing them again changes nothing, and a
// field set is read back with its value.
#include "bill/job/BillDetailsEdit.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

bool SameDetails(const std::vector<TDetailText> &a, std::vector<TDetailText> b) {
  std::erase_if(b, [](const TDetailText &d) { return d.Value.empty(); });
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Field != b[i].Field || a[i].Value != b[i].Value)
      return false;
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  TPieces pieces(AsText(data, size));
  const std::string_view bill = pieces.Next();
  const std::vector<TDetailText> read = ReadBillDetails(bill);
  const std::string same = WithBillDetails(bill, read);
  FUZZ_CHECK(SameDetails(ReadBillDetails(same), read));
  FUZZ_CHECK(WithBillDetails(same, read) == same);

  // A value of one line, set in a bill whose details are now all its own.
  std::string value(pieces.Next());
  for (char &c : value)
    if (c == '\n' || c == '\r' || c == '\x1f')
      c = ' ';
  const std::string set = WithBillDetail(same, "Project", value);
  const std::vector<TDetailText> after = ReadBillDetails(set);
  const std::string trimmed = [&] {
    const auto text = SplitJobDetailLine("; Project: " + value);
    return text ? text->Value : std::string();
  }();
  bool found = trimmed.empty();
  for (const TDetailText &d : after)
    found = found || (d.Field == "Project" && d.Value == trimmed);
  FUZZ_CHECK(found);
  return 0;
}
