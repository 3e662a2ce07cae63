#include "costs/ui/CostValueEdit.h"

#include <QKeyEvent>

#include "costs/CostFields.h"

namespace korvane {

TCostValueEdit::TCostValueEdit(QWidget *parent) : TFmtEdit(parent) {
  // The format still decides which keys a float field accepts.
  SetFormatStr("%0.1f");
  SetFormatType(TFormatType::ft_Fixed);
  SetSigDigs(5);
}

void TCostValueEdit::SetValue(const Variant &value) {
  if (value.kind() != Variant::Kind::Double && value.kind() != Variant::Kind::Int) {
    TFmtEdit::SetValue(value);
    return;
  }
  const bool modified = isModified();
  setText(QString::fromStdString(CostValueText(value.toDouble())));
  setModified(modified);
}

void TCostValueEdit::CommitValue() {
  if (!isModified())
    return;
  const Variant value = GetValue();
  if (value.kind() != Variant::Kind::Double)
    return; // no number: left as typed for the dialog to report
  const QString shown = QString::fromStdString(CostValueText(value.asDouble()));
  if (shown != text())
    setText(shown);
  setModified(true);
}

void TCostValueEdit::FocusLost(Qt::FocusReason) {
  CommitValue();
}

void TCostValueEdit::keyPressEvent(QKeyEvent *e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    CommitValue();
    e->ignore();
    return;
  }
  TFmtEdit::keyPressEvent(e);
}

} // namespace korvane
