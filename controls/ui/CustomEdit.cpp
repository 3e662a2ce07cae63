#include "controls/ui/CustomEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/Format.h"
#include "base/NumberText.h"
#include "controls/ui/SystemBeep.h"

namespace korvane {

namespace {

// The part of a pair format before its first '/', for a single number.
std::string FirstOfPair(const std::string &format) {
  return format.substr(0, format.find('/'));
}

bool IsEditCommand(const QKeyEvent *e) {
  return e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Paste) ||
         e->matches(QKeySequence::Cut) || e->matches(QKeySequence::SelectAll) ||
         e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo);
}

} // namespace

TxCustomEdit::TxCustomEdit(QWidget *parent) : QLineEdit(parent) {
  setText(QStringLiteral("0.0"));
}

void TxCustomEdit::SetFormatStr(const std::string &format) {
  formatStr_ = format;
  decimals_ = FormatDecimals(formatStr_);
  if (formatStr_ == "%S" && text() == QLatin1String("0.0"))
    setText(QString());
}

// ---- units ---------------------------------------------------------------

void TxCustomEdit::SetUnitsType(TUnitsType type) {
  unitsType_ = type;
  factor_ = 1.0;
  offset_ = 0.0;
  if (type != TUnitsType::utNone) {
    unitsBase_ = std::clamp(unitsBase_, 0, LastUnitIndex(type));
    unitsValue_ = std::clamp(unitsValue_, 0, LastUnitIndex(type));
  }
  applyUnits();
}

void TxCustomEdit::SetUnitsBase(int index) {
  unitsBase_ =
      unitsType_ == TUnitsType::utNone ? index : std::clamp(index, 0, LastUnitIndex(unitsType_));
  applyUnits();
}

void TxCustomEdit::SetUnitsValue(int index) {
  unitsValue_ =
      unitsType_ == TUnitsType::utNone ? index : std::clamp(index, 0, LastUnitIndex(unitsType_));
  applyUnits();
}

void TxCustomEdit::SetUnitsLabel(QLabel *label) {
  if (IsStrFormat(formatStr_))
    formatStr_ = "%0.1f";
  unitsLabel_ = label;
  if (label)
    applyUnits();
}

void TxCustomEdit::applyUnits() {
  const bool none = unitsType_ == TUnitsType::utNone;
  const bool convert = !(none && (IsStrFormat(formatStr_) || IsIntFormat(formatStr_)));
  Variant value;
  if (convert)
    value = GetValue();
  const TUnitInfo info = UnitInfo(unitsType_, unitsBase_, unitsValue_);
  if (!none && formatType_ != TFormatType::ft_Manual && !info.defaultFormat.empty())
    formatStr_ = info.defaultFormat;
  if (!none && info.factor != 0.0) {
    factor_ = info.factor;
    offset_ = info.offset;
  }
  decimals_ = FormatDecimals(formatStr_);
  if (unitsLabel_)
    unitsLabel_->setText(none ? QString() : QString::fromStdString(info.name));
  if (convert)
    SetValue(value);
}

// ---- value ---------------------------------------------------------------

Variant TxCustomEdit::GetValue() const {
  const std::string s = text().toStdString();
  try {
    if (IsStrFormat(formatStr_))
      return Variant(Format(formatStr_, {Variant(s)}));
    const std::string clean = CleanNumText(s);
    if (IsPairFormat(formatStr_)) {
      double a = 0.0, b = 0.0;
      if (SplitPair(clean, a, b))
        return Variant(Format(formatStr_, {Variant(toStored(a)), Variant(toStored(b))}));
      return Variant(Format("%0.4g", {Variant(a)}));
    }
    double x = 0.0;
    if (!ReadNumber(clean, x))
      return Variant(s);
    x = toStored(x);
    if (IsIntFormat(formatStr_))
      return Variant(Variant(x).toInt());
    return Variant(x);
  } catch (const std::exception &) {
    return Variant(s);
  }
}

void TxCustomEdit::SetValue(const Variant &value) {
  const bool modified = isModified();
  std::string out;
  try {
    if (IsStrFormat(formatStr_)) {
      out = Format(formatStr_, {Variant(value.toText())});
    } else if (IsPairFormat(formatStr_)) {
      double a = 0.0, b = 0.0;
      SplitPair(value.toText(), a, b);
      out = Format(formatStr_, {Variant(toShown(a)), Variant(toShown(b))});
    } else {
      const double x = toShown(value.toDouble());
      if (IsIntFormat(formatStr_))
        out = Format(formatStr_, {Variant(Variant(x).toInt())});
      else if (IsFloatFormat(formatStr_))
        out = FormatNumber(x, formatStr_, formatType_, sigDigs_, decimals_);
      else
        return;
    }
  } catch (const std::exception &) {
    out.clear();
  }
  setText(QString::fromStdString(out));
  setModified(modified);
}

// ---- committing ----------------------------------------------------------

bool TxCustomEdit::RangeCheck(double &x) const {
  const double lo = toShown(rangeLo_);
  const double hi = toShown(rangeHi_);
  if (std::fabs(lo - hi) < 1e-5 || (lo == 0.0 && hi == 0.0))
    return true;
  if (x < lo && !(lo != 0.0 && std::fabs((lo - x) / lo) <= 0.005)) {
    x = lo;
    return false;
  }
  if (x > hi && !(hi != 0.0 && std::fabs((x - hi) / hi) <= 0.005)) {
    x = hi;
    return false;
  }
  return true;
}

bool TxCustomEdit::ApplyText() {
  const std::string s = text().toStdString();
  std::string out;
  bool passed = true;
  try {
    if (IsStrFormat(formatStr_)) {
      out = Format(formatStr_, {Variant(s)});
    } else {
      const std::string clean = CleanNumText(s);
      if (IsPairFormat(formatStr_)) {
        double a = 0.0, b = 0.0;
        if (SplitPair(clean, a, b)) {
          const bool passA = RangeCheck(a);
          const bool passB = RangeCheck(b);
          passed = passA && passB;
          out = Format(formatStr_, {Variant(a), Variant(b)});
        } else {
          passed = RangeCheck(a);
          out = Format(FirstOfPair(formatStr_), {Variant(a)});
        }
      } else {
        double x = 0.0;
        if (!ReadNumber(clean, x))
          return true;
        passed = RangeCheck(x);
        if (IsIntFormat(formatStr_))
          out = Format(formatStr_, {Variant(Variant(x).toInt())});
        else
          out = FormatNumber(x, formatStr_, formatType_, sigDigs_, decimals_);
      }
    }
  } catch (const std::exception &) {
    // A text no format can write stays as typed, like one that is no number.
    return true;
  }
  if (out != s)
    setText(QString::fromStdString(out));
  setModified(true);
  return passed;
}

bool TxCustomEdit::Commit() {
  if (!isModified() || ApplyText())
    return true;
  setModified(true);
  SystemBeep();
  ReclaimFocus();
  return false;
}

void TxCustomEdit::ReclaimFocus() {
  if (hasFocus())
    return;
  // Taking the focus back inside the focus change that took it away would
  // nest two focus changes; the next turn of the event loop does it cleanly.
  QTimer::singleShot(0, this, [this] {
    if (!isVisible() || !isEnabled())
      return;
    reclaiming_ = true;
    setFocus(Qt::OtherFocusReason);
    reclaiming_ = false;
  });
}

void TxCustomEdit::FocusLost(Qt::FocusReason) {
  Commit();
}

// ---- keys ----------------------------------------------------------------

bool TxCustomEdit::IsValidChar(QChar ch) const {
  const bool digit = ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
  if (IsPairFormat(formatStr_))
    return digit || ch == QLatin1Char('-') || ch == QLatin1Char('.') || ch == QLatin1Char('/');
  if (IsIntFormat(formatStr_))
    return digit || ch == QLatin1Char('-');
  if (IsFloatFormat(formatStr_)) {
    if (digit || ch == QLatin1Char('-') || ch == QLatin1Char('.'))
      return true;
    return IsExpFormat(formatStr_) && (ch == QLatin1Char('e') || ch == QLatin1Char('E'));
  }
  return true;
}

bool TxCustomEdit::event(QEvent *e) {
  if (e->type() == QEvent::ShortcutOverride) {
    auto *k = static_cast<QKeyEvent *>(e);
    if (k->key() == Qt::Key_Escape && isModified() && ClaimsEscape()) {
      e->accept();
      return true;
    }
  }
  return QLineEdit::event(e);
}

void TxCustomEdit::keyPressEvent(QKeyEvent *e) {
  const int key = e->key();
  if (key == Qt::Key_Escape) {
    if (isModified() && ClaimsEscape()) {
      setText(entryText_);
      setModified(false);
      e->accept();
    } else {
      e->ignore();
    }
    return;
  }
  if (IsEditCommand(e)) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // A clamped value keeps the key, so a dialog's default button does not
    // close over a value the user has not seen yet.
    if (Commit()) {
      // What QLineEdit itself reports for Return, now about the clean text.
      emit returnPressed();
      emit editingFinished();
      e->ignore();
    } else {
      e->accept();
    }
    return;
  }
  const bool locked = isReadOnly() || !CanModify();
  if (key == Qt::Key_Backspace) {
    if (!locked)
      backspaceKey();
    e->accept();
    return;
  }
  const QString typed = e->text();
  const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                         !(e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (!printable) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  if (!locked)
    for (QChar ch : typed)
      typeChar(ch);
  e->accept();
}

void TxCustomEdit::backspaceKey() {
  // Backspace removes the one character before the selection's start and
  // leaves a selection itself alone; at the start it removes nothing.
  const int pos = hasSelectedText() ? selectionStart() : cursorPosition();
  if (pos > 0) {
    deselect();
    setCursorPosition(pos);
    backspace();
  }
  setModified(true);
}

void TxCustomEdit::typeChar(QChar ch) {
  if (selectedText().size() > 1)
    del();
  setModified(true);
  if (IsValidChar(ch))
    insert(QString(ch));
  else
    SystemBeep();
}

// ---- focus ---------------------------------------------------------------

bool TxCustomEdit::OwnMenuOpen() const {
  // The edit's own context menu (Copy, Paste ...) is part of the entry: the
  // text it pastes must land in an edit that is still open.
  const QWidget *popup = QApplication::activePopupWidget();
  return popup && popup->parentWidget() == this;
}

void TxCustomEdit::focusInEvent(QFocusEvent *e) {
  QLineEdit::focusInEvent(e);
  if (!autoSelect_ && (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason))
    deselect();
  // A focus taken back after a clamped value, or after the edit's own menu,
  // keeps the user's starting point for Escape and the modified mark.
  const bool fromOwnMenu = std::exchange(inOwnMenu_, false);
  if (reclaiming_ || fromOwnMenu)
    return;
  setModified(false);
  entryText_ = text();
}

void TxCustomEdit::focusOutEvent(QFocusEvent *e) {
  // Every way of leaving ends the entry: another control, a menu, a dialog,
  // another window or program. Only the edit's own menu does not. The commit
  // comes first, so editingFinished reports the rewritten text.
  // While that menu is open (until the focus comes back) the platform may
  // report the pop-up's activation as another loss; it is the same one.
  if (!inOwnMenu_) {
    inOwnMenu_ = e->reason() == Qt::PopupFocusReason && OwnMenuOpen();
    if (!inOwnMenu_)
      FocusLost(e->reason());
  }
  QLineEdit::focusOutEvent(e);
}

} // namespace korvane
