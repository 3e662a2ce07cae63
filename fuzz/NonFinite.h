#pragma once
// Whether a text on screen shows a number that is not one.
#include <string_view>

namespace korvane::fuzz {

// "nan", "inf" or "-inf" standing as a word of its own, in any case
// ("Information" and "Insulation" are fine).
inline bool ShowsNonFinite(std::string_view text) {
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  for (std::string_view word : {"nan", "inf"}) {
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
      bool match = true;
      for (std::size_t i = 0; i < word.size() && match; ++i)
        match = lower(text[at + i]) == word[i];
      if (match && !(at > 0 && letter(text[at - 1])) &&
          !(at + word.size() < text.size() && letter(text[at + word.size()])))
        return true;
    }
  }
  return false;
}

} // namespace korvane::fuzz
