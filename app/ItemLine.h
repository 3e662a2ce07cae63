#pragma once
// One item as the command-line pricer takes it: a type, then KEY=VALUE for
// the property rows to change, e.g.
//
//   Elbow Diameter=500 Radius=150
//   "Straight Rectangular" Width=800 Gauge=1.0
//   Elbow Radius="1.5 Dia"
//
// Blanks separate words; double or single quotes keep blanks inside a type
// name or a value. Types and keys are matched without regard to case. The
// parse allocates nothing unless it fails: every text it hands back is a view
// into the line.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "app/Catalogue.h"

namespace korvane {

struct TItemAssignment {
  int Prop = -1;          // index into the type's Props (data row - 1)
  std::string_view Value; // quotes removed, never empty
};

struct TItemLine {
  int Type = -1;
  std::array<TItemAssignment, kMaxProps> Values;
  std::size_t Count = 0;
};

enum class TItemParse {
  Item,  // `out` holds an item
  Blank, // nothing but blanks, or a comment line starting with '#'
  Error, // `error` says what is wrong
};

// Words of an item already split (the program's arguments).
TItemParse ParseItemWords(std::span<const std::string_view> words, TItemLine &out,
                          std::string &error);

// A whole line: splits it into words, then as ParseItemWords. A line of more
// words than a type has rows is refused.
TItemParse ParseItemLine(std::string_view line, TItemLine &out, std::string &error);

// Removes one pair of matching quotes around `word`.
std::string_view Unquote(std::string_view word);

} // namespace korvane
