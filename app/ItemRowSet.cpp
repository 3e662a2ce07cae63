#include "app/ItemRowSet.h"

namespace korvane {

TItemRowSet::TItemRowSet(const TCatalogue &catalogue, TMessageSink &sink) {
  for (int t = 0; t < kTypeCount; ++t) {
    const auto i = static_cast<std::size_t>(t);
    cells_[i] = std::make_unique<TCellStore>();
    rows_[i] = std::make_unique<TEntryRows>(*cells_[i], sink);
    rows_[i]->SetLines(catalogue.RowSpecs[i]);
    Show(t, catalogue.ItemValues[i]);
  }
}

void TItemRowSet::Show(int type, const TMyVarArray &values) {
  const auto i = static_cast<std::size_t>(type);
  TEntryRows &rows = *rows_[i];
  const int count = rows.Cells().RowCount();
  std::vector<std::string> &shown = shown_[i];
  shown.assign(static_cast<std::size_t>(count), std::string());
  for (int r = 1; r < count; ++r) {
    if (static_cast<std::size_t>(r - 1) < values.size())
      rows.SetData(1, r, values[static_cast<std::size_t>(r - 1)]);
    shown[static_cast<std::size_t>(r)] = rows.Cells().Cell(1, r);
  }
}

void TItemRowSet::Restore(int type) {
  const auto i = static_cast<std::size_t>(type);
  TCellStore &cells = *cells_[i];
  const std::vector<std::string> &shown = shown_[i];
  for (int r = 1; r < cells.RowCount() && static_cast<std::size_t>(r) < shown.size(); ++r)
    if (cells.Cell(1, r) != shown[static_cast<std::size_t>(r)])
      cells.SetCell(1, r, shown[static_cast<std::size_t>(r)]);
}

void TItemRowSet::Restore(int type, std::span<const int> rows) {
  const auto i = static_cast<std::size_t>(type);
  TCellStore &cells = *cells_[i];
  const std::vector<std::string> &shown = shown_[i];
  // A listed row nearly always differs: assigned in place without comparing.
  for (int r : rows)
    if (r >= 1 && static_cast<std::size_t>(r) < shown.size())
      if (std::string *cell = cells.MutableCell(1, r))
        *cell = shown[static_cast<std::size_t>(r)];
}

} // namespace korvane
