#pragma once
// The plain store of cell texts under every grid: the row model reads and
// writes it, and the desktop grid paints and edits the very same store.
#include <string>
#include <vector>

namespace korvane {

class TCellStore {
public:
  int ColCount() const { return cols_; }
  int RowCount() const { return rows_; }

  // Keeps the texts of cells that stay inside the new size.
  void SetSize(int cols, int rows) {
    if (cols < 0)
      cols = 0;
    if (rows < 0)
      rows = 0;
    std::vector<std::string> next(static_cast<size_t>(cols) * static_cast<size_t>(rows));
    for (int r = 0; r < rows && r < rows_; ++r)
      for (int c = 0; c < cols && c < cols_; ++c)
        next[index(c, r, cols)] = std::move(cells_[index(c, r, cols_)]);
    cells_ = std::move(next);
    cols_ = cols;
    rows_ = rows;
  }
  void SetColCount(int cols) { SetSize(cols, rows_); }
  void SetRowCount(int rows) { SetSize(cols_, rows); }

  bool Contains(int col, int row) const {
    return col >= 0 && row >= 0 && col < cols_ && row < rows_;
  }
  // Cells outside the store read as empty and ignore writes.
  const std::string &Cell(int col, int row) const {
    static const std::string empty;
    return Contains(col, row) ? cells_[index(col, row, cols_)] : empty;
  }
  // The text of a cell inside the store to write in place (keeping its
  // storage); null outside.
  std::string *MutableCell(int col, int row) {
    return Contains(col, row) ? &cells_[index(col, row, cols_)] : nullptr;
  }
  void SetCell(int col, int row, std::string text) {
    if (Contains(col, row))
      cells_[index(col, row, cols_)] = std::move(text);
  }
  void Clear() { cells_.assign(cells_.size(), std::string()); }

private:
  static size_t index(int col, int row, int cols) {
    return static_cast<size_t>(row) * static_cast<size_t>(cols) + static_cast<size_t>(col);
  }
  int cols_ = 0;
  int rows_ = 0;
  std::vector<std::string> cells_;
};

} // namespace korvane
