// TxCustomGrid: painting. Everything is drawn with whole logical pixels and
// no antialiasing, so lines and fills land on whole device pixels at any
// device pixel ratio.
#include <QPaintEvent>
#include <QPainter>

#include "controls/ui/CustomGrid.h"
#include "controls/ui/InplaceEdit.h"

namespace korvane {

TGridDrawState TxCustomGrid::drawState(int col, int row) const {
  TGridDrawState state;
  if (col < FixedCols() || row < FixedRows())
    return state | gdFixed;
  if (Selection().Contains(col, row))
    state |= gdSelected;
  if (col == col_ && row == row_)
    state |= gdFocused;
  return state;
}

void TxCustomGrid::DrawCell(QPainter &, int, int, const QRect &, TGridDrawState) {}

void TxCustomGrid::paintCell(QPainter &p, int col, int row, const QRect &rect) {
  const TGridDrawState state = drawState(col, row);
  const bool fixed = state & gdFixed;

  // The cell's own right and bottom grid lines.
  const int lineW = col < FixedCols() ? cols_.FixedLine() : cols_.Line();
  const int lineH = row < FixedRows() ? rows_.FixedLine() : rows_.Line();
  const QColor lineColor = palette().color(fixed ? QPalette::Dark : QPalette::Mid);
  if (lineW > 0)
    p.fillRect(QRect(rect.right() + 1, rect.top(), lineW, rect.height() + lineH), lineColor);
  if (lineH > 0)
    p.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width(), lineH), lineColor);

  if (EditorOpen() && col == editCol_ && row == editRow_ && editor_ && editor_->isVisible())
    return;

  const bool active = GridHasFocus() && isEnabled();
  bool highlight = !fixed && (state & gdSelected) && (active || ShowsInactiveSelection());
  if (highlight && (state & gdFocused) && !(options_ & (xgoDrawFocusSelected | xgoRowSelect)))
    highlight = false;
  if (defaultDrawing_) {
    const QPalette &pal = palette();
    p.fillRect(rect, fixed       ? fixedColor_
                     : highlight ? pal.color(QPalette::Active, QPalette::Highlight)
                                 : color_);
    p.setPen(highlight ? pal.color(QPalette::Active, QPalette::HighlightedText) : fontColor_);
  }
  p.save();
  p.setClipRect(rect);
  DrawCell(p, col, row, rect, state);
  p.restore();
  if (defaultDrawing_ && (state & gdFocused) && active && !(options_ & xgoRowSelect) &&
      rect.width() > 2 && rect.height() > 2) {
    QPen pen(highlight ? palette().color(QPalette::Active, QPalette::HighlightedText) : fontColor_);
    pen.setCosmetic(true);
    pen.setWidth(0);
    pen.setStyle(Qt::DotLine);
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    p.restore();
  }
}

void TxCustomGrid::paintEvent(QPaintEvent *e) {
  QPainter p(viewport());
  p.setRenderHint(QPainter::Antialiasing, false);
  const int width = viewport()->width(), height = viewport()->height();
  const int lastCol = cols_.LastVisible(width);
  const int lastRow = rows_.LastVisible(height);
  const QRect dirty = e->rect();

  auto visible = [](const TGridAxis &axis, int last, auto &&fn) {
    for (int i = 0; i < axis.Fixed(); ++i)
      fn(i);
    for (int i = axis.First(); i <= last; ++i)
      fn(i);
  };
  visible(rows_, lastRow, [&](int row) {
    visible(cols_, lastCol, [&](int col) {
      const QRect rect(cols_.Start(col), rows_.Start(row), cols_.Size(col), rows_.Size(row));
      if (rect.adjusted(0, 0, 1, 1).intersects(dirty))
        paintCell(p, col, row, rect);
    });
  });

  // The room right of and below the cells.
  auto end = [](const TGridAxis &axis, int last) {
    if (last < axis.First())
      return axis.FixedExtent();
    return axis.Start(last) + axis.Size(last) + axis.Line();
  };
  const int right = end(cols_, lastCol);
  const int bottom = end(rows_, lastRow);
  if (right < width)
    p.fillRect(QRect(right, 0, width - right, height), color_);
  if (bottom < height)
    p.fillRect(QRect(0, bottom, std::min(right, width), height - bottom), color_);
}

} // namespace korvane
