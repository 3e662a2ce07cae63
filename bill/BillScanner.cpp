#include "bill/BillScanner.h"

#include "base/AsciiText.h"

namespace korvane {

namespace {

bool IsLetter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsLineBreak(unsigned char c) {
  return c == '\r' || c == '\n';
}

// One line's scan: a cursor, the state and the tokens so far.
class TLineScan {
public:
  TLineScan(std::string_view line, TBillScanState state, std::vector<TBillToken> &out)
      : line_(line), state_(state), out_(out) {}

  TBillScanState Run() {
    while (pos_ < line_.size()) {
      const auto c = At(pos_);
      if (IsLineBreak(c))
        LineBreak();
      else if (state_ != TBillScanState::None)
        Continue(pos_, pos_);
      else
        Token(c);
    }
    return state_;
  }

private:
  unsigned char At(std::size_t i) const { return static_cast<unsigned char>(line_[i]); }

  void Emit(TBillTokenKind kind, std::size_t end) {
    out_.push_back({kind, pos_, end - pos_});
    pos_ = end;
  }

  // Where the text of this line stops: at its line break or its end.
  std::size_t ContentEnd(std::size_t from) const {
    const std::size_t br = line_.find_first_of("\r\n", from);
    return br == std::string_view::npos ? line_.size() : br;
  }

  void LineBreak() {
    const bool crLf = At(pos_) == '\r' && pos_ + 1 < line_.size() && At(pos_ + 1) == '\n';
    Emit(TBillTokenKind::Space, pos_ + (crLf ? 2 : 1));
  }

  // Runs the open construct from `start` to its closer (included) or, when
  // the line ends first, to the end of the line's text, leaving it open.
  void Continue(std::size_t start, std::size_t searchFrom) {
    std::string_view closer = ")";
    TBillTokenKind kind = TBillTokenKind::Comment;
    if (state_ == TBillScanState::OptionList)
      kind = TBillTokenKind::Option;
    else if (state_ == TBillScanState::BraceComment)
      closer = "}";
    else
      closer = "*/";
    pos_ = start;
    const std::size_t end = ContentEnd(searchFrom);
    const std::size_t hit = line_.substr(0, end).find(closer, searchFrom);
    if (hit == std::string_view::npos) {
      Emit(kind, end);
    } else {
      state_ = TBillScanState::None;
      Emit(kind, hit + closer.size());
    }
  }

  void Open(TBillScanState state, std::size_t openerLength) {
    state_ = state;
    Continue(pos_, pos_ + openerLength);
  }

  void Token(unsigned char c) {
    const bool next = pos_ + 1 < line_.size();
    if (c == 0) {
      Emit(TBillTokenKind::Unknown, pos_ + 1);
    } else if (c <= 32) {
      std::size_t end = pos_;
      while (end < line_.size() && At(end) != 0 && At(end) <= 32 && !IsLineBreak(At(end)))
        ++end;
      Emit(TBillTokenKind::Space, end);
    } else if (c == '(') {
      Open(TBillScanState::OptionList, 1);
    } else if (c == '{') {
      Open(TBillScanState::BraceComment, 1);
    } else if (c == '/' && next && At(pos_ + 1) == '*') {
      Open(TBillScanState::SlashComment, 2);
    } else if (c == '/') {
      Emit(TBillTokenKind::Identifier, pos_ + 1);
    } else if (c == ';') {
      Emit(TBillTokenKind::Comment, ContentEnd(pos_));
    } else if (c == '"') {
      const std::size_t end = ContentEnd(pos_);
      const std::size_t close = line_.substr(0, end).find('"', pos_ + 1);
      Emit(TBillTokenKind::String, close == std::string_view::npos ? end : close + 1);
    } else if (IsDigit(c)) {
      Number();
    } else if (IsLetter(c) || c == '_') {
      Word();
    } else {
      Emit(TBillTokenKind::Unknown, pos_ + CharLength(c));
    }
  }

  // Digits, exponent letters and points; two points in a row are a range
  // mark, not part of the number.
  void Number() {
    std::size_t end = pos_;
    while (end < line_.size()) {
      const auto d = At(end);
      if (d == '.' && end + 1 < line_.size() && At(end + 1) == '.')
        break;
      if (!IsDigit(d) && d != '.' && d != 'E' && d != 'e')
        break;
      ++end;
    }
    Emit(TBillTokenKind::Number, end);
  }

  void Word() {
    std::size_t end = pos_;
    while (end < line_.size() && (IsLetter(At(end)) || At(end) == '_'))
      ++end;
    const std::string_view word = line_.substr(pos_, end - pos_);
    switch (BillWordKind(word)) {
    case TBillWordKind::Section:
      Emit(TBillTokenKind::Special, end);
      break;
    case TBillWordKind::Item:
      Emit(TBillTokenKind::Key, end);
      break;
    case TBillWordKind::Plain:
      Emit(TBillTokenKind::Identifier, end);
      break;
    }
  }

  // A multi-byte UTF-8 character is shown as one unknown character.
  std::size_t CharLength(unsigned char lead) const {
    std::size_t want = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
      want = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
      want = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
      want = 4;
    std::size_t len = 1;
    while (len < want && pos_ + len < line_.size() && (At(pos_ + len) & 0xC0) == 0x80)
      ++len;
    return len;
  }

  std::string_view line_;
  TBillScanState state_;
  std::vector<TBillToken> &out_;
  std::size_t pos_ = 0;
};

} // namespace

TBillScanState ScanBillLine(std::string_view line, TBillScanState inState,
                            std::vector<TBillToken> &out) {
  out.clear();
  return TLineScan(line, inState, out).Run();
}

} // namespace korvane
