#include "bill/BillSyntaxStyle.h"

#include <array>

namespace korvane {

namespace {

constexpr TBillRgb kBlack{0, 0, 0};

enum TAttrIndex : std::size_t {
  aiComment,
  aiIdentifier,
  aiReservedWord,
  aiNumber,
  aiOption,
  aiSpace,
  aiSpecial,
  aiString
};

constexpr std::array<TBillAttribute, 8> kAttributes{
    TBillAttribute{"Comment", false, true, TBillRgb{0, 0, 128}, false},
    TBillAttribute{"Identifier", false, false, std::nullopt, false},
    TBillAttribute{"Reserved Word", true, false, kBlack, false},
    TBillAttribute{"Number", false, false, kBlack, false},
    TBillAttribute{"Option", false, true, TBillRgb{0, 128, 0}, false},
    TBillAttribute{"Space", false, false, std::nullopt, false},
    TBillAttribute{"Special", true, false, kBlack, true},
    TBillAttribute{"String", false, false, TBillRgb{255, 0, 0}, false},
};

constexpr std::array<std::string_view, 7> kSampleLines{
    "{ Sample source for the Tarnwell Duct highlighter }",
    "",
    "This highlighter will recognize the duct keywords.",
    "It will also highlight \"Strings\", numbers 123.456",
    "And the keyword: StraightRect",
    "; this is a single line comment",
    "/* This style of comments is also highlighted */",
};

} // namespace

std::span<const TBillAttribute> BillAttributes() {
  return kAttributes;
}

const TBillAttribute *BillAttributeFor(TBillTokenKind kind) {
  switch (kind) {
  case TBillTokenKind::Comment:
    return &kAttributes[aiComment];
  case TBillTokenKind::Identifier:
  case TBillTokenKind::Unknown:
    return &kAttributes[aiIdentifier];
  case TBillTokenKind::Key:
    return &kAttributes[aiReservedWord];
  case TBillTokenKind::Number:
    return &kAttributes[aiNumber];
  case TBillTokenKind::Option:
    return &kAttributes[aiOption];
  case TBillTokenKind::Space:
    return &kAttributes[aiSpace];
  case TBillTokenKind::Special:
    return &kAttributes[aiSpecial];
  case TBillTokenKind::String:
    return &kAttributes[aiString];
  case TBillTokenKind::Null:
    break;
  }
  return nullptr;
}

const TBillAttribute &BillGenericAttribute(TBillGenericAttribute which) {
  switch (which) {
  case TBillGenericAttribute::Comment:
    return kAttributes[aiComment];
  case TBillGenericAttribute::Identifier:
    return kAttributes[aiIdentifier];
  case TBillGenericAttribute::Keyword:
    return kAttributes[aiReservedWord];
  case TBillGenericAttribute::String:
    return kAttributes[aiString];
  case TBillGenericAttribute::Whitespace:
    break;
  }
  return kAttributes[aiSpace];
}

std::span<const std::string_view> BillSampleLines() {
  return kSampleLines;
}

std::string BillSampleText() {
  std::string text;
  for (std::size_t i = 0; i < kSampleLines.size(); ++i) {
    if (i > 0)
      text += '\n';
    text += kSampleLines[i];
  }
  return text;
}

} // namespace korvane
