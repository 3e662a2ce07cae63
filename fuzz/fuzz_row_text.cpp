// The entry grid's row model built from any row texts: it never throws,
// gives one field and one row per line (two rows for none), tells of each
// numeric row it could not build exactly once, and then takes any value in
// any cell: an item index shows its item and reads back as an index of the
// same text, a check row reads back what was set, and reading a cell gives
// either a value or the cell's own text.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/AsciiText.h"
#include "controls/CellStore.h"
#include "controls/EntryRows.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

Variant ValueFrom(std::string_view piece) {
  if (piece.empty())
    return {};
  const std::string rest(piece.substr(1));
  switch (piece.front()) {
  case 'i':
    return static_cast<std::int32_t>(std::strtoll(rest.c_str(), nullptr, 10));
  case 'f':
    return std::strtod(rest.c_str(), nullptr);
  case 'r':
    if (rest.size() >= sizeof(double)) {
      double d;
      std::memcpy(&d, rest.data(), sizeof d);
      return d;
    }
    return 0.0;
  case 'b':
    return rest == "1";
  case 's':
    return rest;
  default:
    return {};
  }
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty() && lines.size() < 64) {
    const std::size_t lf = text.find('\n');
    lines.emplace_back(text.substr(0, lf));
    text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
  }
  return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  TPieces pieces(AsText(data, size));
  const std::vector<std::string> lines = SplitLines(pieces.Next());

  TCellStore cells;
  TRecordingSink sink;
  TEntryRows rows(cells, sink);
  rows.SetLines(lines);
  FUZZ_CHECK(rows.Lines() == lines);
  const int count = static_cast<int>(lines.size());
  FUZZ_CHECK(cells.RowCount() == (count == 0 ? 2 : count));
  FUZZ_CHECK(rows.FieldCount() == count);
  FUZZ_CHECK(static_cast<int>(sink.messages.size()) <= std::max(0, count - 1));
  for (const auto &m : sink.messages)
    FUZZ_CHECK(m.text.starts_with("Error initialising "));

  for (int r = 1; r < rows.FieldCount(); ++r) {
    const TField *field = rows.Field(r);
    FUZZ_CHECK(field != nullptr);
    if (const auto *num = dynamic_cast<const TNumField *>(field))
      FUZZ_CHECK(std::isfinite(num->RangeLo()) && std::isfinite(num->RangeHi()) &&
                 std::isfinite(num->Step()));
  }

  // Values from the rest of the input, row after row.
  int r = 1;
  while (!pieces.Empty() && count > 1) {
    const Variant value = ValueFrom(pieces.Next());
    rows.SetData(1, r, value);
    const Variant back = rows.GetData(1, r);
    const std::string &cell = cells.Cell(1, r);
    const TField *field = rows.Field(r);
    // A pair row reads as its pair in the row format, every other text
    // value is the cell's own text.
    if (back.isText() && !dynamic_cast<const TDelimNumField *>(field))
      FUZZ_CHECK(back.text() == cell);
    if (const auto *e = dynamic_cast<const TEnumField *>(field)) {
      const auto &items = e->Items();
      FUZZ_CHECK(back.kind() == Variant::Kind::Int);
      const int got = back.asInt();
      FUZZ_CHECK(got >= -1 && got < static_cast<int>(items.size()));
      if (got >= 0)
        FUZZ_CHECK(EqualsNoCase(items[static_cast<std::size_t>(got)], cell));
      if (value.kind() == Variant::Kind::Int && value.asInt() >= 0 &&
          value.asInt() < static_cast<int>(items.size()))
        FUZZ_CHECK(got >= 0 && EqualsNoCase(items[static_cast<std::size_t>(got)],
                                            items[static_cast<std::size_t>(value.asInt())]));
    } else if (dynamic_cast<const TBoolField *>(field) && value.kind() == Variant::Kind::Bool) {
      FUZZ_CHECK(back == value);
    } else if (back.kind() == Variant::Kind::Double) {
      FUZZ_CHECK(std::isfinite(back.asDouble()));
    }
    // Other columns and rows outside the grid take writes and reads too.
    rows.SetData(2, r, value);
    rows.SetData(0, count + 3, value);
    (void)rows.GetData(-1, r);
    (void)rows.GetData(1, count + 3);
    r = r + 1 < count ? r + 1 : 1;
  }
  return 0;
}
