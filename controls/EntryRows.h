#pragma once
// The row model of the entry grid: the row texts, one field per row and the
// conversion between a row's value cell and its typed value. It works on a
// cell store it does not own, so the desktop grid paints and edits the very
// same cells:
//
//   TCellStore cells;                 // the grid's cells (3 columns)
//   TEntryRows rows(cells, sink);     // the rules of those cells
//   rows.SetLines(RowSpecs[type]);    // rebuilds fields and cell texts
//   rows.SetData(1, r, value);        // fills row r, fires nothing
//   rows.OnDoSetData = [&](int c, int r) { Store(rows.GetData(c, r)); };
//
// Column 0 is the caption, 1 the value, 2 the units; row 0 is the header.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/MessageSink.h"
#include "base/Variant.h"
#include "controls/CellStore.h"
#include "controls/Fields.h"

namespace korvane {

// The user committed a new value to cell (ACol, ARow); the cell holds it.
using TDoSetDataEvent = std::function<void(int ACol, int ARow)>;
// The model wrote cell (ACol, ARow) on its own (SetData): a view repaints it
// and reloads an open in-place editor on it.
using TCellWrittenEvent = std::function<void(int ACol, int ARow)>;
// Lines were assigned: every row, field and cell text may be new, so a view
// hides its row editors and lays itself out again.
using TRowsRebuiltEvent = std::function<void()>;

class TEntryRows {
public:
  // Both must outlive the model. A store without columns gets the grid's
  // three; the rows start as the empty list leaves them (two rows, no fields).
  TEntryRows(TCellStore &cells, TMessageSink &messages);
  TEntryRows(const TEntryRows &) = delete;
  TEntryRows &operator=(const TEntryRows &) = delete;

  TCellStore &Cells() { return cells_; }
  const TCellStore &Cells() const { return cells_; }

  // The piece separator of the row texts; takes effect at the next SetLines.
  char Delim() const { return delim_; }
  void SetDelim(char delim) { delim_ = delim; }

  const std::vector<std::string> &Lines() const { return lines_; }
  // Keeps a copy of the texts and rebuilds every row from them: line 0 is
  // the header, line r describes row r. An empty list leaves two empty rows.
  // A numeric row whose range cannot be read shows "Error initialising " and
  // its caption, and becomes a text row. Fires OnRowsRebuilt, never
  // OnDoSetData.
  void SetLines(std::vector<std::string> lines);

  // The field of row ARow (row 0 has a plain one), or null when there is
  // none. The grid's editors read kinds, ranges and items from it.
  TField *Field(int ARow);
  const TField *Field(int ARow) const;
  int FieldCount() const { return static_cast<int>(fields_.size()); }

  // The typed value of a cell. Column 1 converts by the row's field (a
  // double, a 32-bit integer for integer formats, an item index, a boolean,
  // a text); anything that does not convert comes back as the cell text.
  Variant GetData(int ACol, int ARow) const noexcept;
  // GetData assigned to `value` (a solve reads every row of every item).
  void ReadData(int ACol, int ARow, Variant &value) const noexcept;
  // Writes `value` into a cell: column 1 in the row's format, other columns
  // as its text. A value the row cannot show empties the value cell. Fires
  // OnCellWritten, never OnDoSetData; the conversion itself never throws.
  void SetData(int ACol, int ARow, const Variant &value);

  // Gives row ARow a property-editor button calling `handler`. A row without
  // a field shows "Error setting property editor, row " and its number.
  void SetPropertyEditor(int ARow, TPropertyEditEvent handler);

  // Tells the owner that the user committed cell (ACol, ARow).
  void DoSetData(int ACol, int ARow);

  TDoSetDataEvent OnDoSetData;
  TCellWrittenEvent OnCellWritten;
  TRowsRebuiltEvent OnRowsRebuilt;

private:
  void SetRowCells(int row, const std::vector<std::string> &texts);

  TCellStore &cells_;
  TMessageSink &messages_;
  char delim_ = ';';
  std::vector<std::string> lines_;
  std::vector<std::unique_ptr<TField>> fields_;
};

} // namespace korvane
