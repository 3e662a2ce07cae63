#pragma once
// One line of a bill at a time, cut into the bill lexer's tokens with the
// comments taken out. A bill is read line by line so that a job of any size
// is priced in the memory of one line; the only thing carried from one line
// to the next is an open "{ ... }" comment.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bill/BillLexer.h"

namespace korvane {

struct TBillToken {
  int Code = btIdentifier;
  std::string Text; // the word as typed (cut to the lexer's 45 characters);
                    // for btOther the one character that starts no token
};

class TBillLineLexer {
public:
  // Cuts `line` (without its line feed) into tokens, up to a ";" or "#"
  // comment; a "{" comment is skipped, on this line or the lines after.
  void Lex(std::string_view line, int lineNo);
  std::span<const TBillToken> Tokens() const { return {tokens_.data(), count_}; }

  // The line a "{" comment still open was opened on; 0 when none is open.
  int OpenCommentLine() const { return openCommentLine_; }
  // Forgets an open comment.
  void CloseComment() { openCommentLine_ = 0; }

private:
  TBillToken &Add(int code);

  TBillLexer lexer_;
  std::string text_;
  // Kept from line to line with their storage; the first count_ are current.
  std::vector<TBillToken> tokens_;
  std::size_t count_ = 0;
  int openCommentLine_ = 0;
};

} // namespace korvane
