#pragma once
// Small ASCII-only text helpers. Names, keys and number texts of this program
// compare and trim the same way whatever the user's locale, so none of these
// look at it; bytes outside ASCII pass through unchanged.
#include <algorithm>
#include <string_view>

namespace korvane {

constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

constexpr bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The value of a hexadecimal digit of either case; -1 for any other byte.
constexpr int HexDigitValue(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

// A blank is a space or a tab; line ends are not blanks.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

constexpr std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

} // namespace korvane
