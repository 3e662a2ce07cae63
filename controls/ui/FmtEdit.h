#pragma once
// The formatted numeric edit as forms place it: all behaviour is in
// TxCustomEdit; this class only fixes the published defaults.
#include "controls/ui/CustomEdit.h"

namespace korvane {

class TFmtEdit : public TxCustomEdit {
  Q_OBJECT
public:
  explicit TFmtEdit(QWidget *parent = nullptr);
};

} // namespace korvane
