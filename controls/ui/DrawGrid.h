#pragma once
// The grid with its events published: every virtual point of TxCustomGrid
// that a form may want to hear about fires an assignable handler, the sender
// first. OnDoSetData and OnCanEditShow are the two the entry grid builds on.
#include <QPoint>
#include <functional>
#include <string>

#include "controls/ui/CustomGrid.h"

namespace korvane {

using TNotifyEvent = std::function<void(QObject *Sender)>;
using TDrawCellEvent = std::function<void(QObject *Sender, int ACol, int ARow, QPainter &Canvas,
                                          const QRect &Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(QObject *Sender, int ACol, int ARow, bool &CanSelect)>;
using TGetEditEvent = std::function<void(QObject *Sender, int ACol, int ARow, std::string &Value)>;
using TSetEditEvent =
    std::function<void(QObject *Sender, int ACol, int ARow, const std::string &Value)>;
using TMovedEvent = std::function<void(QObject *Sender, int FromIndex, int ToIndex)>;
// An in-place edit of (ACol, ARow) was committed; the cell holds the text.
using TGridDoSetDataEvent = std::function<void(QObject *Sender, int ACol, int ARow)>;
// The editor is about to open on (ACol, ARow); false keeps it closed.
using TCanEditShowEvent =
    std::function<void(QObject *Sender, int ACol, int ARow, bool &CanEditShow)>;
using TMouseWheelEvent = std::function<void(QObject *Sender, Qt::KeyboardModifiers Shift,
                                            int WheelDelta, QPoint MousePos, bool &Handled)>;

class TxDrawGrid : public TxCustomGrid {
  Q_OBJECT
public:
  explicit TxDrawGrid(QWidget *parent = nullptr);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnTopLeftChanged;
  TNotifyEvent OnColWidthsChanged;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TGridDoSetDataEvent OnDoSetData;
  TCanEditShowEvent OnCanEditShow;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TMouseWheelEvent OnMouseWheel;

protected:
  bool SelectCell(int col, int row) override;
  bool CanEditShow() override;
  std::string GetEditText(int col, int row) override;
  void SetEditText(int col, int row, const std::string &value) override;
  void DoSetData(int col, int row) override;
  void DrawCell(QPainter &painter, int col, int row, const QRect &rect,
                TGridDrawState state) override;
  void TopLeftChanged() override;
  void ColWidthsChanged() override;
  void ColumnMoved(int from, int to) override;
  void RowMoved(int from, int to) override;
  void Click() override;
  void DblClick() override;
  void GridEntered() override;
  void GridExited() override;
  bool WheelHandled(QWheelEvent *e) override;
};

} // namespace korvane
