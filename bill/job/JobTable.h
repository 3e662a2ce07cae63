#pragma once
// The priced job as the bill window shows and prints it: every priced line
// as the texts of its table row, the notes for the lines that were not
// priced or were bad, the sheet per gauge, the insulation, the total and the
// one-line summary of the status bar. Unlike the other writers it keeps the
// whole job: a window shows every line at once.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "bill/job/JobWriter.h"

namespace korvane {

enum class TJobColumn { Line, Item, Sizes, Number, Each, Amount, Gauge, Area, Weight };
inline constexpr int kJobColumnCount = 9;

// "Line", "Item", ... "Weight kg": the table's headings.
std::string_view JobColumnTitle(TJobColumn column);
// Whether a column's texts are numbers, set flush right.
bool JobColumnIsNumber(TJobColumn column);

// A priced line, or one of the rows a quote prints between them: a
// section's title and its subtotal, and the job's Subtotal, Discount, VAT
// and Total at the end.
enum class TJobRowKind { Item, Section, Subtotal, Money };

struct TJobRow {
  TJobRowKind Kind = TJobRowKind::Item;
  int Line = 0;    // of the bill: the item's number line, a section's "#" line
  int Section = 0; // the line of the section it stands in
  std::array<std::string, kJobColumnCount> Cells;
  const std::string &Cell(TJobColumn column) const { return Cells[static_cast<int>(column)]; }
};

struct TJobNote {
  int Line = 0;
  bool Bad = false; // an error; else a line not priced
  std::string Text; // "line 12: not priced: Setups: no costing"
};

// One row of the sheet list or the insulation list: what, area, weight.
using TJobListRow = std::array<std::string, 3>;

struct TJobSummary {
  std::string Total;                   // the job's price in the money format
  std::string TotalWords;              // "Total R1,079.69 incl. VAT R140.83"
  std::string Sheet;                   // "283.97 m²  1,658.5 kg"
  std::vector<TJobListRow> Sheets;     // "0.6 mm", "151.76 m²", "905.4 kg"
  std::vector<TJobListRow> Insulation; // "Internal 25 mm", "48.00 m²", ""
  std::vector<TJobNote> Notes;         // in line order
  std::string Counts;                  // "28 priced, 0 not priced, 0 bad"
  std::string Status;                  // "Total R42,454.31   28 priced, ..."
};

class TJobTable : public TJobWriter {
public:
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line) override;
  bool End(const TJobTotals &totals, std::string &error) override;

  const TJobInfo &Info() const { return info_; }
  const std::vector<TJobRow> &Rows() const { return rows_; }
  const TJobSummary &Summary() const { return summary_; }

private:
  void AddQuoteRows(const TJobTotals &totals);

  TJobInfo info_;
  std::vector<TJobRow> rows_;
  TJobSummary summary_;
};

// The summary of a job that could not be priced at all (its cost file
// failed): the reason stands where the total would.
TJobSummary FailedJobSummary(std::string_view reason);

// The lines not priced and the bad ones, merged so that they read down the
// bill.
std::vector<TJobNote> JobNotes(const TJobTotals &totals);

} // namespace korvane
