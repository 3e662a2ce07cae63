#include "bill/BillLexer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "base/AsciiText.h"
#include "base/FileIO.h"

namespace korvane {

namespace fs = std::filesystem;

namespace {

bool IsLetter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

// The errno a failed library call left, or a plain input/output error when
// it left none, so a failure never reads as success.
int LastErrno() {
  return errno != 0 ? errno : EIO;
}

constexpr std::string_view kCostsLineStart = "Costs = ";
constexpr std::string_view kCrLf = "\r\n";

} // namespace

bool IsBillSeparator(unsigned char c) {
  return c == 9 || c == 10 || c == 13 || c == ' ' || c == ',' || c >= 127;
}

bool IsBillSingleCharWord(unsigned char c) {
  return c == '(' || c == ')' || c == '=';
}

void TBillLexer::Reset(std::string bytes) {
  in_ = std::move(bytes);
  pos_ = 0;
  chPos_ = 0;
  chFake_ = false;
  ch_ = 0;
  line_ = 1;
  token_ = btIdentifier;
  tokenStart_ = 0;
  tokenText_.clear();
  sepText_.clear();
  openError_ = 0;
  errorCode_ = 0;
  errorText_.clear();
}

int TBillLexer::Open(const std::string &inputPath) {
  Reset({});
  fromFile_ = true;
  inputPath_ = inputPath;
  tmpPath_ = (fs::path(inputPath).parent_path() / kTempFileName).string();

  std::string bytes;
  if (fs::path(inputPath).filename() == kTempFileName) {
    // Creating the temporary file would empty the very bill we are to read.
    openError_ = EINVAL;
    errorText_ = "The bill may not be named " + std::string(kTempFileName) + ".";
  } else {
    std::string err;
    bool missing = false;
    errno = 0;
    // A bill over the limit is refused whole, never cut: its tail would be
    // lost on the rename.
    if (!ReadFileBytes(inputPath, bytes, &err, kMaxBillBytes, &missing)) {
      openError_ = missing ? ENOENT : LastErrno();
      errorText_ = err;
    } else {
      errno = 0;
      std::unique_ptr<std::FILE, int (*)(std::FILE *)> tmp(std::fopen(tmpPath_.c_str(), "wb"),
                                                           &std::fclose);
      if (!tmp) {
        openError_ = LastErrno();
        errorText_ = std::error_code(openError_, std::generic_category()).message();
        bytes.clear();
      }
    }
  }
  in_ = std::move(bytes);
  NextToken();
  return openError_;
}

void TBillLexer::OpenText(std::string bytes) {
  Reset(std::move(bytes));
  fromFile_ = false;
  inputPath_.clear();
  tmpPath_.clear();
  NextToken();
}

void TBillLexer::ReadChar() {
  chFake_ = false;
  if (pos_ < in_.size()) {
    chPos_ = pos_;
    ch_ = static_cast<unsigned char>(in_[pos_++]);
    if (ch_ == '\n')
      ++line_;
  } else {
    chPos_ = in_.size();
    ch_ = kEndOfInput;
  }
}

void TBillLexer::NextToken() {
  tokenText_.clear();
  if (openError_ != 0) {
    errorCode_ = openError_;
    return;
  }
  sepText_.clear();
  if (!IsBillSingleCharWord(ch_)) {
    do {
      if (IsBillSeparator(ch_))
        sepText_ += static_cast<char>(ch_);
      ReadChar();
    } while (IsBillSeparator(ch_));
  }
  tokenStart_ = chFake_ ? pos_ : chPos_;

  if (ch_ == kEndOfInput) {
    token_ = btEnd;
  } else if (ch_ == '#') {
    token_ = btHashComment;
  } else if (ch_ == ';') {
    token_ = btLineComment;
  } else if (ch_ == '{') {
    token_ = btBraceComment;
  } else if (IsBillSingleCharWord(ch_)) {
    token_ = ch_ == '(' ? btOpenParen : ch_ == ')' ? btCloseParen : btEquals;
    ReadWord();
  } else if (ch_ == '+' || ch_ == '.' || IsDigit(ch_)) {
    token_ = btNumber;
    ReadWord();
  } else if (ch_ == '-' || IsLetter(ch_)) {
    ReadWord();
    LookUpWord();
  } else {
    // A character that starts no token. Giving it a code of its own keeps a
    // stale code from an earlier token from describing it; it is left
    // current, so the next request passes over it.
    token_ = btOther;
  }
}

void TBillLexer::ReadWord() {
  if (IsBillSingleCharWord(ch_)) {
    tokenText_.assign(1, static_cast<char>(ch_));
    ch_ = ' ';
    chFake_ = true;
    return;
  }
  // The end of the input ends the word but does not swallow it: a bill whose
  // last line has no line break still ends in its own last word.
  do {
    if (tokenText_.size() < kMaxWordLength)
      tokenText_ += static_cast<char>(ch_);
    ReadChar();
  } while (!IsBillSeparator(ch_) && !IsBillSingleCharWord(ch_) && ch_ != kEndOfInput);
}

void TBillLexer::LookUpWord() {
  const std::string upper = BillUpper(tokenText_);
  token_ = LookupBillKeyword(upper);
  if (token_ == btIdentifier && IsUserType(upper))
    token_ = btUserType;
}

bool TBillLexer::IsUserType(std::string_view upperWord) const {
  for (const std::string &name : UserTypes)
    if (BillUpper(std::string_view(name).substr(0, kMaxWordLength)) == upperWord)
      return true;
  return false;
}

// After a comment or the costs line: the carriage return of a CR LF pair is
// consumed, and the line feed, now current, becomes a separator of the next
// token. A line feed alone or a lone carriage return stays current as it is,
// so no line break of a file with other line ends is lost.
void TBillLexer::EndLine() {
  if (ch_ == '\r' && pos_ < in_.size() && in_[pos_] == '\n')
    ReadChar();
}

void TBillLexer::CopyRestOfLine(std::string &out) {
  ReadChar(); // past the mark, already written
  while (!AtRealEnd() && ch_ != '\r' && ch_ != '\n') {
    out += static_cast<char>(ch_);
    ReadChar();
  }
  EndLine();
}

void TBillLexer::CopyBraceComment(std::string &out) {
  out += '{';
  ReadChar();
  while (!AtRealEnd() && ch_ != '}') {
    out += static_cast<char>(ch_);
    ReadChar();
  }
  // An unclosed comment runs to the end of the bill; adding a "}" the user
  // never typed would change what the bill says.
  if (!AtRealEnd())
    out += '}';
}

void TBillLexer::SkipRestOfLine() {
  while (!AtRealEnd() && ch_ != '\r' && ch_ != '\n')
    ReadChar();
  EndLine();
}

// The one character that ended the keyword goes when it is the space before
// an option list or the carriage return of a CR LF pair. Any other character
// (a comma, a tab, a byte of a multi-byte character, a line feed alone) is
// part of what the user wrote and stays.
void TBillLexer::CopyAfterKeyword(std::string &out) const {
  std::size_t from = chFake_ ? pos_ : chPos_;
  if (!chFake_ && from < in_.size()) {
    const bool crLf = ch_ == '\r' && from + 1 < in_.size() && in_[from + 1] == '\n';
    if (ch_ == ' ' || crLf)
      ++from;
  }
  out.append(in_, from);
}

std::string TBillLexer::WithCostsLine(std::string_view costFileName) {
  std::string out;
  if (openError_ != 0) {
    errorCode_ = openError_;
    return out;
  }
  out.reserve(in_.size() + costFileName.size() + 16);

  // Leading comments, each with the separators before it.
  while (token_ == btLineComment || token_ == btHashComment || token_ == btBraceComment) {
    out += sepText_;
    if (token_ == btBraceComment) {
      CopyBraceComment(out);
    } else {
      out += static_cast<char>(ch_);
      CopyRestOfLine(out);
    }
    NextToken();
  }
  out += sepText_;

  if (token_ == btCosts) {
    NextToken();
    // Normally "=" and the old name follow on the same line and go with it.
    // A bare "Costs" line has nothing to discard: the token already read
    // belongs to the next line and must not be thrown away.
    if (!HasLineBreak(sepText_) && token_ != btEnd) {
      SkipRestOfLine();
      NextToken();
    }
    out += kCostsLineStart;
    out += costFileName;
    out += sepText_;
  } else {
    out += kCrLf;
    out += kCostsLineStart;
    out += costFileName;
    out += kCrLf;
    out += kCrLf;
  }

  if ((IsBillItemType(token_) && token_ != btUserType) || token_ == btGlobalSettings) {
    out += BillCanonicalName(token_);
    CopyAfterKeyword(out);
  } else {
    out.append(in_, std::min(tokenStart_, in_.size()));
  }
  pos_ = in_.size();
  chPos_ = in_.size();
  chFake_ = false;
  ch_ = kEndOfInput;
  token_ = btEnd;
  return out;
}

int TBillLexer::Fail(int code, std::string text) {
  errorCode_ = code;
  errorText_ = std::move(text);
  return code;
}

int TBillLexer::InsertCostsLine(std::string_view costFileName) {
  if (openError_ != 0)
    return Fail(openError_, errorText_);
  if (!fromFile_)
    return Fail(EINVAL, "No bill file is open.");

  const std::string out = WithCostsLine(costFileName);
  std::string err;
  errno = 0;
  if (!AtomicWriteFile(tmpPath_, out, &err))
    return Fail(LastErrno(), err);

  // The replaced bill keeps the access rights the user gave the old one.
  std::error_code ec;
  const fs::perms perms = fs::status(inputPath_, ec).permissions();
  if (!ec)
    fs::permissions(tmpPath_, perms, ec);

  ec.clear();
  fs::rename(tmpPath_, inputPath_, ec);
  if (ec)
    return Fail(ec.value(), ec.message());
  return 0;
}

} // namespace korvane
