#pragma once
// The "Take-off" sheet of a priced job's workbook: the job's details, one
// field to a row, then one row per priced line in the columns the take-off
// import reads (bill/takeoff/TakeoffColumns.h), so that the workbook read
// back as a take-off prices to the same figures, discount and VAT included:
//
//   Customer | Harbour Road Developments
//   Discount | 5%
//
//   Section | Item         | Number | Width | Height | Length | ... | Erection | Brackets | Comment
//   Risers  | StraightRect | 6      | 1200  | 600    | 2.400  | ... | Include  | Include  | bill
//   line 9
//
// Item is the bill's keyword; the properties are those of the job's items,
// in the catalogue's order, each value as the calculator's grid shows it (a
// number as a number in the grid's decimals, a choice as its text). The
// columns are known only once every line is seen, so the rows are kept, a
// few dozen bytes a line, and written at the end.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Catalogue.h"
#include "base/MessageSink.h"
#include "bill/job/JobDetails.h"
#include "bill/job/JobWriter.h"
#include "bill/job/XlsxBook.h"

namespace korvane {

class TItemRowSet;

class TJobTakeoffSheet {
public:
  explicit TJobTakeoffSheet(const TJobDetails &details);
  ~TJobTakeoffSheet();
  TJobTakeoffSheet(const TJobTakeoffSheet &) = delete;
  TJobTakeoffSheet &operator=(const TJobTakeoffSheet &) = delete;

  void Add(const TPricedLine &line);
  // Writes the header and every row added to `sheet`, a sheet of `book`.
  void Write(TXlsxBook &book, TXlsxSheet &sheet, lxw_format *bold);

private:
  std::vector<TDetailText> details_;
  // One property's value: a number with the grid's decimals, or a choice.
  struct TValue {
    std::uint8_t Column = 0; // index into CatalogueProps()
    std::uint8_t Decimals = 0;
    std::int16_t Choice = -1; // index into choices_; -1 for a number
    double Number = 0;
  };
  struct TRow {
    int Line = 0;
    int Code = 0;
    long Quantity = 1;
    std::uint32_t Section = 0; // index into sections_
    std::uint32_t FirstValue = 0;
    std::uint8_t Values = 0;
    bool Erection = false;
    bool Brackets = false;
  };

  std::int16_t ChoiceIndex(const std::string &text);

  TRecordingSink sink_; // hears the row texts of the catalogue, which always build
  std::unique_ptr<TItemRowSet> itemRows_;
  std::array<std::array<std::uint8_t, kMaxProps>, kTypeCount> columnOf_{};
  std::vector<bool> used_; // by column
  std::vector<TRow> rows_;
  std::vector<TValue> values_;
  std::vector<std::string> sections_;
  int sectionLine_ = -1;
  std::vector<std::string> choices_; // the few distinct choice texts
};

} // namespace korvane
