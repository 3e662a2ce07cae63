#include "controls/RowCommands.h"

#include <cmath>
#include <exception>

#include "base/NumberText.h"

namespace korvane {

namespace {

void Commit(TEntryRows &rows, int ARow, const Variant &value) {
  rows.SetData(1, ARow, value);
  rows.DoSetData(1, ARow);
}

// The value as the row shows it: spinning starts from what the user sees,
// not from digits hidden behind the format.
double Shown(const TNumField &field, double v) {
  double shown = v;
  if (std::optional<std::string> text = field.TextOf(Variant(v)))
    if (!ReadNumber(*text, shown))
      shown = v;
  return shown;
}

} // namespace

bool SpinRow(TEntryRows &rows, int ARow, TSpinDirection direction) {
  const auto *field = dynamic_cast<const TNumField *>(rows.Field(ARow));
  if (!field)
    return false;
  const double step = std::fabs(field->Step());
  if (!(step > 0.0) || !std::isfinite(step))
    return false;
  double v = 0.0;
  try {
    v = rows.GetData(1, ARow).toDouble();
  } catch (const std::exception &) {
    return false;
  }
  const bool up = direction == TSpinDirection::Up;
  if (v == (up ? field->RangeHi() : field->RangeLo()))
    return false;

  double r = Shown(*field, v);
  double whole = 0.0;
  double e = std::modf(r / step, &whole) * step; // r's distance from the step grid
  // A value on the grid can land a hair below the next multiple (0.3 / 0.1
  // is 2.9999...): that is on the grid too, or the spin would not move.
  if (std::fabs(e) < 1e-5 || step - std::fabs(e) < 1e-5)
    e = 0.0;
  r -= e;
  if (up && (e == 0.0 || v > 0.0))
    r += step;
  if (!up && (e == 0.0 || v < 0.0))
    r -= step;
  if (r < field->RangeLo())
    r = field->RangeLo();
  if (r > field->RangeHi())
    r = field->RangeHi();
  Commit(rows, ARow, Variant(r));
  return true;
}

bool CycleEnum(TEntryRows &rows, int ARow, bool forward) {
  const auto *field = dynamic_cast<const TEnumField *>(rows.Field(ARow));
  if (!field || field->Items().empty())
    return false;
  const auto last = static_cast<std::int32_t>(field->Items().size() - 1);
  std::int32_t v = -1;
  try {
    v = rows.GetData(1, ARow).toInt();
  } catch (const std::exception &) {
  }
  std::int32_t next = 0;
  if (forward)
    next = v >= 0 && v < last ? v + 1 : 0;
  else
    next = v > 0 && v <= last ? v - 1 : last;
  Commit(rows, ARow, Variant(next));
  return true;
}

int EditProperty(TEntryRows &rows, int ARow) {
  const TField *field = rows.Field(ARow);
  if (!field || field->Kind() != TEditorKind::ekPropEditor || !field->PropEditor())
    return 0;
  // A copy: the editor may reassign the rows, which frees this field.
  const TPropertyEditEvent editor = field->PropEditor();
  Variant value = rows.GetData(1, ARow);
  const int result = editor(value);
  if (result == mrOk)
    Commit(rows, ARow, value);
  return result;
}

} // namespace korvane
