#include "app/ItemLine.h"

#include <cstddef>

namespace korvane {

namespace {

// The type word and one word per row, plus one so that a line with too many
// words is told apart from a full one.
constexpr std::size_t kMaxWords = 1 + kMaxProps + 1;

enum TCharClass : unsigned char { ccWord, ccSpace, ccQuote };

// One look-up per byte: a batch splits millions of lines.
constexpr std::array<TCharClass, 256> kCharClass = [] {
  std::array<TCharClass, 256> table{};
  for (unsigned char c : {' ', '\t', '\r', '\n', '\v', '\f'})
    table[c] = ccSpace;
  table['"'] = ccQuote;
  table['\''] = ccQuote;
  return table;
}();

constexpr TCharClass ClassOf(char c) {
  return kCharClass[static_cast<unsigned char>(c)];
}
constexpr bool IsQuote(char c) {
  return ClassOf(c) == ccQuote;
}

// The first byte from `i` on that is a blank or a quote, or line.size().
std::size_t WordEnd(std::string_view line, std::size_t i) {
  while (i < line.size() && ClassOf(line[i]) == ccWord)
    ++i;
  return i;
}

std::string Quoted(std::string_view text) {
  std::string out = "'";
  out.append(text);
  out += '\'';
  return out;
}

std::string KeyList(int type) {
  std::string list;
  for (std::string_view key : DuctTypes[static_cast<std::size_t>(type)].Props) {
    if (key.empty())
      break;
    if (!list.empty())
      list += ", ";
    list.append(key);
  }
  return list;
}

} // namespace

std::string_view Unquote(std::string_view word) {
  if (word.size() >= 2 && IsQuote(word.front()) && word.back() == word.front())
    return word.substr(1, word.size() - 2);
  return word;
}

std::string_view UnquoteWhole(std::string_view word) {
  // "Flange=35mm Mezz" quoted as one word, as shells and spreadsheets write
  // it; a word whose first quote closes before its end ("Flange"="...") is
  // left to the key and value rules.
  if (word.size() >= 2 && IsQuote(word.front()) && word.find(word.front(), 1) == word.size() - 1)
    return word.substr(1, word.size() - 2);
  return word;
}

TItemParse ParseItemWords(std::span<const std::string_view> words, TItemLine &out,
                          std::string &error) {
  out.Type = -1;
  out.Count = 0;
  if (words.empty())
    return TItemParse::Blank;
  const std::string_view typeWord = Unquote(words[0]);
  out.Type = FindDuctType(typeWord);
  if (out.Type < 0) {
    error = "unknown item type " + Quoted(typeWord);
    return TItemParse::Error;
  }
  const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(out.Type)];
  for (std::size_t w = 1; w < words.size(); ++w) {
    const std::string_view word = UnquoteWhole(words[w]);
    // Words are short: a plain loop, not a library call, finds the '='.
    std::size_t eq = 0;
    while (eq < word.size() && word[eq] != '=')
      ++eq;
    if (eq == word.size())
      eq = std::string_view::npos;
    const std::string_view key = Unquote(word.substr(0, eq));
    const int prop = FindPropKey(out.Type, key);
    if (prop < 0) {
      error = "unknown property " + Quoted(key) + " of " + std::string(rec.Key) +
              " (its properties: " + KeyList(out.Type) + ")";
      return TItemParse::Error;
    }
    const std::string_view value =
        eq == std::string_view::npos ? std::string_view() : Unquote(word.substr(eq + 1));
    if (value.empty()) {
      error = "missing value for " + std::string(rec.Props[static_cast<std::size_t>(prop)]);
      return TItemParse::Error;
    }
    for (std::size_t k = 0; k < out.Count; ++k) {
      if (out.Values[k].Prop == prop) {
        error = std::string(rec.Props[static_cast<std::size_t>(prop)]) + " given twice";
        return TItemParse::Error;
      }
    }
    // Every key is distinct and known, so the count never passes kMaxProps.
    out.Values[out.Count++] = {prop, value};
  }
  return TItemParse::Item;
}

TItemParse ParseItemLine(std::string_view line, TItemLine &out, std::string &error) {
  std::array<std::string_view, kMaxWords> words;
  std::size_t count = 0;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && ClassOf(line[i]) == ccSpace)
      ++i;
    if (i >= line.size())
      break;
    if (count == 0 && line[i] == '#')
      break;
    const std::size_t start = i;
    while ((i = WordEnd(line, i)) < line.size() && ClassOf(line[i]) == ccQuote) {
      const std::size_t close = line.find(line[i], i + 1);
      if (close == std::string_view::npos) {
        out.Type = -1;
        out.Count = 0;
        error = "unclosed quote in " + Quoted(line.substr(start));
        return TItemParse::Error;
      }
      i = close + 1;
    }
    if (count == words.size()) {
      out.Type = -1;
      out.Count = 0;
      error = "too many values";
      return TItemParse::Error;
    }
    words[count++] = line.substr(start, i - start);
  }
  return ParseItemWords(std::span<const std::string_view>(words.data(), count), out, error);
}

} // namespace korvane
