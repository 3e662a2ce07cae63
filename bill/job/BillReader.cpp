#include "bill/job/BillReader.h"

#include "base/AsciiText.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

bool IsNumberLine(const TBillToken &first) {
  return first.Code == btNumber || (first.Code == btIdentifier && first.Text == "-");
}

std::string Quoted(std::string_view text) {
  std::string q = "'";
  q.append(text);
  q += '\'';
  return q;
}

// Why a line that starts with `token` means nothing to the reader.
std::string NotUnderstood(const TBillToken &token) {
  if (token.Code >= btErection && token.Code <= btFlangeKind)
    return Quoted(token.Text) + " belongs in an option list after an item or GlobalSettings";
  if (token.Code == btOpenParen)
    return "an option list belongs on the line of its item or GlobalSettings";
  return Quoted(token.Text) + " is not understood";
}

} // namespace

TBillReader::TBillReader(TBillHandler &handler, const TBillOptions &defaults)
    : handler_(handler), defaults_(defaults) {}

void TBillReader::Feed(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t nl = bytes.find('\n');
    const std::string_view piece = bytes.substr(0, nl);
    if (!tooLong_ && carry_.size() + piece.size() > kMaxLineBytes) {
      tooLong_ = true;
      carry_.clear();
      carry_.shrink_to_fit();
    }
    if (nl == std::string_view::npos) {
      if (!tooLong_)
        carry_ += piece;
      return;
    }
    if (tooLong_) {
      Error("a line of more than " + std::to_string(kMaxLineBytes) + " bytes is not read");
      tooLong_ = false;
    } else if (carry_.empty()) {
      Line(piece);
    } else {
      carry_ += piece;
      Line(carry_);
      carry_.clear();
    }
    ++line_;
    bytes.remove_prefix(nl + 1);
  }
}

void TBillReader::Finish() {
  if (tooLong_)
    Error("a line of more than " + std::to_string(kMaxLineBytes) + " bytes is not read");
  else if (!carry_.empty())
    Line(carry_);
  carry_.clear();
  tooLong_ = false;
  EndEntry();
  if (const int open = lexer_.OpenCommentLine(); open != 0) {
    // Read as the lexer reads it, the rest of the bill would vanish into the
    // comment without a word.
    handler_.Error(open, "the comment '{' opened here is never closed: the lines after it "
                         "are not read");
    lexer_.CloseComment();
  }
}

// A section's heading or a job detail is read off the raw line; the lexer
// then takes the line as the comment the bill language makes of it.
void TBillReader::CommentLine(std::string_view line) {
  const std::string_view text = TrimBlanks(line);
  if (text.empty())
    return;
  if (text.front() == '#') {
    std::string_view title = text.substr(1);
    while (!title.empty() && (IsBlank(title.back()) || title.back() == '\r'))
      title.remove_suffix(1);
    handler_.Section(line_, TrimBlanks(title));
    return;
  }
  if (itemSeen_ || text.front() != ';')
    return;
  switch (ReadJobDetailLine(line, details_, error_)) {
  case TDetailLine::Read:
    handler_.DetailLine(line_);
    handler_.Details(details_);
    break;
  case TDetailLine::Bad:
    handler_.DetailLine(line_);
    Error(error_);
    break;
  case TDetailLine::NotAField:
    break;
  }
}

void TBillReader::Line(std::string_view line) {
  if (lexer_.OpenCommentLine() == 0)
    CommentLine(line);
  lexer_.Lex(line, line_);
  const std::span<const TBillToken> tokens = lexer_.Tokens();
  if (tokens.empty())
    return;
  const TBillToken &first = tokens.front();
  if (first.Code == btCosts) {
    // The file name is the rest of the line as typed, whatever it holds.
    if (lexer_.OpenCommentLine() == line_)
      lexer_.CloseComment();
    Costs(line);
  } else if (first.Code == btGlobalSettings) {
    EndEntry();
    Global(tokens);
  } else if (IsBillItemType(first.Code)) {
    EndEntry();
    Entry(tokens);
  } else if (IsNumberLine(first)) {
    Numbers(tokens);
  } else {
    Error(NotUnderstood(first));
  }
}

void TBillReader::Costs(std::string_view line) {
  const std::size_t eq = line.find('=');
  std::string_view name = eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
  while (!name.empty() && (IsBlank(name.back()) || name.back() == '\r'))
    name.remove_suffix(1);
  name = TrimBlanks(name);
  if (name.empty())
    Error("a Costs line reads Costs = FILE");
  else if (itemSeen_)
    Error("the Costs line must come before the first item");
  else if (costsSeen_)
    Error("the bill names its cost file twice");
  else
    handler_.CostsLine(line_, name);
  costsSeen_ = true;
}

void TBillReader::Global(std::span<const TBillToken> tokens) {
  global_ = TBillOptions{};
  globalBadLine_ = 0;
  std::size_t pos = 1;
  std::string error;
  if (pos < tokens.size() && !ParseBillOptions(tokens, pos, global_, error)) {
    globalBadLine_ = line_;
  } else if (pos < tokens.size()) {
    error = Quoted(tokens[pos].Text) + " after the option list is not understood";
    globalBadLine_ = line_;
  } else if (global_.NumberOff) {
    error = "NumberOff belongs in the options of an item, not in GlobalSettings";
    globalBadLine_ = line_;
  }
  if (globalBadLine_ != 0) {
    global_ = TBillOptions{};
    Error(error);
  }
}

void TBillReader::Entry(std::span<const TBillToken> tokens) {
  itemSeen_ = true;
  entryCode_ = tokens.front().Code;
  entryLine_ = line_;
  entryLines_ = 0;
  entryBad_ = false;
  TBillOptions own;
  std::size_t pos = 1;
  error_.clear();
  bool ok = true;
  if (pos < tokens.size() && tokens[pos].Code == btOpenParen)
    ok = ParseBillOptions(tokens, pos, own, error_);
  if (ok && pos < tokens.size()) {
    error_ = IsNumberLine(tokens[pos])
                 ? "the numbers of an item go on the lines after its keyword"
                 : Quoted(tokens[pos].Text) + " after the item keyword is not understood";
    ok = false;
  }
  if (ok && globalBadLine_ != 0) {
    error_ = "the GlobalSettings on line " + std::to_string(globalBadLine_) + " are in error";
    ok = false;
  }
  if (ok)
    ok = builder_.Begin(entryCode_, own, global_.Over(defaults_), error_);
  if (!ok) {
    entryBad_ = true;
    Error(error_);
  }
}

void TBillReader::EndEntry() {
  if (entryCode_ == 0)
    return;
  if (entryLines_ == 0 && !entryBad_) {
    const TBillItemForm &form = BillItemForm(entryCode_);
    if (form.Type < 0)
      handler_.NotPriced(entryLine_, entryCode_, form.Reason);
    else
      handler_.Error(entryLine_, Quoted(BillCanonicalName(entryCode_)) + " has no number line");
  }
  entryCode_ = 0;
}

void TBillReader::Numbers(std::span<const TBillToken> tokens) {
  if (entryCode_ == 0) {
    Error("a number line must follow an item keyword");
    return;
  }
  ++entryLines_;
  if (entryBad_) {
    Error("the item on line " + std::to_string(entryLine_) + " is in error");
    return;
  }
  const TBillItemForm &form = builder_.Form();
  if (form.Type < 0) {
    handler_.NotPriced(line_, entryCode_, form.Reason);
    return;
  }
  std::size_t count = 0;
  std::size_t i = tokens.front().Code == btNumber ? 0 : 1; // past the "-"
  for (; i < tokens.size(); ++i) {
    const TBillToken &token = tokens[i];
    if (token.Code == btX || token.Code == btTo || token.Code == btDeg || token.Code == btDia)
      continue;
    if (token.Code != btNumber) {
      Error(Quoted(token.Text) + " is not a number");
      return;
    }
    if (count == numbers_.size()) {
      Error("too many numbers");
      return;
    }
    numbers_[count++] = token.Text;
  }
  item_.Line = line_;
  item_.Code = entryCode_;
  item_.Form = &form;
  item_.Numbers = std::span<const std::string>(numbers_.data(), count);
  item_.Erection = builder_.Erection();
  item_.Brackets = builder_.Brackets();
  if (!builder_.Build(item_.Numbers, item_.Item, item_.Quantity, error_)) {
    Error(error_);
    return;
  }
  handler_.Item(item_);
}

} // namespace korvane
