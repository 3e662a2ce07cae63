#pragma once
// The attribute values of a STEP instance, taken apart from its packed
// attribute text (TStepFile::Args: no blanks or comments outside strings).
// Every function accepts any text and says false or empty for a value that
// is not of its kind, so a model written by anyone reads without a throw.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Splits a list's text (without its parentheses) at its top-level commas;
// "()" gives none.
void SplitStepList(std::string_view text, std::vector<std::string_view> &out);

// The items of list value "(a,b,c)"; false when `value` is no list.
bool StepListItems(std::string_view value, std::vector<std::string_view> &out);

// "#12".
bool StepRef(std::string_view value, std::uint64_t &id);

// A number, or a typed number such as IFCLENGTHMEASURE(2.5); finite only.
bool StepReal(std::string_view value, double &x);

// ".BEND." gives "BEND"; empty for any other value.
std::string_view StepEnum(std::string_view value);

// A string value decoded: '' is one quote, \X2\...\X0\ and \X\hh become
// UTF-8, \S\ and the others are left as written; control bytes become
// blanks. Empty for $ and anything that is no string. A typed string such as
// IFCLABEL('x') is read too.
std::string StepString(std::string_view value);

// The attribute `index` of an instance's attribute text; empty when there
// are fewer.
std::string_view StepAttribute(std::string_view args, std::size_t index);

} // namespace korvane
