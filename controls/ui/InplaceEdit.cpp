#include "controls/ui/InplaceEdit.h"

#include <QApplication>
#include <QKeyEvent>

#include "controls/ui/CustomGrid.h"

namespace korvane {

TxInplaceEdit::TxInplaceEdit(TxCustomGrid *grid) : TxCustomEdit(grid->viewport()), grid_(grid) {
  setFrame(false);
  setFocusPolicy(Qt::ClickFocus);
  // Text 2 pixels in from the left, top and right edges, where the grid
  // writes the cell text, so opening the editor does not shift it.
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextMargins(0, 1, 0, 0);
  hide();
}

bool TxInplaceEdit::caretAtStart() const {
  if (hasSelectedText())
    return selectedText().size() == text().size();
  return cursorPosition() == 0;
}

bool TxInplaceEdit::caretAtEnd() const {
  if (hasSelectedText())
    return selectedText().size() == text().size();
  return cursorPosition() == text().size();
}

bool TxInplaceEdit::KeepsKey(const QKeyEvent *e) const {
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  switch (e->key()) {
  case Qt::Key_Up:
  case Qt::Key_Down:
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
  case Qt::Key_Escape:
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return false;
  case Qt::Key_Insert:
    return e->modifiers() != Qt::NoModifier;
  case Qt::Key_Left:
  case Qt::Key_Home:
    return !ctrl && !caretAtStart();
  case Qt::Key_Right:
  case Qt::Key_End:
    return !ctrl && !caretAtEnd();
  default:
    return true;
  }
}

void TxInplaceEdit::keyPressEvent(QKeyEvent *e) {
  if (!KeepsKey(e)) {
    // Ignored keys travel up to the grid, which owns navigation.
    e->ignore();
    return;
  }
  TxCustomEdit::keyPressEvent(e);
}

void TxInplaceEdit::FocusLost(Qt::FocusReason reason) {
  // Focus going to the grid itself is the grid's own doing (a mouse press or
  // a closing edit); anywhere else ends the edit, even when the page holding
  // the grid was hidden first (a page switch) or the window lost the
  // activation (a menu, a dialog, another program).
  if (QApplication::focusWidget() == grid_)
    grid_->editorFocusToGrid();
  else
    grid_->editorFocusLost(reason);
}

} // namespace korvane
