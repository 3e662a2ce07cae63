#include "controls/Fields.h"

#include <cstdint>
#include <exception>

#include "base/AsciiText.h"
#include "base/Format.h"
#include "base/NumberText.h"

namespace korvane {

TField::TField(std::string formatStr, TEditorKind kind)
    : formatStr_(std::move(formatStr)), kind_(kind) {}

std::optional<Variant> TField::ValueOf(const std::string &) const {
  return std::nullopt;
}

std::optional<std::string> TField::TextOf(const Variant &value) const {
  try {
    return Format(formatStr_, {Variant(value.toText())});
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

void TField::ReadValue(const std::string &text, Variant &value) const {
  if (std::optional<Variant> read = ValueOf(text))
    value = std::move(*read);
  else
    value = Variant(text);
}

bool TField::WriteText(const Variant &value, std::string &text) const {
  std::optional<std::string> written = TextOf(value);
  if (!written) {
    text.clear();
    return false;
  }
  text = std::move(*written);
  return true;
}

TNumField::TNumField(std::string formatStr, TEditorKind kind, double rangeLo, double rangeHi,
                     double step)
    : TField(std::move(formatStr), kind), rangeLo_(rangeLo), rangeHi_(rangeHi), step_(step),
      decimals_(FormatDecimals(FormatStr())), intFormat_(IsIntFormat(FormatStr())),
      floatFormat_(IsFloatFormat(FormatStr())), plainPrecision_(PlainFixedPrecision(FormatStr())) {}

std::optional<Variant> TNumField::ValueOf(const std::string &text) const {
  double x = 0.0;
  if (!ReadNumText(text, x))
    return std::nullopt;
  if (!intFormat_)
    return Variant(x);
  try {
    return Variant(Variant(x).toInt());
  } catch (const std::exception &) {
    return std::nullopt; // beyond the 32-bit range
  }
}

void TNumField::ReadValue(const std::string &text, Variant &value) const {
  double x = 0.0;
  if (!intFormat_ && ReadNumText(text, x))
    value = Variant(x);
  else
    TField::ReadValue(text, value);
}

std::optional<std::string> TNumField::TextOf(const Variant &value) const {
  std::string text;
  if (!WriteText(value, text))
    return std::nullopt;
  return text;
}

bool TNumField::WriteText(const Variant &value, std::string &text) const {
  text.clear();
  try {
    const double x = value.toDouble();
    if (intFormat_) {
      const Variant whole(Variant(x).toInt());
      FormatTo(text, FormatStr(), std::span<const Variant>(&whole, 1));
      return true;
    }
    if (floatFormat_) {
      // A fixed or manual format type writes by the row format itself.
      const bool byFormat =
          formatType_ == TFormatType::ft_Fixed || formatType_ == TFormatType::ft_Manual;
      if (byFormat && plainPrecision_ >= 0)
        AppendFixed(text, x, plainPrecision_);
      else
        AppendNumber(text, x, FormatStr(), formatType_, sigDigs_, decimals_);
      return true;
    }
  } catch (const std::exception &) {
    text.clear();
  }
  return false;
}

std::optional<Variant> TDelimNumField::ValueOf(const std::string &text) const {
  try {
    double a = 0.0;
    double b = 0.0;
    if (SplitPair(text.empty() ? std::string_view("0.0/0.0") : std::string_view(text), a, b))
      return Variant(Format(FormatStr(), {Variant(a), Variant(b)}));
    return Variant(Format("%0.04g", {Variant(a)}));
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

std::optional<std::string> TDelimNumField::TextOf(const Variant &value) const {
  try {
    double a = 0.0;
    double b = 0.0;
    if (SplitPair(value.toText(), a, b))
      return Format(FormatStr(), {Variant(a), Variant(b)});
    const std::string &f = FormatStr();
    return Format(std::string_view(f).substr(0, f.find('/')), {Variant(a)});
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

TEnumField::TEnumField(std::vector<std::string> items)
    : TField(std::string(), TEditorKind::ekEnum), items_(std::move(items)) {}

std::optional<Variant> TEnumField::ValueOf(const std::string &text) const {
  Variant value;
  ReadValue(text, value);
  return value;
}

void TEnumField::ReadValue(const std::string &text, Variant &value) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (EqualsNoCase(items_[i], text)) {
      value = Variant(static_cast<std::int32_t>(i));
      return;
    }
  }
  value = Variant(std::int32_t{-1});
}

std::optional<std::string> TEnumField::TextOf(const Variant &value) const {
  std::string text;
  if (!WriteText(value, text))
    return std::nullopt;
  return text;
}

bool TEnumField::WriteText(const Variant &value, std::string &text) const {
  try {
    const std::int32_t index = value.toInt();
    if (index >= 0 && static_cast<size_t>(index) < items_.size()) {
      text = items_[static_cast<size_t>(index)];
      return true;
    }
  } catch (const std::exception &) {
  }
  text.clear();
  return false;
}

TBoolField::TBoolField() : TField(std::string(), TEditorKind::ekCheck) {}

std::optional<Variant> TBoolField::ValueOf(const std::string &text) const {
  return Variant(EqualsNoCase(text, "[x]"));
}

std::optional<std::string> TBoolField::TextOf(const Variant &value) const {
  try {
    return std::string(value.toBool() ? "[x]" : "[ ]");
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

} // namespace korvane
