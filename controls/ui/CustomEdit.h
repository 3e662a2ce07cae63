#pragma once
// The single-line edit in which numbers are typed. It holds its value as text
// written in a printf-style format, refuses keys that cannot belong to such a
// number, and on commit (Enter, focus loss) cleans the text, checks it against
// the range (with 0.5 % tolerance, clamping beyond it) and rewrites it in the
// format. Values go in and out as Variants.
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <string>

#include "base/Variant.h"
#include "controls/NumberTextFuncs.h"
#include "controls/ui/UnitsType.h"

namespace korvane {

class TxCustomEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit TxCustomEdit(QWidget *parent = nullptr);

  // The letters decide the kind of value: text (s), integer (d), float (f, g)
  // or pair ('/'). Setting exactly "%S" while the text is "0.0" empties it.
  // Decimals follow the format at once: there is no form-loading step here
  // that would refresh them later.
  const std::string &FormatStr() const { return formatStr_; }
  void SetFormatStr(const std::string &format);
  TFormatType FormatType() const { return formatType_; }
  void SetFormatType(TFormatType type) { formatType_ = type; }
  int SigDigs() const { return sigDigs_; }
  void SetSigDigs(int sigDigs) { sigDigs_ = sigDigs; }
  // 0 and 0, or two bounds less than 1e-5 apart, mean no range.
  double RangeLo() const { return rangeLo_; }
  void SetRangeLo(double lo) { rangeLo_ = lo; }
  double RangeHi() const { return rangeHi_; }
  void SetRangeHi(double hi) { rangeHi_ = hi; }
  int Decimals() const { return decimals_; }

  TUnitsType UnitsType() const { return unitsType_; }
  void SetUnitsType(TUnitsType type);
  int UnitsBase() const { return unitsBase_; }
  void SetUnitsBase(int index);
  int UnitsValue() const { return unitsValue_; }
  void SetUnitsValue(int index);
  QLabel *UnitsLabel() const { return unitsLabel_; }
  void SetUnitsLabel(QLabel *label);

  // Tab into the control selects its whole text.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool on) { autoSelect_ = on; }

  // The text held when the control last received the focus (Escape's target).
  QString EntryText() const { return entryText_; }

  // The value of the text: a double, a 32-bit integer for integer formats, a
  // text for text and pair formats, or the raw text when it is no number.
  Variant GetValue() const;
  // Writes `value` in the format; no range check, the modified flag stays.
  // A value that cannot be shown empties the text.
  void SetValue(const Variant &value);

  // Validates a modified text; false (with a beep, the text clamped and the
  // focus kept) when it lay outside the range beyond the tolerance.
  bool Commit();

protected:
  // The key filter: whether `ch` may be typed under the current format.
  virtual bool IsValidChar(QChar ch) const;
  // Whether the text may be changed by typing at all.
  virtual bool CanModify() const { return true; }
  // A failed commit takes the focus back; a grid's editor does not.
  virtual void ReclaimFocus();
  // Runs when the focus left the edit for anywhere but its own context menu.
  virtual void FocusLost(Qt::FocusReason reason);
  // Whether the edit's own context menu is what took the focus.
  bool OwnMenuOpen() const;
  // A modified text claims Escape so a dialog's cancel button stays put.
  virtual bool ClaimsEscape() const { return true; }

  // Cleans, range-checks and rewrites the text; false when it was clamped.
  bool ApplyText();
  // Clamps `x` to the range beyond the tolerance; false when clamped.
  bool RangeCheck(double &x) const;

  bool event(QEvent *e) override;
  void keyPressEvent(QKeyEvent *e) override;
  void focusInEvent(QFocusEvent *e) override;
  void focusOutEvent(QFocusEvent *e) override;

private:
  void typeChar(QChar ch);
  void backspaceKey();
  void applyUnits();
  double toShown(double stored) const { return stored * factor_ + offset_; }
  double toStored(double shown) const { return (shown - offset_) / factor_; }

  std::string formatStr_ = "%0.1f";
  TFormatType formatType_ = TFormatType::ft_Fixed;
  int sigDigs_ = 5;
  double rangeLo_ = 0.0;
  double rangeHi_ = 0.0;
  int decimals_ = 1;
  TUnitsType unitsType_ = TUnitsType::utNone;
  int unitsBase_ = 0;
  int unitsValue_ = 0;
  QPointer<QLabel> unitsLabel_;
  double factor_ = 1.0;
  double offset_ = 0.0;
  bool autoSelect_ = true;
  bool reclaiming_ = false;
  bool inOwnMenu_ = false; // the focus went to the edit's own context menu
  QString entryText_;
};

} // namespace korvane
