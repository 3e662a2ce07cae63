#include "bill/job/BillLineLexer.h"

#include <utility>

namespace korvane {

TBillToken &TBillLineLexer::Add(int code) {
  if (count_ == tokens_.size())
    tokens_.emplace_back();
  TBillToken &token = tokens_[count_++];
  token.Code = code;
  return token;
}

void TBillLineLexer::Lex(std::string_view line, int lineNo) {
  count_ = 0;
  while (!line.empty()) {
    if (openCommentLine_ != 0) {
      const std::size_t close = line.find('}');
      if (close == std::string_view::npos)
        return;
      openCommentLine_ = 0;
      line.remove_prefix(close + 1);
      continue;
    }
    text_.assign(line);
    lexer_.OpenText(std::move(text_));
    for (; lexer_.Token() != btEnd; lexer_.NextToken()) {
      const int code = lexer_.Token();
      if (code == btLineComment || code == btHashComment)
        return;
      if (code == btBraceComment) {
        openCommentLine_ = lineNo;
        break;
      }
      if (code == btOther)
        Add(code).Text.assign(1, line[lexer_.TokenStart()]);
      else
        Add(code).Text = lexer_.TokenText();
    }
    if (openCommentLine_ == 0)
      return;
    // What follows the "{" is read as comment, up to a "}".
    line.remove_prefix(lexer_.TokenStart() + 1);
  }
}

} // namespace korvane
