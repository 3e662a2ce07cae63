#pragma once
// The field of one entry-grid row: the rules that turn the row's value-cell
// text into a typed value and back. A row keeps no value of its own; the cell
// text is the truth and the field only converts it.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "controls/NumberTextFuncs.h"

namespace korvane {

// Which editor the grid offers on a row (the ordinals are part of the forms).
enum class TEditorKind { ekNone = 0, ekPropEditor = 1, ekEnum = 2, ekSpin = 3, ekCheck = 4 };

// Dialog results a property editor returns.
inline constexpr int mrOk = 1;     // take the new value
inline constexpr int mrCancel = 2; // keep the old one

// A row's property editor: gets the row value, may change it (usually through
// a modal dialog) and returns mrOk to store it or mrCancel to keep the old.
using TPropertyEditEvent = std::function<int(Variant &value)>;

// A plain text row ("Cost File; %s;; PE") and the base of every field.
class TField {
public:
  TField(std::string formatStr, TEditorKind kind);
  virtual ~TField() = default;
  TField(const TField &) = delete;
  TField &operator=(const TField &) = delete;

  const std::string &FormatStr() const { return formatStr_; }
  TEditorKind Kind() const { return kind_; }
  void SetKind(TEditorKind kind) { kind_ = kind; }
  const TPropertyEditEvent &PropEditor() const { return propEditor_; }
  void SetPropEditor(TPropertyEditEvent handler) { propEditor_ = std::move(handler); }

  // The typed value of a value-cell text, or nothing when the text itself is
  // the value (a plain row, or text that does not convert). Never throws.
  virtual std::optional<Variant> ValueOf(const std::string &text) const;
  // ValueOf(text), or the text itself when it gives nothing, assigned to
  // `value`: what the row model reads, without the temporaries.
  virtual void ReadValue(const std::string &text, Variant &value) const;
  // The value-cell text showing `value`, or nothing when the value cannot be
  // shown by this row. Never throws.
  virtual std::optional<std::string> TextOf(const Variant &value) const;
  // TextOf written over `text` (a cell), reusing its storage; false, with
  // `text` empty, when the value cannot be shown. Never throws for bad data.
  virtual bool WriteText(const Variant &value, std::string &text) const;

private:
  std::string formatStr_;
  TEditorKind kind_;
  TPropertyEditEvent propEditor_;
};

// A number within a range, shown by a printf-style format ("%0.3f", "%d").
class TNumField : public TField {
public:
  TNumField(std::string formatStr, TEditorKind kind, double rangeLo, double rangeHi, double step);

  double RangeLo() const { return rangeLo_; }
  double RangeHi() const { return rangeHi_; }
  double Step() const { return step_; }
  TFormatType FormatType() const { return formatType_; }
  void SetFormatType(TFormatType type) { formatType_ = type; }
  int SigDigs() const { return sigDigs_; }
  void SetSigDigs(int sigDigs) { sigDigs_ = sigDigs; }
  int Decimals() const { return decimals_; }

  // A double, or a 32-bit integer for an integer format (halves to even).
  std::optional<Variant> ValueOf(const std::string &text) const override;
  void ReadValue(const std::string &text, Variant &value) const override;
  std::optional<std::string> TextOf(const Variant &value) const override;
  bool WriteText(const Variant &value, std::string &text) const override;

private:
  double rangeLo_;
  double rangeHi_;
  double step_;
  TFormatType formatType_ = TFormatType::ft_Fixed;
  int sigDigs_ = 5;
  int decimals_;
  // Worked out once: reading every row is on the path of each solve.
  bool intFormat_;
  bool floatFormat_;
  int plainPrecision_; // of a plain fixed format, else -1
};

// Two numbers written "a/b" by a format holding '/' ("%0.0f/%0.0f").
class TDelimNumField : public TNumField {
public:
  using TNumField::TNumField;

  // The pair as text in the row format; a single number as "%0.04g" text.
  std::optional<Variant> ValueOf(const std::string &text) const override;
  // A single number is written by the format part before its '/'.
  std::optional<std::string> TextOf(const Variant &value) const override;
  void ReadValue(const std::string &text, Variant &value) const override {
    TField::ReadValue(text, value);
  }
  bool WriteText(const Variant &value, std::string &text) const override {
    return TField::WriteText(value, text);
  }
};

// A choice among item texts; the value is the zero-based item index.
class TEnumField : public TField {
public:
  explicit TEnumField(std::vector<std::string> items);

  const std::vector<std::string> &Items() const { return items_; }

  // The index of the text among the items (case ignored), -1 when absent.
  std::optional<Variant> ValueOf(const std::string &text) const override;
  void ReadValue(const std::string &text, Variant &value) const override;
  // The item at the value's index; nothing outside the items.
  std::optional<std::string> TextOf(const Variant &value) const override;
  bool WriteText(const Variant &value, std::string &text) const override;

private:
  std::vector<std::string> items_;
};

// A yes/no row whose cell reads "[x]" when set and "[ ]" when clear.
class TBoolField : public TField {
public:
  TBoolField();

  std::optional<Variant> ValueOf(const std::string &text) const override;
  std::optional<std::string> TextOf(const Variant &value) const override;
};

} // namespace korvane
