#pragma once
// The bill lexer: splits a bill (item keywords, option lists, numbers and
// comments) into tokens, and puts the current cost file name into a bill's
// "Costs = " line, replacing the line that is there or inserting one before
// the first item.
//
// A bill is byte text typed by hand and often edited elsewhere, so the
// insertion touches as little as it can. Besides the costs line itself, the
// only changes it makes are:
// - the line break that ends a leading comment or the costs line is written
//   as a line feed alone (its carriage return is dropped);
// - the first item keyword (or GlobalSettings) is written in its canonical
//   spelling, and a space or the carriage return of a CR LF pair right after
//   it is dropped, so "StraightRect (..." becomes "StraightRect(...".
// Everything else, from the first byte after that keyword to the end of the
// file, is copied unchanged, including any byte 26 and what follows it.
//
// Two choices of ours, both so that no byte of the user's bill is lost:
// - A user-defined item type as the first item keeps the user's own word,
//   exactly as typed: "UserType" names no type a reader could price, and the
//   host's list is the only place that knows what the word means.
// - When the first token after the costs line is anything other than an item
//   type, GlobalSettings or ";" (a number, a brace or hash comment, "(", ")",
//   "=", an option keyword, an unknown word or any other character), the bill
//   is copied unchanged from that token's first byte on.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "bill/BillKeywords.h"

namespace korvane {

// Tab, line feed, carriage return, space, comma and every byte from 127 up.
bool IsBillSeparator(unsigned char c);
// "(", ")" and "=": each is a word on its own.
bool IsBillSingleCharWord(unsigned char c);

class TBillLexer {
public:
  static constexpr std::size_t kMaxWordLength = 45;
  static constexpr unsigned char kEndOfInput = 26;
  static constexpr std::string_view kTempFileName = "bvdata.tmp";
  // A bill is a hand-typed text; anything larger is not one.
  static constexpr std::size_t kMaxBillBytes = 64u << 20;

  // Item type names of the host that edits bills. A word is looked up among
  // the keywords first, so a user type never shadows a keyword; the match
  // ignores case and, like keywords, sees only the first 45 characters.
  std::vector<std::string> UserTypes;

  // Reads the bill at `inputPath`, creates "bvdata.tmp" beside it and reads
  // the first token. Returns 0, or the file system's error number when the
  // input cannot be read or the temporary file cannot be created; nothing is
  // written then and every later token request records that number.
  int Open(const std::string &inputPath);
  // Lexes a text already in memory; InsertCostsLine then has no file to
  // replace, but WithCostsLine works as after Open.
  void OpenText(std::string bytes);

  // Reads the next token.
  void NextToken();

  // The bill with the costs line naming `costFileName`, from the state right
  // after opening. Reads the lexer through to the end.
  std::string WithCostsLine(std::string_view costFileName);

  // Writes WithCostsLine into "bvdata.tmp" beside the input and renames it
  // over the input. Returns 0, or the error number of the failed step (the
  // open error after a failed Open, EINVAL after OpenText); on any failure
  // the input file is left as it was.
  int InsertCostsLine(std::string_view costFileName);

  int Token() const { return token_; }
  // The current word as typed, cut to 45 characters.
  const std::string &TokenText() const { return tokenText_; }
  // The separators read just before the current token.
  const std::string &SeparatorText() const { return sepText_; }
  // Where the current token's first byte lies in the text.
  std::size_t TokenStart() const { return tokenStart_; }
  unsigned char Ch() const { return ch_; }
  int Line() const { return line_; }
  int ErrorCode() const { return errorCode_; }
  // The file layer's description of the last failure, for a message.
  const std::string &ErrorText() const { return errorText_; }
  const std::string &TempPath() const { return tmpPath_; }

private:
  void Reset(std::string bytes);
  void ReadChar();
  void ReadWord();
  void LookUpWord();
  bool IsUserType(std::string_view upperWord) const;
  bool AtRealEnd() const { return !chFake_ && chPos_ >= in_.size(); }
  void EndLine();
  void CopyRestOfLine(std::string &out);
  void CopyBraceComment(std::string &out);
  void SkipRestOfLine();
  void CopyAfterKeyword(std::string &out) const;
  int Fail(int code, std::string text);

  std::string in_;
  std::size_t pos_ = 0;   // next byte to read
  std::size_t chPos_ = 0; // where ch_ came from; in_.size() past the end
  bool chFake_ = false;   // ch_ is the space put after a single-character word
  unsigned char ch_ = 0;
  int line_ = 1;
  int token_ = btIdentifier;
  std::size_t tokenStart_ = 0;
  std::string tokenText_;
  std::string sepText_;
  int openError_ = 0;
  int errorCode_ = 0;
  bool fromFile_ = false;
  std::string errorText_;
  std::string inputPath_;
  std::string tmpPath_;
};

} // namespace korvane
