#pragma once
// The on-screen spiral fittings price list: one tab per group of fittings,
// each a read-only text of tab-separated lines. The form keeps references to
// the live price table and cost record and rebuilds its texts every time it
// is shown, so it always shows the prices as currently factored.
#include <QDialog>

#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"

class QPlainTextEdit;
class QTabWidget;

namespace korvane {

class TSpiralFittingsForm : public QDialog {
  Q_OBJECT
public:
  TSpiralFittingsForm(const TSpiralPriceTable &table, const TCostRec &costs,
                      QWidget *parent = nullptr);

  QTabWidget *Tabs() const { return tabs_; }
  // The text box of group 0 ("Elbows"), 1 ("Fittings") or 2.
  QPlainTextEdit *Memo(int group) const;

  // Refills every tab and puts the focus, caret at the start, in the active
  // one. Called on each showing; public for callers that keep it open.
  void Refill();

protected:
  void showEvent(QShowEvent *event) override;

private:
  const TSpiralPriceTable &table_;
  const TCostRec &costs_;
  QTabWidget *tabs_;
  std::vector<QPlainTextEdit *> memos_;
};

} // namespace korvane
