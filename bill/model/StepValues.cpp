#include "bill/model/StepValues.h"

#include <charconv>
#include <cmath>

#include "base/AsciiText.h"

namespace korvane {

namespace {

// Where the value starting at `at` ends: at the top-level comma or the end.
std::size_t ValueEnd(std::string_view text, std::size_t at) {
  int depth = 0;
  bool inString = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '\'')
      inString = !inString;
    else if (inString)
      continue;
    else if (c == '(')
      ++depth;
    else if (c == ')')
      --depth;
    else if (c == ',' && depth <= 0)
      return at;
  }
  return at;
}

// The inside of "NAME(inner)" when `value` is a typed value.
bool Typed(std::string_view value, std::string_view &inner) {
  const std::size_t open = value.find('(');
  if (open == 0 || open == std::string_view::npos || value.back() != ')' || value[0] == '\'')
    return false;
  inner = value.substr(open + 1, value.size() - open - 2);
  return true;
}

void AppendUtf8(std::string &out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp < 0x20 ? ' ' : cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// "\X2\00E9\X0\": hex digits, four per character, up to "\X0\".
std::size_t DecodeX2(std::string_view s, std::size_t at, std::string &out) {
  std::uint32_t high = 0;
  while (at + 4 <= s.size() && s[at] != '\\') {
    std::uint32_t unit = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const int d = HexDigitValue(s[at + k]);
      if (d < 0)
        return at;
      unit = unit * 16 + static_cast<std::uint32_t>(d);
    }
    at += 4;
    if (unit >= 0xD800 && unit < 0xDC00) {
      high = unit;
      continue;
    }
    if (unit >= 0xDC00 && unit < 0xE000) {
      if (high != 0)
        AppendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
      high = 0;
      continue;
    }
    high = 0;
    AppendUtf8(out, unit);
  }
  if (s.substr(at).starts_with("\\X0\\"))
    at += 4;
  return at;
}

} // namespace

void SplitStepList(std::string_view text, std::vector<std::string_view> &out) {
  out.clear();
  if (text.empty())
    return;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = ValueEnd(text, at);
    out.push_back(text.substr(at, end - at));
    if (end >= text.size())
      return;
    at = end + 1;
  }
}

bool StepListItems(std::string_view value, std::vector<std::string_view> &out) {
  out.clear();
  if (value.size() < 2 || value.front() != '(' || value.back() != ')')
    return false;
  SplitStepList(value.substr(1, value.size() - 2), out);
  return true;
}

bool StepRef(std::string_view value, std::uint64_t &id) {
  if (value.size() < 2 || value[0] != '#')
    return false;
  const char *end = value.data() + value.size();
  const auto [p, ec] = std::from_chars(value.data() + 1, end, id);
  return ec == std::errc{} && p == end;
}

bool StepReal(std::string_view value, double &x) {
  std::string_view inner;
  if (Typed(value, inner))
    value = inner;
  if (value.empty())
    return false;
  const char *first = value.data() + (value[0] == '+' ? 1 : 0);
  const char *end = value.data() + value.size();
  const auto [p, ec] = std::from_chars(first, end, x);
  return ec == std::errc{} && p == end && std::isfinite(x);
}

std::string_view StepEnum(std::string_view value) {
  if (value.size() < 3 || value.front() != '.' || value.back() != '.')
    return {};
  return value.substr(1, value.size() - 2);
}

std::string StepString(std::string_view value) {
  std::string_view inner;
  if (Typed(value, inner))
    value = inner;
  std::string out;
  if (value.size() < 2 || value.front() != '\'' || value.back() != '\'')
    return out;
  const std::string_view s = value.substr(1, value.size() - 2);
  for (std::size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (c == '\'' && i + 1 < s.size() && s[i + 1] == '\'') {
      out += '\'';
      i += 2;
    } else if (s.substr(i).starts_with("\\X2\\")) {
      i = DecodeX2(s, i + 4, out);
    } else if (s.substr(i).starts_with("\\X\\") && i + 5 <= s.size() &&
               HexDigitValue(s[i + 3]) >= 0 && HexDigitValue(s[i + 4]) >= 0) {
      AppendUtf8(
          out, static_cast<std::uint32_t>(HexDigitValue(s[i + 3]) * 16 + HexDigitValue(s[i + 4])));
      i += 5;
    } else {
      out += static_cast<unsigned char>(c) < 32 ? ' ' : c;
      ++i;
    }
  }
  return out;
}

std::string_view StepAttribute(std::string_view args, std::size_t index) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < index; ++i) {
    at = ValueEnd(args, at);
    if (at >= args.size())
      return {};
    ++at;
  }
  return args.substr(at, ValueEnd(args, at) - at);
}

} // namespace korvane
