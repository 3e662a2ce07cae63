#include "controls/ui/DrawGrid.h"

#include <QWheelEvent>

namespace korvane {

TxDrawGrid::TxDrawGrid(QWidget *parent) : TxCustomGrid(parent) {}

bool TxDrawGrid::SelectCell(int col, int row) {
  bool canSelect = TxCustomGrid::SelectCell(col, row);
  if (OnSelectCell)
    OnSelectCell(this, col, row, canSelect);
  return canSelect;
}

bool TxDrawGrid::CanEditShow() {
  if (!TxCustomGrid::CanEditShow())
    return false;
  bool canShow = true;
  if (OnCanEditShow)
    OnCanEditShow(this, Col(), Row(), canShow);
  return canShow;
}

std::string TxDrawGrid::GetEditText(int col, int row) {
  std::string value = TxCustomGrid::GetEditText(col, row);
  if (OnGetEditText)
    OnGetEditText(this, col, row, value);
  return value;
}

void TxDrawGrid::SetEditText(int col, int row, const std::string &value) {
  TxCustomGrid::SetEditText(col, row, value);
  if (OnSetEditText)
    OnSetEditText(this, col, row, value);
}

void TxDrawGrid::DoSetData(int col, int row) {
  if (OnDoSetData)
    OnDoSetData(this, col, row);
}

void TxDrawGrid::DrawCell(QPainter &painter, int col, int row, const QRect &rect,
                          TGridDrawState state) {
  if (OnDrawCell)
    OnDrawCell(this, col, row, painter, rect, state);
}

void TxDrawGrid::TopLeftChanged() {
  if (OnTopLeftChanged)
    OnTopLeftChanged(this);
}

void TxDrawGrid::ColWidthsChanged() {
  if (OnColWidthsChanged)
    OnColWidthsChanged(this);
}

void TxDrawGrid::ColumnMoved(int from, int to) {
  if (OnColumnMoved)
    OnColumnMoved(this, from, to);
}

void TxDrawGrid::RowMoved(int from, int to) {
  if (OnRowMoved)
    OnRowMoved(this, from, to);
}

void TxDrawGrid::Click() {
  if (OnClick)
    OnClick(this);
}

void TxDrawGrid::DblClick() {
  if (OnDblClick)
    OnDblClick(this);
}

void TxDrawGrid::GridEntered() {
  if (OnEnter)
    OnEnter(this);
}

void TxDrawGrid::GridExited() {
  if (OnExit)
    OnExit(this);
}

bool TxDrawGrid::WheelHandled(QWheelEvent *e) {
  bool handled = false;
  if (OnMouseWheel)
    OnMouseWheel(this, e->modifiers(), e->angleDelta().y(), e->position().toPoint(), handled);
  return handled;
}

} // namespace korvane
