#include "bill/CostsLine.h"

#include "bill/BillKeywords.h"
#include "bill/BillLexer.h"

namespace korvane {

namespace {

bool IsLineEnd(char c) {
  return c == '\n' || c == '\r';
}

std::string_view LineEndOf(std::string_view bill) {
  const std::size_t at = bill.find_first_of("\r\n");
  if (at == std::string_view::npos || bill[at] == '\n')
    return "\n";
  return at + 1 < bill.size() && bill[at + 1] == '\n' ? "\r\n" : "\r";
}

std::size_t LineEndFrom(std::string_view bill, std::size_t pos) {
  const std::size_t at = bill.find_first_of("\r\n", pos);
  return at == std::string_view::npos ? bill.size() : at;
}

// The end of the word starting at `pos`, read as the lexer reads words.
std::size_t WordEnd(std::string_view bill, std::size_t pos) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bill[i]); };
  if (IsBillSingleCharWord(at(pos)))
    return pos + 1;
  std::size_t end = pos;
  while (end < bill.size() && !IsBillSeparator(at(end)) && !IsBillSingleCharWord(at(end)))
    ++end;
  return end;
}

} // namespace

std::string SetCostsLine(std::string_view bill, std::string_view costFileName) {
  const std::string costsLine = "Costs = " + std::string(costFileName);
  std::size_t insertAt = std::string_view::npos;
  std::size_t lineStart = 0; // where the current line's text begins
  bool lineHasWord = false;  // a word came before, on this line
  std::size_t pos = 0;
  while (pos < bill.size()) {
    const char c = bill[pos];
    if (IsLineEnd(c)) {
      lineHasWord = false;
      lineStart = ++pos;
    } else if (IsBillSeparator(static_cast<unsigned char>(c))) {
      ++pos;
    } else if (c == ';' || c == '#') {
      pos = LineEndFrom(bill, pos);
    } else if (c == '{') {
      const std::size_t close = bill.find('}', pos + 1);
      const std::size_t end = close == std::string_view::npos ? bill.size() : close + 1;
      // A comment over several lines: a new line would begin inside it.
      if (!lineHasWord &&
          bill.substr(pos, end - pos).find_first_of("\r\n") != std::string_view::npos)
        lineStart = end;
      pos = end;
    } else {
      const std::size_t end = WordEnd(bill, pos);
      if (!lineHasWord) {
        lineHasWord = true;
        const int code = LookupBillKeyword(BillUpper(bill.substr(pos, end - pos)));
        if (code == btCosts) {
          std::string out(bill.substr(0, pos));
          out += costsLine;
          out += bill.substr(LineEndFrom(bill, pos));
          return out;
        }
        if (insertAt == std::string_view::npos)
          insertAt = lineStart;
        if (IsBillItemType(code))
          break;
      }
      pos = end;
    }
  }
  if (insertAt == std::string_view::npos)
    insertAt = bill.size();
  const std::string_view lineEnd = LineEndOf(bill);
  std::string out(bill.substr(0, insertAt));
  // Mid-line (after a comment, or a last line without its line end) the
  // Costs line needs a line of its own.
  if (insertAt > 0 && !IsLineEnd(bill[insertAt - 1]))
    out += lineEnd;
  out += costsLine;
  out += lineEnd;
  out += bill.substr(insertAt);
  return out;
}

} // namespace korvane
