// The bill syntax scanner: over any bytes, split into lines and scanned with
// the state carried from line to line, the tokens cover every byte once and
// in order, none is empty or "end of line", no UTF-8 character is split, the
// state is one of the four, and a rescan from the same state gives the same
// tokens (an editor rescans from any line).
#include <vector>

#include "bill/BillScanner.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

// The length of a well-formed UTF-8 sequence starting at `i`, or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t want = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    want = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    want = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    want = 4;
  if (want == 0 || i + want > s.size())
    return 0;
  for (std::size_t k = 1; k < want; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
      return 0;
  return want;
}

void CheckLine(std::string_view line, TBillScanState in) {
  std::vector<TBillToken> tokens{{TBillTokenKind::Null, 99, 99}};
  const TBillScanState out = ScanBillLine(line, in, tokens);
  FUZZ_CHECK(static_cast<int>(out) <= 3);
  std::size_t at = 0;
  std::vector<bool> starts(line.size() + 1, false);
  for (const TBillToken &t : tokens) {
    FUZZ_CHECK(t.start == at && t.length > 0 && t.start + t.length <= line.size());
    FUZZ_CHECK(t.kind != TBillTokenKind::Null && static_cast<int>(t.kind) <= 9);
    starts[t.start] = true;
    at += t.length;
  }
  FUZZ_CHECK(at == line.size());
  for (std::size_t i = 0; i < line.size(); ++i)
    for (std::size_t k = 1; k < Utf8Length(line, i); ++k)
      FUZZ_CHECK(!starts[i + k]);

  std::vector<TBillToken> again;
  FUZZ_CHECK(ScanBillLine(line, in, again) == out && again == tokens);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text = AsText(data, size);
  // Lines as an editor hands them over: each with its line feed.
  TBillScanState state = TBillScanState::None;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t lf = text.find('\n', pos);
    const std::size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
    const std::string_view line = text.substr(pos, end - pos);
    CheckLine(line, state);
    std::vector<TBillToken> tokens;
    state = ScanBillLine(line, state, tokens);
    pos = end;
  }
  // The whole text as one line, from every state.
  for (int s = 0; s < 4; ++s)
    CheckLine(text, static_cast<TBillScanState>(s));
  return 0;
}
