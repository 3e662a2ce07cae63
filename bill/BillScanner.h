#pragma once
// The bill syntax scanner behind the bill highlighter: splits one line of a
// bill into coloured token kinds. A construct that can run over lines (an
// option list, a brace or slash-star comment) is carried in the line state,
// so an editor can rescan from any line given the state the previous line
// ended in.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "bill/BillKeywords.h"

namespace korvane {

// In code order; an editor may use the numbers as its style numbers.
enum class TBillTokenKind : std::uint8_t {
  Comment = 0,
  Identifier = 1,
  Key = 2,
  Null = 3, // the end of a line: never handed out as a token
  Number = 4,
  Option = 5,
  Space = 6,
  Special = 7,
  String = 8,
  Unknown = 9,
};

// What the line before left open.
enum class TBillScanState : std::uint8_t {
  None = 0,
  OptionList = 1,
  BraceComment = 2,
  SlashComment = 3,
};

struct TBillToken {
  TBillTokenKind kind;
  std::size_t start; // byte offset in the line
  std::size_t length;
  bool operator==(const TBillToken &) const = default;
};

// Scans one line (with or without its line break; a line break is a Space
// token) starting in `inState`. Replaces the contents of `out` with tokens
// that cover every byte of the line in order, and returns the state the next
// line starts in. Any bytes are safe: a NUL byte is an Unknown token, and a
// multi-byte UTF-8 character is one Unknown token, never split.
TBillScanState ScanBillLine(std::string_view line, TBillScanState inState,
                            std::vector<TBillToken> &out);

} // namespace korvane
