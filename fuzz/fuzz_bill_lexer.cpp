// The bill lexer with the costs-line insertion. Whatever the bill, the
// result names the cost file and keeps, byte for byte, everything after the
// first item keyword (or, when the first token is something else, from that
// token on). Where that point lies is worked out here a second time, by a
// plain reading of the bill, not by the lexer. Through a file, the bill
// becomes exactly that text and no temporary file is left.
#include <algorithm>
#include <cerrno>

#include "bill/BillLexer.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

constexpr std::string_view kCostFile = "/home/est/Data Files/Default.cst";

// How much longer a canonical item name can be than a spelling of it.
std::size_t LongestGrowth() {
  static const std::size_t growth = [] {
    std::size_t most = 0;
    for (const TBillKeyword &k : BillKeywords()) {
      const std::size_t canonical = BillCanonicalName(k.code).size();
      if (canonical > k.spelling.size())
        most = std::max(most, canonical - k.spelling.size());
    }
    return most;
  }();
  return growth;
}

class TReference {
public:
  explicit TReference(std::string_view in) : in_(in), n_(in.size()) {}

  // Where the kept tail of the bill starts.
  std::size_t KeptFrom() {
    std::size_t p = SkipSeps(0);
    // Leading comments.
    while (p < n_ && (in_[p] == ';' || in_[p] == '#' || in_[p] == '{')) {
      if (in_[p] == '{') {
        const std::size_t close = in_.find('}', p + 1);
        p = close == std::string_view::npos ? n_ : SkipSeps(close + 1);
      } else {
        p = AfterLine(p + 1);
      }
    }
    std::size_t w = WordEnd(p);
    if (w != p && Code(p, w) == btCosts)
      p = AfterCosts(w), w = WordEnd(p);
    if (w == p)
      return p;
    const int code = Code(p, w);
    if (!(IsBillItemType(code) && code != btUserType) && code != btGlobalSettings)
      return p;
    // The space before an option list, or the CR of a CR LF pair, goes.
    if (w < n_ && (in_[w] == ' ' || (in_[w] == '\r' && w + 1 < n_ && in_[w + 1] == '\n')))
      return w + 1;
    return w;
  }

private:
  static bool Single(char c) { return c == '(' || c == ')' || c == '='; }
  bool IsEnd(std::size_t p) const { return p >= n_ || in_[p] == '\x1a'; }

  std::size_t SkipSeps(std::size_t p) const {
    while (p < n_ && IsBillSeparator(static_cast<unsigned char>(in_[p])))
      ++p;
    return p;
  }
  // Past the line break that ends the line running on from `p`, and the
  // separators after it.
  std::size_t AfterLine(std::size_t p) const {
    while (p < n_ && in_[p] != '\r' && in_[p] != '\n')
      ++p;
    if (p < n_ && in_[p] == '\r' && p + 1 < n_ && in_[p + 1] == '\n')
      ++p;
    return p < n_ ? SkipSeps(p + 1) : n_;
  }
  // The end of the name word (starting with a letter or '-') at `p`, or `p`
  // when no such word starts there.
  std::size_t WordEnd(std::size_t p) const {
    if (IsEnd(p))
      return p;
    const auto c = static_cast<unsigned char>(in_[p]);
    if (!(c == '-' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
      return p;
    std::size_t w = p;
    while (w < n_ && !IsBillSeparator(static_cast<unsigned char>(in_[w])) && !Single(in_[w]) &&
           in_[w] != '\x1a')
      ++w;
    return w;
  }
  int Code(std::size_t p, std::size_t w) const {
    return LookupBillKeyword(BillUpper(in_.substr(p, std::min<std::size_t>(w - p, 45))));
  }
  // The costs word ended at `w`: the rest of its line goes when the next
  // token is on the same line. Returns where the first token after it is.
  std::size_t AfterCosts(std::size_t w) const {
    std::size_t p = w;
    bool lineBreak = false;
    if (!(w < n_ && Single(in_[w]))) {
      // The character that ended the word is read past, whatever it is.
      p = w < n_ ? w + 1 : n_;
      lineBreak = w < n_ && (in_[w] == '\r' || in_[w] == '\n');
      while (p < n_ && IsBillSeparator(static_cast<unsigned char>(in_[p]))) {
        lineBreak = lineBreak || in_[p] == '\r' || in_[p] == '\n';
        ++p;
      }
    }
    if (lineBreak || IsEnd(p))
      return p;
    // The token on the costs line, then the rest of that line.
    std::size_t from = p;
    const auto c = static_cast<unsigned char>(in_[p]);
    if (Single(in_[p]))
      from = p + 1;
    else if (c == '+' || c == '.' || c == '-' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
             (c >= 'A' && c <= 'Z'))
      from = NumberOrWordEnd(p);
    return AfterLine(from);
  }
  std::size_t NumberOrWordEnd(std::size_t p) const {
    std::size_t w = p;
    while (w < n_ && !IsBillSeparator(static_cast<unsigned char>(in_[w])) && !Single(in_[w]) &&
           in_[w] != '\x1a')
      ++w;
    return w;
  }

  std::string_view in_;
  std::size_t n_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bill = AsText(data, size);
  TBillLexer lexer;
  lexer.OpenText(std::string(bill));
  const std::string out = lexer.WithCostsLine(kCostFile);
  FUZZ_CHECK(lexer.Token() == btEnd && lexer.ErrorCode() == 0);

  const std::size_t kept = TReference(bill).KeptFrom();
  FUZZ_CHECK(kept <= bill.size());
  FUZZ_CHECK(out.ends_with(bill.substr(kept)));
  FUZZ_CHECK(out.find("Costs = " + std::string(kCostFile)) != std::string::npos);
  // Nothing grows but by the costs block (14 bytes and the name) and the
  // canonical spelling of the first keyword.
  FUZZ_CHECK(out.size() <= bill.size() + kCostFile.size() + 14 + LongestGrowth());

  // Token by token, the lexer ends and keeps its line count honest.
  TBillLexer walk;
  walk.OpenText(std::string(bill));
  std::size_t steps = 0;
  while (walk.Token() != btEnd && steps <= 2 * bill.size() + 2) {
    walk.NextToken();
    ++steps;
  }
  FUZZ_CHECK(walk.Token() == btEnd);
  FUZZ_CHECK(static_cast<std::size_t>(walk.Line()) <=
             1 + static_cast<std::size_t>(std::count(bill.begin(), bill.end(), '\n')));
  FUZZ_CHECK(walk.TokenText().size() <= TBillLexer::kMaxWordLength);

  // Every fourth input also goes through a file.
  if (size % 4 == 0) {
    const std::string path = ScratchFile("Bill.$$$");
    PutFile(path, bill);
    TBillLexer file;
    FUZZ_CHECK(file.Open(path) == 0);
    FUZZ_CHECK(file.InsertCostsLine(kCostFile) == 0);
    FUZZ_CHECK(GetFile(path) == out);
    FUZZ_CHECK(OnlyFiles(ScratchDir(), {"Bill.$$$"}));
  }
  return 0;
}
