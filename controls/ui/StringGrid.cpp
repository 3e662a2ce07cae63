#include "controls/ui/StringGrid.h"

#include <QPainter>
#include <vector>

#include "controls/ui/InvalidGridOperation.h"
#include "controls/ui/StringGridStrings.h"

namespace korvane {

namespace {
// The cell text sits 2 pixels right of and below the cell's corner.
constexpr int kTextInset = 2;

// The texts of a row or column, shifted as when `from` moves to `to`.
int SourceIndex(int index, int from, int to) {
  if (from < to && index >= from && index < to)
    return index + 1;
  if (to < from && index > to && index <= from)
    return index - 1;
  return index == to ? from : index;
}
} // namespace

TxStringGrid::TxStringGrid(QWidget *parent)
    : TxDrawGrid(parent), own_(std::make_unique<TCellStore>()), store_(own_.get()) {
  store_->SetSize(ColCount(), RowCount());
}

TxStringGrid::TxStringGrid(TCellStore &store, QWidget *parent)
    : TxDrawGrid(parent), store_(&store) {
  SetCellStore(store);
}

TxStringGrid::~TxStringGrid() = default;

void TxStringGrid::SetCellStore(TCellStore &store) {
  CancelEditor();
  store_ = &store;
  if (own_.get() != &store)
    own_.reset();
  objects_.clear();
  if (store.ColCount() > 0 && store.RowCount() > 0)
    SyncSizeFromStore();
  else
    store.SetSize(ColCount(), RowCount());
  InvalidateGrid();
}

void TxStringGrid::SyncSizeFromStore() {
  syncing_ = true;
  SetColCount(store_->ColCount());
  SetRowCount(store_->RowCount());
  syncing_ = false;
  // A store of no rows or columns still shows one of each.
  if (store_->ColCount() != ColCount() || store_->RowCount() != RowCount())
    store_->SetSize(ColCount(), RowCount());
  InvalidateGrid();
}

void TxStringGrid::CellTextChanged(int col, int row) {
  InvalidateCell(col, row);
  ReloadEditor(col, row);
}

void TxStringGrid::SetCells(int col, int row, const std::string &text) {
  store_->SetCell(col, row, text);
  CellTextChanged(col, row);
}

QObject *TxStringGrid::Objects(int col, int row) const {
  const auto it = objects_.find({col, row});
  return it == objects_.end() ? nullptr : it->second.data();
}

void TxStringGrid::SetObjects(int col, int row, QObject *object) {
  if (!store_->Contains(col, row))
    return;
  if (object)
    objects_[{col, row}] = object;
  else
    objects_.erase({col, row});
}

TStringGridStrings TxStringGrid::Rows(int row) {
  if (row < 0 || row >= RowCount())
    throw EInvalidGridOperation(GridMsg::IndexOutOfRange);
  return TStringGridStrings(*this, true, row);
}

TStringGridStrings TxStringGrid::Cols(int col) {
  if (col < 0 || col >= ColCount())
    throw EInvalidGridOperation(GridMsg::IndexOutOfRange);
  return TStringGridStrings(*this, false, col);
}

void TxStringGrid::SetAlwaysShowCell(bool on) {
  alwaysShowCell_ = on;
  InvalidateGrid();
}

void TxStringGrid::DrawCell(QPainter &painter, int col, int row, const QRect &rect,
                            TGridDrawState state) {
  if (DefaultDrawing()) {
    const QRect textRect = rect.adjusted(kTextInset, kTextInset, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdString(store_->Cell(col, row)));
  }
  TxDrawGrid::DrawCell(painter, col, row, rect, state);
}

std::string TxStringGrid::GetEditText(int col, int row) {
  std::string value = store_->Cell(col, row);
  if (OnGetEditText)
    OnGetEditText(this, col, row, value);
  return value;
}

void TxStringGrid::SetEditText(int col, int row, const std::string &value) {
  // Written straight into the store: the editor is the source of this text,
  // so it must not be reloaded from it.
  if (value != store_->Cell(col, row)) {
    store_->SetCell(col, row, value);
    InvalidateCell(col, row);
  }
  TxDrawGrid::SetEditText(col, row, value);
}

void TxStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
  if (!syncing_)
    store_->SetSize(ColCount(), RowCount());
  for (auto it = objects_.begin(); it != objects_.end();) {
    if (it->first.first >= ColCount() || it->first.second >= RowCount())
      it = objects_.erase(it);
    else
      ++it;
  }
  TxDrawGrid::SizeChanged(oldColCount, oldRowCount);
}

void TxStringGrid::moveCells(bool columns, int from, int to) {
  const int lines = columns ? RowCount() : ColCount();
  const int span = columns ? ColCount() : RowCount();
  auto at = [columns](int along, int across) {
    return columns ? std::pair{along, across} : std::pair{across, along};
  };
  std::map<std::pair<int, int>, QPointer<QObject>> objects;
  for (const auto &[cell, object] : objects_) {
    const int along = columns ? cell.first : cell.second;
    const int across = columns ? cell.second : cell.first;
    int dest = along;
    for (int i = 0; i < span; ++i)
      if (SourceIndex(i, from, to) == along)
        dest = i;
    objects[at(dest, across)] = object;
  }
  objects_ = std::move(objects);
  std::vector<std::string> texts(static_cast<size_t>(span));
  for (int across = 0; across < lines; ++across) {
    for (int i = 0; i < span; ++i) {
      const auto [c, r] = at(SourceIndex(i, from, to), across);
      texts[static_cast<size_t>(i)] = store_->Cell(c, r);
    }
    for (int i = 0; i < span; ++i) {
      const auto [c, r] = at(i, across);
      store_->SetCell(c, r, std::move(texts[static_cast<size_t>(i)]));
    }
  }
}

void TxStringGrid::ColumnMoved(int from, int to) {
  moveCells(true, from, to);
  TxDrawGrid::ColumnMoved(from, to);
}

void TxStringGrid::RowMoved(int from, int to) {
  moveCells(false, from, to);
  TxDrawGrid::RowMoved(from, to);
}

} // namespace korvane
