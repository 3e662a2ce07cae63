#pragma once
// What a priced job adds up to: the total price, area and weight, the sheet
// a shop orders per gauge, the insulation per kind and thickness, and the
// lines that were not priced or were in error. Every priced line counts
// quantity times its item's figures; nothing of the line itself is kept.
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bill/job/JobMoney.h"
#include "engine/Engine.h"

namespace korvane {

struct TSheetTotal {
  double Area = 0;   // m²
  double Weight = 0; // kg
};

struct TBillNote {
  int Line = 0;
  std::string Keyword; // the item keyword of a line not priced; empty for errors
  std::string Reason;
};

// A "#" line's section: the items after it, up to the next one. The items
// above the first "#" line stand in an untitled section.
struct TJobSection {
  int Line = 0;      // of its "#" line; 0 for the untitled one
  std::string Title; // empty for the untitled one
  std::size_t Priced = 0;
  TCents Subtotal = 0; // the sum of its printed Amounts
};

struct TJobTotals {
  double Price = 0;
  double Area = 0;
  double InsArea = 0;
  double Weight = 0;
  std::map<double, TSheetTotal> Sheets;             // by gauge, mm
  std::map<std::pair<int, int>, double> Insulation; // (kind, thickness mm) to m²
  std::size_t Priced = 0;
  std::vector<TBillNote> NotPriced; // in line order
  std::vector<TBillNote> Errors;    // in line order
  // In bill order. The untitled section is left out when no line was priced
  // in it.
  std::vector<TJobSection> Sections;
  TJobMoney Money; // the printed Subtotal, Discount, VAT and Total

  // One priced line of `quantity` items with the figures of one.
  void Add(long quantity, double price, double area, double insArea, double weight, double gauge,
           TInsulationKind kind, double thickness);
  bool AllPriced() const { return NotPriced.empty() && Errors.empty(); }
};

// "Internal", "External" (the insulation kind as a bill writes it).
std::string_view InsulationKindWord(int kind);

} // namespace korvane
