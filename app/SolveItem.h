#pragma once
// Pricing the item on screen and writing its report: the Details lines, the
// status-bar text with the rates as its hint, and the summary line and option
// list the Copy command puts on the clipboard.
//
// The desktop window keeps one TSolveReport for its whole run and calls
//
//   SolveItem({engine, CostFileName, currency}, catalogue.CurrentType,
//             dimensionsRows, report);
//
// after every change, then shows report.Details in the memo, report.StatusText
// in the status bar and report.RatesText as its hint. The command-line pricer
// calls exactly the same function.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/Catalogue.h"
#include "base/Format.h"
#include "controls/EntryRows.h"
#include "engine/Engine.h"

namespace korvane {

// The memo's lines. Clearing keeps every line's storage, so a solve that
// writes the same number of lines again allocates nothing.
class TDetailLines {
public:
  void Clear() { count_ = 0; }
  // A new, empty last line to append to.
  std::string &Add();
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const std::string &operator[](std::size_t i) const { return lines_[i]; }
  std::vector<std::string>::const_iterator begin() const { return lines_.begin(); }
  std::vector<std::string>::const_iterator end() const {
    return lines_.begin() + static_cast<std::ptrdiff_t>(count_);
  }
  // Every line followed by `lineEnd` (a memo takes "\n"; a file "\r\n").
  std::string Joined(std::string_view lineEnd = "\n") const;

private:
  std::vector<std::string> lines_;
  std::size_t count_ = 0;
};

// What a solve leaves behind. The texts after Details survive from one solve
// to the next: a failed solve keeps those it had not reached yet.
struct TSolveReport {
  TDetailLines Details;
  std::string StatusText;  // the status bar: the price summary, or "Bad data..."
  std::string RatesText;   // the status bar's hint
  std::string SummaryLine; // the numbers line of the bill line
  std::string OptionText;  // the option words
  std::string BillOptions; // the option list of the bill line
  bool VanesFlag = false;  // a bend (or Y-piece) priced with vanes
  double Price = 0;        // after markup
  double Area = 0;         // m²
  double InsArea = 0;      // m²
  double Weight = 0;       // kg
  double CentreLength = 0; // m, the length the rate per metre is taken over
  bool Failed = false;     // the last solve ended in "Bad data..."
  // The value of data row r as the solve read it, at r - 1: a number, an
  // item index, or the text of a cell that is not a number. Rows the solve
  // did not reach are empty.
  std::array<Variant, kMaxProps> Values;

  // Forgets everything, as before the first solve, keeping the storage.
  void Reset();
};

// Which texts a solve writes. The window shows them all; a caller that only
// wants the figures and the status-bar text (a spreadsheet export of many
// items) saves the formatting of the rest.
enum class TReportTexts {
  All,
  StatusOnly,  // Details holds the type name only; SummaryLine, RatesText and
               // BillOptions are left as they were
  FiguresOnly, // as StatusOnly, and StatusText too is left as it was (a job
               // of many lines wants the figures alone)
};

// What a solve reads besides the rows. The engine's ErectionIncluded and
// BracketsIncluded come from the Options page; the solve sets the other
// settings from the item's option rows, and they stay for the next solve.
struct TSolveContext {
  TEngine &Engine;
  const std::string &CostFileName;
  const TCurrencyFormat &Currency;
  TReportTexts Texts = TReportTexts::All;
};

// Prices item type `type` (0 to 14) from the value column of `rows`, which
// hold that type's row texts (header first). False when the solve ended in
// "Bad data..." (a value that is not a number, arithmetic without an answer):
// the Details lines written so far stay, and the kept texts the solve had not
// reached yet keep their previous values. Never throws for bad data and never
// asks the user anything.
bool SolveItem(const TSolveContext &context, int type, const TEntryRows &rows,
               TSolveReport &report);

} // namespace korvane
