#include "controls/ui/CustomGrid.h"

#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "controls/ui/InplaceEdit.h"
#include "controls/ui/InvalidGridOperation.h"

namespace korvane {

namespace {

template <class T> void MoveEntry(std::vector<T> &v, int from, int to) {
  auto f = v.begin() + from;
  auto t = v.begin() + to;
  if (from < to)
    std::rotate(f, f + 1, t + 1);
  else if (to < from)
    std::rotate(t, f, f + 1);
}

// Where an index ends up when the entry at `from` is moved to `to`.
int MovedIndex(int index, int from, int to) {
  if (index == from)
    return to;
  if (from < to && index > from && index <= to)
    return index - 1;
  if (to < from && index >= to && index < from)
    return index + 1;
  return index;
}

std::string CutFormat(const std::string &format) {
  return format.substr(0, static_cast<size_t>(kMaxColFormatLen));
}

} // namespace

TxCustomGrid::TxCustomGrid(QWidget *parent) : QAbstractScrollArea(parent) {
  const QPalette pal = palette();
  color_ = pal.color(QPalette::Base);
  fixedColor_ = pal.color(QPalette::Button);
  fontColor_ = pal.color(QPalette::Text);
  options_ =
      xgoFixedVertLine | xgoFixedHorzLine | xgoVertLine | xgoHorzLine | xgoRangeSelect | xgoEditing;
  cols_.SetDefaultSize(64);
  rows_.SetDefaultSize(16);
  cols_.SetCount(5);
  rows_.SetCount(5);
  cols_.SetFixed(1);
  rows_.SetFixed(1);
  cols_.SetFirst(1);
  rows_.SetFirst(1);
  formats_.assign(5, defaultFormat_);
  updateLineWidths();
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(false);
  SetBorderStyle(borderStyle_);
  SetScrollBars(scrollBars_);
  horizontalScrollBar()->setTracking(false);
  verticalScrollBar()->setTracking(false);
}

TxCustomGrid::~TxCustomGrid() = default;

// ---- size ------------------------------------------------------------------

void TxCustomGrid::checkIndex(int col, int row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
    throw EInvalidGridOperation(GridMsg::IndexOutOfRange);
}

void TxCustomGrid::SetColCount(int count) {
  count = std::max(count, 1);
  if (count == ColCount())
    return;
  const int oldCols = ColCount(), oldRows = RowCount();
  if (count <= FixedCols())
    cols_.SetFixed(count - 1);
  cols_.SetCount(count);
  formats_.resize(static_cast<size_t>(count), defaultFormat_);
  countsChanged(oldCols, oldRows);
}

void TxCustomGrid::SetRowCount(int count) {
  count = std::max(count, 1);
  if (count == RowCount())
    return;
  const int oldCols = ColCount(), oldRows = RowCount();
  if (count <= FixedRows())
    rows_.SetFixed(count - 1);
  rows_.SetCount(count);
  countsChanged(oldCols, oldRows);
}

void TxCustomGrid::countsChanged(int oldCols, int oldRows) {
  if (EditorOpen() && (editCol_ >= ColCount() || editRow_ >= RowCount()))
    CancelEditor();
  restrictCurrent();
  SizeChanged(oldCols, oldRows);
  updateScrollBars();
  setTopLeft(LeftCol(), TopRow());
  PlaceEditor();
  viewport()->update();
}

void TxCustomGrid::SetFixedCols(int count) {
  if (count < 0)
    throw EInvalidGridOperation(GridMsg::IndexOutOfRange);
  if (count >= ColCount())
    throw EInvalidGridOperation(GridMsg::FixedColTooBig);
  if (EditorOpen() && editCol_ < count)
    CommitEditor();
  cols_.SetFixed(count);
  restrictCurrent();
  updateScrollBars();
  setTopLeft(LeftCol(), TopRow());
  viewport()->update();
}

void TxCustomGrid::SetFixedRows(int count) {
  if (count < 0)
    throw EInvalidGridOperation(GridMsg::IndexOutOfRange);
  if (count >= RowCount())
    throw EInvalidGridOperation(GridMsg::FixedRowTooBig);
  if (EditorOpen() && editRow_ < count)
    CommitEditor();
  rows_.SetFixed(count);
  restrictCurrent();
  updateScrollBars();
  setTopLeft(LeftCol(), TopRow());
  viewport()->update();
}

void TxCustomGrid::restrictCurrent() {
  col_ = std::clamp(col_, FixedCols(), ColCount() - 1);
  row_ = std::clamp(row_, FixedRows(), RowCount() - 1);
  anchorCol_ = std::clamp(anchorCol_, FixedCols(), ColCount() - 1);
  anchorRow_ = std::clamp(anchorRow_, FixedRows(), RowCount() - 1);
}

void TxCustomGrid::SetDefaultColWidth(int width) {
  cols_.SetDefaultSize(width);
  updateScrollBars();
  PlaceEditor();
  viewport()->update();
  ColWidthsChanged();
}

void TxCustomGrid::SetDefaultRowHeight(int height) {
  rows_.SetDefaultSize(height);
  updateScrollBars();
  PlaceEditor();
  viewport()->update();
  RowHeightsChanged();
}

int TxCustomGrid::ColWidths(int col) const {
  checkIndex(col, 0);
  return cols_.Size(col);
}

void TxCustomGrid::SetColWidths(int col, int width) {
  checkIndex(col, 0);
  const bool changed = cols_.Size(col) != std::max(width, 0);
  cols_.SetSize(col, width);
  if (!changed)
    return;
  updateScrollBars();
  PlaceEditor();
  viewport()->update();
  ColWidthsChanged();
}

int TxCustomGrid::RowHeights(int row) const {
  checkIndex(0, row);
  return rows_.Size(row);
}

void TxCustomGrid::SetRowHeights(int row, int height) {
  checkIndex(0, row);
  const bool changed = rows_.Size(row) != std::max(height, 0);
  rows_.SetSize(row, height);
  if (!changed)
    return;
  updateScrollBars();
  PlaceEditor();
  viewport()->update();
  RowHeightsChanged();
}

void TxCustomGrid::SetDefaultColFormatStr(const std::string &format) {
  defaultFormat_ = CutFormat(format);
  formats_.assign(static_cast<size_t>(ColCount()), defaultFormat_);
  formatsExplicit_ = false;
}

const std::string &TxCustomGrid::ColFormatStr(int col) const {
  checkIndex(col, 0);
  return formats_[static_cast<size_t>(col)];
}

void TxCustomGrid::SetColFormatStr(int col, const std::string &format) {
  checkIndex(col, 0);
  formats_[static_cast<size_t>(col)] = CutFormat(format);
  formatsExplicit_ = true;
}

void TxCustomGrid::DeleteColumn(int col) {
  checkIndex(col, 0);
  if (ColCount() - 1 <= FixedCols())
    throw EInvalidGridOperation(GridMsg::TooManyDeleted);
  MoveColumn(col, ColCount() - 1);
  SetColCount(ColCount() - 1);
}

void TxCustomGrid::DeleteRow(int row) {
  checkIndex(0, row);
  if (RowCount() - 1 <= FixedRows())
    throw EInvalidGridOperation(GridMsg::TooManyDeleted);
  MoveRow(row, RowCount() - 1);
  SetRowCount(RowCount() - 1);
}

void TxCustomGrid::MoveColumn(int from, int to) {
  checkIndex(from, 0);
  checkIndex(to, 0);
  if (from == to)
    return;
  CommitEditor();
  cols_.Move(from, to);
  MoveEntry(formats_, from, to);
  col_ = MovedIndex(col_, from, to);
  anchorCol_ = MovedIndex(anchorCol_, from, to);
  restrictCurrent();
  ColumnMoved(from, to);
  viewport()->update();
}

void TxCustomGrid::MoveRow(int from, int to) {
  checkIndex(0, from);
  checkIndex(0, to);
  if (from == to)
    return;
  CommitEditor();
  rows_.Move(from, to);
  row_ = MovedIndex(row_, from, to);
  anchorRow_ = MovedIndex(anchorRow_, from, to);
  restrictCurrent();
  RowMoved(from, to);
  viewport()->update();
}

// ---- look ------------------------------------------------------------------

void TxCustomGrid::updateLineWidths() {
  cols_.SetLineWidths(options_ & xgoFixedVertLine ? lineWidth_ : 0,
                      options_ & xgoVertLine ? lineWidth_ : 0);
  rows_.SetLineWidths(options_ & xgoFixedHorzLine ? lineWidth_ : 0,
                      options_ & xgoHorzLine ? lineWidth_ : 0);
}

void TxCustomGrid::SetGridLineWidth(int width) {
  lineWidth_ = std::max(width, 0);
  updateLineWidths();
  updateScrollBars();
  PlaceEditor();
  viewport()->update();
}

void TxCustomGrid::SetOptions(TxGridOptions options) {
  options_ = options;
  updateLineWidths();
  if ((options_ & xgoRowSelect) || !(options_ & xgoEditing)) {
    CommitEditor();
    editorMode_ = false;
  }
  if (options_ & xgoAlwaysShowEditor)
    editorMode_ = options_.testFlag(xgoEditing) && !options_.testFlag(xgoRowSelect);
  const bool tracking = options_ & xgoThumbTracking;
  horizontalScrollBar()->setTracking(tracking);
  verticalScrollBar()->setTracking(tracking);
  updateScrollBars();
  PlaceEditor();
  viewport()->update();
  UpdateEditor();
}

void TxCustomGrid::SetScrollBars(TScrollStyle style) {
  scrollBars_ = style;
  const bool h = style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
  const bool v = style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
  setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  updateScrollBars();
}

void TxCustomGrid::SetBorderStyle(TBorderStyle style) {
  borderStyle_ = style;
  if (style == TBorderStyle::bsNone) {
    setFrameStyle(QFrame::NoFrame);
  } else {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
  }
}

void TxCustomGrid::SetDefaultDrawing(bool on) {
  defaultDrawing_ = on;
  viewport()->update();
}

void TxCustomGrid::SetColor(const QColor &color) {
  color_ = color;
  viewport()->update();
}

void TxCustomGrid::SetFixedColor(const QColor &color) {
  fixedColor_ = color;
  viewport()->update();
}

void TxCustomGrid::SetFontColor(const QColor &color) {
  fontColor_ = color;
  viewport()->update();
}

// ---- current cell, selection, scrolling -----------------------------------

bool TxCustomGrid::IsScrollingCell(int col, int row) const {
  return col >= FixedCols() && row >= FixedRows() && col < ColCount() && row < RowCount();
}

void TxCustomGrid::SetCol(int col) {
  if (col != col_)
    moveCurrent(col, row_, true, true);
}

void TxCustomGrid::SetRow(int row) {
  if (row != row_)
    moveCurrent(col_, row, true, true);
}

void TxCustomGrid::FocusCell(int col, int row, bool moveAnchor) {
  moveCurrent(col, row, moveAnchor, true);
}

void TxCustomGrid::moveCurrent(int col, int row, bool moveAnchor, bool show) {
  // Fixed cells are headers, never the current cell.
  if (!IsScrollingCell(col, row))
    throw EInvalidGridOperation(GridMsg::IndexOutOfRange);
  if (!SelectCell(col, row))
    return;
  col_ = col;
  row_ = row;
  if (moveAnchor || !(options_ & xgoRangeSelect)) {
    anchorCol_ = col;
    anchorRow_ = row;
  }
  if (!(options_ & xgoAlwaysShowEditor))
    editorMode_ = false;
  if (show)
    clampInView(col, row);
  viewport()->update();
  // The edit of the cell we left ends now that the new cell is current, so
  // its commit notification sees where the user went.
  if (EditorOpen() && !editorMode_)
    endEdit(true);
  UpdateEditor();
}

TGridRect TxCustomGrid::Selection() const {
  TGridRect r{std::min(col_, anchorCol_), std::min(row_, anchorRow_), std::max(col_, anchorCol_),
              std::max(row_, anchorRow_)};
  if (options_ & xgoRowSelect) {
    r.Left = FixedCols();
    r.Right = ColCount() - 1;
  }
  return r;
}

void TxCustomGrid::SetSelection(const TGridRect &rect) {
  checkIndex(rect.Left, rect.Top);
  checkIndex(rect.Right, rect.Bottom);
  anchorCol_ = rect.Left;
  anchorRow_ = rect.Top;
  col_ = rect.Right;
  row_ = rect.Bottom;
  restrictCurrent();
  viewport()->update();
}

void TxCustomGrid::SetLeftCol(int col) {
  setTopLeft(col, TopRow());
}

void TxCustomGrid::SetTopRow(int row) {
  setTopLeft(LeftCol(), row);
}

void TxCustomGrid::setTopLeft(int leftCol, int topRow) {
  const int oldLeft = LeftCol(), oldTop = TopRow();
  cols_.SetFirst(std::min(leftCol, cols_.MaxFirst(viewport()->width())));
  rows_.SetFirst(std::min(topRow, rows_.MaxFirst(viewport()->height())));
  if (LeftCol() == oldLeft && TopRow() == oldTop)
    return;
  updateScrollBars();
  viewport()->update();
  PlaceEditor();
  TopLeftChanged();
}

void TxCustomGrid::clampInView(int col, int row) {
  setTopLeft(cols_.FirstToShow(col, viewport()->width()),
             rows_.FirstToShow(row, viewport()->height()));
}

void TxCustomGrid::updateScrollBars() {
  settingScroll_ = true;
  const int maxLeft = cols_.MaxFirst(viewport()->width());
  const int maxTop = rows_.MaxFirst(viewport()->height());
  QScrollBar *h = horizontalScrollBar();
  h->setRange(0, std::max(0, maxLeft - FixedCols()));
  h->setPageStep(std::max(1, VisibleColCount()));
  h->setValue(LeftCol() - FixedCols());
  QScrollBar *v = verticalScrollBar();
  v->setRange(0, std::max(0, maxTop - FixedRows()));
  v->setPageStep(std::max(1, VisibleRowCount()));
  v->setValue(TopRow() - FixedRows());
  settingScroll_ = false;
}

void TxCustomGrid::scrollContentsBy(int, int) {
  if (settingScroll_)
    return;
  setTopLeft(FixedCols() + horizontalScrollBar()->value(),
             FixedRows() + verticalScrollBar()->value());
}

void TxCustomGrid::resizeEvent(QResizeEvent *e) {
  QAbstractScrollArea::resizeEvent(e);
  updateScrollBars();
  setTopLeft(LeftCol(), TopRow());
  PlaceEditor();
}

int TxCustomGrid::VisibleColCount() const {
  return cols_.FullyVisibleCount(viewport()->width());
}

int TxCustomGrid::VisibleRowCount() const {
  return rows_.FullyVisibleCount(viewport()->height());
}

QRect TxCustomGrid::CellRect(int col, int row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
    return {};
  const int x = cols_.Start(col), y = rows_.Start(row);
  if (x < 0 || y < 0 || x >= viewport()->width() || y >= viewport()->height())
    return {};
  return {x, y, cols_.Size(col), rows_.Size(row)};
}

QPoint TxCustomGrid::MouseCoord(const QPoint &pos) const {
  if (!viewport()->rect().contains(pos))
    return {-1, -1};
  const int col = cols_.IndexAt(pos.x()), row = rows_.IndexAt(pos.y());
  if (col < 0 || row < 0)
    return {-1, -1};
  return {col, row};
}

void TxCustomGrid::InvalidateCell(int col, int row) {
  const QRect r = CellRect(col, row);
  if (!r.isEmpty())
    viewport()->update(r.adjusted(-1, -1, 1, 1));
}

void TxCustomGrid::InvalidateRow(int row) {
  const int y = rows_.Start(row);
  if (y >= 0)
    viewport()->update(0, y - 1, viewport()->width(), rows_.Size(row) + 2);
}

void TxCustomGrid::InvalidateCol(int col) {
  const int x = cols_.Start(col);
  if (x >= 0)
    viewport()->update(x - 1, 0, cols_.Size(col) + 2, viewport()->height());
}

void TxCustomGrid::InvalidateGrid() {
  viewport()->update();
}

// ---- in-place editing ------------------------------------------------------

bool TxCustomGrid::GridHasFocus() const {
  return hasFocus() || (editor_ && editor_->hasFocus());
}

bool TxCustomGrid::SelectCell(int, int) {
  return true;
}

bool TxCustomGrid::CanEditShow() {
  if (!(options_ & xgoEditing) || (options_ & xgoRowSelect) || !editorMode_ || !isEnabled())
    return false;
  if (!IsScrollingCell(col_, row_))
    return false;
  return (options_ & xgoAlwaysShowEditor) || GridHasFocus();
}

std::string TxCustomGrid::GetEditText(int, int) {
  return {};
}

void TxCustomGrid::SetEditText(int, int, const std::string &) {}

TxInplaceEdit *TxCustomGrid::CreateEditor() {
  return new TxInplaceEdit(this);
}

void TxCustomGrid::SetupEditor(int col, int row) {
  QPalette pal = editor_->palette();
  pal.setColor(QPalette::Base, color_);
  pal.setColor(QPalette::Text, fontColor_);
  editor_->setPalette(pal);
  editor_->SetFormatStr(ColFormatStr(col));
  editor_->setText(QString::fromStdString(GetEditText(col, row)));
  editor_->setModified(false);
  editor_->selectAll();
}

QRect TxCustomGrid::EditorRect(int col, int row) const {
  return CellRect(col, row);
}

void TxCustomGrid::ReadBackEditor(int col, int row) {
  SetEditText(col, row, editor_->text().toStdString());
}

void TxCustomGrid::DoSetData(int, int) {}

void TxCustomGrid::SetEditorMode(bool on) {
  if (on) {
    if (!(options_ & xgoEditing) || (options_ & xgoRowSelect))
      return;
    editorMode_ = true;
    UpdateEditor();
  } else {
    editorMode_ = false;
    endEdit(true);
  }
}

void TxCustomGrid::UpdateEditor() {
  if (ending_ || !CanEditShow())
    return;
  if (EditorOpen() && (editCol_ != col_ || editRow_ != row_)) {
    endEdit(true);
    if (!CanEditShow())
      return;
  }
  if (EditorOpen())
    PlaceEditor();
  else
    openEditor();
}

void TxCustomGrid::openEditor() {
  if (!editor_) {
    editor_ = CreateEditor();
    connect(editor_, &QLineEdit::textChanged, this,
            [this](const QString &text) { editorTextChanged(text); });
  }
  editCol_ = col_;
  editRow_ = row_;
  loadingEditor_ = true;
  SetupEditor(col_, row_);
  loadingEditor_ = false;
  PlaceEditor();
  editor_->show();
  editor_->raise();
  if (hasFocus())
    editor_->setFocus(Qt::OtherFocusReason);
  InvalidateCell(col_, row_);
}

void TxCustomGrid::PlaceEditor() {
  if (!EditorOpen() || !editor_)
    return;
  const QRect r = EditorRect(editCol_, editRow_);
  // Scrolled out of view: shrink to nothing but keep the focus and the text.
  editor_->setGeometry(r.isEmpty() ? QRect(0, 0, 0, 0) : r);
}

void TxCustomGrid::ReloadEditor(int col, int row) {
  if (!EditorOpen() || loadingEditor_ || col != editCol_ || row != editRow_)
    return;
  loadingEditor_ = true;
  editor_->setText(QString::fromStdString(GetEditText(col, row)));
  // The program's value replaces whatever was typed; the next key replaces it.
  editor_->selectAll();
  loadingEditor_ = false;
}

void TxCustomGrid::editorTextChanged(const QString &text) {
  if (loadingEditor_ || !EditorOpen())
    return;
  SetEditText(editCol_, editRow_, text.toStdString());
}

void TxCustomGrid::CommitEditor() {
  if (!(options_ & xgoAlwaysShowEditor))
    editorMode_ = false;
  endEdit(true);
}

void TxCustomGrid::CancelEditor() {
  endEdit(false);
}

void TxCustomGrid::endEdit(bool commit) {
  if (!EditorOpen() || ending_)
    return;
  ending_ = true;
  const int col = editCol_, row = editRow_;
  if (commit && editor_) {
    editor_->Commit();
    ReadBackEditor(col, row);
    DoSetData(col, row);
  }
  if (editor_) {
    // The window's focus stays in the grid, even while another window is
    // active, so coming back finds the grid and not a hidden editor.
    if (editor_->hasFocus() || window()->focusWidget() == editor_)
      setFocus(Qt::OtherFocusReason);
    editor_->hide();
  }
  editCol_ = -1;
  editRow_ = -1;
  ending_ = false;
  InvalidateCell(col, row);
}

bool TxCustomGrid::windowClosing() const {
  // A window being closed or destroyed is hidden before its widgets lose the
  // focus; a window that keeps its values commits them itself when it
  // closes, and one being destroyed has no one left to tell.
  return window()->isHidden();
}

void TxCustomGrid::editorFocusLost(Qt::FocusReason reason) {
  if (windowClosing())
    return;
  CommitEditor();
  if (!IsResumeReason(reason))
    leaveGrid();
}

void TxCustomGrid::leaveGrid() {
  if (!entered_)
    return;
  entered_ = false;
  GridExited();
}

} // namespace korvane
