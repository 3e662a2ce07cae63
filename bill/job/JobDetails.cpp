#include "bill/job/JobDetails.h"

#include <array>
#include <chrono>
#include <cstdio>

#include "base/AsciiText.h"

namespace korvane {

namespace {

enum class TField {
  Customer,
  CustomerAddress,
  Project,
  Site,
  Reference,
  QuoteNumber,
  Date,
  ValidFor,
  Discount,
  Vat,
  PreparedBy
};

struct TFieldName {
  std::string_view Name;
  TField Field;
};

constexpr std::array kFields{
    TFieldName{"Customer", TField::Customer},
    TFieldName{"Customer address", TField::CustomerAddress},
    TFieldName{"Project", TField::Project},
    TFieldName{"Site", TField::Site},
    TFieldName{"Reference", TField::Reference},
    TFieldName{"Quote number", TField::QuoteNumber},
    TFieldName{"Date", TField::Date},
    TFieldName{"Valid for", TField::ValidFor},
    TFieldName{"Discount", TField::Discount},
    TFieldName{"VAT", TField::Vat},
    TFieldName{"Prepared by", TField::PreparedBy},
};

// JobDetailTexts() finds a field's name by its place.
static_assert([] {
  for (std::size_t i = 0; i < kFields.size(); ++i)
    if (static_cast<std::size_t>(kFields[i].Field) != i)
      return false;
  return true;
}());

// `name` with its runs of blanks read as one space, case ignored.
bool NamesField(std::string_view name, std::string_view field) {
  std::size_t i = 0;
  for (std::size_t j = 0; j < name.size(); ++j) {
    if (IsBlank(name[j]) && j > 0 && IsBlank(name[j - 1]))
      continue;
    const char c = IsBlank(name[j]) ? ' ' : name[j];
    if (i == field.size() || AsciiLower(c) != AsciiLower(field[i]))
      return false;
    ++i;
  }
  return i == field.size();
}

// A value without the blanks and stray carriage returns around it: what is
// read back is what was written.
std::string_view TrimValue(std::string_view text) {
  const auto edge = [](char c) { return IsBlank(c) || c == '\r'; };
  while (!text.empty() && edge(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && edge(text.back()))
    text.remove_suffix(1);
  return text;
}

bool ReadWhole(std::string_view text, int &out, int most) {
  if (text.empty() || text.size() > 6)
    return false;
  int n = 0;
  for (const char c : text) {
    if (!IsDigit(c))
      return false;
    n = n * 10 + (c - '0');
  }
  if (n > most)
    return false;
  out = n;
  return true;
}

// "30 days", "1 day".
bool ReadDays(std::string_view text, int &out) {
  const std::size_t blank = text.find_first_of(" \t");
  if (blank == std::string_view::npos)
    return false;
  const std::string_view unit = TrimBlanks(text.substr(blank));
  return (EqualsNoCase(unit, "days") || EqualsNoCase(unit, "day")) &&
         ReadWhole(text.substr(0, blank), out, kMaxValidDays);
}

std::optional<std::chrono::year_month_day> ReadDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-')
    return std::nullopt;
  int y = 0, m = 0, d = 0;
  if (!ReadWhole(text.substr(0, 4), y, 9999) || !ReadWhole(text.substr(5, 2), m, 12) ||
      !ReadWhole(text.substr(8, 2), d, 31))
    return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{y},
                                         std::chrono::month{static_cast<unsigned>(m)},
                                         std::chrono::day{static_cast<unsigned>(d)}};
  if (!date.ok())
    return std::nullopt;
  return date;
}

bool SetOnce(std::string &field, std::string_view value, std::string_view name,
             std::string &reason) {
  if (!field.empty()) {
    reason = std::string(name) + " is given twice";
    return false;
  }
  field = value;
  return true;
}

template <typename T>
bool SetOnce(std::optional<T> &field, T value, std::string_view name, std::string &reason) {
  if (field) {
    reason = std::string(name) + " is given twice";
    return false;
  }
  field = value;
  return true;
}

} // namespace

// "12.5%": a percentage from 0 to 100 with at most two decimals.
bool ReadPercentText(std::string_view text, TPercent100 &out, std::string &reason) {
  if (text.empty() || text.back() != '%') {
    reason = "reads as a percentage, such as 15%";
    return false;
  }
  text = TrimBlanks(text.substr(0, text.size() - 1));
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view part = dot == std::string_view::npos ? "" : text.substr(dot + 1);
  int units = 0, hundredths = 0;
  if (!ReadWhole(whole, units, 1000) ||
      (dot != std::string_view::npos && (part.empty() || !ReadWhole(part, hundredths, 999)))) {
    reason = "reads as a percentage, such as 15%";
    return false;
  }
  if (part.size() > 2) {
    reason = "takes at most two decimals";
    return false;
  }
  if (part.size() == 1)
    hundredths *= 10;
  const int percent = units * 100 + hundredths;
  if (percent > 10000) {
    reason = "is more than 100%";
    return false;
  }
  out = percent;
  return true;
}

bool IsCalendarDate(std::string_view text) {
  return ReadDate(text).has_value();
}

std::string DateAfterDays(std::string_view date, int days) {
  const auto from = ReadDate(date);
  if (!from)
    return {};
  const std::chrono::year_month_day ymd{std::chrono::sys_days(*from) + std::chrono::days(days)};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return text;
}

std::span<const std::string_view> JobDetailFields() {
  static constexpr std::array kNames = [] {
    std::array<std::string_view, kFields.size()> names{};
    for (std::size_t i = 0; i < kFields.size(); ++i)
      names[i] = kFields[i].Name;
    return names;
  }();
  return kNames;
}

std::vector<TDetailText> JobDetailTexts(const TJobDetails &details) {
  std::vector<TDetailText> texts;
  const auto add = [&texts](TField field, std::string value) {
    if (!value.empty())
      texts.push_back({kFields[static_cast<std::size_t>(field)].Name, std::move(value)});
  };
  add(TField::Customer, details.Customer);
  for (const std::string &line : details.CustomerAddress)
    add(TField::CustomerAddress, line);
  add(TField::Project, details.Project);
  add(TField::Site, details.Site);
  add(TField::Reference, details.Reference);
  add(TField::QuoteNumber, details.QuoteNumber);
  add(TField::Date, details.Date);
  if (details.ValidDays)
    add(TField::ValidFor,
        std::to_string(*details.ValidDays) + (*details.ValidDays == 1 ? " day" : " days"));
  if (details.Discount)
    add(TField::Discount, PercentText(*details.Discount));
  if (details.Vat)
    add(TField::Vat, PercentText(*details.Vat));
  add(TField::PreparedBy, details.PreparedBy);
  return texts;
}

std::optional<TDetailText> SplitJobDetailLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  line = TrimBlanks(line);
  if (line.empty() || line.front() != ';')
    return std::nullopt;
  line.remove_prefix(1);
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos)
    return std::nullopt;
  const std::string_view name = TrimBlanks(line.substr(0, colon));
  for (const TFieldName &f : kFields)
    if (NamesField(name, f.Name))
      return TDetailText{f.Name, std::string(TrimValue(line.substr(colon + 1)))};
  return std::nullopt;
}

TDetailLine ReadJobDetailLine(std::string_view line, TJobDetails &details, std::string &reason) {
  const std::optional<TDetailText> split = SplitJobDetailLine(line);
  if (!split)
    return TDetailLine::NotAField;
  const std::string_view value = split->Value;
  if (value.empty())
    return TDetailLine::Read;
  const TFieldName *field = nullptr;
  for (const TFieldName &f : kFields)
    if (f.Name == split->Field)
      field = &f;

  const std::string label(field->Name);
  bool ok = true;
  std::string why;
  switch (field->Field) {
  case TField::Customer:
    ok = SetOnce(details.Customer, value, label, reason);
    break;
  case TField::CustomerAddress:
    details.CustomerAddress.emplace_back(value);
    break;
  case TField::Project:
    ok = SetOnce(details.Project, value, label, reason);
    break;
  case TField::Site:
    ok = SetOnce(details.Site, value, label, reason);
    break;
  case TField::Reference:
    ok = SetOnce(details.Reference, value, label, reason);
    break;
  case TField::QuoteNumber:
    ok = SetOnce(details.QuoteNumber, value, label, reason);
    break;
  case TField::PreparedBy:
    ok = SetOnce(details.PreparedBy, value, label, reason);
    break;
  case TField::Date:
    if (!IsCalendarDate(value)) {
      reason =
          "Date '" + std::string(value) + "' is no date written YYYY-MM-DD, such as 2026-03-02";
      return TDetailLine::Bad;
    }
    ok = SetOnce(details.Date, value, label, reason);
    break;
  case TField::ValidFor: {
    int days = 0;
    if (!ReadDays(value, days)) {
      reason = "Valid for '" + std::string(value) + "' reads as a number of days up to " +
               std::to_string(kMaxValidDays) + ", such as 30 days";
      return TDetailLine::Bad;
    }
    ok = SetOnce(details.ValidDays, days, label, reason);
    break;
  }
  case TField::Discount:
  case TField::Vat: {
    TPercent100 percent = 0;
    if (!ReadPercentText(value, percent, why)) {
      reason = label + " '" + std::string(value) + "' " + why;
      return TDetailLine::Bad;
    }
    ok = SetOnce(field->Field == TField::Vat ? details.Vat : details.Discount, percent, label,
                 reason);
    break;
  }
  }
  return ok ? TDetailLine::Read : TDetailLine::Bad;
}

} // namespace korvane
