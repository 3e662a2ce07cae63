// TxCustomGrid: keys, mouse, wheel and focus.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "controls/ui/CustomGrid.h"
#include "controls/ui/InplaceEdit.h"

namespace korvane {

namespace {
// How near a border (in pixels) the pointer must be to drag it.
constexpr int kBorderGrip = 3;
} // namespace

// ---- keys ------------------------------------------------------------------

void TxCustomGrid::MoveBy(int dCol, int dRow, bool extend) {
  const int col = std::clamp(col_ + dCol, FixedCols(), ColCount() - 1);
  const int row = std::clamp(row_ + dRow, FixedRows(), RowCount() - 1);
  if (col == col_ && row == row_ && !extend)
    return;
  moveCurrent(col, row, !extend, true);
}

void TxCustomGrid::keyPressEvent(QKeyEvent *e) {
  const Qt::KeyboardModifiers mods = e->modifiers();
  const bool ctrl = mods & Qt::ControlModifier;
  const bool extend = (mods & Qt::ShiftModifier) && (options_ & xgoRangeSelect);
  const bool rowSelect = options_ & xgoRowSelect;
  const int page = std::max(1, VisibleRowCount());
  switch (e->key()) {
  case Qt::Key_Up:
    MoveBy(0, -1, extend);
    break;
  case Qt::Key_Down:
    MoveBy(0, 1, extend);
    break;
  case Qt::Key_Left:
    if (rowSelect)
      SetLeftCol(LeftCol() - 1);
    else
      MoveBy(-1, 0, extend);
    break;
  case Qt::Key_Right:
    if (rowSelect)
      SetLeftCol(LeftCol() + 1);
    else
      MoveBy(1, 0, extend);
    break;
  case Qt::Key_PageUp:
    SetTopRow(TopRow() - page);
    MoveBy(0, -page, extend);
    break;
  case Qt::Key_PageDown:
    SetTopRow(TopRow() + page);
    MoveBy(0, page, extend);
    break;
  case Qt::Key_Home:
    if (ctrl)
      moveCurrent(FixedCols(), FixedRows(), !extend, true);
    else
      moveCurrent(FixedCols(), row_, !extend, true);
    break;
  case Qt::Key_End:
    if (ctrl)
      moveCurrent(ColCount() - 1, RowCount() - 1, !extend, true);
    else
      moveCurrent(ColCount() - 1, row_, !extend, true);
    break;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    if (!(options_ & xgoAlwaysShowEditor))
      SetEditorMode(!EditorOpen());
    break;
  case Qt::Key_F2:
    SetEditorMode(true);
    if (EditorOpen() && editor_) {
      editor_->deselect();
      editor_->end(false);
    }
    break;
  case Qt::Key_Escape:
    // Nothing to undo at grid level; a dialog around the grid may use it.
    e->ignore();
    return;
  default: {
    const QString typed = e->text();
    const bool character = !typed.isEmpty() &&
                           (typed.at(0).isPrint() || e->key() == Qt::Key_Backspace) &&
                           !(mods & (Qt::ControlModifier | Qt::MetaModifier));
    if (character && (options_ & xgoEditing) && !rowSelect) {
      // Typing on the grid opens the editor (or goes to the one already
      // shown beside the focus) and types the character into it.
      SetEditorMode(true);
      if (EditorOpen() && editor_) {
        editor_->setFocus(Qt::OtherFocusReason);
        QCoreApplication::sendEvent(editor_, e);
        return;
      }
    }
    e->ignore();
    return;
  }
  }
  e->accept();
}

bool TxCustomGrid::focusNextPrevChild(bool next) {
  if (!(options_ & xgoTabs) || !GridHasFocus())
    return QAbstractScrollArea::focusNextPrevChild(next);
  // Tab walks the scrolling cells row by row and leaves the grid past either
  // end, so the keyboard never gets stuck in it.
  int col = col_ + (next ? 1 : -1), row = row_;
  if (col >= ColCount()) {
    col = FixedCols();
    ++row;
  } else if (col < FixedCols()) {
    col = ColCount() - 1;
    --row;
  }
  if (row < FixedRows() || row >= RowCount()) {
    CommitEditor();
    return QAbstractScrollArea::focusNextPrevChild(next);
  }
  moveCurrent(col, row, true, true);
  return true;
}

// ---- mouse -----------------------------------------------------------------

int TxCustomGrid::borderAt(const TGridAxis &axis, int pos) const {
  // The cell whose trailing border lies within the grip of `pos`.
  const int index = axis.IndexAt(pos);
  for (int i : {index, index - 1}) {
    if (i < 0 || i >= axis.Count())
      continue;
    const int start = axis.Start(i);
    if (start < 0)
      continue;
    const int end = start + axis.Size(i);
    if (pos >= end - kBorderGrip && pos <= end + kBorderGrip)
      return i;
  }
  return -1;
}

bool TxCustomGrid::startSizingOrMoving(const QPoint &pos) {
  const bool inFixedRows = pos.y() < rows_.FixedExtent();
  const bool inFixedCols = pos.x() < cols_.FixedExtent();
  if (inFixedRows && (options_ & xgoColSizing)) {
    const int col = borderAt(cols_, pos.x());
    if (col >= 0) {
      drag_ = TDrag::ColSizing;
      dragIndex_ = col;
      dragOrigin_ = pos.x();
      dragStartSize_ = cols_.Size(col);
      return true;
    }
  }
  if (inFixedCols && (options_ & xgoRowSizing)) {
    const int row = borderAt(rows_, pos.y());
    if (row >= 0) {
      drag_ = TDrag::RowSizing;
      dragIndex_ = row;
      dragOrigin_ = pos.y();
      dragStartSize_ = rows_.Size(row);
      return true;
    }
  }
  const QPoint cell = MouseCoord(pos);
  if (inFixedRows && (options_ & xgoColMoving) && cell.x() >= FixedCols()) {
    drag_ = TDrag::ColMoving;
    dragIndex_ = cell.x();
    return true;
  }
  if (inFixedCols && (options_ & xgoRowMoving) && cell.y() >= FixedRows()) {
    drag_ = TDrag::RowMoving;
    dragIndex_ = cell.y();
    return true;
  }
  return false;
}

void TxCustomGrid::pressCell(const QPoint &cell, Qt::KeyboardModifiers mods) {
  const bool isNew = std::exchange(nextPressIsNew_, false);
  if (!IsScrollingCell(cell.x(), cell.y()))
    return;
  const bool current = cell.x() == col_ && cell.y() == row_;
  if (current && !isNew && (options_ & xgoEditing) && !(options_ & xgoRowSelect)) {
    SetEditorMode(true);
    return;
  }
  const bool extend = (mods & Qt::ShiftModifier) && (options_ & xgoRangeSelect);
  moveCurrent(cell.x(), cell.y(), !extend, true);
  if (options_ & xgoRangeSelect)
    drag_ = TDrag::Selecting;
}

void TxCustomGrid::mousePressEvent(QMouseEvent *e) {
  // Every press ends an open edit first, wherever it lands.
  CommitEditor();
  if (focusPolicy() & Qt::ClickFocus)
    setFocus(Qt::MouseFocusReason);
  const QPoint pos = e->position().toPoint();
  pressCell_ = MouseCoord(pos);
  if (e->button() != Qt::LeftButton) {
    nextPressIsNew_ = false;
    QAbstractScrollArea::mousePressEvent(e);
    return;
  }
  drag_ = TDrag::None;
  if (startSizingOrMoving(pos)) {
    nextPressIsNew_ = false;
    return;
  }
  pressCell(pressCell_, e->modifiers());
}

void TxCustomGrid::mouseMoveEvent(QMouseEvent *e) {
  const QPoint pos = e->position().toPoint();
  switch (drag_) {
  case TDrag::ColSizing:
    SetColWidths(dragIndex_, std::max(0, dragStartSize_ + pos.x() - dragOrigin_));
    return;
  case TDrag::RowSizing:
    SetRowHeights(dragIndex_, std::max(0, dragStartSize_ + pos.y() - dragOrigin_));
    return;
  case TDrag::Selecting: {
    const QPoint cell = MouseCoord(pos);
    if (IsScrollingCell(cell.x(), cell.y()) && (cell.x() != col_ || cell.y() != row_))
      moveCurrent(cell.x(), cell.y(), false, true);
    return;
  }
  case TDrag::ColMoving:
  case TDrag::RowMoving:
    return;
  case TDrag::None:
    break;
  }
  // Show where a border can be dragged.
  Qt::CursorShape shape = Qt::ArrowCursor;
  if ((options_ & xgoColSizing) && pos.y() < rows_.FixedExtent() && borderAt(cols_, pos.x()) >= 0)
    shape = Qt::SplitHCursor;
  else if ((options_ & xgoRowSizing) && pos.x() < cols_.FixedExtent() &&
           borderAt(rows_, pos.y()) >= 0)
    shape = Qt::SplitVCursor;
  viewport()->setCursor(shape);
  e->accept();
}

void TxCustomGrid::finishDrag(const QPoint &pos) {
  const QPoint cell = MouseCoord(pos);
  if (drag_ == TDrag::ColMoving && cell.x() >= FixedCols())
    MoveColumn(dragIndex_, cell.x());
  else if (drag_ == TDrag::RowMoving && cell.y() >= FixedRows())
    MoveRow(dragIndex_, cell.y());
}

void TxCustomGrid::mouseReleaseEvent(QMouseEvent *e) {
  const QPoint pos = e->position().toPoint();
  const TDrag drag = std::exchange(drag_, TDrag::None);
  if (e->button() == Qt::LeftButton) {
    if (drag == TDrag::ColMoving || drag == TDrag::RowMoving)
      finishDrag(pos);
    else if (drag != TDrag::ColSizing && drag != TDrag::RowSizing && pressCell_.x() >= 0 &&
             MouseCoord(pos) == pressCell_)
      Click();
  }
  e->accept();
}

void TxCustomGrid::mouseDoubleClickEvent(QMouseEvent *e) {
  // The second press of a double click: it ends an open edit like every
  // press and then only reports the double click.
  CommitEditor();
  if (focusPolicy() & Qt::ClickFocus)
    setFocus(Qt::MouseFocusReason);
  nextPressIsNew_ = false;
  drag_ = TDrag::None;
  if (e->button() != Qt::LeftButton)
    return;
  // The first press made the cell current; a double click that comes alone
  // still lands on the cell under the pointer.
  const QPoint cell = MouseCoord(e->position().toPoint());
  if (IsScrollingCell(cell.x(), cell.y()) && (cell.x() != col_ || cell.y() != row_))
    moveCurrent(cell.x(), cell.y(), true, true);
  DblClick();
}

void TxCustomGrid::wheelEvent(QWheelEvent *e) {
  e->accept();
  if (WheelHandled(e))
    return;
  // One row per notch; touchpads send small steps that add up to one.
  wheelRemainder_ += e->angleDelta().y();
  while (wheelRemainder_ >= 120) {
    wheelRemainder_ -= 120;
    if (row_ > FixedRows())
      MoveBy(0, -1, false);
  }
  while (wheelRemainder_ <= -120) {
    wheelRemainder_ += 120;
    if (row_ < RowCount() - 1)
      MoveBy(0, 1, false);
  }
}

// ---- focus -----------------------------------------------------------------

void TxCustomGrid::focusInEvent(QFocusEvent *e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
  const bool fromEditor = std::exchange(focusFromEditor_, false);
  if (!fromEditor && !entered_) {
    entered_ = true;
    GridEntered();
  }
  UpdateEditor();
}

void TxCustomGrid::focusOutEvent(QFocusEvent *e) {
  QAbstractScrollArea::focusOutEvent(e);
  viewport()->update();
  const QWidget *to = QApplication::focusWidget();
  if ((to && to == editor_) || windowClosing())
    return;
  CommitEditor();
  if (!IsResumeReason(e->reason()))
    leaveGrid();
}

void TxCustomGrid::hideEvent(QHideEvent *e) {
  // A page switch hides the grid: the value typed into an open editor is
  // kept, not lost with the page.
  if (!windowClosing())
    CommitEditor();
  QAbstractScrollArea::hideEvent(e);
}

void TxCustomGrid::changeEvent(QEvent *e) {
  QAbstractScrollArea::changeEvent(e);
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::PaletteChange)
    viewport()->update();
}

} // namespace korvane
