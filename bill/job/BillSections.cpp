#include "bill/job/BillSections.h"

#include <algorithm>
#include <cctype>

namespace korvane {

namespace {

bool IsBlank(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](unsigned char c) { return std::isspace(c) != 0; });
}

bool StartsSection(std::string_view line) {
  constexpr std::string_view kWord = "globalsettings";
  const std::size_t at = line.find_first_not_of(" \t");
  if (at == std::string_view::npos || line.size() - at < kWord.size())
    return false;
  for (std::size_t i = 0; i < kWord.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(line[at + i])) != kWord[i])
      return false;
  }
  const std::size_t end = at + kWord.size();
  return end == line.size() || !std::isalnum(static_cast<unsigned char>(line[end]));
}

// A "#" line: a section's heading.
bool IsHeading(std::string_view line) {
  const std::size_t at = line.find_first_not_of(" \t");
  return at != std::string_view::npos && line[at] == '#';
}

} // namespace

int SectionEndLine(const std::vector<std::string_view> &lines, int caretLine) {
  const int count = static_cast<int>(lines.size());
  // A bill with headings is cut at its headings; one without, at its
  // GlobalSettings lines.
  const bool headings = std::any_of(lines.begin(), lines.end(), IsHeading);
  int end = count;
  for (int i = std::clamp(caretLine + 1, 0, count); i < count; ++i) {
    const std::string_view line = lines[static_cast<std::size_t>(i)];
    if (headings ? IsHeading(line) : StartsSection(line)) {
      end = i;
      break;
    }
  }
  while (end > 0 && end - 1 > caretLine && IsBlank(lines[static_cast<std::size_t>(end - 1)]))
    --end;
  return end;
}

std::string PastedEntryText(std::string_view clipboard) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= clipboard.size(); ++i) {
    if (i < clipboard.size() && clipboard[i] != '\r' && clipboard[i] != '\n')
      continue;
    lines.push_back(clipboard.substr(start, i - start));
    if (i + 1 < clipboard.size() && clipboard[i] == '\r' && clipboard[i + 1] == '\n')
      ++i;
    start = i + 1;
  }
  while (!lines.empty() && IsBlank(lines.back()))
    lines.pop_back();
  std::size_t first = 0;
  while (first < lines.size() && IsBlank(lines[first]))
    ++first;
  std::string text;
  for (std::size_t i = first; i < lines.size(); ++i) {
    text += lines[i];
    text += '\n';
  }
  return text;
}

} // namespace korvane
