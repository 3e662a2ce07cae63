#pragma once
// A spreadsheet-like grid of fixed and scrolling rows and columns, painted by
// itself: geometry, the current cell and the selection, scrolling, sizing by
// mouse and in-place editing with a formatted edit. It keeps no cell data;
// derived grids supply texts through the virtual points below.
//
// Implementation: CustomGrid.cpp (state, geometry, editing),
// CustomGridInput.cpp (keys, mouse, wheel, focus), CustomGridPaint.cpp.
#include <QAbstractScrollArea>
#include <QColor>
#include <QPointer>
#include <string>
#include <vector>

#include "controls/GridAxis.h"
#include "controls/ui/GridTypes.h"
#include "controls/ui/InplaceEdit.h"

class QPainter;

namespace korvane {

class TxCustomGrid : public QAbstractScrollArea {
  Q_OBJECT
public:
  explicit TxCustomGrid(QWidget *parent = nullptr);
  ~TxCustomGrid() override;

  // ---- size ----
  int ColCount() const { return cols_.Count(); }
  // 0 or less gives 1; a count not above the fixed count lowers the fixed
  // count to count - 1 first.
  void SetColCount(int count);
  int RowCount() const { return rows_.Count(); }
  void SetRowCount(int count);
  int FixedCols() const { return cols_.Fixed(); }
  // Raises EInvalidGridOperation when not below the column count.
  void SetFixedCols(int count);
  int FixedRows() const { return rows_.Fixed(); }
  void SetFixedRows(int count);
  int DefaultColWidth() const { return cols_.DefaultSize(); }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return rows_.DefaultSize(); }
  void SetDefaultRowHeight(int height);
  // Per index; an index outside the count raises "Grid index out of range".
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int height);
  // Whether the widths, heights or formats were set one by one, which is
  // when a form stores them ("ColWidths", "RowHeights", "ColFormatStr").
  bool ColWidthsStored() const { return cols_.SizesExplicit(); }
  bool RowHeightsStored() const { return rows_.SizesExplicit(); }
  bool ColFormatStrStored() const { return formatsExplicit_; }

  // The in-place editor's format per column; at most 12 characters.
  const std::string &DefaultColFormatStr() const { return defaultFormat_; }
  void SetDefaultColFormatStr(const std::string &format);
  const std::string &ColFormatStr(int col) const;
  void SetColFormatStr(int col, const std::string &format);

  // Inserting and removing: the cells of the others shift with them.
  void DeleteColumn(int col);
  void DeleteRow(int row);
  void MoveColumn(int from, int to);
  void MoveRow(int from, int to);

  // ---- look ----
  int GridLineWidth() const { return lineWidth_; }
  void SetGridLineWidth(int width);
  TxGridOptions Options() const { return options_; }
  void SetOptions(TxGridOptions options);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool on);
  QColor Color() const { return color_; }
  void SetColor(const QColor &color);
  QColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(const QColor &color);
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor &color);

  // ---- current cell, selection, scrolling ----
  int Col() const { return col_; }
  // Moves the current cell within its row (a no-op when already there).
  void SetCol(int col);
  int Row() const { return row_; }
  void SetRow(int row);
  // Makes (col, row) current when SelectCell allows it; `moveAnchor` false
  // extends the selection from its anchor (with xgoRangeSelect).
  void FocusCell(int col, int row, bool moveAnchor = true);
  TGridRect Selection() const;
  void SetSelection(const TGridRect &rect);
  int LeftCol() const { return cols_.First(); }
  void SetLeftCol(int col);
  int TopRow() const { return rows_.First(); }
  void SetTopRow(int row);
  int VisibleColCount() const;
  int VisibleRowCount() const;
  // In viewport coordinates, without the grid lines; empty when not visible.
  QRect CellRect(int col, int row) const;
  // The (column, row) under a viewport point, (-1, -1) outside any cell.
  QPoint MouseCoord(const QPoint &pos) const;

  // ---- in-place editing ----
  bool EditorMode() const { return editorMode_; }
  // On opens the editor on the current cell when allowed; off ends the edit.
  void SetEditorMode(bool on);
  void ShowEditor() { SetEditorMode(true); }
  void HideEditor() { SetEditorMode(false); }
  // The editor, once it was first needed (null before).
  TxInplaceEdit *InplaceEditor() const { return editor_; }
  bool EditorOpen() const { return editCol_ >= 0; }
  int EditorCol() const { return editCol_; }
  int EditorRow() const { return editRow_; }
  // The grid or its in-place editor holds the keyboard focus.
  bool GridHasFocus() const;
  // Ends the open edit, if any: validation, read-back, DoSetData, then
  // hidden. Whatever acts on the grid's values (a save, a copy, a solve)
  // calls it first, so it acts on what the user sees.
  void CommitEditor();

  void InvalidateCell(int col, int row);
  void InvalidateRow(int row);
  void InvalidateCol(int col);
  void InvalidateGrid();

protected:
  // ---- the points a derived grid takes over ----
  // Whether (col, row) may become current.
  virtual bool SelectCell(int col, int row);
  // Whether the editor may open on the current cell now.
  virtual bool CanEditShow();
  // The editor's text for a cell, and its changes written back.
  virtual std::string GetEditText(int col, int row);
  virtual void SetEditText(int col, int row, const std::string &value);
  // Creates the editor once; it must be a child of viewport().
  virtual TxInplaceEdit *CreateEditor();
  // Prepares the editor for (col, row): format, text, selection.
  virtual void SetupEditor(int col, int row);
  // Where the editor sits for (col, row), in viewport coordinates.
  virtual QRect EditorRect(int col, int row) const;
  // Copies the validated editor text into the cell when an edit ends.
  virtual void ReadBackEditor(int col, int row);
  // After an edit of (col, row) was committed.
  virtual void DoSetData(int col, int row);
  // Draws one cell; background and pen are prepared when DefaultDrawing.
  virtual void DrawCell(QPainter &painter, int col, int row, const QRect &rect,
                        TGridDrawState state);
  // Whether a selection stays highlighted while the grid is inactive.
  virtual bool ShowsInactiveSelection() const { return true; }
  virtual void TopLeftChanged() {}
  virtual void ColWidthsChanged() {}
  virtual void RowHeightsChanged() {}
  virtual void ColumnMoved(int, int) {}
  virtual void RowMoved(int, int) {}
  virtual void SizeChanged(int /*oldColCount*/, int /*oldRowCount*/) {}
  virtual void Click() {}
  virtual void DblClick() {}
  // The focus came to the grid from outside it (not from its own editor),
  // and left the grid and its editor.
  virtual void GridEntered() {}
  virtual void GridExited() {}

  // ---- helpers for derived grids ----
  // Hides the editor without reading it back (its cell is gone).
  void CancelEditor();
  // Opens, moves or closes the editor to match the current state.
  void UpdateEditor();
  // The next mouse press treats the pressed cell as a new cell, even the
  // current one: it is selected again and the editor stays closed.
  void TreatNextPressAsNewCell() { nextPressIsNew_ = true; }
  // Moves the editor over its cell again (after scrolling or sizing).
  void PlaceEditor();
  // Loads the editor again from (col, row) when it is open on that cell.
  void ReloadEditor(int col, int row);
  // Whether (col, row) is a scrolling (non-fixed) cell inside the grid.
  bool IsScrollingCell(int col, int row) const;
  // Moves the current cell by keyboard rules, clamped to the scrolling cells.
  void MoveBy(int dCol, int dRow, bool extend);

  // ---- Qt events ----
  void paintEvent(QPaintEvent *e) override;
  void resizeEvent(QResizeEvent *e) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent *e) override;
  void mousePressEvent(QMouseEvent *e) override;
  void mouseMoveEvent(QMouseEvent *e) override;
  void mouseReleaseEvent(QMouseEvent *e) override;
  void mouseDoubleClickEvent(QMouseEvent *e) override;
  void wheelEvent(QWheelEvent *e) override;
  void focusInEvent(QFocusEvent *e) override;
  void focusOutEvent(QFocusEvent *e) override;
  void hideEvent(QHideEvent *e) override;
  bool focusNextPrevChild(bool next) override;
  void changeEvent(QEvent *e) override;
  // A wheel turn the grid itself handles unless this returns true.
  virtual bool WheelHandled(QWheelEvent *) { return false; }

private:
  friend class TxInplaceEdit;
  enum class TDrag { None, Selecting, ColSizing, RowSizing, ColMoving, RowMoving };

  void checkIndex(int col, int row) const;
  void countsChanged(int oldCols, int oldRows);
  void updateLineWidths();
  void updateScrollBars();
  void setTopLeft(int leftCol, int topRow);
  void clampInView(int col, int row);
  void moveCurrent(int col, int row, bool moveAnchor, bool show);
  void restrictCurrent();
  void openEditor();
  void endEdit(bool commit);
  void editorTextChanged(const QString &text);
  // Called by the editor: it lost the focus to `to` (not the grid).
  void editorFocusLost(Qt::FocusReason reason);
  bool windowClosing() const;
  // A menu or another window took the focus for a while: an open edit ends,
  // but the grid is entered again only when the user moves to another control.
  static bool IsResumeReason(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
  }
  void editorFocusToGrid() { focusFromEditor_ = true; }
  void leaveGrid();

  // Input (CustomGridInput.cpp).
  bool startSizingOrMoving(const QPoint &pos);
  int borderAt(const TGridAxis &axis, int pos) const;
  void finishDrag(const QPoint &pos);
  void pressCell(const QPoint &cell, Qt::KeyboardModifiers mods);

  // Painting (CustomGridPaint.cpp).
  void paintCell(QPainter &p, int col, int row, const QRect &rect);
  void paintLines(QPainter &p, int lastCol, int lastRow);
  TGridDrawState drawState(int col, int row) const;

  TGridAxis cols_;
  TGridAxis rows_;
  std::vector<std::string> formats_;
  std::string defaultFormat_ = "%S";
  bool formatsExplicit_ = false;
  int lineWidth_ = 1;
  TxGridOptions options_;
  TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  bool defaultDrawing_ = true;
  QColor color_;
  QColor fixedColor_;
  QColor fontColor_;

  int col_ = 1;
  int row_ = 1;
  int anchorCol_ = 1;
  int anchorRow_ = 1;

  bool editorMode_ = false;
  QPointer<TxInplaceEdit> editor_;
  int editCol_ = -1;
  int editRow_ = -1;
  bool loadingEditor_ = false;
  bool ending_ = false;
  bool nextPressIsNew_ = false;
  bool focusFromEditor_ = false;
  bool entered_ = false;
  bool settingScroll_ = false;

  TDrag drag_ = TDrag::None;
  int dragIndex_ = -1;
  int dragOrigin_ = 0;
  int dragStartSize_ = 0;
  int wheelRemainder_ = 0;
  QPoint pressCell_{-1, -1};
};

} // namespace korvane
