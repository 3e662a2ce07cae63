#include "costs/PriceListSource.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/NumberText.h"

namespace korvane {

namespace {

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == std::string_view::npos)
      return fields;
    start = comma + 1;
  }
}

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos)
    return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool CheckHeader(const std::vector<std::string_view> &fields) {
  if (fields.size() != kFittingCols)
    return false;
  for (std::size_t c = 0; c < kFittingCols; ++c) {
    if (Trim(fields[c]) != FittingColumnName(c))
      return false;
  }
  return true;
}

// One diameter row; the text of the fault, or empty when the row is good.
std::string ParseRow(const std::vector<std::string_view> &fields, std::size_t row,
                     TSpiralPriceTable &table) {
  if (fields.size() != kFittingCols)
    return std::string("expected ") + std::to_string(kFittingCols) + " fields, found " +
           std::to_string(fields.size());
  for (std::size_t c = 0; c < kFittingCols; ++c) {
    double value = 0;
    if (!ReadNumber(fields[c], value))
      return std::string("\"").append(Trim(fields[c])) + "\" is not a number";
    if (c == fcDia && value != kBuiltInDiameters[row])
      return std::string("expected diameter ") + FittingKey(row).substr(1);
    if (c != fcDia && !(value > 0 && std::isfinite(value)))
      return std::string(FittingColumnName(c)) + " price must be above zero";
    table.cols[c][row] = value;
  }
  return {};
}

} // namespace

bool ParsePriceListSource(std::string_view text, TSpiralPriceTable &table, std::string &error) {
  TSpiralPriceTable parsed{};
  bool headerSeen = false;
  std::size_t row = 0;
  std::size_t lineNo = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    ++lineNo;
    if (line.empty() || line.front() == '#')
      continue;
    const auto fields = SplitFields(line);
    const std::string where = "line " + std::to_string(lineNo) + ": ";
    if (!headerSeen) {
      if (!CheckHeader(fields)) {
        error = where + "the header must name the 12 columns Dia,Elbow10D,...,TPiece45deg";
        return false;
      }
      headerSeen = true;
      continue;
    }
    if (row == kFittingRows) {
      error = where + "more than " + std::to_string(kFittingRows) + " diameter rows";
      return false;
    }
    if (std::string fault = ParseRow(fields, row, parsed); !fault.empty()) {
      error = where + fault;
      return false;
    }
    ++row;
  }
  if (row != kFittingRows) {
    error =
        "found " + std::to_string(row) + " diameter rows, expected " + std::to_string(kFittingRows);
    return false;
  }
  table = parsed;
  return true;
}

} // namespace korvane
