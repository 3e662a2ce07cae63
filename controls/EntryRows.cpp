#include "controls/EntryRows.h"

#include <climits>
#include <exception>

#include "controls/RowText.h"

namespace korvane {

TEntryRows::TEntryRows(TCellStore &cells, TMessageSink &messages)
    : cells_(cells), messages_(messages) {
  if (cells_.ColCount() == 0)
    cells_.SetColCount(3);
  SetLines({});
}

void TEntryRows::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  fields_.clear();
  // The old rows' texts go with their fields: a header or a row that writes
  // fewer cells must not show what the previous list left there.
  cells_.Clear();
  if (lines_.empty()) {
    cells_.SetRowCount(2);
  } else {
    const int rows = lines_.size() > INT_MAX ? INT_MAX : static_cast<int>(lines_.size());
    cells_.SetRowCount(rows);
    SetRowCells(0, SplitSpec(delim_, lines_[0]));
    fields_.push_back(std::make_unique<TField>("%S", TEditorKind::ekNone));
    for (int r = 1; r < rows; ++r) {
      TBuiltRow row = BuildRow(delim_, lines_[static_cast<size_t>(r)]);
      fields_.push_back(std::move(row.field));
      SetRowCells(r, row.cells);
      if (row.rangeError)
        messages_.Show(TMsgKind::Error, TMsgButtons::Ok, "Error initialising " + row.cells[0]);
    }
  }
  if (OnRowsRebuilt)
    OnRowsRebuilt();
}

void TEntryRows::SetRowCells(int row, const std::vector<std::string> &texts) {
  const int count = texts.size() < static_cast<size_t>(cells_.ColCount())
                        ? static_cast<int>(texts.size())
                        : cells_.ColCount();
  for (int c = 0; c < count; ++c)
    cells_.SetCell(c, row, texts[static_cast<size_t>(c)]);
}

TField *TEntryRows::Field(int ARow) {
  return ARow >= 0 && ARow < FieldCount() ? fields_[static_cast<size_t>(ARow)].get() : nullptr;
}

const TField *TEntryRows::Field(int ARow) const {
  return ARow >= 0 && ARow < FieldCount() ? fields_[static_cast<size_t>(ARow)].get() : nullptr;
}

Variant TEntryRows::GetData(int ACol, int ARow) const noexcept {
  const std::string &text = cells_.Cell(ACol, ARow);
  if (ACol == 1)
    if (const TField *field = Field(ARow))
      if (std::optional<Variant> value = field->ValueOf(text))
        return std::move(*value);
  return Variant(text);
}

void TEntryRows::ReadData(int ACol, int ARow, Variant &value) const noexcept {
  const std::string &text = cells_.Cell(ACol, ARow);
  const TField *field = ACol == 1 ? Field(ARow) : nullptr;
  if (field)
    field->ReadValue(text, value);
  else
    value = Variant(text);
}

void TEntryRows::SetData(int ACol, int ARow, const Variant &value) {
  std::string *text = cells_.MutableCell(ACol, ARow);
  if (!text)
    return;
  // The cell is written in place: a batch writes millions of them.
  if (ACol != 1) {
    try {
      *text = value.toText();
    } catch (const std::exception &) {
      text->clear();
    }
  } else if (const TField *field = Field(ARow)) {
    field->WriteText(value, *text);
  } else {
    text->clear();
  }
  if (OnCellWritten)
    OnCellWritten(ACol, ARow);
}

void TEntryRows::SetPropertyEditor(int ARow, TPropertyEditEvent handler) {
  TField *field = Field(ARow);
  if (!field) {
    messages_.Show(TMsgKind::Information, TMsgButtons::Ok,
                   "Error setting property editor, row " + std::to_string(ARow));
    return;
  }
  field->SetKind(TEditorKind::ekPropEditor);
  field->SetPropEditor(std::move(handler));
}

void TEntryRows::DoSetData(int ACol, int ARow) {
  if (OnDoSetData)
    OnDoSetData(ACol, ARow);
}

} // namespace korvane
