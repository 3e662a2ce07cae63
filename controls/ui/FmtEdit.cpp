#include "controls/ui/FmtEdit.h"

namespace korvane {

TFmtEdit::TFmtEdit(QWidget *parent) : TxCustomEdit(parent) {
  SetAutoSelect(true);
  setReadOnly(false);
  setFocusPolicy(Qt::StrongFocus);
}

} // namespace korvane
