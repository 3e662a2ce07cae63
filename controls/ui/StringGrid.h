#pragma once
// The grid that keeps a text and an object per cell. Its texts live in a
// TCellStore, the very store the entry grid's row model reads and writes:
// the grid either owns one or is given one to share. Whoever writes the store
// directly tells the grid with CellTextChanged (repaint, reload an open
// editor) or SyncSizeFromStore (after the store was resized).
#include <QPointer>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "controls/CellStore.h"
#include "controls/ui/DrawGrid.h"

namespace korvane {

class TStringGridStrings;

class TxStringGrid : public TxDrawGrid {
  Q_OBJECT
public:
  // Owns its store.
  explicit TxStringGrid(QWidget *parent = nullptr);
  // Shares `store`, which must outlive the grid (see SetCellStore).
  explicit TxStringGrid(TCellStore &store, QWidget *parent = nullptr);
  ~TxStringGrid() override;

  TCellStore &CellStore() { return *store_; }
  const TCellStore &CellStore() const { return *store_; }
  // Shares `store` from now on and drops the grid's own store. A store that
  // already has rows and columns gives the grid its size; an empty one is
  // sized to the grid.
  void SetCellStore(TCellStore &store);
  // Takes the store's size as the grid's counts.
  void SyncSizeFromStore();
  // The store's text of (col, row) changed behind the grid's back.
  void CellTextChanged(int col, int row);

  // Cells outside the grid read as empty and ignore writes.
  std::string Cells(int col, int row) const { return store_->Cell(col, row); }
  // Writing the cell under an open editor reloads the editor.
  void SetCells(int col, int row, const std::string &text);
  // Object references are not owned; a destroyed object reads as null.
  QObject *Objects(int col, int row) const;
  void SetObjects(int col, int row, QObject *object);

  // A row (or column) as a list of texts; raises on an index outside.
  TStringGridStrings Rows(int row);
  TStringGridStrings Cols(int col);

  // True keeps the selection highlighted while the grid is inactive.
  bool AlwaysShowCell() const { return alwaysShowCell_; }
  void SetAlwaysShowCell(bool on);

protected:
  void DrawCell(QPainter &painter, int col, int row, const QRect &rect,
                TGridDrawState state) override;
  std::string GetEditText(int col, int row) override;
  void SetEditText(int col, int row, const std::string &value) override;
  void SizeChanged(int oldColCount, int oldRowCount) override;
  void ColumnMoved(int from, int to) override;
  void RowMoved(int from, int to) override;
  bool ShowsInactiveSelection() const override { return alwaysShowCell_; }

private:
  void moveCells(bool columns, int from, int to);
  std::unique_ptr<TCellStore> own_;
  TCellStore *store_;
  std::map<std::pair<int, int>, QPointer<QObject>> objects_;
  bool alwaysShowCell_ = false;
  bool syncing_ = false;
};

} // namespace korvane
