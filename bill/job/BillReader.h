#pragma once
// Reads a bill as it streams in and says, line by line, what each line is:
// the Costs line, a priced item line ready for the pricer, a line the
// calculator has no costing for, or an error with its line number. It keeps
// the state of one line and one entry, never the bill.
//
//   TBillReader reader(handler, commandLineDefaults);
//   while (...) reader.Feed(bytes);
//   reader.Finish();
//
// Anything it does not understand is an error, never a guess, and the lines
// after it are read on: a bad entry costs its own lines only.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "app/ItemLine.h"
#include "bill/job/BillItemBuilder.h"
#include "bill/job/BillLineLexer.h"
#include "bill/job/BillOptions.h"
#include "bill/job/JobDetails.h"

namespace korvane {

// One number line of an item the calculator prices.
struct TBillItem {
  int Line = 0;
  int Code = 0; // the item keyword's token code
  const TBillItemForm *Form = nullptr;
  TItemLine Item;
  long Quantity = 1;
  bool Erection = false;
  bool Brackets = false;
  std::span<const std::string> Numbers; // as written, the number off among them
};

class TBillHandler {
public:
  virtual ~TBillHandler() = default;
  // "Costs = FILE": the name as written. Comes before any item, at most once.
  virtual void CostsLine(int line, std::string_view file) = 0;
  virtual void Item(const TBillItem &item) = 0;
  // A line of an item the calculator has no costing for.
  virtual void NotPriced(int line, int code, std::string_view reason) = 0;
  virtual void Error(int line, std::string_view reason) = 0;
  // A "#" line: the items after it, up to the next one, are a section
  // titled with the rest of the line.
  virtual void Section(int line, std::string_view title) {
    (void)line;
    (void)title;
  }
  // A "; Field: value" line above the first item was read: the job's
  // details as they stand now.
  virtual void Details(const TJobDetails &details) { (void)details; }
  // Line `line` is a "; Field: value" line above the first item, read or
  // bad: the lines the Job Details dialog rewrites.
  virtual void DetailLine(int line) { (void)line; }
};

class TBillReader {
public:
  // A line longer than this is refused, not kept: it is no bill line.
  static constexpr std::size_t kMaxLineBytes = 64u << 10;
  static constexpr std::size_t kMaxNumbers = 16;

  // `defaults` (erection and brackets of the command line) stand under every
  // GlobalSettings. The handler must outlive the reader.
  TBillReader(TBillHandler &handler, const TBillOptions &defaults);

  // The next bytes of the bill, cut anywhere.
  void Feed(std::string_view bytes);
  // The end of the bill: its last line, and the entry it ends.
  void Finish();

private:
  void Line(std::string_view line);
  void CommentLine(std::string_view line);
  void Costs(std::string_view line);
  void Global(std::span<const TBillToken> tokens);
  void Entry(std::span<const TBillToken> tokens);
  void Numbers(std::span<const TBillToken> tokens);
  void EndEntry();
  void Error(std::string_view reason) { handler_.Error(line_, reason); }

  TBillHandler &handler_;
  TBillLineLexer lexer_;
  TBillOptions defaults_;
  TBillOptions global_;
  int globalBadLine_ = 0; // the GlobalSettings line in force is in error
  int line_ = 1;
  std::string carry_; // the start of a line cut by Feed
  bool tooLong_ = false;
  bool costsSeen_ = false;
  bool itemSeen_ = false;
  TJobDetails details_;

  // The entry being read.
  int entryCode_ = 0; // 0: none
  int entryLine_ = 0;
  bool entryBad_ = false;
  std::size_t entryLines_ = 0;
  TBillItemBuilder builder_;
  TBillItem item_;
  std::array<std::string, kMaxNumbers> numbers_;
  std::string error_;
};

} // namespace korvane
