#include "bill/takeoff/TakeoffCsv.h"

#include <utility>

namespace korvane {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// "2,4": a number with a decimal comma, as a spreadsheet saves numbers in
// semicolon CSV where commas are decimal marks.
bool DecimalComma(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || comma == 0 || comma + 1 == text.size())
    return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (i != comma && !(text[i] >= '0' && text[i] <= '9'))
      return false;
  return true;
}

} // namespace

bool SplitCsvRecord(std::string_view line, char sep, std::string &store,
                    std::vector<TTakeoffCell> &cells) {
  store.clear();
  store.reserve(line.size());
  cells.clear();
  // Start and end of each field in `store`; views made once it stops growing.
  std::vector<std::pair<int, std::size_t>> spans;
  int col = 0;
  std::size_t i = 0;
  while (true) {
    const std::size_t start = store.size();
    bool quoted = false;
    while (i < line.size() && line[i] != sep) {
      const char c = line[i++];
      if (c == '"' && !quoted && store.size() == start) {
        quoted = true;
        while (i < line.size()) {
          if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
              store += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          store += line[i++];
        }
      } else {
        // Text after a closing quote is kept as written, as spreadsheet
        // programs do.
        store += c;
      }
    }
    if (store.size() > start)
      spans.emplace_back(col, start);
    if (i >= line.size())
      break;
    ++i; // the separator
    if (++col >= kTakeoffMaxColumns)
      return false;
  }
  for (std::size_t k = 0; k < spans.size(); ++k) {
    const std::size_t end = k + 1 < spans.size() ? spans[k + 1].second : store.size();
    cells.push_back(
        {spans[k].first, std::string_view(store).substr(spans[k].second, end - spans[k].second)});
  }
  return true;
}

TTakeoffCsvReader::TTakeoffCsvReader(TTakeoffRowSink &sink, THeaderTest isHeader)
    : sink_(sink), isHeader_(std::move(isHeader)) {}

bool TTakeoffCsvReader::Split(char sep) {
  return SplitCsvRecord(record_, sep, fields_, cells_);
}

bool TTakeoffCsvReader::Record(std::string &error) {
  ++row_;
  if (row_ > kTakeoffMaxRows) {
    error = "more than " + std::to_string(kTakeoffMaxRows) + " rows";
    return false;
  }
  if (!record_.empty() && record_.back() == '\r')
    record_.pop_back();
  if (row_ == 1 && record_.starts_with(kBom))
    record_.erase(0, kBom.size());
  bool wide = false;
  if (separator_ != 0) {
    wide = !Split(separator_);
  } else if (Split(';') && !cells_.empty() && isHeader_(cells_)) {
    separator_ = ';';
  } else {
    wide = !Split(',');
    if (!wide && !cells_.empty() && isHeader_(cells_))
      separator_ = ',';
  }
  if (wide) {
    error = "row " + std::to_string(row_) + " has more than " + std::to_string(kTakeoffMaxColumns) +
            " columns";
    return false;
  }
  if (separator_ == ';')
    for (const TTakeoffCell &cell : cells_)
      if (DecimalComma(cell.Text))
        fields_[static_cast<std::size_t>(cell.Text.data() - fields_.data()) + cell.Text.find(',')] =
            '.';
  if (!cells_.empty())
    sink_.Row(row_, cells_);
  record_.clear();
  return true;
}

bool TTakeoffCsvReader::Feed(std::string_view bytes, std::string &error) {
  if (failed_)
    return false;
  std::size_t from = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '"') {
      inQuotes_ = !inQuotes_; // a doubled quote flips twice
    } else if (c == '\n' && !inQuotes_) {
      record_.append(bytes.substr(from, i - from));
      from = i + 1;
      if (!Record(error)) {
        failed_ = true;
        return false;
      }
      continue;
    }
    if (record_.size() + (i - from) > kTakeoffMaxRecordBytes) {
      error = "row " + std::to_string(row_ + 1) + " is longer than " +
              std::to_string(kTakeoffMaxRecordBytes) + " bytes" +
              (inQuotes_ ? " (a quote is never closed?)" : "");
      failed_ = true;
      return false;
    }
  }
  record_.append(bytes.substr(from));
  return true;
}

bool TTakeoffCsvReader::Finish(std::string &error) {
  if (failed_)
    return false;
  if (record_.empty())
    return true;
  if (inQuotes_) {
    error = "row " + std::to_string(row_ + 1) + " opens a quote that is never closed";
    failed_ = true;
    return false;
  }
  return Record(error);
}

} // namespace korvane
