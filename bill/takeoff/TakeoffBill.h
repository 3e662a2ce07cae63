#pragma once
// Turns the rows of a take-off into the bill they stand for, one item entry
// a row, written as the bill language writes that item by hand (keyword,
// option list, numbers line), so the bill prices exactly as a typed one:
//
//   Section | Item          | Width (mm) | Height | Length (m) | Qty | Insulation
//   Risers  | StraightRect  | 1200       | 600    | 2.4        | 6   | 25mm DuctWrap
//
//   # Risers
//   StraightRect (Insulation=External, InsThickness=25mm, NumberOff=6)
//   	-	1200  600  2.4
//
// Rows above the header are skipped. A row that cannot be an item (unknown
// type, a size missing or out of its row's range, a choice the bill language
// cannot carry) is never dropped: it becomes a comment line saying why, and
// a note with the sheet's row and column.
#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Catalogue.h"
#include "base/MessageSink.h"
#include "bill/job/JobDetails.h"
#include "bill/takeoff/TakeoffColumns.h"
#include "bill/takeoff/TakeoffTable.h"

namespace korvane {

struct TTakeoffNote {
  int Row = 0;        // the sheet's row; 0 for a note on the whole sheet
  std::string Column; // as the header names it; empty for the whole row
  std::string Text;
  int BillLine = 0; // the bill's comment line that stands for the row
  bool Bad = true;  // a row that is not priced; false for a note only

  // "row 12, Width (mm): ..." as a person reads it.
  std::string Said() const;
};

class TItemRowSet;

class TTakeoffBill : public TTakeoffRowSink {
public:
  // `source` names the take-off in the bill's first comment line.
  explicit TTakeoffBill(std::string_view source);
  ~TTakeoffBill() override;
  TTakeoffBill(const TTakeoffBill &) = delete;
  TTakeoffBill &operator=(const TTakeoffBill &) = delete;

  void Row(int sheetRow, std::span<const TTakeoffCell> cells) override;
  // The details above a header are the take-off's; those of a sheet with
  // none (a cover, or a workbook's quote) are dropped.
  void NextSheet() override;
  // After the last row; false with `error` when no row was the header.
  bool Finish(std::string &error);

  const std::string &Text() const { return text_; }
  const std::vector<TTakeoffNote> &Notes() const { return notes_; }
  std::size_t Items() const { return items_; }
  // The rows that cannot be priced, among the notes.
  std::size_t BadRows() const;
  bool HeaderFound() const override { return !columns_.empty(); }

private:
  struct TColumn {
    int Col = 0;
    std::string Name; // as the sheet writes it
    TTakeoffColumnName What;
  };
  struct TRowValues; // one row's texts by column

  void Header(int sheetRow, std::span<const TTakeoffCell> cells);
  void Detail(int sheetRow, std::span<const TTakeoffCell> cells);
  void WriteDetails();
  void Item(int sheetRow, TRowValues &row);
  void Bad(int sheetRow, std::string_view column, std::string text);
  void Line(std::string_view text);
  // The column of a field or property; -1 when the sheet has none.
  int ColumnOf(TTakeoffField field, std::string_view key = {}) const;
  // The column of the type's property `prop` ("Width1" reads a Width column
  // when there is no Width1).
  int PropertyColumn(std::string_view prop) const;

  std::string text_;
  int lines_ = 0; // lines written so far
  std::vector<TColumn> columns_;
  std::vector<int> slotOfCol_; // a sheet column -> index in columns_, or -1
  // Per item type and property: its key as compared, and its column.
  std::array<std::array<std::string, kMaxProps>, kTypeCount> keys_;
  std::array<std::array<int, kMaxProps>, kTypeCount> slots_{};
  std::vector<TTakeoffNote> notes_;
  std::size_t items_ = 0;
  // The details found above the header so far: the sheet's row, and the
  // bill line that holds the detail.
  std::vector<std::pair<int, std::string>> details_;
  std::string section_;
  std::string lastEntry_; // the keyword line the last item was written under
  TRecordingSink sink_;   // hears the row texts of the catalogue, which always build
  std::unique_ptr<TItemRowSet> rows_;
  std::string scratch_;
};

} // namespace korvane
