#include "app/ItemValueEntry.h"

#include <cmath>
#include <cstdint>
#include <typeinfo>

#include "base/AsciiText.h"
#include "base/NumberText.h"
#include "controls/Fields.h"
#include "controls/NumberTextFuncs.h"

namespace korvane {

namespace {

constexpr double kRangeTolerance = 0.005;

// Case and blanks ignored: "1.5dia" is "1.5 Dia".
bool SameItem(std::string_view item, std::string_view text) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (true) {
    while (i < item.size() && IsBlank(item[i]))
      ++i;
    while (j < text.size() && IsBlank(text[j]))
      ++j;
    if (i == item.size() || j == text.size())
      return i == item.size() && j == text.size();
    if (AsciiLower(item[i++]) != AsciiLower(text[j++]))
      return false;
  }
}

std::string Named(std::string_view key, std::string_view text) {
  std::string out = "value '";
  out.append(text);
  out += "' for ";
  out.append(key);
  return out;
}

bool EnterNumber(TEntryRows &rows, int row, const TNumField &field, std::string_view key,
                 std::string_view text, std::string &error) {
  double x = 0;
  if (!ReadNumText(text, x)) {
    error = Named(key, text) + " is not a number";
    return false;
  }
  if (!WithinRangeTolerance(x, field.RangeLo(), field.RangeHi())) {
    error = Named(key, text) + " is out of range (" + FormatGeneral(field.RangeLo()) + " to " +
            FormatGeneral(field.RangeHi());
    const std::string &units = rows.Cells().Cell(2, row);
    if (!units.empty())
      error += " " + units;
    error += ")";
    return false;
  }
  rows.SetData(1, row, Variant(x));
  return true;
}

bool EnterItem(TEntryRows &rows, int row, const TEnumField &field, std::string_view key,
               std::string_view text, std::string &error) {
  const auto &items = field.Items();
  std::size_t found = items.size();
  for (std::size_t i = 0; i < items.size() && found == items.size(); ++i)
    if (SameItem(items[i], text))
      found = i;
  // A number picks the item of equal value ("1" is "1.0").
  double number = 0;
  if (found == items.size() && ReadNumber(text, number)) {
    for (std::size_t i = 0; i < items.size() && found == items.size(); ++i) {
      double itemNumber = 0;
      if (ReadNumber(items[i], itemNumber) && itemNumber == number)
        found = i;
    }
  }
  if (found < items.size()) {
    rows.SetData(1, row, Variant(static_cast<std::int32_t>(found)));
    return true;
  }
  error = Named(key, text) + " is not one of: ";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0)
      error += ", ";
    error += items[i];
  }
  return false;
}

} // namespace

bool WithinRangeTolerance(double x, double lo, double hi) {
  if (std::fabs(lo - hi) < 1e-5 || (lo == 0 && hi == 0))
    return true;
  if (x < lo && !(lo != 0 && std::fabs((lo - x) / lo) <= kRangeTolerance))
    return false;
  if (x > hi && !(hi != 0 && std::fabs((x - hi) / hi) <= kRangeTolerance))
    return false;
  return true;
}

bool EnterItemValue(TEntryRows &rows, int row, std::string_view key, std::string_view text,
                    std::string &error) {
  const TField *field = rows.Field(row);
  if (row <= 0 || !field) {
    error = "no row for " + std::string(key);
    return false;
  }
  // The exact class decides: a pair row is a numeric row of another kind.
  // (Numbers first: a type_info that matches compares cheaply, one that does
  // not compares the class names.)
  const std::type_info &kind = typeid(*field);
  if (kind == typeid(TNumField))
    return EnterNumber(rows, row, static_cast<const TNumField &>(*field), key, text, error);
  if (kind == typeid(TEnumField))
    return EnterItem(rows, row, static_cast<const TEnumField &>(*field), key, text, error);
  rows.SetData(1, row, Variant(std::string(text)));
  return true;
}

Variant ShownItemValue(const TEntryRows &rows, int row) {
  const Variant value = rows.GetData(1, row);
  if (const auto *choices = dynamic_cast<const TEnumField *>(rows.Field(row)))
    return Variant(choices->Items().at(static_cast<std::size_t>(value.toInt())));
  return Variant(value.toDouble());
}

} // namespace korvane
