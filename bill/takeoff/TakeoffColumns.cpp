#include "bill/takeoff/TakeoffColumns.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/Catalogue.h"
#include "base/AsciiText.h"
#include "bill/BillKeywords.h"
#include "bill/job/BillItemForms.h"

namespace korvane {

namespace {

struct TAlias {
  std::string_view key;
  TTakeoffField field;
};

constexpr TAlias kAliases[] = {
    {"item", TTakeoffField::Item},         {"type", TTakeoffField::Item},
    {"section", TTakeoffField::Section},   {"number", TTakeoffField::Quantity},
    {"qty", TTakeoffField::Quantity},      {"quantity", TTakeoffField::Quantity},
    {"nooff", TTakeoffField::Quantity},    {"numberoff", TTakeoffField::Quantity},
    {"erection", TTakeoffField::Erection}, {"brackets", TTakeoffField::Brackets},
    {"comment", TTakeoffField::Comment},   {"comments", TTakeoffField::Comment},
};

// The row of a round spigot's plate reads "Mounting Plate" on screen.
constexpr std::string_view kMountingPlate = "mountingplate";

// The properties that are choices rather than sizes.
constexpr std::array<std::string_view, 6> kChoiceKeys{"vanes", "reinforcing", "plate",
                                                      "gauge", "flange",      "insulation"};

// The catalogue's property keys as compared, made once: every cell of
// every row above the header is looked up here.
const std::vector<std::string> &PropertyKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all;
    for (const std::string_view prop : CatalogueProps())
      all.push_back(TakeoffNameKey(prop));
    return all;
  }();
  return keys;
}

bool IsPropertyKey(std::string_view key) {
  const std::vector<std::string> &keys = PropertyKeys();
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

std::string TakeoffNameKey(std::string_view name) {
  std::string key;
  int depth = 0;
  for (const char c : name) {
    if (c == '(' || c == '[')
      ++depth;
    else if ((c == ')' || c == ']') && depth > 0)
      --depth;
    else if (depth == 0 && !IsBlank(c) && c != '.' && c != '-' && c != '_' && c != '\r' &&
             c != '\n')
      key += AsciiLower(c);
  }
  return key;
}

TTakeoffColumnName FindTakeoffColumn(std::string_view name) {
  std::string key = TakeoffNameKey(name);
  if (key.empty())
    return {};
  for (const TAlias &alias : kAliases)
    if (alias.key == key)
      return {alias.field, {}};
  if (key == kMountingPlate)
    key = "plate";
  if (IsPropertyKey(key))
    return {TTakeoffField::Property, std::move(key)};
  return {};
}

bool IsTakeoffSizeKey(std::string_view key) {
  return std::find(kChoiceKeys.begin(), kChoiceKeys.end(), key) == kChoiceKeys.end() &&
         IsPropertyKey(key);
}

bool IsTakeoffHeader(std::span<const TTakeoffCell> cells) {
  bool item = false;
  bool size = false;
  for (const TTakeoffCell &cell : cells) {
    if (cell.Text.size() > 64)
      continue;
    const TTakeoffColumnName name = FindTakeoffColumn(cell.Text);
    item = item || name.Field == TTakeoffField::Item;
    size = size || (name.Field == TTakeoffField::Property && IsTakeoffSizeKey(name.Key));
  }
  return item && size;
}

int TakeoffItemCode(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty() || text.size() > 64)
    return 0;
  std::string word = BillUpper(text);
  if (const int code = LookupBillKeyword(word); IsBillItemType(code))
    return code;
  // "Vaned Radius Bend": the keyword with blanks.
  std::erase_if(word, [](char c) { return IsBlank(c); });
  if (const int code = LookupBillKeyword(word); IsBillItemType(code))
    return code;
  const int type = FindDuctType(text);
  return type < 0 ? 0 : BillItemCode(type);
}

} // namespace korvane
