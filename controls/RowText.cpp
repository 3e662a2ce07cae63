#include "controls/RowText.h"

#include <exception>

#include "base/AsciiText.h"
#include "base/Format.h"
#include "base/NumberText.h"

namespace korvane {

namespace {

// Row texts are trimmed of control characters too, not only of blanks.
bool IsSpaceOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(std::string_view s) {
  while (!s.empty() && IsSpaceOrControl(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsSpaceOrControl(s.back()))
    s.remove_suffix(1);
  return std::string(s);
}

TEditorKind EditorKindOf(std::string_view word) {
  if (EqualsNoCase(word, "PE"))
    return TEditorKind::ekPropEditor;
  if (EqualsNoCase(word, "Spin"))
    return TEditorKind::ekSpin;
  return TEditorKind::ekNone;
}

// The value a fresh row shows: zero in its number format, the first item of
// an enumeration, nothing for text.
std::string InitialText(const std::string &format, const TField &field) {
  try {
    if (IsPairFormat(format))
      return Format(format, {Variant(0.0), Variant(0.0)});
    if (IsIntFormat(format))
      return Format(format, {Variant(std::int32_t{0})});
    if (IsFloatFormat(format))
      return Format(format, {Variant(0.0)});
  } catch (const std::exception &) {
    return std::string(); // a format that cannot show zero starts empty
  }
  if (const auto *choice = dynamic_cast<const TEnumField *>(&field))
    if (!choice->Items().empty())
      return choice->Items().front();
  return std::string();
}

} // namespace

std::vector<std::string> SplitSpec(char delim, std::string_view text) {
  std::vector<std::string> pieces;
  while (!text.empty()) {
    const size_t at = text.find(delim);
    pieces.push_back(Trimmed(text.substr(0, at)));
    if (at == text.npos)
      break;
    text.remove_prefix(at + 1);
  }
  return pieces;
}

TBuiltRow BuildRow(char delim, std::string_view text) {
  TBuiltRow row;
  std::vector<std::string> pieces = SplitSpec(delim, text);
  const size_t given = pieces.size();
  if (pieces.size() < 4)
    pieces.resize(6);
  const TEditorKind kind = EditorKindOf(pieces[3]);
  const std::string format = pieces[1]; // a copy: the pieces may grow below

  if (IsIntFormat(format) || IsFloatFormat(format)) {
    if (pieces.size() < 7)
      pieces.resize(7);
    double lo = 0.0;
    double hi = 0.0;
    double step = 1.0;
    if (ReadNumber(pieces[4], lo) && ReadNumber(pieces[5], hi) &&
        (pieces[6].empty() || ReadNumber(pieces[6], step))) {
      if (IsPairFormat(format))
        row.field = std::make_unique<TDelimNumField>(format, kind, lo, hi, step);
      else
        row.field = std::make_unique<TNumField>(format, kind, lo, hi, step);
    } else {
      row.field = std::make_unique<TField>("%S", kind);
      row.rangeError = true;
    }
  } else if (EqualsNoCase(format, "enum")) {
    // Only the items written in the text: the padding of a short row text
    // must not turn into blank choices.
    std::vector<std::string> items;
    for (size_t i = 3; i < given; ++i)
      items.push_back(pieces[i]);
    row.field = std::make_unique<TEnumField>(std::move(items));
  } else if (EqualsNoCase(format, "check")) {
    row.field = std::make_unique<TBoolField>();
  } else {
    row.field = std::make_unique<TField>(format, kind);
  }

  pieces[1] = InitialText(format, *row.field);
  row.cells = std::move(pieces);
  return row;
}

} // namespace korvane
