#pragma once
// How the bill highlighter shows each token kind, kept as plain data so the
// editor glue only maps it onto its own styles: the attributes with their
// names, font styles and colours, the language name and file filter, and the
// sample text offered in an editor's option dialogs.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "bill/BillScanner.h"

namespace korvane {

inline constexpr std::string_view kBillLanguageName = "DuctSyntax";
// Description and pattern, separated by "|".
inline constexpr std::string_view kBillFileFilter = "Brisvantore Files (*.dct)|*.dct";

struct TBillRgb {
  std::uint8_t r, g, b;
  bool operator==(const TBillRgb &) const = default;
};

struct TBillAttribute {
  std::string_view name;
  bool bold;
  bool italic;
  std::optional<TBillRgb> foreground; // none: the editor's default colour
  bool clearBackground;               // drawn without a background colour of its own
};

// "Comment", "Identifier", "Reserved Word", "Number", "Option", "Space",
// "Special", "String", in that order.
std::span<const TBillAttribute> BillAttributes();

// The attribute a token kind is shown with; none for Null, which has no text.
const TBillAttribute *BillAttributeFor(TBillTokenKind kind);

// The editor's generic attribute requests.
enum class TBillGenericAttribute { Comment, Identifier, Keyword, String, Whitespace };
const TBillAttribute &BillGenericAttribute(TBillGenericAttribute which);

// The sample, one entry per line.
std::span<const std::string_view> BillSampleLines();
// The sample as one text, lines joined by line feeds.
std::string BillSampleText();

} // namespace korvane
