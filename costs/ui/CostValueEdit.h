#pragma once
// A value field of the cost editor: a formatted numeric edit that shows a
// cost with all the digits it has (at least one decimal) instead of rounding
// it to the format's one decimal, so showing a cost record and storing it back
// never changes a value. Typing and Escape work as in any formatted edit.
#include "base/Variant.h"
#include "controls/ui/FmtEdit.h"

namespace korvane {

class TCostValueEdit : public TFmtEdit {
  Q_OBJECT
public:
  explicit TCostValueEdit(QWidget *parent = nullptr);

  // Shows a number as CostValueText writes it; anything else as the formatted
  // edit shows it. The modified flag stays as it was.
  void SetValue(const Variant &value);
  // Rewrites a modified text that reads as a number in the shown form.
  void CommitValue();

protected:
  void FocusLost(Qt::FocusReason reason) override;
  void keyPressEvent(QKeyEvent *e) override;
};

} // namespace korvane
