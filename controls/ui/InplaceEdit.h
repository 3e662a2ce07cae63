#pragma once
// The in-place editor of the grids: a formatted edit without frame or tab
// stop that lives over one cell. It keeps the caret keys while the caret has
// room to move and hands every other navigation key to its grid; its commit
// is run by the grid when the edit ends.
#include "controls/ui/CustomEdit.h"

namespace korvane {

class TxCustomGrid;

class TxInplaceEdit : public TxCustomEdit {
  Q_OBJECT
public:
  // A child of the grid's viewport.
  explicit TxInplaceEdit(TxCustomGrid *grid);
  TxCustomGrid *Grid() const { return grid_; }

protected:
  // Whether the edit keeps `e` (caret movement) or leaves it to the grid.
  virtual bool KeepsKey(const QKeyEvent *e) const;

  void keyPressEvent(QKeyEvent *e) override;
  void ReclaimFocus() override {}
  void FocusLost(Qt::FocusReason reason) override;
  bool ClaimsEscape() const override { return false; }

private:
  bool caretAtStart() const;
  bool caretAtEnd() const;
  TxCustomGrid *grid_;
};

} // namespace korvane
